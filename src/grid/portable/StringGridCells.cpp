#include "StringGridCells.h"

#include "GridModel.h"
#include "StringGridStrings.h"

#include "base/Exceptions.h"

namespace {

// Large sections pay off from these counts on.
constexpr int32_t LargeRowCount = 256;
constexpr int32_t LargeColCount = 512;

}  // namespace

namespace {

template <class T>
void FreeItems(const std::unique_ptr<TSparseList>& List) {
  if (!List) return;
  List->ForAll([](int32_t, void* item) {
    delete static_cast<T*>(item);
    return 0;
  });
}

}  // namespace

TStringGridCells::~TStringGridCells() {
  FreeItems<TDynSkinStringGridStrings>(FRowViews);
  FreeItems<TDynSkinStringGridStrings>(FColViews);
  FreeItems<TStringSparseList>(FData);
}

TStringSparseList* TStringGridCells::RowList(int32_t ARow) const {
  return FData ? static_cast<TStringSparseList*>(FData->Get(ARow)) : nullptr;
}

int32_t TStringGridCells::RowListCount() const {
  int32_t count = 0;
  if (FData)
    FData->ForAll([&count](int32_t, void*) {
      ++count;
      return 0;
    });
  return count;
}

TStringSparseList& TStringGridCells::MakeRow(int32_t ARow) {
  if (ARow < 0) throw ERangeError("Grid index out of range");
  if (!FData) FData = std::make_unique<TSparseList>(FGrid.RowCount() > LargeRowCount ? SPALarge : SPASmall);
  if (TStringSparseList* row = RowList(ARow)) return *row;
  auto row = std::make_unique<TStringSparseList>(FGrid.ColCount() > LargeColCount ? SPALarge : SPASmall);
  FData->Put(ARow, row.get());
  return *row.release();
}

std::string TStringGridCells::Cells(int32_t ACol, int32_t ARow) const {
  const TStringSparseList* row = RowList(ARow);
  return row ? row->Get(ACol) : std::string();
}

TObject* TStringGridCells::Objects(int32_t ACol, int32_t ARow) const {
  const TStringSparseList* row = RowList(ARow);
  return row ? row->GetObject(ACol) : nullptr;
}

void TStringGridCells::SetCells(int32_t ACol, int32_t ARow, const std::string& Value) {
  if (ACol < 0) throw ERangeError("Grid index out of range");
  MakeRow(ARow).Put(ACol, Value);
  if (OnCellChanged) OnCellChanged(ACol, ARow);
}

void TStringGridCells::SetObjects(int32_t ACol, int32_t ARow, TObject* Value) {
  if (ACol < 0) throw ERangeError("Grid index out of range");
  MakeRow(ARow).PutObject(ACol, Value);
  if (OnCellChanged) OnCellChanged(ACol, ARow);
}

void TStringGridCells::MoveRow(int32_t FromIndex, int32_t ToIndex) {
  if (FData) FData->Move(FromIndex, ToIndex);
}

void TStringGridCells::MoveColumn(int32_t FromIndex, int32_t ToIndex) {
  if (!FData) return;
  FData->ForAll([FromIndex, ToIndex](int32_t, void* row) {
    static_cast<TStringSparseList*>(row)->Move(FromIndex, ToIndex);
    return 0;
  });
}

TStrings& TStringGridCells::View(std::unique_ptr<TSparseList>& Views, int32_t Index, bool Row, bool Large) {
  if (!Views) Views = std::make_unique<TSparseList>(Large ? SPALarge : SPASmall);
  if (Index < 0 || Index >= Views->Capacity()) throw ERangeError("Grid index out of range");
  if (void* view = Views->Get(Index)) return *static_cast<TDynSkinStringGridStrings*>(view);
  auto view = std::make_unique<TDynSkinStringGridStrings>(*this, Row ? Index + 1 : -Index - 1);
  Views->Put(Index, view.get());
  return *view.release();
}

TStrings& TStringGridCells::Rows(int32_t ARow) {
  return View(FRowViews, ARow, true, FGrid.RowCount() > LargeRowCount);
}

TStrings& TStringGridCells::Cols(int32_t ACol) {
  return View(FColViews, ACol, false, FGrid.ColCount() > LargeColCount);
}
