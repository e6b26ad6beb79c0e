// Scrolling the skinned grid: after a line step, a drop or a cancelled drag deep in a
// 999-row list the window shows what a whole paint shows; the bound skinned bars follow
// the view and scroll the grid, and a bar that goes leaves the grid without one; one
// column scrolls by pixels. The form text of the file list's grid.
#include "GridTestKit.h"

#include "grid/GridClasses.h"

#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "ImportPatch.h"
#include "TestControls.h"

#include <gtest/gtest.h>

#include <mutex>

// Outside any namespace: the form reader compares the class a text names with the
// object's class name.
class TGridForm : public TForm {
public:
  TGridForm() : TForm(Application) {}
  TDynSkinStringGrid* Grid = nullptr;
  std::vector<std::pair<int32_t, int32_t>> Moves;
  void GridRowMoved(TObject*, int32_t FromIndex, int32_t ToIndex) { Moves.emplace_back(FromIndex, ToIndex); }
};

namespace {

TEST(GridScroll, AfterALineStepADropOrACancelTheWindowShowsWhatAWholePaintShows) {
  TGridTestWindow list(999, "flatcolour");
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetOptions(grid->Options() + TGridOptions{goFixedHorzLine, goHorzLine, goRowMoving});
  list.Focus();
  grid->SetRow(500);
  grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  grid->Perform(WM_VSCROLL, SB_LINEUP, 0);
  grid->Perform(WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(grid->TopRow(), 500 - grid->VisibleRowCount());
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);

  const int32_t row = grid->TopRow() + 4;
  list.Press(row, 0, 0);
  list.MoveTo(row - 1, 0);
  list.MoveTo(row - 2, 0);
  list.Release(row - 2, 0);
  EXPECT_EQ(grid->Cells(1, row - 2), "File " + std::to_string(row));
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);

  list.Press(row, 0, 0);
  list.MoveTo(row + 3, 0);
  EXPECT_GT(list.DifferFromAWholePaint(), 0);  // the drop marker, which a whole paint leaves out
  list.MoveTo(row + 2, 0);
  PostMessageA(grid->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);
  EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST(GridScroll, ALineStepCarriesAPartThatAwaitsAPaintAlongWithThePixels) {
  // Rows painted over outside the grid and left to the next paint: the step moves both
  // the wrong pixels and the region that will put them right.
  TGridTestWindow list(999, "flatcolour");
  TDynSkinStringGrid* grid = list.Grid();
  list.Focus();
  grid->SetRow(500);
  ASSERT_EQ(list.DifferFromAWholePaint(), 0);
  const TRect rows = grid->CellRect(1, grid->TopRow() + 4);
  const RECT stale{0, rows.Top, rows.Right, rows.Bottom + 2 * rows.Height()};
  {
    const TWindowDC dc(grid->Handle());
    FillRect(dc.DC(), &stale, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  InvalidateRect(grid->Handle(), &stale, FALSE);
  grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);
}

// The program's ScrollDC calls while a TScrollDCCounter lives.
int ScrollDCCalls = 0;
const auto SystemScrollDC = SystemFunction<decltype(&ScrollDC)>("user32.dll", "ScrollDC");

BOOL WINAPI CountedScrollDC(HDC DC, int DX, int DY, const RECT* Scroll, const RECT* Clip, HRGN Update,
                            LPRECT UpdateRect) {
  ++ScrollDCCalls;
  return SystemScrollDC(DC, DX, DY, Scroll, Clip, Update, UpdateRect);
}

struct TScrollDCCounter {
  TScrollDCCounter() { ScrollDCCalls = 0; }
  TImportPatch Patch{reinterpret_cast<void*>(SystemScrollDC), reinterpret_cast<void*>(&CountedScrollDC)};
};

TEST(GridScroll, ALineStepOverAGridShownWholeMovesItsPixelsInOneCopy) {
  // ScrollDC works out which parts of the window show; a grid that shows whole needs none
  // of that.
  TGridTestWindow list(999, "flatcolour");
  TDynSkinStringGrid* grid = list.Grid();
  list.Focus();
  grid->SetRow(500);
  ASSERT_EQ(list.DifferFromAWholePaint(), 0);
  {
    const TScrollDCCounter counter;
    for (int step = 0; step < 8; ++step) grid->Perform(WM_VSCROLL, step < 5 ? SB_LINEDOWN : SB_LINEUP, 0);
    EXPECT_EQ(ScrollDCCalls, 0);
  }
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);

  // A child window hides part of the grid: what it hid is left to be drawn.
  HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 40, 60, 80, 40, grid->Handle(), nullptr,
                               nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  ASSERT_EQ(list.DifferFromAWholePaint(), 0);
  {
    const TScrollDCCounter counter;
    for (int step = 0; step < 3; ++step) grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(ScrollDCCalls, 3);
  }
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);
  DestroyWindow(child);
}

