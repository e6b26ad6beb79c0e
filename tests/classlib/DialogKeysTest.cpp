#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Button.h"
#include "classlib/Edit.h"
#include "classlib/Label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A dialog: a labelled name, a city, and OK, Cancel and Help buttons on a panel. The
// controls are made in another order than the one Tab follows.
class TDialog {
public:
  TDialog() : Form(MakeForm(200, 200, 320, 160)) {
    Buttons = AddChild<TPanelControl>(Form.get(), Bounds(0, 100, 320, 60));
    Ok = AddChild<TButton>(Buttons, Bounds(10, 10, 75, 25));
    Cancel = AddChild<TButton>(Buttons, Bounds(95, 10, 75, 25));
    Help = AddChild<TButton>(Buttons, Bounds(180, 10, 75, 25));
    City = AddChild<TEdit>(Form.get(), Bounds(80, 40, 150, 21));
    Name = AddChild<TEdit>(Form.get(), Bounds(80, 10, 150, 21));
    NameLabel = AddChild<TCustomLabel>(Form.get(), Bounds(10, 12, 60, 17));
    Ok->SetCaption("OK");
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    Cancel->SetCaption("Cancel");
    Cancel->SetCancel(true);
    Cancel->SetModalResult(mrCancel);
    Help->SetCaption("&Help");
    NameLabel->SetCaption("&Name:");
    NameLabel->SetFocusControl(Name);
    Name->SetTabOrder(0);
    City->SetTabOrder(1);
    Ok->OnClick = [this](TObject*) { Clicks.push_back("ok"); };
    Cancel->OnClick = [this](TObject*) { Clicks.push_back("cancel"); };
    Help->OnClick = [this](TObject*) { Clicks.push_back("help"); };
  }

  void Show() {
    Form->Show();
    PumpUntil([&] { return GetFocus() == Name->Handle(); });
  }
  HWND Focus() const { return GetFocus(); }

  TOwned<TForm> Form;
  TPanelControl* Buttons;
  TButton* Ok;
  TButton* Cancel;
  TButton* Help;
  TEdit* City;
  TEdit* Name;
  TCustomLabel* NameLabel;
  std::vector<std::string> Clicks;
};

TEST(DialogKeys, TabAndShiftTabFollowTheTabOrder) {
  TDialog dialog;
  dialog.Show();
  ASSERT_EQ(dialog.Focus(), dialog.Name->Handle());  // the first tab stop when it shows
  const std::vector<TWinControl*> forward{dialog.City, dialog.Ok, dialog.Cancel, dialog.Help, dialog.Name};
  for (TWinControl* expected : forward) {
    PressKey(VK_TAB);
    EXPECT_EQ(dialog.Focus(), expected->Handle()) << expected->Caption();
  }
  PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(dialog.Focus(), dialog.Help->Handle());
  PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(dialog.Focus(), dialog.Cancel->Handle());

  // Disabled and hidden controls, and those that are no tab stop, are passed over.
  dialog.Help->SetEnabled(false);
  dialog.Name->SetVisible(false);
  dialog.City->SetTabStop(false);
  PressKey(VK_TAB);
  EXPECT_EQ(dialog.Focus(), dialog.Ok->Handle());
  EXPECT_TRUE(dialog.Clicks.empty());
  // Ctrl+Tab is not the form's.
  PressKey(VK_TAB, {ssCtrl});
  EXPECT_EQ(dialog.Focus(), dialog.Ok->Handle());
}

