#pragma once
// Region data of a mask picture: every run of pure black pixels (blue + green + red = 0)
// in a row becomes a rectangle one row high, and the rectangles form a Windows RGNDATA
// block that ExtCreateRegion turns into a window region. The mask is read row by row
// through a table of row addresses, each row 24-bit pixels in Windows DIB order (blue,
// green, red).

#include "SkinTypes.h"

#include <cstdint>
#include <span>
#include <vector>

// An RGNDATA block: a 32-byte RGNDATAHEADER followed by its RECTs (16 bytes each).
using TRgnDataBlock = std::vector<uint8_t>;

// The rows of a mask, top row first; each holds at least the mask's width in pixels.
using TMaskRows = std::span<const uint8_t* const>;

// The runs of black pixels, moved by (DX, DY), in row order and left to right within a
// row; the right edge is exclusive. Coordinates beyond the 32-bit range saturate.
std::vector<TRect> MaskRunRects(TMaskRows Rows, int32_t Width, int32_t DX, int32_t DY);
// How many runs MaskRunRects gives, counted no further than Most + 1: a mask of more runs
// is read only up to the one that passes Most, and nothing is kept of any.
size_t CountMaskRuns(TMaskRows Rows, int32_t Width, size_t Most);

// The block for Rects: dwSize 32, iType 1 (RDH_RECTANGLES), nCount, nRgnSize 0, rcBound
// Bound, then the rectangles. Raises EIntOverflow when it would pass 2 GiB.
TRgnDataBlock RgnDataBlock(const std::vector<TRect>& Rects, const TRect& Bound);

// The block of a mask's black runs with bounds (DX, DY, Width + DX, row count + DY).
TRgnDataBlock RgnDataFromMask(TMaskRows Rows, int32_t Width, int32_t DX, int32_t DY);

// The most rectangles a window region made from a mask may have. Wine takes time growing
// faster than the square of a window region's rectangles to work out what of a window
// shows (a checkerboard band of 37,000 rectangles: 5 s for each paint of the window or of
// its parent), so a mask finer than this shapes nothing: the window keeps its rectangle.
// Sound masks (rounded corners, notches) take a few hundred.
inline constexpr size_t MaxWindowRegionRects = 8192;

// The number of rectangles in Block (as RgnDataBlock makes it).
size_t RgnDataRectCount(const TRgnDataBlock& Block);

// Block (as RgnDataBlock makes it) cut into blocks of at most MaxRects of its rectangles
// each (at least one), in order, each with Block's bounds: together they hold the same
// region. A block without rectangles gives one such block.
std::vector<TRgnDataBlock> RgnDataSlices(const TRgnDataBlock& Block, size_t MaxRects);
