// The images menu under Wine: what a choice, the same choice, Escape, a click outside and
// the other ways of closing report, and that each gives back the application's handler
// and the capture; the keys through the application's handler; index faults; the menu
// closed, opened anew or freed while its popup fades in; the grid, its place, region,
// alpha, hints and looks with the test skins and without one.
#include "ImagesMenuTestKit.h"

#include "skin/menus/SkinHint.h"
#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"

#include "classlib/SystemSeams.h"
#include "classlib/Timer.h"

#include "Screenshot.h"

#include <utility>

namespace {

using namespace imagesmenutest;
using TLog = std::vector<std::string>;

class SkinImagesMenuTest : public TImagesMenuTest {};

TEST_F(SkinImagesMenuTest, ReportsAChoiceInOrderAndTheSameChoiceWithoutAChange) {
  AddItems("iii");
  ASSERT_TRUE(Open());
  EXPECT_TRUE(Popup()->Installed());
  EXPECT_EQ(GetCapture(), Popup()->Handle());
  EXPECT_EQ(menu->OldItemIndex(), -1);
  ClickItem(1);
  EXPECT_EQ(Take(), (TLog{"internal close", "close", "item 1", "item click", "internal change", "change"}));
  EXPECT_EQ(menu->ItemIndex(), 1);
  EXPECT_TRUE(Restored());

  ASSERT_TRUE(Open());
  EXPECT_EQ(menu->OldItemIndex(), 1);
  ClickItem(1);
  EXPECT_EQ(Take(), (TLog{"internal close", "close", "item 1", "item click"}));
  EXPECT_TRUE(Restored());
}

TEST_F(SkinImagesMenuTest, ClosesWithoutAChoiceEveryOtherWay) {
  AddItems("iiii");
  menu->SetItemIndex(2);
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"Escape", [&] { Key(VK_ESCAPE); }},
      {"a click outside", [&] { ClickAt({-5, -5}); }},
      {"a double click outside", [&] {
         PostMouse(Popup(), WM_LBUTTONDBLCLK, Popup()->Width() + 3, 4, MK_LBUTTON);
         Application->ProcessMessages();
       }},
      {"a right button anywhere", [&] {
         PostMessageA(window.Form()->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
         Application->ProcessMessages();
       }},
      {"a system key", [&] {
         PostMessageA(window.Form()->Handle(), WM_SYSKEYDOWN, VK_MENU, 0);
         Application->ProcessMessages();
       }},
      {"the menu closing it", [&] { menu->ClosePopup(); }},
  };
  for (const auto& [name, close] : ways) {
    ASSERT_TRUE(Open()) << name;
    Hover(Centre(0));
    close();
    EXPECT_EQ(Take(), Closed) << name;
    EXPECT_EQ(menu->ItemIndex(), 2) << name;
    EXPECT_TRUE(Restored()) << name;
  }

  // A release beside the items, or the one of the press that opened the menu, keeps it open.
  ASSERT_TRUE(Open());
  PostMouse(Popup(), WM_LBUTTONUP, 1, 1);
  Application->ProcessMessages();
  ClickAt({1, 1});
  ASSERT_NE(Popup(), nullptr);
  EXPECT_EQ(GetCapture(), Popup()->Handle());
  EXPECT_TRUE(Take().empty());

  // Opening again closes the open popup first, without a choice.
  ASSERT_TRUE(Open());
  EXPECT_EQ(Take(), Closed);
  Key(VK_ESCAPE);
  EXPECT_EQ(Take(), Closed);
  EXPECT_TRUE(Restored());
}

