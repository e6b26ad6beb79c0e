// The skinned grid's in-place editor through the keys and clicks a user gives it: F2,
// Enter and typing open it over the focused cell, what is typed reaches the cell at once,
// the navigation keys take it to other cells, a cell that may not change refuses every
// change, it hides while its cell is scrolled away and writes back when the focus
// leaves; a press on the grid followed by one on the editor is a double click; the cell
// shows through a transparent editor; the screenshot of an editing grid.
#include "GridTestKit.h"

#include "Screenshot.h"

#include "classlib/Clipboard.h"
#include "classlib/Edit.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// A string grid whose cells take no more than Limit characters (-1: none may change)
// and, with DigitsOnly, only digits.
class TLimitedGrid : public TDynSkinStringGrid {
public:
  using TDynSkinStringGrid::TDynSkinStringGrid;
  static TDynSkinStringGrid* Make(TComponent* Owner) { return new TLimitedGrid(Owner); }
  int32_t Limit = 0;
  bool DigitsOnly = false;

protected:
  int32_t GetEditLimit() override { return Limit; }
  bool CanEditAcceptKey(char Key) const override { return !DigitsOnly || (Key >= '0' && Key <= '9'); }
};

// A focused file list whose texts may be edited: cells, not rows, are selected.
class TEditingGrid : public TGridTestWindow {
public:
  explicit TEditingGrid(const std::string& Skin = "", TMakeGrid Make = nullptr)
      : TGridTestWindow(30, Skin, 400, 300, Make) {
    Grid()->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing});
    Focus();
  }
  // The editor, once the grid made it.
  TDynSkinInplaceEdit* Editor() const {
    for (int i = 0; i < Grid()->ControlCount(); ++i)
      if (auto* editor = dynamic_cast<TDynSkinInplaceEdit*>(Grid()->Controls(i))) return editor;
    return nullptr;
  }
  bool EditorShows() const { return Editor() != nullptr && Editor()->EditorShowing(); }
  // The editor shows over the focused cell and has the keyboard focus.
  bool EditsFocusedCell() const {
    return EditorShows() && Editor()->BoundsRect() == Grid()->CellRect(Grid()->Col(), Grid()->Row()) &&
           Editor()->Focused();
  }
  std::pair<int, int> Selection() const { return {Editor()->SelStart(), Editor()->SelLength()}; }
  void Type(const std::string& Text) {
    for (char c : Text) PressKey(static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c))));
  }
};

TEST(GridEditor, F2EnterAndTypingOpenTheEditorOverTheFocusedCell) {
  TEditingGrid list;
  TDynSkinStringGrid* grid = list.Grid();
  PressKey(VK_DOWN);
  PressKey(VK_RIGHT);
  ASSERT_EQ(grid->Row(), 2);
  EXPECT_FALSE(list.EditorShows());

  // F2: the caret after the text.
  PressKey(VK_F2);
  ASSERT_TRUE(list.EditsFocusedCell());
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_EQ(list.Editor()->Text(), "File 2");
  EXPECT_EQ(list.Selection(), std::make_pair(6, 0));

  // Enter closes it, Enter opens it with the whole text selected.
  PressKey(VK_RETURN);
  EXPECT_FALSE(list.EditorShows());
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_TRUE(grid->Focused());
  PressKey(VK_RETURN);
  ASSERT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(list.Selection(), std::make_pair(0, 6));

  // Typing replaces the selected text, and the cell has each letter at once.
  std::vector<std::string> handedBack;
  grid->OnSetEditText = [&](TObject*, int32_t, int32_t, const std::string& Value) { handedBack.push_back(Value); };
  list.Type("ab");
  EXPECT_EQ(grid->Cells(1, 2), "ab");
  EXPECT_EQ(handedBack, (std::vector<std::string>{"a", "ab"}));

  // Typed on the grid, a letter opens the editor with it.
  PressKey(VK_RETURN);
  PressKey(VK_DOWN);
  list.Type("x");
  EXPECT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(grid->Cells(1, 3), "x");
}

