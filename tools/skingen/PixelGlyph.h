#pragma once
// Pixel-art glyphs: rows of cells, '#' full, '+' half, '-' a quarter, anything else
// empty. The skin generator draws every mark, arrow and caption-button symbol from these.

#include <cstdint>
#include <initializer_list>
#include <span>

struct TPixelGlyph {
  std::span<const char* const> Rows;

  int32_t Width() const;
  int32_t Height() const { return static_cast<int32_t>(Rows.size()); }
  // 0, 64, 128 or 256.
  int Weight(int32_t X, int32_t Y) const;
};

// The glyph set.
namespace Glyphs {
extern const TPixelGlyph Close;         // 10 x 10 cross of the close button
extern const TPixelGlyph Maximize;      // 10 x 10 window outline
extern const TPixelGlyph Restore;       // 10 x 10 two windows
extern const TPixelGlyph Minimize;      // 10 x 10, a bar at the bottom
extern const TPixelGlyph RollUp;        // 10 x 10 chevron up
extern const TPixelGlyph RollDown;      // 10 x 10 chevron down
extern const TPixelGlyph ToTray;        // 10 x 10 arrow into a tray
extern const TPixelGlyph Note;          // 12 x 14 music note: the program's mark
extern const TPixelGlyph SmallClose;    // 8 x 8 cross
extern const TPixelGlyph CheckMark;     // 9 x 7
extern const TPixelGlyph MenuCheck;     // 9 x 7, thinner
extern const TPixelGlyph GrayedMark;    // 7 x 2 bar
extern const TPixelGlyph RadioDot;      // 6 x 6
extern const TPixelGlyph ChevronUp;     // 7 x 4
extern const TPixelGlyph ChevronDown;   // 7 x 4
extern const TPixelGlyph ChevronLeft;   // 4 x 7
extern const TPixelGlyph ChevronRight;  // 4 x 7
extern const TPixelGlyph SmallUp;       // 5 x 3
extern const TPixelGlyph SmallDown;     // 5 x 3
extern const TPixelGlyph Grip;          // 11 x 11 size grip dots
extern const TPixelGlyph GripDotsH;     // 14 x 3 splitter dots
extern const TPixelGlyph GripDotsV;     // 3 x 14
}  // namespace Glyphs

// A 3 x 5 font for labels on the contact sheet: digits, lower-case letters, ".", "-",
// "_" and ":"; other characters draw as a blank.
TPixelGlyph LabelFontGlyph(char C);
