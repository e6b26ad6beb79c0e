// The frame's own window states carried out on a window: bounds through the work area,
// the status bar's grip, minimized slots, roll-ups, caption double-clicks, the first
// show, the fade-in, the size messages the form sees, drags by the frame in the
// system's move and size loop, client-area double-clicks, and controls freed while a
// client-area frame holds them for its areas or its roll-up.
#include "FrameTestKit.h"

#include "skin/form/SkinButtonObjects.h"

#include "skin/menus/SkinMenu.h"

#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace {

// A skinned panel whose memory is filled with 0xDD when it is freed and never handed out
// again (it stays taken until the program ends): a call through a pointer still kept to
// it faults at once instead of reaching stale bytes.
class TPoisonedPanel : public TspSkinPanel {
public:
  using TspSkinPanel::TspSkinPanel;
  static void* operator new(std::size_t Size) { return ::operator new(Size); }
  static void operator delete(void* Memory, std::size_t Size) { std::memset(Memory, 0xDD, Size); }
};

// A panel that frees another control when it is shown, as a handler of the program might.
class TFreeingPanel : public TspSkinPanel {
public:
  using TspSkinPanel::TspSkinPanel;
  TControl* FreeOnShow = nullptr;

protected:
  void WndProc(TMessage& Message) override {
    TspSkinPanel::WndProc(Message);
    if (Message.Msg == CM_VISIBLECHANGED && Message.WParam != 0 && FreeOnShow != nullptr)
      std::exchange(FreeOnShow, nullptr)->Free();
  }
};

// One panel owned by the form, whose end the frame hears of through their owner, and one
// that nobody owns, whose end it hears of only when it asked to.
struct TFreedPanels {
  explicit TFreedPanels(TForm* Form, const std::string& AreaName = {})
      : Owned(AddChild<TPoisonedPanel>(Form, Rect(0, 0, 10, 10))), Unowned(new TPoisonedPanel(nullptr)) {
    Unowned->SetParent(Form);
    Owned->SetAreaName(AreaName);
    Unowned->SetAreaName(AreaName);
  }
  void Free() const {
    Owned->Free();
    Unowned->Free();
  }
  TPoisonedPanel* Owned;
  TPoisonedPanel* Unowned;
};

TEST(FrameStates, MaximizeAndRestoreUseTheWorkAreaAndSwitchTheSizeGrip) {
  TFrameWindow window{{100, 100, 600, 400}};
  auto* bar = new TspSkinStatusBar(window.Form());
  bar->SetParent(window.Form());
  bar->SetSizeGrip(true);
  window.Frame()->SetStatusBar(bar);
  window.Load("flatframe");
  window.Show();
  int maximized = 0, restored = 0;
  window.Frame()->OnMaximize = [&](TObject*) { ++maximized; };
  window.Frame()->OnRestore = [&](TObject*) { ++restored; };

  window.Frame()->SetWindowState(TspWindowState::Maximized);
  EXPECT_EQ(window.Form()->BoundsRect(), TestWorkArea());
  EXPECT_FALSE(bar->SizeGripActive());
  window.Frame()->SetWindowState(TspWindowState::Maximized);  // once is enough
  EXPECT_EQ(maximized, 1);
  // A maximized window does not move.
  RECT moving{10, 10, 1010, 710};
  SendMessageA(window.Form()->Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&moving));
  EXPECT_EQ(FromRECT(moving), TestWorkArea());

  window.Frame()->SetWindowState(TspWindowState::Normal);
  EXPECT_EQ(window.Form()->BoundsRect(), Rect(100, 100, 600, 400));
  EXPECT_TRUE(bar->SizeGripActive());
  EXPECT_EQ(restored, 1);
  EXPECT_TRUE(IsRectEmpty(window.Frame()->Core().State.RestoreRect));
}

TEST(FrameStates, AClientAreaFrameIsRestoredToItsBoundsToo) {
  TFrameWindow window{{100, 100, 600, 400}};
  window.Frame()->SetSupportNCArea(false);
  window.Load("flatframe");
  window.Show();
  const TRect bounds = window.Form()->BoundsRect();
  window.Frame()->SetWindowState(TspWindowState::Maximized);
  EXPECT_EQ(window.Form()->BoundsRect(), TestWorkArea());
  window.Frame()->SetWindowState(TspWindowState::Normal);
  EXPECT_EQ(window.Form()->BoundsRect(), bounds);
}

