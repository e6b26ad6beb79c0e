// The menu tool button under Wine: down exactly while its popup menu or images menu is
// open and up again once, at once when nothing opened; the track strip; the pointer while
// the menu is open; an images menu shared by two buttons; its looks and a screenshot.
#include "ImagesMenuTestKit.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuSpeedButton.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"
#include "skin/controls/SkinFormHost.h"
#include "skin/controls/portable/SkinPartLook.h"

#include "base/FileUtils.h"

#include "FreedMemory.h"
#include "PngWriter.h"
#include "Screenshot.h"

namespace {

using namespace imagesmenutest;

// The window's frame as far as popup menus need it: the menu engine.
class TMenuHost : public TComponent, public TspSkinFormHost {
public:
  explicit TMenuHost(TCustomForm* Form) : TComponent(Form), FEngine(new TspSkinMenu(this, Form)) {}
  TspSkinData* SkinData() const override { return Skin; }
  TspSkinData* MenusSkinData() const override { return nullptr; }
  TspSkinMenu* SkinMenu() const override { return FEngine; }
  void SkinMenuOpen() override {}
  void SkinMenuClose() override { FEngine->CloseMenu(); }
  TspSkinData* Skin = nullptr;

private:
  TspSkinMenu* FEngine;
};

class SkinMenuSpeedButtonTest : public TImagesMenuTest {
protected:
  SkinMenuSpeedButtonTest() {
    button->SetParent(window.Form());
    button->SetBounds(20, 20, 60, 25);
    button->SetSkinData(window.Data());
    button->OnShowTrackMenu = [this](TObject*) { log.push_back("show"); };
    button->OnHideTrackMenu = [this](TObject*) { log.push_back("hide"); };
    button->OnClick = [this](TObject*) { log.push_back("click"); };
    auto* item = new TMenuItem(popupMenu);
    item->SetCaption("&First");
    item->OnClick = [this](TObject*) { log.push_back("command"); };
    popupMenu->Items()->Add(item);
  }
  void Click(TControl* Target, TPoint At) {
    PostMouse(Target, WM_LBUTTONDOWN, At.X, At.Y, MK_LBUTTON);
    PostMouse(Target, WM_LBUTTONUP, At.X, At.Y);
    Application->ProcessMessages();
  }
  void Click(TPoint At = {20, 12}) { Click(button, At); }
  bool Tracking() const { return button->Down() && button->MenuTracking(); }
  bool Up() const { return !button->Down() && !button->MenuTracking(); }
  // The button's pixel at P as its parent paints it, the pointer away.
  TColor At(TPoint P) {
    if (!button->MenuTracking()) button->Perform(CM_MOUSELEAVE, 0, 0);
    return Painted(window.Form())->Pixel(button->Left() + P.X, button->Top() + P.Y);
  }
  TColor Colour(const char* Entry, TRect TspDataSkinButtonControl::*Rect) {
    const auto& entry = dynamic_cast<const TspDataSkinButtonControl&>(
        *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex(Entry))));
    return EntryColour(*window.Data(), Entry, entry.*Rect);
  }

  TspSkinMenuSpeedButton* button = new TspSkinMenuSpeedButton(window.Form());
  TspSkinPopupMenu* popupMenu = new TspSkinPopupMenu(window.Form());
};

TEST_F(SkinMenuSpeedButtonTest, StaysDownExactlyWhileItsPopupMenuIsOpen) {
  button->SetSkinPopupMenu(popupMenu);
  Click();  // no frame to show the menu: up again at once
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide"}));
  auto* host = new TMenuHost(window.Form());
  Click();
  EXPECT_TRUE(Tracking());  // the release does not raise it
  EXPECT_EQ(Take(), TLog{"show"});
  host->SkinMenu()->PopupWindows().at(0)->ProcessKey(VK_RETURN);
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"hide", "command"}));  // up before the command runs
  popupMenu->Items()->Clear();
  Click();  // nothing to show
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide"}));
}

