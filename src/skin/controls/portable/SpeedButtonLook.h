#pragma once
// Which look a speed button shows, without windows.

#include "SkinPartLook.h"

// The picture of a speed button: disabled when the skin has a disabled picture;
// pressed while down under the pointer, or down in a group; hot under the pointer, or
// once a morph reached the hot picture; else normal.
TspPartState SpeedButtonPartState(bool Enabled, bool HasDisabledLook, bool Down, bool MouseIn, bool Grouped,
                                  bool MorphedToActive);

// Whether a flat speed button draws only its glyph and caption over its parent now:
// while the pointer is away, unless it is held down in a group.
bool SpeedButtonShowsFlat(bool Flat, bool Down, bool MouseIn, bool Grouped);
