// Scrolling the skinned grid: what the window shows after a line step, a dropped row or
// a cancelled drag deep in a 999-row list equals a fresh paint; the bound skinned scroll
// bars follow the view (range, steps, visibility on resizing, the corner) and scroll the
// grid; a bar that goes leaves the grid without one; a one-column grid scrolls its
// column by pixels and paints it shifted.
#include "GridTestKit.h"

#include "skin/controls/SkinScrollBar.h"

#include "TestControls.h"

#include <gtest/gtest.h>

namespace {

// A flat-colour 999-row list with lines between its cells, draggable rows and the
// focus, scrolled so that row 500 is the current row.
class TScrolledList : public TGridTestWindow {
public:
  TScrolledList() : TGridTestWindow(999, "flatcolour") {
    FillTexts();
    TDynSkinStringGrid* grid = Grid();
    grid->SetOptions(grid->Options() + TGridOptions{goFixedHorzLine, goHorzLine, goRowMoving});
    Focus();
    grid->SetRow(500);
  }
  // Whether the window shows what a whole paint shows.
  ::testing::AssertionResult ShowsAFreshPaint() {
    const TPixelImage shown = ShownPixels(Grid());
    const int differing = DifferentPixels(shown, RepaintedPixels(Grid()));
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ";
  }
};

TEST(GridScroll, AfterALineStepADropOrACancelTheWindowShowsWhatAWholePaintShows) {
  TScrolledList list;
  TDynSkinStringGrid* grid = list.Grid();
  ASSERT_GT(grid->TopRow(), 480);
  EXPECT_TRUE(list.ShowsAFreshPaint());

  const int32_t top = grid->TopRow();
  grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid->TopRow(), top + 1);
  EXPECT_TRUE(list.ShowsAFreshPaint());
  grid->Perform(WM_VSCROLL, SB_LINEUP, 0);
  grid->Perform(WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_TRUE(list.ShowsAFreshPaint());

  // A row dropped two rows up.
  const int32_t row = grid->TopRow() + 4;
  const std::string text = grid->Cells(1, row);
  list.Press(row, 0, 0);
  list.MoveTo(row - 1, 0);
  list.MoveTo(row - 2, 0);
  list.Release(row - 2, 0);
  EXPECT_EQ(grid->Cells(1, row - 2), text);
  EXPECT_TRUE(list.ShowsAFreshPaint());

  // A drag whose marker shows, then cancelled: the marker goes, nothing moves.
  list.Press(row, 0, 0);
  list.MoveTo(row + 3, 0);
  EXPECT_FALSE(list.ShowsAFreshPaint());  // the drop marker (which the whole paint left out)
  list.MoveTo(row + 2, 0);
  PostMessageA(grid->Handle(), WM_CANCELMODE, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->Cells(1, row - 2), text);
  EXPECT_TRUE(list.ShowsAFreshPaint());
}

// A list with a vertical and a horizontal skinned bar beside it.
class TBarredList : public TGridTestWindow {
public:
  explicit TBarredList(int32_t Rows) : TGridTestWindow(Rows, "flatcolour") {
    VBar = Window().Add<TspSkinScrollBar>({412, 10, 428, 310});
    VBar->SetKind(sbVertical);
    VBar->SetSkinDataName("vscrollbar");
    HBar = Window().Add<TspSkinScrollBar>({10, 312, 410, 328});
    for (TspSkinScrollBar* bar : {VBar, HBar}) bar->SetSkinData(Window().Data());
    Grid()->SetVScrollBar(VBar);
    Grid()->SetHScrollBar(HBar);
    Grid()->Repaint();
  }
  TspSkinScrollBar* VBar;
  TspSkinScrollBar* HBar;
};

TEST(GridScroll, TheVerticalBarShowsWhileRowsDoNotFitAndFollowsTheView) {
  TBarredList list(10);
  TDynSkinStringGrid* grid = list.Grid();
  TspSkinScrollBar* bar = list.VBar;
  // The grid has no window scroll bars of its own.
  const LONG style = GetWindowLongA(grid->Handle(), GWL_STYLE);
  EXPECT_EQ(style & (WS_TABSTOP | WS_VSCROLL | WS_HSCROLL), WS_TABSTOP);
  EXPECT_EQ(GetClassLongA(grid->Handle(), GCL_STYLE), CS_DBLCLKS);
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(bar->Max(), 0);

  grid->SetDataRowCount(40);
  grid->Repaint();
  EXPECT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Max(), 127);
  const int32_t hidden = 41 - grid->VisibleRowCount() - 1;
  EXPECT_EQ(bar->SmallChange(), 127 / hidden);
  EXPECT_EQ(bar->LargeChange(), 127 / hidden);
  EXPECT_FALSE(list.HBar->Visible());
  EXPECT_TRUE(list.HBar->Both());  // it would cover the corner beside the vertical bar

