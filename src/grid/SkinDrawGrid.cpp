#include "SkinDrawGrid.h"

#include "base/ScopeExit.h"

void TDynSkinDrawGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) {
  if (!OnDrawCell) return;
  if (!GridRightToLeft()) return OnDrawCell(this, ACol, ARow, ARect, AState);
  // The handler draws where the cell shows, on a canvas that is not mirrored.
  ChangeGridOrientation(false);
  TScopeExit mirrorAgain([this] { ChangeGridOrientation(true); });
  OnDrawCell(this, ACol, ARow, MirrorRect(ARect, ClientWidth()), AState);
}

bool TDynSkinDrawGrid::SelectCell(int32_t ACol, int32_t ARow) {
  // Asked first, so that a refused cell never becomes the focused one.
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect && TDynSkinCustomGrid::SelectCell(ACol, ARow);
}

void TDynSkinDrawGrid::TopLeftChanged() {
  TDynSkinCustomGrid::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TDynSkinDrawGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDynSkinDrawGrid::RowMoved(int32_t FromIndex, int32_t ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

std::string TDynSkinDrawGrid::GetEditText(int32_t ACol, int32_t ARow) {
  return AskEditText(ACol, ARow, TDynSkinCustomGrid::GetEditText(ACol, ARow));
}

std::string TDynSkinDrawGrid::AskEditText(int32_t ACol, int32_t ARow, std::string Value) {
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, Value);
  return Value;
}

void TDynSkinDrawGrid::SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

std::string TDynSkinDrawGrid::GetEditMask(int32_t ACol, int32_t ARow) {
  std::string mask = TDynSkinCustomGrid::GetEditMask(ACol, ARow);
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
  return mask;
}