TEST(GridEditor, TheNavigationKeysTakeTheEditorToOtherCells) {
  TEditingGrid list;
  TDynSkinStringGrid* grid = list.Grid();
  PressKey(VK_F2);
  PressKey(VK_BACK);
  list.Type("z");
  PressKey(VK_DOWN);
  EXPECT_EQ(grid->Cells(1, 1), "File z");
  EXPECT_EQ(grid->Row(), 2);
  ASSERT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(list.Editor()->Text(), "File 2");
  EXPECT_EQ(list.Selection(), std::make_pair(0, 6));
  PressKey(VK_UP);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(list.Editor()->Text(), "File z");

  // Left and Home move the caret in the text, and, with goAlwaysShowEditor, leave the
  // cell from the text's start; Tab goes to the next cell with goTabs.
  grid->SetColCount(3);
  grid->SetCells(2, 4, "Tag 4");
  grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor, goTabs});
  grid->FocusCell(2, 4, true);
  ASSERT_TRUE(list.EditsFocusedCell());
  list.Editor()->SetSelStart(3);
  PressKey(VK_LEFT);
  PressKey(VK_HOME);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(list.Selection(), std::make_pair(0, 0));
  PressKey(VK_LEFT);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(list.Editor()->Text(), "File 4");
  PressKey(VK_TAB);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(list.Editor()->Text(), "Tag 4");
  // Enter only toggles the selection: the editor stays.
  PressKey(VK_RETURN);
  EXPECT_EQ(list.Selection(), std::make_pair(5, 0));
  PressKey(VK_RETURN);
  EXPECT_EQ(list.Selection(), std::make_pair(0, 5));
  EXPECT_TRUE(list.EditsFocusedCell());
}

TEST(GridEditor, ACellThatMayNotChangeRefusesEveryChange) {
  TEditingGrid list("", TLimitedGrid::Make);
  auto* grid = static_cast<TLimitedGrid*>(list.Grid());
  int beeps = 0;
  static int* beepCount = nullptr;
  beepCount = &beeps;
  TSeamOverride<void(UINT)> beep(Seams::Beep, [](UINT) { ++*beepCount; });
  Clipboard().SetAsText("pasted");

  // The limit counts when the editor opens over a cell.
  grid->Limit = -1;
  PressKey(VK_F2);
  ASSERT_TRUE(list.EditsFocusedCell());
  PressKey(VK_HOME);
  PressKey(VK_DELETE);
  PressKey(VK_DELETE, {ssShift});
  PressKey(VK_END);
  PressKey(VK_BACK);
  list.Type("q");
  PressKey('V', {ssCtrl});
  PressKey(VK_INSERT, {ssShift});
  PressKey('X', {ssCtrl});
  EXPECT_EQ(list.Editor()->Text(), "File 1");
  EXPECT_EQ(grid->Cells(1, 1), "File 1");
  PressKey(VK_RETURN);
  list.Type("q");  // on the grid: the editor opens, the letter goes nowhere
  EXPECT_EQ(grid->Cells(1, 1), "File 1");
  EXPECT_EQ(beeps, 0);

  // A cell that may change takes the same keys; a refused character beeps.
  grid->Limit = 0;
  grid->DigitsOnly = true;
  PressKey(VK_DOWN);
  ASSERT_TRUE(list.EditsFocusedCell());
  PressKey(VK_HOME);
  PressKey(VK_DELETE);
  list.Type("q7");
  EXPECT_EQ(beeps, 1);
  PressKey(VK_END);
  PressKey(VK_BACK);
  EXPECT_EQ(grid->Cells(1, 2), "7ile ");
  PressKey(VK_INSERT, {ssShift});
  EXPECT_EQ(grid->Cells(1, 2), "7ile pasted");
}

