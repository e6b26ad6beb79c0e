#include "SkinStringGrid.h"

#include "classlib/Canvas.h"

#include "base/ScopeExit.h"

#include <utility>

TDynSkinStringGrid::TDynSkinStringGrid(TComponent* AOwner) : TDynSkinDrawGrid(AOwner) {
  FCells.OnCellChanged = [this](int32_t ACol, int32_t ARow) { CellChanged(ACol, ARow); };
}

void TDynSkinStringGrid::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) InvalidateGrid();
}

void TDynSkinStringGrid::CellChanged(int32_t ACol, int32_t ARow) {
  if (!Updating()) RepaintCell(ACol, ARow);
  if (FEditUpdate == 0 && ACol == Col() && ARow == Row()) InvalidateEditor();
}

std::string TDynSkinStringGrid::GetEditText(int32_t ACol, int32_t ARow) {
  return AskEditText(ACol, ARow, Cells(ACol, ARow));
}

void TDynSkinStringGrid::SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) {
  {
    ++FEditUpdate;
    TScopeExit done([this] { --FEditUpdate; });
    if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
  }
  TDynSkinDrawGrid::SetEditText(ACol, ARow, Value);
}

void TDynSkinStringGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) {
    const std::string text = FCells.Cells(ACol, ARow);
    if (!text.empty()) {
      const TRect r = CellTextRect(ARect, AState);
      // Over the cell's picture, as a clear brush would write it; switching the canvas's
      // brush for each cell would select all its objects anew each time.
      HDC dc = Canvas()->Handle();
      const int mode = SetBkMode(dc, TRANSPARENT);
      // On a right-to-left grid's mirrored canvas the text ends where it would start, at
      // the cell's right edge.
      const bool mirrored = GridRightToLeft();
      const UINT align = mirrored ? SetTextAlign(dc, TA_RIGHT) : 0;
      const RECT clip = ToRECT(r);
      ExtTextOutA(dc, r.Left + GridTextIndent, CentredTextTop(r, TextHeight()), ETO_CLIPPED, &clip, text.data(),
                  static_cast<UINT>(text.size()), nullptr);
      if (mirrored) SetTextAlign(dc, align);
      SetBkMode(dc, mode);
    }
  }
  TDynSkinDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

// Every line of a font is as high: measured once per font, not per cell.
int32_t TDynSkinStringGrid::TextHeight() {
  const TFont& font = *Canvas()->Font();
  const TFontKey key{font.Name(), font.Height(), font.Style(), font.Charset()};
  auto measured = [&](const TMeasuredFont& entry) { return entry.TextHeight >= 0 && entry.Font == key; };
  if (!measured(FMeasuredFonts[0])) {
    std::swap(FMeasuredFonts[0], FMeasuredFonts[1]);
    if (!measured(FMeasuredFonts[0])) FMeasuredFonts[0] = {key, Canvas()->TextHeight("0")};
  }
  return FMeasuredFonts[0].TextHeight;
}

void TDynSkinStringGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex) {
  FCells.MoveColumn(FromIndex, ToIndex);
  InvalidateGrid();
  TDynSkinDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TDynSkinStringGrid::RowMoved(int32_t FromIndex, int32_t ToIndex) {
  FCells.MoveRow(FromIndex, ToIndex);
  InvalidateGrid();
  TDynSkinDrawGrid::RowMoved(FromIndex, ToIndex);
}
