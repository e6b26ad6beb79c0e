#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Application.h"
#include "classlib/Timer.h"
#include "classlib/WindowClasses.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(Timer, FiresRepeatedlyWhileEnabled) {
  TOwned<TTimer> timer(new TTimer(nullptr));
  int ticks = 0;
  timer->OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, timer.get());
    ++ticks;
  };
  timer->SetInterval(10);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer->SetEnabled(false);
  const int stopped = ticks;
  PumpFor(60);
  EXPECT_EQ(ticks, stopped);
  timer->SetEnabled(true);
  timer->SetInterval(0);  // zero stops it too
  PumpFor(60);
  EXPECT_EQ(ticks, stopped);
}

// A timer made stopped has no window until it runs or one is asked for; then it ticks as
// any other, and a tick sent to its window runs the handler only while it is enabled.
TEST(Timer, MadeStoppedItStartsLaterAndItsWindowTakesTicks) {
  TOwned<TTimer> timer(new TTimer(nullptr, false));
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  timer->SetInterval(10);
  PumpFor(40);
  EXPECT_EQ(ticks, 0);
  SendMessageA(timer->Handle(), WM_TIMER, 1, 0);  // stopped: nothing
  EXPECT_EQ(ticks, 0);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  TOwned<TTimer> unstarted(new TTimer(nullptr, false));  // goes without ever having a window
}

// A timer's window hangs under the application's window instead of standing on its own.
TEST(Timer, ItsWindowIsAChildOfTheApplicationWindow) {
  TOwned<TTimer> timer(new TTimer(nullptr));
  EXPECT_EQ(GetParent(timer->Handle()), Application->Handle());
  EXPECT_FALSE(IsWindowVisible(timer->Handle()));
}

// A child utility window that goes with its parent frees its method; deallocating it
// afterwards does nothing.
TEST(UtilityWindow, GoneWithItsParentItFreesItsMethod) {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  auto held = std::make_shared<int>(0);
  HWND window = AllocateHWnd([held](TMessage& message) { message.Result = ++*held; }, parent);
  EXPECT_EQ(GetParent(window), parent);
  EXPECT_EQ(SendMessageA(window, WM_USER, 0, 0), 1);
  EXPECT_EQ(held.use_count(), 2);
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(held.use_count(), 1);
  DeallocateHWnd(window);
  EXPECT_EQ(held.use_count(), 1);
}

TEST(Timer, MayBeFreedInsideItsOwnHandler) {
  TComponent owner(nullptr);
  auto* timer = new TTimer(&owner);
  int ticks = 0;
  timer->SetInterval(5);
  timer->OnTimer = [&](TObject*) {
    ++ticks;
    timer->Free();
  };
  ASSERT_TRUE(PumpUntil([&] { return ticks == 1; }));
  PumpFor(50);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Timer, MayBeReconfiguredInsideItsOwnHandler) {
  TOwned<TTimer> timer(new TTimer(nullptr));
  std::vector<unsigned> intervals;
  timer->SetInterval(5);
  timer->OnTimer = [&](TObject*) {
    intervals.push_back(timer->Interval());
    if (intervals.size() == 1) timer->SetInterval(15);
    if (intervals.size() == 2) timer->SetEnabled(false);
  };
  ASSERT_TRUE(PumpUntil([&] { return intervals.size() == 2; }));
  PumpFor(60);
  EXPECT_EQ(intervals, (std::vector<unsigned>{5, 15}));
}

TEST(Timer, AnErrorInTheHandlerIsReportedAndTheTimerGoesOn) {
  TReportedErrors errors;
  TOwned<TTimer> timer(new TTimer(nullptr));
  int ticks = 0;
  timer->SetInterval(5);
  timer->OnTimer = [&](TObject*) {
    if (++ticks == 1) throw Exception("tick failed");
  };
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  EXPECT_EQ(errors.Messages(), std::vector<std::string>{"tick failed"});
}

TEST(Timer, AWindowTimerOfAControlReachesItsWindowProc) {
  TOwned<TForm> form(MakeForm(100, 100, 100, 100));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(0, 0, 50, 50));
  std::vector<WPARAM> ids;
  TWndMethod old = panel->WindowProc;
  panel->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_TIMER) ids.push_back(message.WParam);
    old(message);
  };
  SetTimer(panel->Handle(), 1, 5, nullptr);
  EXPECT_TRUE(PumpUntil([&] { return !ids.empty(); }));
  KillTimer(panel->Handle(), 1);
  panel->WindowProc = old;
  EXPECT_EQ(ids.front(), 1u);
}

}  // namespace
