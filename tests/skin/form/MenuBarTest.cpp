// The skinned main menu bar under Wine: its items laid out and painted without a skin and
// with the flat-colour skin (faces, an animation frame, the chevron), and driven by the
// mouse and the keyboard through the window's skinned-window component: Alt, the arrows,
// accelerators, Escape, a submenu that follows the mouse, and commands that run once.
#include "FrameTestKit.h"

#include "skin/form/MainMenuItemSkin.h"
#include "skin/form/SkinMainMenuBar.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinViewData.h"

#include <gtest/gtest.h>

namespace {

class MenuBar : public ::testing::Test {
protected:
  MenuBar() {
    ParkPointer();
    bar->SetParent(window.Form());
    bar->SetDynamicSkinForm(window.Frame());
    window.Frame()->SetMainMenuBar(bar);
    bar->SetMainMenu(menu.Menu);
  }
  // Gives the window and the bar the test skin Name.
  void Load(const std::string& Name) {
    window.Load(Name);
    bar->SetSkinData(window.Data());
  }
  TspSkinMenu* Engine() const { return window.Frame()->SkinMenu(); }
  bool Hooked() const { return !(Application->OnMessage == before); }
  TspSkinMainMenuBarItem* Item(int Index) const { return bar->Items().at(static_cast<size_t>(Index)); }
  // The hot item's name; "" for none.
  std::string Hot() const {
    for (TspSkinMainMenuBarItem* item : bar->Items())
      if (item->Active) return item->IDName;
    return "";
  }
  TPoint Centre(int Index) const {
    const TRect& r = Item(Index)->ObjectRect;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The bar painted into a memory DC.
  std::unique_ptr<TPixelDC> PaintedBar() const {
    auto dc = std::make_unique<TPixelDC>(bar->Width(), bar->Height());
    SendMessageA(bar->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
    return dc;
  }
  // The pointer moves to bar point P; the bar's mouse timer ticks.
  void Hover(TPoint P) {
    Seams::SetCursorPos(bar->ClientToScreen(P));
    SendMessageA(bar->Handle(), WM_TIMER, TspSkinMainMenuBar::MouseTimerId, 0);
  }

  TFrameWindow window{{100, 100, 500, 300}};
  TTestMainMenu menu{window.Form()};
  TspSkinMainMenuBar* bar = new TspSkinMainMenuBar(window.Form());
  const TApplication::TMessageEvent before = Application->OnMessage;
};

TEST_F(MenuBar, WithoutASkinItemsStartTwoPixelsInEachTwelveWiderThanItsCaption) {
  window.Show();
  bar->ArrangeObjects();
  EXPECT_EQ(bar->Height(), 22);
  EXPECT_EQ(bar->Align(), alTop);
  ASSERT_EQ(bar->Items().size(), 4u);
  int left = 2;
  for (TspSkinMainMenuBarItem* item : bar->Items()) {
    const int caption = MenuCaptionWidth(*bar->DefItemFont(), item->MenuItem()->Caption());
    EXPECT_EQ(item->ObjectRect, Rect(left, 2, left + caption + 12, 20)) << item->IDName;
    EXPECT_TRUE(item->Shown());
    left = item->ObjectRect.Right;
  }
  // A disabled menu item's object is disabled; an invisible one gets none.
  EXPECT_FALSE(Item(1)->Enabled);
  menu.View->SetVisible(false);
  bar->UpdateItems();
  EXPECT_EQ(bar->Items().size(), 3u);
}

TEST_F(MenuBar, ItemsPastTheChevronHideDisabledAndComeBackWithTheirOwnState) {
  menu.View->SetCaption("&View and arrange the windows");
  window.Show();
  bar->ArrangeObjects();
  const int allFit = Item(3)->ObjectRect.Right + 5 + 2;
  // At the default frame's least width View and Help do not fit; the chevron shows in
  // the button shadow.
  window.Form()->SetWidth(130);
  bar->ArrangeObjects();
  ASSERT_LT(bar->Width(), Item(2)->ObjectRect.Right);
  EXPECT_TRUE(Item(1)->Shown());
  EXPECT_FALSE(Item(2)->Shown());
  EXPECT_FALSE(Item(3)->Shown());
  EXPECT_FALSE(Item(2)->Enabled);
  ASSERT_TRUE(bar->ItemsHidden());
  const TRect chevron = bar->ChevronRect();
  const TPoint mark{chevron.Left + 2, (chevron.Top + chevron.Bottom) / 2};
  EXPECT_EQ(PaintedBar()->Pixel(mark.X, mark.Y), SysColor(clBtnShadow));
  bar->TestActive(mark.X, mark.Y);
  EXPECT_TRUE(bar->ChevronHot());
  EXPECT_EQ(PaintedBar()->Pixel(mark.X, mark.Y), SysColor(clBtnText));

  // A press on the chevron lists the items the bar could not show.
  window.Show();
  PostClick(bar, mark);
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&View and arrange the windows", "&Help"}));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(Hooked());

  window.Form()->SetWidth(allFit + 40);
  bar->ArrangeObjects();
  EXPECT_FALSE(bar->ItemsHidden());
  EXPECT_TRUE(Item(2)->Enabled);
  EXPECT_FALSE(Item(1)->Enabled);  // disabled before, disabled after
}

// The chevron's menu lists the main menu's items from the position that the count of
// items on the bar gives. An invisible item ahead of them, which the bar leaves out,
// counts in the menu: the list then starts with the last item the bar shows.
TEST_F(MenuBar, TheChevronListsTheMainMenuFromThePositionOfTheBarsItemCount) {
  menu.View->SetCaption("&View and arrange the windows");
  auto* tools = new TMenuItem(menu.Menu);
  tools->SetCaption("&Tools");
  tools->SetVisible(false);
  menu.Menu->Items()->Insert(0, tools);
  bar->UpdateItems();
  window.Form()->SetWidth(130);
  window.Show();
  bar->ArrangeObjects();
  ASSERT_TRUE(Item(1)->Shown());
  ASSERT_FALSE(Item(2)->Shown());
  const TRect chevron = bar->ChevronRect();
  PostClick(bar, {chevron.Left + 2, (chevron.Top + chevron.Bottom) / 2});
  EXPECT_EQ(OpenMenuCaptions(*Engine()),
            (std::vector<std::string>{"&Edit", "&View and arrange the windows", "&Help"}));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(Hooked());
}

TEST_F(MenuBar, FlatColourFacesShowNormalHotPressedAndTheAnimationFrames) {
  Load("flatcolour");
  window.Show();
  const TspSkinData& data = *window.Data();
  const auto& entry = dynamic_cast<const TspDataSkinMainMenuItem&>(ObjectEntry(data, "mainmenubaritem"));
  ASSERT_TRUE(bar->Skinned());
  EXPECT_EQ(bar->Height(), 22);
  TspSkinMainMenuBarItem* file = Item(0);
  // The left end of a face is copied as it is: one pixel tells the face.
  const auto face = [&] {
    return PaintedBar()->Pixel(file->ObjectRect.Left + 1, file->ObjectRect.Top + 1);
  };
  const auto colour = [&](const TRect& R) { return ActivePixel(data, entry.ActivePictureIndex, R.Left, R.Top); };
  EXPECT_EQ(file->ObjectRect.Height(), entry.SkinRect.Height());
  EXPECT_EQ(face(), colour(entry.SkinRect));

  // Hot: the strip's frames one per tick of the animation timer, then the hot face; back
  // down when the mouse leaves.
  ASSERT_TRUE(file->CanAnimate());
  file->MouseEnter();
  EXPECT_EQ(face(), colour(entry.SkinRect));
  SendMessageA(bar->Handle(), WM_TIMER, TspSkinMainMenuBar::AnimationTimerId, 0);
  const int frameWidth = entry.AnimateSkinRect.Width() / entry.FrameCount;
  EXPECT_EQ(face(), colour(entry.AnimateSkinRect));
  SendMessageA(bar->Handle(), WM_TIMER, TspSkinMainMenuBar::AnimationTimerId, 0);
  EXPECT_EQ(face(), colour(OffsetRect(entry.AnimateSkinRect, frameWidth, 0)));
  for (int i = 0; i < entry.FrameCount; ++i)
    SendMessageA(bar->Handle(), WM_TIMER, TspSkinMainMenuBar::AnimationTimerId, 0);
  EXPECT_EQ(face(), colour(entry.ActiveSkinRect));
  file->Down = true;
  EXPECT_EQ(face(), colour(entry.DownRect));
  file->Down = false;

  // With the skin's effects off the hot face shows at once.
  file->MouseLeave();
  window.Data()->SetEnableSkinEffects(false);
  EXPECT_EQ(face(), colour(entry.SkinRect));
  file->MouseEnter();
  EXPECT_EQ(face(), colour(entry.ActiveSkinRect));
}

TEST_F(MenuBar, FlatColourChevronTakesTheSkinsTrackMarkColours) {
  Load("flatcolour");
  window.Show();
  const auto& skin = dynamic_cast<const TspDataSkinMainMenuBar&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("mainmenubar"))));
  window.Form()->SetWidth(Item(1)->ObjectRect.Left + 30);
  bar->ArrangeObjects();
  ASSERT_TRUE(bar->ItemsHidden());
  const TRect chevron = bar->ChevronRect();
  EXPECT_EQ(chevron.Right, bar->Width() - (skin.SkinRect.Width() - skin.ItemsRect.Right));
  const TPoint mark{chevron.Left + 2, (chevron.Top + chevron.Bottom) / 2};
  EXPECT_EQ(PaintedBar()->Pixel(mark.X, mark.Y), skin.TrackMarkColor);
  bar->TestActive(mark.X, mark.Y);
  EXPECT_EQ(PaintedBar()->Pixel(mark.X, mark.Y), skin.TrackMarkActiveColor);
}

