// The menu tool button under Wine: down exactly while its popup menu or images menu is
// open and up again at once when nothing opened, each close reported once; the track
// strip; the pointer while the menu is open; buttons sharing an images menu; its looks
// from its own entry, a plain tool-button entry and without a skin, and a screenshot of
// its menu open.
#include "ImagesMenuTestKit.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuSpeedButton.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"
#include "skin/controls/SkinFormHost.h"
#include "skin/data/SkinButtonData.h"

#include "classlib/Timer.h"

#include "base/FileUtils.h"

#include "PngWriter.h"
#include "Screenshot.h"

#include <algorithm>

namespace {

using namespace imagesmenutest;
using TLog = std::vector<std::string>;

// The window's frame as far as popup menus need it: the menu engine.
class TMenuHost : public TComponent, public TspSkinFormHost {
public:
  explicit TMenuHost(TCustomForm* Form) : TComponent(Form), FEngine(new TspSkinMenu(this, Form)) {}
  TspSkinData* SkinData() const override { return Skin; }
  TspSkinData* MenusSkinData() const override { return nullptr; }
  TspSkinMenu* SkinMenu() const override { return FEngine; }
  void SkinMenuOpen() override {}
  void SkinMenuClose() override {
    if (FEngine->Active()) FEngine->CloseMenu();
  }
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
  void Press(TPoint At) {
    PostMouse(button, WM_LBUTTONDOWN, At.X, At.Y, MK_LBUTTON);
    Application->ProcessMessages();
  }
  void Release(TPoint At) {
    PostMouse(button, WM_LBUTTONUP, At.X, At.Y);
    Application->ProcessMessages();
  }
  void Click(TPoint At = {20, 12}) {
    Press(At);
    Release(At);
  }
  // Down and tracking, or up and not.
  bool Tracking() const { return button->Down() && button->MenuTracking(); }
  bool Up() const { return !button->Down() && !button->MenuTracking(); }
  TspSkinMenu* Engine() const { return host->SkinMenu(); }
  // The button's pixel at P as its parent paints it.
  TColor At(TPoint P) { return Painted(window.Form())->Pixel(button->Left() + P.X, button->Top() + P.Y); }

  TspSkinMenuSpeedButton* button = new TspSkinMenuSpeedButton(window.Form());
  TspSkinPopupMenu* popupMenu = new TspSkinPopupMenu(window.Form());
  TMenuHost* host = nullptr;  // no frame until a test gives the window one
};

TEST_F(SkinMenuSpeedButtonTest, StaysDownWhileItsPopupMenuIsOpen) {
  host = new TMenuHost(window.Form());
  button->SetSkinPopupMenu(popupMenu);
  Click();
  EXPECT_TRUE(Tracking());  // the release does not raise it
  EXPECT_TRUE(Engine()->Active());
  EXPECT_EQ(Take(), TLog{"show"});
  Engine()->CloseMenu();
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), TLog{"hide"});

  // A command runs once the button is up again.
  Click();
  ASSERT_EQ(Engine()->PopupWindows().size(), 1u);
  TspSkinPopupWindow* level = Engine()->PopupWindows()[0];
  level->ProcessKey(VK_RETURN);
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide", "command"}));
}

TEST_F(SkinMenuSpeedButtonTest, ComesUpAtOnceWhenNoMenuOpens) {
  // No frame to show the popup menu; a frame but no items; an images menu without images.
  button->SetSkinPopupMenu(popupMenu);
  Click();
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide"}));
  host = new TMenuHost(window.Form());
  popupMenu->Items()->Clear();
  Click();
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide"}));

  button->SetSkinPopupMenu(nullptr);
  button->SetSkinImagesMenu(menu);
  images->Clear();
  Click();
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide"}));
  EXPECT_TRUE(Restored());
}

