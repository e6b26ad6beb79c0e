// The grid model's in-place editor with a pretend editor: when it shows and over which
// cell, what goes back to which cell as the editor moves, scrolls and the lines move; and
// the editor's rules for keys, characters and double clicks.
#include "TestGrid.h"

#include "grid/portable/InplaceEditRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Records how the model places it; typing is writing Text.
class TTestEditor : public TGridInplaceEditor {
public:
  std::string Text;
  bool Showing = false;
  TRect Bounds;
  Log Calls;

  std::string EditText() override { return Text; }
  bool EditorShowing() override { return Showing; }
  void UpdateLoc(const TRect& Rect) override { Place(Rect, "loc"); }
  void MoveEditor(const TRect& Rect) override { Place(Rect, "move"); }
  void HideEditorWindow() override {
    if (Showing) Calls.push_back("hide");
    Showing = false;
  }
  void Deselect() override { Calls.push_back("deselect"); }
  void PostChar(char Ch) override { Text += Ch; }

private:
  void Place(const TRect& Rect, const char* How) {
    if (IsRectEmpty(Rect)) return HideEditorWindow();
    Bounds = Rect;
    Showing = true;
    Calls.push_back(How);
  }
};

// A grid with texts per cell whose editor loads the focused cell's text.
class TEditingGrid : public TTestGrid {
public:
  TEditingGrid() {
    SetColCount(4);
    SetRowCount(30);
    SetOptions({goEditing});
  }
  TTestEditor Editor;
  int Created = 0;
  bool Focus = true;
  std::map<std::pair<int32_t, int32_t>, std::string> Texts;
  Log Written;  // "col,row text"

  std::string Text(int32_t ACol, int32_t ARow) { return Texts[{ACol, ARow}]; }
  bool EditsFocusedCell() const {
    return Editor.Showing && InplaceCol() == Col() && InplaceRow() == Row() && Editor.Bounds == CellRect(Col(), Row());
  }
  using TGridModel::EditorDestroyed;

protected:
  TGridInplaceEditor* CreateEditor() override {
    ++Created;
    return &Editor;
  }
  void UpdateEditor() override {
    TTestGrid::UpdateEditor();
    Editor.Text = GetEditText(Col(), Row());
  }
  bool GridHasFocus() const override { return Focus; }
  std::string GetEditText(int32_t ACol, int32_t ARow) override { return Texts[{ACol, ARow}]; }
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override {
    Texts[{ACol, ARow}] = Value;
    Written.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
  }
};

TEST(GridEditing, TheEditorShowsInEditorModeWithGoEditingAndTheFocus) {
  TEditingGrid grid;
  grid.Texts[{1, 1}] = "one";
  grid.SetEditorMode(true);
  EXPECT_TRUE(grid.EditsFocusedCell());
  EXPECT_EQ(grid.Editor.Calls, (Log{"move", "deselect"}));
  EXPECT_EQ(grid.Editor.Text, "one");
  grid.Editor.Text = "one!";
  grid.SetEditorMode(false);
  EXPECT_FALSE(grid.Editor.Showing);
  EXPECT_EQ(grid.InplaceCol(), -1);
  EXPECT_EQ(grid.Written, Log{"1,1 one!"});
  grid.HideEditor();  // nothing held: nothing written
  EXPECT_EQ(grid.Written.size(), 1u);

  // Without the focus only goAlwaysShowEditor shows it; goRowSelect never does.
  grid.Focus = false;
  grid.ShowEditor();
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_FALSE(grid.Editor.Showing);
  grid.HideEditor();
  grid.SetOptions({goEditing, goAlwaysShowEditor});  // shows it at once
  EXPECT_TRUE(grid.EditsFocusedCell());
  grid.SetOptions({goEditing, goAlwaysShowEditor, goRangeSelect});  // editing: stays
  EXPECT_TRUE(grid.EditsFocusedCell());
  grid.HideEditor();
  grid.SetOptions({goEditing, goRowSelect});
  grid.Focus = true;
  grid.ShowEditorChar('x');
  EXPECT_FALSE(grid.Editor.Showing);
  EXPECT_EQ(grid.Created, 1);

  // A typed character opens it and goes in after the cell's text.
  grid.SetOptions({goEditing});
  grid.ShowEditorChar('x');
  EXPECT_TRUE(grid.EditsFocusedCell());
  EXPECT_EQ(grid.Editor.Text, "one!x");
}

