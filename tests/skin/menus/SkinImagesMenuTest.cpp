// The images menu under Wine: what a choice, the same choice and every other way of
// closing report, each giving back the application's handler and the capture; keys;
// index faults; the menu closed, reopened or freed while its popup fades in; the grid,
// its place, hints and looks.
#include "ImagesMenuTestKit.h"

#include "skin/controls/portable/SkinPartLook.h"
#include "skin/menus/SkinHint.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"

#include "classlib/SystemSeams.h"
#include "classlib/Timer.h"

#include "Screenshot.h"

namespace {

using namespace imagesmenutest;

class SkinImagesMenuTest : public TImagesMenuTest {
protected:
  // The popup painted now, and its pixel at P.
  TColor PixelAt(TPoint P) {
    TPixelDC dc(Popup()->Width(), Popup()->Height());
    SendMessageA(Popup()->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
    return dc.Pixel(P.X, P.Y);
  }
  // A pixel of item Index's frame, clear of its image.
  TPoint Edge(int Index) const {
    const TRect& r = Popup()->Layout().Rects.at(static_cast<size_t>(Index));
    return {r.Left + 2, r.Bottom - 2};
  }
  TColor Colour(const char* Entry, TRect TspDataSkinButtonControl::*Rect) {
    const auto& entry = dynamic_cast<const TspDataSkinButtonControl&>(
        *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex(Entry))));
    return EntryColour(*window.Data(), Entry, entry.*Rect);
  }
};

TEST_F(SkinImagesMenuTest, ReportsAChoiceInOrderAndTheSameChoiceWithoutAChange) {
  AddItems("iii");
  ASSERT_TRUE(Open());
  EXPECT_EQ(GetCapture(), Popup()->Handle());
  ClickAt(Centre(1));
  EXPECT_EQ(Take(), (TLog{"internal close", "close", "item 1", "item click", "internal change", "change"}));
  EXPECT_EQ(menu->ItemIndex(), 1);
  EXPECT_TRUE(Restored());
  ASSERT_TRUE(Open());
  EXPECT_EQ(menu->OldItemIndex(), 1);
  ClickAt(Centre(1));
  EXPECT_EQ(Take(), (TLog{"internal close", "close", "item 1", "item click"}));
  EXPECT_TRUE(Restored());
}

TEST_F(SkinImagesMenuTest, ClosesWithoutAChoiceEveryOtherWay) {
  AddItems("iiii");
  menu->SetItemIndex(2);
  auto post = [&](UINT Msg, WPARAM WParam) {
    PostMessageA(window.Form()->Handle(), Msg, WParam, MAKELPARAM(5, 5));
    Application->ProcessMessages();
  };
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"Escape", [&] { Key(VK_ESCAPE); }},
      {"a click outside", [&] { ClickAt({-5, -5}); }},
      {"a right button anywhere", [&] { post(WM_RBUTTONDOWN, MK_RBUTTON); }},
      {"a system key", [&] { post(WM_SYSKEYDOWN, VK_MENU); }},
      {"opening again", [&] { ASSERT_TRUE(Open()); }},
      {"the menu closing it", [&] { menu->ClosePopup(); }},
  };
  for (const auto& [name, close] : ways) {
    if (Popup() == nullptr) {
      ASSERT_TRUE(Open()) << name;
    }
    Hover(Centre(0));
    close();
    EXPECT_EQ(Take(), Closed) << name;
    EXPECT_EQ(menu->ItemIndex(), 2) << name;
  }
  EXPECT_TRUE(Restored());

  // A release beside the items (or the one of the press that opened the menu) keeps it open.
  ASSERT_TRUE(Open());
  ClickAt({1, 1});
  ASSERT_NE(Popup(), nullptr);
  EXPECT_EQ(GetCapture(), Popup()->Handle());
  EXPECT_TRUE(Take().empty());
}

