#include "KeyboardFixture.h"

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

using Focus = KeyboardTest;

template <class T>
T* AddFocusable(TWinControl* parent, const char* name, std::vector<std::string>& log, const TRect& bounds) {
  auto* control = new T(GetParentForm(parent), name, log);
  control->SetParent(parent);
  control->SetBoundsRect(bounds);
  return control;
}

TEST_F(Focus, TabOrderIsThePlaceAmongTheWindowedChildren) {
  auto* a = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 10, 10));
  auto* b = AddChild<TPanelControl>(Form.get(), Bounds(20, 0, 10, 10));
  auto* c = AddChild<TPanelControl>(Form.get(), Bounds(40, 0, 10, 10));
  AddChild<TColorBox>(Form.get(), Bounds(60, 0, 10, 10));  // windowless: no place
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
  Form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{c, a}));

  // Orders read from a form description wait until the parent is loaded: the children
  // may name places that do not exist yet when they are read.
  auto* d = new TPanelControl(Form.get());
  d->Loading();
  d->SetTabOrder(0);
  d->SetParent(Form.get());
  EXPECT_EQ(d->TabOrder(), 0);  // as asked, until the parent applies it
  Form->Loaded();
  d->Loaded();
  list.clear();
  Form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{d, c, a}));
  EXPECT_EQ(a->TabOrder(), 2);
  EXPECT_EQ(TPanelControl(nullptr).TabOrder(), -1);
}

TEST_F(Focus, EnterAndExitRunAlongTheChainsAndEveryControlHearsTheChange) {
  auto* left = AddFocusable<TFocusPanel>(Form.get(), "left", Log, Bounds(0, 0, 140, 200));
  auto* a = AddFocusable<TFocusPanel>(left, "a", Log, Bounds(10, 10, 50, 50));
  auto* right = AddFocusable<TFocusPanel>(Form.get(), "right", Log, Bounds(150, 0, 140, 200));
  auto* b = AddFocusable<TFocusPanel>(right, "b", Log, Bounds(10, 10, 50, 50));
  left->SetTabStop(false);
  right->SetTabStop(false);
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == a->Handle(); }));  // the first tab stop
  EXPECT_EQ(Form->ActiveControl(), a);
  EXPECT_EQ(Log, (std::vector<std::string>{"enter left", "enter a"}));

  Log.clear();
  b->SetFocus();
  EXPECT_EQ(GetFocus(), b->Handle());
  EXPECT_EQ(Form->ActiveControl(), b);
  EXPECT_EQ(Log, (std::vector<std::string>{"exit a", "exit left", "enter right", "enter b"}));
  EXPECT_EQ(a->LastFocusChange, b);  // the broadcast reaches nested controls too
  const int changes = a->FocusChanges;

  Log.clear();
  right->SetFocus();  // up the chain: only b is left
  EXPECT_EQ(Log, std::vector<std::string>{"exit b"});
  EXPECT_EQ(a->FocusChanges, changes + 1);

  // A handler that sends the focus elsewhere wins over the change that ran it.
  Log.clear();
  right->OnExit = [&](TObject*) { b->SetFocus(); };
  a->SetFocus();
  EXPECT_EQ(GetFocus(), b->Handle());
  EXPECT_EQ(Form->ActiveControl(), b);
}

TEST_F(Focus, OnlyVisibleEnabledControlsOfAFormTakeIt) {
  auto* panel = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 200, 200));
  auto* inner = AddFocusable<TFocusPanel>(panel, "inner", Log, Bounds(10, 10, 50, 50));
  EXPECT_TRUE(inner->CanFocus());  // the form itself may still be hidden
  panel->SetEnabled(false);
  EXPECT_FALSE(inner->CanFocus());
  EXPECT_THROW(Form->SetActiveControl(inner), EInvalidOperation);
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
  EXPECT_EQ(Form->ActiveControl(), inner);
  EXPECT_NE(GetFocus(), inner->Handle());
  Form->Show();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == inner->Handle(); }));
  EXPECT_TRUE(inner->Focused());
}

