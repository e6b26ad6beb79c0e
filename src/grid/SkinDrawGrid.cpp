#include "SkinDrawGrid.h"

void TDynSkinDrawGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
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
