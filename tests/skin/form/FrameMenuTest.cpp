// The system menu through the window's skin menu engine: opened by its caption button,
// by Alt+Space and on the caption, driven by keys that the frame takes from the
// application's loop while it is open, and closed again without leaving a hook behind.
#include "FrameTestKit.h"

#include "skin/form/ActiveSkinObject.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class SystemMenu : public ::testing::Test {
protected:
  SystemMenu() {
    window.Show();
    window.PaintedFrame();  // the default frame makes its caption buttons when it first paints
  }
  TspSkinMenu* Engine() const { return window.Frame()->SkinMenu(); }
  bool Hooked() const { return !(Application->OnMessage == before); }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    if (Engine()->PopupWindows().empty()) return captions;
    TspSkinPopupWindow* level = Engine()->PopupWindows().front();
    for (int i = 0; i < level->ItemCount(); ++i) captions.push_back(level->Items(i)->MenuItem->Caption());
    return captions;
  }

  TFrameWindow window{{100, 100, 400, 300}};
  const TApplication::TMessageEvent before = Application->OnMessage;
};

TEST_F(SystemMenu, TheCaptionButtonOpensItAndEscapeClosesItWithoutAHookLeft) {
  TspActiveSkinObject* button = window.Frame()->StdButtonObject(cmsysmenu);
  ASSERT_NE(button, nullptr);
  const TPoint at{(button->ObjectRect.Left + button->ObjectRect.Right) / 2, 12};
  HWND form = window.Form()->Handle();
  PostMessageA(form, WM_NCLBUTTONDOWN, HTOBJECT, PointToLParam(window.ScreenPoint(at)));
  PostMessageA(form, WM_LBUTTONUP, 0, 0);
  PumpFor(20);
  ASSERT_TRUE(Engine()->Active());
  EXPECT_TRUE(Hooked());
  EXPECT_TRUE(window.Frame()->MenuOpen());
  // Under the button, with the items a normal window offers.
  const TRect screen = OffsetRect(button->ObjectRect, window.ScreenPoint({}).X, window.ScreenPoint({}).Y);
  EXPECT_EQ(Engine()->PopupWindows().front()->Top(), screen.Bottom);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Mi&nimize", "Ma&ximize", "Ro&llUp", "-", "&Close"}));
  EXPECT_EQ(ShortCutToText(Engine()->PopupWindows().front()->Items(4)->MenuItem->ShortCut()), "Alt+F4");

  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(Hooked());
  EXPECT_FALSE(window.Frame()->MenuOpen());
}

TEST_F(SystemMenu, AltSpaceOpensItAndItsCommandRunsAfterTheMenuClosed) {
  PressKey(VK_SPACE, {ssAlt});
  ASSERT_TRUE(Engine()->Active());
  EXPECT_TRUE(Hooked());
  // The wheel does nothing meanwhile; the accelerator of "Ma&ximize" chooses it.
  PostMessageA(window.Form()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  PumpFor(10);
  ASSERT_TRUE(Engine()->Active());
  bool closedFirst = false;
  window.Frame()->OnMaximize = [&](TObject*) { closedFirst = !Engine()->Active() && !Hooked(); };
  PressKey(VK_F9);  // the code of "x", but no letter
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(window.Frame()->WindowState(), TspWindowState::Normal);
  PressKey('X');
  EXPECT_EQ(window.Frame()->WindowState(), TspWindowState::Maximized);
  EXPECT_TRUE(closedFirst);
  // A maximized window offers to restore, not to maximize.
  PressKey(VK_SPACE, {ssAlt});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Mi&nimize", "&Restore", "Ro&llUp", "-", "&Close"}));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Hooked());
}

TEST_F(SystemMenu, AltSpaceTypedQuicklyLeavesItOpenForTheArrowKeysAndAltAloneClosesIt) {
  const std::vector<std::string> items{"Mi&nimize", "Ma&ximize", "Ro&llUp", "-", "&Close"};
  // At typing speed Alt often comes up before Space.
  PostKeyStrokes({VK_MENU, VK_SPACE, -VK_MENU, -VK_SPACE});
  ASSERT_TRUE(Engine()->Active());
  EXPECT_TRUE(window.Frame()->MenuOpen()) << "the release of Alt took the system menu for closed";
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_TRUE(Hooked());
  ASSERT_EQ(Captions(), items);
  const int selected = Engine()->PopupWindows().front()->ItemIndex();
  PostKeyStrokes({VK_DOWN, -VK_DOWN});
  ASSERT_EQ(Captions(), items);
  EXPECT_EQ(Engine()->PopupWindows().front()->ItemIndex(), selected + 1) << "Down did not reach the system menu";

  // Alt pressed alone afterwards is a request of its own: it closes the menu.
  PostKeyStrokes({VK_MENU, -VK_MENU});
  EXPECT_FALSE(window.Frame()->MenuOpen());
  EXPECT_FALSE(Hooked());
}

TEST_F(SystemMenu, ARightClickOnTheCaptionOpensItAndAClickOnTheWindowClosesIt) {
  HWND form = window.Form()->Handle();
  const TPoint at = window.ScreenPoint({150, 10});
  // The system's handling of the press waits for the button's release.
  PostMessageA(form, WM_RBUTTONUP, 0, PointToLParam({150, 10}));
  SendMessageA(form, WM_NCRBUTTONDOWN, HTCAPTION, PointToLParam(at));
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(Engine()->PopupWindows().front()->Left(), at.X);
  SendMessageA(form, WM_LBUTTONDOWN, 0, PointToLParam({50, 50}));
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(Hooked());
}

TEST_F(SystemMenu, AnApplicationsOwnSystemMenuGetsTheStandardItemsOnce) {
  auto* own = new TPopupMenu(window.Form());
  auto* about = new TMenuItem(own);
  about->SetCaption("About");
  own->Items()->Add(about);
  window.Frame()->SetSystemMenu(own);
  window.Frame()->GetSystemMenuItems();
  TMenuItem* items = window.Frame()->GetSystemMenuItems();
  std::vector<std::string> names;
  for (int i = 0; i < items->Count(); ++i) names.push_back(items->Items(i)->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"DSF_MAXITEM", "", "DSF_ROLLUP", "DSF_MINITEM", "DSF_CLOSE"}));
}

}  // namespace
