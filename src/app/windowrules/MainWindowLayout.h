#pragma once
// The main window's geometry that needs no window: fitting the file grid beside its
// scroll bar, the two speed buttons, the status bar's panels,
// and the ID3 tags panel.

#include <cstdint>
#include <string>

// A place along one axis.
struct TSpan {
  int32_t Start = 0;
  int32_t Length = 0;
  bool operator==(const TSpan&) const = default;
};

// The rename and tags speed buttons share their panel with a margin and a gap of 2.
struct TSpeedButtonSpans {
  TSpan Rename;
  TSpan Tags;
  bool operator==(const TSpeedButtonSpans&) const = default;
};
TSpeedButtonSpans SpeedButtonSpans(int32_t panelWidth);

// The selected-files panel is as wide as its text plus 40, and at least as wide as it
// must be to show the largest count (in its own font), and ends 20 before the status
// bar's end; the folder panel takes everything before it.
struct TStatusPanelSpans {
  TSpan Folder;
  TSpan SelectedFiles;
  bool operator==(const TStatusPanelSpans&) const = default;
};
TStatusPanelSpans StatusPanelSpans(int32_t statusBarWidth, int32_t selectedFilesTextWidth,
                                   int32_t widthForLargestCount);

// The file grid as it stands, and whether it gave way to its scroll bar already.
struct TFileGridBox {
  int32_t Left = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t ClientWidth = 0;  // Width less the grid's borders
  int32_t RowCount = 0;     // fixed row included
  int32_t DefaultRowHeight = 0;
  bool ScrollBarShown = false;
};

// The grid fitted: 15 pixels narrower while its rows overflow its height (the scroll bar
// stands in that room), the number column 30 wide and the name column filling the
// rest, the scroll bar at the grid's right edge with the grid's height.
struct TFileGridFit {
  int32_t Width = 0;
  bool ScrollBarShown = false;
  int32_t NumberColumnWidth = 0;
  int32_t NameColumnWidth = 0;
  int32_t ScrollBarLeft = 0;
  int32_t ScrollBarHeight = 0;
  bool operator==(const TFileGridFit&) const = default;
};
TFileGridFit FitFileGrid(const TFileGridBox& grid);
// The rows do not fit the grid's height: the scroll bar shows.
bool GridRowsOverflow(const TFileGridBox& grid);

// The ID3 tags panel stands on the status bar, 6 pixels above it; while a rename preview
// is pending it is taller and shows its warning.
struct TTagsPanelBox {
  int32_t Top = 0;
  int32_t Height = 0;
  bool WarningVisible = false;
  bool operator==(const TTagsPanelBox&) const = default;
};
TTagsPanelBox TagsPanelBox(bool renamePending, int32_t formClientHeight, int32_t statusBarHeight);