TEST_F(SkinMenuSpeedButtonTest, ACommandThatOpensItsMenuAgainLeavesItDownAfterTheReportOfTheCommand) {
  button->SetSkinPopupMenu(popupMenu);
  auto* host = new TMenuHost(window.Form());
  popupMenu->Items()->Items(0)->OnClick = [&](TObject*) {
    log.push_back("command");
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 12));
  };
  Click();
  host->SkinMenu()->PopupWindows().at(0)->ProcessKey(VK_RETURN);  // reported to the button after the command
  EXPECT_TRUE(Tracking());
  EXPECT_EQ(Take(), (TLog{"show", "hide", "command", "show"}));
  ASSERT_EQ(host->SkinMenu()->PopupWindows().size(), 1u);
  host->SkinMenu()->PopupWindows().at(0)->ProcessKey(VK_ESCAPE);
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), TLog{"hide"});
}

TEST_F(SkinMenuSpeedButtonTest, StaysDownExactlyWhileItsImagesMenuIsOpen) {
  AddItems("iii");
  button->SetSkinImagesMenu(menu);
  const std::pair<const char*, std::function<void()>> closes[] = {
      {"a choice", [&] { ClickAt(Centre(1)); }},
      {"Escape", [&] { Key(VK_ESCAPE); }},
      {"a click outside", [&] { ClickAt({-5, -5}); }},
  };
  for (const auto& [name, close] : closes) {
    Click();
    ASSERT_NE(Popup(), nullptr) << name;
    EXPECT_TRUE(Tracking()) << name;
    EXPECT_EQ(Popup()->Top(), button->ClientToScreen({0, 0}).Y + button->Height()) << name;
    close();
    EXPECT_TRUE(Up()) << name;
    const TLog closed = Take();  // the button's hook in place of the test's, reported once
    EXPECT_EQ(TLog(closed.begin(), closed.begin() + 3), (TLog{"show", "hide", "close"})) << name;
    EXPECT_TRUE(Restored()) << name;
  }
  images->Clear();
  Click();  // nothing opens
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide"}));
}

TEST_F(SkinMenuSpeedButtonTest, OpensFromItsStripInTrackMode) {
  button->SetTrackButtonMode(true);
  Click();  // no menu: a plain speed button
  EXPECT_EQ(Take(), TLog{"click"});
  AddItems("ii");
  button->SetSkinImagesMenu(menu);
  Click();
  EXPECT_EQ(Take(), TLog{"click"});
  EXPECT_FALSE(button->IsTrackPoint(44, 12));
  Click({50, 12});
  EXPECT_TRUE(Tracking());
  // While the menu is open the pointer only moves the hover flag.
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(button->MouseIn());
  button->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(button->MouseIn());
  EXPECT_TRUE(Tracking());
  Key(VK_ESCAPE);
  EXPECT_TRUE(Up());
}

TEST_F(SkinMenuSpeedButtonTest, HandsASharedImagesMenuFromOneButtonToTheOther) {
  AddItems("ii");
  auto* other = window.Add<TspSkinMenuSpeedButton>(Bounds(100, 20, 60, 25));
  other->SetSkinImagesMenu(menu);
  other->OnHideTrackMenu = [this](TObject*) { log.push_back("other hide"); };
  button->SetSkinImagesMenu(menu);
  Click();
  Click(other, {10, 10});
  EXPECT_TRUE(Up());
  EXPECT_TRUE(other->Down() && other->MenuTracking());
  Key(VK_ESCAPE);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(Take(), (TLog{"show", "hide", "close", "other hide", "close"}));

  // A button freed while its menu is open is not told of the close.
  Click();
  button->Free();
  Key(VK_ESCAPE);
  EXPECT_EQ(Take(), (TLog{"show", "close"}));
  EXPECT_TRUE(Restored());
}

