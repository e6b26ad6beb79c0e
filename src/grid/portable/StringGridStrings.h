#pragma once
// One row or one column of a string grid seen as a string list: item i of row r is
// cell (i, r), item i of column c is cell (c, i).

#include "base/Strings.h"

#include <cstdint>
#include <string>

class TStringGridCells;

class TDynSkinStringGridStrings : public TStrings {
public:
  // Index r + 1 stands for row r, -c - 1 for column c, 0 for nothing.
  TDynSkinStringGridStrings(TStringGridCells& Cells, int32_t Index) : FCells(Cells), FIndex(Index) {}

  // ColCount items for a row, RowCount for a column, none for nothing.
  int Count() const override;
  std::string Get(int index) const override;
  TObject* GetObject(int index) const override;
  void Put(int index, const std::string& s) override;
  void PutObject(int index, TObject* object) override;
  // Writes into the first empty item; -1 when none is empty.
  int Add(const std::string& s) override;
  // Empties every item and drops its object.
  void Clear() override;
  // The grid's shape stays: inserting and deleting items do nothing.
  void Insert(int, const std::string&) override {}
  void Delete(int) override {}

private:
  // The cell of item Index; false for a view of nothing.
  bool CellOf(int Index, int32_t& Col, int32_t& Row) const;

  TStringGridCells& FCells;
  int32_t FIndex;
};
