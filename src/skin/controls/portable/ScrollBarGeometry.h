#pragma once
// The scroll bar without windows: its range and the one clamp every position goes
// through, where its arrow buttons, track and thumb lie for a size and a range, what
// of the bar a change of them draws again, the position a dragged thumb stands for,
// and where a press on the bar lands.
//
// Along the bar means X for a horizontal bar and Y for a vertical one. The up button
// (at the right or bottom end) raises the position, the down button (at the left or
// top end) lowers it; paging up lowers it too, towards Min.

#include "skin/data/SkinTypes.h"

#include <array>
#include <cstdint>
#include <optional>

struct TspScrollRange {
  int32_t Min = 0;
  int32_t Max = 100;
  int32_t PageSize = 0;
  int32_t Position = 0;

  // The highest position: Max - PageSize + 1 with a page, Max without.
  int32_t LastPosition() const;
  // Value within Min .. LastPosition(); Min wins when a page is larger than the range.
  int32_t Clamp(int32_t Value) const;
  // Whether a page of Value fits from Position on: not negative and Position - Min +
  // Value <= Max - Min + 1.
  bool PageFits(int32_t Value) const;
};

// A new bar's thickness, and its height without a skin entry.
inline constexpr int32_t DefaultScrollBarThickness = 19;

// The parts of a bar, by their index in TspScrollBarRects::Buttons.
inline constexpr int ScrollThumb = 0;
inline constexpr int ScrollUpButton = 1;
inline constexpr int ScrollDownButton = 2;

// What the geometry takes from a scroll-bar skin entry. Rectangles and points are
// relative to SkinRect's top-left corner, which is the bar's.
struct TspScrollBarSkinGeometry {
  TRect SkinRect, TrackArea, UpButtonRect, DownButtonRect, ThumbRect;
  TPoint RTPoint, LBPoint;
  int32_t ThumbMinSize = 0;      // replaces ThumbRect's length as the shortest thumb
  int32_t ThumbMinPageSize = 0;  // the thumb's length without a page
};

struct TspScrollBarShape {
  bool Vertical = false;
  int32_t Width = 0;
  int32_t Height = 0;
  // A horizontal bar without a skin leaves this much of its right end to the corner it
  // shares with a vertical bar (its Both mode); 0 otherwise.
  int32_t BothMarkerWidth = 0;
  std::optional<TspScrollBarSkinGeometry> Skin;
};

struct TspScrollBarRects {
  std::array<TRect, 3> Buttons{};  // ScrollThumb, ScrollUpButton, ScrollDownButton
  TRect TrackRect;
  // The thumb centre along the bar at the lowest position and at the highest, and its
  // offset from the first now.
  int32_t ThumbFirstCentre = 0;
  int32_t ThumbLastCentre = 0;
  int32_t ThumbCentreOffset = 0;
};

// The parts of a bar of Shape showing Range. Without a skin the arrow buttons are 16
// pixels long inside a one-pixel border and the shortest thumb is 16; with one the
// parts are the entry's, the far ones moved with the bar's far end. A thumb is never
// longer than its track.
TspScrollBarRects CalcScrollBarRects(const TspScrollBarShape& Shape, const TspScrollRange& Range);

// What of a bar to draw again when its parts move from Drawn (as last painted) to Now:
// nothing when none moved, the thumb's old and new place when only the thumb moved,
// else the whole of Client (an arrow button or the track moved with the bar's size).
TRect ScrollBarRedrawArea(const TspScrollBarRects& Drawn, const TspScrollBarRects& Now, const TRect& Client);

// The position a thumb dragged to D pixels from its first centre shows, clamped.
int32_t ScrollPositionAt(const TspScrollBarRects& Rects, const TspScrollRange& Range, int32_t D);

// The first part holding P (the thumb, then the up and the down button), or -1.
int ScrollPartAt(const TspScrollBarRects& Rects, TPoint P);

enum class TspScrollPage { None, Up, Down };
// The way a press at P pages: up before the thumb, down after it; None off the track.
TspScrollPage TrackPageAt(const TspScrollBarRects& Rects, bool Vertical, TPoint P);
// Whether held paging goes on with the pointer at P: it still lies before the thumb
// (Up) or after it (Down).
bool PageRepeatGoesOn(const TspScrollBarRects& Rects, bool Vertical, TspScrollPage Page, TPoint P);