TEST_F(SkinMenuSpeedButtonTest, DrawsItsStripFromTheSkinOrInTheDefaultLook) {
  AddItems("ii");
  button->SetSkinImagesMenu(menu);
  button->SetTrackButtonMode(true);
  EXPECT_EQ(At({1, 12}), SysColor(clBtnFace));
  EXPECT_EQ(At({45, 1}), SysColor(clBtnShadow));  // the strip framed apart
  Click({50, 12});
  EXPECT_EQ(At({2, 2}), DefaultHotFill);   // the button part hot
  EXPECT_EQ(At({47, 2}), DefaultDownFill);  // the strip pressed
  Key(VK_ESCAPE);

  window.Load("flatcolour");
  button->SetBounds(20, 20, 40, 25);  // the entries' own size
  // Its own entry: the track part shows pressed over the hot button.
  EXPECT_TRUE(button->IsTrackPoint(button->GetTrackRect().Left, 12));
  EXPECT_FALSE(button->IsTrackPoint(button->GetTrackRect().Left - 1, 12));
  Click({32, 12});
  EXPECT_EQ(At({10, 12}), Colour("toolmenubutton", &TspDataSkinButtonControl::ActiveSkinRect));
  EXPECT_EQ(At({32, 20}), Colour("toolmenubutton", &TspDataSkinButtonControl::DownSkinRect));
  Key(VK_ESCAPE);
  // A plain tool-button entry: the button cuts the strip itself.
  button->SetSkinDataName("toolbutton");
  EXPECT_EQ(At({26, 2}), Colour("toolbutton", &TspDataSkinButtonControl::SkinRect));
  Click({32, 12});
  EXPECT_EQ(At({2, 12}), Colour("toolbutton", &TspDataSkinButtonControl::ActiveSkinRect));
  EXPECT_EQ(At({26, 2}), Colour("toolbutton", &TspDataSkinButtonControl::DownSkinRect));
  Key(VK_ESCAPE);
  // The new style: "resizetoolbutton", the strip apart from its own entry under the pointer.
  button->SetNewStyle(true);
  button->Perform(CM_MOUSEENTER, 0, 0);
  const TColor strip = Painted(window.Form())->Pixel(button->Left() + 30, button->Top() + 12);
  EXPECT_EQ(strip, Colour("vtracktoolbutton", &TspDataSkinButtonControl::ActiveSkinRect));
  // A skin with neither "resizetoolbutton" nor "resizebutton": the new style draws nothing.
  TspSkinData& data = *window.Data();
  for (const char* name : {"resizetoolbutton", "resizebutton", "vtracktoolbutton"})
    data.CtrlList.at(static_cast<size_t>(data.GetControlIndex(name)))->IDName = "gone";
  button->Perform(CM_MOUSELEAVE, 0, 0);
  const TPoint middle{button->Left() + 10, button->Top() + 12};
  const TColor drawn = Painted(window.Form())->Pixel(middle.X, middle.Y);
  button->SetVisible(false);
  EXPECT_EQ(drawn, Painted(window.Form())->Pixel(middle.X, middle.Y));
}

TEST_F(SkinMenuSpeedButtonTest, ScreenshotWithItsMenuOpen) {
  window.Load("slate");
  auto* host = new TMenuHost(window.Form());
  host->Skin = window.Data();
  button->SetSkinPopupMenu(popupMenu);
  button->SetCaption("Rules");
  button->SetBounds(20, 20, 80, 25);
  button->SetSkinDataName("toolbutton");  // the strip with the skin's marker beside the caption
  button->SetTrackButtonMode(true);
  for (const char* caption : {"&Replace text", "&Remove sections", "&Format names"}) {
    auto* item = new TMenuItem(popupMenu);
    item->SetCaption(caption);
    popupMenu->Items()->Add(item);
  }
  Click({72, 12});
  ASSERT_TRUE(Tracking());
  // The window and its open menu, each where it is on the screen.
  const HWND windows[] = {window.Form()->Handle(), host->SkinMenu()->PopupWindows().at(0)->Handle()};
  RECT a{}, b{};
  GetWindowRect(windows[0], &a);
  GetWindowRect(windows[1], &b);
  const TPoint below = window.Form()->ClientToScreen({button->Left(), button->Top() + button->Height()});
  EXPECT_EQ(TPoint(b.left, b.top), below);  // the menu opens under the button
  const TRect all = InflateRect(
      {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)}, 8, 8);
  TPixelImage picture(all.Width(), all.Height());
  for (HWND handle : windows) {
    RECT place{};
    GetWindowRect(handle, &place);
    const TPixelImage shot = CaptureWindow(handle);
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x)
        picture.SetPixel(place.left - all.Left + x, place.top - all.Top + y, shot.Pixel(x, y));
  }
  if (!DirectoryExists(ExcludeTrailingBackslash(ScreenshotFolder()))) CreateDir(ExcludeTrailingBackslash(ScreenshotFolder()));
  WritePngFile(picture, ScreenshotFolder() + "menu-button-slate.png");
  host->SkinMenu()->CloseMenu();
  EXPECT_TRUE(Up());
}

