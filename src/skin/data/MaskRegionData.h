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
// How many rectangles the region of the runs holds: a row whose black pixels lie as in the
// row above only lengthens the rectangles of that row (a region joins them), so a band of
// like rows counts once. Counted no further than the row that passes Most.
size_t CountMaskRegionRects(TMaskRows Rows, int32_t Width, size_t Most);

// The block for Rects: dwSize 32, iType 1 (RDH_RECTANGLES), nCount, nRgnSize 0, rcBound
// Bound, then the rectangles. Raises EIntOverflow when it would pass 2 GiB.
TRgnDataBlock RgnDataBlock(const std::vector<TRect>& Rects, const TRect& Bound);

// The block of a mask's black runs with bounds (DX, DY, Width + DX, row count + DY).
TRgnDataBlock RgnDataFromMask(TMaskRows Rows, int32_t Width, int32_t DX, int32_t DY);

// The most runs a window region is made from: its data and the region calls take time and
// memory growing with them (a 5736 x 5736 checkerboard once took 812 MB), however few
// rectangles the region keeps of them.
inline constexpr size_t MaxRegionMaskRuns = 8192;
// The most rectangles the window regions a skin's masks give may hold, all windows
// together (TRegionRectBudget). Wine takes time growing faster than the square of a
// window region's rectangles to work out what of a window shows (a checkerboard band of
// 37,000 rectangles: 5 s for each paint of the window or of its parent), and the cost
// grows with the windows that hold regions: 40 overlapping panels whose regions held
// 8,000 rectangles together took 2.2 s to take their skin, 4,100 took 1.9 s, 2,100 took
// 1.1 to 1.3 (80 such panels 1.6). A mask finer than what is left of this shapes nothing:
// the window keeps its rectangle. Sound masks (rounded corners, notches) take a few dozen
// rectangles, however large the window: their rows repeat.
inline constexpr size_t MaxSkinRegionRects = 2048;

// The number of rectangles in Block (as RgnDataBlock makes it).
size_t RgnDataRectCount(const TRgnDataBlock& Block);

// Block (as RgnDataBlock makes it) cut into blocks of at most MaxRects of its rectangles
// each (at least one), in order, each with Block's bounds: together they hold the same
// region. A block without rectangles gives one such block.
std::vector<TRgnDataBlock> RgnDataSlices(const TRgnDataBlock& Block, size_t MaxRects);
