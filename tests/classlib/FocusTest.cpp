#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A control that takes the focus and records what it hears about it.
class TFocusPanel : public TPanelControl {
public:
  TFocusPanel(TComponent* AOwner, std::string name, std::vector<std::string>& log)
      : TPanelControl(AOwner), FName(std::move(name)), FLog(log) {
    SetTabStop(true);
  }
  TWinControl* LastFocusChange = nullptr;
  int FocusChanges = 0;

  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_ENTER) FLog.push_back("enter " + FName);
    if (Message.Msg == CM_EXIT) FLog.push_back("exit " + FName);
    if (Message.Msg == CM_FOCUSCHANGED) {
      ++FocusChanges;
      LastFocusChange = reinterpret_cast<TWinControl*>(Message.LParam);
    }
    TPanelControl::Dispatch(Message);
  }

private:
  std::string FName;
  std::vector<std::string>& FLog;
};

template <class T>
T* AddFocusable(TWinControl* parent, const char* name, std::vector<std::string>& log, const TRect& bounds) {
  auto* control = new T(GetParentForm(parent), name, log);
  control->SetParent(parent);
  control->SetBoundsRect(bounds);
  return control;
}

TEST(Focus, TabOrderIsThePlaceAmongTheWindowedChildren) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* a = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 10, 10));
  auto* b = AddChild<TPanelControl>(form.get(), Bounds(20, 0, 10, 10));
  auto* c = AddChild<TPanelControl>(form.get(), Bounds(40, 0, 10, 10));
  AddChild<TColorBox>(form.get(), Bounds(60, 0, 10, 10));  // windowless: no place
  EXPECT_EQ(a->TabOrder(), 0);
  EXPECT_EQ(c->TabOrder(), 2);
  c->SetTabOrder(0);
  EXPECT_EQ(c->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  EXPECT_EQ(b->TabOrder(), 2);
  a->SetTabOrder(99);  // out of range: last
  EXPECT_EQ(a->TabOrder(), 2);
  b->SetTabOrder(-1);  // so is a negative place
  EXPECT_EQ(b->TabOrder(), 2);
  EXPECT_EQ(a->TabOrder(), 1);
  b->Free();
  EXPECT_EQ(c->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{c, a}));

  // Orders read from a form description wait until the parent is loaded: the children
  // may name places that do not exist yet when they are read.
  auto* d = new TPanelControl(form.get());
  d->Loading();
  d->SetTabOrder(0);
  d->SetParent(form.get());
  EXPECT_EQ(d->TabOrder(), 0);  // as asked, until the parent applies it
  form->Loaded();
  d->Loaded();
  list.clear();
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{d, c, a}));
  EXPECT_EQ(a->TabOrder(), 2);
  EXPECT_EQ(TPanelControl(nullptr).TabOrder(), -1);
}

TEST(Focus, EnterAndExitRunAlongTheChainsAndEveryControlHearsTheChange) {
  std::vector<std::string> log;
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* left = AddFocusable<TFocusPanel>(form.get(), "left", log, Bounds(0, 0, 140, 200));
  auto* a = AddFocusable<TFocusPanel>(left, "a", log, Bounds(10, 10, 50, 50));
  auto* right = AddFocusable<TFocusPanel>(form.get(), "right", log, Bounds(150, 0, 140, 200));
  auto* b = AddFocusable<TFocusPanel>(right, "b", log, Bounds(10, 10, 50, 50));
  left->SetTabStop(false);
  right->SetTabStop(false);
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == a->Handle(); }));  // the first tab stop
  EXPECT_EQ(form->ActiveControl(), a);
  EXPECT_EQ(log, (std::vector<std::string>{"enter left", "enter a"}));

  log.clear();
  b->SetFocus();
  EXPECT_EQ(GetFocus(), b->Handle());
  EXPECT_EQ(form->ActiveControl(), b);
  EXPECT_EQ(log, (std::vector<std::string>{"exit a", "exit left", "enter right", "enter b"}));
  EXPECT_EQ(a->LastFocusChange, b);  // the broadcast reaches nested controls too
  const int changes = a->FocusChanges;

  log.clear();
  right->SetFocus();  // up the chain: only b is left
  EXPECT_EQ(log, std::vector<std::string>{"exit b"});
  EXPECT_EQ(a->FocusChanges, changes + 1);

  // A handler that sends the focus elsewhere wins over the change that ran it.
  log.clear();
  right->OnExit = [&](TObject*) { b->SetFocus(); };
  a->SetFocus();
  EXPECT_EQ(GetFocus(), b->Handle());
  EXPECT_EQ(form->ActiveControl(), b);
}

TEST(Focus, OnlyVisibleEnabledControlsOfAFormTakeIt) {
  std::vector<std::string> log;
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 200, 200));
  auto* inner = AddFocusable<TFocusPanel>(panel, "inner", log, Bounds(10, 10, 50, 50));
  EXPECT_TRUE(inner->CanFocus());  // the form itself may still be hidden
  panel->SetEnabled(false);
  EXPECT_FALSE(inner->CanFocus());
  EXPECT_THROW(form->SetActiveControl(inner), EInvalidOperation);
  panel->SetEnabled(true);
  panel->SetVisible(false);
  EXPECT_FALSE(inner->CanFocus());
  panel->SetVisible(true);

  TOwned<TPanelControl> orphan(new TPanelControl(nullptr));
  EXPECT_FALSE(orphan->CanFocus());
  TOwned<TForm> other(MakeForm(100, 100, 300, 200));
  EXPECT_THROW(other->SetActiveControl(inner), EInvalidOperation);

  // Focusing a control of a hidden form waits for the form to show.
  inner->SetFocus();
  EXPECT_EQ(form->ActiveControl(), inner);
  EXPECT_NE(GetFocus(), inner->Handle());
  form->Show();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == inner->Handle(); }));
  EXPECT_TRUE(inner->Focused());
}

