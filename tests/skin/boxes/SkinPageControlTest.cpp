// The skinned page control driven through the application's loop: the skinned strip
// scroller in place of the native one, closing pages from their close buttons, the room
// the native control leaves in the tabs, the skin's fonts and tab height, the focused
// tab's looks, and a control or page freed by the control's handlers (under a
// freed-memory guard, which stops the program at any use of them after that).
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinPageControl.h"
#include "skin/boxes/SkinTabSheet.h"
#include "skin/boxes/SkinUpDown.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/data/SkinViewData.h"

#include "classlib/Edit.h"
#include "classlib/ImageList.h"

#include "FreedMemory.h"
#include "Screenshot.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <string>
#include <vector>

namespace {

class SkinPageControlTest : public ::testing::Test {
 protected:
  SkinPageControlTest() { ParkPointer(); }

  // A page control with Count sheets "Page 1" .. "Page n".
  TspSkinPageControl* Add(const TRect& Bounds, int Count) {
    auto* control = Window.Add<TspSkinPageControl>(Bounds);
    for (int i = 0; i < Count; ++i) {
      auto* sheet = new TspSkinTabSheet(Window.Form());
      sheet->SetPageControl(control);
      sheet->SetCaption("Page " + std::to_string(i + 1));
    }
    control->OnClose = [this](TObject* Sender, bool& CanClose) {
      Closing.push_back(dynamic_cast<TTabSheet*>(Sender));
      CanClose = AllowClose;
    };
    return control;
  }
  static void Mouse(TWinControl* Control, UINT Msg, TPoint At, WPARAM Keys = 0) {
    PostMouse(Control, Msg, At.X, At.Y, Keys);
    Application->ProcessMessages();
  }
  // The middle of a page's close button on the screen, as last drawn.
  static TPoint CloseButtonOf(TspSkinPageControl* Control, int Page) {
    Painted(Control);
    const TRect tab = Control->GetTabRect(Control->Pages(Page)->TabIndex());
    const TRect r = dynamic_cast<TspSkinCustomTabSheet*>(Control->Pages(Page))->CloseButton().Rect;
    return {tab.Left + (r.Left + r.Right) / 2, tab.Top + (r.Top + r.Bottom) / 2};
  }
  static void Click(TspSkinPageControl* Control, TPoint At) {
    Mouse(Control, WM_MOUSEMOVE, At);
    Mouse(Control, WM_LBUTTONDOWN, At, MK_LBUTTON);
    Mouse(Control, WM_LBUTTONUP, At);
  }
  // The middle of tab Tab on the control.
  static TPoint TabOf(TspSkinPageControl* Control, int Tab) {
    const TRect r = Control->GetTabRect(Tab);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  static HWND NativeScroller(TspSkinPageControl* Control) {
    return FindWindowExA(Control->Handle(), nullptr, UPDOWN_CLASSA, nullptr);
  }

  TSkinTestWindow Window{640, 300};
  std::vector<TTabSheet*> Closing;
  bool AllowClose = true;
};

TEST_F(SkinPageControlTest, TheSkinnedScrollerAppearsForHiddenTabsScrollsTheStripAndGoesWhenAllFit) {
  TspSkinPageControl* control = Add({10, 10, 610, 210}, 6);
  Window.Show();
  EXPECT_EQ(control->TabScroller(), nullptr);
  control->SetWidth(180);
  PumpFor(0);
  TspSkinUpDown* scroller = control->TabScroller();
  ASSERT_NE(scroller, nullptr);
  EXPECT_EQ(NativeScroller(control), nullptr);
  EXPECT_EQ(scroller->BoundsRect(), (TRect{140, 0, 180, 20}));  // at the strip's right end
  EXPECT_EQ(scroller->Position(), 0);
  EXPECT_GT(scroller->Max(), 0);
  const TRect first = control->GetTabRect(0), second = control->GetTabRect(1);
  PostClick(scroller, {30, 10});  // the up button scrolls one tab
  EXPECT_EQ(scroller->Position(), 1);
  EXPECT_LT(control->GetTabRect(0).Right, 1);
  EXPECT_EQ(control->GetTabRect(1).Left, first.Left - 1);  // the first tab's own rectangle starts 1 further
  PostClick(scroller, {10, 10});
  EXPECT_EQ(scroller->Position(), 0);
  EXPECT_EQ(control->GetTabRect(1), second);
  control->SetWidth(600);
  PumpFor(0);
  EXPECT_EQ(control->TabScroller(), nullptr);
  EXPECT_EQ(NativeScroller(control), nullptr);
}

TEST_F(SkinPageControlTest, SideTabsTakeSeveralRowsWithoutTheFirstTabsShiftOrAScroller) {
  for (const TTabPosition side : {tpLeft, tpRight}) {
    TspSkinPageControl* control = Add({10, 10, 210, 210}, 3);
    control->SetTabPosition(side);
    Window.Show();
    RECT native{};
    control->Perform(TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&native));
    EXPECT_EQ(control->GetTabRect(0).Left, native.left) << side;
    // Tabs on the right end where a top strip's hidden tabs begin: still none is hidden.
    EXPECT_EQ(control->TabScroller(), nullptr) << side;
    control->Free();
  }
}

TEST_F(SkinPageControlTest, TheScrollerFollowsTheStripWhenATabIsSelected) {
  TspSkinPageControl* control = Add({10, 10, 190, 210}, 6);
  Window.Show();
  ASSERT_NE(control->TabScroller(), nullptr);
  EXPECT_EQ(NativeScroller(control), nullptr);  // none was left from the start either
  const TRect last = control->GetTabRect(2);
  Click(control, {last.Left + 3, (last.Top + last.Bottom) / 2});
  EXPECT_EQ(control->ActivePageIndex(), 2);
  const auto scrolledOut = [control] {
    int count = 0;
    for (int i = 0; i < 6; ++i) count += control->GetTabRect(i).Right < 1 ? 1 : 0;
    return count;
  };
  EXPECT_EQ(control->TabScroller()->Position(), scrolledOut());
  control->SetActivePageIndex(5);  // from code: the strip scrolls without OnChange
  EXPECT_GT(scrolledOut(), 0);
  EXPECT_EQ(control->TabScroller()->Position(), scrolledOut());
  control->SetActivePageIndex(0);
  EXPECT_EQ(control->TabScroller()->Position(), scrolledOut());
}

TEST_F(SkinPageControlTest, ACloseButtonClosesItsOwnPageAndTheHandlerMayRefuse) {
  TspSkinPageControl* control = Add({10, 10, 410, 210}, 3);
  control->SetShowCloseButtons(true);
  Window.Show();
  TTabSheet* third = control->Pages(2);
  Click(control, CloseButtonOf(control, 2));  // on a tab that was not selected
  ASSERT_EQ(Closing.size(), 1u);
  EXPECT_EQ(Closing[0], third);
  EXPECT_FALSE(third->TabVisible());
  EXPECT_EQ(control->PageCount(), 3);  // FreeOnClose is off: only the tab goes
  AllowClose = false;
  const TPoint first = CloseButtonOf(control, 0);
  Click(control, first);
  EXPECT_EQ(Closing.size(), 2u);
  EXPECT_TRUE(control->Pages(0)->TabVisible());
  auto* sheet = dynamic_cast<TspSkinCustomTabSheet*>(control->Pages(0));
  EXPECT_TRUE(sheet->CloseButton().MouseIn);  // the pointer is still on it
  EXPECT_FALSE(sheet->CloseButton().Pressed);
  AllowClose = true;
  control->SetFreeOnClose(true);
  Mouse(control, WM_LBUTTONUP, first);  // a release without a press closes nothing
  EXPECT_EQ(Closing.size(), 2u);
  Mouse(control, WM_RBUTTONDOWN, first, MK_RBUTTON);  // the right button closes as well
  Mouse(control, WM_RBUTTONUP, first);
  EXPECT_EQ(control->PageCount(), 2);
  EXPECT_EQ(Closing.size(), 3u);
}

TEST_F(SkinPageControlTest, APageWhoseTabWentIsHotNoMore) {
  TspSkinPageControl* control = Add({10, 10, 410, 210}, 3);
  control->SetShowCloseButtons(true);
  Window.Show();
  TTabSheet* third = control->Pages(2);
  // Sent straight to the control, with no move in between that would find the hot tab anew.
  const auto send = [control](UINT Msg, WPARAM Keys, TPoint At) {
    control->Perform(Msg, Keys, MAKELPARAM(At.X, At.Y));
  };
  const TPoint button = CloseButtonOf(control, 2);
  send(WM_MOUSEMOVE, 0, button);
  send(WM_LBUTTONDOWN, MK_LBUTTON, button);
  send(WM_LBUTTONUP, 0, button);  // its tab goes under the pointer
  ASSERT_FALSE(third->TabVisible());
  // A tab that went lies nowhere: another button pressed where its close button would lie
  // at the strip's start presses nothing.
  const TRect r = dynamic_cast<TspSkinCustomTabSheet*>(third)->CloseButton().Rect;
  const TPoint at{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  send(WM_RBUTTONDOWN, MK_RBUTTON, at);
  send(WM_RBUTTONUP, 0, at);
  EXPECT_EQ(Closing.size(), 1u);
}

TEST_F(SkinPageControlTest, TheTabsMakeRoomForImagesAndCloseButtonsExactly) {
  TspSkinPageControl* control = Add({10, 10, 410, 210}, 2);
  Window.Show();
  const int width = control->GetTabRect(0).Width();
  control->SetShowCloseButtons(true);
  EXPECT_EQ(control->TabSpaceImages()->Width(), 15);
  EXPECT_EQ(control->GetTabRect(0).Width(), width + 14);
  auto* images = new TImageList(Window.Form());
  images->SetSize(16, 12);
  control->SetImages(images);
  EXPECT_EQ(control->TabSpaceImages()->Width(), 31);
  control->SetShowCloseButtons(false);
  images->Free();
  EXPECT_EQ(control->Images(), nullptr);
  EXPECT_EQ(control->TabSpaceImages()->Width(), 17);  // the images' room stays
  EXPECT_EQ(control->GetTabRect(0).Width(), width + 16);
  control->SetTabPosition(tpLeft);  // a new window: the room is sized again
  EXPECT_EQ((TSize{control->TabSpaceImages()->Width(), control->TabSpaceImages()->Height()}), (TSize{1, 1}));
  const int length = control->GetTabRect(1).Height();
  control->SetShowCloseButtons(true);
  EXPECT_EQ((TSize{control->TabSpaceImages()->Width(), control->TabSpaceImages()->Height()}), (TSize{15, 15}));
  EXPECT_EQ(control->GetTabRect(1).Height(), length + 14);  // turned tabs grow along the side
}

TEST_F(SkinPageControlTest, TheSkinGivesTheTabsTheirFontAndHeightAndNoSkinTheDefaults) {
  TspSkinPageControl* control = Add({10, 10, 410, 210}, 2);
  control->SetSkinData(Window.Data());
  Window.Show();
  EXPECT_EQ(control->GetTabRect(0).Height(), 20);  // DefaultItemHeight
  control->SetDefaultItemHeight(26);
  EXPECT_EQ(control->GetTabRect(0).Height(), 26);
  EXPECT_EQ(control->Font()->Name(), "Arial");
  Window.Load("flatcolour");
  const TspSkinData& data = *Window.Data();
  const auto& tab = dynamic_cast<const TspDataSkinTabControl&>(*data.CtrlList.at(data.GetControlIndex("tab")));
  EXPECT_EQ(control->GetTabRect(0).Height(), tab.TabRect.Height());
  EXPECT_EQ(control->Font()->Name(), tab.FontName);
  EXPECT_EQ(control->Font()->Color(), tab.FontColor);
  control->SetUseSkinFont(false);
  control->ChangeSkinData();
  EXPECT_EQ(control->Font()->Name(), control->DefaultFont()->Name());
  EXPECT_EQ(control->Font()->Color(), tab.FontColor);
  control->SetTabHeight(30);
  EXPECT_EQ(control->GetTabRect(0).Height(), 30);
  control->SetTabHeight(0);
  control->SetTabWidth(80);  // a fixed width keeps the skin's height, not the font's
  EXPECT_EQ(control->GetTabRect(1).Width(), 80);
  EXPECT_EQ(control->GetTabRect(0).Height(), tab.TabRect.Height());
  control->SetSkinDataName("button");  // an entry of another kind is no skin
  control->ChangeSkinData();
  EXPECT_EQ(control->SkinIndex(), -1);
  EXPECT_EQ(control->GetTabRect(0).Height(), 26);
  EXPECT_EQ(control->Perform(SP_PAINT_TO_DC, 0, 0), SP_PAINT_TO_DC_ANSWER);
}

TEST_F(SkinPageControlTest, TheFocusedActiveTabShowsTheFocusPicture) {
  TspSkinPageControl* control = Add({10, 10, 410, 210}, 2);
  control->SetSkinData(Window.Data());
  Window.Load("flatcolour");
  Window.Show();
  const TspSkinData& data = *Window.Data();
  const auto& tab = dynamic_cast<const TspDataSkinTabControl&>(*data.CtrlList.at(data.GetControlIndex("tab")));
  auto* edit = Window.Add<TEdit>({420, 10, 500, 30});
  const TRect r = control->GetTabRect(0);
  const TPoint inside{r.Left + 10, r.Top + 3};
  control->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == control->Handle(); }));
  EXPECT_EQ(Painted(control)->Pixel(inside.X, inside.Y), EntryColour(data, "tab", tab.FocusTabRect));
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit->Handle(); }));
  EXPECT_EQ(Painted(control)->Pixel(inside.X, inside.Y), EntryColour(data, "tab", tab.ActiveTabRect));
}