TEST_F(SkinImagesMenuTest, WalksByKeyAndChoosesNothingWhereThereIsNothing) {
  AddItems("iiiiiii");
  menu->SetColumnsCount(3);
  ASSERT_TRUE(Open());
  for (uint16_t key : {VK_RIGHT, VK_RIGHT, VK_DOWN}) Key(key);
  EXPECT_EQ(Popup()->HotIndex(), 4);
  Key(VK_RETURN);
  EXPECT_EQ(Take(), (TLog{"internal close", "close", "item 4", "item click", "internal change", "change"}));
  EXPECT_TRUE(Restored());

  // Items going while the popup shows take their hot item with them.
  ASSERT_TRUE(Open());
  Key(VK_UP);
  EXPECT_EQ(Popup()->HotIndex(), 6);
  menu->ImagesItems()->Delete(6);
  EXPECT_EQ(Popup()->HotIndex(), -1);
  Key(VK_SPACE);
  EXPECT_EQ(Take(), (TLog{"internal close", "close", "item 4", "item click"}));
  // No items, or headers only: the keys reach the last header at most, and nothing is
  // chosen.
  for (const char* kinds : {"", "hh"}) {
    menu->ImagesItems()->Clear();
    menu->SetItemIndex(-1);
    AddItems(kinds);
    ASSERT_TRUE(Open());
    for (uint16_t key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) Key(key);
    EXPECT_EQ(Popup()->HotIndex(), *kinds != 0 ? 1 : -1) << kinds;
    Key(VK_RETURN);
    EXPECT_EQ(Take(), Closed) << kinds;
    EXPECT_EQ(menu->ItemIndex(), -1) << kinds;
  }
  // A choice that names no item is none; without images nothing opens.
  menu->SetItemIndex(7);
  ASSERT_TRUE(Open());
  Key(VK_RETURN);
  EXPECT_EQ(Take(), Closed);
  images->Clear();
  EXPECT_FALSE(Open());
  EXPECT_TRUE(Take().empty());
  EXPECT_TRUE(Restored());
}

TEST_F(SkinImagesMenuTest, SurvivesBeingClosedReopenedOrFreedWhileOpen) {
  static DWORD clock = 0;
  TSeamOverride<DWORD()> ticks(Seams::TickCount, [] { return clock += 3; });
  AddItems("iii");
  menu->SetAlphaBlend(true);
  menu->SetAlphaBlendAnimation(true);
  // The action runs from the messages the popup lets through before it fades in.
  auto duringFade = [&](std::function<void()> Action) {
    action = std::move(Action);
    PostMessageA(window.Form()->Handle(), WM_TEST_ACTION, 0, 0);
    return Open();
  };
  EXPECT_TRUE(duringFade([&] { menu->ClosePopup(); }));
  EXPECT_EQ(Take(), Closed);
  EXPECT_TRUE(Restored());

  EXPECT_TRUE(duringFade([&] { menu->Popup({300, 100, 340, 125}); }));
  EXPECT_EQ(Take(), Closed);  // the first one
  ASSERT_NE(Popup(), nullptr);
  EXPECT_EQ(Popup()->Left(), 300);
  EXPECT_EQ(GetCapture(), Popup()->Handle());
  BYTE alpha = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Popup()->Handle(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 200);
  const HWND second = Popup()->Handle();
  menu->Free();  // open: only the opener hears of it
  EXPECT_EQ(Take(), TLog{"internal close"});
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(Application->OnMessage, handler);
  EXPECT_EQ(GetCapture(), nullptr);

  menu = new TspSkinImagesMenu(window.Form());
  menu->SetImages(images);
  menu->SetAlphaBlend(true);
  menu->SetAlphaBlendAnimation(true);
  EXPECT_TRUE(duringFade([&] { menu->Free(); }));
  EXPECT_EQ(Application->OnMessage, handler);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinImagesMenuTest, LaysOutItsGridUnderItsButtonAndShowsItemHints) {
  static TRect workArea{0, 0, 800, 600};
  TSeamOverride<TRect()> area(Seams::WorkArea, [] { return workArea; });
  auto* hint = new TspSkinHint(window.Form());
  menu->SetSkinHint(hint);
  AddItems("iiiiiii");
  menu->ImagesItems()->Items(1)->SetHint("Second");
  menu->SetColumnsCount(3);
  menu->SetColumnsCount(51);  // ignored
  ASSERT_TRUE(Open());
  EXPECT_EQ(Popup()->BoundsRect(), Bounds(100, 125, 3 * 26 + 10, 3 * 26 + 2 + 10));
  EXPECT_EQ(menu->ImagesItems()->Items(6)->ItemRect, Bounds(5, 5 + 2 * 27, 26, 26));
  Hover(Centre(1));
  EXPECT_NE(hint->HintTimer(), nullptr);  // the item's hint after the pause
  Hover(Centre(2));
  EXPECT_EQ(hint->HintTimer(), nullptr);
  Hover(Centre(1));
  Hover({-20, -20});  // leaving the window
  EXPECT_EQ(hint->HintTimer(), nullptr);
  EXPECT_EQ(Popup()->HotIndex(), -1);
  Key(VK_ESCAPE);
  workArea = {0, 0, 800, 200};  // no room below: above the button
  ASSERT_TRUE(Open());
  EXPECT_EQ(Popup()->Top(), 100 - Popup()->Height());
  Key(VK_ESCAPE);
}

