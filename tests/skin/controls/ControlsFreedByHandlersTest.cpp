// The push button, the speed button, the check box, the panel, the status panel, the
// label and the scroll bar freed by their own event handlers (or a neighbour's), reached
// as a user reaches them (mouse messages through the loop, keys, the focus, an
// accelerator, the window resized): once freed, a control touches nothing of itself, and
// what goes on over its neighbours still reaches each of them.
// The controls are made under a freed-memory guard, so any use of one after it was freed
// stops the test program.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusPanel.h"

#include "classlib/Actions.h"
#include "classlib/Edit.h"

#include "FreedMemory.h"
#include "Screenshot.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

class ControlsFreedByHandlers : public ::testing::Test {
protected:
  ControlsFreedByHandlers() {
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
  // A check box in row Row of the window's right half, made while Guard watches.
  TspSkinCheckRadioBox* AddBox(int Row) {
    auto* box = Window.Add<TspSkinCheckRadioBox>({170, 10 + 30 * Row, 300, 35 + 30 * Row});
    box->SetSkinData(Window.Data());
    return box;
  }
  // A handler that frees Button.
  static TNotifyEvent Freeing(TControl* Button) {
    return [Button](TObject*) { Button->Free(); };
  }
  void MoveTo(TControl* Control, int X, int Y) {
    PostMouse(Control, WM_MOUSEMOVE, X, Y);
    Application->ProcessMessages();
  }
  void Focus(TWinControl* Control) {
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Control->Handle(); }));
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

  // A button of kind T whose OnClick frees it: a plain one clicked, a grouped one pressed
  // (it clicks as it goes down).
  template <class T>
  void ExpectFreedByItsClick() {
    const TFreedMemoryGuard guard;
    auto* plain = Add<T>();
    plain->OnClick = Freeing(plain);
    PostClick(plain);
    EXPECT_TRUE(TFreedMemoryGuard::Freed(plain));

    auto* grouped = Add<T>(1);
    grouped->OnClick = Freeing(grouped);
    Press(grouped);
    EXPECT_TRUE(TFreedMemoryGuard::Freed(grouped));
    ReleaseElsewhere();
  }
  // A button of kind T freed by OnMouseEnter, and one freed by OnMouseLeave.
  template <class T>
  void ExpectFreedAsThePointerComesOrGoes() {
    const TFreedMemoryGuard guard;
    auto* entered = Add<T>();
    entered->OnMouseEnter = Freeing(entered);
    MoveTo(entered, 5, 5);
    EXPECT_TRUE(TFreedMemoryGuard::Freed(entered));

    auto* left = Add<T>();
    left->OnMouseLeave = Freeing(left);
    MoveTo(left, 5, 5);
    MoveTo(Window.Form(), 200, 150);
    EXPECT_TRUE(TFreedMemoryGuard::Freed(left));
  }

  TSkinTestWindow Window;
  TEdit* Edit;
};

TEST_F(ControlsFreedByHandlers, APushButtonItsClickFreesOnTheReleaseOrThePressIsNotTouchedAgain) {
  ExpectFreedByItsClick<TspSkinButton>();
}

TEST_F(ControlsFreedByHandlers, APushButtonFreedAsThePointerComesOrGoesIsNotTouchedAgain) {
  ExpectFreedAsThePointerComesOrGoes<TspSkinButton>();
}

TEST_F(ControlsFreedByHandlers, APushButtonFreedAsItTakesTheFocusIsNotTouchedAgain) {
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

TEST_F(ControlsFreedByHandlers, ASpeedButtonItsClickFreesOnTheReleaseOrThePressIsNotTouchedAgain) {
  ExpectFreedByItsClick<TspSkinSpeedButton>();
}

TEST_F(ControlsFreedByHandlers, ASpeedButtonFreedAsThePointerComesOrGoesIsNotTouchedAgain) {
  ExpectFreedAsThePointerComesOrGoes<TspSkinSpeedButton>();
}

TEST_F(ControlsFreedByHandlers, ACheckBoxFreedByItsClickFromSpaceOrByItsMouseUpIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  auto* spaced = AddBox(0);
  spaced->OnClick = Freeing(spaced);
  Focus(spaced);
  PressKey(VK_SPACE);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(spaced));

  auto* released = AddBox(0);
  released->OnMouseUp = [released](TObject*, TMouseButton, TShiftState, int, int) { released->Free(); };
  PostClick(released);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(released));
}

TEST_F(ControlsFreedByHandlers, ACheckBoxFreedAsThePointerComesIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  auto* entered = AddBox(0);
  entered->OnMouseEnter = Freeing(entered);
  MoveTo(entered, 5, 5);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(entered));
}