TEST_F(MenuBar, AltEntersKeyboardModeAndTheArrowsWrapPastDisabledItems) {
  window.Show();
  int entered = 0;
  TObject* sender = nullptr;
  window.Frame()->OnMainMenuEnter = [&](TObject* Sender) {
    ++entered;
    sender = Sender;
  };
  PressKey(VK_MENU, {ssAlt});
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  EXPECT_TRUE(Hooked());
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(sender, bar);
  EXPECT_EQ(Hot(), "File");
  PressKey(VK_RIGHT);
  EXPECT_EQ(Hot(), "View");  // Edit is disabled
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  EXPECT_EQ(Hot(), "File");
  PressKey(VK_LEFT);
  EXPECT_EQ(Hot(), "Help");
  EXPECT_FALSE(Engine()->Active());
  // Alt again leaves the mode, and the keys are the window's again.
  PressKey(VK_MENU, {ssAlt});
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  EXPECT_EQ(Hot(), "");
}

TEST_F(MenuBar, DownOpensTheHotItemRightMovesTheSubmenuAndEscapeTwiceLeaves) {
  window.Show();
  PressKey(VK_MENU, {ssAlt});
  PressKey(VK_DOWN);
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Open", "&Save"}));
  EXPECT_TRUE(Item(0)->Down);
  // "&Open" has no submenu: Right goes on to the next item, which opens in its place.
  PressKey(VK_RIGHT);
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Zoom"}));
  EXPECT_FALSE(Item(0)->Down);
  EXPECT_TRUE(Item(2)->Down);
  // Escape closes the submenu; its item stays hot in main-menu mode.
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(window.Frame()->MenuOpen());
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  EXPECT_EQ(Hot(), "View");
  EXPECT_FALSE(Item(2)->Down);
  int exits = 0;
  window.Frame()->OnMainMenuExit = [&](TObject*) { ++exits; };
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  EXPECT_TRUE(Application->OnMessage == before);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(Hot(), "");
  EXPECT_TRUE(menu.Clicks.empty());
}

