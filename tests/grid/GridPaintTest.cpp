// The skinned grid's painting, pixel by pixel into a memory DC: every draw state from
// the flat-colour skin's own rectangle, the empty area in the skin's background colour,
// the sparse skin's fall-backs and the look without a skin in the system's colours;
// fonts and colours by state as the cell-drawing method finds them.
#include "GridTestKit.h"

#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const TspDataSkinGridControl& GridEntry(const TspSkinData& Data) {
  return dynamic_cast<const TspDataSkinGridControl&>(*Data.CtrlList.at(Data.GetControlIndex("grid")));
}

// A pixel of a cell away from its text: near its right edge, in its upper half.
TColor CellPixel(const TPixelDC& Painted, TDynSkinCustomGrid* Grid, int32_t ACol, int32_t ARow) {
  const TRect r = Grid->CellRect(ACol, ARow);
  return Painted.Pixel(r.Right - 3, r.Top + 2);
}

TEST(GridPaint, EachDrawStateShowsItsOwnSkinRectangle) {
  TGridTestWindow window(20, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  window.FillTexts();
  grid->SetColCount(3);
  grid->SetColWidths(1, 200);
  grid->SetColWidths(2, 60);
  grid->SetCellSelected(0, 4, true);
  grid->SetCellSelectable(0, 5, false);
  const TspSkinData& data = *window.Window().Data();
  const TspDataSkinGridControl& entry = GridEntry(data);
  const auto colour = [&](const TRect& r) { return EntryColour(data, "grid", r); };

  // Row 1 is the current row; without the focus it shows as selected.
  std::unique_ptr<TPixelDC> painted = Painted(grid);
  EXPECT_EQ(CellPixel(*painted, grid, 1, 0), colour(entry.FixedCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 0, 3), colour(entry.FixedCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 1), colour(entry.FocusCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 2, 4), colour(entry.FocusCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 3), colour(entry.SelectCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 2, 5), colour(entry.DisabledCellRect));
  // Rows of the skin's cell height; beyond the last row and column the skin's background.
  EXPECT_EQ(grid->DefaultRowHeight(), entry.SelectCellRect.Height());
  const TRect last = grid->CellRect(2, 14);
  EXPECT_EQ(painted->Pixel(last.Right + 5, 20), entry.BGColor);
  grid->SetDataRowCount(5);
  EXPECT_EQ(Painted(grid)->Pixel(20, grid->Height() - 2), entry.BGColor);
  grid->SetDataRowCount(20);

  // Focused, the current row is highlighted in the current column (with the focus
  // frame) and focused beyond it.
  grid->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return grid->Focused(); }));
  grid->SetFocusedColor(RGBColor(250, 0, 250));
  painted = Painted(grid);
  const TRect current = grid->CellRect(1, 1);
  EXPECT_EQ(painted->Pixel(current.Left, current.Top + 5), RGBColor(250, 0, 250));
  EXPECT_EQ(painted->Pixel(current.Right - 1, current.Top + 5), RGBColor(250, 0, 250));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 1), colour(entry.FocusCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 2, 1), colour(entry.FocusCellRect));
  EXPECT_NE(painted->Pixel(grid->CellRect(2, 1).Left, current.Top + 5), RGBColor(250, 0, 250));
  grid->SetFocusOnRow(true);
  EXPECT_EQ(Painted(grid)->Pixel(grid->CellRect(2, 1).Left, current.Top + 5), RGBColor(250, 0, 250));
}

