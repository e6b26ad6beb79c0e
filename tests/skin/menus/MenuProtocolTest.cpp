// The menu engine's protocol under Wine: what the opener, the window and the close event
// hear, in which order, when commands run, submenus open and close, and keys arrive.
#include "MenuTestKit.h"

namespace {

using namespace menutest;

class MenuProtocol : public TMenuTest {
protected:
  MenuProtocol() {
    for (TMenuItem* item : {open, more, subOne, disabled, last})
      item->OnClick = [name = item->Caption()](TObject*) { Log("OnClick " + name); };
    Item(subDeep, "Deepest");
    const TWndMethod formProc = form->WindowProc;
    form->WindowProc = [formProc](TMessage& m) {
      if (m.Msg == SP_MENU_CLOSED) Log("form closed");
      formProc(m);
    };
  }

  TRecorder* opener = new TRecorder(form.get(), "opener");
  TMenuItem* root = popupMenu->Items();
  TMenuItem *open = Item(root, "&Open"), *more = Item(root, "&More"), *subOne = Item(more, "Sub&One");
  TMenuItem *subDeep = Item(more, "&Deeper"), *line = Item(root, "-"), *disabled = Item(root, "&Disabled", false);
  TMenuItem* last = Item(root, "&Last");
};

// Logs Entry when Target is freed.
class TFreeLogger : public TComponent {
public:
  TFreeLogger(TComponent* Target, std::string Entry) : TComponent(nullptr), FEntry(std::move(Entry)) {
    Target->FreeNotification(this);
  }
  void Notification(TComponent*, TOperation Operation) override {
    if (Operation == opRemove) Log(FEntry);
  }

private:
  std::string FEntry;
};

TEST_F(MenuProtocol, ACommandRunsAfterTheMenuClosedAndTheOpenerHearsOfBoth) {
  ASSERT_TRUE(Open(opener));
  menu->OnMenuClose = [this](TObject* sender) { Log(sender == menu ? "OnMenuClose" : "?"); };
  const TFreeLogger levelGone(Level(0), "levels gone");
  ClickItem(Level(0), 0);
  // The level hides as the menu closes and goes once the click is handled.
  EXPECT_EQ(log, (TLog{"opener closed", "OnMenuClose", "form closed", "OnClick &Open", "opener executed",
                       "levels gone"}));
  EXPECT_EQ(std::pair(menu->Active(), menu->PopupControl()), std::pair(false, static_cast<TControl*>(nullptr)));
}

TEST_F(MenuProtocol, ASecondPopupClosesTheFirstMenuForItsOwnOpenerAndItsCloseEventOnly) {
  auto* second = new TRecorder(form.get(), "second");
  int closes = 0;
  ASSERT_TRUE(Open(opener));
  menu->OnMenuClose = [&](TObject*) { ++closes; };
  ASSERT_TRUE(Open(second));
  EXPECT_EQ(log, TLog{"opener closed"});
  EXPECT_EQ(std::pair(menu->PopupControl(), Levels()), std::pair(static_cast<TControl*>(second), size_t{1}));
  menu->CloseMenu();
  EXPECT_EQ(log, (TLog{"opener closed", "second closed", "form closed"}));
  EXPECT_EQ(closes, 1);

  // Too few children: nothing opens and the opener is not kept.
  EXPECT_FALSE(menu->Popup(opener, nullptr, root->Count(), Anchor, root, false));
  EXPECT_EQ(std::pair(Levels(), menu->PopupControl()), std::pair(size_t{0}, static_cast<TControl*>(nullptr)));
  // A merged level: the first item's children from the start index on, then the second's.
  EXPECT_TRUE(menu->PopupMerged(nullptr, nullptr, 1, Anchor, more, root, false));
  EXPECT_EQ(std::pair(Level(0)->ItemCount(), Level(0)->Items(1)->MenuItem), std::pair(6, open));
  EXPECT_FALSE(menu->PopupMerged(nullptr, nullptr, 0, Anchor, subOne, root, false));  // no children of its own
}

TEST_F(MenuProtocol, ASubmenuOpensAfterItsDelayUnlessThePointerMovesOn) {
  EXPECT_EQ(TspSkinMenu(nullptr, nullptr).SubmenuTimer()->Interval(), 500u);
  ASSERT_TRUE(Open());
  TspSkinPopupWindow* level = Level(0);
  Hover(level, 1);
  EXPECT_EQ(std::pair(Levels(), menu->WaitItem()), std::pair(size_t{1}, level->Items(1)));
  Tick(menu->SubmenuTimer());
  ASSERT_EQ(Levels(), 2u);
  EXPECT_TRUE(level->Items(1)->Opened);
  EXPECT_EQ(Level(1)->ItemIndex(), 0);
  Hover(level, 0);  // a plain item of the first level closes the submenu
  EXPECT_EQ(Levels(), 1u);
  Hover(level, 1);
  Hover(level, 4);  // and cancels one that waits
  EXPECT_EQ(std::pair(menu->WaitItem(), menu->SubmenuTimer()->Enabled()),
            std::pair(static_cast<TspSkinMenuItem*>(nullptr), false));
  Tick(menu->SubmenuTimer());
  EXPECT_EQ(Levels(), 1u);
}

TEST_F(MenuProtocol, KeysWalkTheItemsAndOpenAndCloseSubmenus) {
  more->OnClick = nullptr;
  ASSERT_TRUE(Open(opener));
  TspSkinPopupWindow* level = Level(0);
  level->ProcessKey(VK_DOWN);
  level->ProcessKey(VK_RIGHT);
  ASSERT_EQ(Levels(), 2u);
  Level(1)->ProcessKey(VK_LEFT);
  EXPECT_FALSE(level->Items(1)->Opened);
  level->ProcessKey(VK_LEFT);  // nothing on the first level
  level->ProcessKey(VK_RIGHT);
  Level(1)->ProcessKey(VK_ESCAPE);
  EXPECT_EQ(Levels(), 1u);
  const std::pair<uint16_t, int> walk[] = {{VK_DOWN, 4}, {VK_DOWN, 0}, {VK_UP, 4}, {VK_RIGHT, 4}, {'X', 4}};
  for (auto [key, hot] : walk) {
    level->ProcessKey(key);
    EXPECT_EQ(level->ItemIndex(), hot) << key;
  }
  EXPECT_TRUE(log.empty());
  level->ProcessKey(VK_RETURN);
  EXPECT_EQ(log, (TLog{"opener closed", "form closed", "OnClick &Last", "opener executed"}));

  log.clear();  // accelerators; Escape on the first level closes the menu
  more->OnClick = [](TObject*) { Log("OnClick &More"); };
  ASSERT_TRUE(Open(opener));
  for (uint16_t key : {VK_SUBTRACT, VK_NUMPAD4, VK_DIVIDE})  // the codes of "m", "d", "o": no letters
    Level(0)->ProcessKey(key);
  EXPECT_EQ(Levels(), 1u);
  EXPECT_TRUE(log.empty());
  Level(0)->ProcessKey('M');  // its submenu opens at once, after its own click
  Level(1)->ProcessKey('D');
  ASSERT_EQ(Levels(), 3u);
  Level(2)->ProcessKey(VK_ESCAPE);
  Level(1)->ProcessKey('O');
  EXPECT_EQ(log, (TLog{"OnClick &More", "opener closed", "form closed", "OnClick Sub&One", "opener executed"}));
  ASSERT_TRUE(Open(opener));
  Level(0)->ProcessKey(VK_ESCAPE);
  EXPECT_EQ(log.back(), "opener closed");
  EXPECT_FALSE(menu->Active());
}

TEST_F(MenuProtocol, ADisabledItemOrASeparatorRunsAndOpensNothing) {
  Item(disabled, "Child");
  ASSERT_TRUE(Open(opener));
  TspSkinPopupWindow* level = Level(0);
  ClickItem(level, 3);
  EXPECT_EQ(std::pair(level->ItemIndex(), level->Items(3)->Active), std::pair(3, false));  // hot, not lit
  level->ProcessKey('D');  // its accelerator lights it as the pointer lights others
  EXPECT_EQ(std::pair(level->ItemIndex(), level->Items(3)->Active), std::pair(3, true));
  EXPECT_EQ(menu->WaitItem(), nullptr);  // its submenu never waits to open
  for (uint16_t key : {VK_RETURN, VK_RIGHT}) level->ProcessKey(key);
  Tick(menu->SubmenuTimer());
  ClickItem(level, 2);
  EXPECT_FALSE(level->Items(3)->Active);  // the pointer moved on
  EXPECT_EQ(Levels(), 1u);
  EXPECT_TRUE(log.empty());

  last->Free();  // a menu item freed while its level shows is passed over
  level->ProcessKey(VK_UP);
  EXPECT_EQ(level->ItemIndex(), 1);
  ClickItem(level, 4);
  EXPECT_EQ(std::pair(Levels(), log.empty()), std::pair(size_t{1}, true));
}

TEST_F(MenuProtocol, ControlsAndWaitingItemsThatGoAreForgotten) {
  ASSERT_TRUE(Open(opener));
  opener->Free();
  EXPECT_EQ(menu->PopupControl(), nullptr);
  menu->CloseMenu();
  auto* doomed = new TRecorder(form.get(), "doomed");
  open->OnClick = [&](TObject*) { doomed->Free(); };  // the command frees its opener
  ASSERT_TRUE(Open(doomed));
  ClickItem(Level(0), 0);
  EXPECT_EQ(menu->ExecutedControl(), nullptr);
  EXPECT_EQ(log, (TLog{"form closed", "doomed closed", "form closed"}));

  ASSERT_TRUE(Open());  // a waiting submenu goes with its level
  Level(0)->ProcessKey('M');
  Hover(Level(1), 1);
  Level(1)->ProcessKey(VK_ESCAPE);
  EXPECT_FALSE(menu->SubmenuTimer()->Enabled());
  Tick(menu->SubmenuTimer());
  EXPECT_EQ(Levels(), 1u);
}

TEST_F(MenuProtocol, HandlersThatCloseOrFreeTheMenuStopWhatFollows) {
  more->OnClick = [this](TObject*) { menu->CloseMenu(); };
  ASSERT_TRUE(Open(opener));
  ClickItem(Level(0), 1);  // its click closes the menu: no submenu follows
  EXPECT_EQ(Levels(), 0u);
  ASSERT_TRUE(Open(opener));
  menu->OnMenuClose = [this](TObject*) { popupMenu->Free(); };  // the command's menu goes first
  ClickItem(Level(0), 0);
  // Nothing ran, and still the opener hears that a command of its menu was chosen.
  EXPECT_EQ(log, (TLog{"opener closed", "form closed", "opener closed", "form closed", "opener executed"}));
  TMenuItem* loose = Item(new TMenuItem(form.get()), "In no menu");
  ASSERT_TRUE(menu->Popup(opener, nullptr, 0, Anchor, loose->Parent(), false));
  menu->Free();
  EXPECT_EQ(log.back(), "opener closed");
}

TEST(SkinMenuCloseMessages, AreMovesSizesActivationFocusLostCancelAndButtonsGoingDown) {
  for (UINT msg : {WM_MOVE, WM_SIZE, WM_ACTIVATE, WM_KILLFOCUS, WM_CANCELMODE, WM_MOUSEACTIVATE, WM_NCLBUTTONDOWN,
                   WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                   WM_PARENTNOTIFY})
    EXPECT_TRUE(IsSkinMenuCloseMessage(msg)) << msg;
  // The window taking the focus keeps its menu: a menu never takes the focus from it.
  for (UINT msg : std::initializer_list<UINT>{WM_SETFOCUS, WM_PAINT, WM_MOUSEMOVE, WM_LBUTTONUP, WM_KEYDOWN,
                                              WM_TIMER, WM_SETCURSOR, WM_LBUTTONDBLCLK, SP_MENU_CLOSED})
    EXPECT_FALSE(IsSkinMenuCloseMessage(msg)) << msg;
}

}  // namespace
