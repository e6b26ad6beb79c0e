// The menu engine's protocol under Wine: what the opener, the window and the close event
// hear, in which order, when commands run, submenus open and close, and keys arrive.
#include "MenuTestKit.h"

#include <functional>

namespace {

using namespace menutest;
using TLog = std::vector<std::string>;

class MenuProtocol : public TMenuTest {
protected:
  MenuProtocol() {
    TMenuItem* root = popupMenu->Items();
    open = Item(root, "&Open");
    more = Item(root, "&More");
    subOne = Item(more, "Sub&One");
    subDeep = Item(more, "&Deeper");
    Item(subDeep, "Deepest");
    Item(root, "-");
    disabled = Item(root, "&Disabled", false);
    last = Item(root, "&Last");
    for (TMenuItem* item : {open, more, subOne, disabled, last}) {
      const std::string name = item->Caption();
      item->OnClick = [name](TObject*) { Log("OnClick " + name); };
    }
    const TWndMethod formProc = form->WindowProc;
    form->WindowProc = [formProc](TMessage& m) {
      if (m.Msg == SP_MENU_CLOSED) Log("form closed");
      formProc(m);
    };
  }

  TRecorder* opener = new TRecorder(form.get(), "opener");
  TMenuItem *open, *more, *subOne, *subDeep, *disabled, *last;
};

TEST_F(MenuProtocol, ACommandRunsAfterTheMenuClosedAndTheOpenerHearsOfBoth) {
  ASSERT_TRUE(Open(opener));
  menu->OnMenuClose = [this](TObject* sender) { Log(sender == menu ? "OnMenuClose" : "OnMenuClose?"); };
  TFreeLogger levelGone(Level(0), "levels gone");
  ClickItem(Level(0), 0);
  EXPECT_EQ(log, (TLog{"levels gone", "opener closed", "OnMenuClose", "form closed", "OnClick &Open",
                       "opener executed"}));
  EXPECT_FALSE(menu->Active());
  EXPECT_EQ(menu->PopupControl(), nullptr);
  EXPECT_EQ(menu->ExecutedControl(), opener);
}

TEST_F(MenuProtocol, ASecondPopupClosesTheFirstMenuForItsOwnOpener) {
  auto* second = new TRecorder(form.get(), "second");
  int firstCloses = 0;
  ASSERT_TRUE(Open(opener));
  menu->OnMenuClose = [&](TObject*) { ++firstCloses; };
  ASSERT_TRUE(Open(second));
  EXPECT_EQ(log, TLog{"opener closed"});
  EXPECT_EQ(std::pair(menu->PopupControl(), Levels()), std::pair(static_cast<TControl*>(second), size_t{1}));
  menu->CloseMenu();
  EXPECT_EQ(log, (TLog{"opener closed", "second closed", "form closed"}));
  EXPECT_EQ(firstCloses, 1);  // once, for its own menu

  // Too few children: nothing opens and the opener is not kept.
  EXPECT_FALSE(menu->Popup(opener, nullptr, popupMenu->Items()->Count(), Anchor, popupMenu->Items(), false));
  EXPECT_EQ(std::pair(Levels(), menu->PopupControl()), std::pair(size_t{0}, static_cast<TControl*>(nullptr)));
  EXPECT_FALSE(menu->Active());
}

TEST_F(MenuProtocol, AMergedLevelListsBothItemListsFromTheStartIndexOn) {
  TMenuItem* second = Item(popupMenu->Items(), "Second");
  for (const char* caption : {"A", "B", "C"}) Item(second, caption);
  EXPECT_TRUE(menu->PopupMerged(nullptr, nullptr, 2, Anchor, more, second, false));
  ASSERT_EQ(Level(0)->ItemCount(), 3);
  EXPECT_EQ(Level(0)->Items(0)->MenuItem, second->Items(0));
  EXPECT_TRUE(menu->PopupMerged(nullptr, nullptr, 1, Anchor, more, second, false));
  EXPECT_EQ(Level(0)->Items(0)->MenuItem, subDeep);
  EXPECT_FALSE(menu->PopupMerged(nullptr, nullptr, 0, Anchor, subOne, second, false));  // no children of its own
}

TEST_F(MenuProtocol, ASubmenuOpensAfterItsDelayUnlessThePointerMovesOn) {
  EXPECT_EQ(TspSkinMenu(nullptr, nullptr).SubmenuTimer()->Interval(), 500u);
  ASSERT_TRUE(Open());
  TspSkinPopupWindow* level = Level(0);
  Hover(level, 1);
  EXPECT_EQ(Levels(), 1u);
  EXPECT_EQ(menu->WaitItem(), level->Items(1));
  Tick(menu->SubmenuTimer());
  ASSERT_EQ(Levels(), 2u);
  EXPECT_TRUE(level->Items(1)->Opened);
  EXPECT_EQ(Level(1)->ItemIndex(), 0);  // its first item is hot

  Hover(level, 0);  // a plain item of the first level closes the submenu
  EXPECT_EQ(Levels(), 1u);
  Hover(level, 1);
  Hover(level, 4);
  EXPECT_EQ(menu->WaitItem(), nullptr);
  EXPECT_FALSE(menu->SubmenuTimer()->Enabled());
  Tick(menu->SubmenuTimer());
  EXPECT_EQ(Levels(), 1u);
}

TEST_F(MenuProtocol, KeysWalkTheItemsAndOpenAndCloseSubmenus) {
  more->OnClick = nullptr;
  ASSERT_TRUE(Open(opener));
  TspSkinPopupWindow* level = Level(0);
  EXPECT_EQ(level->ItemIndex(), 0);
  level->ProcessKey(VK_DOWN);
  level->ProcessKey(VK_RIGHT);
  ASSERT_EQ(Levels(), 2u);
  Level(1)->ProcessKey(VK_LEFT);
  EXPECT_EQ(Levels(), 1u);
  EXPECT_FALSE(level->Items(1)->Opened);
  level->ProcessKey(VK_LEFT);  // nothing on the first level
  EXPECT_EQ(Levels(), 1u);
  level->ProcessKey(VK_RIGHT);
  Level(1)->ProcessKey(VK_ESCAPE);
  EXPECT_EQ(Levels(), 1u);
  level->ProcessKey(VK_DOWN);  // over the separator and the disabled item
  EXPECT_EQ(level->ItemIndex(), 4);
  level->ProcessKey(VK_DOWN);  // from the last item to the first
  EXPECT_EQ(level->ItemIndex(), 0);
  level->ProcessKey(VK_UP);
  EXPECT_EQ(level->ItemIndex(), 4);
  level->ProcessKey(VK_RIGHT);  // a plain item has no submenu
  level->ProcessKey('X');       // no item's accelerator
  EXPECT_TRUE(log.empty());
  level->ProcessKey(VK_RETURN);
  EXPECT_EQ(log, (TLog{"opener closed", "form closed", "OnClick &Last", "opener executed"}));
}

TEST_F(MenuProtocol, AcceleratorsChooseTheirItemsAndEscapeOnTheFirstLevelClosesTheMenu) {
  ASSERT_TRUE(Open(opener));
  Level(0)->ProcessKey('M');  // the submenu opens at once, after its item's own click
  ASSERT_EQ(Levels(), 2u);
  EXPECT_EQ(log, TLog{"OnClick &More"});
  Level(1)->ProcessKey('D');
  ASSERT_EQ(Levels(), 3u);
  Level(2)->ProcessKey(VK_ESCAPE);
  Level(1)->ProcessKey('O');
  EXPECT_EQ(log, (TLog{"OnClick &More", "opener closed", "form closed", "OnClick Sub&One", "opener executed"}));

  log.clear();
  ASSERT_TRUE(Open(opener));
  Level(0)->ProcessKey(VK_ESCAPE);
  EXPECT_EQ(log, TLog{"opener closed"});  // the window's frame handles the rest
  EXPECT_FALSE(menu->Active());
}

TEST_F(MenuProtocol, ADisabledItemRunsNothing) {
  Item(disabled, "Child");
  ASSERT_TRUE(Open(opener));
  TspSkinPopupWindow* level = Level(0);
  ClickItem(level, 3);
  level->ProcessKey('D');
  Hover(level, 3);  // hot, but not highlighted
  EXPECT_EQ(level->ItemIndex(), 3);
  EXPECT_FALSE(level->Items(3)->Active);
  for (uint16_t key : {VK_RETURN, VK_RIGHT}) level->ProcessKey(key);
  Tick(menu->SubmenuTimer());
  EXPECT_EQ(Levels(), 1u);
  EXPECT_TRUE(log.empty());
  ClickItem(level, 2);  // the separator
  EXPECT_EQ(Levels(), 1u);
}

TEST_F(MenuProtocol, AnOpenerFreedWhileItsMenuShowsIsForgotten) {
  ASSERT_TRUE(Open(opener));
  opener->Free();
  EXPECT_EQ(menu->PopupControl(), nullptr);
  menu->CloseMenu();
  EXPECT_EQ(log, TLog{"form closed"});

  auto* doomed = new TRecorder(form.get(), "doomed");
  open->OnClick = [&](TObject*) { doomed->Free(); };  // the command frees the opener
  ASSERT_TRUE(Open(doomed));
  ClickItem(Level(0), 0);
  EXPECT_EQ(menu->ExecutedControl(), nullptr);
  EXPECT_EQ(log, (TLog{"form closed", "doomed closed", "form closed"}));
}

TEST_F(MenuProtocol, AWaitingSubmenuGoesWithItsLevel) {
  ASSERT_TRUE(Open());
  Hover(Level(0), 1);
  Level(0)->ProcessKey(VK_ESCAPE);
  EXPECT_EQ(menu->WaitItem(), nullptr);
  Tick(menu->SubmenuTimer());
  EXPECT_EQ(Levels(), 0u);

  ASSERT_TRUE(Open());
  Level(0)->ProcessKey('M');
  Hover(Level(1), 1);  // "Deeper" waits
  ASSERT_NE(menu->WaitItem(), nullptr);
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
  EXPECT_EQ(log, (TLog{"opener closed", "form closed"}));

  log.clear();
  ASSERT_TRUE(Open(opener));
  menu->OnMenuClose = [this](TObject*) {
    popupMenu->Free();  // the command's menu goes before the command runs
    popupMenu = nullptr;
  };
  ClickItem(Level(0), 0);
  EXPECT_EQ(log, (TLog{"opener closed", "form closed"}));  // no command, so no "executed"
}

TEST_F(MenuProtocol, ClosingTheEngineTellsTheOpener) {
  ASSERT_TRUE(Open(opener));
  menu->Free();
  EXPECT_EQ(log, TLog{"opener closed"});
}

TEST(SkinMenuCloseMessages, AreMovesSizesActivationFocusCancelAndButtonsGoingDown) {
  for (UINT msg : {WM_MOVE, WM_SIZE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_CANCELMODE, WM_MOUSEACTIVATE,
                   WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN,
                   WM_MBUTTONDOWN, WM_PARENTNOTIFY})
    EXPECT_TRUE(IsSkinMenuCloseMessage(msg)) << msg;
  for (UINT msg : std::initializer_list<UINT>{WM_PAINT, WM_MOUSEMOVE, WM_LBUTTONUP, WM_KEYDOWN, WM_TIMER, WM_SETCURSOR, WM_NCHITTEST,
                   WM_LBUTTONDBLCLK, SP_MENU_CLOSED})
    EXPECT_FALSE(IsSkinMenuCloseMessage(msg)) << msg;
}

}  // namespace