TEST_F(SkinImagesMenuTest, DrawsFromTheSkinsMenuItemButtonOrInTheDefaultLook) {
  AddItems("hiib");
  menu->SetItemIndex(1);
  ASSERT_TRUE(Open());
  EXPECT_EQ(PixelAt({0, 0}), SysColor(clBtnShadow));
  EXPECT_EQ(PixelAt({2, 2}), SysColor(clWindow));
  // The selected cell pressed: a navy frame on the cells' own fill.
  EXPECT_EQ(PixelAt(Edge(1)), RGBColor(133, 146, 181));
  EXPECT_EQ(PixelAt(Popup()->Layout().Rects.at(1).TopLeft()), RGBColor(0, 0, 128));
  Hover(Centre(2));
  EXPECT_EQ(PixelAt(Edge(2)), DefaultHotFill);
  Key(VK_ESCAPE);

  window.Load("flatcolour");
  menu->SetSkinData(window.Data());
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Popup()->UseSkin());
  const auto& label = dynamic_cast<const TspDataSkinLabelControl&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("label"))));
  const TRect header = Popup()->Layout().Rects.at(0);
  EXPECT_EQ(RectHeight(header), RectHeight(label.SkinRect));
  EXPECT_EQ(PixelAt({header.Left + 1, header.Top + 1}), EntryColour(*window.Data(), "label", label.SkinRect));
  EXPECT_EQ(PixelAt(Edge(1)), Colour("menuitembutton", &TspDataSkinButtonControl::DownSkinRect));
  Hover(Centre(2));
  EXPECT_EQ(PixelAt(Edge(2)), Colour("menuitembutton", &TspDataSkinButtonControl::ActiveSkinRect));
  // The button held on the hot item presses it instead of the selected one.
  PostMouse(Popup(), WM_LBUTTONDOWN, Centre(2).X, Centre(2).Y, MK_LBUTTON);
  Application->ProcessMessages();
  EXPECT_EQ(PixelAt(Edge(2)), Colour("menuitembutton", &TspDataSkinButtonControl::DownSkinRect));
  EXPECT_NE(PixelAt(Edge(1)), Colour("menuitembutton", &TspDataSkinButtonControl::DownSkinRect));
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(Popup()->Handle(), region.get()), ERROR);  // the mask cuts the corners
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  Key(VK_ESCAPE);
}

// The flatcolour skin's popup window made 60 x 90 with its items 64 rows below its top,
// and its mask a checkerboard over 20 rows of that top band: a black run and a region
// rectangle per two pixels of the menu's width in each row, about 840 for a menu three
// images wide (84 pixels) and 3,200 for one twelve wide (318), so that it has a region
// only while it is narrow.
constexpr int32_t kFineTop = 2, kFineBottom = 22;
void FineTallTopBand(TspSkinPayload& Skin) {
  TMemIniFile ini;
  ini.SetStrings(Skin.IniText);
  const auto picture = static_cast<size_t>(ini.ReadInteger("POPUPWINDOW", "windowpictureindex", -1));
  const auto mask = static_cast<size_t>(ini.ReadInteger("POPUPWINDOW", "maskpictureindex", -1));
  Skin.ActivePictures.at(picture) = TPixelImage(60, 90);
  Skin.ActivePictures.at(mask) = TPixelImage(60, 90);
  for (int32_t y = 0; y < 90; ++y)
    for (int32_t x = 0; x < 60; ++x) {
      Skin.ActivePictures[picture].SetPixel(x, y, RGBColor(200, 180, 40));
      const bool fine = y >= kFineTop && y < kFineBottom;
      Skin.ActivePictures[mask].SetPixel(x, y, fine && (x + y) % 2 != 0 ? clWhite : clBlack);
    }
  for (const auto& [key, value] : {std::pair{"itemsrect", "3,64,57,86"}, std::pair{"lefttoppoint", "6,64"},
                                   std::pair{"righttoppoint", "54,64"}, std::pair{"leftbottompoint", "6,86"},
                                   std::pair{"rightbottompoint", "54,86"}})
    SetSkinValue(Skin, "POPUPWINDOW", key, value);
}

