#include "TestControls.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {

TRect ChildWindowRect(TWinControl* child) {
  RECT r{};
  GetWindowRect(child->Handle(), &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child->Handle()), reinterpret_cast<POINT*>(&r), 2);
  return FromRECT(r);
}

TEST(Controls, AlignmentAndAnchorsFollowResizes) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* top = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 10, 40));
  top->SetAlign(alTop);
  auto* left = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 100, 10));
  left->SetAlign(alLeft);
  auto* body = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 10, 10));
  body->SetAlign(alClient);
  ASSERT_EQ(body->BoundsRect(), Bounds(100, 40, 300, 260));

  auto* status = AddChild<TColorBox>(body, Bounds(0, 0, 10, 20));  // windowless, aligned
  status->SetAlign(alBottom);
  auto* corner = AddChild<TPanelControl>(body, Bounds(250, 200, 40, 10));
  corner->SetAnchors({akRight, akBottom});
  auto* stretch = AddChild<TColorBox>(body, Bounds(10, 10, 280, 20));
  stretch->SetAnchors({akLeft, akTop, akRight});
  auto* centred = AddChild<TColorBox>(body, Bounds(130, 100, 40, 40));
  centred->SetAnchors({});
  form->Show();
  EXPECT_EQ(status->BoundsRect(), Bounds(0, 240, 300, 20));
  EXPECT_EQ(ChildWindowRect(corner), Bounds(250, 200, 40, 10));

  // The system resizes the window (as a user would): everything follows.
  SetWindowPos(form->Handle(), nullptr, 100, 100, 500, 360, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 500, 360));
  EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 500, 40));
  EXPECT_EQ(left->BoundsRect(), Bounds(0, 40, 100, 320));
  EXPECT_EQ(body->BoundsRect(), Bounds(100, 40, 400, 320));
  EXPECT_EQ(ChildWindowRect(body), Bounds(100, 40, 400, 320));
  EXPECT_EQ(status->BoundsRect(), Bounds(0, 300, 400, 20));
  EXPECT_EQ(corner->BoundsRect(), Bounds(350, 260, 40, 10));
  EXPECT_EQ(ChildWindowRect(corner), Bounds(350, 260, 40, 10));
  EXPECT_EQ(stretch->BoundsRect(), Bounds(10, 10, 380, 20));
  EXPECT_EQ(centred->BoundsRect(), Bounds(180, 127, 40, 40));  // centre 150*400/300, 120*320/260

  // Shrinking below the first size works from the same rules, without drift.
  form->SetBounds(100, 100, 300, 250);
  EXPECT_EQ(body->BoundsRect(), Bounds(100, 40, 200, 210));
  EXPECT_EQ(corner->BoundsRect(), Bounds(150, 150, 40, 10));
  EXPECT_EQ(stretch->BoundsRect(), Bounds(10, 10, 180, 20));
  EXPECT_EQ(centred->BoundsRect(), Bounds(80, 76, 40, 40));
  form->SetBounds(100, 100, 400, 300);
  EXPECT_EQ(corner->BoundsRect(), Bounds(250, 200, 40, 10));
  EXPECT_EQ(centred->BoundsRect(), Bounds(130, 100, 40, 40));
}

TEST(Controls, ANewFrameLaysTheChildrenOutInTheClientAreaItLeaves) {
  // Without a frame the client area is the whole window; a sizeable frame takes its
  // border and caption from the same window rectangle.
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* status = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 10, 20));
  status->SetAlign(alBottom);
  auto* corner = AddChild<TColorBox>(form.get(), Bounds(350, 250, 40, 10));
  corner->SetAnchors({akRight, akBottom});
  form->Show();
  ASSERT_EQ(status->BoundsRect(), Bounds(0, 280, 400, 20));
  form->SetBorderStyle(bsSizeable);
  ASSERT_EQ(form->BoundsRect(), Bounds(100, 100, 400, 300));
  const TRect client = form->ClientRect();
  ASSERT_LT(client.Height(), 300);
  EXPECT_EQ(status->BoundsRect(), Bounds(0, client.Height() - 20, client.Width(), 20));
  EXPECT_EQ(corner->BoundsRect(), Bounds(client.Width() - 50, client.Height() - 50, 40, 10));
  form->SetBorderStyle(bsNone);
  EXPECT_EQ(status->BoundsRect(), Bounds(0, 280, 400, 20));
  EXPECT_EQ(corner->BoundsRect(), Bounds(350, 250, 40, 10));
}

