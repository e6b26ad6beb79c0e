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
  // The editor, once the grid made it (its only child).
  TDynSkinInplaceEdit* Editor() const {
    return Grid()->ControlCount() > 0 ? dynamic_cast<TDynSkinInplaceEdit*>(Grid()->Controls(0)) : nullptr;
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

TEST(GridEditor, F2EnterAndTypingOpenTheEditorOverTheFocusedCellAndTheArrowsTakeItAlong) {
  TEditingGrid list;
  TDynSkinStringGrid* grid = list.Grid();
  PressKey(VK_DOWN);
  PressKey(VK_F2);  // the caret after the text
  ASSERT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(list.Editor()->Text(), "File 2");
  EXPECT_EQ(list.Selection(), std::make_pair(6, 0));
  PressKey(VK_RETURN);
  EXPECT_FALSE(list.EditorShows() || grid->EditorMode());
  PressKey(VK_RETURN);  // the whole text selected
  ASSERT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(list.Selection(), std::make_pair(0, 6));

  // Each typed letter reaches the cell at once.
  std::vector<std::string> handedBack;
  grid->OnSetEditText = [&](TObject*, int32_t, int32_t, const std::string& Value) { handedBack.push_back(Value); };
  list.Type("ab");
  EXPECT_EQ(handedBack, (std::vector<std::string>{"a", "ab"}));
  PressKey(VK_DOWN);
  EXPECT_EQ(grid->Cells(1, 2), "ab");
  ASSERT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(list.Selection(), std::make_pair(0, 6));
  PressKey(VK_UP);
  EXPECT_EQ(list.Editor()->Text(), "ab");

  // Typed on the grid, a letter opens the editor with it.
  PressKey(VK_RETURN);
  list.Type("x");
  EXPECT_TRUE(list.EditsFocusedCell());
  EXPECT_EQ(grid->Cells(1, 2), "x");
}

TEST(GridEditor, WithGoAlwaysShowEditorLeftAndHomeLeaveTheCellFromTheTextsStart) {
  TEditingGrid list;
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetColCount(3);
  grid->SetCells(2, 4, "Tag 4");
  grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor, goTabs});
  grid->FocusCell(2, 4, true);
  ASSERT_TRUE(list.EditsFocusedCell());
  list.Editor()->SetSelStart(3);
  PressKey(VK_LEFT);
  PressKey(VK_HOME);
  EXPECT_EQ(grid->Col(), 2);
  PressKey(VK_LEFT);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_TRUE(list.EditsFocusedCell());
  PressKey(VK_TAB);
  EXPECT_EQ(grid->Col(), 2);
  // Enter only toggles the selection.
  PressKey(VK_RETURN);
  EXPECT_EQ(list.Selection(), std::make_pair(5, 0));
  PressKey(VK_RETURN);
  EXPECT_EQ(list.Selection(), std::make_pair(0, 5));
  EXPECT_TRUE(list.EditsFocusedCell());
}

TEST(GridEditor, ACellThatMayNotChangeRefusesEveryChange) {
  TEditingGrid list("", TLimitedGrid::Make);
  auto* grid = static_cast<TLimitedGrid*>(list.Grid());
  static int beeps = 0;
  TSeamOverride<void(UINT)> beep(Seams::Beep, [](UINT) { ++beeps; });
  Clipboard().SetAsText("pasted");
  grid->Limit = -1;
  PressKey(VK_F2);
  ASSERT_TRUE(list.EditsFocusedCell());
  for (const int key : {VK_BACK, int{'Q'}}) PressKey(static_cast<uint16_t>(key));
  for (const int key : {VK_DELETE, VK_INSERT}) PressKey(static_cast<uint16_t>(key), {ssShift});
  for (const int key : {'V', 'X'}) PressKey(static_cast<uint16_t>(key), {ssCtrl});
  PressKey(VK_HOME);
  PressKey(VK_DELETE);
  EXPECT_EQ(grid->Cells(1, 1), "File 1");
  EXPECT_EQ(list.Editor()->Text(), "File 1");

  // A cell that may change takes the same keys; a character the grid refuses beeps.
  grid->Limit = 0;
  grid->DigitsOnly = true;
  PressKey(VK_DOWN);
  PressKey(VK_HOME);
  PressKey(VK_DELETE);
  list.Type("q7");
  PressKey(VK_INSERT, {ssShift});
  EXPECT_EQ(grid->Cells(1, 2), "7pastedile 2");
  EXPECT_EQ(beeps, 1);
}

