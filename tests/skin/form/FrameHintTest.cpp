// The frame objects' hints on the program's skin: a caption button's hint comes through
// the window's hint component when the mouse comes onto the button and goes when it
// leaves, when a message closes the frame's menus, or when the objects are made again;
// without ShowObjectHint or a hint component nothing shows. A screenshot shows the hint
// over the frame.
#include "FrameTestKit.h"

#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinHintWindow.h"

#include "classlib/Timer.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

namespace {

class FrameHint : public ::testing::Test {
 protected:
  FrameHint() {
    hint = new TspSkinHint(window.Form());
    window.Load("slate");
    hint->SetSkinData(window.Data());
    window.Frame()->SetSkinHint(hint);
    window.Frame()->SetShowObjectHint(true);
    window.Show();
    window.Frame()->SetForceActive(true);
  }
  TspActiveSkinObject* Button(TspStdButtonCommand Command) {
    TspActiveSkinObject* button = window.Frame()->StdButtonObject(Command);
    EXPECT_NE(button, nullptr);
    return button;
  }
  // The mouse comes onto the object (the pointer stands on its centre).
  void Enter(TspActiveSkinObject* Object) {
    const TPoint at = Centre(Object->ObjectRect);
    pointer = window.ScreenPoint(at);
    window.Frame()->TestActive(at.X, at.Y, true);
  }
  // The hint pause is over: the pending hint shows.
  bool ShowPending() {
    TTimer* timer = hint->HintTimer();
    if (timer == nullptr) return false;
    timer->OnTimer(timer);
    return true;
  }
  bool HintShows() const { return IsWindowVisible(hint->HintWindow()->Handle()) != FALSE; }

  static TPoint pointer;
  TSeamOverride<TPoint()> cursor{Seams::CursorPos, [] { return pointer; }};
  TFrameWindow window{{100, 100, 500, 300}, true};
  TspSkinHint* hint;
};
TPoint FrameHint::pointer;

TEST_F(FrameHint, ACaptionButtonsHintShowsAfterThePauseAndGoesWhenTheMouseLeaves) {
  TspActiveSkinObject* close = Button(cmclose);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->Hint, "Close");
  EXPECT_EQ(Button(cmminimize)->Hint, "Minimize");
  Enter(close);
  EXPECT_FALSE(HintShows());  // not before the pause
  ASSERT_TRUE(ShowPending());
  ASSERT_TRUE(HintShows());
  EXPECT_EQ(hint->HintWindow()->Caption(), "Close");
  // Under the pointer, below the button.
  RECT at{};
  GetWindowRect(hint->HintWindow()->Handle(), &at);
  EXPECT_GE(at.top, pointer.Y);
  const std::vector<HWND> windows{window.Form()->Handle(), hint->HintWindow()->Handle()};
  SaveWindowsScreenshot(windows, "frame-hint-slate");

  // Onto the next button: the first hint goes, the second waits for its pause.
  Enter(Button(cmminimize));
  EXPECT_FALSE(HintShows());
  ASSERT_TRUE(ShowPending());
  EXPECT_EQ(hint->HintWindow()->Caption(), "Minimize");
  // Off every object.
  window.Frame()->TestActive(-1, -1, true);
  EXPECT_FALSE(HintShows());
  EXPECT_EQ(hint->HintTimer(), nullptr);
}

TEST_F(FrameHint, AMessageThatClosesTheMenusHidesTheHintAndSoDoNewObjects) {
  Enter(Button(cmclose));
  ASSERT_TRUE(ShowPending());
  SendMessageA(window.Form()->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(HintShows());
  // A pending hint of an object that goes with a skin change never shows.
  Enter(Button(cmminimize));
  window.Frame()->UpdateSkin();
  EXPECT_FALSE(ShowPending());
  EXPECT_FALSE(HintShows());
}

TEST_F(FrameHint, NoHintWithoutShowObjectHintOrWithoutAHintComponent) {
  window.Frame()->SetShowObjectHint(false);
  Enter(Button(cmclose));
  EXPECT_EQ(hint->HintTimer(), nullptr);
  window.Frame()->TestActive(-1, -1, true);
  window.Frame()->SetShowObjectHint(true);
  // The component goes: the frame forgets it and shows nothing.
  hint->Free();
  EXPECT_EQ(window.Frame()->SkinHint(), nullptr);
  Enter(Button(cmclose));
  window.Frame()->TestActive(-1, -1, true);
}

}  // namespace
