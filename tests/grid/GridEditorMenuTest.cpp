// The grid editor's context menu on a window with the skinned frame: its items with the
// captions of the skin's strings or the built-in ones, which of them can be chosen, where
// it opens, each command chosen through the menu engine acting on the text and the cell,
// and the menu freed once the command's report has returned.
#include "FrameTestKit.h"

#include "grid/SkinStringGrid.h"

#include "skin/data/ResourceStrData.h"
#include "skin/menus/FreeWatch.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"
#include "skin/menus/SkinMenuItem.h"

#include "classlib/Clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Flags = std::vector<bool>;

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
  // Opens the menu of the editor of the focused cell, from the keyboard.
  TspSkinPopupMenu* OpenMenu() {
    if (!grid->EditorMode()) PressKey(VK_F2);
    ParkPointer();  // the pointer makes no item hot
    Editor()->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Editor()->Handle()), MAKELPARAM(-1, -1));
    return Editor()->ContextMenu();
  }
  static Texts Captions(TspSkinPopupMenu* Menu) {
    Texts captions;
    for (int i = 0; i < Menu->Items()->Count(); ++i) captions.push_back(Menu->Items()->Items(i)->Caption());
    return captions;
  }
  static Flags Enabled(TspSkinPopupMenu* Menu) {
    Flags enabled;
    for (int i = 0; i < Menu->Items()->Count(); ++i) enabled.push_back(Menu->Items()->Items(i)->Enabled());
    return enabled;
  }
  // Chooses the item with Caption of the open menu through the keys.
  void Choose(const std::string& Caption) {
    const TspSkinPopupWindow* level = Engine()->PopupWindows().back();
    const auto hot = [&] {
      const int index = level->ItemIndex();
      return index >= 0 && level->Items(index)->MenuItem->Caption() == Caption;
    };
    for (int step = 0; step < 8 && !hot(); ++step) PressKey(VK_DOWN);
    ASSERT_TRUE(hot()) << Caption;
    PressKey(VK_RETURN);
  }
  TspSkinMenu* Engine() const { return window.Frame()->SkinMenu(); }

  TFrameWindow window{{100, 100, 400, 300}};
  TLockableGrid* grid;
};

TEST_F(GridEditorMenu, ItemsAreCaptionedFromTheSkinsStringsAndEnabledForTheTextAndTheClipboard) {
  TspSkinPopupMenu* menu = OpenMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(Engine()->Active());
  EXPECT_EQ(Captions(menu), (Texts{"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}));
  // The caret after the text: nothing to cut, copy or delete.
  EXPECT_EQ(Enabled(menu), (Flags{false, true, false, false, true, false, true, true}));
  const TPoint centre = Editor()->ClientToScreen({Editor()->Width() / 2, Editor()->Height() / 2});
  EXPECT_EQ(menu->PopupPoint(), centre);
  PressKey(VK_ESCAPE);

  // The window's skin strings, the whole text selected, an empty clipboard.
  auto* strings = new TspResourceStrData(window.Form());
  TStringList lines;
  lines.SetText("EDIT_UNDO=Annuler\r\nEDIT_CUT=Couper\r\nEDIT_COPY=Copier\r\nEDIT_PASTE=Coller\r\n"
                "EDIT_DELETE=Supprimer\r\nEDIT_SELECTALL=Tout s\xE9lectionner\r\n");
  strings->SetResStrings(lines);
  window.Data()->SetResourceStrData(strings);
  Clipboard().SetAsText("");
  Editor()->SelectAll();
  const TPoint at{centre.X - 20, centre.Y + 3};
  Editor()->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Editor()->Handle()), MAKELPARAM(at.X, at.Y));
  menu = Editor()->ContextMenu();
  EXPECT_EQ(menu->PopupPoint(), at);
  EXPECT_EQ(Captions(menu), (Texts{"Annuler", "-", "Couper", "Copier", "Coller", "Supprimer", "-",
                                   "Tout s\xE9lectionner"}));
  EXPECT_EQ(Enabled(menu), (Flags{false, true, true, true, false, true, true, false}));
  PressKey(VK_ESCAPE);

  // A right click opens it where it was given.
  PostClick(Editor(), {8, 4}, mbRight);
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(Editor()->ContextMenu()->PopupPoint(), Editor()->ClientToScreen({8, 4}));
  PressKey(VK_ESCAPE);

  // A cell that may not change offers nothing that would change it.
  PressKey(VK_RETURN);
  grid->Locked = true;
  PressKey(VK_RETURN);
  EXPECT_EQ(Enabled(OpenMenu()), (Flags{false, true, false, true, false, false, true, false}));
  PressKey(VK_ESCAPE);
}

TEST_F(GridEditorMenu, EachCommandActsOnTheTextAndTheCellAndItsMenuGoesAfterwards) {
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
  EXPECT_EQ(Editor()->Text(), "Pasted");

  // The menu outlives the report that its command ran, and goes once that returned.
  TspSkinPopupMenu* menu = OpenMenu();
  PressKey(VK_ESCAPE);
  const TspFreeWatch watch(menu);
  Editor()->Perform(SP_MENU_ITEM_EXECUTED, 0, 0);
  EXPECT_FALSE(watch.Gone());
  EXPECT_TRUE(PumpUntil([&] { return watch.Gone(); }));
  EXPECT_EQ(Editor()->ContextMenu(), nullptr);
}

}  // namespace
