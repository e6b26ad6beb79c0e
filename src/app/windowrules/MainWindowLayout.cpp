#include "MainWindowLayout.h"

#include "base/StrUtils.h"

#include <algorithm>

namespace {

constexpr int32_t kScrollBarRoom = 15;
constexpr int32_t kNumberColumnWidth = 30;
constexpr int32_t kButtonMargin = 2;
constexpr int32_t kButtonsLeft = 4;  // the margin and the panel's own border
constexpr int32_t kSelectedFilesPadding = 40;
constexpr int32_t kSelectedFilesEndGap = 20;
constexpr int32_t kTagsPanelGap = 6;
constexpr int32_t kTagsPanelHeight = 33;
constexpr int32_t kTagsPanelWarningHeight = 47;

int32_t NotNegative(int64_t value) { return static_cast<int32_t>(std::max<int64_t>(value, 0)); }

}  // namespace

TSpeedButtonSpans SpeedButtonSpans(int32_t panelWidth) {
  const int32_t width = NotNegative((int64_t{panelWidth} - kButtonsLeft - kButtonMargin) / 2);
  const int32_t tagsLeft = kButtonsLeft + width + kButtonMargin;
  return {{kButtonsLeft, width}, {tagsLeft, NotNegative(int64_t{panelWidth} - kButtonsLeft - tagsLeft)}};
}

TStatusPanelSpans StatusPanelSpans(int32_t statusBarWidth, int32_t selectedFilesTextWidth,
                                   int32_t widthForLargestCount) {
  const int32_t width =
      NotNegative(std::max(int64_t{selectedFilesTextWidth} + kSelectedFilesPadding, int64_t{widthForLargestCount}));
  const int32_t left = NotNegative(int64_t{statusBarWidth} - width - kSelectedFilesEndGap);
  return {{0, left}, {left, width}};
}

bool GridRowsOverflow(const TFileGridBox& grid) {
  return int64_t{grid.RowCount} * grid.DefaultRowHeight > grid.Height;
}

TFileGridFit FitFileGrid(const TFileGridBox& grid) {
  int32_t change = 0;
  const bool overflow = GridRowsOverflow(grid);
  if (overflow && !grid.ScrollBarShown) change = -kScrollBarRoom;
  if (!overflow && grid.ScrollBarShown) change = kScrollBarRoom;
  TFileGridFit fit;
  fit.Width = NotNegative(int64_t{grid.Width} + change);
  fit.ScrollBarShown = overflow;
  fit.NumberColumnWidth = kNumberColumnWidth;
  fit.NameColumnWidth = NotNegative(int64_t{grid.ClientWidth} + change - kNumberColumnWidth);
  fit.ScrollBarLeft = grid.Left + fit.Width;
  fit.ScrollBarHeight = grid.Height;
  return fit;
}

TTagsPanelBox TagsPanelBox(bool renamePending, int32_t formClientHeight, int32_t statusBarHeight) {
  const int32_t height = renamePending ? kTagsPanelWarningHeight : kTagsPanelHeight;
  return {formClientHeight - statusBarHeight - kTagsPanelGap - height, height, renamePending};
}
