// The skinned grid's painting, pixel by pixel into a memory DC: every draw state from
// the flat-colour skin's own rectangle with the fonts and colours of its state, the
// empty area and the gaps between cells showing what lies beneath, the drop marker over
// the rows beside it, a right-to-left grid, the sparse skin's fall-backs and the look
// without a skin in the system's colours; the file list in the program's skin beside its
// bar, for a person to look at, and after line steps that move the bar's thumb.
#include "GridTestKit.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinBarData.h"
#include "skin/data/SkinData.h"

#include "ImportPatch.h"
#include "PngWriter.h"
#include "Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

constexpr TColor Frame = RGBColor(250, 0, 250);

const TspDataSkinGridControl& GridEntry(const TspSkinData& Data) {
  return dynamic_cast<const TspDataSkinGridControl&>(*Data.CtrlList.at(Data.GetControlIndex("grid")));
}

// A pixel of a cell away from its text and frame.
TColor CellPixel(const TPixelDC& Painted, TDynSkinCustomGrid* Grid, int32_t ACol, int32_t ARow) {
  const TRect r = Grid->CellRect(ACol, ARow);
  return Painted.Pixel(r.Right - 3, r.Top + 2);
}

// A cell changed while the grid is not on screen draws nothing then: the grid draws it,
// new text and all, once it shows.
TEST(GridPaint, ACellChangedWhileHiddenIsDrawnWhenTheGridShows) {
  TGridTestWindow window(5, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  ShownPixels(grid);
  std::vector<std::string> drawn;
  grid->OnDrawCell = [&](TObject*, int32_t ACol, int32_t ARow, TRect, TGridDrawState) {
    drawn.push_back(grid->Cells(ACol, ARow));
  };
  HWND form = window.Window().Form()->Handle();
  ShowWindow(form, SW_HIDE);
  grid->SetCells(1, 2, "changed while hidden");
  EXPECT_TRUE(drawn.empty());
  ShowWindow(form, SW_SHOWNOACTIVATE);
  ShownPixels(grid);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "changed while hidden"), drawn.end());
}

// The grid's first paint comes as its window first shows; a cell changed after it is drawn
// at once, with no paint message to wait for.
TEST(GridPaint, ACellChangedRightAfterTheGridFirstShowsIsDrawnAtOnce) {
  TGridTestWindow window(5, "flatcolour");
  window.Grid()->SetCells(1, 2, "changed once shown");
  EXPECT_EQ(window.DifferFromAWholePaint(), 0);
}

