#include "KeyboardFixture.h"

#include "classlib/Button.h"
#include "classlib/Edit.h"
#include "classlib/Label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A dialog: a labelled name, a city, and OK, Cancel and Help buttons on a panel. The
// controls are made in another order than the one Tab follows; clicks are logged.
class DialogKeys : public KeyboardTest {
protected:
  DialogKeys() {
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
    Ok->OnClick = Logs("ok");
    Cancel->OnClick = Logs("cancel");
    Help->OnClick = Logs("help");
  }

  TPanelControl* Buttons;
  TButton* Ok;
  TButton* Cancel;
  TButton* Help;
  TEdit* City;
  TEdit* Name;
  TCustomLabel* NameLabel;
};

TEST_F(DialogKeys, TabAndShiftTabFollowTheTabOrder) {
  ShowWithFocusIn(nullptr);
  ASSERT_EQ(FocusedWindow(), Name->Handle());  // the first tab stop when it shows
  const std::vector<TWinControl*> forward{City, Ok, Cancel, Help, Name};
  for (TWinControl* expected : forward) {
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedWindow(), expected->Handle()) << expected->Caption();
  }
  PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(FocusedWindow(), Help->Handle());
  PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(FocusedWindow(), Cancel->Handle());

  // Disabled and hidden controls, and those that are no tab stop, are passed over.
  Help->SetEnabled(false);
  Name->SetVisible(false);
  City->SetTabStop(false);
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedWindow(), Ok->Handle());
  EXPECT_TRUE(Log.empty());
  // Ctrl+Tab is not the form's.
  PressKey(VK_TAB, {ssCtrl});
  EXPECT_EQ(FocusedWindow(), Ok->Handle());
}

