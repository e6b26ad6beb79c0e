// The menu levels as windows under Wine: their styles, that they never take the focus or
// the activation, where they go in the work area, how a long list scrolls, and how a level
// fades in with layered windows or blends with the screen without them.
#include "MenuTestKit.h"

#include "classlib/Edit.h"

#include <functional>

namespace {

using namespace menutest;

class PopupWindows : public TMenuTest {
protected:
  void AddItems(int Count, TMenuItem* Parent) {
    for (int i = 0; i < Count; ++i) Item(Parent, "Item " + std::to_string(i));
  }
  bool OpenAt(const TRect& R) { return menu->Popup(nullptr, nullptr, 0, R, popupMenu->Items(), false); }
  TMenuItem* root = popupMenu->Items();
};

TEST_F(PopupWindows, AreToolPopupsThatNeverTakeTheFocusOrTheActivation) {
  auto* edit = AddChild<TEdit>(form.get(), Bounds(10, 10, 100, 21));
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit->Handle(); }));
  const HWND active = GetActiveWindow();
  const auto unchanged = [&] { return GetFocus() == edit->Handle() && GetActiveWindow() == active; };
  AddItems(3, Item(root, "&More"));
  ASSERT_TRUE(Open());
  const HWND window = Level(0)->Handle();
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_CAPTION | WS_VISIBLE), WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED),
            WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  EXPECT_EQ(GetClassLongA(window, GCL_STYLE) & (CS_SAVEBITS | CS_DROPSHADOW), CS_SAVEBITS | CS_DROPSHADOW);
  EXPECT_EQ(SendMessageA(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form->Handle()), HTCLIENT), MA_NOACTIVATE);
  Hover(Level(0), 0);
  Tick(menu->SubmenuTimer());
  ASSERT_EQ(Levels(), 2u);
  const TPoint down = Level(1)->ScreenToClient(ItemPoint(Level(1), 1));
  PostMouse(Level(1), WM_LBUTTONDOWN, down.X, down.Y, MK_LBUTTON);
  PumpFor(50);
  EXPECT_NE(GetCapture(), Level(1)->Handle());
  EXPECT_TRUE(unchanged());
  ClickItem(Level(1), 1);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(unchanged());

  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  TSeamOverride<DWORD()> windows2000(Seams::WindowsVersion, [] { return DWORD{5}; });
  ASSERT_TRUE(Open());  // no drop shadow before Windows XP, and no region without a mask
  EXPECT_EQ(GetClassLongA(Level(0)->Handle(), GCL_STYLE) & (CS_SAVEBITS | CS_DROPSHADOW), CS_SAVEBITS);
  EXPECT_EQ(GetWindowRgn(Level(0)->Handle(), region.get()), ERROR);
  LoadSkin("flatcolour");
  ASSERT_TRUE(Open(nullptr, data));  // the skin's mask cuts the corners
  ASSERT_NE(GetWindowRgn(Level(0)->Handle(), region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 2, 2));
}

TEST_F(PopupWindows, GoWhereTheWorkAreaLeavesRoom) {
  workArea = {0, 30, 800, 330};
  AddItems(4, root);
  AddItems(4, Item(root, "&More"));
  ASSERT_TRUE(OpenAt({100, 200, 160, 220}));
  TspSkinPopupWindow* level = Level(0);
  EXPECT_EQ(level->BoundsRect(), Bounds(100, 220, level->Width(), 5 * 20 + 6));  // below its anchor
  level->ProcessKey('M');
  ASSERT_EQ(Levels(), 2u);
  // Near the bottom a submenu opens upwards, its last item level with its parent item.
  const TRect parent = OffsetRect(level->Items(4)->ItemRect, level->Left(), level->Top());
  EXPECT_EQ(Level(1)->Left(), parent.Right + 1);
  EXPECT_EQ(Level(1)->Top() + Level(1)->Items(3)->ItemRect.Bottom, parent.Bottom);
  AddItems(9, root);  // 14 items fit neither below nor above: over the anchor, beside it
  ASSERT_TRUE(OpenAt({100, 150, 160, 170}));
  EXPECT_EQ(Level(0)->BoundsRect(), Bounds(161, 330 - 14 * 20 - 6, Level(0)->Width(), 14 * 20 + 6));
}