// A handler that frees Component.
template <class... Args>
TDelegate<void(TObject*, Args...)> Freeing(TComponent* Component) {
  return [Component](TObject*, Args...) { Component->Free(); };
}

TEST_F(SkinPageControlTest, APageOrTheControlThatOnCloseFreesIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  TspSkinPageControl* control = Add({10, 10, 410, 210}, 4);
  control->SetShowCloseButtons(true);
  Window.Show();
  const auto closeFreeing = [control](int Page, bool Allow) {
    TTabSheet* page = control->Pages(Page);
    control->OnClose = [Allow](TObject* Sender, bool& CanClose) {
      dynamic_cast<TComponent*>(Sender)->Free();
      CanClose = Allow;
    };
    Click(control, CloseButtonOf(control, Page));
    return TFreedMemoryGuard::Freed(page);
  };
  EXPECT_TRUE(closeFreeing(3, true));
  EXPECT_TRUE(closeFreeing(2, false));  // freed, though closing it was refused
  control->SetFreeOnClose(true);        // not freed a second time
  EXPECT_TRUE(closeFreeing(1, true));
  EXPECT_EQ(control->PageCount(), 1);

  control->OnClose = Freeing<bool&>(control);
  Click(control, CloseButtonOf(control, 0));
  EXPECT_TRUE(TFreedMemoryGuard::Freed(control));
}

