#pragma once
// How a skinned control's size follows its skin entry, without windows: the size a
// control may take by its resize mode, the entry's cut and client rectangle at that
// size, and the client part filling it.

#include "SkinPartLook.h"

#include "skin/data/SkinImagePlans.h"

// The size a control whose skin rectangle is SkinRect takes when Width x Height is
// asked, by its resize mode (SkinResizeMode): both ways, only the width (the height is
// the skin's), only the height (the width is the skin's), or the skin rectangle's own
// size (Fixed). Without a skin rectangle (NoRect) the size asked stays; so it does when
// the skin's would give the control a side longer than a skin's picture may have or more
// pixels than its pictures may hold together (a fixed-size panel of 32768 x 1024 took
// 356 MB at its first paint: its bitmap and the window's own).
TSize FitSizeToSkin(int32_t ResizeMode, const TRect& SkinRect, int32_t Width, int32_t Height);

// The cut of a control of resize mode ResizeMode asked to be Width x Height: the
// entry's cut for the size FitSizeToSkin gives (corner points and client rectangle keep
// their distance to the far edges).
TSkinCut FitCutToSkin(int32_t ResizeMode, const TRect& SkinRect, const TSkinCut& Cut, int32_t Width,
                      int32_t Height);

// The client rectangle of an entry stretched to Width x Height whatever its resize mode
// (a button or label that does not keep the skin's size): ClRect grown by the
// difference between that size and the skin rectangle's.
TRect GrownClientRect(const TRect& ClRect, const TRect& SkinRect, int32_t Width, int32_t Height);

// How an entry is drawn at any size (a control that does not keep the skin's size): cut
// at the corners of its client rectangle, or stretched whole when it has none.
TspPartGeometry AnySizeGeometry(const TRect& ClRect);
