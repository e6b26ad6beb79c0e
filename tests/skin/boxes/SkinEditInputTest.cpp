// The skinned edits and the memo with the keyboard and the mouse, through the
// application's loop: read-only texts that nothing changes while Ctrl+C still copies, the
// single line a paste gives, Ctrl+A in every kind of edit, Enter and Escape to the form after OnKeyPress, Tab and the
// focus's hot look, the numeric edit's characters, beep and steps, and the button.
#include "SkinEditInputKit.h"

#include "skin/boxes/SkinNumEdit.h"
#include "skin/controls/SkinControlMessages.h"

#include "classlib/Button.h"
#include "classlib/Clipboard.h"
#include "classlib/SystemSeams.h"

#include "base/Locale.h"

#include <gtest/gtest.h>

namespace {

int Beeps = 0;
void CountBeep(UINT) { ++Beeps; }

TEST_F(SkinEditInput, ReadOnlyTextsStayWhateverIsTypedPastedOrCommandedAndCtrlCCopies) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  auto* memo = Add<TspSkinMemo>(Bounds(10, 40, 150, 80));
  for (TCustomEdit* control : std::initializer_list<TCustomEdit*>{edit, memo}) {
    SCOPED_TRACE(control->ClassName());
    control->SetText("abcdef");
    edit->SetReadOnly(true);
    memo->SetReadOnly(true);
    Focus(control);
    control->SetSelStart(1);
    control->SetSelLength(2);
    Clipboard().SetAsText("XY");
    PostChar('z');
    for (uint16_t key : {VK_BACK, VK_DELETE}) PressKey(key);
    PressKey(VK_DELETE, {ssShift});
    PressKey(VK_BACK, {ssAlt});
    for (char key : {'X', 'V', 'Z'}) PressKey(static_cast<uint16_t>(key), {ssCtrl});
    PressKey(VK_INSERT, {ssShift});
    for (UINT command : {WM_CUT, WM_PASTE, WM_CLEAR, WM_UNDO}) SendMessageA(control->Handle(), command, 0, 0);
    EXPECT_EQ(control->Text(), "abcdef");
    PressKey('C', {ssCtrl});
    EXPECT_EQ(Clipboard().AsText(), "bc");
    edit->SetReadOnly(false);  // writable again, the same keys change it
    memo->SetReadOnly(false);
    PostChar('z');
    EXPECT_EQ(control->Text(), "azdef");
  }
}

TEST_F(SkinEditInput, CtrlASelectsEverythingInEveryKindOfEditAndTypesNothing) {
  TSeamOverride beep(Seams::Beep, CountBeep);
  Beeps = 0;
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  auto* number = Add<TspSkinNumEdit>(Bounds(10, 40, 150, 21));
  auto* memo = Add<TspSkinMemo>(Bounds(10, 70, 150, 80));
  auto* readOnly = Add<TspSkinEdit>(Bounds(200, 10, 150, 21));
  readOnly->SetReadOnly(true);
  for (TCustomEdit* control : std::initializer_list<TCustomEdit*>{edit, number, memo, readOnly}) {
    SCOPED_TRACE(control->ClassName());
    const std::string text = control == memo ? "12\r\n34" : "1234";
    control->SetText(text);
    Focus(control);
    control->SetSelStart(1);
    control->SetSelLength(1);
    PressKey('A', {ssCtrl, ssShift});  // not the shortcut
    EXPECT_EQ(control->SelLength(), 1);
    PressKey('A', {ssCtrl});
    EXPECT_EQ(control->SelStart(), 0);
    EXPECT_EQ(control->SelLength(), static_cast<int>(text.size()));
    EXPECT_EQ(control->Text(), text);
  }
  EXPECT_EQ(Beeps, 0);  // the numeric edit takes the key's character for no typing
}

TEST_F(SkinEditInput, APasteGivesAnEditItsFirstLineAsOneStepToUndo) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetText("x");
  Focus(edit);
  edit->SelectAll();
  Clipboard().SetAsText("ab\r\ncd");
  PressKey('V', {ssCtrl});
  EXPECT_EQ(edit->Text(), "ab");
  edit->Undo();
  EXPECT_EQ(edit->Text(), "x");
  edit->SelectAll();
  PressKey(VK_INSERT, {ssShift});
  PressKey(VK_RETURN, {ssCtrl});  // no second line either
  PostChar('\t');
  EXPECT_EQ(edit->Text(), "ab");
  auto* memo = Add<TspSkinMemo>(Bounds(10, 40, 150, 80));
  Focus(memo);
  PressKey('V', {ssCtrl});  // a memo takes every line
  EXPECT_EQ(memo->Text(), "ab\r\ncd");
}