TEST_F(SkinImagesMenuTest, WalksAndChoosesByKey) {
  AddItems("iiiiiii");
  menu->SetColumnsCount(3);
  ASSERT_TRUE(Open());
  Key(VK_RIGHT);
  EXPECT_EQ(Popup()->HotIndex(), 0);
  Key(VK_RIGHT);
  Key(VK_DOWN);
  EXPECT_EQ(Popup()->HotIndex(), 4);
  Key(VK_RETURN);
  EXPECT_EQ(menu->ItemIndex(), 4);
  EXPECT_EQ(Take(), (TLog{"internal close", "close", "item 4", "item click", "internal change", "change"}));
  EXPECT_TRUE(Restored());

  ASSERT_TRUE(Open());
  Key(VK_UP);  // from nothing to the last item
  EXPECT_EQ(Popup()->HotIndex(), 6);
  Key(VK_SPACE);
  EXPECT_EQ(menu->ItemIndex(), 6);
  EXPECT_TRUE(Restored());
}

TEST_F(SkinImagesMenuTest, ChoosesNothingWhereThereIsNothingToChoose) {
  // Without items, or with headers only, the arrows make nothing hot and Enter chooses
  // nothing.
  for (const char* kinds : {"", "hh"}) {
    menu->ImagesItems()->Clear();
    AddItems(kinds);
    ASSERT_TRUE(Open()) << kinds;
    for (uint16_t key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) Key(key);
    EXPECT_EQ(Popup()->HotIndex(), -1);
    Key(VK_RETURN);
    EXPECT_EQ(Take(), Closed) << kinds;
    EXPECT_EQ(menu->ItemIndex(), -1);
  }
  // A choice that names no item is none.
  menu->ImagesItems()->Clear();
  AddItems("iii");
  menu->SetItemIndex(7);
  ASSERT_TRUE(Open());
  Key(VK_RETURN);
  EXPECT_EQ(Take(), Closed);
  EXPECT_EQ(menu->GetSelectedItem(), nullptr);
  // Items going while the popup shows take their hot item with them.
  menu->SetItemIndex(-1);
  ASSERT_TRUE(Open());
  Key(VK_LEFT);
  EXPECT_EQ(Popup()->HotIndex(), 2);
  menu->ImagesItems()->Delete(2);
  EXPECT_EQ(Popup()->HotIndex(), -1);
  EXPECT_EQ(Popup()->Layout().Count(), 2);
  Key(VK_RETURN);
  EXPECT_EQ(Take(), Closed);
  EXPECT_TRUE(Restored());
  // Without images nothing opens, after the popup event.
  menu->OnMenuPopup = [this](TObject*) { log.push_back("popup"); };
  images->Clear();
  EXPECT_FALSE(Open());
  EXPECT_EQ(Take(), TLog{"popup"});
  EXPECT_TRUE(Restored());
}

TEST_F(SkinImagesMenuTest, GivesEverythingBackWhenFreedWhileOpen) {
  AddItems("iii");
  ASSERT_TRUE(Open());
  const HWND popup = Popup()->Handle();
  menu->Free();
  EXPECT_EQ(Take(), TLog{"internal close"});  // the opener learns of it; nothing else runs
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(Application->OnMessage, handler);
  EXPECT_EQ(GetCapture(), nullptr);
  menu = nullptr;
}

