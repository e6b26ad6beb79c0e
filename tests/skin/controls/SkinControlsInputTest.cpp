// Skinned controls driven through the application's loop. The push button: presses and
// releases, repeated clicks, groups, the dialog keys and accelerators of default and
// cancel buttons, the space bar, the modal result, and the hot look of the default
// button. The plain label: its accelerator moves the focus. The button and the check box
// answer only a release of the space bar whose press they saw.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinButtonData.h"

#include "classlib/Edit.h"

#include "TestControls.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class SkinButtonInput : public ::testing::Test {
protected:
  SkinButtonInput() { ParkPointer(); }

  TspSkinButton* AddButton(const TRect& Bounds, const std::string& Caption, TWinControl* Parent = nullptr) {
    auto* button = Window.Add<TspSkinButton>(Bounds, Parent);
    button->SetCaption(Caption);
    button->SetSkinData(Window.Data());
    button->OnClick = [this, Caption](TObject*) { ++Clicks[Caption]; };
    return button;
  }
  // Shows the window with the focus in Control.
  void ShowWithFocusIn(TWinControl* Control) {
    Window.Show();
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Control->Handle(); }));
  }
  // Presses the left button at (X, Y) of Button, moves to (MoveX, MoveY) and releases it there.
  static void Drag(TspSkinButton* Button, TPoint Press, TPoint Release) {
    PostMouse(Button, WM_LBUTTONDOWN, Press.X, Press.Y, MK_LBUTTON);
    PostMouse(Button, WM_MOUSEMOVE, Release.X, Release.Y, MK_LBUTTON);
    PostMouse(Button, WM_LBUTTONUP, Release.X, Release.Y);
    Application->ProcessMessages();
  }

  TSkinTestWindow Window;
  std::map<std::string, int> Clicks;
};

TEST_F(SkinButtonInput, APressReleasedInsideClicksOnceAndOneReleasedOutsideRaisesTheButtonOnly) {
  TspSkinButton* ok = AddButton({10, 10, 90, 35}, "OK");
  Window.Show();
  PostClick(ok);
  EXPECT_EQ(Clicks["OK"], 1);
  EXPECT_FALSE(ok->Down());
  Drag(ok, {10, 10}, {200, 100});
  EXPECT_EQ(Clicks["OK"], 1);
  EXPECT_FALSE(ok->Down());
  EXPECT_FALSE(ok->MouseIn());
}

TEST_F(SkinButtonInput, AHeldRepeatButtonClicksAtEveryTickAndStopsOutside) {
  TspSkinButton* more = AddButton({10, 10, 90, 35}, "More");
  more->SetRepeatMode(true);
  Window.Show();
  PostMouse(more, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  Application->ProcessMessages();
  EXPECT_TRUE(more->Down());
  for (int i = 0; i < 3; ++i) SendMessageA(more->Handle(), WM_TIMER, TspSkinButton::RepeatTimerId, 0);
  EXPECT_EQ(Clicks["More"], 3);
  PostMouse(more, WM_LBUTTONUP, 10, 10);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks["More"], 4);  // the release inside clicks once more
  EXPECT_FALSE(more->Down());
}

TEST_F(SkinButtonInput, AGroupHasOneButtonDownAndAllowAllUpLetsItGoUp) {
  TspSkinButton* left = AddButton({10, 10, 60, 35}, "Left");
  TspSkinButton* right = AddButton({70, 10, 120, 35}, "Right");
  TspSkinButton* other = AddButton({130, 10, 180, 35}, "Other");
  left->SetGroupIndex(1);
  right->SetGroupIndex(1);
  other->SetGroupIndex(2);
  EXPECT_FALSE(left->CanFocused());
  other->SetDown(true);
  Window.Show();
  PostClick(left);
  PostClick(right);
  EXPECT_EQ((std::pair(left->Down(), right->Down())), std::pair(false, true));
  EXPECT_TRUE(other->Down());  // another group
  EXPECT_EQ(Clicks["Left"] + Clicks["Right"], 2);
  PostClick(right);  // stays down
  EXPECT_TRUE(right->Down());
  EXPECT_EQ(Clicks["Right"], 1);
  right->SetAllowAllUp(true);
  PostClick(right);
  EXPECT_FALSE(right->Down());
  EXPECT_EQ(Clicks["Right"], 2);
}

class SkinDialogButtons : public SkinButtonInput {
protected:
  SkinDialogButtons() {
    Edit = Window.Add<TEdit>({10, 10, 150, 31});
    Ok = AddButton({10, 50, 85, 75}, "OK");
    Cancel = AddButton({95, 50, 170, 75}, "Cancel");
    Apply = AddButton({180, 50, 255, 75}, "&Apply");
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    Cancel->SetCancel(true);
    Cancel->SetModalResult(mrCancel);
  }
  TEdit* Edit;
  TspSkinButton* Ok;
  TspSkinButton* Cancel;
  TspSkinButton* Apply;
};

