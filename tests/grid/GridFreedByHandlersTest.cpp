// The grid freed by its own handlers as a user reaches them, under the freed-memory guard
// (a use of the grid after it was freed stops the program): by OnSelectionChange on a
// click, by OnSelectCell on a key, and by OnKeyDown of a key typed into its in-place
// editor. The rest of the message leaves the grid, and its editor, alone.
#include "GridTestKit.h"

#include "grid/InplaceEdit.h"

#include "FreedMemory.h"

#include <gtest/gtest.h>

namespace {

TEST(GridFreedByHandlers, OnSelectionChangeOfAClickOrOnSelectCellOfAKeyFreesIt) {
  const TFreedMemoryGuard guard;
  {
    TGridTestWindow list(20, "flatcolour");
    TDynSkinStringGrid* grid = list.Grid();
    ASSERT_TRUE(list.Focus());
    grid->OnSelectionChange = [grid](TObject*) { grid->Free(); };
    list.Press(3);  // the press selects
    EXPECT_TRUE(TFreedMemoryGuard::Freed(grid));
    PostMouse(list.Window().Form(), WM_LBUTTONUP, 5, 5);
    Application->ProcessMessages();
  }
  TGridTestWindow list(20, "flatcolour");
  TDynSkinStringGrid* grid = list.Grid();
  ASSERT_TRUE(list.Focus());
  grid->OnSelectCell = [grid](TObject*, int32_t, int32_t, bool&) { grid->Free(); };
  PostKey(grid, VK_DOWN);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(grid));
}

TEST(GridFreedByHandlers, OnKeyDownOfAKeyTypedIntoItsEditorFreesItAndTheEditor) {
  const TFreedMemoryGuard guard;
  TGridTestWindow list(20, "");
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetOptions({goEditing});
  ASSERT_TRUE(list.Focus());
  PressKey(VK_F2);
  ASSERT_EQ(grid->ControlCount(), 1);
  auto* editor = dynamic_cast<TDynSkinInplaceEdit*>(grid->Controls(0));
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(editor->Focused());
  grid->OnKeyDown = [grid](TObject*, uint16_t&, TShiftState) { grid->Free(); };
  PressKey('A');
  EXPECT_TRUE(TFreedMemoryGuard::Freed(grid));
  EXPECT_TRUE(TFreedMemoryGuard::Freed(editor));
}

}  // namespace
