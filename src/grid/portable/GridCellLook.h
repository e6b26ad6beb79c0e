#pragma once
// How a cell looks, free of any canvas: which of the skin's cell pictures a draw state
// shows, the skin's cell rectangles with their fall-backs, and where a cell's text goes.

#include "GridTypes.h"

#include "base/Geometry.h"

#include <cstdint>

// The cell pictures of a grid skin.
enum class TGridCellKind { Fixed, Normal, Selected, Disabled };

// Fixed cells show the fixed picture, cells that cannot be selected the disabled one;
// a selected, focused or highlighted cell shows the selected picture, every other the
// normal one.
TGridCellKind GridCellKind(TGridDrawState State);

// The skin's rectangle of each picture. A skin may leave the select or the focus
// rectangle out (the other stands in) and the disabled one (the select rectangle
// stands in).
struct TGridCellRects {
  TRect Fixed;
  TRect Normal;    // "selectcellrect"
  TRect Selected;  // "focuscellrect"
  TRect Disabled;
  const TRect& Of(TGridCellKind Kind) const;
};
TGridCellRects WithFallbacks(TGridCellRects Rects);

// Where the text of a cell goes: the cell moved by the skin's text rectangle TextRect
// (which lies in a picture of SkinRect's size), as much wider as the cell is wider than
// SkinRect, and, when the picture is stretched to the cell's height, as much taller as
// the cell is taller than FixedHeight (the fixed picture's height). Without a text
// rectangle the cell itself.
TRect GridTextRect(const TRect& Cell, const TRect& SkinRect, const TRect& TextRect, int32_t FixedHeight,
                   bool StretchedHeight);
// The top of a text line of TextHeight centred in R, each half truncated.
constexpr int32_t CentredTextTop(const TRect& R, int32_t TextHeight) {
  return R.Top + R.Height() / 2 - TextHeight / 2;
}
// Text starts this far right of its rectangle's left edge.
inline constexpr int32_t GridTextIndent = 2;