TEST(DialogKeys, EnterClicksTheDefaultButtonOnceAndEscapeTheCancelButton) {
  TDialog dialog;
  dialog.Show();
  PressKey(VK_RETURN);
  EXPECT_EQ(dialog.Clicks, std::vector<std::string>{"ok"});
  EXPECT_EQ(dialog.Form->ModalResult(), mrOk);
  EXPECT_EQ(dialog.Name->Text(), "");  // the key never reached the edit
  PressKey(VK_ESCAPE);
  EXPECT_EQ(dialog.Clicks, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_EQ(dialog.Form->ModalResult(), mrCancel);

  // On another button Enter clicks that one, which looks like the default meanwhile.
  dialog.Clicks.clear();
  dialog.Help->SetFocus();
  EXPECT_NE(GetWindowLongA(dialog.Help->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
  EXPECT_EQ(GetWindowLongA(dialog.Ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
  PressKey(VK_RETURN);
  EXPECT_EQ(dialog.Clicks, std::vector<std::string>{"help"});
  dialog.City->SetFocus();
  EXPECT_NE(GetWindowLongA(dialog.Ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);

  // A default button that cannot take the focus does not answer; neither does Enter
  // with a shift key.
  dialog.Clicks.clear();
  PressKey(VK_RETURN, {ssShift});
  dialog.Ok->SetEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_TRUE(dialog.Clicks.empty());
}

TEST(DialogKeys, ButtonsEndAModalDialog) {
  TDialog dialog;
  dialog.Form->OnShow = [&](TObject*) {
    // Queued behind the activation: Escape once the dialog has its focus.
    PostMessageA(dialog.Form->Handle(), WM_APP, 0, 0);
  };
  const TApplication::TMessageEvent saved = Application->OnMessage;
  Application->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != WM_APP) return;
    handled = true;
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  };
  EXPECT_EQ(dialog.Form->ShowModal(), mrCancel);
  Application->OnMessage = saved;
  EXPECT_EQ(dialog.Clicks, std::vector<std::string>{"cancel"});
}

TEST(DialogKeys, AcceleratorsMoveTheFocusOrClick) {
  TDialog dialog;
  dialog.Show();
  dialog.Ok->SetFocus();
  PressKey('N', {ssAlt});  // the label's: its focus control takes the focus
  EXPECT_EQ(dialog.Focus(), dialog.Name->Handle());
  PressKey('H', {ssAlt});  // a button's: it is clicked
  EXPECT_EQ(dialog.Clicks, std::vector<std::string>{"help"});

  // Plain characters count where the control does not take them (a button), not in an
  // edit.
  dialog.Ok->SetFocus();
  PostChar('n');
  EXPECT_EQ(dialog.Focus(), dialog.Name->Handle());
  dialog.City->SetFocus();
  PostChar('n');
  EXPECT_EQ(dialog.Focus(), dialog.City->Handle());
  EXPECT_EQ(dialog.City->Text(), "n");

  // Without ShowAccelChar, or disabled, the label has no accelerator.
  dialog.Ok->SetFocus();
  dialog.NameLabel->SetShowAccelChar(false);
  PressKey('N', {ssAlt});
  EXPECT_EQ(dialog.Focus(), dialog.Ok->Handle());
}

TEST(DialogKeys, AShortCutOfTheFormNeverReachesTheControl) {
  TDialog dialog;
  dialog.Show();
  std::vector<uint16_t> shortCuts;
  dialog.Form->OnShortCut = [&](TWMKey& key, bool& handled) {
    if (key.CharCode != 'Q' && key.CharCode != VK_F5) return;
    shortCuts.push_back(key.CharCode);
    handled = true;
  };
  std::vector<uint16_t> seen;
  dialog.Name->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) { seen.push_back(key); };
  dialog.Name->OnKeyPress = [&](TObject*, char& key) { seen.push_back(static_cast<uint8_t>(key)); };
  PressKey('Q');
  PressKey(VK_F5, {ssCtrl});
  EXPECT_EQ(shortCuts, (std::vector<uint16_t>{'Q', VK_F5}));
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(dialog.Name->Text(), "");

  // The application is asked after the form.
  std::vector<uint16_t> applicationKeys;
  const TShortCutEvent saved = Application->OnShortCut;
  Application->OnShortCut = [&](TWMKey& key, bool& handled) {
    applicationKeys.push_back(key.CharCode);
    handled = key.CharCode == 'W';
  };
  PressKey('Q');
  PressKey('W');
  Application->OnShortCut = saved;
  EXPECT_EQ(applicationKeys, std::vector<uint16_t>{'W'});
  EXPECT_EQ(dialog.Name->Text(), "");
  PressKey('E');
  EXPECT_EQ(dialog.Name->Text(), "e");
  EXPECT_EQ(seen, (std::vector<uint16_t>{'E', 'e'}));
}

TEST(DialogKeys, KeyEventsMayConsumeOrChangeKeys) {
  TDialog dialog;
  dialog.Show();
  dialog.Name->OnKeyPress = [](TObject*, char& key) {
    if (key == 'x') key = '\0';
    if (key == 'a') key = 'b';
  };
  PressKey('X');
  PressKey('A');
  EXPECT_EQ(dialog.Name->Text(), "b");

  // A key set to 0 on the way down goes no further (its character, made before, still
  // comes); the form previews the keys when it asks to.
  std::vector<uint16_t> downs;
  dialog.Name->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    downs.push_back(key);
    if (key == VK_HOME) key = 0;
  };
  dialog.Name->SetSelStart(1);
  PressKey(VK_HOME);
  EXPECT_EQ(dialog.Name->SelStart(), 1);
  std::vector<uint16_t> previewed;
  dialog.Form->SetKeyPreview(true);
  dialog.Form->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    previewed.push_back(key);
    if (key == VK_END) key = 0;
  };
  PressKey(VK_END);
  PressKey(VK_LEFT);
  EXPECT_EQ(previewed, (std::vector<uint16_t>{VK_END, VK_LEFT}));
  EXPECT_EQ(downs, (std::vector<uint16_t>{VK_HOME, VK_LEFT}));
  EXPECT_EQ(dialog.Name->SelStart(), 0);  // End never moved the caret, Left did
}

// A control that keeps the arrows and Tab for itself.
class TArrowControl : public TPanelControl {
public:
  explicit TArrowControl(TComponent* AOwner) : TPanelControl(AOwner) { SetTabStop(true); }
  std::vector<uint16_t> Keys;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_WANTSPECIALKEY) {
      Message.Result = Message.WParam != VK_RETURN;
      return;
    }
    TPanelControl::Dispatch(Message);
  }

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    Keys.push_back(Key);
    TPanelControl::KeyDown(Key, Shift);
  }
};

TEST(DialogKeys, ArrowsMoveAmongSiblingsUnlessTheControlWantsThem) {
  TDialog dialog;
  auto* grid = AddChild<TArrowControl>(dialog.Form.get(), Bounds(240, 10, 70, 50));
  dialog.Show();
  dialog.Ok->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(dialog.Focus(), dialog.Cancel->Handle());
  PressKey(VK_DOWN);
  EXPECT_EQ(dialog.Focus(), dialog.Help->Handle());
  PressKey(VK_RIGHT);  // among the panel's buttons only
  EXPECT_EQ(dialog.Focus(), dialog.Ok->Handle());
  PressKey(VK_LEFT);
  EXPECT_EQ(dialog.Focus(), dialog.Help->Handle());
  // An edit keeps the arrows (the system control claims them).
  dialog.Name->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(dialog.Focus(), dialog.Name->Handle());

  grid->SetFocus();
  PressKey(VK_TAB);
  PressKey(VK_UP);
  EXPECT_EQ(dialog.Focus(), grid->Handle());
  EXPECT_EQ(grid->Keys, (std::vector<uint16_t>{VK_TAB, VK_UP}));
  PressKey(VK_RETURN);  // not wanted: the default button
  EXPECT_EQ(dialog.Clicks, std::vector<std::string>{"ok"});
}

}  // namespace
