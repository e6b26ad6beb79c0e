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
  void AddItems(int Count, TMenuItem* Parent = nullptr) {
    for (int i = 0; i < Count; ++i) Item(Parent != nullptr ? Parent : popupMenu->Items(), "Item " + std::to_string(i));
  }
  bool OpenAt(const TRect& R) { return menu->Popup(nullptr, nullptr, 0, R, popupMenu->Items(), false); }
  static void TickScroll(TspSkinPopupWindow* Level) {
    SendMessageA(Level->Handle(), WM_TIMER, TspSkinPopupWindow::ScrollTimerId, 0);
  }
  // Whether any pixel of R in the level painted now has Colour.
  static bool Shows(TspSkinPopupWindow* Level, const TRect& R, TColor Colour) {
    TPixelDC dc(Level->Width(), Level->Height());
    SendMessageA(Level->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.DC()), 0);
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (dc.Pixel(x, y) == Colour) return true;
    return false;
  }

  static inline TRect workArea{0, 0, 800, 600};
  TSeamOverride<TRect()> area{Seams::WorkArea, [] { return workArea; }};
};

TEST_F(PopupWindows, AreToolPopupsThatNeverTakeTheFocusOrTheActivation) {
  auto* edit = AddChild<TEdit>(form.get(), Bounds(10, 10, 100, 21));
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit->Handle(); }));
  const HWND active = GetActiveWindow();
  const auto unchanged = [&] { return GetFocus() == edit->Handle() && GetActiveWindow() == active; };
  TMenuItem* more = Item(popupMenu->Items(), "&More");
  AddItems(3, more);
  AddItems(2);
  ASSERT_TRUE(Open());
  EXPECT_TRUE(unchanged());
  TspSkinPopupWindow* level = Level(0);
  const HWND window = level->Handle();
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_CAPTION | WS_VISIBLE),
            WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED),
            WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  EXPECT_EQ(GetClassLongA(window, GCL_STYLE) & (CS_SAVEBITS | CS_DROPSHADOW), CS_SAVEBITS | CS_DROPSHADOW);
  EXPECT_EQ(SendMessageA(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form->Handle()), HTCLIENT),
            MA_NOACTIVATE);
  Hover(level, 0);
  Tick(menu->SubmenuTimer());
  ASSERT_EQ(Levels(), 2u);
  const TPoint down = Level(1)->ScreenToClient(ItemPoint(Level(1), 1));
  PostMouse(Level(1), WM_LBUTTONDOWN, down.X, down.Y, MK_LBUTTON);
  PumpFor(50);
  EXPECT_NE(GetCapture(), Level(1)->Handle());
  EXPECT_TRUE(unchanged());
  ClickItem(Level(1), 1);
  EXPECT_EQ(Levels(), 0u);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(unchanged());

  TSeamOverride<DWORD()> windows2000(Seams::WindowsVersion, [] { return DWORD{5}; });
  ASSERT_TRUE(Open());
  EXPECT_EQ(GetClassLongA(Level(0)->Handle(), GCL_STYLE) & (CS_SAVEBITS | CS_DROPSHADOW), CS_SAVEBITS);
}

TEST_F(PopupWindows, GoWhereTheWorkAreaLeavesRoom) {
  workArea = {0, 30, 800, 330};
  AddItems(4);
  TMenuItem* more = Item(popupMenu->Items(), "&More");
  AddItems(4, more);
  ASSERT_TRUE(OpenAt({100, 200, 160, 220}));
  TspSkinPopupWindow* level = Level(0);
  EXPECT_EQ(level->BoundsRect(), Bounds(100, 220, level->Width(), 5 * 20 + 6));  // below its anchor
  level->ProcessKey('M');
  ASSERT_EQ(Levels(), 2u);
  // Near the bottom the submenu opens upwards, its last item level with its parent item.
  TspSkinPopupWindow* submenu = Level(1);
  const TRect parent = OffsetRect(level->Items(4)->ItemRect, level->Left(), level->Top());
  EXPECT_EQ(submenu->Left(), parent.Right + 1);
  EXPECT_EQ(submenu->Top() + submenu->Items(3)->ItemRect.Bottom, parent.Bottom);

  AddItems(9);  // 14 items fit neither below nor above: over the anchor, beside it
  ASSERT_TRUE(OpenAt({100, 150, 160, 170}));
  EXPECT_EQ(Level(0)->BoundsRect(), Bounds(161, 330 - Level(0)->Height(), Level(0)->Width(), 14 * 20 + 6));
}

TEST_F(PopupWindows, ALongListScrollsOneItemPerTickWhileThePointerRestsOnAMarker) {
  workArea = {0, 0, 800, 400};
  AddItems(30);
  ASSERT_TRUE(OpenAt({100, 100, 160, 120}));
  TspSkinPopupWindow* level = Level(0);
  EXPECT_EQ(level->BoundsRect(), Bounds(161, 0, level->Width(), 400));
  EXPECT_TRUE(level->ScrollMode());
  EXPECT_EQ(level->VisibleCount(), 18);
  const TRect upMarker{3, 3, level->Width() - 3, 13}, downMarker{3, 387, level->Width() - 3, 397};
  const TColor idle = SysColor(clBtnShadow), active = SysColor(clBtnText);
  EXPECT_TRUE(Shows(level, upMarker, idle) && Shows(level, downMarker, idle));

  PointAt(level, level->ClientToScreen({40, 392}));
  EXPECT_EQ(level->ScrollState(), 2);
  EXPECT_TRUE(Shows(level, downMarker, active));
  for (int top = 1; top <= 12; ++top) {
    TickScroll(level);
    ASSERT_EQ(level->TopIndex(), top);
    EXPECT_EQ(level->ScrollState(), 2);
  }
  EXPECT_TRUE(level->Items(29)->InView && !level->Items(11)->InView);
  TickScroll(level);  // the end is in view: scrolling stops
  EXPECT_EQ(level->ScrollState(), 0);
  EXPECT_TRUE(Shows(level, downMarker, idle) && !Shows(level, downMarker, active));
  TickScroll(level);
  EXPECT_EQ(level->TopIndex(), 12);

  PointAt(level, level->ClientToScreen({40, 8}));
  TickScroll(level);
  EXPECT_EQ(level->TopIndex(), 11);
  PointAt(level, {level->Left() + level->Width() + 50, 8});  // off the level: it stops
  EXPECT_EQ(level->ScrollState(), 0);
  TickScroll(level);
  EXPECT_EQ(level->TopIndex(), 11);
}

