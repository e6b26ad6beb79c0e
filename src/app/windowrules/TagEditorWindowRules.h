#pragma once
// The tag editor window's rules that need no window: its grid fitted beside its scroll
// bars, the keys its grid and digit edits answer, and where its format combo and context
// menu go.

#include "MainWindowLayout.h"
#include "app/tageditor/TagEditorModel.h"
#include "app/tageditor/TagFieldEditors.h"

#include <array>
#include <cstdint>
#include <optional>

// The tag grid fitted: 15 pixels narrower while its rows overflow its height (the
// vertical bar stands there), its columns as wide as their contents want (the comment
// column takes the client width less the number and genre columns), the vertical bar at
// the grid's right edge with its height, the horizontal bar under it as wide as the grid
// and the vertical bar together.
struct TTagGridFit {
  int32_t Width = 0;
  bool ScrollBarShown = false;
  std::array<int32_t, TagColumnCount> ColumnWidths{};
  int32_t VScrollBarLeft = 0;
  int32_t VScrollBarHeight = 0;
  int32_t HScrollBarWidth = 0;
  bool operator==(const TTagGridFit&) const = default;
};
TTagGridFit FitTagGrid(const TFileGridBox& grid);

// Virtual-key codes the editor answers (the platform's values).
enum TEditorKey : uint16_t {
  ekPageUp = 33,
  ekPageDown = 34,
  ekEnd = 35,
  ekHome = 36,
  ekLeft = 37,
  ekUp = 38,
  ekRight = 39,
  ekDown = 40,
  ekDelete = 46
};

// With Ctrl alone: A (or a) selects every row, N (n) the current row alone, I (i) inverts
// the selection; the grid's SelectRows mode, none for another key.
std::optional<int> GridSelectionKeyMode(uint16_t key);
// Released, the keys that move through the rows refresh the field editors.
bool IsGridNavigationKey(uint16_t key);
// A digit edit's key without Shift, Alt or Ctrl: Up, Down and Delete change its number.
std::optional<TDigitKey> DigitEditKey(uint16_t key);

// The format combo fills its group box up to the speed button, 12 pixels before the end.
int32_t FormatComboWidth(int32_t groupWidth, int32_t comboLeft, int32_t buttonWidth);
// The format combo's item: the preferred format when the list holds it, else the first.
int32_t TagFormatComboIndex(int32_t preferred, int32_t count);
// The grid's context menu opens 10 pixels above and left of the mouse.
inline constexpr int32_t ContextMenuOffset = 10;