TEST_F(SkinEditInput, EnterAndEscapeReachOnKeyPressThenTheFormsButtonsOnce) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  auto* secret = Add<TspSkinEdit>(Bounds(10, 40, 150, 21));
  secret->SetPasswordChar('*');
  auto* ok = Window.Add<TButton>(Bounds(200, 10, 80, 25));
  ok->SetDefault(true);
  auto* cancel = Window.Add<TButton>(Bounds(200, 40, 80, 25));
  cancel->SetCancel(true);
  std::string events;
  ok->OnClick = [&](TObject*) { events += "ok "; };
  cancel->OnClick = [&](TObject*) { events += "cancel "; };
  for (TspSkinEdit* control : {edit, secret}) {
    control->OnKeyPress = [&](TObject*, char& Key) { events += "key" + std::to_string(Key) + " "; };
    Focus(control);
    events.clear();
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(events, "key13 ok key27 cancel ");
    EXPECT_EQ(control->Text(), "");
  }
}

TEST_F(SkinEditInput, TabMovesTheFocusOnAndTheFocusShowsTheHotLook) {
  Window.Load("flatcolour");
  auto* first = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  auto* second = Add<TspSkinEdit>(Bounds(10, 40, 150, 21));
  Focus(first);
  const auto& entry = dynamic_cast<const TspDataSkinEditControl&>(
      *Window.Data()->CtrlList.at(Window.Data()->GetControlIndex("edit")));
  auto frame = [](TspSkinEdit* Edit) {
    TPixelDC dc(Edit->Width(), Edit->Height());
    Edit->Perform(SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc.DC()), 0);
    return dc.Pixel(0, 0);
  };
  EXPECT_EQ(frame(first), EntryColour(*Window.Data(), "edit", entry.ActiveSkinRect));
  EXPECT_EQ(first->Font()->Color(), entry.ActiveFontColor);
  PressKey(VK_TAB);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(frame(first), EntryColour(*Window.Data(), "edit", entry.SkinRect));
  EXPECT_EQ(first->Text(), "");
}

TEST_F(SkinEditInput, TheNumericEditTakesNumbersBeepsOtherwiseAndAsksForSteps) {
  TSeamOverride beep(Seams::Beep, CountBeep);
  Beeps = 0;
  auto* edit = Add<TspSkinNumEdit>(Bounds(10, 10, 150, 21));
  std::string steps;
  edit->OnStepUp = [&](TObject*) { steps += "up "; };
  edit->OnStepDown = [&](TObject*) { steps += "down "; };
  Focus(edit);
  for (char c : {'5', '-', '-', DecimalSeparator()}) PostChar(c);  // no separator without DecimalInput
  EXPECT_EQ(edit->Text(), "5-");
  EXPECT_EQ(Beeps, 2);
  PressKey(VK_UP);
  PressKey(VK_DOWN);
  for (int delta : {WHEEL_DELTA, -WHEEL_DELTA})
    SendMessageA(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(delta)), 0);
  EXPECT_EQ(steps, "up down down up ");
  EXPECT_EQ(edit->SelStart(), 2);  // the caret did not move
}

TEST_F(SkinEditInput, TheButtonClicksOnItsReleaseTakesTheFocusAndDoesNothingForAReadOnlyEdit) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetButtonMode(true);
  int clicks = 0;
  edit->OnButtonClick = [&](TObject*) { ++clicks; };
  Focus(Add<TspSkinEdit>(Bounds(10, 40, 150, 21)));
  RECT window{};
  GetWindowRect(edit->Handle(), &window);
  const TRect button = edit->Layout().ButtonRect;
  const LPARAM at = PointToLParam({window.left + button.Left + 2, window.top + button.Top + 2});
  auto post = [&](UINT Msg) {
    PostMessageA(edit->Handle(), Msg, static_cast<WPARAM>(SendMessageA(edit->Handle(), WM_NCHITTEST, 0, at)), at);
    Application->ProcessMessages();
    return edit->ButtonPressed();
  };
  EXPECT_TRUE(post(WM_NCLBUTTONDOWN));
  EXPECT_FALSE(post(WM_NCLBUTTONUP));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(edit->Focused());
  edit->SetReadOnly(true);
  EXPECT_FALSE(post(WM_NCLBUTTONDOWN));
  post(WM_NCLBUTTONUP);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(post(WM_NCLBUTTONDBLCLK));  // shows pressed all the same
}

}  // namespace