TEST_F(MenuBar, AltAndALetterOpensItsItemAndEnterRunsTheChosenCommandOnce) {
  window.Show();
  PressKey('V', {ssAlt});
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Zoom"}));
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  // In main-menu mode the letters of the bar's items still move the menu.
  PressKey('F');
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Open", "&Save"}));
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_EQ(menu.Clicks, (std::vector<std::string>{"FileSave"}));
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  // The accelerator of a disabled item opens nothing: Alt and its letter put the bar in
  // keyboard mode as Alt alone does.
  PressKey('E', {ssAlt});
  EXPECT_FALSE(Engine()->Active());
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  EXPECT_EQ(Hot(), "File");
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
}

TEST_F(MenuBar, AnAcceleratorsMenuStaysOpenWhicheverOfAltAndItsLetterComesUpFirst) {
  window.Show();
  ExpectAcceleratorsKeepTheirMenusOpen(window, menu, before);
}

// An accelerator moves the open submenu to its item: the item left goes dark, and the
// arrows go on from the item the accelerator chose.
TEST_F(MenuBar, AnAcceleratorThatMovesTheSubmenuLeavesOnlyItsItemLitForTheArrows) {
  window.Show();
  PressKey('F', {ssAlt});
  ASSERT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Open", "&Save"}));
  PressKey('V');
  ASSERT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Zoom"}));
  EXPECT_FALSE(Item(0)->Down);
  EXPECT_FALSE(Item(0)->Active);
  EXPECT_FALSE(Item(0)->MouseIn);
  EXPECT_EQ(PaintedBar()->Pixel(Item(0)->ObjectRect.Left + 1, Item(0)->ObjectRect.Top + 1), SysColor(clBtnFace));
  // Left from View: File again (Edit is disabled).
  PressKey(VK_LEFT);
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Open", "&Save"}));
  EXPECT_TRUE(Item(0)->Down);
  EXPECT_FALSE(Item(2)->Down);
  EXPECT_FALSE(Item(2)->Active);
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_EQ(Hot(), "");
}

