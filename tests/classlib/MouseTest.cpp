#include "TestControls.h"
#include "UiTest.h"

#include "classlib/MouseTracker.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Counts what the mouse does to a control.
struct MouseCounts {
  int Clicks = 0;
  int DoubleClicks = 0;
  int Downs = 0;
  int Ups = 0;
  std::vector<TPoint> Moves;
  std::vector<TShiftState> DownShifts;

  void Attach(TControl* c) {
    c->OnClick = [this](TObject*) { ++Clicks; };
    c->OnDblClick = [this](TObject*) { ++DoubleClicks; };
    c->OnMouseDown = [this](TObject*, TMouseButton, TShiftState shift, int, int) {
      ++Downs;
      DownShifts.push_back(shift);
    };
    c->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Ups; };
    c->OnMouseMove = [this](TObject*, TShiftState, int x, int y) { Moves.push_back({x, y}); };
  }
};

class Mouse : public ::testing::Test {
protected:
  void SetUp() override {
    ParkPointer();
    form.reset(MakeForm(100, 100, 300, 200));
    box = AddChild<TColorBox>(form.get(), Bounds(10, 10, 50, 50));
    other = AddChild<TColorBox>(form.get(), Bounds(70, 10, 50, 50));
    panel = AddChild<TPanelControl>(form.get(), Bounds(150, 10, 100, 100));
    inner = AddChild<TColorBox>(panel, Bounds(10, 10, 30, 30));
    form->Show();
    PumpFor(20);
  }
  void TearDown() override {
    form.reset();
    ParkPointer();
  }
  // Posts a click, pumps until the control heard the button go up.
  void Click(TControl* c, const MouseCounts& counts, TPoint down, TPoint up) {
    const int ups = counts.Ups;
    PostMouse(c, WM_LBUTTONDOWN, down.X, down.Y, MK_LBUTTON);
    PostMouse(c, WM_MOUSEMOVE, up.X, up.Y, MK_LBUTTON);
    PostMouse(c, WM_LBUTTONUP, up.X, up.Y);
    ASSERT_TRUE(PumpUntil([&] { return counts.Ups == ups + 1; }));
  }

  TOwned<TForm> form;
  TColorBox* box = nullptr;
  TColorBox* other = nullptr;
  TPanelControl* panel = nullptr;
  TColorBox* inner = nullptr;
};

TEST_F(Mouse, ReleaseInsideClicksOnceReleaseOutsideDoesNot) {
  for (TControl* c : std::vector<TControl*>{box, panel}) {
    MouseCounts counts;
    counts.Attach(c);
    Click(c, counts, {5, 5}, {6, 7});
    EXPECT_EQ(counts.Clicks, 1) << c->ClassName();
    Click(c, counts, {5, 5}, {c->Width() + 40, 5});
    EXPECT_EQ(counts.Clicks, 1) << c->ClassName();
    EXPECT_EQ(counts.Downs, 2);
    EXPECT_EQ(GetCaptureControl(), nullptr);
  }
}

TEST_F(Mouse, WindowlessControlHoldsTheCaptureThroughItsParent) {
  MouseCounts counts;
  counts.Attach(box);
  MouseCounts formCounts;
  formCounts.Attach(form.get());
  PostMouse(box, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return counts.Downs == 1; }));
  EXPECT_EQ(GetCapture(), form->Handle());
  EXPECT_EQ(GetCaptureControl(), box);
  EXPECT_TRUE(box->MouseCapture());

  // Over the other box and outside the form, the moves still go to the captured box.
  // (The real pointer follows and may add moves of its own to the same places.)
  PostMouse(box, WM_MOUSEMOVE, 75, 5, MK_LBUTTON);
  PostMouse(box, WM_MOUSEMOVE, -30, 300, MK_LBUTTON);
  const auto seen = [&](TPoint p) {
    return std::find(counts.Moves.begin(), counts.Moves.end(), p) != counts.Moves.end();
  };
  ASSERT_TRUE(PumpUntil([&] { return seen({75, 5}) && seen({-30, 300}); }));
  EXPECT_TRUE(formCounts.Moves.empty());

  PostMouse(box, WM_LBUTTONUP, 75, 5);
  ASSERT_TRUE(PumpUntil([&] { return counts.Ups == 1; }));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(counts.Clicks, 0);
  // Without the capture, a move over the form goes to the form again.
  PostMouse(form.get(), WM_MOUSEMOVE, 280, 180);
  ASSERT_TRUE(PumpUntil([&] { return !formCounts.Moves.empty(); }));
}

