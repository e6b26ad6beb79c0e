#pragma once
// Windows only. TDynSkinStringGrid: the skinned grid with a text and an object per cell,
// stored sparsely (only what was written costs memory). A written cell is drawn at once
// unless an update bracket is open; closing the last bracket draws the grid anew. The
// in-place editor edits the cells' texts, and takes the focused cell's text anew when
// the program writes it.

#include "SkinDrawGrid.h"

#include "grid/portable/StringGridCells.h"

#include <array>
#include <string>

class TDynSkinStringGrid : public TDynSkinDrawGrid {
public:
  explicit TDynSkinStringGrid(TComponent* AOwner);

  std::string Cells(int32_t ACol, int32_t ARow) const { return FCells.Cells(ACol, ARow); }
  void SetCells(int32_t ACol, int32_t ARow, const std::string& Value) { FCells.SetCells(ACol, ARow, Value); }
  TObject* Objects(int32_t ACol, int32_t ARow) const { return FCells.Objects(ACol, ARow); }
  void SetObjects(int32_t ACol, int32_t ARow, TObject* Value) { FCells.SetObjects(ACol, ARow, Value); }
  // A row's or a column's cells as a string list.
  TStrings& Rows(int32_t ARow) { return FCells.Rows(ARow); }
  TStrings& Cols(int32_t ACol) { return FCells.Cols(ACol); }

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

protected:
  // The cell's text, then OnDrawCell.
  void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
  void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;
  void RowMoved(int32_t FromIndex, int32_t ToIndex) override;
  // The editor edits the cell's text.
  std::string GetEditText(int32_t ACol, int32_t ARow) override;
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override;

private:
  void CellChanged(int32_t ACol, int32_t ARow);
  int32_t TextHeight();

  TStringGridCells FCells{*this};
  int FUpdateCount = 0;
  // Above 0 while the editor's text goes into a cell: the editor keeps its text.
  int FEditUpdate = 0;
  // The text heights of the last two fonts measured: a paint switches between the fixed
  // and the other cells' fonts, and a paint of one row draws in both.
  struct TFontKey {
    std::string Name;
    int Height = 0;
    TFontStyles Style;
    uint8_t Charset = 0;
    friend bool operator==(const TFontKey&, const TFontKey&) = default;
  };
  struct TMeasuredFont {
    TFontKey Font;
    int32_t TextHeight = -1;
  };
  std::array<TMeasuredFont, 2> FMeasuredFonts;  // the last measured first
};
