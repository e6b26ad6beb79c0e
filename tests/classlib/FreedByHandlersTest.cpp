// Controls freed by their own handlers, reached as a user reaches them (clicks, keys and
// Tab through the loop): once a handler freed a control, the library touches nothing of
// it, nor of the control it lay on when the handler freed that one. The controls are
// made under a freed-memory guard, so any use of one after it was freed stops the test
// program.
#include "KeyboardFixture.h"

#include "classlib/Actions.h"
#include "classlib/DragSession.h"
#include "classlib/Edit.h"

#include "FreedMemory.h"

#include <gtest/gtest.h>

namespace {

class FreedByHandlers : public KeyboardTest {
protected:
  // A handler that frees Control.
  static TNotifyEvent Freeing(TControl* Control) {
    return [Control](TObject*) { Control->Free(); };
  }
  static TMouseEvent FreeingOnButton(TControl* Control) {
    return [Control](TObject*, TMouseButton, TShiftState, int, int) { Control->Free(); };
  }
  static TKeyEvent FreeingOnKey(TControl* Control) {
    return [Control](TObject*, uint16_t&, TShiftState) { Control->Free(); };
  }
  // A focusable panel at Bounds of Parent.
  static TPanelControl* AddStop(TWinControl* Parent, const TRect& Bounds) {
    auto* panel = AddChild<TPanelControl>(Parent, Bounds);
    panel->SetTabStop(true);
    return panel;
  }
  void Focus(TWinControl* Control) {
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Control->Handle(); }));
  }
  static bool Freed(const void* Object) { return TFreedMemoryGuard::Freed(Object); }

  const TMouseEvent FailOnMouseUp = [](TObject*, TMouseButton, TShiftState, int, int) {
    ADD_FAILURE() << "a release after the control was freed";
  };
};

TEST_F(FreedByHandlers, AControlFreedByItsClickOrItsActionGetsNoRelease) {
  Form->Show();
  const TFreedMemoryGuard guard;
  auto* clicked = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 50, 50));
  clicked->OnClick = Freeing(clicked);
  clicked->OnMouseUp = FailOnMouseUp;
  PostClick(clicked);
  EXPECT_TRUE(Freed(clicked));

  auto* windowless = AddChild<TColorBox>(Form.get(), Bounds(0, 0, 50, 50));
  windowless->OnClick = Freeing(windowless);
  windowless->OnMouseUp = FailOnMouseUp;
  PostClick(windowless);
  EXPECT_TRUE(Freed(windowless));

  TOwned<TAction> action(new TAction(nullptr));
  auto* executed = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 50, 50));
  executed->SetAction(action.get());
  action->OnExecute = Freeing(executed);
  executed->OnMouseUp = FailOnMouseUp;
  PostClick(executed);
  EXPECT_TRUE(Freed(executed));
}

TEST_F(FreedByHandlers, AControlFreedByItsDoubleClickOrItsPressIsNotTouchedAgain) {
  Form->Show();
  const TFreedMemoryGuard guard;
  auto* doubled = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 50, 50));
  doubled->OnDblClick = Freeing(doubled);
  doubled->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
    ADD_FAILURE() << "a press after the control was freed";
  };
  PostMouse(doubled, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
  Application->ProcessMessages();
  EXPECT_TRUE(Freed(doubled));

  // One that drags by itself asks after its press whether it still does.
  auto* dragged = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 50, 50));
  dragged->SetDragMode(dmAutomatic);
  dragged->OnMouseDown = FreeingOnButton(dragged);
  PostMouse(dragged, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  Application->ProcessMessages();
  EXPECT_TRUE(Freed(dragged));
  EXPECT_EQ(TDragSession::Source(), nullptr);
  PostMouse(Form.get(), WM_LBUTTONUP, 200, 150);
  Application->ProcessMessages();
}

TEST_F(FreedByHandlers, APanelFreedByTheHandlersOfAControlOnItIsNotTouchedAgain) {
  Form->Show();
  const TFreedMemoryGuard guard;
  auto* clickedOn = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 100, 100));
  auto* box = AddChild<TColorBox>(clickedOn, Bounds(10, 10, 50, 50));
  box->OnClick = Freeing(clickedOn);
  PostClick(box);
  EXPECT_TRUE(Freed(clickedOn));
  EXPECT_TRUE(Freed(box));

  auto* pressedOn = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 100, 100));
  box = AddChild<TColorBox>(pressedOn, Bounds(10, 10, 50, 50));
  box->OnMouseDown = FreeingOnButton(pressedOn);
  PostMouse(box, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  Application->ProcessMessages();
  EXPECT_TRUE(Freed(pressedOn));
  PostMouse(Form.get(), WM_LBUTTONUP, 200, 150);
  Application->ProcessMessages();
}