TEST_F(SkinDialogButtons, EnterEscapeAndTheAcceleratorClickTheirButtons) {
  ShowWithFocusIn(Edit);
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE, {ssShift});  // not with a shift key
  PressKey(VK_ESCAPE);
  EXPECT_EQ((std::pair(Clicks["OK"], Clicks["Cancel"])), std::pair(1, 1));
  EXPECT_EQ(Window.Form()->ModalResult(), mrCancel);
  PressKey('A', {ssAlt});
  EXPECT_EQ(Clicks["&Apply"], 1);
  EXPECT_EQ(GetFocus(), Apply->Handle());
  PressKey(VK_RETURN);  // the focused button answers Enter now
  EXPECT_EQ((std::pair(Clicks["OK"], Clicks["&Apply"])), std::pair(1, 2));
  Edit->SetFocus();
  Apply->SetCanFocused(false);
  PressKey('A', {ssAlt});
  EXPECT_EQ(Clicks["&Apply"], 2);
}

TEST_F(SkinDialogButtons, ALabelsAcceleratorFocusesItsControl) {
  auto* label = Window.Add<TspSkinStdLabel>({160, 10, 200, 30});
  label->SetCaption("&Name");
  label->SetFocusControl(Edit);
  ShowWithFocusIn(Ok);
  PressKey('N', {ssAlt});
  EXPECT_EQ(GetFocus(), Edit->Handle());
}

TEST_F(SkinDialogButtons, HiddenOrDisabledDefaultAndCancelButtonsDoNothing) {
  ShowWithFocusIn(Edit);
  Ok->Hide();
  Cancel->SetEnabled(false);
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(Clicks["OK"] + Clicks["Cancel"], 0);
  EXPECT_EQ(Window.Form()->ModalResult(), mrNone);
}

TEST_F(SkinDialogButtons, AClickOnAButtonWithAModalResultEndsShowModal) {
  Window.Form()->Hide();
  RunFromLoop([this] { PostClick(Ok); });
  EXPECT_EQ(Window.Form()->ShowModal(), mrOk);
  EXPECT_EQ(Clicks["OK"], 1);
}

TEST_F(SkinDialogButtons, TheSpaceBarPressesAndReleasesTheFocusedButton) {
  ShowWithFocusIn(Apply);
  PostMessageA(Apply->Handle(), WM_KEYDOWN, VK_SPACE, 1);
  Application->ProcessMessages();
  EXPECT_TRUE(Apply->Down());
  EXPECT_EQ(Clicks["&Apply"], 0);
  PostMessageA(Apply->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001));
  Application->ProcessMessages();
  EXPECT_FALSE(Apply->Down());
  EXPECT_EQ(Clicks["&Apply"], 1);
  PostMessageA(Apply->Handle(), WM_KEYDOWN, VK_SPACE, 1);  // held, then the focus goes
  Application->ProcessMessages();
  Edit->SetFocus();
  EXPECT_FALSE(Apply->Down());
  EXPECT_EQ(Clicks["&Apply"], 1);
}

// Alt+Space opens the window's system menu and leaves the focused control the release
// of Space alone (Alt may come up first): that is no press.
TEST_F(SkinDialogButtons, TheReleaseOfASpaceThatWentDownElsewherePressesNothing) {
  auto* box = Window.Add<TspSkinCheckRadioBox>({10, 90, 160, 115});
  box->SetSkinData(Window.Data());
  const LPARAM up = static_cast<LPARAM>(0xC0390001);
  ShowWithFocusIn(Apply);
  PostMessageA(Apply->Handle(), WM_KEYUP, VK_SPACE, up);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks["&Apply"], 0);
  PostMessageA(Apply->Handle(), WM_KEYDOWN, VK_SPACE, 1);  // held while the focus moves on
  Application->ProcessMessages();
  box->SetFocus();
  PostMessageA(box->Handle(), WM_KEYUP, VK_SPACE, up);
  Application->ProcessMessages();
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(Clicks["&Apply"], 0);
  PressKey(VK_SPACE);  // a whole press still toggles it
  EXPECT_TRUE(box->Checked());
  Apply->SetFocus();
  PressKey(VK_SPACE);
  EXPECT_EQ(Clicks["&Apply"], 1);
}

TEST_F(SkinDialogButtons, TheDefaultButtonLooksHotWhileNoButtonHasTheFocus) {
  Window.Load("flatcolour");
  const auto& entry = dynamic_cast<const TspDataSkinButtonControl&>(
      *Window.Data()->CtrlList.at(static_cast<size_t>(Window.Data()->GetControlIndex("button"))));
  const TColor hot = EntryColour(*Window.Data(), "button", entry.ActiveSkinRect);
  ShowWithFocusIn(Edit);
  EXPECT_TRUE(Ok->MouseIn());
  EXPECT_TRUE(Ok->Active());
  EXPECT_EQ(Painted(Ok)->Pixel(5, 5), hot);
  Ok->Perform(CM_MOUSEENTER);
  Ok->Perform(CM_MOUSELEAVE);
  EXPECT_TRUE(Ok->MouseIn());  // the pointer leaving takes nothing away
  Cancel->SetFocus();
  EXPECT_FALSE(Ok->MouseIn());
  EXPECT_FALSE(Ok->Active());
  EXPECT_TRUE(Cancel->Active());
  EXPECT_EQ(Painted(Cancel)->Pixel(5, 5), EntryColour(*Window.Data(), "button", entry.FocusedSkinRect));
  Edit->SetFocus();
  Ok->SetDefault(false);  // the form hears of it at once
  EXPECT_FALSE(Ok->Active());
}

}  // namespace