TEST_F(PopupWindows, ShowAtMostTheAllowedItemsAndScrollButStayAgainstTheirAnchor) {
  menu->MaxMenuItemsInWindow = 5;
  AddItems(8);
  ASSERT_TRUE(Open());
  TspSkinPopupWindow* level = Level(0);
  EXPECT_EQ(level->BoundsRect(), Bounds(Anchor.Left, Anchor.Bottom, level->Width(), 5 * 20 + 6 + 20));
  EXPECT_EQ(level->VisibleCount(), 5);
  level->ProcessKey(VK_UP);  // from the first item to the last: the list scrolls to its end
  EXPECT_EQ(std::pair(level->ItemIndex(), level->TopIndex()), std::pair(7, 3));
}

TEST_F(PopupWindows, FadeInOnTheirFirstOpeningUpToTheirAlpha) {
  static DWORD now = 0;
  static int polls = 0;
  TSeamOverride<DWORD()> clock(Seams::TickCount, [] { return ++polls, now += 3; });
  AddItems(2);
  TMenuItem* more = Item(popupMenu->Items(), "More");
  AddItems(2, more);
  menu->AlphaBlend = menu->AlphaBlendAnimation = true;
  menu->AlphaBlendValue = 150;
  ASSERT_TRUE(Open());
  const auto alphaOf = [](TspSkinPopupWindow* level) {
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(level->Handle(), nullptr, &alpha, &flags);
    return std::pair(int{alpha}, flags & LWA_ALPHA);
  };
  EXPECT_EQ(alphaOf(Level(0)), std::pair(150, DWORD{LWA_ALPHA}));
  EXPECT_GE(polls, 2 * 15);  // fifteen steps of 10, each after more than 5 ms
  const int fadePolls = polls;
  Level(0)->ProcessKey(VK_UP);
  Level(0)->ProcessKey(VK_RIGHT);
  ASSERT_EQ(Levels(), 2u);
  EXPECT_EQ(alphaOf(Level(1)), std::pair(150, DWORD{LWA_ALPHA}));  // a submenu shows at once
  EXPECT_EQ(polls, fadePolls);
}

TEST_F(PopupWindows, BlendWithTheScreenOnceItIsCapturedWhereLayeredWindowsAreMissing) {
  TSeamOverride<DWORD()> oldWindows(Seams::WindowsVersion, [] { return DWORD{4}; });
  AddItems(3);
  menu->AlphaBlend = true;
  ASSERT_TRUE(Open());
  TspSkinPopupWindow* level = Level(0);
  EXPECT_FALSE(IsWindowVisible(level->Handle()));
  EXPECT_TRUE(level->ShowTimer()->Enabled());
  Tick(level->ShowTimer());
  EXPECT_TRUE(IsWindowVisible(level->Handle()));
  ASSERT_NE(level->ScreenEffectImage(), nullptr);
  EXPECT_EQ(level->ScreenEffectImage()->Width(), level->Width());
  EXPECT_EQ(level->ItemIndex(), 0);
  EXPECT_EQ(GetWindowLongA(level->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

// A control that runs a handler on a message posted to it.
class TPostBox : public TCustomControl {
public:
  TPostBox(TWinControl* Parent, std::function<void()> Handler) : TCustomControl(Parent), FHandler(std::move(Handler)) {
    SetParent(Parent);
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_APP) FHandler();
    TCustomControl::Dispatch(Message);
  }

private:
  std::function<void()> FHandler;
};

TEST_F(PopupWindows, AFirstLevelThatLetsMessagesThroughMayCloseBeforeItShows) {
  AddItems(3);
  menu->AlphaBlend = menu->AlphaBlendAnimation = true;
  auto* opener = new TRecorder(form.get(), "opener");
  auto* closer = new TPostBox(form.get(), [this] { menu->CloseMenu(); });
  PostMessageA(closer->Handle(), WM_APP, 0, 0);  // handled while the first level shows
  EXPECT_FALSE(Open(opener));
  EXPECT_EQ(Levels(), 0u);
  EXPECT_EQ(log, (std::vector<std::string>{"opener closed"}));

  auto* ender = new TPostBox(form.get(), [this] {
    menu->Free();
    menu = nullptr;
  });
  PostMessageA(ender->Handle(), WM_APP, 0, 0);
  EXPECT_FALSE(Open());
  EXPECT_EQ(menu, nullptr);
  PumpFor(20);
}

TEST_F(PopupWindows, TakeTheShapeOfTheSkinsMask) {
  AddItems(3);
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_TRUE(Open());
  EXPECT_EQ(GetWindowRgn(Level(0)->Handle(), region.get()), ERROR);  // no skin, no region
  LoadSkin("flatcolour");
  ASSERT_TRUE(Open(nullptr, data));
  EXPECT_NE(GetWindowRgn(Level(0)->Handle(), region.get()), ERROR);
  // The mask cuts the corners.
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), Level(0)->Width() / 2, Level(0)->Height() / 2));
}

}  // namespace
