#pragma once
// What the images menu tests share: a window, an image list of coloured squares, a menu
// whose every event is logged, and the application's message handler the popup must
// give back whichever way it closes.

#include "SkinControlTestKit.h"

#include "skin/menus/SkinImagesMenu.h"
#include "skin/menus/SkinImagesMenuPopupWindow.h"

#include "classlib/ImageList.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <string>
#include <vector>

namespace imagesmenutest {

// Posted to the test window, it runs the test's action from whichever loop takes it.
inline constexpr UINT WM_TEST_ACTION = WM_APP + 17;

class TImagesMenuTest : public ::testing::Test {
protected:
  TImagesMenuTest() {
    ParkPointer();
    window.Show();
    images->SetSize(16, 16);
    for (int i = 0; i < 12; ++i) {
      TBitmap square(16, 16);
      square.Canvas()->Brush()->SetColor(RGBColor(20 * i, 255 - 20 * i, 120));
      square.Canvas()->FillRect({0, 0, 16, 16});
      images->Add(&square, nullptr);
    }
    menu->SetImages(images);
    menu->OnInternalMenuClose = [this](TObject* Sender) { Log("internal close", Sender); };
    menu->OnMenuClose = [this](TObject* Sender) { Log("close", Sender); };
    menu->OnItemClick = [this](TObject* Sender) { Log("item click", Sender); };
    menu->OnInternalChange = [this](TObject* Sender) { Log("internal change", Sender); };
    menu->OnChange = [this](TObject* Sender) { Log("change", Sender); };
    Application->OnMessage = handler;
  }
  ~TImagesMenuTest() override { Application->OnMessage = nullptr; }

  // Items of the kinds given ('i' image, 'b' button, 'h' header), image n showing image n.
  void AddItems(const std::string& Kinds) {
    for (char kind : Kinds) {
      auto* item = static_cast<TspImagesMenuItem*>(menu->ImagesItems()->Add());
      const int index = item->Index();
      item->SetImageIndex(index);
      item->SetButton(kind == 'b');
      item->SetHeader(kind == 'h');
      item->SetCaption(kind == 'i' ? "" : "Row " + std::to_string(index));
      item->OnClick = [this, index](TObject* Sender) { Log("item " + std::to_string(index), Sender); };
    }
  }
  bool Open() { return menu->Popup(Anchor); }
  TspSkinImagesMenuPopupWindow* Popup() const { return menu->PopupWindow(); }
  TPoint Centre(int Index) const {
    const TRect& r = Popup()->Layout().Rects.at(static_cast<size_t>(Index));
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // A press and a release at P of the popup's client area; the capture brings the popup
  // those outside it too.
  void ClickAt(TPoint P) {
    PostMouse(Popup(), WM_LBUTTONDOWN, P.X, P.Y, MK_LBUTTON);
    PostMouse(Popup(), WM_LBUTTONUP, P.X, P.Y);
    Application->ProcessMessages();
  }
  void ClickItem(int Index) { ClickAt(Centre(Index)); }
  void Hover(TPoint P) {
    PostMouse(Popup(), WM_MOUSEMOVE, P.X, P.Y);
    Application->ProcessMessages();
  }
  void Key(uint16_t Key) { PostKey(window.Form(), Key); }
  // The menu is closed and gave back the application's handler and the capture.
  bool Restored() const {
    return menu->PopupWindow() == nullptr && Application->OnMessage == handler && GetCapture() == nullptr;
  }
  std::vector<std::string> Take() { return std::exchange(log, {}); }

  static constexpr TRect Anchor{100, 100, 140, 125};
  static inline const std::vector<std::string> Closed{"internal close", "close"};
  TSkinTestWindow window;
  TImageList* images = new TImageList(window.Form());
  TspSkinImagesMenu* menu = new TspSkinImagesMenu(window.Form());
  std::vector<std::string> log;
  std::function<void()> action;  // run by WM_TEST_ACTION
  TApplication::TMessageEvent handler = [this](MSG& Msg, bool& Handled) {
    if (Msg.message != WM_TEST_ACTION || !action) return;
    Handled = true;
    std::exchange(action, nullptr)();
  };

private:
  void Log(const std::string& Entry, TObject* Sender) {
    log.push_back(Entry);
    EXPECT_EQ(Sender, menu) << Entry;
  }
};

}  // namespace imagesmenutest