TEST(GridPaint, EachDrawStateShowsItsOwnSkinRectangleFontAndColour) {
  TGridTestWindow window(20, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  grid->SetColCount(3);
  grid->SetColWidths(1, 200);
  grid->SetCellSelected(0, 4, true);
  grid->SetCellSelectable(0, 5, false);
  grid->SetFocusedColor(Frame);
  const TspSkinData& data = *window.Window().Data();
  const TspDataSkinGridControl& entry = GridEntry(data);
  const auto colour = [&](const TRect& r) { return EntryColour(data, "grid", r); };
  std::map<std::pair<int32_t, int32_t>, std::pair<std::string, TColor>> fonts;
  grid->OnDrawCell = [&](TObject*, int32_t ACol, int32_t ARow, TRect, TGridDrawState) {
    fonts[{ACol, ARow}] = {grid->Canvas()->Font()->Name(), grid->Canvas()->Font()->Color()};
  };

  // Unfocused, the current row 1 shows as selected.
  std::unique_ptr<TPixelDC> painted = Painted(grid);
  EXPECT_EQ(grid->DefaultRowHeight(), entry.SelectCellRect.Height());
  const std::pair<TGridCoord, TRect> cells[] = {
      {{1, 0}, entry.FixedCellRect},    {{0, 3}, entry.FixedCellRect},    {{1, 1}, entry.FocusCellRect},
      {{2, 4}, entry.FocusCellRect},    {{1, 3}, entry.SelectCellRect}, {{2, 5}, entry.DisabledCellRect}};
  for (const auto& [cell, rect] : cells) EXPECT_EQ(CellPixel(*painted, grid, cell.X, cell.Y), colour(rect));
  EXPECT_EQ(painted->Pixel(grid->CellRect(2, 3).Right + 5, 20), entry.BGColor);
  const std::pair<std::string, TColor> fixedFont{entry.FixedFontName, entry.FixedFontColor};
  EXPECT_EQ((fonts[{1, 0}]), fixedFont);
  EXPECT_EQ((fonts[{1, 3}]), std::pair(entry.FontName, entry.FocusFontColor));
  EXPECT_EQ((fonts[{1, 5}].second), clInactiveCaptionText);

  // Focused: the current cell highlighted with the focus frame, its row focused beside it.
  ASSERT_TRUE(window.Focus());
  painted = Painted(grid);
  const TRect current = grid->CellRect(1, 1), beside = grid->CellRect(2, 1);
  EXPECT_EQ(painted->Pixel(current.Left, current.Top + 5), Frame);
  EXPECT_EQ(CellPixel(*painted, grid, 1, 1), colour(entry.FocusCellRect));
  EXPECT_EQ(CellPixel(*painted, grid, 2, 1), colour(entry.FocusCellRect));
  EXPECT_NE(painted->Pixel(beside.Left, beside.Top + 5), Frame);
  grid->SetFocusOnRow(true);
  EXPECT_EQ(Painted(grid)->Pixel(beside.Left, beside.Top + 5), Frame);

  // Lines are not drawn: their gaps show the skin's background, whatever the line
  // colour; pictures stretch to taller rows; few rows leave the skin's background below
  // them. A skin change keeps these rows.
  grid->SetOptions(grid->Options() + TGridOptions{goHorzLine, goVertLine});
  grid->SetGridLineColor(RGBColor(0, 200, 0));
  grid->SetUseSkinCellHeight(false);
  grid->SetDefaultRowHeight(30);
  grid->SetDataRowCount(3);
  painted = Painted(grid);
  const TRect cell = grid->CellRect(1, 3);
  EXPECT_EQ(painted->Pixel(cell.Left + 5, cell.Bottom), entry.BGColor);
  EXPECT_EQ(painted->Pixel(grid->CellRect(0, 3).Right, cell.Top + 5), entry.BGColor);
  EXPECT_EQ(painted->Pixel(cell.Right - 3, cell.Bottom - 1), colour(entry.SelectCellRect));
  EXPECT_EQ(painted->Pixel(20, grid->Height() - 2), entry.BGColor);
  window.Load("sparse");
  EXPECT_EQ(grid->DefaultRowHeight(), 30);
}

// The drop marker of a dragged row is drawn after the rows beside it, so that none of
// them paints over its part: the marker shows three pixels high, above or below the row.
TEST(GridPaint, TheDropMarkerShowsWholeOverTheRowsDrawnBesideIt) {
  TGridTestWindow window(20, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
  for (int32_t row = 1; row <= 20; ++row) grid->SetCells(0, row, "");
  const TColor marker = GridEntry(*window.Window().Data()).FontColor;
  const auto markerShows = [&](int32_t Y) {
    const TPixelImage shown = ShownPixels(grid);
    int wrong = 0;
    for (int32_t y = Y - 1; y <= Y + 1; ++y)
      for (int32_t x = 2; x < grid->CellRect(0, 1).Right - 3; ++x) wrong += shown.Pixel(x, y) != marker;
    return wrong;
  };
  window.Press(5, 0, 0);
  window.MoveTo(8, 0);  // below row 8
  EXPECT_EQ(markerShows(grid->CellRect(0, 8).Bottom), 0);
  window.MoveTo(3, 0);  // above row 3
  EXPECT_EQ(markerShows(grid->CellRect(0, 3).Top - 1), 0);
  window.Release(3, 0);
}

// No grid line is drawn: the gaps between cells, and a row's part below a picture shorter
// than the row, show what lies beneath the cells.
TEST(GridPaint, TheGapsBetweenCellsShowWhatLiesBeneathThem) {
  TGridTestWindow window(20, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  grid->SetOptions(grid->Options() + TGridOptions{goHorzLine, goVertLine});
  grid->SetGridLineWidth(2);
  grid->SetGridLineColor(RGBColor(0, 200, 0));
  grid->SetRowHeights(4, 40);
  const TColor background = GridEntry(*window.Window().Data()).BGColor;
  const TRect cell = grid->CellRect(1, 3), tall = grid->CellRect(1, 4);
  const auto beneath = [&](const TPixelDC& Painted) {
    return std::vector<TColor>{Painted.Pixel(cell.Left + 5, cell.Bottom + 1), Painted.Pixel(cell.Left - 1, cell.Top + 5),
                               Painted.Pixel(tall.Left + 5, tall.Bottom - 2)};
  };
  EXPECT_EQ(beneath(*Painted(grid)), std::vector<TColor>(3, background));
  // Without a skin the grid's own colour lies beneath.
  window.Window().Clear();
  const std::unique_ptr<TPixelDC> painted = Painted(grid);
  EXPECT_EQ(painted->Pixel(cell.Left + 5, cell.Bottom + 1), SysColor(clWindow));
  EXPECT_EQ(painted->Pixel(cell.Left - 1, cell.Top + 5), SysColor(clWindow));
}

// A right-to-left grid lays its columns out from the right on a mirrored canvas: each
// cell shows on the pixels of its mirrored rectangle, its text starts from the cell's
// right edge, the empty area lies on the left, and OnDrawCell gets where the cell shows.
// The background picture beneath is not mirrored.
TEST(GridPaint, ARightToLeftGridLaysItsCellsOutFromTheRightAndWritesFromTheirRightEdge) {
  TGridTestWindow window(20, "flatcolour");
  TDynSkinStringGrid* grid = window.Grid();
  const TspDataSkinGridControl& entry = GridEntry(*window.Window().Data());
  const auto colour = [&](const TRect& r) { return EntryColour(*window.Window().Data(), "grid", r); };
  grid->SetColWidths(1, 200);
  grid->SetBiDiMode(bdRightToLeft);
  TRect drawnAt;
  grid->OnDrawCell = [&](TObject*, int32_t ACol, int32_t ARow, TRect Rect, TGridDrawState) {
    if (ACol != 1 || ARow != 5) return;
    drawnAt = Rect;
    grid->Canvas()->Brush()->SetColor(Frame);
    grid->Canvas()->FillRect({Rect.Right - 4, Rect.Top, Rect.Right, Rect.Top + 4});
  };
  const std::unique_ptr<TPixelDC> painted = Painted(grid);
  const TRect fixed = grid->CellRect(0, 3), cell = grid->CellRect(1, 3);
  ASSERT_EQ(fixed.Right, grid->ClientWidth());
  EXPECT_EQ(cell.Right, fixed.Left);
  EXPECT_EQ(painted->Pixel(fixed.Left, fixed.Top + 2), colour(entry.FixedCellRect));
  EXPECT_EQ(painted->Pixel(fixed.Left - 1, fixed.Top + 2), colour(entry.SelectCellRect));
  EXPECT_EQ(painted->Pixel(cell.Left, cell.Top + 2), colour(entry.SelectCellRect));
  EXPECT_EQ(painted->Pixel(cell.Left - 1, cell.Top + 2), entry.BGColor);
  EXPECT_EQ(painted->Pixel(5, cell.Top + 2), entry.BGColor);
  // The text "File 3" lies within its cell's right 100 pixels.
  int left = 0, right = 0;
  for (int32_t y = cell.Top; y < cell.Bottom; ++y)
    for (int32_t x = cell.Left; x < cell.Right; ++x)
      (x < cell.Right - 100 ? left : right) += painted->Pixel(x, y) != colour(entry.SelectCellRect);
  EXPECT_EQ(left, 0);
  EXPECT_GT(right, 0);
  EXPECT_EQ(drawnAt, grid->CellRect(1, 5));
  EXPECT_EQ(painted->Pixel(drawnAt.Right - 2, drawnAt.Top + 2), Frame);
  grid->SetCells(1, 6, "written at once");
  EXPECT_EQ(window.DifferFromAWholePaint(), 0);

  // A background picture, red on its left half and green on its right, lies beneath as
  // it is: a gap on the left shows red.
  const TColor red = RGBColor(200, 0, 0), green = RGBColor(0, 200, 0);
  window.Load("flatcolour", [&](TspSkinPayload& Skin) {
    TPixelImage picture(grid->ClientWidth(), grid->ClientHeight());
    for (int32_t y = 0; y < picture.Height(); ++y)
      for (int32_t x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, x < picture.Width() / 2 ? red : green);
    const std::string index = std::to_string(Skin.ActivePictures.size());
    Skin.ActivePictures.push_back(picture);
    SetSkinValue(Skin, "PICTURES", "activepicturescount", std::to_string(Skin.ActivePictures.size()));
    SetSkinValue(Skin, "PICTURES", index, "halves.bmp");
    SetSkinValue(Skin, "grid", "bgpictureindex", index);
  });
  grid->SetOptions(grid->Options() + TGridOptions{goHorzLine});
  const TRect row = grid->CellRect(1, 3);
  EXPECT_EQ(Painted(grid)->Pixel(row.Left + 5, row.Bottom), red);
}

TEST(GridPaint, TheSparseSkinAndNoSkinFallBack) {
  TGridTestWindow window(10, "sparse");
  TDynSkinStringGrid* grid = window.Grid();
  const TspSkinData& data = *window.Window().Data();
  const TspDataSkinGridControl& entry = GridEntry(data);
  ASSERT_TRUE(IsRectEmpty(entry.FocusCellRect));
  grid->SetCellSelected(0, 3, true);
  EXPECT_EQ(CellPixel(*Painted(grid), grid, 1, 3), EntryColour(data, "grid", entry.SelectCellRect));

  window.Window().Clear();
  std::unique_ptr<TPixelDC> painted = Painted(grid);
  EXPECT_EQ(CellPixel(*painted, grid, 1, 0), SysColor(clBtnFace));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 2), SysColor(clWindow));
  EXPECT_EQ(CellPixel(*painted, grid, 1, 3), SysColor(clHighlight));
  EXPECT_EQ(painted->Pixel(20, grid->Height() - 2), SysColor(clWindow));
}

// The file list beside its bar, as the program shows it: a heading, rows 3 and 4 selected
// besides the current one, row 6 not selectable, the focus in the grid.
TspSkinScrollBar* ShowFileList(TGridTestWindow& Window) {
  TDynSkinStringGrid* grid = Window.Grid();
  Window.Window().Form()->SetWidth(735);
  auto* bar = Window.Window().Add<TspSkinScrollBar>({707, 10, 723, 430});
  bar->SetKind(sbVertical);
  bar->SetSkinDataName("vscrollbar");
  bar->SetSkinData(Window.Window().Data());
  bar->SetBounds(707, 10, 16, 420);
  grid->SetVScrollBar(bar);
  grid->SetCells(0, 0, " Nr");
  grid->SetCells(1, 0, " Filename");
  grid->SetCellSelectable(0, 6, false);
  grid->SelectRange(3, 4, true);
  Window.Focus();
  grid->Repaint();
  return bar;
}

TEST(GridPaint, TheFileListBesideItsBarShowsEachPartFromItsRectangle) {
  TGridTestWindow window(999, "flatcolour", 697, 420);
  TspSkinScrollBar* bar = ShowFileList(window);
  TDynSkinStringGrid* grid = window.Grid();
  const TspSkinData& data = *window.Window().Data();
  const TspDataSkinGridControl& entry = GridEntry(data);
  const auto colour = [&](const TRect& r) { return EntryColour(data, "grid", r); };
  const std::unique_ptr<TPixelDC> painted = Painted(grid);
  const std::pair<TGridCoord, TRect> cells[] = {
      {{1, 0}, entry.FixedCellRect},  {{0, 2}, entry.FixedCellRect},  {{1, 1}, entry.FocusCellRect},
      {{1, 3}, entry.FocusCellRect},  {{1, 4}, entry.FocusCellRect},  {{1, 5}, entry.SelectCellRect},
      {{1, 6}, entry.DisabledCellRect}};
  for (const auto& [cell, rect] : cells)
    EXPECT_EQ(CellPixel(*painted, grid, cell.X, cell.Y), colour(rect)) << cell.X << "," << cell.Y;

  // The bar's thumb, in the skin's thumb picture, at the top of the track and at its end
  // when the last row is current.
  ASSERT_TRUE(bar->Visible());
  const auto& barEntry = dynamic_cast<const TspDataSkinScrollBarControl&>(
      *data.CtrlList.at(static_cast<size_t>(data.GetControlIndex("vscrollbar"))));
  TRect thumb = bar->PartRects().Buttons[ScrollThumb];
  EXPECT_EQ(thumb.Top, bar->PartRects().TrackRect.Top);
  EXPECT_EQ(Painted(bar)->Pixel(thumb.Left + 2, thumb.Top + 2), EntryColour(data, "vscrollbar", barEntry.ThumbRect));
  grid->SetRow(grid->RowCount() - 1);
  thumb = bar->PartRects().Buttons[ScrollThumb];
  EXPECT_EQ(thumb.Bottom, bar->PartRects().TrackRect.Bottom);
  EXPECT_EQ(Painted(bar)->Pixel(thumb.Left + 2, thumb.Bottom - 3), EntryColour(data, "vscrollbar", barEntry.ThumbRect));
}

TEST(GridPaint, TheFileListShowsInTheProgramsSkin) {
  TGridTestWindow window(999, "slate", 697, 420);
  ShowFileList(window);
  SaveWindowScreenshot(window.Window().Form()->Handle(), "grid-slate");
  // Three line steps down, the window as the steps left it: nothing repainted first.
  for (int step = 0; step < 3; ++step) window.Grid()->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  WritePngFile(WindowPixelsAsShown(window.Window().Form()->Handle()), ScreenshotFolder() + "grid-slate-scrolled.png");
  EXPECT_EQ(window.DifferFromAWholePaint(), 0);
}

TEST(GridPaint, LineStepsMoveTheBarsThumbWithoutAPaintMessageAndShowWhatWholePaintsShow) {
  for (const char* skin : {"flatcolour", "slate"}) {
    SCOPED_TRACE(skin);
    TGridTestWindow window(999, skin, 697, 420);
    TspSkinScrollBar* bar = ShowFileList(window);
    Application->ProcessMessages();
    int paintMessages = 0;
    const TWndMethod proc = bar->WindowProc;
    bar->WindowProc = [&](TMessage& Message) {
      paintMessages += Message.Msg == WM_PAINT;
      proc(Message);
    };
    std::set<int32_t> positions{bar->Position()};
    for (int step = 0; step < 64; ++step) {
      window.Grid()->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
      positions.insert(bar->Position());
    }
    bar->WindowProc = proc;
    EXPECT_GE(positions.size(), 8u);  // 999 rows over 128 positions: a move every 8 steps
    EXPECT_EQ(paintMessages, 0);      // each drawn at once, where the thumb was and is
    if (std::string(skin) == "slate")
      WritePngFile(WindowPixelsAsShown(window.Window().Form()->Handle()),
                   ScreenshotFolder() + "grid-slate-line-steps.png");
    const TPixelImage shown = ShownPixels(bar);
    const std::unique_ptr<TPixelDC> whole = Painted(bar);
    int wrong = 0;
    for (int32_t y = 0; y < shown.Height(); ++y)
      for (int32_t x = 0; x < shown.Width(); ++x) wrong += shown.Pixel(x, y) != whole->Pixel(x, y);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(window.DifferFromAWholePaint(), 0);
  }
}

// The bitmaps the program makes while a TBitmapCounter lives.
int BitmapsMade = 0;
const auto SystemCreateDIBSection = SystemFunction<decltype(&CreateDIBSection)>("gdi32.dll", "CreateDIBSection");

HBITMAP WINAPI CountedCreateDIBSection(HDC DC, const BITMAPINFO* Info, UINT Usage, void** Bits, HANDLE Section,
                                       DWORD Offset) {
  ++BitmapsMade;
  return SystemCreateDIBSection(DC, Info, Usage, Bits, Section, Offset);
}

struct TBitmapCounter {
  TBitmapCounter() { BitmapsMade = 0; }
  TImportPatch Patch{reinterpret_cast<void*>(SystemCreateDIBSection),
                     reinterpret_cast<void*>(&CountedCreateDIBSection)};
};

TEST(GridPaint, LineStepsThatMoveTheBarsThumbMakeNoBitmap) {
  // The grid, its cells' pictures and the bar's parts are kept between paints: a step
  // only moves and copies them.
  TGridTestWindow window(999, "slate", 697, 420);
  TspSkinScrollBar* bar = ShowFileList(window);
  Application->ProcessMessages();
  std::set<int32_t> positions{bar->Position()};
  {
    const TBitmapCounter counter;
    for (int step = 0; step < 32; ++step) {
      window.Grid()->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
      positions.insert(bar->Position());
    }
    EXPECT_EQ(BitmapsMade, 0);
  }
  EXPECT_GE(positions.size(), 4u);
  EXPECT_EQ(window.DifferFromAWholePaint(), 0);
}

}  // namespace