TEST_F(SkinMenuSpeedButtonTest, StaysDownWhileItsImagesMenuIsOpen) {
  AddItems("iii");
  button->SetSkinImagesMenu(menu);
  menu->OnInternalMenuClose = nullptr;  // the button takes the hook at each opening
  const std::pair<const char*, std::function<void()>> closes[] = {
      {"a choice", [&] { ClickItem(1); }},
      {"Escape", [&] { Key(VK_ESCAPE); }},
      {"a click outside", [&] { ClickAt({-5, -5}); }},
  };
  for (const auto& [name, close] : closes) {
    Click();
    ASSERT_NE(Popup(), nullptr) << name;
    EXPECT_TRUE(Tracking()) << name;
    EXPECT_EQ(Popup()->Top(), button->ClientToScreen({0, 0}).Y + button->Height()) << name;
    EXPECT_EQ(Take(), TLog{"show"}) << name;
    close();
    EXPECT_TRUE(Up()) << name;
    const TLog closed = Take();
    EXPECT_EQ(std::count(closed.begin(), closed.end(), "hide"), 1) << name;
    EXPECT_EQ(closed.front(), "hide") << name;  // before the menu's own events
    EXPECT_TRUE(Restored()) << name;
  }
  EXPECT_EQ(menu->ItemIndex(), 1);
}

TEST_F(SkinMenuSpeedButtonTest, OpensOnlyFromItsStripInTrackMode) {
  button->SetTrackButtonMode(true);
  Click({20, 12});  // no menu: a plain speed button
  EXPECT_EQ(Take(), TLog{"click"});
  AddItems("ii");
  button->SetSkinImagesMenu(menu);
  Click({20, 12});
  EXPECT_EQ(Take(), TLog{"click"});
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_FALSE(button->IsTrackPoint(44, 12));
  EXPECT_TRUE(button->IsTrackPoint(45, 12));
  Click({50, 12});
  EXPECT_TRUE(Tracking());
  EXPECT_NE(Popup(), nullptr);

  // While the menu is open the pointer only moves the hover flag.
  button->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(button->MouseIn());
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(button->MouseIn());
  EXPECT_TRUE(Tracking());
  Key(VK_ESCAPE);
  EXPECT_TRUE(Up());
  EXPECT_EQ(Take(), (TLog{"show", "hide", "close"}));  // the button's hook in place of the test's
}

TEST_F(SkinMenuSpeedButtonTest, SharesAnImagesMenuWithAnotherButton) {
  AddItems("ii");
  auto* other = new TspSkinMenuSpeedButton(window.Form());
  other->SetParent(window.Form());
  other->SetBounds(100, 20, 60, 25);
  other->SetSkinImagesMenu(menu);
  other->OnHideTrackMenu = [this](TObject*) { log.push_back("other hide"); };
  button->SetSkinImagesMenu(menu);
  Click();
  EXPECT_TRUE(Tracking());
  Take();
  PostMouse(other, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);  // the click reaches the other button
  PostMouse(other, WM_LBUTTONUP, 10, 10);
  Application->ProcessMessages();
  EXPECT_TRUE(Up());
  EXPECT_TRUE(other->Down() && other->MenuTracking());
  const TLog switched = Take();
  EXPECT_EQ(std::count(switched.begin(), switched.end(), "hide"), 1);
  Key(VK_ESCAPE);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(Take(), (TLog{"other hide", "close"}));

  // A button freed while its menu is open is not told of the close.
  Click();
  button->Free();
  button = nullptr;
  Key(VK_ESCAPE);
  EXPECT_EQ(Take(), (TLog{"show", "close"}));
  EXPECT_TRUE(Restored());
}

TEST_F(SkinMenuSpeedButtonTest, DrawsItsPartsWithoutASkin) {
  AddItems("ii");
  button->SetSkinImagesMenu(menu);
  button->SetTrackButtonMode(true);
  EXPECT_EQ(At({1, 12}), SysColor(clBtnFace));
  EXPECT_EQ(At({0, 12}), SysColor(clBtnShadow));
  EXPECT_EQ(At({45, 1}), SysColor(clBtnShadow));  // the strip framed apart
  Click({50, 12});
  ASSERT_TRUE(Tracking());
  EXPECT_EQ(At({2, 2}), DefaultHotFill);   // the button part hot
  EXPECT_EQ(At({47, 2}), DefaultDownFill);  // the strip pressed
  EXPECT_EQ(At({45, 0}), clNavy);
  Key(VK_ESCAPE);
  button->SetTrackButtonMode(false);
  Click();
  EXPECT_EQ(At({47, 2}), DefaultDownFill);  // pressed whole
  EXPECT_EQ(At({44, 2}), DefaultDownFill);
  Key(VK_ESCAPE);
}