TEST(GridEditor, TheEditorHidesWhileItsCellIsScrolledAwayAndWritesBackWhenTheFocusLeaves) {
  TEditingGrid list;
  TDynSkinStringGrid* grid = list.Grid();
  auto* other = list.Window().Add<TEdit>({0, 0, 5, 5});
  std::vector<std::string> handedBack;
  grid->OnSetEditText = [&](TObject*, int32_t, int32_t, const std::string& Value) { handedBack.push_back(Value); };
  PressKey(VK_F2);
  for (int step = 0; step < 3; ++step) grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_FALSE(list.EditorShows());
  EXPECT_TRUE(grid->EditorMode() && grid->Focused());
  grid->Perform(WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_TRUE(list.EditsFocusedCell());
  EXPECT_TRUE(handedBack.empty());

  list.Type("k");
  other->SetFocus();
  PumpUntil([&] { return other->Focused(); });
  EXPECT_FALSE(grid->EditorMode() || list.EditorShows());
  EXPECT_EQ(handedBack, (std::vector<std::string>{"File 1k", "File 1k"}));
}

TEST(GridEditor, APressOnTheNewEditorSoonAfterThePressOnTheGridIsADoubleClick) {
  TEditingGrid list;
  int doubleClicks = 0;
  list.Grid()->OnDblClick = [&](TObject*) { ++doubleClicks; };
  const auto pressEditor = [&] {
    PostMouse(list.Editor(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    PostMouse(list.Editor(), WM_LBUTTONUP, 5, 5);
    Application->ProcessMessages();
  };
  list.Click(1);  // on the focused cell: the editor opens under the pointer
  ASSERT_TRUE(list.EditsFocusedCell());
  pressEditor();
  pressEditor();  // the grid's press was used up
  list.Editor()->SetClickTime(GetTickCount() - 2 * GetDoubleClickTime());
  pressEditor();
  EXPECT_EQ(doubleClicks, 1);
}

TEST(GridEditor, OnlyTheCellUnderTheEditorLeavesItsTextToTheEditor) {
  TEditingGrid list("flatcolour");
  TspSkinData& data = *list.Window().Data();
  const auto& entry =
      static_cast<const TspDataSkinGridControl&>(*data.CtrlList.at(static_cast<size_t>(data.GetControlIndex("grid"))));
  const TColor normal = EntryColour(data, "grid", entry.SelectCellRect);
  PressKey(VK_F2);
  // Right of the texts, in the edited cell and in the one below it.
  const TRect cell = list.Grid()->CellRect(1, 1);
  const TPoint edited{cell.Right - 4, cell.Top + cell.Height() / 2};
  list.Grid()->Invalidate();
  TPixelImage shown = ShownPixels(list.Grid());
  EXPECT_EQ(shown.Pixel(edited.X, edited.Y + cell.Height() + 1), normal);
  EXPECT_EQ(shown.Pixel(edited.X, edited.Y), entry.BGColor);  // the editor in the skin's colour

  // A transparent editor shows the cell's picture.
  list.Editor()->SetTransparent(true);
  PressKey(VK_DOWN);
  PressKey(VK_UP);
  ASSERT_TRUE(list.EditsFocusedCell());
  shown = ShownPixels(list.Grid());
  EXPECT_EQ(shown.Pixel(edited.X, edited.Y), normal);
}

// The second row's title being typed: the editor opened by F2 over the focused cell.
void EditSecondRow(TEditingGrid& List) {
  List.Grid()->SetCells(1, 0, "Title");
  PressKey(VK_DOWN);
  PressKey(VK_F2);
  ASSERT_TRUE(List.EditsFocusedCell());
  List.Type("s");
}

TEST(GridEditor, TheEditingGridShowsTheEditorOverItsCellAmongTheOthers) {
  TEditingGrid list("flatcolour");
  EditSecondRow(list);
  TspSkinData& data = *list.Window().Data();
  const auto& entry =
      static_cast<const TspDataSkinGridControl&>(*data.CtrlList.at(static_cast<size_t>(data.GetControlIndex("grid"))));
  const auto colour = [&](const TRect& r) { return EntryColour(data, "grid", r); };
  EXPECT_EQ(list.Editor()->BoundsRect(), list.Grid()->CellRect(1, 2));
  EXPECT_EQ(list.Grid()->Cells(1, 2), list.Editor()->Text());  // what is typed is the cell's at once
  ASSERT_FALSE(list.Editor()->Text().empty());
  EXPECT_EQ(list.Editor()->Text().back(), 's');
  list.Grid()->Invalidate();
  const TPixelImage shown = ShownPixels(list.Grid());
  const auto right = [&](int32_t ARow) {
    const TRect r = list.Grid()->CellRect(1, ARow);
    return shown.Pixel(r.Right - 4, r.Top + r.Height() / 2);
  };
  EXPECT_EQ(right(0), colour(entry.FixedCellRect));
  EXPECT_EQ(right(1), colour(entry.SelectCellRect));
  EXPECT_EQ(right(2), entry.BGColor);  // the editor, in the skin's colour
  EXPECT_EQ(right(3), colour(entry.SelectCellRect));
}

TEST(GridEditor, AGridEditingACellInTheProgramsSkin) {
  TEditingGrid list("slate");
  EditSecondRow(list);
  SaveWindowScreenshot(list.Window().Form()->Handle(), "grid-editor");
}

}  // namespace