TEST(GridEditing, TheEditedTextGoesBackToItsCellWhereverTheEditorAndTheCellGo) {
  TEditingGrid grid;
  for (int32_t row = 1; row < 30; ++row) grid.Texts[{1, row}] = "row " + std::to_string(row);
  grid.FocusCell(1, 2, true);
  grid.ShowEditor();
  grid.Editor.Text = "edited 2";
  grid.MoveByKey(GridKey::Down, {});
  EXPECT_EQ(grid.Written, Log{"1,2 edited 2"});
  EXPECT_TRUE(grid.EditsFocusedCell());
  EXPECT_EQ(grid.Editor.Text, "row 3");

  // A press on the focused cell opens the editor, one on another cell takes it along.
  grid.HideEditor();
  const TRect cell = grid.CellRect(1, 3);
  grid.PressAt({cell.Left + 5, cell.Top + 5}, false);
  EXPECT_TRUE(grid.EditsFocusedCell());
  const TRect other = grid.CellRect(2, 5);
  grid.Editor.Text = "edited 3";
  grid.PressAt({other.Left + 5, other.Top + 5}, false);
  EXPECT_EQ(grid.Written.back(), "1,3 edited 3");
  EXPECT_TRUE(grid.EditsFocusedCell());
  EXPECT_EQ(grid.InplaceCol(), 2);

  // Moved rows and columns take the edited cell along.
  grid.Editor.Text = "edited 5";
  grid.MoveRow(5, 1);
  grid.MoveColumn(2, 3);
  grid.HideEditor();
  EXPECT_EQ(grid.Written.back(), "3,1 edited 5");

  // The program's text reaches an open editor; the editor's text is not written over it.
  grid.FocusCell(1, 4, true);
  grid.ShowEditor();
  grid.Texts[{1, 4}] = "set";
  grid.Written.clear();
  grid.InvalidateEditor();
  EXPECT_EQ(grid.Editor.Text, "set");
  EXPECT_TRUE(grid.Written.empty());

  // Emptying the grid writes back and hides the editor.
  grid.Editor.Text = "last";
  grid.SetDataRowCount(0);
  EXPECT_EQ(grid.Written, Log{"1,4 last"});
  EXPECT_FALSE(grid.Editor.Showing);
}

TEST(GridEditing, TheEditorHidesWhileItsCellIsScrolledAwayAndComesBackWithIt) {
  TEditingGrid grid;
  grid.ShowEditor();
  grid.Editor.Calls.clear();
  for (int step = 0; step < 3; ++step) grid.ModifyScrollBar(gbVertical, scLineDown, 0, false);
  EXPECT_FALSE(grid.Editor.Showing);
  EXPECT_TRUE(grid.EditorMode());
  grid.ModifyScrollBar(gbVertical, scTop, 0, false);
  EXPECT_TRUE(grid.EditsFocusedCell());
  EXPECT_EQ(grid.Editor.Calls, (Log{"hide", "loc"}));
  EXPECT_TRUE(grid.Written.empty());

  // Wider columns take it along to the cell's new place.
  grid.SetColWidths(0, 100);
  EXPECT_TRUE(grid.EditsFocusedCell());

  // An editor that goes leaves the grid without one, holding no cell.
  grid.EditorDestroyed();
  grid.HideEditor();
  EXPECT_TRUE(grid.Written.empty());
  grid.ShowEditor();
  EXPECT_EQ(grid.Created, 2);
}