// A control taking the capture takes it from whichever holds it, windowed or not, and
// letting it go leaves none.
TEST_F(Mouse, TheCapturePassesStraightFromControlToControl) {
  box->SetMouseCapture(true);
  EXPECT_EQ(GetCapture(), form->Handle());
  panel->SetMouseCapture(true);
  EXPECT_EQ(GetCapture(), panel->Handle());
  EXPECT_EQ(GetCaptureControl(), panel);
  EXPECT_FALSE(box->MouseCapture());
  inner->SetMouseCapture(true);
  EXPECT_EQ(GetCapture(), panel->Handle());
  EXPECT_EQ(GetCaptureControl(), inner);
  EXPECT_FALSE(panel->MouseCapture());
  box->SetMouseCapture(true);
  EXPECT_EQ(GetCapture(), form->Handle());
  EXPECT_EQ(GetCaptureControl(), box);
  box->SetMouseCapture(false);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(Mouse, DoubleClicksNeedTheStyleOtherwiseTheyArePresses) {
  MouseCounts counts;
  counts.Attach(box);
  PostMouse(box, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
  PostMouse(box, WM_LBUTTONUP, 5, 5);
  ASSERT_TRUE(PumpUntil([&] { return counts.Ups == 1; }));
  EXPECT_EQ(counts.DoubleClicks, 1);
  EXPECT_EQ(counts.Clicks, 0);
  EXPECT_TRUE(counts.DownShifts.back().Contains(ssDouble));

  box->SetControlStyle(box->ControlStyle() - TControlStyle{csDoubleClicks});
  PostMouse(box, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
  PostMouse(box, WM_LBUTTONUP, 5, 5);
  ASSERT_TRUE(PumpUntil([&] { return counts.Ups == 2; }));
  EXPECT_EQ(counts.DoubleClicks, 1);
  EXPECT_EQ(counts.Clicks, 1);
  EXPECT_FALSE(counts.DownShifts.back().Contains(ssDouble));
}

TEST_F(Mouse, DisabledWindowlessControlLetsTheParentHaveTheMouse) {
  MouseCounts counts;
  counts.Attach(box);
  MouseCounts formCounts;
  formCounts.Attach(form.get());
  box->SetEnabled(false);
  Click(form.get(), formCounts, {20, 20}, {20, 20});
  EXPECT_EQ(counts.Downs, 0);
  EXPECT_EQ(formCounts.Clicks, 1);
}

TEST_F(Mouse, EnterAndLeaveFollowThePointerAndOnlyTheCaptureControlWhileCaptured) {
  std::vector<std::string> log;
  auto track = [&log](TControl* c, const std::string& name) {
    c->OnMouseEnter = [&log, name](TObject*) { log.push_back("enter " + name); };
    c->OnMouseLeave = [&log, name](TObject*) { log.push_back("leave " + name); };
  };
  track(form.get(), "form");
  track(box, "box");
  track(other, "other");
  track(panel, "panel");
  track(inner, "inner");
  auto moveTo = [&](TControl* c, int x, int y, WPARAM keys = 0) {
    const size_t before = log.size();
    PostMouse(c, WM_MOUSEMOVE, x, y, keys);
    PumpUntil([&] { return log.size() > before; }, 300);
  };
  moveTo(form.get(), 280, 180);
  log.clear();

  moveTo(box, 5, 5);
  moveTo(other, 5, 5);
  moveTo(inner, 5, 5);
  moveTo(panel, 80, 80);
  EXPECT_EQ(log, (std::vector<std::string>{"leave form", "enter box", "leave box", "enter other",
                                           "leave other", "enter inner", "leave inner", "enter panel"}));
  log.clear();

  moveTo(box, 5, 5);
  PostMouse(box, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PumpFor(30);
  moveTo(box, 75, 5, MK_LBUTTON);   // over the other box: the captured box is left
  moveTo(box, 5, 5, MK_LBUTTON);    // back
  moveTo(box, 100, 5, MK_LBUTTON);  // over the other box again
  const size_t before = log.size();
  PostMouse(box, WM_LBUTTONUP, 70, 5);
  PumpUntil([&] { return log.size() > before; }, 500);
  EXPECT_EQ(log, (std::vector<std::string>{"leave panel", "enter box", "leave box", "enter box",
                                           "leave box", "enter other"}));
  EXPECT_EQ(MouseTracking::MouseControl(), other);
}

TEST_F(Mouse, WheelGoesToHandlersUntilOneHandlesIt) {
  int ups = 0;
  int downs = 0;
  bool handle = false;
  panel->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool& handled) {
    ++ups;
    handled = handle;
  };
  panel->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { ++downs; };
  EXPECT_EQ(panel->Perform(CM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0), 0);
  handle = true;
  EXPECT_EQ(panel->Perform(CM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0), 1);
  panel->Perform(CM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(ups, 2);
  EXPECT_EQ(downs, 1);
  // The window message goes the same way.
  SendMessageA(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(200, 200));
  EXPECT_EQ(ups, 3);
}

TEST_F(Mouse, FreeingTheControlUnderThePointerOrHoldingTheCaptureIsSafe) {
  PostMouse(box, WM_MOUSEMOVE, 5, 5);
  ASSERT_TRUE(PumpUntil([&] { return MouseTracking::MouseControl() == box; }));
  PostMouse(box, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return GetCaptureControl() == box; }));
  box->Free();
  EXPECT_EQ(MouseTracking::MouseControl(), nullptr);
  EXPECT_EQ(GetCaptureControl(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  PostMouse(form.get(), WM_LBUTTONUP, 5, 5);
  PumpFor(30);
}

}  // namespace
