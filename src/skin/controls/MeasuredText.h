#pragma once
// Texts drawn in boxes of the width their font measures for them (menu captions and
// shortcuts, hints, button captions, a panel's caption on its frame).

#include "base/win32/WinApi.h"

// A font's glyphs may reach past the width it measures: under Wine the glyphs of a line
// drift from the sum of the widths the font measures for them, at some sizes to the
// right (Tahoma at 13 pixels draws "Bestandsnaam -> Tag" 2 pixels wider, a caption of
// 290 pixels 4 wider). A text in a box of its measured width is drawn unclipped, into the
// room its window keeps beside it, else its last letter shows cut.
inline constexpr UINT MeasuredBoxFlags = DT_NOCLIP;

