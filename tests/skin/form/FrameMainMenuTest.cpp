// The main menu's items drawn by the frame itself (no menu bar control) with the frame test
// skin's "MAINMENUITEM" entry and main-menu row: laid out in the row and hidden while the
// window is too narrow for them, painted in their faces, opened by the mouse and followed
// along the row, and driven from the keyboard in main-menu mode.
#include "FrameTestKit.h"

#include "Screenshot.h"

#include "skin/form/MainMenuItemSkin.h"
#include "skin/form/SkinMainMenuItem.h"

#include "skin/menus/SkinMenu.h"

#include "skin/data/SkinObjectData.h"

#include <gtest/gtest.h>

namespace {

class FrameMainMenu : public ::testing::Test {
protected:
  FrameMainMenu() {
    ParkPointer();
    window.Load("flatframe");
    window.Frame()->SetMainMenu(menu.Menu);
    window.Frame()->SetForceActive(true);
    window.Show();
    window.PaintedFrame();  // lays the items out
  }
  TspSkinMenu* Engine() const { return window.Frame()->SkinMenu(); }
  bool Hooked() const { return !(Application->OnMessage == before); }
  TspSkinMainMenuItem* Item(int Index) const { return window.Frame()->MainMenuItems().at(static_cast<size_t>(Index)); }
  std::string Hot() const {
    for (TspSkinMainMenuItem* item : window.Frame()->MainMenuItems())
      if (item->Active) return item->IDName;
    return "";
  }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  const TspDataSkinMainMenuItem& Entry() const {
    return dynamic_cast<const TspDataSkinMainMenuItem&>(ObjectEntry(*window.Data(), "MAINMENUITEM"));
  }
  // The pointer moves to frame point P; the frame's mouse timer ticks.
  void Hover(TPoint P) {
    Seams::SetCursorPos(window.ScreenPoint(P));
    SendMessageA(window.Frame()->MouseTimer()->Handle(), WM_TIMER, 1, 0);
  }

  TFrameWindow window{{100, 100, 500, 300}};
  TTestMainMenu menu{window.Form()};
  const TApplication::TMessageEvent before = Application->OnMessage;
};

TEST_F(FrameMainMenu, ItemsLieInTheSkinsRowEachAsWideAsItsCaptionNeeds) {
  ASSERT_EQ(window.Frame()->MainMenuItems().size(), 4u);
  const TspDataSkinMainMenuItem& entry = Entry();
  TFont font;
  font.SetName(entry.FontName);
  font.SetHeight(entry.FontHeight);
  font.SetStyle(entry.FontStyle);
  int left = window.Data()->MainMenuRect.Left;
  for (TspSkinMainMenuItem* item : window.Frame()->MainMenuItems()) {
    const int width = MenuCaptionWidth(font, item->MenuItem()->Caption()) + entry.SkinRect.Width() -
                      entry.TextRect.Width() + 2;
    EXPECT_EQ(item->ObjectRect, Rect(left, window.Data()->MainMenuRect.Top, left + width,
                                     window.Data()->MainMenuRect.Top + entry.SkinRect.Height()))
        << item->IDName;
    left += width;
  }
  // Each shows its face in the frame; the menu bar's place in the frame picture is left
  // where there are no items.
  const auto dc = window.PaintedFrame();
  const TColor face = ActivePixel(*window.Data(), entry.ActivePictureIndex, entry.SkinRect.Left, entry.SkinRect.Top);
  EXPECT_EQ(dc->Pixel(Item(0)->ObjectRect.Left + 1, Item(0)->ObjectRect.Top + 1), face);
  EXPECT_EQ(dc->Pixel(Item(3)->ObjectRect.Right - 2, Item(3)->ObjectRect.Top + 1), face);
  EXPECT_EQ(dc->Pixel(Item(3)->ObjectRect.Right + 2, Item(3)->ObjectRect.Top + 1),
            FramePixel(*window.Data(), window.Data()->MainMenuRect.Right - 4, window.Data()->MainMenuRect.Top + 1));
  SaveWindowScreenshot(window.Form()->Handle(), "frame-mainmenu-flatframe");
}

TEST_F(FrameMainMenu, ATooNarrowWindowHidesAndDisablesItemsAndAWiderOneGivesThemBack) {
  menu.View->SetCaption("&View and arrange all of the open windows neatly");
  menu.Help->SetCaption("&Help on everything");
  window.PaintedFrame();
  ASSERT_FALSE(Item(3)->Fits());
  EXPECT_FALSE(Item(3)->Enabled);
  EXPECT_TRUE(Item(0)->Fits());
  // Nothing reaches a hidden item: neither the mouse nor its accelerator.
  const TPoint hidden = Centre(Item(3)->ObjectRect);
  window.Frame()->TestActive(hidden.X, hidden.Y, true);
  EXPECT_EQ(window.Frame()->HotObject(), -1);
  EXPECT_FALSE(window.Frame()->FindMainMenuAccelerator('H'));

  window.Form()->SetWidth(900);
  window.PaintedFrame();
  EXPECT_TRUE(Item(3)->Fits());
  EXPECT_TRUE(Item(3)->Enabled);
  EXPECT_FALSE(Item(1)->Enabled);  // Edit was disabled before it was hidden
  window.Form()->SetWidth(400);
  window.PaintedFrame();
  EXPECT_FALSE(Item(3)->Fits());
}

TEST_F(FrameMainMenu, APressOpensTheSubmenuUnderTheItemAndHoveringTheNextMovesIt) {
  HWND form = window.Form()->Handle();
  const TPoint file = Centre(Item(0)->ObjectRect);
  PostMessageA(form, WM_NCLBUTTONDOWN, HTOBJECT, PointToLParam(window.ScreenPoint(file)));
  PostMessageA(form, WM_LBUTTONUP, 0, 0);
  PumpFor(20);
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Open", "&Save"}));
  EXPECT_TRUE(Item(0)->Down);
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  EXPECT_TRUE(Hooked());
  Hover(Centre(Item(2)->ObjectRect));
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Zoom"}));
  EXPECT_FALSE(Item(0)->Down);
  EXPECT_TRUE(Item(2)->Down);
  // Choosing Zoom runs it once and ends the mode.
  PressKey(VK_RETURN);
  EXPECT_EQ(menu.Clicks, (std::vector<std::string>{"ViewZoom"}));
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  EXPECT_FALSE(Item(2)->Down);

  // An item without a submenu runs its command at the press.
  PostMessageA(form, WM_NCLBUTTONDOWN, HTOBJECT, PointToLParam(window.ScreenPoint(Centre(Item(3)->ObjectRect))));
  PostMessageA(form, WM_LBUTTONUP, 0, 0);
  PumpFor(20);
  EXPECT_EQ(menu.Clicks, (std::vector<std::string>{"ViewZoom", "Help"}));
  EXPECT_FALSE(Engine()->Active());
}

TEST_F(FrameMainMenu, AltLightsTheFirstItemTheArrowsStepAndEscapeTwiceLeaves) {
  PressKey(VK_MENU, {ssAlt});
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  EXPECT_TRUE(Hooked());
  EXPECT_EQ(Hot(), "File");
  PressKey(VK_RIGHT);
  EXPECT_EQ(Hot(), "View");
  PressKey(VK_LEFT);
  PressKey(VK_LEFT);
  EXPECT_EQ(Hot(), "Help");
  PressKey(VK_DOWN);  // Help has no submenu: it runs
  EXPECT_EQ(menu.Clicks, (std::vector<std::string>{"Help"}));
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());

