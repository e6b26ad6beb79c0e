// MDI forms under Wine: the MDI client window and its place, children living in it,
// activation, stepping through them, closing them, Ctrl+F4 and the main form's shortcuts.
#include "TestControls.h"
#include "UiTest.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

// An MDI form as the application's main form, freed when the test ends.
class TMDIFormFixture : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(Application->MainForm(), nullptr);
    Application->CreateForm(Frame);
    Frame->SetFormStyle(fsMDIForm);
    Frame->SetBounds(60, 60, 420, 320);
    Frame->SetCaption("MDI frame");
  }
  void TearDown() override {
    Frame->Free();
    PumpFor(10);
  }

  TForm* NewChild(const std::string& Caption) {
    auto* child = new TForm(Application);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 160, 100);
    child->SetCaption(Caption);
    child->Show();
    PumpFor(10);
    return child;
  }

  TForm* Frame = nullptr;
};

RECT ClientWindowRect(TCustomForm* Form) {
  RECT r{};
  GetWindowRect(Form->ClientHandle(), &r);
  MapWindowPoints(HWND_DESKTOP, Form->Handle(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(TMDIFormFixture, TheClientWindowFillsWhatEdgeAlignedControlsLeave) {
  auto* top = AddChild<TPanelControl>(Frame, Bounds(0, 0, 50, 30));
  top->SetAlign(alTop);
  Frame->Show();
  HWND client = Frame->ClientHandle();
  ASSERT_NE(client, nullptr);
  char className[32] = {};
  GetClassNameA(client, className, sizeof className);
  EXPECT_EQ(lstrcmpiA(className, "MDICLIENT"), 0);
  EXPECT_EQ(GetParent(client), Frame->Handle());
  const TRect area = Frame->ClientRect();
  EXPECT_EQ(FromRECT(ClientWindowRect(Frame)), Rect(0, 30, area.Right, area.Bottom));

  Frame->SetBounds(60, 60, 500, 360);  // a resize places it again
  PumpFor(10);
  const TRect larger = Frame->ClientRect();
  EXPECT_EQ(FromRECT(ClientWindowRect(Frame)), Rect(0, 30, larger.Right, larger.Bottom));
  EXPECT_THROW(Frame->SetFormStyle(fsNormal), EInvalidOperation);
}

TEST_F(TMDIFormFixture, ChildrenLiveInTheClientAndStepInZOrder) {
  Frame->Show();
  EXPECT_EQ(Frame->MDIChildCount(), 0);
  EXPECT_EQ(Frame->ActiveMDIChild(), nullptr);
  TForm* first = NewChild("First");
  TForm* second = NewChild("Second");
  EXPECT_EQ(GetParent(first->Handle()), Frame->ClientHandle());
  EXPECT_NE(GetWindowLongA(second->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
  ASSERT_EQ(Frame->MDIChildCount(), 2);
  EXPECT_EQ(Frame->ActiveMDIChild(), second);
  EXPECT_EQ(Frame->MDIChildren(0), second);  // the active child first
  EXPECT_EQ(Frame->MDIChildren(1), first);
  EXPECT_THROW(Frame->MDIChildren(2), EListError);
  EXPECT_TRUE(second->Active());
  EXPECT_FALSE(first->Active());

  Frame->Next();
  EXPECT_EQ(Frame->ActiveMDIChild(), first);
  EXPECT_TRUE(first->Active());
  EXPECT_FALSE(second->Active());
  Frame->Previous();
  EXPECT_EQ(Frame->ActiveMDIChild(), second);

  second->SetWindowState(wsMaximized);  // the system's own maximizing in the client
  EXPECT_TRUE(IsZoomed(second->Handle()));
}

TEST_F(TMDIFormFixture, AClosedChildGoesAndCtrlF4ClosesTheActiveOne) {
  Frame->Show();
  TForm* first = NewChild("First");
  TForm* second = NewChild("Second");
  HWND secondWindow = second->Handle();
  bool destroyed = false;
  second->OnDestroy = [&](TObject*) { destroyed = true; };
  second->Close();
  EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
  EXPECT_FALSE(IsWindow(secondWindow));
  ASSERT_EQ(Frame->MDIChildCount(), 1);
  EXPECT_EQ(Frame->ActiveMDIChild(), first);

  SetActiveWindow(Frame->Handle());
  bool firstClosed = false;
  first->OnClose = [&](TObject*, TCloseAction& Action) {
    firstClosed = true;
    Action = caNone;  // stays
  };
  PressKey(VK_F4, {ssCtrl});
  EXPECT_TRUE(PumpUntil([&] { return firstClosed; }));
  EXPECT_EQ(Frame->MDIChildCount(), 1);
}

TEST_F(TMDIFormFixture, AChildsKeysAreTheMainFormsShortcutsToo) {
  Frame->Show();
  TForm* child = NewChild("Child");
  int offered = 0;
  Frame->OnShortCut = [&](TWMKey& Key, bool& Handled) {
    ++offered;
    Handled = Key.CharCode == 'K';
  };
  SetActiveWindow(Frame->Handle());
  child->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == child->Handle(); }));
  PressKey('K', {ssCtrl});
  EXPECT_EQ(offered, 1);
}

TEST(MDIForms, AChildNeedsAnMDIMainForm) {
  TOwned<TForm> child(new TForm(Application));
  child->SetFormStyle(fsMDIChild);
  EXPECT_THROW(child->HandleNeeded(), EInvalidOperation);
  EXPECT_FALSE(child->HandleAllocated());
}

}  // namespace
