#pragma once
// The window that shows a grid model, as the model sees it: its size and state, drawing
// and moving its pixels, the scroll bars, the held-button timer and the keyboard focus.
// The windowed grid implements it and hands itself to the model; tests hand a fake.

#include "GridGeometry.h"
#include "GridScrolling.h"
#include "GridTypes.h"

#include "base/Geometry.h"

#include <cstdint>

// A scroll bar's range and steps for the current view.
struct TGridScrollRange {
  bool Visible = false;  // something lies beyond the view
  int32_t Max = 0;       // 0 .. Max; 127 over cells, the hidden pixels of a one-column grid
  int32_t Step = 1;      // line and page step
};

class TGridWindow {
public:
  // --- What the window is.
  virtual TSize GridClientSize() const = 0;
  virtual bool GridRightToLeft() const = 0;
  virtual bool GridWindowExists() const = 0;
  virtual bool GridShowing() const = 0;
  virtual bool GridEnabled() const = 0;
  // The grid is being read from its form: cells do not move yet.
  virtual bool GridLoading() const = 0;
  // The grid or its editor has the keyboard focus.
  virtual bool GridHasFocus() const = 0;

  // --- Drawing.
  // The whole grid is drawn with the next paint.
  virtual void InvalidateGrid() = 0;
  // Draws a range of cells at once.
  virtual void RepaintGridRect(const TGridRect& Rect) = 0;
  // Moves the window contents of an area (and draws or invalidates what is uncovered).
  virtual void ScrollGridArea(const TGridScrollArea& Area) = 0;
  // Paints what is invalid now.
  virtual void UpdateGridWindow() = 0;
  // Draws (and, drawn again, removes) the sizing line at the model's sizing position.
  virtual void DrawSizingLine(const TGridDrawInfo& DrawInfo) = 0;
  // Shows the drop marker of a row or column move at the model's move position.
  virtual void DrawMove() = 0;

  // --- Scrolling.
  // A scroll code takes the focus when the grid can take it.
  virtual void FocusGridForScroll() = 0;
  // Pixels of one line step in a one-column grid: the width of "0".
  virtual int32_t LineScrollStep() const = 0;
  // Moves a bar's thumb without its change event.
  virtual void SetScrollBarPosition(TGridBar Bar, int32_t Pos) = 0;
  // Gives a bar its range and steps; a change of Visible is shown when the update ends.
  virtual void SetScrollBarRange(TGridBar Bar, const TGridScrollRange& Range) = 0;
  // The ranges are set: bars change visibility, the parent re-aligns.
  virtual void ScrollBarsUpdated() = 0;

  // --- The held-button timer (60 ms), whose ticks come back as TimerTick.
  virtual void StartMouseTimer() = 0;
  virtual void StopMouseTimer() = 0;

protected:
  ~TGridWindow() = default;
};