TEST_F(SkinPageControlTest, AControlFreedByItsMouseFocusOrTabHandlersIsNotTouchedAgain) {
  const TFreedMemoryGuard guard;
  Window.Show();
  const auto control = [&] {
    TspSkinPageControl* c = Add({10, 10, 410, 210}, 3);
    c->SetShowCloseButtons(true);
    return c;
  };
  TspSkinPageControl* pressed = control();
  pressed->OnMouseDown = Freeing<TMouseButton, TShiftState, int, int>(pressed);
  Mouse(pressed, WM_LBUTTONDOWN, {200, 100}, MK_LBUTTON);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(pressed));
  Mouse(Window.Form(), WM_LBUTTONUP, {500, 250});

  TspSkinPageControl* released = control();
  released->OnMouseUp = Freeing<TMouseButton, TShiftState, int, int>(released);
  Click(released, {200, 100});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(released));

  TspSkinPageControl* moved = control();
  moved->OnMouseMove = Freeing<TShiftState, int, int>(moved);
  Mouse(moved, WM_MOUSEMOVE, {200, 100});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(moved));

  TspSkinPageControl* left = control();
  left->OnMouseLeave = Freeing<>(left);
  Mouse(left, WM_MOUSEMOVE, {380, 8});  // on the strip beside the tabs
  Mouse(Window.Form(), WM_MOUSEMOVE, {500, 250});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(left));

  TspSkinPageControl* entered = control();
  entered->OnEnter = Freeing<>(entered);
  entered->SetFocus();
  EXPECT_TRUE(TFreedMemoryGuard::Freed(entered));

  // A press on another tab: the control asks before the change and tells after it.
  TspSkinPageControl* changing = control();
  changing->OnChanging = Freeing<bool&>(changing);
  Mouse(changing, WM_LBUTTONDOWN, TabOf(changing, 1), MK_LBUTTON);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(changing));
  Mouse(Window.Form(), WM_LBUTTONUP, {500, 250});

  TspSkinPageControl* changed = control();
  changed->OnChange = Freeing<>(changed);
  Mouse(changed, WM_LBUTTONDOWN, TabOf(changed, 1), MK_LBUTTON);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(changed));
  Mouse(Window.Form(), WM_LBUTTONUP, {500, 250});
}

