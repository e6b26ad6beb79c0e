#include "TagEditorWindowRules.h"

#include <algorithm>

namespace {

// The columns' widths; the comment column's is worked out from the client width.
constexpr std::array<int32_t, TagColumnCount> kColumnWidths = {30, 33, 350, 200, 200, 50, 50, 200, 45, 100, 0};
constexpr int32_t kScrollBarRoom = 15;

}  // namespace

TTagGridFit FitTagGrid(const TFileGridBox& grid) {
  const TFileGridFit fileFit = FitFileGrid(grid);
  TTagGridFit fit;
  fit.Width = fileFit.Width;
  fit.ScrollBarShown = fileFit.ScrollBarShown;
  fit.ColumnWidths = kColumnWidths;
  // FitFileGrid's name column is the client width less the number column.
  fit.ColumnWidths[tcComment] = std::max(fileFit.NameColumnWidth - kColumnWidths[tcGenre], 0);
  fit.VScrollBarLeft = fileFit.ScrollBarLeft;
  fit.VScrollBarHeight = fileFit.ScrollBarHeight;
  fit.HScrollBarWidth = fit.Width + (fit.ScrollBarShown ? kScrollBarRoom : 0);
  return fit;
}

std::optional<int> GridSelectionKeyMode(uint16_t key) {
  switch (key) {
    case 'A': case 'a': return 0;
    case 'N': case 'n': return 1;
    case 'I': case 'i': return 2;
    default: return std::nullopt;
  }
}

bool IsGridNavigationKey(uint16_t key) { return key >= ekPageUp && key <= ekDown; }

std::optional<TDigitKey> DigitEditKey(uint16_t key) {
  switch (key) {
    case ekUp: return TDigitKey::Up;
    case ekDown: return TDigitKey::Down;
    case ekDelete: return TDigitKey::Delete;
    default: return std::nullopt;
  }
}

int32_t FormatComboWidth(int32_t groupWidth, int32_t comboLeft, int32_t buttonWidth) {
  return std::max(groupWidth - comboLeft - buttonWidth - 12, 0);
}

int32_t TagFormatComboIndex(int32_t preferred, int32_t count) {
  if (count <= 0) return -1;
  return preferred >= 0 && preferred < count ? preferred : 0;
}