// A grid a few thousand pixels each way over a one-pixel background picture paints
// within the bounds, the picture's colour in its empty area.
TEST(GridPaint, AOnePixelBackgroundUnderALargeGridPaintsWithinTheBounds) {
  TGridTestWindow window(5, "", 4000, 4000);
  const TColor tile = RGBColor(40, 160, 90);
  TDynSkinStringGrid* grid = window.Grid();
  const uint64_t rise = RunWithinDeadline("a grid over a one-pixel background", [&] {
    window.Load("flatcolour", [&](TspSkinPayload& Skin) {
      TPixelImage picture(1, 1);
      picture.SetPixel(0, 0, tile);
      const std::string index = std::to_string(Skin.ActivePictures.size());
      Skin.ActivePictures.push_back(picture);
      SetSkinValue(Skin, "PICTURES", "activepicturescount", std::to_string(Skin.ActivePictures.size()));
      SetSkinValue(Skin, "PICTURES", index, "tile.bmp");
      SetSkinValue(Skin, "grid", "bgpictureindex", index);
    });
    PumpFor(20);
    Painted(grid);
  });
  EXPECT_LT(rise, HostilePaintMemory);
  EXPECT_EQ(Painted(grid)->Pixel(grid->ClientWidth() - 1, grid->ClientHeight() - 1), tile);
}
