// The skinned popup menu component: which window's frame shows it, what its opener and
// the application's message handler see when it opens, reopens or has nothing to show,
// and a context menu opened by a right click and driven by the keyboard.
#include "FrameTestKit.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A control that counts the menus it hears closed.
class TOpener : public TCustomControl {
public:
  explicit TOpener(TWinControl* Parent) : TCustomControl(Parent) {
    SetParent(Parent);
    SetBounds(10, 10, 60, 40);
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == SP_MENU_CLOSED) ++Closed;
    TCustomControl::Dispatch(Message);
  }
  int Closed = 0;
};

TspSkinPopupMenu* NewMenu(TComponent* Owner, std::vector<std::string>& Log, const std::string& Name,
                          int Items = 2) {
  auto* menu = new TspSkinPopupMenu(Owner);
  for (int i = 0; i < Items; ++i) {
    auto* item = new TMenuItem(menu);
    std::string caption = "&";
    caption += std::to_string(i + 1);
    caption += ' ';
    caption += Name;
    item->SetCaption(caption);
    item->OnClick = [&Log, Name, i](TObject*) { Log.push_back(Name + " item " + std::to_string(i + 1)); };
    menu->Items()->Add(item);
  }
  menu->OnPopup = [&Log, Name](TObject*) { Log.push_back(Name + " popup"); };
  menu->OnMenuClose = [&Log, Name](TObject*) { Log.push_back(Name + " closed"); };
  return menu;
}

class SkinPopupMenu : public ::testing::Test {
protected:
  SkinPopupMenu() {
    window.Frame()->SetSkinData(window.Data());  // no skin loaded: the skinless look
    window.Show();
  }
  TspSkinMenu* Engine() const { return window.Frame()->SkinMenu(); }
  bool Hooked() const { return !(Application->OnMessage == before); }

  TFrameWindow window{{100, 100, 400, 300}};
  const TApplication::TMessageEvent before = Application->OnMessage;
  std::vector<std::string> log;
  static constexpr TRect Anchor{150, 150, 200, 170};
};

TEST_F(SkinPopupMenu, TheMenuFindsTheFrameThroughItsOwnerItsOwnersOwnerOrItsForm) {
  auto* opener = new TOpener(window.Form());
  auto* owned = NewMenu(window.Form(), log, "form's");
  owned->PopupFromRectForControl(opener, Anchor, false);
  EXPECT_TRUE(Engine()->Active());
  EXPECT_EQ(Engine()->PopupControl(), opener);
  EXPECT_EQ(owned->PopupPoint(), Anchor.TopLeft());
  EXPECT_EQ(owned->SkinData(), window.Data());  // the frame's, kept

  auto* panelMenu = NewMenu(opener, log, "panel's");
  panelMenu->PopupFromRect(Anchor, true);
  EXPECT_EQ(opener->Closed, 1);  // the open menu closed first
  EXPECT_TRUE(Engine()->Active());

  TOwned<TForm> plain(new TForm(Application));
  auto* foreign = NewMenu(plain.get(), log, "foreign");
  foreign->SetComponentForm(window.Form());
  foreign->Popup(160, 160);
  EXPECT_TRUE(Engine()->Active());
  // Each menu's OnPopup runs before the open one closes.
  EXPECT_EQ(log, (std::vector<std::string>{"form's popup", "panel's popup", "form's closed", "foreign popup",
                                           "panel's closed"}));
  SendMessageA(window.Form()->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(Hooked());
  EXPECT_EQ(log.back(), "foreign closed");
}

TEST_F(SkinPopupMenu, ReopeningWhileOpenClosesTheFirstMenuOnceAndKeepsTheHook) {
  auto* first = NewMenu(window.Form(), log, "first");
  auto* second = NewMenu(window.Form(), log, "second");
  first->PopupFromRect(Anchor, false);
  second->PopupFromRect(Anchor, false);
  EXPECT_TRUE(Hooked());
  EXPECT_EQ(Engine()->PopupWindows().size(), 1u);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Hooked());
  EXPECT_EQ(log, (std::vector<std::string>{"first popup", "second popup", "first closed", "second closed"}));
}