TEST_F(MenuBar, AClickOpensTheSubmenuAndHoveringTheNextItemMovesIt) {
  window.Show();
  bar->ArrangeObjects();
  std::vector<std::string> clicked;
  bar->OnMainMenuItemClick = [&](const std::string& IDName) { clicked.push_back(IDName); };
  PostClick(bar, Centre(0));
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(clicked, (std::vector<std::string>{"File"}));
  EXPECT_TRUE(Hooked());
  // Under File, against the bar.
  EXPECT_EQ(Engine()->PopupWindows().front()->Top(), bar->ClientToScreen({0, Item(0)->ObjectRect.Bottom}).Y);
  Hover(Centre(2));
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Zoom"}));
  EXPECT_TRUE(Item(2)->Down);
  EXPECT_FALSE(Item(0)->Down);
  // Over the disabled Edit nothing changes; off the bar the open item stays pressed and hot.
  Hover(Centre(1));
  EXPECT_TRUE(Item(2)->Down);
  Hover({-50, -50});
  EXPECT_TRUE(Item(2)->Down);
  EXPECT_EQ(bar->HotObject(), 2);
  // A click on the window ends it all.
  SendMessageA(window.Form()->Handle(), WM_LBUTTONDOWN, 0, PointToLParam({50, 100}));
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  EXPECT_FALSE(Item(2)->Down);
  EXPECT_TRUE(menu.Clicks.empty());
}