TEST(GridEditor, TheEditorHidesWhileItsCellIsScrolledAwayAndWritesBackWhenTheFocusLeaves) {
  TEditingGrid list;
  TDynSkinStringGrid* grid = list.Grid();
  auto* other = list.Window().Add<TEdit>({0, 0, 5, 5});
  std::vector<std::string> handedBack;
  grid->OnSetEditText = [&](TObject*, int32_t ACol, int32_t ARow, const std::string& Value) {
    handedBack.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
  };
  PressKey(VK_F2);
  for (int step = 0; step < 3; ++step) grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  ASSERT_EQ(grid->TopRow(), 4);
  EXPECT_FALSE(list.EditorShows());
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_TRUE(grid->Focused());
  grid->Perform(WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_TRUE(list.EditsFocusedCell());
  EXPECT_TRUE(handedBack.empty());

  // Typed text reaches the cell at once; leaving hands the text back once more and ends
  // the editing.
  list.Type("k");
  other->SetFocus();
  PumpUntil([&] { return other->Focused(); });
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_FALSE(list.EditorShows());
  EXPECT_EQ(handedBack, (std::vector<std::string>{"1,1 File 1k", "1,1 File 1k"}));

  // A press on another cell writes back too; the editor goes there.
  list.Focus();
  PressKey(VK_F2);
  list.Type("m");
  handedBack.clear();
  list.Click(3);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(handedBack, std::vector<std::string>{"1,1 File 1km"});
  EXPECT_TRUE(list.EditsFocusedCell());
}

TEST(GridEditor, APressOnTheNewEditorSoonAfterThePressOnTheGridIsADoubleClick) {
  TEditingGrid list;
  TDynSkinStringGrid* grid = list.Grid();
  int doubleClicks = 0;
  grid->OnDblClick = [&](TObject*) { ++doubleClicks; };
  const auto pressEditor = [&] {
    PostMouse(list.Editor(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    PostMouse(list.Editor(), WM_LBUTTONUP, 5, 5);
    Application->ProcessMessages();
  };
  list.Click(1);  // on the focused cell: the editor opens under the pointer
  ASSERT_TRUE(list.EditsFocusedCell());
  pressEditor();
  EXPECT_EQ(doubleClicks, 1);
  pressEditor();  // the grid's press was used up
  EXPECT_EQ(doubleClicks, 1);
  list.Editor()->SetClickTime(GetTickCount() - 2 * GetDoubleClickTime());
  pressEditor();
  EXPECT_EQ(doubleClicks, 1);
}

TEST(GridEditor, OnlyTheCellUnderTheEditorLeavesItsTextToTheEditor) {
  TEditingGrid list("flatcolour");
  TDynSkinStringGrid* grid = list.Grid();
  const auto& entry = static_cast<const TspDataSkinGridControl&>(
      *list.Window().Data()->CtrlList.at(static_cast<size_t>(list.Window().Data()->GetControlIndex("grid"))));
  const TColor normal = EntryColour(*list.Window().Data(), "grid", entry.SelectCellRect);
  PressKey(VK_F2);
  ASSERT_TRUE(list.EditsFocusedCell());
  // Right of the texts, in the edited cell and in the one below it.
  const TRect cell = grid->CellRect(1, 1);
  const TPoint edited{cell.Right - 4, cell.Top + cell.Height() / 2};
  const TPoint below{edited.X, edited.Y + cell.Height() + 1};
  grid->Invalidate();
  TPixelImage shown = ShownPixels(grid);
  EXPECT_EQ(shown.Pixel(below.X, below.Y), normal);
  EXPECT_EQ(shown.Pixel(edited.X, edited.Y), entry.BGColor);  // the editor in the skin's colour

  // A transparent editor shows the cell's picture.
  list.Editor()->SetTransparent(true);
  PressKey(VK_DOWN);
  PressKey(VK_UP);
  ASSERT_TRUE(list.EditsFocusedCell());
  shown = ShownPixels(grid);
  EXPECT_EQ(shown.Pixel(edited.X, edited.Y), normal);
  EXPECT_EQ(shown.Pixel(below.X, below.Y), normal);
}

TEST(GridEditor, AGridEditingACellInTheProgramsSkin) {
  TEditingGrid list("slate");
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetColCount(3);
  grid->SetColWidths(1, 180);
  grid->SetColWidths(2, 170);
  for (int32_t row = 1; row <= 30; ++row) grid->SetCells(2, row, "Artist " + std::to_string(row));
  grid->SetCells(1, 0, "Title");
  grid->SetCells(2, 0, "Artist");
  grid->FocusCell(2, 3, true);
  PressKey(VK_F2);
  ASSERT_TRUE(list.EditsFocusedCell());
  list.Type("s");
  SaveWindowScreenshot(list.Window().Form()->Handle(), "grid-editor");
}

}  // namespace