TEST_F(SkinPopupMenu, AMenuThatShowsNothingTellsItsOpenerAndLeavesTheKeyboardAlone) {
  auto* opener = new TOpener(window.Form());
  auto* empty = NewMenu(window.Form(), log, "empty", 0);
  empty->PopupFromRectForControl(opener, Anchor, false);
  EXPECT_EQ(opener->Closed, 1);
  EXPECT_FALSE(Hooked());
  EXPECT_FALSE(window.Frame()->MenuOpen());
  // Its close event does not wait for the next menu.
  auto* other = NewMenu(window.Form(), log, "other");
  other->PopupFromRect(Anchor, false);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(log, (std::vector<std::string>{"empty popup", "other popup", "other closed"}));

  // Without a frame to show it, the opener hears the same.
  TOwned<TForm> plain(new TForm(Application));
  auto* lost = NewMenu(plain.get(), log, "lost");
  lost->PopupFromRectForControl(opener, Anchor, false);
  EXPECT_EQ(opener->Closed, 2);
  EXPECT_EQ(log.back(), "lost popup");
  EXPECT_FALSE(Hooked());
}

TEST_F(SkinPopupMenu, AMenuStaysOpenWhileItsWindowTakesTheFocusAndClosesWhenAnotherWindowDoes) {
  auto* focusable = new TOpener(window.Form());
  auto* menu = NewMenu(window.Form(), log, "menu");
  SetFocus(focusable->Handle());
  menu->PopupFromRect(Anchor, false);
  ASSERT_TRUE(Engine()->Active());
  SetFocus(window.Form()->Handle());  // the window itself takes the focus from its control
  PumpFor(10);
  EXPECT_TRUE(Engine()->Active());
  TOwned<TForm> other(new TForm(Application));
  other->SetBounds(500, 100, 200, 100);
  other->Show();
  SetFocus(other->Handle());  // another window takes it: the menu must not stay over it
  PumpFor(10);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_EQ(log, (std::vector<std::string>{"menu popup", "menu closed"}));
}

TEST_F(SkinPopupMenu, TheFramesMenuItemHeightAndItemLimitIgnoreValuesOutOfRange) {
  TspDynamicSkinForm* frame = window.Frame();
  frame->SetDefMenuItemHeight(25);
  for (int ignored : {0, -3}) frame->SetDefMenuItemHeight(ignored);
  EXPECT_EQ(frame->DefMenuItemHeight(), 25);
  frame->SetMaxMenuItemsInWindow(2);
  frame->SetMaxMenuItemsInWindow(-1);
  EXPECT_EQ(frame->MaxMenuItemsInWindow(), 2);
  // What the engine shows follows: items 25 high, two of the three in the level.
  auto* menu = NewMenu(window.Form(), log, "menu", 3);
  menu->PopupFromRect(Anchor, false);
  ASSERT_EQ(Engine()->PopupWindows().size(), 1u);
  TspSkinPopupWindow* level = Engine()->PopupWindows().front();
  EXPECT_EQ(level->Items(1)->ItemRect.Top - level->Items(0)->ItemRect.Top, 25);
  const int limited = level->Height();
  PressKey(VK_ESCAPE);
  frame->SetMaxMenuItemsInWindow(0);  // no limit
  menu->PopupFromRect(Anchor, false);
  ASSERT_EQ(Engine()->PopupWindows().size(), 1u);
  EXPECT_GT(Engine()->PopupWindows().front()->Height(), limited);
  PressKey(VK_ESCAPE);
}

TEST_F(SkinPopupMenu, ARightClickOpensAControlsMenuWhoseCommandRunsAfterItClosed) {
  auto* panel = AddChild<TPanelControl>(window.Form(), Rect(20, 20, 200, 120));
  auto* menu = NewMenu(window.Form(), log, "context", 3);
  menu->Items()->Items(1)->OnClick = [&](TObject*) {
    log.push_back(Engine()->Active() || Hooked() ? "ran while open" : "ran after close");
  };
  panel->SetPopupMenu(menu);
  PostClick(panel, {50, 50}, mbRight);
  PumpFor(20);
  ASSERT_TRUE(Engine()->Active());
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_FALSE(Engine()->Active());
  EXPECT_EQ(log, (std::vector<std::string>{"context popup", "context closed", "ran after close"}));
}

}  // namespace