TEST(GridPaint, LinesShowTheLineColourAndPicturesStretchToTheRows) {
  TGridTestWindow window(20, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  const TspDataSkinGridControl& entry = GridEntry(*window.Window().Data());
  grid->SetOptions(grid->Options() + TGridOptions{goHorzLine, goVertLine});
  grid->SetGridLineColor(RGBColor(0, 200, 0));
  grid->SetUseSkinCellHeight(false);
  grid->SetDefaultRowHeight(30);
  std::unique_ptr<TPixelDC> painted = Painted(grid);
  const TRect cell = grid->CellRect(1, 3);
  EXPECT_EQ(cell.Height(), 30);
  EXPECT_EQ(painted->Pixel(cell.Left + 5, cell.Bottom), RGBColor(0, 200, 0));
  EXPECT_EQ(painted->Pixel(grid->CellRect(0, 3).Right, cell.Top + 5), RGBColor(0, 200, 0));
  EXPECT_EQ(painted->Pixel(cell.Right - 3, cell.Bottom - 1), EntryColour(*window.Window().Data(), "grid", entry.SelectCellRect));
  // A skin change keeps rows as they are without UseSkinCellHeight.
  window.Load("sparse");
  EXPECT_EQ(grid->DefaultRowHeight(), 30);
}

TEST(GridPaint, TheSparseSkinDrawsSelectedCellsWithTheOrdinaryPicture) {
  TGridTestWindow window(10, "sparse");
  TDynSkinStringGrid* grid = window.Grid();
  const TspSkinData& data = *window.Window().Data();
  const TspDataSkinGridControl& entry = GridEntry(data);
  ASSERT_TRUE(IsRectEmpty(entry.FocusCellRect));
  grid->SelectRows(0);
  std::unique_ptr<TPixelDC> painted = Painted(grid);
  EXPECT_EQ(CellPixel(*painted, grid, 1, 2), EntryColour(data, "grid", entry.SelectCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 0), EntryColour(data, "grid", entry.FixedCellRect));
}

TEST(GridPaint, WithoutASkinCellsTakeTheGridsColours) {
  TGridTestWindow window(10, "");
  TDynSkinStringGrid* grid = window.Grid();
  grid->SetCellSelected(0, 3, true);
  std::unique_ptr<TPixelDC> painted = Painted(grid);
  EXPECT_EQ(CellPixel(*painted, grid, 1, 0), SysColor(clBtnFace));
  EXPECT_EQ(CellPixel(*painted, grid, 0, 2), SysColor(clBtnFace));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 2), SysColor(clWindow));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 3), SysColor(clHighlight));
  EXPECT_EQ(painted->Pixel(20, grid->Height() - 2), SysColor(clWindow));
  grid->SetFixedColor(RGBColor(90, 80, 70));
  grid->SetColor(RGBColor(10, 20, 30));
  painted = Painted(grid);
  EXPECT_EQ(CellPixel(*painted, grid, 1, 0), RGBColor(90, 80, 70));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 2), RGBColor(10, 20, 30));

  // A skin taken and given back again.
  window.Load("flatcolour");
  EXPECT_EQ(CellPixel(*Painted(grid), grid, 1, 0),
            EntryColour(*window.Window().Data(), "grid", GridEntry(*window.Window().Data()).FixedCellRect));
  window.Window().Clear();
  EXPECT_EQ(CellPixel(*Painted(grid), grid, 1, 0), RGBColor(90, 80, 70));
}

TEST(GridPaint, CellsAreDrawnInTheFontAndColourOfTheirState) {
  TGridTestWindow window(10, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  grid->SetCellSelectable(0, 4, false);
  struct TSeen {
    std::string Font;
    TColor Color;
    TGridDrawState State;
  };
  std::map<std::pair<int32_t, int32_t>, TSeen> seen;
  grid->OnDrawCell = [&](TObject*, int32_t ACol, int32_t ARow, TRect, TGridDrawState State) {
    seen[{ACol, ARow}] = {grid->Canvas()->Font()->Name(), grid->Canvas()->Font()->Color(), State};
  };
  const auto at = [&](int32_t ACol, int32_t ARow) { return seen[{ACol, ARow}]; };
  const TspDataSkinGridControl& entry = GridEntry(*window.Window().Data());
  Painted(grid);
  EXPECT_EQ(at(1, 0).Font, entry.FixedFontName);
  EXPECT_EQ(at(1, 0).Color, entry.FixedFontColor);
  EXPECT_EQ(at(1, 0).State, TGridDrawState{gdFixed});
  EXPECT_EQ(at(1, 2).Font, entry.FontName);
  EXPECT_EQ(at(1, 2).Color, entry.FocusFontColor);
  EXPECT_EQ(at(1, 2).State, TGridDrawState{gdNotSelected});
  EXPECT_EQ(at(1, 4).Color, clInactiveCaptionText);
  EXPECT_EQ(at(1, 4).State, TGridDrawState{gdDisabled});

  // Without the skin's fonts: the grid's own.
  grid->SetUseSkinFont(false);
  grid->Font()->SetName("Courier New");
  Painted(grid);
  EXPECT_EQ(at(1, 0).Font, "Courier New");
  EXPECT_EQ(at(1, 2).Font, "Courier New");
}

}  // namespace
