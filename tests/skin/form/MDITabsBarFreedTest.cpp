// The MDI tabs bar when its handlers free a child with its tab, or the bar itself: once
// freed, neither is touched again. The bar, the children and their tabs are made under a
// freed-memory guard, so any use of one after it was freed stops the test program.
#include "FrameTestKit.h"

#include "skin/form/SkinMDITabsBar.h"

#include "FreedMemory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An MDI main form, the application's main form; its tabs bar and children are made by
// the tests, under their guard.
class MDITabsBarFreed : public ::testing::Test {
protected:
  MDITabsBarFreed() {
    ParkPointer();
    Application->CreateForm(Main);
    Main->SetFormStyle(fsMDIForm);
    Main->SetBounds(40, 40, 560, 400);
    Main->Show();
    PumpFor(20);
  }
  ~MDITabsBarFreed() override {
    Main->Free();
    PumpFor(10);
  }
  // The bar along the main form's top with one tab per child, laid out as it paints.
  TspSkinMDITabsBar* NewBar(int Children) {
    auto* bar = new TspSkinMDITabsBar(Main);
    bar->SetAlign(alTop);
    bar->SetParent(Main);
    for (int i = 0; i < Children; ++i) {
      auto* child = new TForm(Application);
      child->SetFormStyle(fsMDIChild);
      child->SetBounds(10 * i, 10 * i, 200, 140);
      child->SetCaption("Doc " + std::to_string(i));
      child->Show();
      bar->AddTab(child);  // as the main form's frame does
    }
    PumpFor(10);
    TPixelDC dc(bar->Width(), bar->Height());
    SendMessageA(bar->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
    return bar;
  }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  static void Click(TspSkinMDITabsBar* Bar, TPoint At) {
    PostMouse(Bar, WM_LBUTTONDOWN, At.X, At.Y, MK_LBUTTON);
    PostMouse(Bar, WM_LBUTTONUP, At.X, At.Y);
    Application->ProcessMessages();
  }

  TForm* Main = nullptr;
};

TEST_F(MDITabsBarFreed, ATabWhoseChildTheMouseUpHandlerFreesIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  TspSkinMDITabsBar* bar = NewBar(3);
  bar->SetShowCloseButtons(true);
  TspMDITab* freed = nullptr;
  bar->OnTabMouseUp = [&](TMouseButton, TShiftState, TspMDITab* Tab) {
    freed = Tab;
    Tab->Child->Free();
  };
  // Released on the tab away from its close button, then on a close button.
  Click(bar, {bar->Tabs(0)->TabRect.Left + 5, Centre(bar->Tabs(0)->TabRect).Y});
  ASSERT_NE(freed, nullptr);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(freed));
  TPixelDC dc(bar->Width(), bar->Height());  // lays the close buttons out again
  SendMessageA(bar->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  Click(bar, Centre(bar->Tabs(1)->CloseRect));
  EXPECT_TRUE(TFreedMemoryGuard::Freed(freed));
  EXPECT_EQ(bar->TabCount(), 1);
}

TEST_F(MDITabsBarFreed, ABarItsOwnMouseHandlersFreeIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  // Pointed at: its OnMouseMove, OnTabMouseEnter.
  const auto movedOnto = [&](auto Hook) {
    TspSkinMDITabsBar* bar = NewBar(2);
    Hook(bar);
    const TPoint at = Centre(bar->Tabs(0)->TabRect);
    PostMouse(bar, WM_MOUSEMOVE, at.X, at.Y);
    Application->ProcessMessages();
    EXPECT_TRUE(TFreedMemoryGuard::Freed(bar));
  };
  movedOnto([](TspSkinMDITabsBar* Bar) {
    Bar->OnMouseMove = [Bar](TObject*, TShiftState, int, int) { Bar->Free(); };
  });
  movedOnto([](TspSkinMDITabsBar* Bar) { Bar->OnTabMouseEnter = [Bar](TspMDITab*) { Bar->Free(); }; });

  // Left by the pointer: its OnTabMouseLeave from one tab to the next, its OnMouseLeave.
  const auto left = [&](auto Hook, bool OffTheBar) {
    TspSkinMDITabsBar* bar = NewBar(2);
    const TPoint at = Centre(bar->Tabs(0)->TabRect);
    PostMouse(bar, WM_MOUSEMOVE, at.X, at.Y);
    Application->ProcessMessages();
    Hook(bar);
    if (OffTheBar)
      PostMouse(Main, WM_MOUSEMOVE, Main->ClientWidth() / 2, Main->ClientHeight() / 2);
    else
      PostMouse(bar, WM_MOUSEMOVE, bar->Width() - 20, at.Y);  // past the last tab
    Application->ProcessMessages();
    EXPECT_TRUE(TFreedMemoryGuard::Freed(bar));
  };
  left([](TspSkinMDITabsBar* Bar) { Bar->OnTabMouseLeave = [Bar](TspMDITab*) { Bar->Free(); }; }, false);
  left([](TspSkinMDITabsBar* Bar) { Bar->OnMouseLeave = [Bar](TObject*) { Bar->Free(); }; }, true);
}

TEST_F(MDITabsBarFreed, ABarThatTheHotTabsEndFreesIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  TspSkinMDITabsBar* bar = NewBar(2);
  const TPoint at = Centre(bar->Tabs(0)->TabRect);
  PostMouse(bar, WM_MOUSEMOVE, at.X, at.Y);
  Application->ProcessMessages();
  bar->OnTabMouseLeave = [bar](TspMDITab*) { bar->Free(); };
  bar->Tabs(0)->Child->Free();
  EXPECT_TRUE(TFreedMemoryGuard::Freed(bar));
}

}  // namespace