TEST_F(MenuBar, APlainItemRunsItsCommandOnceAfterOnMainMenuItemClick) {
  window.Show();
  bar->ArrangeObjects();
  std::vector<std::string> events;
  bar->OnMainMenuItemClick = [&](const std::string& IDName) { events.push_back("click " + IDName); };
  menu.Help->OnClick = [&](TObject*) { events.push_back("command"); };
  PostClick(bar, Centre(3));
  EXPECT_EQ(events, (std::vector<std::string>{"click Help", "command"}));
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
  // From keyboard mode too, which it ends. Alt lights the item the mouse is on.
  PressKey(VK_MENU, {ssAlt});
  EXPECT_EQ(Hot(), "Help");
  PressKey(VK_RETURN);
  EXPECT_EQ(events, (std::vector<std::string>{"click Help", "command", "click Help", "command"}));
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  EXPECT_FALSE(Hooked());
}

TEST_F(MenuBar, TheBarsMenuTakesEachOfTheFormsShortcutsAlsoOneRightAfterAnother) {
  window.Show();
  menu.File->Items(0)->SetShortCut(ShortCut('O', {ssCtrl}));
  menu.File->Items(1)->SetShortCut(ShortCut('S', {ssCtrl}));
  // One shortcut right after another (Ctrl held down throughout): each runs its command.
  PressKey('O', {ssCtrl});
  PressKey('S', {ssCtrl});
  PressKey('S', {ssCtrl});
  const std::vector<std::string> clicks{"FileOpen", "FileSave", "FileSave"};
  EXPECT_EQ(menu.Clicks, clicks);
  // Alt+F4 is never an accelerator, not even of an item whose letter has F4's key code.
  menu.Help->SetCaption("&s");
  TWMKey altF4{VK_F4, 0x20000000};
  bool handled = false;
  window.Frame()->FormShortCut(altF4, handled);
  EXPECT_FALSE(handled);
  // Nor is Alt with another key that types no letter.
  menu.Help->SetCaption("&t");
  TWMKey altF5{VK_F5, 0x20000000};
  window.Frame()->FormShortCut(altF5, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(menu.Clicks, clicks);
}

TEST_F(MenuBar, MDIButtonsTakeTheAreasEndsInTheDefaultLook) {
  window.Show();
  bar->ShowMDIButtons({TspBorderIcon::biSystemMenu, TspBorderIcon::biMaximize});
  ASSERT_EQ(bar->MDIButtonCount(), 4);
  bar->ArrangeObjects();
  const auto* sys = dynamic_cast<TspSkinMainMenuBarButton*>(bar->Objects(0));
  const auto* min = dynamic_cast<TspSkinMainMenuBarButton*>(bar->Objects(3));
  ASSERT_NE(sys, nullptr);
  ASSERT_NE(min, nullptr);
  EXPECT_EQ(sys->Command, cmsysmenu);
  EXPECT_EQ(sys->ObjectRect, Rect(2, 2, 20, 20));
  EXPECT_EQ(bar->Objects(1)->ObjectRect.Right, bar->Width() - 2);
  // Without biMinimize the child cannot be minimized from the bar.
  EXPECT_FALSE(min->Enabled);
  EXPECT_TRUE(sys->Enabled);
  EXPECT_EQ(Item(0)->ObjectRect.Left, 22);
  EXPECT_EQ(PaintedBar()->Pixel(3, 3), SysColor(clBtnFace));
  // Pressed, a button and an item fill a navy frame with the cells' pressed shade.
  auto* pressed = dynamic_cast<TspSkinMainMenuBarButton*>(bar->Objects(0));
  pressed->MouseIn = pressed->Down = true;
  Item(0)->Down = true;
  const std::unique_ptr<TPixelDC> painted = PaintedBar();
  for (const TRect& r : {sys->ObjectRect, Item(0)->ObjectRect}) {
    EXPECT_EQ(painted->Pixel(r.Left, r.Top), clNavy);
    EXPECT_EQ(painted->Pixel(r.Right - 2, r.Bottom - 2), DefaultCellDownFill);
  }
  pressed->MouseIn = pressed->Down = Item(0)->Down = false;
  // The buttons stay across a rebuild of the items.
  bar->UpdateItems();
  EXPECT_EQ(bar->MDIButtonCount(), 4);
}

}  // namespace
