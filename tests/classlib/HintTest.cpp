#include "TestControls.h"
#include "UiTest.h"

#include "classlib/DeviceContexts.h"
#include "classlib/HintController.h"
#include "classlib/HintWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A hint window that records what it is asked to show.
class TRecordingHintWindow : public THintWindow {
public:
  explicit TRecordingHintWindow(TComponent* AOwner) : THintWindow(AOwner) {
    ++Made;
    Last = this;
  }
  ~TRecordingHintWindow() override {
    ++Freed;
    if (Last == this) Last = nullptr;
  }
  void ActivateHint(const TRect& Rect, const std::string& Hint) override {
    Shown.push_back(Hint);
    THintWindow::ActivateHint(Rect, Hint);
  }
  static inline std::vector<std::string> Shown;
  static inline int Made = 0;
  static inline int Freed = 0;
  static inline TRecordingHintWindow* Last = nullptr;
};

// Installs the recording hint window and pauses long enough never to end by themselves:
// the test drives the hint timer itself.
class TDrivenHints {
public:
  TDrivenHints()
      : FClass(Application->HintWindowClass),
        FPause(Application->HintPause()),
        FHidePause(Application->HintHidePause()),
        FOnShowHint(Application->OnShowHint) {
    Application->HintWindowClass = NewHintWindow<TRecordingHintWindow>;
    Application->SetShowHint(false);  // the next hint makes a window of the new class
    Application->SetShowHint(true);
    Application->SetHintPause(60000);
    Application->SetHintHidePause(60000);
    TRecordingHintWindow::Shown.clear();
  }
  ~TDrivenHints() {
    Application->CancelHint();
    Application->HintWindowClass = FClass;
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    Application->SetHintPause(FPause);
    Application->SetHintHidePause(FHidePause);
    Application->OnShowHint = FOnShowHint;
    ParkPointer();
  }
  TDrivenHints(const TDrivenHints&) = delete;
  TDrivenHints& operator=(const TDrivenHints&) = delete;

  static void TimerFires() { SendMessageA(Application->Handle(), WM_TIMER, TApplication::HintTimerId, 0); }
  static bool Showing() {
    return TRecordingHintWindow::Last != nullptr && TRecordingHintWindow::Last->HandleAllocated() &&
           IsWindowVisible(TRecordingHintWindow::Last->Handle());
  }
  static void PointTo(TControl* control, int x, int y) {
    PostMouse(control, WM_MOUSEMOVE, x, y);
    PumpFor(20);
  }

private:
  THintWindowClass FClass;
  int FPause;
  int FHidePause;
  TShowHintEvent FOnShowHint;
};

