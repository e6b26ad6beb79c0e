// The push button and the speed button freed by their own event handlers, reached as a
// user reaches them (mouse messages through the loop, the focus, an accelerator): once
// freed, a button touches nothing of itself. The buttons are made under a freed-memory
// guard, so any use of one after it was freed stops the test program.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinSpeedButton.h"

#include "classlib/Edit.h"

#include "FreedMemory.h"

#include <gtest/gtest.h>

namespace {

class ButtonsFreedByHandlers : public ::testing::Test {
protected:
  ButtonsFreedByHandlers() {
    ParkPointer();
    Edit = Window.Add<TEdit>({10, 60, 150, 81});
    Window.Load("flatcolour");
    Window.Show();
  }
  // A button at (10, 10) of the window, made while Guard watches.
  template <class T>
  T* Add(int32_t GroupIndex = 0) {
    auto* button = Window.Add<T>({10, 10, 90, 35});
    button->SetSkinData(Window.Data());
    button->SetGroupIndex(GroupIndex);
    return button;
  }
  // A handler that frees Button.
  static TNotifyEvent Freeing(TControl* Button) {
    return [Button](TObject*) { Button->Free(); };
  }
  void MoveTo(TControl* Control, int X, int Y) {
    PostMouse(Control, WM_MOUSEMOVE, X, Y);
    Application->ProcessMessages();
  }
  void Press(TControl* Button) {
    PostMouse(Button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Application->ProcessMessages();
  }
  // Releases the left button away from any button, as the hand that pressed one does.
  void ReleaseElsewhere() {
    PostMouse(Window.Form(), WM_LBUTTONUP, 200, 150);
    Application->ProcessMessages();
  }

  TSkinTestWindow Window;
  TEdit* Edit;
};

TEST_F(ButtonsFreedByHandlers, APushButtonItsClickFreesOnTheReleaseOrThePressIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  auto* plain = Add<TspSkinButton>();
  plain->OnClick = Freeing(plain);
  PostClick(plain);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(plain));

  auto* grouped = Add<TspSkinButton>(1);  // a grouped button clicks as it goes down
  grouped->OnClick = Freeing(grouped);
  Press(grouped);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(grouped));
  ReleaseElsewhere();
}

TEST_F(ButtonsFreedByHandlers, APushButtonFreedAsThePointerComesOrGoesIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  auto* entered = Add<TspSkinButton>();
  entered->OnMouseEnter = Freeing(entered);
  MoveTo(entered, 5, 5);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(entered));

  auto* left = Add<TspSkinButton>();
  left->OnMouseLeave = Freeing(left);
  MoveTo(left, 5, 5);
  MoveTo(Window.Form(), 200, 150);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(left));
}

TEST_F(ButtonsFreedByHandlers, APushButtonFreedAsItTakesTheFocusIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  Edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Edit->Handle(); }));
  auto* tabbedTo = Add<TspSkinButton>();
  tabbedTo->OnEnter = Freeing(tabbedTo);
  PressKey(VK_TAB);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(tabbedTo));

  // Its accelerator gives it the focus first, then clicks it.
  Edit->SetFocus();
  auto* accelerated = Add<TspSkinButton>();
  accelerated->SetCaption("&Go");
  accelerated->OnEnter = Freeing(accelerated);
  accelerated->OnClick = [](TObject*) { ADD_FAILURE() << "a click after the button was freed"; };
  PressKey('G', {ssAlt});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(accelerated));
}

TEST_F(ButtonsFreedByHandlers, ASpeedButtonItsClickFreesOnTheReleaseOrThePressIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  auto* plain = Add<TspSkinSpeedButton>();
  plain->OnClick = Freeing(plain);
  PostClick(plain);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(plain));

  auto* grouped = Add<TspSkinSpeedButton>(1);
  grouped->OnClick = Freeing(grouped);
  Press(grouped);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(grouped));
  ReleaseElsewhere();
}

TEST_F(ButtonsFreedByHandlers, ASpeedButtonFreedAsThePointerComesOrGoesIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  auto* entered = Add<TspSkinSpeedButton>();
  entered->OnMouseEnter = Freeing(entered);
  MoveTo(entered, 5, 5);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(entered));

  auto* left = Add<TspSkinSpeedButton>();
  left->OnMouseLeave = Freeing(left);
  MoveTo(left, 5, 5);
  MoveTo(Window.Form(), 200, 150);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(left));
}

}  // namespace
