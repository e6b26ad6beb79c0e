// The grid editor's context menu on a window with the skinned frame: its items with the
// captions of the window's skin strings or the built-in ones, which of them can be
// chosen (nothing that would change a cell that may not change), where it opens, and
// each command chosen through the menu engine acting on the text and the cell.
#include "FrameTestKit.h"

#include "grid/SkinStringGrid.h"

#include "skin/data/ResourceStrData.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include "classlib/Clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

// A string grid whose cells may not change while Locked.
class TLockableGrid : public TDynSkinStringGrid {
public:
  using TDynSkinStringGrid::TDynSkinStringGrid;
  bool Locked = false;

protected:
  int32_t GetEditLimit() override { return Locked ? -1 : 0; }
};

class GridEditorMenu : public ::testing::Test {
protected:
  GridEditorMenu() {
    window.Frame()->SetSkinData(window.Data());  // no skin loaded: the skinless look
    grid = new TLockableGrid(window.Form());
    grid->SetParent(window.Form());
    grid->SetBounds(10, 10, 300, 200);
    grid->SetOptions({goEditing});
    grid->SetCells(1, 1, "Title");
    window.Show();
    grid->SetFocus();
    PumpUntil([&] { return grid->Focused(); });
    Clipboard().SetAsText("clip");
  }
  TDynSkinInplaceEdit* Editor() const { return dynamic_cast<TDynSkinInplaceEdit*>(grid->Controls(0)); }
  // Opens the editor's menu at At (from the keyboard by default); its items, a disabled
  // one in brackets.
  Items OpenMenu(TPoint At = {-1, -1}) {
    if (!grid->EditorMode()) PressKey(VK_F2);
    ParkPointer();  // the pointer makes no item hot
    Editor()->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Editor()->Handle()), MAKELPARAM(At.X, At.Y));
    Items items;
    TMenuItem* root = Editor()->ContextMenu()->Items();
    for (int i = 0; i < root->Count(); ++i) {
      const TMenuItem* item = root->Items(i);
      items.push_back(item->Enabled() ? item->Caption() : "(" + item->Caption() + ")");
    }
    return items;
  }
  // Chooses the item with Caption of the open menu through the keys.
  void Choose(const std::string& Caption) {
    const TspSkinPopupWindow* level = window.Frame()->SkinMenu()->PopupWindows().back();
    const auto hot = [&] {
      const int index = level->ItemIndex();
      return index >= 0 && level->Items(index)->MenuItem->Caption() == Caption;
    };
    for (int step = 0; step < 8 && !hot(); ++step) PressKey(VK_DOWN);
    ASSERT_TRUE(hot()) << Caption;
    PressKey(VK_RETURN);
  }

  TFrameWindow window{{100, 100, 400, 300}};
  TLockableGrid* grid;
};

TEST_F(GridEditorMenu, ItemsAreCaptionedFromTheWindowsSkinStringsAndEnabledForTheTextAndTheCell) {
  // The caret after the text: nothing to cut, copy or delete.
  EXPECT_EQ(OpenMenu(), (Items{"(Undo)", "-", "(Cut)", "(Copy)", "Paste", "(Delete)", "-", "Select All"}));
  const TPoint keyboard = Editor()->ContextMenu()->PopupPoint();
  EXPECT_TRUE(BelowTheCaret(Editor(), keyboard)) << keyboard.X << ", " << keyboard.Y;
  EXPECT_GT(keyboard.X, Editor()->ClientToScreen({20, 0}).X);  // past "Title"
  PressKey(VK_ESCAPE);
  PostClick(Editor(), {8, 4}, mbRight);
  ASSERT_TRUE(window.Frame()->SkinMenu()->Active());
  EXPECT_EQ(Editor()->ContextMenu()->PopupPoint(), Editor()->ClientToScreen({8, 4}));
  PressKey(VK_ESCAPE);

  auto* strings = new TspResourceStrData(window.Form());
  TStringList lines;
  lines.SetText("EDIT_UNDO=Annuler\r\nEDIT_CUT=Couper\r\nEDIT_COPY=Copier\r\nEDIT_PASTE=Coller\r\n"
                "EDIT_DELETE=Supprimer\r\nEDIT_SELECTALL=Tout s\xE9lectionner\r\n");
  strings->SetResStrings(lines);
  window.Data()->SetResourceStrData(strings);
  Editor()->SelectAll();
  EXPECT_EQ(OpenMenu({150, 160}), (Items{"(Annuler)", "-", "Couper", "Copier", "Coller", "Supprimer", "-",
                                         "(Tout s\xE9lectionner)"}));
  EXPECT_EQ(Editor()->ContextMenu()->PopupPoint(), (TPoint{150, 160}));
  PressKey(VK_ESCAPE);

  // A cell that may not change offers nothing that would change it.
  PressKey(VK_RETURN);
  grid->Locked = true;
  PressKey(VK_RETURN);
  EXPECT_EQ(OpenMenu(), (Items{"(Annuler)", "-", "(Couper)", "Copier", "(Coller)", "(Supprimer)", "-",
                               "(Tout s\xE9lectionner)"}));
  PressKey(VK_ESCAPE);
}

TEST_F(GridEditorMenu, EachCommandActsOnTheTextAndTheCell) {
  OpenMenu();
  Choose("Select All");
  EXPECT_EQ(Editor()->SelLength(), 5);
  OpenMenu();
  Choose("Copy");
  EXPECT_EQ(Clipboard().AsText(), "Title");
  Clipboard().SetAsText("");
  OpenMenu();
  Choose("Cut");
  EXPECT_EQ(Clipboard().AsText(), "Title");
  EXPECT_EQ(grid->Cells(1, 1), "");
  OpenMenu();
  Choose("Undo");
  EXPECT_EQ(grid->Cells(1, 1), "Title");
  Editor()->SelectAll();
  OpenMenu();
  Choose("Delete");
  EXPECT_EQ(grid->Cells(1, 1), "");
  Clipboard().SetAsText("Pasted");
  OpenMenu();
  Choose("Paste");
  EXPECT_EQ(grid->Cells(1, 1), "Pasted");
}

}  // namespace