TEST(FrameStates, OnAScreenWithoutTaskBarAMaximizedWindowLeavesAPixelFree) {
  TFrameWindow window{{100, 100, 600, 400}};
  TSeamOverride<TRect()> wholeScreen{Seams::WorkArea, [] { return TRect{0, 0, 1280, 1024}; }};
  window.Show();
  window.Frame()->SetWindowState(TspWindowState::Maximized);
  EXPECT_EQ(window.Form()->BoundsRect(), Rect(1, 1, 1279, 1023));
  window.Frame()->SetMaximizeOnFullScreen(true);
  window.Frame()->SetWindowState(TspWindowState::Normal);
  window.Frame()->SetWindowState(TspWindowState::Maximized);
  EXPECT_EQ(window.Form()->BoundsRect(), Rect(0, 0, 1280, 1024));
}

TEST(FrameStates, MinimizedWindowsTakeTheSlotsAlongTheWorkAreasFoot) {
  TFrameWindow first{{100, 100, 600, 400}}, second{{150, 150, 650, 450}};
  for (TFrameWindow* window : {&first, &second}) {
    window->Load("flatframe");
    window->Show();
  }
  first.Frame()->SetWindowState(TspWindowState::Minimized);
  second.Frame()->SetWindowState(TspWindowState::Minimized);
  // The skin's frame without its client part, 400 x 82.
  EXPECT_EQ(first.Form()->BoundsRect(), Rect(0, 618, 400, 700));
  EXPECT_EQ(second.Form()->BoundsRect(), Rect(400, 618, 800, 700));
  first.Frame()->SetWindowState(TspWindowState::Normal);
  EXPECT_EQ(first.Form()->BoundsRect(), Rect(100, 100, 600, 400));
}

TEST(FrameStates, RollingUpLeavesTheFrameWithoutItsClientPart) {
  TFrameWindow window{{100, 100, 600, 400}};
  window.Load("flatframe");
  window.Show();
  int changes = 0;
  window.Frame()->OnChangeRollUpState = [&](TObject*) { ++changes; };
  window.Frame()->RollUp(true);
  EXPECT_EQ(window.Form()->BoundsRect(), Rect(100, 100, 600, 182));
  // Maximized from there and restored, it is still rolled up.
  window.Frame()->SetWindowState(TspWindowState::Maximized);
  window.Frame()->SetWindowState(TspWindowState::Normal);
  EXPECT_TRUE(window.Frame()->RollUpState());
  window.Frame()->RollUp(false);
  EXPECT_EQ(window.Form()->BoundsRect(), Rect(100, 100, 600, 400));
  EXPECT_EQ(changes, 2);
}

TEST(FrameStates, ACaptionDoubleClickMaximizesRestoresOrRollsUp) {
  TFrameWindow window{{100, 100, 600, 400}};
  window.Show();
  HWND form = window.Form()->Handle();
  const auto doubleClick = [&] {
    SendMessageA(form, WM_NCLBUTTONDBLCLK, HTCAPTION, PointToLParam(window.ScreenPoint({150, 10})));
  };
  doubleClick();
  EXPECT_EQ(window.Frame()->WindowState(), TspWindowState::Maximized);
  doubleClick();
  EXPECT_EQ(window.Form()->BoundsRect(), Rect(100, 100, 600, 400));
  window.Frame()->SetSizeable(false);
  doubleClick();
  EXPECT_TRUE(window.Frame()->RollUpState());
  EXPECT_EQ(window.Form()->Height(), 25);  // the default caption and borders
}

// After a drag by the frame, and after a double-click in the client area, no caption
// button is pressed or runs its command and no menu opens: without a skin and with the
// program's.
class FrameInput : public testing::TestWithParam<std::string> {
protected:
  FrameInput() {
    if (!GetParam().empty()) Window.Load(GetParam());
    Window.Show();
    Form = Window.Form()->Handle();
  }
  TPoint ButtonCentre(TspStdButtonCommand Command) const {
    const TspActiveSkinObject* button = Frame->StdButtonObject(Command);
    return button != nullptr ? Centre(button->ObjectRect) : TPoint{};
  }
  void ExpectNothingPressed() const {
    EXPECT_EQ(Frame->CapturedObject(), -1);
    EXPECT_EQ(GetCapture(), nullptr);
    for (int i = 0; i < Frame->ObjectCount(); ++i) {
      if (auto* button = dynamic_cast<TspSkinButtonObject*>(Frame->Objects(i))) {
        EXPECT_FALSE(button->Down) << button->IDName;
      }
    }
    EXPECT_FALSE(Frame->SkinMenu()->Active());
    EXPECT_EQ(Frame->WindowState(), TspWindowState::Normal);
    EXPECT_TRUE(IsWindowVisible(Form));
  }

  TFrameWindow Window{{100, 100, 700, 500}};
  TspDynamicSkinForm* Frame = Window.Frame();
  HWND Form = nullptr;
};

