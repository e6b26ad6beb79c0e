#pragma once
// The arithmetic of scrolling a grid: where a scroll code takes the first visible cell
// (or, in a one-column grid, the pixel offset), where the scroll bars' thumbs stand and
// how far they step, and which client areas move when the first cell changes. A grid's
// bars run from 0 to 127 over the cells; a one-column grid's over its pixels.

#include "GridGeometry.h"
#include "GridTypes.h"

#include <cstdint>
#include <vector>

// The thumb range of a bar over cells.
inline constexpr int32_t CellScrollRange = 127;

// Number * Numerator / Denominator rounded to nearest, halves away from zero, as the
// platform's multiply-divide; -1 for a zero divisor or a result beyond 32 bits.
int32_t RoundedMulDiv(int32_t Number, int32_t Numerator, int32_t Denominator);

// One axis as the scroll codes see it.
struct TScrollAxisState {
  int32_t First = 0;          // the first visible scrolling cell
  int32_t Min = 0;            // the fixed count
  int32_t Max = 0;            // the largest useful first cell
  int32_t PageUpCount = 1;    // cells a page back moves, at least 1
  int32_t PageDownCount = 1;  // cells a page on moves, at least 1
  int32_t Sign = 1;           // -1 on a horizontal bar of a right-to-left grid
  const TGridExtents* Extents = nullptr;
};

// The first cell a scroll code leads to, between Min and Max. Line and page steps go on
// over cells of zero extent; the thumb maps 0 .. 127 onto Min .. Max (Max .. Min when
// mirrored); scThumbTrack counts only with ThumbTracking; other codes stay.
int32_t ScrollCodeTarget(const TScrollAxisState& Axis, int Code, int32_t Pos, bool ThumbTracking);

// A one-column grid scrolled by pixels.
struct TPixelScrollState {
  int32_t Offset = 0;    // the column's pixels scrolled away
  int32_t Width = 0;     // the column's width
  int32_t View = 0;      // the client width right of the fixed cells
  int32_t LineStep = 0;  // pixels of one line step
  int32_t Sign = 1;
};

// The offset a scroll code leads to, between 0 and Width - View: scTop 0, scBottom the
// end of the column.
int32_t PixelScrollTarget(const TPixelScrollState& State, int Code, int32_t Pos, bool ThumbTracking);

// The thumb position of a first cell between Min and Max; 0 when nothing scrolls.
int32_t CellScrollPosition(int32_t First, int32_t Min, int32_t Max);

// A bar's line and page step: Range over the cells that do not fit, at least 1.
int32_t ScrollStepSize(int32_t Range, int32_t CellCount, int32_t VisibleCount, int32_t FixedCount);

// The pixels the view moves when the first cell of an axis went from OldFirst to the
// axis's FirstGridCell: negative when it moved on. False when the cells between span
// more than the scrolling area, so that the grid is repainted instead.
bool ScrollAmount(const TGridAxisDrawInfo& Axis, int32_t OldFirst, int32_t& Amount);

// A client area whose contents move by (DX, DY); it is its own clip rectangle.
struct TGridScrollArea {
  TRect Area;
  int32_t DX = 0;
  int32_t DY = 0;
  friend constexpr bool operator==(const TGridScrollArea&, const TGridScrollArea&) = default;
};

// An area's move done as one copy within it: the pixels copied to Target come from
// Target offset by (-DX, -DY); Uncovered bounds what the move leaves to be drawn (all of
// the area when nothing of it stays in view).
struct TScrollCopy {
  TRect Target;
  TPoint Source;
  TRect Uncovered;
};
TScrollCopy ScrollCopy(const TGridScrollArea& Area);

// The areas that move when the view scrolls by (DX, DY): the scrolling cells and,
// beside them, the fixed rows (columns) that scroll along one axis.
std::vector<TGridScrollArea> ScrollAreas(int32_t DX, int32_t DY, const TGridDrawInfo& DrawInfo, bool RightToLeft);