TEST(GridScroll, BoundBarsFollowTheViewAndScrollTheGrid) {
  TGridTestWindow list(10, "flatcolour");
  TDynSkinStringGrid* grid = list.Grid();
  auto* vertical = list.Window().Add<TspSkinScrollBar>({412, 10, 428, 310});
  vertical->SetKind(sbVertical);
  vertical->SetSkinDataName("vscrollbar");
  auto* horizontal = list.Window().Add<TspSkinScrollBar>({10, 312, 410, 328});
  grid->SetVScrollBar(vertical);
  grid->SetHScrollBar(horizontal);
  grid->Repaint();
  EXPECT_EQ(GetWindowLongA(grid->Handle(), GWL_STYLE) & (WS_TABSTOP | WS_VSCROLL | WS_HSCROLL), WS_TABSTOP);
  EXPECT_EQ(GetClassLongA(grid->Handle(), GCL_STYLE), CS_DBLCLKS);
  EXPECT_FALSE(vertical->Visible());
  EXPECT_EQ(vertical->Max(), 0);

  grid->SetDataRowCount(40);
  grid->Repaint();
  EXPECT_TRUE(vertical->Visible());
  EXPECT_EQ(vertical->Max(), 127);
  EXPECT_EQ(vertical->SmallChange(), 127 / (40 - grid->VisibleRowCount()));
  EXPECT_FALSE(horizontal->Visible());
  EXPECT_TRUE(horizontal->Both());  // it would cover the corner beside the vertical bar

  // A scroll code takes the focus; the thumb follows the view and the view the bar.
  auto* other = list.Window().Add<TPanelControl>({0, 0, 5, 5});
  other->SetFocus();
  grid->Perform(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_TRUE(PumpUntil([&] { return grid->Focused(); }));
  EXPECT_EQ(vertical->Position(), 127);
  vertical->SetPosition(0);
  vertical->OnLastChange(vertical);
  int scrolls = 0;
  grid->OnTopLeftChanged = [&](TObject*) { ++scrolls; };
  vertical->OnUpButtonClick(vertical);
  EXPECT_EQ(grid->TopRow(), 2);
  vertical->OnPageDown(vertical);
  EXPECT_GT(grid->TopRow(), 3);
  EXPECT_EQ(scrolls, 2);

  // Resized to hold every row the grid hides its bar, and both go with the grid.
  grid->SetHeight(41 * grid->DefaultRowHeight());
  Application->ProcessMessages();
  EXPECT_FALSE(vertical->Visible());
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetHeight(300);
  Application->ProcessMessages();
  EXPECT_TRUE(vertical->Visible());
  grid->Hide();
  EXPECT_FALSE(vertical->Visible());
  grid->Show();

  // One column wider than the view scrolls by pixels and is painted shifted.
  grid->SetFixedCols(0);
  grid->SetColCount(1);
  grid->SetColWidths(0, 1000);
  grid->Repaint();
  EXPECT_EQ(horizontal->Max(), 600);
  grid->Perform(WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(horizontal->Position(), grid->Canvas()->TextWidth("0"));
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);
  grid->Perform(WM_HSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(grid->ColOffset(), 600);

  // A bar that goes leaves the grid without one; a grid that goes lets go of its bars.
  vertical->Free();
  EXPECT_EQ(grid->VScrollBar(), nullptr);
  grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  grid->Free();
  EXPECT_FALSE(horizontal->OnLastChange);
}

TEST(GridScroll, AFormTextMakesTheFileListsGrid) {
  static std::once_flag registration;
  std::call_once(registration, [] {
    RegisterSkinDataClasses(TClassRegistry::Instance());
    RegisterSkinControlClasses(TClassRegistry::Instance());
    RegisterGridClasses(TClassRegistry::Instance());
  });
  const std::string text = R"(object GridForm: TGridForm
  object Bar: TspSkinScrollBar
    Kind = sbVertical
  end
  object Grid: TDynSkinStringGrid
    ColCount = 2
    DefaultRowHeight = 16
    Options = [goRangeSelect, goDrawFocusSelected, goRowSelect]
    UseSkinCellHeight = False
    VScrollBar = Bar
    OnRowMoved = GridRowMoved
    ColWidths = (30 683)
  end
end
)";
  const TFormBindings bindings = TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
                                     .Handler("GridRowMoved", &TGridForm::GridRowMoved)
                                     .Field("Grid", &TGridForm::Grid);
  TOwned<TGridForm> form(new TGridForm);
  ReadForm(*form, text, bindings, "Grid form");
  TDynSkinStringGrid* grid = form->Grid;
  EXPECT_EQ(grid->Options(), (TGridOptions{goRangeSelect, goDrawFocusSelected, goRowSelect}));
  EXPECT_EQ(grid->ColWidths(1), 683);
  EXPECT_FALSE(grid->UseSkinCellHeight());
  EXPECT_EQ(grid->VScrollBar(), form->FindComponent("Bar"));
  grid->SetDataRowCount(10);
  grid->MoveRow(5, 2);
  EXPECT_EQ(form->Moves, (std::vector<std::pair<int32_t, int32_t>>{{5, 2}}));
}

}  // namespace