TEST(Hints, AppearAfterThePauseThroughOnShowHintAndGoAfterTheHidePause) {
  EXPECT_EQ(Application->HintPause(), 500);
  EXPECT_EQ(Application->HintHidePause(), 2500);
  EXPECT_TRUE(Application->ShowHint());
  TDrivenHints hints;
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* box = AddChild<TColorBox>(form.get(), Bounds(10, 10, 80, 80));
  auto* plain = AddChild<TColorBox>(form.get(), Bounds(150, 10, 80, 80));
  box->SetHint("Box");
  box->SetShowHint(true);
  THintInfo seen;
  Application->OnShowHint = [&](std::string& text, bool&, THintInfo& info) {
    seen = info;
    text += " hint";
    info.HintColor = clYellow;
  };
  form->Show();

  hints.PointTo(box, 20, 30);
  EXPECT_FALSE(hints.Showing());  // not before the pause
  hints.TimerFires();
  ASSERT_TRUE(hints.Showing());
  EXPECT_EQ(TRecordingHintWindow::Shown, std::vector<std::string>{"Box hint"});
  EXPECT_EQ(seen.HintControl, box);
  EXPECT_EQ(seen.CursorPos, Point(20, 30));
  EXPECT_EQ(seen.CursorRect, Bounds(box->ClientOrigin().X, box->ClientOrigin().Y, 80, 80));
  EXPECT_EQ(seen.HideTimeout, 60000);
  TRecordingHintWindow* window = TRecordingHintWindow::Last;
  EXPECT_EQ(window->Caption(), "Box hint");
  EXPECT_EQ(window->Color(), clYellow);
  EXPECT_EQ(window->Left(), seen.HintPos.X);
  EXPECT_GT(window->Top(), box->ClientToScreen({20, 30}).Y);  // below the pointer
  EXPECT_NE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_NE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_EQ(SendMessageA(window->Handle(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);  // the mouse goes through

  hints.TimerFires();  // the hide pause is over
  EXPECT_FALSE(hints.Showing());
  hints.TimerFires();
  hints.PointTo(box, 25, 30);  // still the same control: it does not come back
  hints.TimerFires();
  EXPECT_FALSE(hints.Showing());

  // Elsewhere and back, it comes again; a key ends it at once.
  hints.PointTo(plain, 10, 10);
  hints.TimerFires();
  EXPECT_FALSE(hints.Showing());  // no hint there
  hints.PointTo(box, 20, 30);
  hints.TimerFires();
  EXPECT_TRUE(hints.Showing());
  form->SetFocus();
  PressKey(VK_SHIFT);
  EXPECT_FALSE(hints.Showing());
  EXPECT_EQ(TRecordingHintWindow::Made, TRecordingHintWindow::Freed + 1);  // one window for all
}

TEST(Hints, FromOneHintToTheNextTheShortPauseApplies) {
  TDrivenHints hints;
  const int shortPause = Application->HintShortPause();
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* first = AddChild<TColorBox>(form.get(), Bounds(10, 10, 80, 80));
  auto* second = AddChild<TColorBox>(form.get(), Bounds(150, 10, 80, 80));
  first->SetHint("First");
  second->SetHint("Second");
  form->SetShowHint(true);
  form->Show();
  hints.PointTo(first, 5, 5);
  hints.TimerFires();
  ASSERT_TRUE(hints.Showing());
  // The full pause would take a minute; the short one is over at once.
  Application->SetHintShortPause(1);
  hints.PointTo(second, 5, 5);
  EXPECT_TRUE(PumpUntil([] { return TRecordingHintWindow::Shown.size() == 2; }));
  EXPECT_EQ(TRecordingHintWindow::Shown.back(), "Second");
  Application->SetHintShortPause(shortPause);
}

TEST(Hints, TheControlsAndTheHandlerDecideWhetherOneShows) {
  TDrivenHints hints;
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 200, 200));
  auto* inner = AddChild<TColorBox>(panel, Bounds(10, 10, 50, 50));
  panel->SetHint("Panel");
  form->SetShowHint(true);  // reaches the children that follow their parent
  EXPECT_TRUE(panel->ShowHint());
  EXPECT_TRUE(inner->ShowHint());
  form->Show();

  // A control without a hint shows its parent's.
  hints.PointTo(inner, 5, 5);
  hints.TimerFires();
  EXPECT_EQ(TRecordingHintWindow::Shown, std::vector<std::string>{"Panel"});

  // A parent that does not show hints keeps its own from showing.
  hints.TimerFires();
  panel->SetShowHint(false);
  EXPECT_FALSE(inner->ShowHint());
  hints.PointTo(panel, 150, 150);
  hints.TimerFires();
  EXPECT_FALSE(hints.Showing());

  // The handler may refuse.
  panel->SetShowHint(true);
  Application->OnShowHint = [](std::string&, bool& canShow, THintInfo&) { canShow = false; };
  hints.PointTo(inner, 5, 5);
  hints.TimerFires();
  EXPECT_FALSE(hints.Showing());
  EXPECT_EQ(TRecordingHintWindow::Shown.size(), 1u);

  // Without the application's hints nothing shows, and the window goes.
  Application->OnShowHint = nullptr;
  Application->SetShowHint(false);
  EXPECT_EQ(TRecordingHintWindow::Last, nullptr);
  hints.PointTo(panel, 150, 150);
  hints.TimerFires();
  EXPECT_EQ(TRecordingHintWindow::Shown.size(), 1u);
}

// A cursor Width wide and Height high whose image ends at row Last (blank for -1), hot
// spot at row HotY; coloured (its mask only as high as the cursor) or monochrome (the AND
// mask above the XOR mask, the image in the XOR mask).
HCURSOR MakeCursor(int Width, int Height, int Last, int HotY, bool Coloured) {
  const int rowBytes = (Width + 15) / 16 * 2;
  const int maskHeight = Coloured ? Height : 2 * Height;
  std::vector<uint8_t> bits(static_cast<size_t>(rowBytes * maskHeight), 0xFF);
  if (!Coloured) std::fill(bits.begin() + rowBytes * Height, bits.end(), 0x00);
  if (Last >= 0) {
    const int row = Coloured ? Last : Height + Last;  // a bit set in the XOR mask shows
    bits[static_cast<size_t>(row * rowBytes)] = Coloured ? 0x7F : 0x80;
  }
  const TGdiObject<HBITMAP> mask(CreateBitmap(Width, maskHeight, 1, 1, bits.data()));
  const TWindowDC screen(nullptr);
  const TGdiObject<HBITMAP> colour(Coloured ? CreateCompatibleBitmap(screen.DC(), Width, Height) : nullptr);
  ICONINFO info{FALSE, 0, static_cast<DWORD>(HotY), mask.get(), colour.get()};
  return CreateIconIndirect(&info);
}

TEST(Hints, StartBelowTheCursorsImage) {
  const HCURSOR before = GetCursor();
  const int system = GetSystemMetrics(SM_CYCURSOR);
  const struct {
    const char* Name;
    int Width, Height, Last, HotY;
    bool Coloured;
    int Expected;
  } cases[] = {
      {"monochrome", 32, 32, 20, 2, false, 19},
      {"coloured", 32, 32, 20, 2, true, 19},
      {"coloured, less high than wide", 32, 8, 5, 1, true, 5},
      {"blank", 32, 32, -1, 0, false, system},
      {"coloured, blank and less high than wide", 48, 8, -1, 0, true, system},
  };
  for (const auto& c : cases) {
    const HCURSOR cursor = MakeCursor(c.Width, c.Height, c.Last, c.HotY, c.Coloured);
    ASSERT_NE(cursor, nullptr) << c.Name;
    SetCursor(cursor);
    EXPECT_EQ(CursorBottomMargin(), c.Expected) << c.Name;
    SetCursor(before);
    DestroyCursor(cursor);
  }
}

}  // namespace