  // The grid scrolls (taking the focus), the thumb follows; the thumb moved scrolls the
  // grid.
  auto* other = list.Window().Add<TPanelControl>({0, 0, 5, 5});
  other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
  grid->Perform(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_TRUE(PumpUntil([&] { return grid->Focused(); }));
  EXPECT_EQ(bar->Position(), 127);
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount() - 1, 40);
  bar->SetPosition(0);
  bar->OnLastChange(bar);
  EXPECT_EQ(grid->TopRow(), 1);
  const int32_t top = grid->TopRow();
  bar->OnUpButtonClick(bar);
  EXPECT_EQ(grid->TopRow(), top + 1);
  bar->OnPageDown(bar);
  EXPECT_GT(grid->TopRow(), top + 2);

  // Resized to hold every row, the grid hides its bar; smaller again, shows it.
  grid->SetHeight(41 * grid->DefaultRowHeight() + 4);
  Application->ProcessMessages();
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetHeight(300);
  Application->ProcessMessages();
  EXPECT_TRUE(bar->Visible());

  // Both bars go and come with the grid.
  grid->Hide();
  EXPECT_FALSE(bar->Visible());
  grid->Show();
  grid->Repaint();
  EXPECT_TRUE(bar->Visible());
  EXPECT_FALSE(list.HBar->Visible());
}

TEST(GridScroll, TheHorizontalBarCoversTheCornerWhileTheVerticalOneShows) {
  TBarredList list(40);
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetColCount(6);
  grid->Repaint();
  EXPECT_TRUE(list.HBar->Visible());
  EXPECT_TRUE(list.HBar->Both());
  // Its arrows step its own thumb (127 over the columns that do not fit), and the grid
  // follows the thumb.
  list.HBar->OnUpButtonClick(list.HBar);
  EXPECT_EQ(list.HBar->Position(), list.HBar->SmallChange());
  EXPECT_EQ(grid->LeftCol(), 1);
  list.HBar->OnUpButtonClick(list.HBar);
  list.HBar->OnUpButtonClick(list.HBar);
  EXPECT_EQ(grid->LeftCol(), 2);
  grid->SetDataRowCount(3);
  grid->Repaint();
  EXPECT_FALSE(list.VBar->Visible());
  EXPECT_FALSE(list.HBar->Both());
}

TEST(GridScroll, ABarThatGoesLeavesTheGridWithoutOne) {
  TBarredList list(40);
  TDynSkinStringGrid* grid = list.Grid();
  list.VBar->Free();
  EXPECT_EQ(grid->VScrollBar(), nullptr);
  grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  grid->Repaint();
  EXPECT_EQ(grid->TopRow(), 2);
  // A grid that goes first lets go of its bars' events.
  TspSkinScrollBar* bar = list.HBar;
  grid->Free();
  EXPECT_FALSE(bar->OnLastChange);
  EXPECT_FALSE(bar->OnPageDown);
}

TEST(GridScroll, AOneColumnGridScrollsItsColumnByPixelsAndPaintsItShifted) {
  TBarredList list(5);
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetFixedCols(0);
  grid->SetColCount(1);
  grid->SetColWidths(0, 1000);
  grid->Repaint();
  EXPECT_TRUE(list.HBar->Visible());
  EXPECT_EQ(list.HBar->Max(), 600);
  int32_t drawnLeft = 1;
  grid->OnDrawCell = [&](TObject*, int32_t, int32_t, TRect Rect, TGridDrawState) { drawnLeft = Rect.Left; };

  grid->Perform(WM_HSCROLL, SB_LINEDOWN, 0);
  const int32_t step = grid->Canvas()->TextWidth("0");
  EXPECT_EQ(grid->ColOffset(), step);
  EXPECT_EQ(list.HBar->Position(), step);
  EXPECT_EQ(DifferentPixels(ShownPixels(grid), RepaintedPixels(grid)), 0);
  EXPECT_EQ(drawnLeft, -step);
  grid->Perform(WM_HSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(grid->ColOffset(), 600);
  grid->Perform(WM_HSCROLL, SB_TOP, 0);
  EXPECT_EQ(grid->ColOffset(), 0);
}

}  // namespace