TEST(InplaceEditKeys, NavigationKeysGoToTheGridAndChangesAreDroppedWhileTheCellMayNotChange) {
  constexpr uint16_t Escape = 0x1B, Insert = 0x2D, Delete = 0x2E, Letter = 'A';
  const TEditorSelection caretInside{2, 2, 5}, atStart{0, 0, 5}, atEnd{5, 5, 5}, all{0, 5, 5}, part{0, 2, 5};
  struct Case {
    uint16_t Key;
    TGridKeyShift Shift;
    bool AlwaysShowEditor, CanModify;
    TEditorSelection Selection;
    TEditorKeyAction Action;
  };
  using A = TEditorKeyAction;
  const Case cases[] = {
      {GridKey::Up, {}, false, true, caretInside, A::HandToGrid},
      {GridKey::PageDown, {true, false, false}, false, true, caretInside, A::HandToGrid},
      {Escape, {}, false, true, caretInside, A::HandToGrid},
      {Insert, {}, false, true, caretInside, A::HandToGrid},
      {Insert, {true, false, false}, false, true, caretInside, A::Keep},  // pastes
      {Insert, {true, false, false}, false, false, caretInside, A::Drop},
      {Insert, {false, true, false}, false, false, caretInside, A::Keep},  // copies
      {GridKey::Left, {}, false, true, atStart, A::Keep},
      {GridKey::Left, {}, true, true, atStart, A::HandToGrid},
      {GridKey::Home, {}, true, true, all, A::HandToGrid},
      {GridKey::Left, {}, true, true, caretInside, A::Keep},
      {GridKey::Left, {}, true, true, part, A::Keep},
      {GridKey::Left, {false, true, false}, true, true, caretInside, A::HandToGrid},
      {GridKey::Right, {}, true, true, atEnd, A::HandToGrid},
      {GridKey::End, {}, true, true, all, A::HandToGrid},
      {GridKey::Right, {}, true, true, part, A::Keep},
      {GridKey::Right, {}, false, true, atEnd, A::Keep},
      {GridKey::F2, {}, false, true, caretInside, A::Deselect},
      {GridKey::Tab, {}, false, true, caretInside, A::HandToGrid},
      {GridKey::Tab, {false, false, true}, false, true, caretInside, A::Keep},
      {Delete, {}, false, true, caretInside, A::Keep},
      {Delete, {}, false, false, caretInside, A::Drop},
      {Delete, {true, false, false}, false, false, caretInside, A::Drop},  // cuts
      {Letter, {}, false, false, caretInside, A::Keep},                   // its character decides
  };
  for (const Case& c : cases) {
    const TEditorKeyState state{c.Shift, c.AlwaysShowEditor, c.CanModify, c.Selection};
    EXPECT_EQ(EditorKeyAction(c.Key, state), c.Action) << "key " << c.Key << " at " << c.Selection.Start;
  }
}

TEST(InplaceEditKeys, CharactersThatWouldChangeACellThatMayNotChangeAreDropped) {
  using A = TEditorCharAction;
  struct Case {
    uint8_t Ch;
    bool Accepted, CanModify;
    A Action;
  };
  const Case cases[] = {
      {'a', true, true, A::Keep},       {'a', false, true, A::Refuse}, {'a', true, false, A::Drop},
      {0xE9, true, false, A::Drop},     {0xE9, false, false, A::Refuse}, {8, true, false, A::Drop},
      {8, true, true, A::Keep},         {22, true, false, A::Drop},      {24, true, false, A::Drop},
      {3, true, false, A::Keep},  // Ctrl+C copies
      {9, true, true, A::Drop},         {27, true, true, A::Drop},       {13, true, true, A::ToggleSelection},
      {13, false, false, A::ToggleSelection},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EditorCharAction(c.Ch, c.Accepted, c.CanModify), c.Action) << "char " << int{c.Ch};
  EXPECT_TRUE(TypesIntoEditor('a', {goEditing}));
  EXPECT_TRUE(TypesIntoEditor(8, {goEditing}));
  EXPECT_FALSE(TypesIntoEditor(13, {goEditing}));
  EXPECT_FALSE(TypesIntoEditor('a', {}));
}

TEST(InplaceEditKeys, APressCompletesADoubleClickOnlySoonAfterAPressOnTheGrid) {
  EXPECT_TRUE(IsEditorDoubleClick(1200, 1000, 500));
  EXPECT_FALSE(IsEditorDoubleClick(1500, 1000, 500));
  EXPECT_FALSE(IsEditorDoubleClick(999, 1000, 500));  // before the grid's press
  EXPECT_TRUE(IsEditorDoubleClick(0x50, 0xFFFFFF00u, 500));  // across the clock's wrap
  // No press on the grid: never, also once the clock passed 2^31 (25 days up).
  EXPECT_FALSE(IsEditorDoubleClick(0x80000010u, 0, 500));
  EXPECT_FALSE(IsEditorDoubleClick(100, 0, 500));
}

}  // namespace
