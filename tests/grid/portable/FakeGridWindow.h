#pragma once
// A pretend window for the grid model: a client size and states the test sets, and a
// record of everything the model asked the window to do.

#include "grid/portable/GridWindow.h"

#include <map>
#include <vector>

class TFakeGridWindow : public TGridWindow {
public:
  // What the window is; a test changes these as it goes.
  TSize Client{300, 200};
  bool RightToLeft = false;
  bool Exists = true;
  bool Showing = true;
  bool Enabled = true;
  bool Loading = false;
  bool Focus = false;
  int32_t LineStep = 0;

  // What the model asked for.
  int Invalidations = 0;
  std::vector<TGridRect> Repaints;
  std::vector<TGridScrollArea> Scrolls;
  int WindowUpdates = 0;
  int SizingLineDraws = 0;  // drawing it twice removes it
  int DropMarkerDraws = 0;
  int ScrollFocusRequests = 0;
  std::map<TGridBar, int32_t> BarPositions;
  std::map<TGridBar, TGridScrollRange> BarRanges;
  int BarUpdates = 0;
  int MouseTimers = 0;  // running held-button timers

private:
  TSize GridClientSize() const override { return Client; }
  bool GridRightToLeft() const override { return RightToLeft; }
  bool GridWindowExists() const override { return Exists; }
  bool GridShowing() const override { return Showing; }
  bool GridEnabled() const override { return Enabled; }
  bool GridLoading() const override { return Loading; }
  bool GridHasFocus() const override { return Focus; }
  void InvalidateGrid() override { ++Invalidations; }
  void RepaintGridRect(const TGridRect& Rect) override { Repaints.push_back(Rect); }
  void ScrollGridArea(const TGridScrollArea& Area) override { Scrolls.push_back(Area); }
  void UpdateGridWindow() override { ++WindowUpdates; }
  void DrawSizingLine(const TGridDrawInfo&) override { ++SizingLineDraws; }
  void DrawMove() override { ++DropMarkerDraws; }
  void FocusGridForScroll() override { ++ScrollFocusRequests; }
  int32_t LineScrollStep() const override { return LineStep; }
  void SetScrollBarPosition(TGridBar Bar, int32_t Pos) override { BarPositions[Bar] = Pos; }
  void SetScrollBarRange(TGridBar Bar, const TGridScrollRange& Range) override { BarRanges[Bar] = Range; }
  void ScrollBarsUpdated() override { ++BarUpdates; }
  void StartMouseTimer() override { ++MouseTimers; }
  void StopMouseTimer() override { --MouseTimers; }
};