TEST_F(SkinImagesMenuTest, AMenuWidenedPastWhatItsMasksRegionMayBeShowsWholeAndTakesItsShapeBackWhenNarrow) {
  const TScreenBackdrop behind(Bounds(0, 0, 800, 600), RGBColor(7, 77, 177));
  window.Load("flatcolour", FineTallTopBand);
  menu->SetSkinData(window.Data());
  AddItems("iiiiiiiiiiii");
  menu->SetColumnsCount(3);
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Popup()->UseSkin());
  HWND popup = Popup()->Handle();
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  // Widened and narrowed again while it is open.
  for (const int columns : {3, 12, 3}) {
    menu->SetColumnsCount(columns);
    ASSERT_EQ(Popup()->Width(), 26 * columns + 6);
    EXPECT_EQ(GetWindowRgn(popup, region.get()) != ERROR, columns == 3) << columns;
    EXPECT_EQ(ShapeFault(popup, behind, [](int32_t, int32_t Y) { return Y >= kFineTop && Y < kFineBottom; }), "")
        << columns;
    SaveScreenPictureOf(popup, "images-menu-region-" + std::to_string(columns) + "-columns");
  }
  Key(VK_ESCAPE);
}

// A header (0), eight images in rows of four (1 to 8) with image 3 chosen and image 6 under
// the pointer, and a button row (9).
class ImagesMenuShowcase : public SkinImagesMenuTest {
protected:
  void OpenShowcase(const std::string& Skin) {
    window.Load(Skin);
    menu->SetSkinData(window.Data());
    AddItems("hiiiiiiiib");
    menu->SetColumnsCount(4);
    menu->ImagesItems()->Items(0)->SetCaption("Colours");
    menu->ImagesItems()->Items(9)->SetCaption("More colours");
    menu->SetItemIndex(3);
    ASSERT_TRUE(Open());
    Hover(Centre(6));
  }
  const TRect& Cell(int Index) const { return Popup()->Layout().Rects.at(static_cast<size_t>(Index)); }
};

TEST_F(ImagesMenuShowcase, TheChosenAndTheHotImageShowTheirLooksInRowsOfFour) {
  OpenShowcase("flatcolour");
  ASSERT_TRUE(Popup()->UseSkin());
  EXPECT_EQ(Cell(1).Top, Cell(4).Top);
  EXPECT_GT(Cell(5).Top, Cell(4).Top);
  EXPECT_EQ(Cell(5).Left, Cell(1).Left);
  EXPECT_GT(Cell(9).Width(), 3 * Cell(1).Width());  // the button row spans the columns
  EXPECT_EQ(PixelAt(Edge(3)), Colour("menuitembutton", &TspDataSkinButtonControl::DownSkinRect));
  EXPECT_EQ(PixelAt(Edge(6)), Colour("menuitembutton", &TspDataSkinButtonControl::ActiveSkinRect));
  // The others have no frame: the window's face shows round them.
  const TColor face = PixelAt(Edge(2));
  EXPECT_EQ(PixelAt(Edge(9)), face);
  for (auto look : {&TspDataSkinButtonControl::DownSkinRect, &TspDataSkinButtonControl::ActiveSkinRect})
    EXPECT_NE(face, Colour("menuitembutton", look));
  for (int n = 1; n <= 8; ++n)  // each cell's own image in its middle
    EXPECT_EQ(PixelAt(Centre(n)), RGBColor(20 * n, 200 - 15 * n, 40 + 17 * n)) << n;
  Key(VK_ESCAPE);
}

TEST_F(ImagesMenuShowcase, ScreenshotWithTheProgramsSkin) {
  OpenShowcase("slate");
  SaveWindowScreenshot(Popup()->Handle(), "images-menu-slate");
  Key(VK_ESCAPE);
}

}  // namespace