TEST_F(ControlsFreedByHandlers, ACheckBoxFreedAsItTakesTheFocusIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  const auto failOnClick = [](TObject*) { ADD_FAILURE() << "a click after the box was freed"; };
  Focus(Edit);
  auto* tabbedTo = AddBox(0);
  tabbedTo->SetTabStop(true);
  tabbedTo->OnEnter = Freeing(tabbedTo);
  PressKey(VK_TAB);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(tabbedTo));

  // A press takes the focus first.
  Focus(Edit);
  auto* clicked = AddBox(0);
  clicked->OnEnter = Freeing(clicked);
  clicked->OnClick = failOnClick;
  PostClick(clicked);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(clicked));

  // Its accelerator gives it the focus first, then toggles it.
  Focus(Edit);
  auto* accelerated = AddBox(0);
  accelerated->SetCaption("&Go");
  accelerated->SetShowFocus(true);
  accelerated->OnEnter = Freeing(accelerated);
  accelerated->OnClick = failOnClick;
  PressKey('G', {ssAlt});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(accelerated));
}

TEST_F(ControlsFreedByHandlers, ACheckBoxFreedByItsActionIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  TOwned<TAction> action(new TAction(nullptr));
  auto* box = AddBox(0);
  box->SetAction(action.get());
  action->OnExecute = Freeing(box);
  PostClick(box);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(box));
}

TEST_F(ControlsFreedByHandlers, ACheckBoxWhoseGroupsHandlersFreeBoxesTouchesNoneOfThemAgain) {
  const TFreedMemoryGuard guard;
  // Three check boxes of one group, the last two checked: a click on the first unchecks
  // them, and each unchecked box fires its OnClick.
  const auto group = [&] {
    std::array<TspSkinCheckRadioBox*, 3> boxes{};
    for (int i = 0; i < 3; ++i) {
      boxes[i] = AddBox(i);
      boxes[i]->SetGroupIndex(1);
    }
    boxes[1]->SetState(cbChecked);
    boxes[2]->SetState(cbChecked);
    return boxes;
  };
  const auto nextFreed = group();
  nextFreed[1]->OnClick = Freeing(nextFreed[2]);
  PostClick(nextFreed[0]);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(nextFreed[2]));
  EXPECT_TRUE(nextFreed[0]->Checked());
  EXPECT_FALSE(nextFreed[1]->Checked());
  nextFreed[0]->Free();
  nextFreed[1]->Free();

  const auto clickedFreed = group();
  clickedFreed[1]->OnClick = Freeing(clickedFreed[0]);
  PostClick(clickedFreed[0]);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(clickedFreed[0]));
  EXPECT_FALSE(clickedFreed[2]->Checked());  // the rest of the group is still unchecked
}

TEST_F(ControlsFreedByHandlers, APanelFreedByItsCaptionCheckBoxOrRollUpIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  // Without a skin the caption strip is the panel's button.
  const auto panel = [&] {
    auto* p = Window.Add<TspSkinPanel>({170, 10, 300, 110});
    p->SetCaptionMode(true);
    return p;
  };
  auto* checked = panel();
  checked->SetCheckedMode(true);
  checked->OnChecked = Freeing(checked);
  PostClick(checked, {20, 8});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(checked));

  auto* rolled = panel();
  rolled->SetRollUpMode(true);
  rolled->OnChangeRollUpState = Freeing(rolled);
  PostClick(rolled, {20, 8});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(rolled));

  // A click on its body.
  auto* clicked = panel();
  clicked->OnClick = Freeing(clicked);
  PostClick(clicked, {50, 60});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(clicked));
}

TEST_F(ControlsFreedByHandlers, AButtonCheckBoxOrScrollBarFreedAsTheFocusLeavesItDisabledIsNotTouchedAgain) {
  // A click on a windowless box, which takes no focus, disables the focused control.
  auto* box = Window.Add<TColorBox>({170, 150, 200, 180});
  const TFreedMemoryGuard guard;
  auto* button = Add<TspSkinButton>();
  auto* checkBox = AddBox(0);
  checkBox->SetCanFocused(true);
  auto* bar = Window.Add<TspSkinScrollBar>({170, 100, 300, 117});
  bar->SetCanFocused(true);
  for (TWinControl* control : std::initializer_list<TWinControl*>{button, checkBox, bar}) {
    Focus(control);
    control->OnExit = Freeing(control);
    box->OnClick = [control](TObject*) { control->SetEnabled(false); };
    PostClick(box);
    EXPECT_TRUE(TFreedMemoryGuard::Freed(control));
  }
}

TEST_F(ControlsFreedByHandlers, AScrollBarFreedAsItTakesTheFocusIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  const auto bar = [&] {
    auto* b = Window.Add<TspSkinScrollBar>({170, 10, 300, 27});
    b->SetSkinData(Window.Data());
    b->SetCanFocused(true);
    return b;
  };
  Focus(Edit);
  auto* tabbedTo = bar();
  tabbedTo->OnEnter = Freeing(tabbedTo);
  PressKey(VK_TAB);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(tabbedTo));

  // A press takes the focus first.
  Focus(Edit);
  auto* pressed = bar();
  pressed->OnEnter = Freeing(pressed);
  pressed->OnChange = [](TObject*) { ADD_FAILURE() << "a step after the bar was freed"; };
  PostClick(pressed, {60, 8});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(pressed));
}

}  // namespace