TEST(Controls, AFormWithoutAWindowTakesItsClientAreaFromTheFrameOfItsBorderStyle) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  ASSERT_FALSE(form->HandleAllocated());
  const TRect none = form->ClientRect();
  EXPECT_EQ(none, Bounds(0, 0, 400, 300));
  form->SetBorderStyle(bsSizeable);
  const TRect sizeable = form->ClientRect();
  EXPECT_LT(sizeable.Height(), 300);
  form->SetBorderStyle(bsToolWindow);
  EXPECT_GT(form->ClientRect().Height(), sizeable.Height());  // a smaller caption
  form->SetBorderStyle(bsSizeable);
  EXPECT_EQ(form->ClientRect(), sizeable);
  form->SetBorderStyle(bsNone);
  EXPECT_EQ(form->ClientRect(), none);
  EXPECT_FALSE(form->HandleAllocated());
}

TEST(Controls, HidingOrDisablingAlignmentRealignsAtTheRightTime) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* top = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 10, 30));
  top->SetAlign(alTop);
  auto* body = AddChild<TColorBox>(form.get(), Bounds(0, 0, 10, 10));
  body->SetAlign(alClient);
  form->Show();
  EXPECT_EQ(body->BoundsRect(), Bounds(0, 30, 300, 170));
  top->Hide();
  EXPECT_EQ(body->BoundsRect(), Bounds(0, 0, 300, 200));
  EXPECT_FALSE(IsWindowVisible(top->Handle()));

  form->DisableAlign();
  top->Show();
  top->SetHeight(50);
  EXPECT_EQ(body->BoundsRect(), Bounds(0, 0, 300, 200));  // held back
  form->EnableAlign();
  EXPECT_EQ(body->BoundsRect(), Bounds(0, 50, 300, 150));

  body->Constraints()->SetMaxHeight(100);
  EXPECT_EQ(body->BoundsRect(), Bounds(0, 50, 300, 100));
  top->SetAlign(alNone);  // keeps its place, stops taking space
  EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 50));
  EXPECT_EQ(body->BoundsRect(), Bounds(0, 0, 300, 100));
}

TEST(Controls, StateChangesAreAnnouncedAndReachTheWindow) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 100));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(10, 10, 50, 50));
  auto* box = AddChild<TColorBox>(form.get(), Bounds(70, 10, 20, 20));
  form->Show();
  TMessageLog panelLog(panel);
  TMessageLog boxLog(box);

  panel->SetText("one");
  panel->SetText("one");
  EXPECT_EQ(panelLog.Count(CM_TEXTCHANGED), 1);
  char text[16] = {};
  GetWindowTextA(panel->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "one");
  box->SetCaption("box");
  EXPECT_EQ(box->Caption(), "box");
  EXPECT_EQ(boxLog.Count(CM_TEXTCHANGED), 1);

  panel->SetEnabled(false);
  EXPECT_EQ(panelLog.Count(CM_ENABLEDCHANGED), 1);
  EXPECT_FALSE(IsWindowEnabled(panel->Handle()));
  box->SetVisible(false);
  box->SetVisible(false);
  EXPECT_EQ(boxLog.Count(CM_VISIBLECHANGED), 1);

  // Fonts and colours flow down to children that take their parent's.
  TFont bold;
  bold.SetStyle({fsBold});
  bold.SetHeight(-20);
  form->SetFont(&bold);
  EXPECT_EQ(panel->Font()->Height(), -20);
  EXPECT_TRUE(panel->ParentFont());
  EXPECT_GE(panelLog.Count(CM_PARENTFONTCHANGED), 1);
  EXPECT_EQ(panelLog.Count(CM_FONTCHANGED), 1);
  panel->Font()->SetHeight(-9);  // its own font from now on
  EXPECT_FALSE(panel->ParentFont());
  bold.SetHeight(-30);
  form->SetFont(&bold);
  EXPECT_EQ(panel->Font()->Height(), -9);
  EXPECT_EQ(box->Font()->Height(), -30);

  form->SetColor(clInfoBk);
  EXPECT_EQ(box->Color(), clInfoBk);
  EXPECT_EQ(panel->Color(), clInfoBk);
  EXPECT_EQ(panel->Brush()->Color(), clInfoBk);
  EXPECT_TRUE(box->ParentColor());
  box->SetColor(clRed);
  form->SetColor(clWindow);
  EXPECT_EQ(box->Color(), clRed);
  EXPECT_FALSE(box->ParentColor());
}