TEST(Focus, LeavesAControlThatIsDisabledHiddenOrRemoved) {
  std::vector<std::string> log;
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* a = AddFocusable<TFocusPanel>(form.get(), "a", log, Bounds(0, 0, 50, 50));
  auto* b = AddFocusable<TFocusPanel>(form.get(), "b", log, Bounds(60, 0, 50, 50));
  auto* c = AddFocusable<TFocusPanel>(form.get(), "c", log, Bounds(120, 0, 50, 50));
  form->Show();
  b->SetFocus();
  ASSERT_EQ(GetFocus(), b->Handle());

  b->SetEnabled(false);  // the system would leave the focus nowhere
  EXPECT_EQ(GetFocus(), c->Handle());
  EXPECT_EQ(form->ActiveControl(), c);
  c->SetVisible(false);
  EXPECT_EQ(GetFocus(), a->Handle());
  EXPECT_EQ(form->ActiveControl(), a);

  // A disabled control that does not have the focus changes nothing.
  b->SetEnabled(true);
  c->SetVisible(true);
  c->SetEnabled(false);
  EXPECT_EQ(GetFocus(), a->Handle());

  // The focused control goes: the form forgets it and the keys go on working.
  a->Free();
  EXPECT_NE(form->ActiveControl(), static_cast<TWinControl*>(a));
  b->SetFocus();
  EXPECT_EQ(GetFocus(), b->Handle());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), b->Handle());  // the only tab stop left
}

TEST(Focus, TheFormGivesItBackWhenActivatedAgain) {
  std::vector<std::string> log;
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  AddFocusable<TFocusPanel>(form.get(), "a", log, Bounds(0, 0, 50, 50));
  auto* b = AddFocusable<TFocusPanel>(form.get(), "b", log, Bounds(60, 0, 50, 50));
  TOwned<TForm> other(MakeForm(450, 100, 100, 100));
  auto* elsewhere = AddFocusable<TFocusPanel>(other.get(), "x", log, Bounds(0, 0, 50, 50));
  form->Show();
  b->SetFocus();
  other->Show();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == elsewhere->Handle(); }));
  SetActiveWindow(form->Handle());
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == b->Handle(); }));
  EXPECT_TRUE(form->Active());
  EXPECT_FALSE(other->Active());
}

TEST(Focus, EveryButtonDownFirstCancelsTheActiveControlsModes) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* active = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 50, 50));
  auto* clicked = AddChild<TColorBox>(form.get(), Bounds(100, 0, 50, 50));
  active->SetTabStop(true);
  form->Show();
  active->SetFocus();
  std::vector<LPARAM> senders;
  const TWndMethod old = active->WindowProc;
  active->WindowProc = [&](TMessage& message) {
    if (message.Msg == CM_CANCELMODE) senders.push_back(message.LParam);
    old(message);
  };
  PostMouse(clicked, WM_RBUTTONDOWN, 5, 5, MK_RBUTTON);
  PostMouse(clicked, WM_RBUTTONUP, 5, 5);
  PostMouse(active, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(active, WM_LBUTTONUP, 5, 5);
  ASSERT_TRUE(PumpUntil([&] { return senders.size() == 2; }));
  EXPECT_EQ(senders[0], reinterpret_cast<LPARAM>(clicked));
  EXPECT_EQ(senders[1], reinterpret_cast<LPARAM>(active));
  active->WindowProc = old;
  ParkPointer();
}

TEST(Focus, NotificationsOfNativeChildrenReachTheirObjects) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* edit = AddChild<TEdit>(form.get(), Bounds(0, 0, 100, 21));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(0, 50, 100, 50));
  edit->SetColor(clYellow);
  edit->Font()->SetColor(clBlue);
  HWND parent = form->Handle();
  HDC dc = GetDC(edit->Handle());
  const auto brush = SendMessageA(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(edit->Handle()));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(edit->Brush()->Handle()));
  EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(clBlue));
  EXPECT_EQ(GetBkColor(dc), static_cast<COLORREF>(clYellow));
  ReleaseDC(edit->Handle(), dc);

  TMessageLog log(panel);
  SendMessageA(parent, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(panel->Handle()));
  SendMessageA(parent, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(panel->Handle()));
  NMHDR header{panel->Handle(), 0, 0};
  SendMessageA(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(log.Count(CN_HSCROLL), 1);
  EXPECT_EQ(log.Count(CN_VSCROLL), 1);
  EXPECT_EQ(log.Count(CN_NOTIFY), 1);
  // A window without an object is left to the default procedure.
  HWND stranger = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  EXPECT_EQ(SendMessageA(parent, WM_COMMAND, 0, reinterpret_cast<LPARAM>(stranger)), 0);
  DestroyWindow(stranger);
}

}  // namespace
