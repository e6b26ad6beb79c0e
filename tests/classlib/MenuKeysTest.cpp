#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Edit.h"
#include "classlib/Menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A form with a main menu, a panel with a popup menu and an edit inside, and an edit
// outside the panel. Clicked items log their captions.
class TMenuForm {
public:
  TMenuForm() : Form(MakeForm(200, 200, 300, 120)) {
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
    item->OnClick = [this](TObject* sender) { Clicks.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
    Parent->Add(item);
    return item;
  }

  void ShowWithFocusIn(TEdit* Edit) {
    Form->Show();
    Edit->SetFocus();
    PumpUntil([&] { return GetFocus() == Edit->Handle(); });
  }

  TOwned<TForm> Form;
  TPanelControl* Panel;
  TEdit* Inside;
  TEdit* Outside;
  TMainMenu* MainMenu;
  TPopupMenu* PanelMenu;
  std::vector<std::string> Clicks;
  std::vector<uint16_t> KeysSeen;
};

TEST(MenuKeys, TheFormsMenuTakesItsShortCutsBeforeTheFocusedControl) {
  TMenuForm form;
  form.ShowWithFocusIn(form.Outside);
  PressKey('A', {ssCtrl});
  PressKey('A');
  EXPECT_EQ(form.Clicks, std::vector<std::string>{"Select all"});
  EXPECT_EQ(form.Outside->Text(), "a");

  // The form's own shortcut handler comes first.
  form.Form->OnShortCut = [](TWMKey& key, bool& handled) { handled = key.CharCode == 'A'; };
  PressKey('A', {ssCtrl});
  EXPECT_EQ(form.Clicks.size(), 1u);
}

TEST(MenuKeys, PopupMenusOfTheFocusedControlsChainComeBeforeTheFormsMenu) {
  TMenuForm form;
  form.ShowWithFocusIn(form.Inside);
  PressKey('B', {ssCtrl});
  PressKey('A', {ssCtrl});
  EXPECT_EQ(form.Clicks, (std::vector<std::string>{"Panel bold", "Select all"}));
  EXPECT_TRUE(form.KeysSeen.empty());

  form.Outside->SetFocus();
  PumpUntil([&] { return GetFocus() == form.Outside->Handle(); });
  PressKey('B', {ssCtrl});
  EXPECT_EQ(form.Clicks.back(), "Bold");
}

}  // namespace
