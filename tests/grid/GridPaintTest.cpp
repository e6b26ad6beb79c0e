// The skinned grid's painting, pixel by pixel into a memory DC: every draw state from
// the flat-colour skin's own rectangle with the fonts and colours of its state, the
// empty area in the skin's background colour, the sparse skin's fall-backs and the look
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

  // Lines show the line colour; pictures stretch to taller rows; few rows leave the
  // skin's background below them. A skin change keeps these rows.
  grid->SetOptions(grid->Options() + TGridOptions{goHorzLine, goVertLine});
  grid->SetGridLineColor(RGBColor(0, 200, 0));
  grid->SetUseSkinCellHeight(false);
  grid->SetDefaultRowHeight(30);
  grid->SetDataRowCount(3);
  painted = Painted(grid);
  const TRect cell = grid->CellRect(1, 3);
  EXPECT_EQ(painted->Pixel(cell.Left + 5, cell.Bottom), RGBColor(0, 200, 0));
  EXPECT_EQ(painted->Pixel(grid->CellRect(0, 3).Right, cell.Top + 5), RGBColor(0, 200, 0));
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
