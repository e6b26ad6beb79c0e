#pragma once
// Texts and the width their font measures for them: texts drawn in boxes of that width
// (menu captions and shortcuts, hints, button captions, a panel's caption on its frame),
// and the width a control sized to its text keeps for the text's glyphs.

#include "classlib/Canvas.h"

#include "base/win32/WinApi.h"

#include <cstdint>
#include <string>

// A font's glyphs may reach past the width it measures: under Wine the glyphs of a line
// drift from the sum of the widths the font measures for them, at some sizes to the
// right (Tahoma at 13 pixels draws "Bestandsnaam -> Tag" 2 pixels wider, a caption of
// 290 pixels 4 wider). A text in a box of its measured width is drawn unclipped, into the
// room its window keeps beside it, else its last letter shows cut.
inline constexpr UINT MeasuredBoxFlags = DT_NOCLIP;

// How many pixels the glyphs of one line of Text, drawn with Flags in the canvas's font,
// reach past the width the font measures for it; 0 where they end within it. A control
// sized to its text keeps this much room beside the measured width, since its own bounds
// clip the text.
int32_t InkOverhang(TCanvas& Canvas, const std::string& Text, UINT Flags = DT_SINGLELINE | DT_NOPREFIX);