TEST_P(FrameInput, ADragByTheCaptionOrTheTopBorderLeavesNothingPressed) {
  // Each press point lies, in the window that the drag moved or sized, on a caption button.
  const auto drag = [this](TPoint At, TPoint Travel, const TRect& Expected) {
    const WPARAM hit = static_cast<WPARAM>(Window.HitTest(At));
    DragByFrame(Form, Window.ScreenPoint(At), hit, Travel);
    EXPECT_EQ(Window.Form()->BoundsRect(), Expected) << "hit " << hit;
    ExpectNothingPressed();
  };
  const TPoint system = ButtonCentre(cmsysmenu);
  const TPoint caption{300, system.Y};
  ASSERT_EQ(Window.HitTest(caption), HTCAPTION);
  drag(caption, {caption.X - system.X, 0}, OffsetRect(Window.Form()->BoundsRect(), caption.X - system.X, 0));
  const TPoint close = ButtonCentre(cmclose);
  drag({close.X - 150, close.Y}, {-150, 0}, OffsetRect(Window.Form()->BoundsRect(), -150, 0));
  const TPoint top{close.X, 1};
  ASSERT_EQ(Window.HitTest(top), HTTOP);
  TRect taller = Window.Form()->BoundsRect();
  taller.Top -= close.Y - top.Y;
  drag(top, {0, top.Y - close.Y}, taller);
}

TEST_P(FrameInput, ADoubleClickInTheClientAreaLeavesTheCaptionButtonsAlone) {
  // The frame's mouse timer stops after a move or a size change.
  SendMessageA(Form, WM_ENTERSIZEMOVE, 0, 0);
  SendMessageA(Form, WM_EXITSIZEMOVE, 0, 0);
  const TRect bounds = Window.Form()->BoundsRect();
  for (const TspStdButtonCommand command : {cmminimize, cmmaximize, cmclose, cmsysmenu}) {
    // The client point with the button's frame coordinates: just below the caption.
    const LPARAM at = PointToLParam(ButtonCentre(command));
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
      PostMessageA(Form, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    PumpFor(0);
    ExpectNothingPressed();
    EXPECT_EQ(Window.Form()->BoundsRect(), bounds);
  }
}

INSTANTIATE_TEST_SUITE_P(SkinOrNone, FrameInput, testing::Values("", "slate"),
                         [](const testing::TestParamInfo<std::string>& Info) {
                           return Info.param.empty() ? std::string("NoSkin") : Info.param;
                         });

TEST(FrameStates, AClientAreaFrameIsDraggedOutsideItsObjectsAndEdgesStickToTheWorkArea) {
  static TPoint cursor;
  TSeamOverride<TPoint()> pointer{Seams::CursorPos, [] { return cursor; }};
  TFrameWindow window{{100, 100, 600, 400}};
  window.Frame()->SetSupportNCArea(false);
  window.Frame()->SetDraggAble(true);
  window.Load("flatframe");
  window.Show();
  HWND form = window.Form()->Handle();
  const TRect start = window.Form()->BoundsRect();
  cursor = window.Form()->ClientToScreen({200, 80});  // no object lies there
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({200, 80}));
  ASSERT_TRUE(window.Frame()->Dragging());
  cursor = {cursor.X + 30, cursor.Y + 20};
  SendMessageA(form, WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({230, 100}));
  EXPECT_EQ(window.Form()->BoundsRect(), OffsetRect(start, 30, 20));
  SendMessageA(form, WM_LBUTTONUP, 0, PointToLParam({230, 100}));
  EXPECT_FALSE(window.Frame()->Dragging());

  window.Frame()->SetMagnetic(true);
  SendMessageA(form, WM_ENTERSIZEMOVE, 0, 0);
  RECT moving{6, 50, 6 + start.Width(), 50 + start.Height()};  // 6 pixels off the left edge
  SendMessageA(form, WM_MOVING, 0, reinterpret_cast<LPARAM>(&moving));
  EXPECT_EQ(FromRECT(moving), Rect(0, 50, start.Width(), 50 + start.Height()));
  SendMessageA(form, WM_EXITSIZEMOVE, 0, 0);
}

TEST(FrameStates, ControlsFreedWhileAClientAreaFrameIsRolledUpAreNotShownOnUnroll) {
  TFrameWindow window{{100, 100, 600, 300}};
  window.Frame()->SetSupportNCArea(false);
  const TFreedPanels freed(window.Form());
  auto* kept = AddChild<TspSkinPanel>(window.Form(), Rect(0, 0, 10, 10));  // handled after them
  window.Load("flatframe");
  window.Show();
  window.Frame()->RollUp(true);
  ASSERT_FALSE(kept->Visible());
  freed.Free();
  window.Frame()->RollUp(false);
  EXPECT_TRUE(kept->Visible());
  EXPECT_EQ(window.Form()->ControlCount(), 1);
}