TEST_F(PopupWindows, ALongListScrollsOneItemPerTickWhileThePointerRestsOnAMarker) {
  workArea = {0, 0, 800, 400};
  AddItems(30, root);
  ASSERT_TRUE(OpenAt(Anchor));
  TspSkinPopupWindow* level = Level(0);
  const auto tickScroll = [&] { SendMessageA(level->Handle(), WM_TIMER, TspSkinPopupWindow::ScrollTimerId, 0); };
  EXPECT_EQ(level->BoundsRect(), Bounds(161, 0, level->Width(), 400));
  EXPECT_EQ(std::pair(level->ScrollMode(), level->VisibleCount()), std::pair(true, 18));
  const TRect upMarker{3, 3, level->Width() - 3, 13}, downMarker{3, 387, level->Width() - 3, 397};
  const TColor idle = SysColor(clBtnShadow), active = SysColor(clBtnText);
  Paint();
  EXPECT_TRUE(Shows(upMarker, idle) && Shows(downMarker, idle));
  PointAt(level, level->ClientToScreen({40, 392}));
  EXPECT_EQ(level->ScrollState(), 2);
  Paint();
  EXPECT_TRUE(Shows(downMarker, active));
  for (int top = 1; top <= 12; ++top) {
    tickScroll();
    ASSERT_EQ(std::pair(level->TopIndex(), level->ScrollState()), std::pair(top, 2));
  }
  EXPECT_TRUE(level->Items(29)->InView && !level->Items(11)->InView);
  tickScroll();  // the end is in view: scrolling stops
  EXPECT_EQ(level->ScrollState(), 0);
  Paint();
  EXPECT_FALSE(Shows(downMarker, active));
  tickScroll();
  EXPECT_EQ(level->TopIndex(), 12);
  PointAt(level, level->ClientToScreen({40, 8}));
  tickScroll();
  EXPECT_EQ(level->TopIndex(), 11);
  PointAt(level, {level->Left() + level->Width() + 50, 8});  // off the level: it stops
  tickScroll();
  EXPECT_EQ(std::pair(level->TopIndex(), level->ScrollState()), std::pair(11, 0));
}

TEST_F(PopupWindows, FadeInOnTheirFirstOpeningOrBlendWithTheScreenWithoutLayeredWindows) {
  static DWORD now = 0;
  static int polls = 0;
  TSeamOverride<DWORD()> clock(Seams::TickCount, [] { return ++polls, now += 3; });
  AddItems(2, root);
  AddItems(2, Item(root, "More"));
  menu->AlphaBlend = menu->AlphaBlendAnimation = true;
  menu->AlphaBlendValue = 150;
  const auto alphaOf = [](TspSkinPopupWindow* level) {
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(level->Handle(), nullptr, &alpha, &flags);
    return std::pair(int{alpha}, flags & LWA_ALPHA);
  };
  ASSERT_TRUE(Open());
  EXPECT_EQ(alphaOf(Level(0)), std::pair(150, DWORD{LWA_ALPHA}));
  EXPECT_GE(polls, 2 * 15);  // fifteen steps of 10, each after more than 5 ms
  const int fadePolls = polls;
  Level(0)->ProcessKey(VK_UP);
  Level(0)->ProcessKey(VK_RIGHT);
  ASSERT_EQ(Levels(), 2u);
  EXPECT_EQ(alphaOf(Level(1)), std::pair(150, DWORD{LWA_ALPHA}));  // a submenu shows at once
  EXPECT_EQ(polls, fadePolls);

  TSeamOverride<DWORD()> windowsNT4(Seams::WindowsVersion, [] { return DWORD{4}; });
  ASSERT_TRUE(Open());
  TspSkinPopupWindow* level = Level(0);
  EXPECT_FALSE(IsWindowVisible(level->Handle()));
  Tick(level->ShowTimer());  // the screen under it is captured, then it shows
  EXPECT_TRUE(IsWindowVisible(level->Handle()));
  ASSERT_NE(level->ScreenEffectImage(), nullptr);
  EXPECT_EQ(std::pair(level->ScreenEffectImage()->Width(), level->ItemIndex()), std::pair(level->Width(), 0));
  EXPECT_EQ(GetWindowLongA(level->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

// A control that runs a handler on a message posted to it.
class TPostBox : public TCustomControl {
public:
  TPostBox(TWinControl* Parent, std::function<void()> Handler) : TCustomControl(Parent), FHandler(std::move(Handler)) {
    SetParent(Parent);
    PostMessageA(Handle(), WM_APP, 0, 0);
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_APP) FHandler();
    TCustomControl::Dispatch(Message);
  }

private:
  std::function<void()> FHandler;
};

TEST_F(PopupWindows, AFirstLevelThatLetsMessagesThroughMayCloseBeforeItShows) {
  AddItems(3, root);
  menu->AlphaBlend = menu->AlphaBlendAnimation = true;
  new TPostBox(form.get(), [this] { menu->CloseMenu(); });  // handled while the level shows
  EXPECT_FALSE(Open(new TRecorder(form.get(), "opener")));
  EXPECT_EQ(std::pair(Levels(), log), std::pair(size_t{0}, TLog{"opener closed"}));
  new TPostBox(form.get(), [this] { menu->Free(), menu = nullptr; });  // the engine goes
  EXPECT_FALSE(Open());
  EXPECT_EQ(menu, nullptr);
}

}  // namespace