TEST_F(SkinMenuSpeedButtonTest, DrawsItsTrackPartFromTheSkin) {
  window.Load("flatcolour");
  AddItems("ii");
  button->SetSkinImagesMenu(menu);
  button->SetTrackButtonMode(true);
  button->SetBounds(20, 20, 40, 25);  // the entries' own size
  const TspSkinData& data = *window.Data();
  auto entry = [&](const char* Name) -> const TspDataSkinButtonControl& {
    return dynamic_cast<const TspDataSkinButtonControl&>(
        *data.CtrlList.at(static_cast<size_t>(data.GetControlIndex(Name))));
  };
  // The own entry: its track part opens the menu and shows pressed over the hot button.
  const auto& own = dynamic_cast<const TspDataSkinMenuButtonControl&>(entry("toolmenubutton"));
  EXPECT_EQ(button->GetTrackRect(), own.TrackButtonRect);
  EXPECT_FALSE(button->IsTrackPoint(own.TrackButtonRect.Left - 1, 12));
  EXPECT_TRUE(button->IsTrackPoint(own.TrackButtonRect.Left, 12));
  Click({32, 12});
  ASSERT_TRUE(Tracking());
  EXPECT_EQ(At({10, 12}), EntryColour(data, "toolmenubutton", own.ActiveSkinRect));
  EXPECT_EQ(At({32, 20}), EntryColour(data, "toolmenubutton", own.DownSkinRect));
  Key(VK_ESCAPE);

  // A plain tool-button entry: the button cuts the strip itself. (The clicks left the
  // pointer on the button: it leaves for the looks at rest.)
  button->SetSkinDataName("toolbutton");
  const auto& plain = entry("toolbutton");
  button->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(At({2, 12}), EntryColour(data, "toolbutton", plain.SkinRect));
  Click({32, 12});
  ASSERT_TRUE(Tracking());
  EXPECT_EQ(At({2, 12}), EntryColour(data, "toolbutton", plain.ActiveSkinRect));
  EXPECT_EQ(At({26, 2}), EntryColour(data, "toolbutton", plain.DownSkinRect));
  Key(VK_ESCAPE);
  button->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(At({26, 2}), EntryColour(data, "toolbutton", plain.SkinRect));

  // The new style draws from "resizetoolbutton", its strip apart under the pointer.
  button->SetNewStyle(true);
  EXPECT_EQ(button->SkinDataName(), "resizetoolbutton");
  EXPECT_EQ(At({30, 12}), EntryColour(data, "resizetoolbutton", entry("resizetoolbutton").SkinRect));
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(At({30, 12}), EntryColour(data, "vtracktoolbutton", entry("vtracktoolbutton").ActiveSkinRect));
  EXPECT_EQ(At({10, 12}), EntryColour(data, "resizetoolbutton", entry("resizetoolbutton").ActiveSkinRect));
}

TEST_F(SkinMenuSpeedButtonTest, ScreenshotWithItsMenuOpen) {
  window.Load("slate");
  host = new TMenuHost(window.Form());
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
  ASSERT_EQ(Engine()->PopupWindows().size(), 1u);
  const HWND level = Engine()->PopupWindows()[0]->Handle();
  // The window and its open menu, each where it is on the screen.
  RECT form{}, open{};
  GetWindowRect(window.Form()->Handle(), &form);
  GetWindowRect(level, &open);
  const TRect all = InflateRect({std::min(form.left, open.left), std::min(form.top, open.top),
                                 std::max(form.right, open.right), std::max(form.bottom, open.bottom)}, 8, 8);
  TPixelImage picture(all.Width(), all.Height());
  for (int y = 0; y < all.Height(); ++y)
    for (int x = 0; x < all.Width(); ++x) picture.SetPixel(x, y, RGBColor(226, 230, 236));
  for (const auto& [handle, place] : {std::pair{window.Form()->Handle(), form}, std::pair{level, open}}) {
    const TPixelImage shot = CaptureWindow(handle);
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x)
        picture.SetPixel(place.left - all.Left + x, place.top - all.Top + y, shot.Pixel(x, y));
  }
  const std::string folder = ExcludeTrailingBackslash(ScreenshotFolder());
  if (!DirectoryExists(folder)) CreateDir(folder);
  WritePngFile(picture, ScreenshotFolder() + "menu-button-slate.png");
  Engine()->CloseMenu();
  EXPECT_TRUE(Up());
}

}  // namespace