TEST(Controls, RecreatedWindowKeepsItsTextAndChildren) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 100));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(10, 10, 80, 60));
  auto* inner = AddChild<TPanelControl>(panel, Bounds(5, 5, 20, 20));
  form->Show();
  panel->SetText("kept");
  HWND before = panel->Handle();
  panel->RecreateWnd();
  EXPECT_NE(panel->Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(panel->Text(), "kept");
  EXPECT_EQ(GetParent(inner->Handle()), panel->Handle());
  EXPECT_TRUE(IsWindowVisible(inner->Handle()));
  EXPECT_EQ(ChildWindowRect(inner), Bounds(5, 5, 20, 20));
}

TEST(Controls, AWindowedControlDeletedWithoutFreeLeavesItsParent) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 100));
  auto* kept = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 50, 50));
  auto* doomed = new TPanelControl(nullptr);
  doomed->SetParent(form.get());
  ASSERT_EQ(form->ControlCount(), 2);
  delete doomed;  // not through Free: the window part is gone before the control leaves
  ASSERT_EQ(form->ControlCount(), 1);
  EXPECT_EQ(form->Controls(0), kept);
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ(list, std::vector<TWinControl*>{kept});
}

TEST(Controls, ChildListsOrderAndHitTesting) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 100));
  auto* w1 = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 50, 50));
  auto* g1 = AddChild<TColorBox>(form.get(), Bounds(0, 0, 80, 80));
  auto* g2 = AddChild<TColorBox>(form.get(), Bounds(10, 10, 20, 20));
  ASSERT_EQ(form->ControlCount(), 3);
  EXPECT_EQ(form->Controls(0), g1);  // windowless ones first
  EXPECT_EQ(form->Controls(1), g2);
  EXPECT_EQ(form->Controls(2), w1);
  EXPECT_EQ(form->ControlAtPos({15, 15}, false), g2);  // topmost windowless
  EXPECT_EQ(form->ControlAtPos({15, 15}, false, true), w1);
  g2->SendToBack();
  EXPECT_EQ(form->Controls(0), g2);
  EXPECT_EQ(form->ControlAtPos({15, 15}, false), g1);
  g1->SetEnabled(false);
  EXPECT_EQ(form->ControlAtPos({15, 15}, false), g2);
  EXPECT_EQ(form->ControlAtPos({15, 15}, true), g1);
  EXPECT_EQ(form->ControlAtPos({150, 90}, true), nullptr);
  EXPECT_TRUE(form->ContainsControl(g2));
  g2->SetParent(nullptr);
  EXPECT_EQ(form->ControlCount(), 2);
  EXPECT_FALSE(form->ContainsControl(g2));
  g2->Free();
  // Windowed children change places among themselves, after the windowless ones.
  auto* w2 = AddChild<TPanelControl>(form.get(), Bounds(100, 0, 50, 50));
  w1->BringToFront();
  EXPECT_EQ(form->Controls(0), g1);
  EXPECT_EQ(form->Controls(1), w2);
  EXPECT_EQ(form->Controls(2), w1);
  w1->SendToBack();
  EXPECT_EQ(form->Controls(0), g1);
  EXPECT_EQ(form->Controls(1), w1);
  EXPECT_EQ(form->Controls(2), w2);
}

// A panel that counts the changes of place its window is told of: moves in the stacking
// order, and moves or resizes.
class TPlaceCountingPanel : public TPanelControl {
public:
  using TPanelControl::TPanelControl;
  int Restacks = 0;
  int Moves = 0;

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_WINDOWPOSCHANGING) {
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(Message.LParam)->flags;
      if ((flags & SWP_NOZORDER) == 0) ++Restacks;
      if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) ++Moves;
    }
    TPanelControl::WndProc(Message);
  }
};