namespace {

// Focusable panels in a column on Parent, the first one focused.
class ControlsFreedInLoops : public ControlsFreedByHandlers {
protected:
  std::vector<TPanelControl*> Children(TWinControl* Parent, int Count) {
    std::vector<TPanelControl*> children;
    for (int i = 0; i < Count; ++i) {
      auto* child = Window.Add<TPanelControl>({10, 30 + 22 * i, 80, 50 + 22 * i}, Parent);
      child->SetTabStop(true);
      children.push_back(child);
    }
    return children;
  }
  TspSkinPanel* CaptionPanel() {
    auto* panel = Window.Add<TspSkinPanel>({170, 10, 300, 120});
    panel->SetCaptionMode(true);
    return panel;
  }
  static bool Live(TControl* Control) { return !TFreedMemoryGuard::Freed(Control); }
};

// The caption's check box disables every child and the roll-up button hides them; the
// focused child's OnExit frees the child or the panel on the way.
TEST_F(ControlsFreedInLoops, APanelReachesEveryChildThoughTheFocusedOnesOnExitFreesItOrThePanel) {
  const TFreedMemoryGuard guard;
  for (const bool rolls : {false, true}) {
    for (const bool panelGoes : {false, true}) {
      TspSkinPanel* panel = CaptionPanel();
      if (rolls) {
        panel->SetRollUpMode(true);
      } else {
        panel->SetCheckedMode(true);
        panel->SetChecked(true);
      }
      const std::vector<TPanelControl*> children = Children(panel, 3);
      Focus(children[0]);
      children[0]->OnExit = Freeing(panelGoes ? static_cast<TControl*>(panel) : children[0]);
      PostClick(panel, {20, 8});  // the caption strip's button
      EXPECT_TRUE(TFreedMemoryGuard::Freed(children[0])) << rolls << panelGoes;
      if (panelGoes) {
        EXPECT_TRUE(TFreedMemoryGuard::Freed(panel)) << rolls;
        continue;
      }
      EXPECT_EQ(rolls ? panel->RollUpState() : !panel->Checked(), true);
      for (TPanelControl* child : {children[1], children[2]})
        EXPECT_FALSE(rolls ? child->Visible() : child->Enabled()) << rolls;
      if (!rolls) SaveScreenPictureOf(Window.Form()->Handle(), "controls-freed-panel-unchecked");
      panel->Free();
    }
  }
}

TEST_F(ControlsFreedInLoops, AStatusPanelDisabledWithTheFocusThatItsOnExitFreesIsNotRepainted) {
  auto* box = Window.Add<TColorBox>({170, 150, 200, 180});
  const TFreedMemoryGuard guard;
  auto* status = Window.Add<TspSkinStatusPanel>({170, 10, 300, 30});
  status->SetSkinData(Window.Data());
  status->SetTabStop(true);
  Focus(status);
  status->OnExit = Freeing(status);
  box->OnClick = [status](TObject*) { status->SetEnabled(false); };
  PostClick(box);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(status));
}

TEST_F(ControlsFreedInLoops, OnResizeAsTheWindowIsResizedMayFreeTheControlASiblingOrTheParent) {
  const TFreedMemoryGuard guard;
  const auto resizeWindow = [&](int Width) {
    SetWindowPos(Window.Form()->Handle(), nullptr, 0, 0, Width, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Application->ProcessMessages();
  };
  int width = 320;
  // Aligned controls: the first one's OnResize frees itself, the next one or the panel
  // they lie on; the layout goes on over what is left.
  for (int target = 0; target < 3; ++target) {
    auto* panel = Window.Add<TPanelControl>({0, 0, 320, 240});
    panel->SetAlign(alClient);
    auto* first = Window.Add<TPanelControl>({0, 0, 50, 20}, panel);
    first->SetAlign(alTop);
    auto* second = Window.Add<TspSkinPanel>({0, 0, 50, 20}, panel);
    second->SetAlign(alTop);
    auto* third = Window.Add<TPanelControl>({0, 0, 50, 20}, panel);
    third->SetAlign(alTop);
    TControl* doomed[] = {first, second, panel};
    first->OnResize = Freeing(doomed[target]);
    resizeWindow(width += 10);
    EXPECT_TRUE(TFreedMemoryGuard::Freed(doomed[target])) << target;
    if (target < 2) {
      EXPECT_EQ(third->Width(), panel->ClientWidth()) << target;  // laid out all the same
      panel->Free();
    }
  }
  // A skinned panel sized to a skin entry, and an auto-sized label whose caption grows.
  auto* skinned = Window.Add<TspSkinPanel>({10, 10, 100, 60});
  skinned->SetSkinData(Window.Data());
  skinned->SetAlign(alBottom);
  skinned->OnResize = Freeing(skinned);
  resizeWindow(width += 10);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(skinned));
  auto* label = Window.Add<TspSkinLabel>({10, 10, 40, 20});
  label->SetAutoSize(true);
  label->OnResize = Freeing(label);
  auto* box = Window.Add<TColorBox>({170, 150, 200, 180});
  box->OnClick = [label](TObject*) { label->SetCaption("A caption much longer than before"); };
  PostClick(box);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(label));
}

}  // namespace