TEST_F(SkinImagesMenuTest, SurvivesWhatHappensWhileItFadesIn) {
  static DWORD clock = 0;
  TSeamOverride<DWORD()> ticks(Seams::TickCount, [] { return clock += 3; });
  AddItems("iii");
  menu->SetAlphaBlend(true);
  menu->SetAlphaBlendAnimation(true);
  auto duringFade = [&](std::function<void()> Action) {
    action = std::move(Action);
    PostMessageA(window.Form()->Handle(), WM_TEST_ACTION, 0, 0);
    return Open();
  };

  // Closed before it was up: reported once, nothing taken.
  EXPECT_TRUE(duringFade([&] { menu->ClosePopup(); }));
  EXPECT_EQ(Take(), Closed);
  EXPECT_TRUE(Restored());

  // Opened anew: the first closes once, the second is the one open.
  EXPECT_TRUE(duringFade([&] { menu->Popup({300, 100, 340, 125}); }));
  EXPECT_EQ(Take(), Closed);
  ASSERT_NE(Popup(), nullptr);
  EXPECT_EQ(Popup()->Left(), 300);
  EXPECT_TRUE(Popup()->Installed());
  EXPECT_EQ(GetCapture(), Popup()->Handle());
  BYTE alpha = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Popup()->Handle(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 200);
  Key(VK_ESCAPE);
  EXPECT_EQ(Take(), Closed);
  EXPECT_TRUE(Restored());

  // Freed.
  EXPECT_TRUE(duringFade([&] {
    menu->Free();
    menu = nullptr;
  }));
  EXPECT_EQ(Take(), TLog{"internal close"});
  EXPECT_EQ(Application->OnMessage, handler);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinImagesMenuTest, LaysOutItsGridUnderItsButton) {
  static TRect workArea{0, 0, 800, 600};
  TSeamOverride<TRect()> area(Seams::WorkArea, [] { return workArea; });
  AddItems("iiiiiii");
  menu->SetColumnsCount(3);
  menu->SetColumnsCount(51);  // ignored
  menu->SetColumnsCount(0);
  EXPECT_EQ(menu->ColumnsCount(), 3);
  ASSERT_TRUE(Open());
  EXPECT_EQ(Popup()->BoundsRect(), Bounds(100, 125, 3 * 26 + 10, 3 * 26 + 2 + 10));
  EXPECT_EQ(menu->ImagesItems()->Items(6)->ItemRect, Bounds(5, 5 + 2 * 27, 26, 26));
  const HWND window = Popup()->Handle();
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_CAPTION), WS_POPUP);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageA(window, WM_MOUSEACTIVATE, 0, HTCLIENT), MA_NOACTIVATE);
  Key(VK_ESCAPE);
  workArea = {0, 0, 800, 200};  // no room below: above the button
  ASSERT_TRUE(Open());
  EXPECT_EQ(Popup()->Top(), 100 - Popup()->Height());
  Key(VK_ESCAPE);
  EXPECT_TRUE(Restored());
}

TEST_F(SkinImagesMenuTest, ShowsItemHintsThroughItsHintComponent) {
  auto* hint = new TspSkinHint(window.Form());
  menu->SetSkinHint(hint);
  AddItems("iii");
  menu->ImagesItems()->Items(1)->SetHint("Second");
  ASSERT_TRUE(Open());
  Hover(Centre(1));
  ASSERT_NE(hint->HintTimer(), nullptr);  // shown after the pause
  Hover(Centre(2));
  EXPECT_EQ(hint->HintTimer(), nullptr);
  Hover(Centre(1));
  Hover({-20, -20});  // leaving the window
  EXPECT_EQ(hint->HintTimer(), nullptr);
  EXPECT_EQ(Popup()->HotIndex(), -1);
  menu->SetShowHints(false);
  Hover(Centre(1));
  EXPECT_EQ(hint->HintTimer(), nullptr);
  Key(VK_ESCAPE);
  hint->Free();
}

