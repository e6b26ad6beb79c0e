#pragma once
// What the images menu tests share: a window, an image list, a menu whose events are
// logged, and the application's message handler the popup must give back however it
// closes (it also runs a test's action when a WM_TEST_ACTION comes).

#include "SkinControlTestKit.h"

#include "skin/menus/SkinImagesMenu.h"
#include "skin/menus/SkinImagesMenuPopupWindow.h"

#include "classlib/ImageList.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace imagesmenutest {

inline constexpr UINT WM_TEST_ACTION = WM_APP + 17;
using TLog = std::vector<std::string>;

class TImagesMenuTest : public ::testing::Test {
protected:
  TImagesMenuTest() {
    ParkPointer();
    window.Show();
    images->SetSize(16, 16);
    for (int i = 0; i < 12; ++i) {
      TBitmap square(16, 16);
      square.Canvas()->Brush()->SetColor(RGBColor(20 * i, 200 - 15 * i, 40 + 17 * i));
      square.Canvas()->FillRect({0, 0, 16, 16});
      images->Add(&square, nullptr);
    }
    menu->SetImages(images);
    const std::pair<TNotifyEvent*, const char*> events[] = {{&menu->OnInternalMenuClose, "internal close"},
                                                            {&menu->OnMenuClose, "close"},
                                                            {&menu->OnItemClick, "item click"},
                                                            {&menu->OnInternalChange, "internal change"},
                                                            {&menu->OnChange, "change"}};
    for (auto [event, name] : events) *event = Logger(name);
    Application->OnMessage = handler;
  }
  ~TImagesMenuTest() override { Application->OnMessage = nullptr; }

  // Logs Entry, and that the menu sent it.
  TNotifyEvent Logger(std::string Entry) {
    return [this, Entry](TObject* Sender) {
      log.push_back(Entry);
      EXPECT_EQ(Sender, menu) << Entry;
    };
  }
  // Items of the kinds given ('i' image, 'b' button, 'h' header), item n showing image n.
  void AddItems(const std::string& Kinds) {
    for (char kind : Kinds) {
      auto* item = static_cast<TspImagesMenuItem*>(menu->ImagesItems()->Add());
      item->SetImageIndex(item->Index());
      item->SetButton(kind == 'b');
      item->SetHeader(kind == 'h');
      item->SetCaption(kind == 'i' ? "" : "Row " + std::to_string(item->Index()));
      item->OnClick = Logger("item " + std::to_string(item->Index()));
    }
  }
  bool Open() { return menu->Popup(Anchor); }
  TspSkinImagesMenuPopupWindow* Popup() const { return menu->PopupWindow(); }
  TPoint Centre(int Index) const {
    const TRect& r = Popup()->Layout().Rects.at(static_cast<size_t>(Index));
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // A press and a release at P of the popup (the capture brings it those outside it too).
  void ClickAt(TPoint P) {
    PostMouse(Popup(), WM_LBUTTONDOWN, P.X, P.Y, MK_LBUTTON);
    PostMouse(Popup(), WM_LBUTTONUP, P.X, P.Y);
    Application->ProcessMessages();
  }
  void Hover(TPoint P) {
    PostMouse(Popup(), WM_MOUSEMOVE, P.X, P.Y);
    Application->ProcessMessages();
  }
  void Key(uint16_t Key) { PostKey(window.Form(), Key); }
  // Closed, with the application's handler and the capture given back.
  bool Restored() const {
    return menu->PopupWindow() == nullptr && Application->OnMessage == handler && GetCapture() == nullptr;
  }
  TLog Take() { return std::exchange(log, {}); }

  static constexpr TRect Anchor{100, 100, 140, 125};
  static inline const TLog Closed{"internal close", "close"};
  TSkinTestWindow window;
  TImageList* images = new TImageList(window.Form());
  TspSkinImagesMenu* menu = new TspSkinImagesMenu(window.Form());
  TLog log;
  std::function<void()> action;
  TApplication::TMessageEvent handler = [this](MSG& Msg, bool& Handled) {
    if (Msg.message != WM_TEST_ACTION || !action) return;
    Handled = true;
    std::exchange(action, nullptr)();
  };
};

}  // namespace imagesmenutest
