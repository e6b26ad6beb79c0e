#include "KeyboardFixture.h"

#include "classlib/Edit.h"
#include "classlib/Menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A form with a main menu, a panel with a popup menu and an edit inside, and an edit
// outside the panel. Clicked items log their captions.
class MenuKeys : public KeyboardTest {
protected:
  MenuKeys() {
    Panel = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 150, 120));
    Inside = AddChild<TEdit>(Panel, Bounds(10, 10, 100, 21));
    Outside = AddChild<TEdit>(Form.get(), Bounds(160, 10, 100, 21));
    MainMenu = new TMainMenu(Form.get());
    PanelMenu = new TPopupMenu(Form.get());
    Form->SetMenu(MainMenu);
    Panel->SetPopupMenu(PanelMenu);
    TMenuItem* edit = Item(MainMenu->Items(), "Edit", scNone);
    Item(edit, "Select all", ShortCut('A', {ssCtrl}));
    Item(edit, "Bold", ShortCut('B', {ssCtrl}));
    Item(PanelMenu->Items(), "Panel bold", ShortCut('B', {ssCtrl}));
    Inside->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) { KeysSeen.push_back(key); };
  }

  TMenuItem* Item(TMenuItem* Parent, const std::string& Caption, TShortCut Key) {
    auto* item = new TMenuItem(Form.get());
    item->SetCaption(Caption);
    item->SetShortCut(Key);
    item->OnClick = Logs(Caption);
    Parent->Add(item);
    return item;
  }

  TPanelControl* Panel;
  TEdit* Inside;
  TEdit* Outside;
  TMainMenu* MainMenu;
  TPopupMenu* PanelMenu;
  std::vector<uint16_t> KeysSeen;
};

TEST_F(MenuKeys, TheFormsMenuTakesItsShortCutsBeforeTheFocusedControl) {
  ShowWithFocusIn(Outside);
  PressKey('A', {ssCtrl});
  PressKey('A');
  EXPECT_EQ(Log, std::vector<std::string>{"Select all"});
  EXPECT_EQ(Outside->Text(), "a");

  // The form's own shortcut handler comes first.
  Form->OnShortCut = [](TWMKey& key, bool& handled) { handled = key.CharCode == 'A'; };
  PressKey('A', {ssCtrl});
  EXPECT_EQ(Log.size(), 1u);
}

TEST_F(MenuKeys, PopupMenusOfTheFocusedControlsChainComeBeforeTheFormsMenu) {
  ShowWithFocusIn(Inside);
  PressKey('B', {ssCtrl});
  PressKey('A', {ssCtrl});
  EXPECT_EQ(Log, (std::vector<std::string>{"Panel bold", "Select all"}));
  EXPECT_TRUE(KeysSeen.empty());

  Outside->SetFocus();
  PumpUntil([&] { return GetFocus() == Outside->Handle(); });
  PressKey('B', {ssCtrl});
  EXPECT_EQ(Log.back(), "Bold");
}

}  // namespace