TEST(FrameStates, AControlFreedWhileTheUnrollShowsAnotherIsNotShown) {
  TFrameWindow window{{100, 100, 600, 300}};
  window.Frame()->SetSupportNCArea(false);
  auto* shownFirst = AddChild<TFreeingPanel>(window.Form(), Rect(0, 0, 10, 10));
  auto* victim = new TPoisonedPanel(nullptr);
  victim->SetParent(window.Form());
  window.Load("flatframe");
  window.Show();
  window.Frame()->RollUp(true);
  shownFirst->FreeOnShow = victim;
  window.Frame()->RollUp(false);
  EXPECT_TRUE(shownFirst->Visible());
  EXPECT_EQ(shownFirst->FreeOnShow, nullptr);
}

// A fault inside the size message would be swallowed by the system: the control that
// shows the layout ran to its end comes last.
TEST(FrameStates, ControlsFreedAfterTheSkinPlacedThemInItsAreaAreLeftOutOfTheNextLayout) {
  TFrameWindow window{{100, 100, 600, 300}};
  window.Frame()->SetSupportNCArea(false);
  const TFreedPanels freed(window.Form(), "clientarea");
  auto* kept = AddChild<TspSkinPanel>(window.Form(), Rect(0, 0, 10, 10));  // laid out after them
  kept->SetAreaName("clientarea");
  window.Load("flatframe");
  window.Show();
  freed.Free();
  window.Form()->SetBounds(100, 100, 650, 320);  // the frame lays its area out again
  EXPECT_EQ(kept->BoundsRect(), Rect(8, 48, window.Form()->Width() - 8, window.Form()->Height() - 34));
  EXPECT_EQ(window.Form()->Width(), 650);
}

TEST(FrameStates, TheFirstShowCentresTheWindowAndTheFormSeesEachSizeOnce) {
  TOwned<TForm> form(new TForm(Application));
  form->SetBounds(0, 0, 400, 300);
  TMessageLog log(form.get());  // what reaches the form's own procedure
  auto* frame = new TspDynamicSkinForm(form.get());
  TSeamOverride<TRect()> workArea{Seams::WorkArea, TestWorkArea};
  frame->SetPositionInMonitor(sppDesktopCenter);
  form->Show();
  PumpFor(10);
  EXPECT_EQ(form->BoundsRect(), Rect(300, 200, 700, 500));
  const int sizes = log.Count(WM_SIZE);
  form->SetBounds(300, 200, 450, 320);
  EXPECT_EQ(log.Count(WM_SIZE), sizes + 1);
  frame->Free();
}

TEST(FrameStates, TheFadeInStepsAtOnceThenOnTheTickCountToOpaqueAndDropsTheLayeredStyle) {
  // Each reading of the clock sees the window's alpha as the fade has set it so far.
  static DWORD ticks = 0;
  static HWND faded = nullptr;
  static std::vector<BYTE> seen;
  TSeamOverride<DWORD()> clock{Seams::TickCount, [] {
                                 BYTE alpha = 99;
                                 if (faded != nullptr) GetLayeredWindowAttributes(faded, nullptr, &alpha, nullptr);
                                 seen.push_back(alpha);
                                 return ticks += 6;
                               }};
  TFrameWindow window{{100, 100, 400, 300}};
  window.Frame()->SetAlphaBlendAnimation(true);
  window.Form()->Show();
  HWND form = window.Form()->Handle();
  EXPECT_NE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  BYTE alpha = 99;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 0);
  faded = form;
  seen.clear();
  SendMessageA(form, WM_TIMER, TspDynamicSkinForm::FadeInTimerId, 0);
  faded = nullptr;
  // 26 steps of 10 up to 255, the first on the first reading: only that one saw 0.
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 0), 1);
  EXPECT_EQ(seen.size(), 26U);
  EXPECT_EQ(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_LAYERED, 0);

  // With AlphaBlend the window ends at its own opacity, still layered.
  TFrameWindow blended{{100, 100, 400, 300}};
  blended.Frame()->SetAlphaBlend(true);
  blended.Frame()->SetAlphaBlendValue(128);
  blended.Frame()->SetAlphaBlendAnimation(true);
  blended.Form()->Show();
  SendMessageA(blended.Form()->Handle(), WM_TIMER, TspDynamicSkinForm::FadeInTimerId, 0);
  ASSERT_TRUE(GetLayeredWindowAttributes(blended.Form()->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
}

}  // namespace