TEST_F(DialogKeys, EnterClicksTheDefaultButtonOnceAndEscapeTheCancelButton) {
  ShowWithFocusIn(nullptr);
  PressKey(VK_RETURN);
  EXPECT_EQ(Log, std::vector<std::string>{"ok"});
  EXPECT_EQ(Form->ModalResult(), mrOk);
  EXPECT_EQ(Name->Text(), "");  // the key never reached the edit
  PressKey(VK_ESCAPE);
  EXPECT_EQ(Log, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_EQ(Form->ModalResult(), mrCancel);

  // On another button Enter clicks that one, which looks like the default meanwhile.
  Log.clear();
  Help->SetFocus();
  EXPECT_NE(GetWindowLongA(Help->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
  EXPECT_EQ(GetWindowLongA(Ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
  PressKey(VK_RETURN);
  EXPECT_EQ(Log, std::vector<std::string>{"help"});
  City->SetFocus();
  EXPECT_NE(GetWindowLongA(Ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);

  // A default button that cannot take the focus does not answer; neither does Enter
  // with a shift key.
  Log.clear();
  PressKey(VK_RETURN, {ssShift});
  Ok->SetEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_TRUE(Log.empty());
}

TEST_F(DialogKeys, ButtonsEndAModalDialog) {
  Form->OnShow = [&](TObject*) {
    // Queued behind the activation: Escape once the dialog has its focus.
    PostMessageA(Form->Handle(), WM_APP, 0, 0);
  };
  const TApplication::TMessageEvent saved = Application->OnMessage;
  Application->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != WM_APP) return;
    handled = true;
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  };
  EXPECT_EQ(Form->ShowModal(), mrCancel);
  Application->OnMessage = saved;
  EXPECT_EQ(Log, std::vector<std::string>{"cancel"});
}

TEST_F(DialogKeys, AcceleratorsMoveTheFocusOrClick) {
  ShowWithFocusIn(nullptr);
  Ok->SetFocus();
  PressKey('N', {ssAlt});  // the label's: its focus control takes the focus
  EXPECT_EQ(FocusedWindow(), Name->Handle());
  PressKey('H', {ssAlt});  // a button's: it is clicked
  EXPECT_EQ(Log, std::vector<std::string>{"help"});

  // Plain characters count where the control does not take them (a button), not in an
  // edit.
  Ok->SetFocus();
  PostChar('n');
  EXPECT_EQ(FocusedWindow(), Name->Handle());
  City->SetFocus();
  PostChar('n');
  EXPECT_EQ(FocusedWindow(), City->Handle());
  EXPECT_EQ(City->Text(), "n");

  // Without ShowAccelChar, or disabled, the label has no accelerator.
  Ok->SetFocus();
  NameLabel->SetShowAccelChar(false);
  PressKey('N', {ssAlt});
  EXPECT_EQ(FocusedWindow(), Ok->Handle());
}

TEST_F(DialogKeys, AShortCutOfTheFormNeverReachesTheControl) {
  ShowWithFocusIn(nullptr);
  std::vector<uint16_t> shortCuts;
  Form->OnShortCut = [&](TWMKey& key, bool& handled) {
    if (key.CharCode != 'Q' && key.CharCode != VK_F5) return;
    shortCuts.push_back(key.CharCode);
    handled = true;
  };
  std::vector<uint16_t> seen;
  Name->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) { seen.push_back(key); };
  Name->OnKeyPress = [&](TObject*, char& key) { seen.push_back(static_cast<uint8_t>(key)); };
  PressKey('Q');
  PressKey(VK_F5, {ssCtrl});
  EXPECT_EQ(shortCuts, (std::vector<uint16_t>{'Q', VK_F5}));
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(Name->Text(), "");

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
  EXPECT_EQ(Name->Text(), "");
  PressKey('E');
  EXPECT_EQ(Name->Text(), "e");
  EXPECT_EQ(seen, (std::vector<uint16_t>{'E', 'e'}));
}

TEST_F(DialogKeys, KeyEventsMayConsumeOrChangeKeys) {
  ShowWithFocusIn(nullptr);
  Name->OnKeyPress = [](TObject*, char& key) {
    if (key == 'x') key = '\0';
    if (key == 'a') key = 'b';
  };
  PressKey('X');
  PressKey('A');
  EXPECT_EQ(Name->Text(), "b");

  // A key set to 0 on the way down goes no further (its character, made before, still
  // comes); the form previews the keys when it asks to.
  std::vector<uint16_t> downs;
  Name->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    downs.push_back(key);
    if (key == VK_HOME) key = 0;
  };
  Name->SetSelStart(1);
  PressKey(VK_HOME);
  EXPECT_EQ(Name->SelStart(), 1);
  std::vector<uint16_t> previewed;
  Form->SetKeyPreview(true);
  Form->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    previewed.push_back(key);
    if (key == VK_END) key = 0;
  };
  PressKey(VK_END);
  PressKey(VK_LEFT);
  EXPECT_EQ(previewed, (std::vector<uint16_t>{VK_END, VK_LEFT}));
  EXPECT_EQ(downs, (std::vector<uint16_t>{VK_HOME, VK_LEFT}));
  EXPECT_EQ(Name->SelStart(), 0);  // End never moved the caret, Left did
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

TEST_F(DialogKeys, ArrowsMoveAmongSiblingsUnlessTheControlWantsThem) {
  auto* grid = AddChild<TArrowControl>(Form.get(), Bounds(240, 10, 70, 50));
  ShowWithFocusIn(nullptr);
  Ok->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(FocusedWindow(), Cancel->Handle());
  PressKey(VK_DOWN);
  EXPECT_EQ(FocusedWindow(), Help->Handle());
  PressKey(VK_RIGHT);  // among the panel's buttons only
  EXPECT_EQ(FocusedWindow(), Ok->Handle());
  PressKey(VK_LEFT);
  EXPECT_EQ(FocusedWindow(), Help->Handle());
  // An edit keeps the arrows (the system control claims them).
  Name->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(FocusedWindow(), Name->Handle());

  grid->SetFocus();
  PressKey(VK_TAB);
  PressKey(VK_UP);
  EXPECT_EQ(FocusedWindow(), grid->Handle());
  EXPECT_EQ(grid->Keys, (std::vector<uint16_t>{VK_TAB, VK_UP}));
  PressKey(VK_RETURN);  // not wanted: the default button
  EXPECT_EQ(Log, std::vector<std::string>{"ok"});
}

}  // namespace