TEST_F(Focus, LeavesAControlThatIsDisabledHiddenOrRemoved) {
  auto* a = AddFocusable<TFocusPanel>(Form.get(), "a", Log, Bounds(0, 0, 50, 50));
  auto* b = AddFocusable<TFocusPanel>(Form.get(), "b", Log, Bounds(60, 0, 50, 50));
  auto* c = AddFocusable<TFocusPanel>(Form.get(), "c", Log, Bounds(120, 0, 50, 50));
  Form->Show();
  b->SetFocus();
  ASSERT_EQ(GetFocus(), b->Handle());

  b->SetEnabled(false);  // the system would leave the focus nowhere
  EXPECT_EQ(GetFocus(), c->Handle());
  EXPECT_EQ(Form->ActiveControl(), c);
  c->SetVisible(false);
  EXPECT_EQ(GetFocus(), a->Handle());
  EXPECT_EQ(Form->ActiveControl(), a);

  // A disabled control that does not have the focus changes nothing.
  b->SetEnabled(true);
  c->SetVisible(true);
  c->SetEnabled(false);
  EXPECT_EQ(GetFocus(), a->Handle());

  // The focused control goes: the form forgets it and the keys go on working.
  a->Free();
  EXPECT_NE(Form->ActiveControl(), static_cast<TWinControl*>(a));
  b->SetFocus();
  EXPECT_EQ(GetFocus(), b->Handle());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), b->Handle());  // the only tab stop left
}

TEST_F(Focus, TheFormGivesItBackWhenActivatedAgain) {
  AddFocusable<TFocusPanel>(Form.get(), "a", Log, Bounds(0, 0, 50, 50));
  auto* b = AddFocusable<TFocusPanel>(Form.get(), "b", Log, Bounds(60, 0, 50, 50));
  TOwned<TForm> other(MakeForm(450, 100, 100, 100));
  auto* elsewhere = AddFocusable<TFocusPanel>(other.get(), "x", Log, Bounds(0, 0, 50, 50));
  Form->Show();
  b->SetFocus();
  other->Show();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == elsewhere->Handle(); }));
  SetActiveWindow(Form->Handle());
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == b->Handle(); }));
  EXPECT_TRUE(Form->Active());
  EXPECT_FALSE(other->Active());
}

TEST_F(Focus, EveryButtonDownFirstCancelsTheActiveControlsModes) {
  auto* active = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 50, 50));
  auto* clicked = AddChild<TColorBox>(Form.get(), Bounds(100, 0, 50, 50));
  active->SetTabStop(true);
  Form->Show();
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

TEST_F(Focus, NotificationsOfNativeChildrenReachTheirObjects) {
  auto* edit = AddChild<TEdit>(Form.get(), Bounds(0, 0, 100, 21));
  auto* panel = AddChild<TPanelControl>(Form.get(), Bounds(0, 50, 100, 50));
  edit->SetColor(clYellow);
  edit->Font()->SetColor(clBlue);
  HWND parent = Form->Handle();
  const TWindowDC dc(edit->Handle());
  const auto brush = SendMessageA(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.DC()),
                                  reinterpret_cast<LPARAM>(edit->Handle()));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(edit->Brush()->Handle()));
  EXPECT_EQ(GetTextColor(dc.DC()), static_cast<COLORREF>(clBlue));
  EXPECT_EQ(GetBkColor(dc.DC()), static_cast<COLORREF>(clYellow));

  TMessageLog reflected(panel);
  SendMessageA(parent, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(panel->Handle()));
  SendMessageA(parent, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(panel->Handle()));
  NMHDR header{panel->Handle(), 0, 0};
  SendMessageA(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(reflected.Count(CN_HSCROLL), 1);
  EXPECT_EQ(reflected.Count(CN_VSCROLL), 1);
  EXPECT_EQ(reflected.Count(CN_NOTIFY), 1);
  // A window without an object is left to the default procedure.
  HWND stranger = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  EXPECT_EQ(SendMessageA(parent, WM_COMMAND, 0, reinterpret_cast<LPARAM>(stranger)), 0);
  DestroyWindow(stranger);
}

}  // namespace
