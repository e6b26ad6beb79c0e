#pragma once
// The texts and objects of a string grid's cells: a sparse list of rows, each row a
// sparse string list made when something is first written into it, so that a grid
// stores only what was written. Each row and column can be seen as a string list.

#include "SparseArrays.h"
#include "StringSparseList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TGridModel;
class TObject;
class TStrings;

class TStringGridCells {
public:
  // Grid's counts choose the sections' size when a list is made.
  explicit TStringGridCells(const TGridModel& Grid) : FGrid(Grid) {}
  ~TStringGridCells();
  TStringGridCells(const TStringGridCells&) = delete;
  TStringGridCells& operator=(const TStringGridCells&) = delete;

  // A cell never written reads as "" and nullptr, and reading makes nothing.
  std::string Cells(int32_t ACol, int32_t ARow) const;
  TObject* Objects(int32_t ACol, int32_t ARow) const;
  // Negative indexes raise ERangeError. OnCellChanged follows every write.
  void SetCells(int32_t ACol, int32_t ARow, const std::string& Value);
  void SetObjects(int32_t ACol, int32_t ARow, TObject* Value);
  std::function<void(int32_t ACol, int32_t ARow)> OnCellChanged;
  // The list of a row; nullptr while nothing was written into it.
  TStringSparseList* RowList(int32_t ARow) const;
  // Rows made so far.
  int32_t RowListCount() const;

  void MoveRow(int32_t FromIndex, int32_t ToIndex);
  void MoveColumn(int32_t FromIndex, int32_t ToIndex);

  // A row's (column's) cells as a string list of ColCount (RowCount) items, made on
  // first use; writes go through SetCells and SetObjects. Negative indexes raise
  // ERangeError.
  TStrings& Rows(int32_t ARow);
  TStrings& Cols(int32_t ACol);
  const TGridModel& Grid() const { return FGrid; }

private:
  TStringSparseList& MakeRow(int32_t ARow);
  TStrings& View(std::unique_ptr<TSparseList>& Views, int32_t Index, bool Row, bool Large);

  const TGridModel& FGrid;
  std::unique_ptr<TSparseList> FData;
  std::unique_ptr<TSparseList> FRowViews;
  std::unique_ptr<TSparseList> FColViews;
};