// The popup painted now, and its pixel at P.
TColor PixelOf(TspSkinImagesMenuPopupWindow* Popup, TPoint P) {
  TPixelDC dc(Popup->Width(), Popup->Height());
  SendMessageA(Popup->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  return dc.Pixel(P.X, P.Y);
}

TEST_F(SkinImagesMenuTest, DrawsCellsFromTheSkinsMenuItemButton) {
  window.Load("flatcolour");
  menu->SetSkinData(window.Data());
  AddItems("hiib");
  menu->SetItemIndex(1);
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Popup()->UseSkin());
  const auto& cell = dynamic_cast<const TspDataSkinButtonControl&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("menuitembutton"))));
  const auto& label = dynamic_cast<const TspDataSkinLabelControl&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("label"))));
  auto edge = [&](int Index) {  // a pixel of the cell's frame, clear of its image
    const TRect& r = Popup()->Layout().Rects.at(static_cast<size_t>(Index));
    return TPoint{r.Left + 2, r.Bottom - 2};
  };
  const TRect header = Popup()->Layout().Rects.at(0);
  EXPECT_EQ(RectHeight(header), RectHeight(label.SkinRect));
  EXPECT_EQ(PixelOf(Popup(), {header.Left + 1, header.Top + 1}), EntryColour(*window.Data(), "label", label.SkinRect));
  EXPECT_EQ(PixelOf(Popup(), edge(1)), EntryColour(*window.Data(), "menuitembutton", cell.DownSkinRect));
  Hover(Centre(2));
  EXPECT_EQ(PixelOf(Popup(), edge(2)), EntryColour(*window.Data(), "menuitembutton", cell.ActiveSkinRect));
  EXPECT_NE(PixelOf(Popup(), edge(3)), EntryColour(*window.Data(), "menuitembutton", cell.SkinRect));  // not hot
  // The button held on the hot item presses it instead of the selected one.
  PostMouse(Popup(), WM_LBUTTONDOWN, Centre(2).X, Centre(2).Y, MK_LBUTTON);
  Application->ProcessMessages();
  EXPECT_EQ(PixelOf(Popup(), edge(2)), EntryColour(*window.Data(), "menuitembutton", cell.DownSkinRect));
  EXPECT_NE(PixelOf(Popup(), edge(1)), EntryColour(*window.Data(), "menuitembutton", cell.DownSkinRect));
  // The skin's mask cuts the window's corners.
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(Popup()->Handle(), region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 2, 2));
  Key(VK_ESCAPE);
}

TEST_F(SkinImagesMenuTest, FallsBackToTheDefaultLooks) {
  AddItems("iii");
  menu->SetItemIndex(0);
  ASSERT_TRUE(Open());
  EXPECT_FALSE(Popup()->UseSkin());
  EXPECT_EQ(PixelOf(Popup(), {0, 0}), SysColor(clBtnShadow));
  EXPECT_EQ(PixelOf(Popup(), {2, 2}), SysColor(clWindow));
  const TRect selected = Popup()->Layout().Rects[0];
  EXPECT_EQ(PixelOf(Popup(), selected.TopLeft()), clNavy);
  EXPECT_EQ(PixelOf(Popup(), {selected.Left + 2, selected.Bottom - 2}), DefaultDownFill);
  Hover(Centre(1));
  const TRect hot = Popup()->Layout().Rects[1];
  EXPECT_EQ(PixelOf(Popup(), {hot.Left + 2, hot.Bottom - 2}), DefaultHotFill);
  Key(VK_ESCAPE);

  // The sparse skin has no popup frame and its cells take "resizebutton"'s normal look.
  window.Load("sparse");
  menu->SetSkinData(window.Data());
  ASSERT_TRUE(Open());
  EXPECT_FALSE(Popup()->UseSkin());
  const auto& resize = dynamic_cast<const TspDataSkinButtonControl&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("resizebutton"))));
  EXPECT_EQ(PixelOf(Popup(), {selected.Left + 2, selected.Bottom - 2}),
            EntryColour(*window.Data(), "resizebutton", resize.SkinRect));
  Key(VK_ESCAPE);
}

TEST_F(SkinImagesMenuTest, ScreenshotWithTheProgramsSkin) {
  window.Load("slate");
  menu->SetSkinData(window.Data());
  AddItems("hiiiiiiiib");
  menu->SetColumnsCount(4);
  menu->ImagesItems()->Items(0)->SetCaption("Colours");
  menu->ImagesItems()->Items(9)->SetCaption("More colours");
  menu->SetItemIndex(3);
  ASSERT_TRUE(Open());
  Hover(Centre(6));
  SaveWindowScreenshot(Popup()->Handle(), "images-menu-slate");
  Key(VK_ESCAPE);
}

}  // namespace
