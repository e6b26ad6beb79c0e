#include "StringGridStrings.h"

#include "GridModel.h"
#include "StringGridCells.h"

int TDynSkinStringGridStrings::Count() const {
  if (FIndex > 0) return FCells.Grid().ColCount();
  if (FIndex < 0) return FCells.Grid().RowCount();
  return 0;
}

bool TDynSkinStringGridStrings::CellOf(int Index, int32_t& Col, int32_t& Row) const {
  if (FIndex == 0) return false;
  Col = FIndex > 0 ? Index : -FIndex - 1;
  Row = FIndex > 0 ? FIndex - 1 : Index;
  return true;
}

std::string TDynSkinStringGridStrings::Get(int index) const {
  int32_t col = 0, row = 0;
  return CellOf(index, col, row) && col >= 0 ? FCells.Cells(col, row) : std::string();
}

TObject* TDynSkinStringGridStrings::GetObject(int index) const {
  int32_t col = 0, row = 0;
  return CellOf(index, col, row) && col >= 0 ? FCells.Objects(col, row) : nullptr;
}

void TDynSkinStringGridStrings::Put(int index, const std::string& s) {
  int32_t col = 0, row = 0;
  if (CellOf(index, col, row)) FCells.SetCells(col, row, s);
}

void TDynSkinStringGridStrings::PutObject(int index, TObject* object) {
  int32_t col = 0, row = 0;
  if (CellOf(index, col, row)) FCells.SetObjects(col, row, object);
}

int TDynSkinStringGridStrings::Add(const std::string& s) {
  for (int i = 0; i < Count(); ++i)
    if (Get(i).empty()) {
      Put(i, s);
      return i;
    }
  return -1;
}

void TDynSkinStringGridStrings::Clear() {
  if (FIndex > 0) {
    // Only the items the row holds.
    if (TStringSparseList* row = FCells.RowList(FIndex - 1))
      for (int i = row->Count() - 1; i >= 0; --i) {
        if (row->Get(i).empty() && row->GetObject(i) == nullptr) continue;
        PutObject(i, nullptr);
        Put(i, "");
      }
  } else {
    for (int i = Count() - 1; i >= 0; --i) {
      PutObject(i, nullptr);
      Put(i, "");
    }
  }
}