TEST(Controls, AlignedChildrenTakeTheirPlacesBeforeTheirWindowsAreMade) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 150));
  auto* frame = AddChild<TBorderedPanel>(form.get(), Bounds(10, 10, 100, 80));
  auto* filling = AddChild<TPlaceCountingPanel>(frame, Bounds(0, 0, 100, 80));
  filling->SetAlign(alClient);
  auto* foot = AddChild<TPlaceCountingPanel>(frame, Bounds(0, 60, 100, 20));
  foot->SetAlign(alBottom);
  form->Show();
  EXPECT_EQ(filling->BoundsRect(), Rect(0, 0, 98, 58));
  EXPECT_EQ(foot->BoundsRect(), Rect(0, 58, 98, 78));
  RECT window{};
  GetClientRect(filling->Handle(), &window);
  EXPECT_EQ(window.right, 98);
  // Born where they stay: neither window was moved after it was made.
  EXPECT_EQ(filling->Moves + foot->Moves, 0);
}

// A form that counts the size-limit queries its window is sent.
class TLimitCountingForm : public TForm {
public:
  using TForm::TForm;
  int LimitQueries = 0;

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_GETMINMAXINFO) ++LimitQueries;
    TForm::WndProc(Message);
  }
};

TEST(Controls, AWindowOnlyMovedIsNotAskedItsSizeLimits) {
  TOwned<TLimitCountingForm> form(new TLimitCountingForm(Application));  // sizeable
  form->SetBounds(100, 100, 200, 150);
  form->Show();
  form->LimitQueries = 0;
  form->SetBounds(120, 110, 200, 150);
  EXPECT_EQ(form->LimitQueries, 0);
  RECT placed{};
  GetWindowRect(form->Handle(), &placed);
  EXPECT_EQ(FromRECT(placed), Rect(120, 110, 320, 260));
  form->SetBounds(120, 110, 240, 150);
  EXPECT_GE(form->LimitQueries, 1);
  EXPECT_EQ(form->Width(), 240);
}

TEST(Controls, AControlRepaintedWhileHiddenPaintsWhenItShows) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 150));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(10, 10, 100, 80));
  panel->HandleNeeded();
  panel->SetColor(clRed);
  panel->Repaint();
  EXPECT_EQ(panel->Paints, 0);  // nothing on screen to paint yet
  form->Show();
  panel->Update();
  EXPECT_EQ(panel->Paints, 1);
  const int before = panel->Paints;
  panel->Repaint();
  EXPECT_EQ(panel->Paints, before + 1);
}

// Windows stack as their controls are listed (the later above), however their handles
// come to be made: with the form, one by one, or again after a re-creation.
TEST(Controls, WindowsStackInTheOrderOfTheirControls) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 100));
  auto* lower = AddChild<TPlaceCountingPanel>(form.get(), Bounds(0, 0, 50, 50));
  auto* middle = AddChild<TPlaceCountingPanel>(form.get(), Bounds(10, 10, 50, 50));
  auto* upper = AddChild<TPlaceCountingPanel>(form.get(), Bounds(20, 20, 50, 50));
  form->Show();
  auto topmost = [&] { return GetWindow(form->Handle(), GW_CHILD); };
  EXPECT_EQ(topmost(), upper->Handle());
  EXPECT_EQ(GetWindow(upper->Handle(), GW_HWNDNEXT), middle->Handle());
  EXPECT_EQ(GetWindow(middle->Handle(), GW_HWNDNEXT), lower->Handle());
  // Made with the form, each window is born in its place: none is moved.
  EXPECT_EQ(lower->Restacks + middle->Restacks + upper->Restacks, 0);
  EXPECT_EQ(ChildWindowFromPoint(form->Handle(), POINT{30, 30}), upper->Handle());
  auto* latest = AddChild<TPanelControl>(form.get(), Bounds(10, 10, 50, 50));
  EXPECT_EQ(topmost(), latest->Handle());
  upper->RecreateWnd();
  EXPECT_EQ(GetWindow(latest->Handle(), GW_HWNDNEXT), upper->Handle());
  EXPECT_EQ(GetWindow(upper->Handle(), GW_HWNDNEXT), middle->Handle());
}

}  // namespace