  PressKey('F', {ssAlt});
  ASSERT_TRUE(Engine()->Active());
  EXPECT_TRUE(Item(0)->Down);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  EXPECT_EQ(Hot(), "File");
  EXPECT_FALSE(Item(0)->Down);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  EXPECT_EQ(Hot(), "");
}

TEST_F(FrameMainMenu, AnAcceleratorsMenuStaysOpenWhicheverOfAltAndItsLetterComesUpFirst) {
  ExpectAcceleratorsKeepTheirMenusOpen(window, menu, before);
}

TEST_F(FrameMainMenu, AltWithALetterNoItemTakesStartsMainMenuModeAsAltAloneDoes) {
  int entered = 0;
  window.Frame()->OnMainMenuEnter = [&](TObject*) { ++entered; };
  // No item has Q: the system turns the key into a keyboard menu request with its letter.
  PressKey('Q', {ssAlt});
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  EXPECT_TRUE(Hooked());
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(Hot(), "File");
  EXPECT_FALSE(Engine()->Active());
  EXPECT_TRUE(menu.Clicks.empty());
  // From there the keys drive the menu as after Alt alone.
  PressKey(VK_RIGHT);
  EXPECT_EQ(Hot(), "View");
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  EXPECT_EQ(Hot(), "");
}

TEST_F(FrameMainMenu, AMenuBarOrAnotherMenuTakesTheItemsPlace) {
  TTestMainMenu other{window.Form()};
  other.Menu->Items()->Remove(other.Help);
  window.Frame()->SetMainMenu(other.Menu);
  EXPECT_EQ(window.Frame()->MainMenuItems().size(), 3u);
  window.Frame()->SetMainMenu(nullptr);
  EXPECT_TRUE(window.Frame()->MainMenuItems().empty());
  window.Frame()->SetMainMenu(menu.Menu);
  EXPECT_EQ(window.Frame()->MainMenuItems().size(), 4u);
  // A freed menu takes its items along.
  other.Menu->Free();
  menu.Menu->Free();
  EXPECT_TRUE(window.Frame()->MainMenuItems().empty());
  EXPECT_EQ(window.Frame()->MainMenu(), nullptr);
}

}  // namespace
