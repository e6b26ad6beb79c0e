// The grids in form resources and on screen: a form text makes a string grid with its
// counts, options, column widths, scroll bar and event handlers as the main window's
// resource will; and the program's file list, 999 rows in the program's own skin beside
// its skinned bar, for a person to look at.
#include "GridTestKit.h"

#include "grid/GridClasses.h"

#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "Screenshot.h"
#include "TestControls.h"

#include <gtest/gtest.h>

#include <mutex>
#include <utility>
#include <vector>

// The form class lives outside any namespace: the reader compares the class a text
// names with the object's class name.
class TGridForm : public TForm {
public:
  TGridForm() : TForm(Application) {}
  TDynSkinStringGrid* Grid = nullptr;
  int SelectionChanges = 0;
  std::vector<std::pair<int32_t, int32_t>> Moves;

  void GridSelectionChange(TObject*) { ++SelectionChanges; }
  void GridRowMoved(TObject*, int32_t FromIndex, int32_t ToIndex) { Moves.emplace_back(FromIndex, ToIndex); }

  static const TFormBindings& Bindings() {
    static const TFormBindings bindings = TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
                                              .Handler("GridSelectionChange", &TGridForm::GridSelectionChange)
                                              .Handler("GridRowMoved", &TGridForm::GridRowMoved)
                                              .Field("Grid", &TGridForm::Grid);
    return bindings;
  }
};

namespace {

void RegisterClasses() {
  static std::once_flag registration;
  std::call_once(registration, [] {
    TClassRegistry& registry = TClassRegistry::Instance();
    RegisterSkinDataClasses(registry);
    RegisterSkinControlClasses(registry);
    RegisterGridClasses(registry);
  });
}

TEST(GridForm, AFormTextMakesTheFileListsGrid) {
  RegisterClasses();
  const std::string text = R"(object GridForm: TGridForm
  object Bar: TspSkinScrollBar
    Kind = sbVertical
  end
  object Grid: TDynSkinStringGrid
    Left = 0
    Top = 0
    Width = 713
    Height = 420
    ColCount = 2
    DefaultColWidth = 30
    DefaultRowHeight = 16
    Options = [goRangeSelect, goDrawFocusSelected, goRowSelect]
    GridLineColor = clWindowText
    ReservedColumn = -1
    DefaultSelected = False
    UseSkinCellHeight = False
    FocusedColor = clRed
    VScrollBar = Bar
    OnSelectionChange = GridSelectionChange
    OnRowMoved = GridRowMoved
    ColWidths = (30 683)
  end
end
)";
  TOwned<TGridForm> form(new TGridForm);
  ReadForm(*form, text, TGridForm::Bindings(), "Grid form");
  TDynSkinStringGrid* grid = form->Grid;
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->DefaultRowHeight(), 16);
  EXPECT_EQ(grid->Options(), (TGridOptions{goRangeSelect, goDrawFocusSelected, goRowSelect}));
  EXPECT_EQ(grid->ColWidths(0), 30);
  EXPECT_EQ(grid->ColWidths(1), 683);
  EXPECT_FALSE(grid->UseSkinCellHeight());
  EXPECT_EQ(grid->FocusedColor(), clRed);
  EXPECT_EQ(grid->VScrollBar(), form->FindComponent("Bar"));
  EXPECT_EQ(grid->SkinDataName(), "grid");

  grid->SetDataRowCount(10);
  grid->SelectRows(0);
  EXPECT_EQ(form->SelectionChanges, 2);
  grid->MoveRow(5, 2);
  EXPECT_EQ(form->Moves, (std::vector<std::pair<int32_t, int32_t>>{{5, 2}}));
}

TEST(GridForm, TheFileListShowsInTheProgramsSkin) {
  TGridTestWindow window(999, "slate", 697, 420);
  TDynSkinStringGrid* grid = window.Grid();
  window.Window().Form()->SetWidth(735);
  auto* bar = window.Window().Add<TspSkinScrollBar>({707, 10, 723, 430});
  bar->SetKind(sbVertical);
  bar->SetSkinDataName("vscrollbar");
  bar->SetSkinData(window.Window().Data());
  bar->SetBounds(707, 10, 16, 420);
  grid->SetVScrollBar(bar);
  grid->SetCells(0, 0, " Nr");
  grid->SetCells(1, 0, " Filename");
  window.FillTexts();
  grid->SetCellSelectable(0, 6, false);
  grid->SelectRange(3, 4, true);
  window.Focus();
  grid->Repaint();
  EXPECT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Max(), 127);
  SaveWindowScreenshot(window.Window().Form()->Handle(), "grid-slate");
}

}  // namespace