// A button pressed while another button's menu is open: that menu closes first, and its
// OnMenuClose may free the button being pressed or the menu it opens. Nothing then opens,
// and neither is touched again (the freed-memory guard stops the program at a use).
TEST_F(SkinMenuSpeedButtonTest, APopupMenuClosingAsAnotherOpensMayFreeTheNewOpener) {
  const TFreedMemoryGuard guard;
  button->SetSkinPopupMenu(popupMenu);
  auto* host = new TMenuHost(window.Form());
  auto* pressed = window.Add<TspSkinMenuSpeedButton>(Bounds(100, 20, 60, 25));
  auto* pressedMenu = new TspSkinPopupMenu(window.Form());
  auto* item = new TMenuItem(pressedMenu);
  item->SetCaption("&Second");
  pressedMenu->Items()->Add(item);
  pressed->SetSkinPopupMenu(pressedMenu);
  popupMenu->OnMenuClose = [pressed](TObject*) { pressed->Free(); };
  Click();
  ASSERT_EQ(host->SkinMenu()->PopupWindows().size(), 1u);
  Click(pressed, {10, 10});
  EXPECT_TRUE(TFreedMemoryGuard::Freed(pressed));
  EXPECT_TRUE(host->SkinMenu()->PopupWindows().empty());
  EXPECT_TRUE(Up());
  popupMenu->OnMenuClose = nullptr;
}

// An images menu shared by two buttons: freed as the first button's popup closes, or the
// second button with it.
TEST_F(SkinMenuSpeedButtonTest, AnImagesMenuClosingAsAnotherButtonOpensItMayFreeItselfOrThatButton) {
  const TFreedMemoryGuard guard;
  AddItems("ii");
  for (const bool menuGoes : {true, false}) {
    auto* shared = new TspSkinImagesMenu(window.Form());
    shared->SetImages(images);
    shared->ImagesItems()->Assign(menu->ImagesItems());
    auto* first = window.Add<TspSkinMenuSpeedButton>(Bounds(20, 60, 60, 25));
    auto* second = window.Add<TspSkinMenuSpeedButton>(Bounds(100, 60, 60, 25));
    first->SetSkinImagesMenu(shared);
    second->SetSkinImagesMenu(shared);
    Click(first, {10, 10});
    ASSERT_NE(shared->PopupWindow(), nullptr) << menuGoes;
    shared->OnMenuClose = [shared, second, menuGoes](TObject*) {
      menuGoes ? shared->Free() : second->Free();
    };
    Click(second, {10, 10});
    EXPECT_TRUE(TFreedMemoryGuard::Freed(menuGoes ? static_cast<TComponent*>(shared) : second)) << menuGoes;
    EXPECT_FALSE(first->Down() || first->MenuTracking()) << menuGoes;
    if (menuGoes) {
      EXPECT_FALSE(second->Down() || second->MenuTracking());
      second->Free();
    } else {
      EXPECT_EQ(shared->PopupWindow(), nullptr);
      shared->Free();
    }
    first->Free();
  }
  EXPECT_TRUE(Restored());
}

// The window's frame goes with its menu engine while a menu is open: the engine closes
// the menu once, before its parts (its timer) go, and touches none of them after.
TEST_F(SkinMenuSpeedButtonTest, AMenuEngineFreedWhileItsMenuIsOpenClosesItOnce) {
  const TFreedMemoryGuard guard;
  button->SetSkinPopupMenu(popupMenu);
  auto* host = new TMenuHost(window.Form());
  TspSkinMenu* engine = host->SkinMenu();
  Click();
  ASSERT_TRUE(Tracking());
  host->Free();
  EXPECT_TRUE(TFreedMemoryGuard::Freed(engine));
  EXPECT_TRUE(Up());
}

}  // namespace
