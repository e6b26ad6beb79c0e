#pragma once
// Texts drawn in boxes of the width their font measures for them (menu captions and
// shortcuts, hints).

#include "base/win32/WinApi.h"

// A font's glyphs may reach a pixel or two past the width it measures (Tahoma at 13
// pixels under Wine draws "Bestandsnaam -> Tag" 2 pixels wider): a text in a box of its
// measured width is drawn unclipped, into the room its window keeps beside it, else its
// last letter shows cut.
inline constexpr UINT MeasuredBoxFlags = DT_NOCLIP;
