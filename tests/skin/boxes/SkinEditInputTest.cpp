// The skinned edits and the memo with the keyboard and the mouse, through the
// application's loop: read-only texts that nothing changes while Ctrl+C still copies, the
// single line a paste gives, Enter and Escape to the form after OnKeyPress, Tab, the
// numeric edit's characters, beep and steps, the button, and the hot look the focus gives.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"
#include "skin/boxes/SkinNumEdit.h"
#include "skin/controls/SkinControlMessages.h"

#include "classlib/Button.h"
#include "classlib/Clipboard.h"
#include "classlib/SystemSeams.h"

#include "base/Locale.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace {

int Beeps = 0;
void CountBeep(UINT) { ++Beeps; }

class SkinEditInput : public ::testing::Test {
protected:
  SkinEditInput() {
    ParkPointer();
    Beeps = 0;
  }

  template <class T>
  T* Add(const TRect& Bounds) {
    auto* control = Window.Add<T>(Bounds);
    if constexpr (std::is_base_of_v<TspSkinChangeParticipant, T>) control->SetSkinData(Window.Data());
    return control;
  }
  void Focus(TWinControl* Control) {
    Window.Show();
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Control->Focused(); }));
  }
  // Everything that would change a text from the keyboard, the clipboard keys and the
  // editing commands.
  static void TryToChange(TWinControl* Control) {
    PostChar('z');
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    PressKey(VK_DELETE, {ssShift});
    PressKey(VK_BACK, {ssAlt});
    for (char key : {'X', 'V', 'Z'}) PressKey(static_cast<uint16_t>(key), {ssCtrl});
    PressKey(VK_INSERT, {ssShift});
    for (UINT command : {WM_CUT, WM_PASTE, WM_CLEAR, WM_UNDO}) SendMessageA(Control->Handle(), command, 0, 0);
  }

  TSkinTestWindow Window{400, 300};
};

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
    TryToChange(control);
    EXPECT_EQ(control->Text(), "abcdef");
    PressKey('C', {ssCtrl});
    EXPECT_EQ(Clipboard().AsText(), "bc");
    // Writable again, the same keys change it.
    edit->SetReadOnly(false);
    memo->SetReadOnly(false);
    PostChar('z');
    EXPECT_EQ(control->Text(), "azdef");
  }
}

TEST_F(SkinEditInput, APasteGivesAnEditTheFirstLineOnlyAndCanBeUndone) {
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
  EXPECT_EQ(edit->Text(), "ab");
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
  for (TspSkinEdit* control : {edit, secret})
    control->OnKeyPress = [&](TObject*, char& Key) { events += "key" + std::to_string(Key) + " "; };
  for (TspSkinEdit* control : {edit, secret}) {
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
  const TspDataSkinEditControl& entry =
      dynamic_cast<const TspDataSkinEditControl&>(*Window.Data()->CtrlList.at(Window.Data()->GetControlIndex("edit")));
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
  EXPECT_EQ(first->Font()->Color(), entry.FontColor);
  EXPECT_EQ(first->Text(), "");
}

TEST_F(SkinEditInput, TheNumericEditTakesNumbersBeepsOtherwiseAndAsksForSteps) {
  TSeamOverride beep(Seams::Beep, CountBeep);
  auto* edit = Add<TspSkinNumEdit>(Bounds(10, 10, 150, 21));
  std::vector<std::string> steps;
  edit->OnStepUp = [&](TObject*) { steps.push_back("up"); };
  edit->OnStepDown = [&](TObject*) { steps.push_back("down"); };
  Focus(edit);
  for (char c : std::string("5--")) PostChar(c);
  EXPECT_EQ(edit->Text(), "5-");
  EXPECT_EQ(Beeps, 1);
  PostChar(DecimalSeparator());  // not without DecimalInput
  EXPECT_EQ(Beeps, 2);
  edit->SetDecimalInput(true);
  PostChar(DecimalSeparator());
  PostChar(DecimalSeparator());
  EXPECT_EQ(edit->Text(), std::string("5-") + DecimalSeparator());
  EXPECT_EQ(Beeps, 3);
  PressKey('C', {ssCtrl});  // a control character passes
  EXPECT_EQ(Beeps, 3);
  PressKey(VK_UP);
  PressKey(VK_DOWN);
  for (int delta : {WHEEL_DELTA, -WHEEL_DELTA})
    SendMessageA(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(delta)), 0);
  EXPECT_EQ(steps, (std::vector<std::string>{"up", "down", "down", "up"}));
  EXPECT_EQ(edit->SelStart(), static_cast<int>(edit->Text().size()));  // the caret did not move
}

TEST_F(SkinEditInput, TheButtonClicksOnItsReleaseTakesTheFocusAndDoesNothingForAReadOnlyEdit) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetButtonMode(true);
  auto* other = Add<TspSkinEdit>(Bounds(10, 40, 150, 21));
  int clicks = 0;
  edit->OnButtonClick = [&](TObject*) { ++clicks; };
  Focus(other);
  const TRect button = edit->Layout().ButtonRect;
  RECT window{};
  GetWindowRect(edit->Handle(), &window);
  const LPARAM at = PointToLParam({window.left + button.Left + 2, window.top + button.Top + 2});
  auto post = [&](UINT Msg) {
    PostMessageA(edit->Handle(), Msg, static_cast<WPARAM>(SendMessageA(edit->Handle(), WM_NCHITTEST, 0, at)), at);
    Application->ProcessMessages();
  };
  post(WM_NCLBUTTONDOWN);
  EXPECT_TRUE(edit->ButtonPressed());
  post(WM_NCLBUTTONUP);
  EXPECT_FALSE(edit->ButtonPressed());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(edit->Focused());
  edit->SetReadOnly(true);
  post(WM_NCLBUTTONDOWN);
  EXPECT_FALSE(edit->ButtonPressed());
  post(WM_NCLBUTTONUP);
  EXPECT_EQ(clicks, 1);
  post(WM_NCLBUTTONDBLCLK);  // shows pressed all the same
  EXPECT_TRUE(edit->ButtonPressed());
}

}  // namespace