TEST_F(SkinPageControlTest, APageThatOnExitFreesAsItsCloseTakesTheFocusFromItIsFreedOnce) {
  const TFreedMemoryGuard guard;
  Window.Show();
  // The edit on the page has the focus; closing the page (here by the right and the
  // middle button) moves the focus to the tabs, and the page's OnExit frees the page or
  // the whole control; FreeOnClose then frees nothing a second time.
  for (const bool wholeControl : {false, true}) {
    for (const UINT press : {WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
      TspSkinPageControl* control = Add({10, 10, 410, 210}, 3);
      control->SetShowCloseButtons(true);
      control->SetFreeOnClose(true);
      TTabSheet* page = control->Pages(0);
      auto* edit = Window.Add<TEdit>({10, 10, 110, 30}, page);
      edit->SetFocus();
      ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit->Handle(); }));
      bool exited = false;
      page->OnExit = [page, control, wholeControl, &exited](TObject*) {
        exited = true;
        wholeControl ? control->Free() : page->Free();
      };
      const TPoint at = CloseButtonOf(control, 0);
      Mouse(control, WM_MOUSEMOVE, at);
      Mouse(control, press, at, press == WM_RBUTTONDOWN ? MK_RBUTTON : MK_MBUTTON);
      Mouse(control, press + 1, at);
      EXPECT_TRUE(exited) << wholeControl << " " << press;
      EXPECT_TRUE(TFreedMemoryGuard::Freed(page)) << wholeControl << " " << press;
      EXPECT_TRUE(TFreedMemoryGuard::Freed(edit)) << wholeControl << " " << press;
      if (wholeControl) {
        EXPECT_TRUE(TFreedMemoryGuard::Freed(control)) << press;
        continue;
      }
      EXPECT_EQ(control->PageCount(), 2) << press;
      EXPECT_EQ(Closing.size(), 1u) << press;
      if (press == WM_RBUTTONDOWN) SaveScreenPictureOf(Window.Form()->Handle(), "boxes-tabs-page-freed-on-exit");
      Closing.clear();
      control->Free();
    }
  }
}

}  // namespace