TEST_F(FreedByHandlers, AControlFreedAsTheFocusLeavesItIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  auto* first = AddStop(Form.get(), Bounds(0, 0, 50, 50));
  auto* next = AddStop(Form.get(), Bounds(60, 0, 50, 50));
  ASSERT_TRUE(ShowWithFocusIn(first));
  first->OnExit = Freeing(first);
  PressKey(VK_TAB);
  EXPECT_TRUE(Freed(first));
  EXPECT_EQ(GetFocus(), next->Handle());
  EXPECT_EQ(Form->ActiveControl(), next);

  // By a click on an edit, which takes the focus.
  auto* edit = AddChild<TEdit>(Form.get(), Bounds(0, 100, 100, 20));
  next->OnExit = Freeing(next);
  PostClick(edit);
  EXPECT_TRUE(Freed(next));
  EXPECT_EQ(GetFocus(), edit->Handle());

  // The control the focus leaves frees the panel it lies on, which the focus leaves next.
  auto* panel = AddChild<TPanelControl>(Form.get(), Bounds(120, 0, 100, 100));
  auto* inner = AddStop(panel, Bounds(10, 10, 50, 50));
  auto* last = AddStop(Form.get(), Bounds(230, 0, 50, 50));
  Focus(inner);
  inner->OnExit = Freeing(panel);
  panel->OnExit = [](TObject*) { ADD_FAILURE() << "an exit after the panel was freed"; };
  last->SetFocus();
  EXPECT_TRUE(Freed(panel));
  EXPECT_TRUE(Freed(inner));
  EXPECT_EQ(Form->ActiveControl(), last);
}

TEST_F(FreedByHandlers, AControlFreedAsTheFocusLeavesItHiddenOrDisabledIsNotTouchedAgain) {
  // A click on a windowless box, which takes no focus, hides or disables the focused panel.
  auto* box = AddChild<TColorBox>(Form.get(), Bounds(200, 0, 50, 50));
  auto* rest = AddStop(Form.get(), Bounds(100, 0, 50, 50));
  ASSERT_TRUE(ShowWithFocusIn(rest));
  const TFreedMemoryGuard guard;
  for (const bool hide : {true, false}) {
    auto* panel = AddStop(Form.get(), Bounds(0, 0, 50, 50));
    panel->SetAlign(alTop);  // the form lays its aligned controls out after a hide
    Focus(panel);
    panel->OnExit = Freeing(panel);
    box->OnClick = [panel, hide](TObject*) { hide ? panel->Hide() : panel->SetEnabled(false); };
    PostClick(box);
    EXPECT_TRUE(Freed(panel)) << hide;
    EXPECT_EQ(GetFocus(), rest->Handle());
  }
}

TEST_F(FreedByHandlers, AnEditFreedByOnChangeOfTextTypedOrSetIsNotTouchedAgain) {
  Form->Show();
  const TFreedMemoryGuard guard;
  auto* typedInto = AddChild<TEdit>(Form.get(), Bounds(0, 0, 100, 20));
  typedInto->OnChange = Freeing(typedInto);
  Focus(typedInto);
  PostChar('a');
  EXPECT_TRUE(Freed(typedInto));

  auto* set = AddChild<TEdit>(Form.get(), Bounds(0, 0, 100, 20));
  set->HandleNeeded();
  set->OnChange = Freeing(set);
  set->SetText("set by the program");
  EXPECT_TRUE(Freed(set));
}

TEST_F(FreedByHandlers, AControlFreedByItsKeysOrTheFormsPreviewOfThemGetsTheKeyNoFurther) {
  const TFreedMemoryGuard guard;
  Form->Show();
  const auto focused = [&] {
    auto* panel = AddStop(Form.get(), Bounds(0, 0, 50, 50));
    Focus(panel);
    return panel;
  };
  auto* down = focused();
  down->OnKeyDown = FreeingOnKey(down);
  PressKey('A');
  EXPECT_TRUE(Freed(down));

  auto* up = focused();
  up->OnKeyUp = FreeingOnKey(up);
  PressKey('A');
  EXPECT_TRUE(Freed(up));

  auto* typed = focused();
  typed->OnKeyPress = [typed](TObject*, char&) { typed->Free(); };
  PressKey('A');
  EXPECT_TRUE(Freed(typed));

  auto* previewed = focused();
  previewed->OnKeyDown = [](TObject*, uint16_t&, TShiftState) { ADD_FAILURE() << "a key after the control was freed"; };
  Form->SetKeyPreview(true);
  Form->OnKeyDown = FreeingOnKey(previewed);
  PressKey('A');
  EXPECT_TRUE(Freed(previewed));
  Form->OnKeyDown = nullptr;
}

TEST_F(FreedByHandlers, AControlFreedByOnMouseWheelHearsNoMoreOfTheTurnNorPassesItOn) {
  Form->Show();
  const TFreedMemoryGuard guard;
  for (const int delta : {WHEEL_DELTA, -WHEEL_DELTA}) {
    auto* turned = AddStop(Form.get(), Bounds(0, 0, 50, 50));
    Focus(turned);
    turned->OnMouseWheel = [turned](TObject*, TShiftState, int, TPoint, bool&) { turned->Free(); };
    const auto failOnTurn = [](TObject*, TShiftState, TPoint, bool&) {
      ADD_FAILURE() << "a turn after the control was freed";
    };
    turned->OnMouseWheelUp = failOnTurn;
    turned->OnMouseWheelDown = failOnTurn;
    const TPoint at = turned->ClientToScreen({25, 25});
    PostMessageA(turned->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.X, at.Y));
    Application->ProcessMessages();
    EXPECT_TRUE(Freed(turned)) << delta;
  }
}

}  // namespace
