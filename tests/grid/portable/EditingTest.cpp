// The grid model's in-place editor with a pretend editor: the edited text going back to
// its own cell wherever rows and columns go, and when the editor may show; the editor's
// rules for keys, characters and double clicks.
#include "TestGrid.h"

#include "grid/portable/InplaceEditRules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class TTestEditor : public TGridInplaceEditor {
public:
  std::string Text;
  bool Showing = false;
  std::string EditText() override { return Text; }
  bool EditorShowing() override { return Showing; }
  void UpdateLoc(const TRect& Rect) override { Showing = !IsRectEmpty(Rect); }
  void MoveEditor(const TRect& Rect) override { Showing = !IsRectEmpty(Rect); }
  void HideEditorWindow() override { Showing = false; }
  void Deselect() override {}
  void PostChar(char Ch) override { Text += Ch; }
};

// Cells of texts; the editor takes the focused cell's text. The window has the focus.
class TEditingGrid : public TTestGrid {
public:
  TEditingGrid() {
    Focus = true;
    SetColCount(4);
    SetRowCount(30);
    SetOptions({goEditing});
  }
  TTestEditor Editor;
  std::map<std::pair<int32_t, int32_t>, std::string> Texts;
  Log Written;  // "col,row text"

protected:
  TGridInplaceEditor* CreateEditor() override { return &Editor; }
  void UpdateEditor() override {
    TTestGrid::UpdateEditor();
    Editor.Text = Texts[{Col(), Row()}];
  }
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override {
    Texts[{ACol, ARow}] = Value;
    Written.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
  }
};

TEST(GridEditing, TheEditedTextGoesBackToItsOwnCellWhereverRowsAndColumnsGo) {
  TEditingGrid grid;
  grid.Texts[{2, 5}] = "row 5";
  grid.FocusCell(2, 5, true);
  grid.ShowEditor();
  grid.Editor.Text = "edited";
  grid.MoveRow(5, 1);
  grid.MoveColumn(2, 3);
  grid.HideEditor();
  EXPECT_EQ(grid.Written, Log{"3,1 edited"});

  // The program's text reaches an open editor and is not written over; emptying the
  // grid writes back.
  grid.FocusCell(1, 4, true);
  grid.ShowEditor();
  grid.Texts[{1, 4}] = "set";
  grid.InvalidateEditor();
  EXPECT_EQ(grid.Editor.Text, "set");
  EXPECT_EQ(grid.Written.size(), 1u);
  grid.Editor.Text = "last";
  grid.SetDataRowCount(0);
  EXPECT_EQ(grid.Written.back(), "1,4 last");
  EXPECT_FALSE(grid.Editor.Showing);

  // Without the focus only goAlwaysShowEditor shows it; goRowSelect never does.
  grid.SetDataRowCount(5);
  grid.Focus = false;
  grid.ShowEditor();
  EXPECT_FALSE(grid.Editor.Showing);
  grid.HideEditor();
  grid.SetOptions({goEditing, goAlwaysShowEditor});
  EXPECT_TRUE(grid.Editor.Showing);
  grid.SetOptions({goEditing, goRowSelect});
  grid.ShowEditor();
  EXPECT_FALSE(grid.Editor.Showing);
}

TEST(InplaceEditRules, NavigationKeysGoToTheGridAndChangesAreDroppedWhileTheCellMayNotChange) {
  constexpr uint16_t Escape = 0x1B, Insert = 0x2D, Delete = 0x2E;
  const TEditorSelection inside{2, 2, 5}, start{0, 0, 5}, end{5, 5, 5}, all{0, 5, 5}, part{0, 2, 5};
  const TGridKeyShift none, shift{true, false, false}, ctrl{false, true, false}, alt{false, false, true};
  using A = TEditorKeyAction;
  struct Case {
    uint16_t Key;
    TGridKeyShift Shift;
    bool Always, CanModify;
    TEditorSelection Selection;
    A Action;
  } const cases[] = {
      {Escape, none, false, true, inside, A::HandToGrid},       {Insert, none, false, true, inside, A::HandToGrid},
      {Insert, shift, false, false, inside, A::Drop},           {Insert, ctrl, false, false, inside, A::Keep},
      {GridKey::Left, none, false, true, start, A::Keep},       {GridKey::Home, none, true, true, all, A::HandToGrid},
      {GridKey::Left, none, true, true, part, A::Keep},         {GridKey::Left, ctrl, true, true, inside, A::HandToGrid},
      {GridKey::End, none, true, true, end, A::HandToGrid},     {GridKey::Right, none, true, true, part, A::Keep},
      {GridKey::Tab, alt, false, true, inside, A::Keep},        {Delete, shift, false, false, inside, A::Drop},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EditorKeyAction(c.Key, {c.Shift, c.Always, c.CanModify, c.Selection}), c.Action) << "key " << c.Key;
}

TEST(InplaceEditRules, CharactersThatWouldChangeACellThatMayNotChangeAreDropped) {
  using A = TEditorCharAction;
  struct Case {
    uint8_t Ch;
    bool Accepted, CanModify;
    A Action;
  } const cases[] = {
      {'a', false, true, A::Refuse}, {0xE9, true, false, A::Drop}, {8, true, false, A::Drop}, {22, true, false, A::Drop},
      {3, true, false, A::Keep},     {9, true, true, A::Drop},     {13, false, false, A::ToggleSelection},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EditorCharAction(c.Ch, c.Accepted, c.CanModify), c.Action) << "char " << int{c.Ch};
  EXPECT_TRUE(TypesIntoEditor(8, {goEditing}));
  EXPECT_FALSE(TypesIntoEditor(13, {goEditing}));
  EXPECT_FALSE(TypesIntoEditor('a', {}));
}

TEST(InplaceEditRules, APressCompletesADoubleClickOnlySoonAfterAPressOnTheGrid) {
  EXPECT_TRUE(IsEditorDoubleClick(1200, 1000, 500));
  EXPECT_FALSE(IsEditorDoubleClick(1500, 1000, 500));
  EXPECT_FALSE(IsEditorDoubleClick(999, 1000, 500));         // before the grid's press
  EXPECT_TRUE(IsEditorDoubleClick(0x50, 0xFFFFFF00u, 500));  // across the clock's wrap
  // No press on the grid: never, also once the clock passed 2^31 (25 days up).
  EXPECT_FALSE(IsEditorDoubleClick(0x80000010u, 0, 500));
}

}  // namespace
