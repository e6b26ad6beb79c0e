#include "skin/data/SkinRects.h"
#include "skin/form/portable/MagneticEdges.h"
#include "skin/form/portable/WindowStates.h"

#include <gtest/gtest.h>

namespace {

using Action = TspFrameAction;
using WS = TspWindowState;

const TspMonitorAreas Areas{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)};
const TRect Window = Rect(100, 50, 400, 250);

TEST(WindowStates, MaximizeKeepsTheFirstRestoreRectangleAndRestoreEmptiesIt) {
  TspFrameState s;
  const TRect target = MaximizeTarget(Areas, false);
  EXPECT_EQ(Maximize(s, Window, target), Areas.WorkArea);
  Maximize(s, target, target);
  // Before the first show the restored window is placed as its position asks.
  EXPECT_EQ(Restore(s, target, sppScreenCenter, Areas), Rect(362, 284, 662, 484));
  EXPECT_EQ(Restore(s, Window, sppDefault, Areas), Window);  // nothing saved: kept
  Maximize(s, Window, target);
  EXPECT_EQ(Restore(s, target, sppScreenCenter, Areas), Window);

  // On a screen without task bar a maximized window keeps one pixel off each edge.
  const TspMonitorAreas bare{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 768)};
  EXPECT_EQ(MaximizeTarget(bare, false), Rect(1, 1, 1023, 767));
  EXPECT_EQ(MaximizeTarget(bare, true), bare.Monitor);
}

TEST(WindowStates, MinimizedWindowsFillSlotsFromTheBottomLeftRowByRowAndFirstShowsCentre) {
  const TRect area = Rect(0, 0, 300, 100);
  const TSize size{130, 25};
  EXPECT_EQ(MinimizedSlot(area, size, {{0, 75}, {130, 75}}), Point(0, 50));
  EXPECT_EQ(MinimizedSlot(area, size, {{130, 75}}), Point(0, 75));
  // Every slot taken: the first one.
  EXPECT_EQ(MinimizedSlot(Rect(0, 0, 300, 50), size, {{0, 25}, {130, 25}, {0, 0}, {130, 0}}), Point(0, 25));
  EXPECT_EQ(MinimizedSlot(area, {0, 25}, {{0, 75}}), Point(0, 75));
  TspFrameState s;
  // The first show centres a normal window, once.
  EXPECT_EQ(FirstShowBounds(s, Rect(0, 0, 301, 201), sppDesktopCenter, Areas), Rect(362, 264, 663, 465));
  EXPECT_EQ(FirstShowBounds(s, Rect(0, 0, 301, 201), sppDesktopCenter, Areas), Rect(0, 0, 301, 201));
  EXPECT_EQ(Minimize(s, Window, size, area, {{0, 75}}), Rect(130, 75, 260, 100));
  EXPECT_EQ(s.RestoreRect, Window);
}

TEST(WindowStates, SetWindowStateSaysWhatTheWindowMustDo) {
  TspFrameState s;
  EXPECT_TRUE(SetWindowState(s, WS::Minimized, true, true).MinimizeApplication);
  EXPECT_EQ(s.WindowState, WS::Normal);  // the main form stays as it is
  TspFrameState secondary;
  EXPECT_TRUE(SetWindowState(secondary, WS::Minimized, false, false).MinimizeApplication);
  EXPECT_EQ(secondary.WindowState, WS::Minimized);  // a secondary window without NC support records it
  // Restoring it is a change again, not a call that does nothing.
  EXPECT_EQ(SetWindowState(secondary, WS::Normal, false, false).Action, Action::Restore);
  // A roll-up made while maximized is undone when restoring; one made before is kept.
  SetWindowState(s, WS::Maximized, false, true);
  s.RollUpState = s.MaximizedRollUp = true;
  const TspStateChange c = SetWindowState(s, WS::Normal, false, true);
  EXPECT_TRUE(c.Action == Action::Restore && c.UnrollFirst);
  SetWindowState(s, WS::Maximized, false, true);
  EXPECT_TRUE(s.RestoreRollUp);
  EXPECT_FALSE(SetWindowState(s, WS::Normal, false, true).UnrollFirst);
}

TEST(WindowStates, RollUpKeepsTheHeightItCameFrom) {
  const TspRollUpContext nc{true, true, false, 200, 0};
  TspFrameState s;
  EXPECT_EQ(RollUp(s, true, nc).Kind, TspRollUpStep::ShrinkToMinHeight);
  EXPECT_EQ(RollUp(s, true, {true, true, false, 35, 0}).Kind, TspRollUpStep::Ignored);
  const TspRollUpStep unroll = RollUp(s, false, {true, true, false, 35, 0});
  EXPECT_TRUE(unroll.Kind == TspRollUpStep::SetHeight && unroll.Height == 200);
  RollUp(s, true, nc);
  EXPECT_EQ(RollUp(s, false, {true, true, false, 35, 120}).Kind, TspRollUpStep::SetClientHeight);

  // Not allowed, minimized, or rolled up before maximizing: nothing happens.
  EXPECT_EQ(RollUp(s, true, {false, true, false, 200, 0}).Kind, TspRollUpStep::Ignored);
  s.WindowState = WS::Minimized;
  EXPECT_EQ(RollUp(s, true, nc).Kind, TspRollUpStep::Ignored);
  s.WindowState = WS::Maximized;
  s.RollUpState = true;
  EXPECT_EQ(RollUp(s, false, nc).Kind, TspRollUpStep::Ignored);

  // Without NC support only a skin with a roll-up picture rolls up.
  s = {};
  EXPECT_EQ(RollUp(s, true, {true, false, false, 200, 0}).Kind, TspRollUpStep::Ignored);
  EXPECT_FALSE(s.RollUpState);
  EXPECT_EQ(RollUp(s, true, {true, false, true, 200, 0}).Kind, TspRollUpStep::ClientFrameRollUp);
  EXPECT_EQ(RollUp(s, false, {true, false, false, 40, 0}).Kind, TspRollUpStep::ClientFrameUnroll);
}

TEST(WindowStates, CaptionDoubleClicksMaximizeRestoreOrRollUp) {
  const TspBorderIcons maximize{TspBorderIcon::biMaximize};
  const struct {
    WS State;
    bool RolledUp, MaximizedRollUp, Sizeable;
    TspBorderIcons Icons;
    Action NonClient, Client;
  } cases[] = {
      {WS::Normal, false, false, true, maximize, Action::Maximize, Action::Maximize},
      {WS::Normal, false, false, false, maximize, Action::RollUp, Action::RollUp},
      {WS::Normal, true, false, true, maximize, Action::Unroll, Action::Unroll},
      {WS::Minimized, false, false, true, maximize, Action::Restore, Action::Restore},
      {WS::Maximized, true, true, true, maximize, Action::Unroll, Action::Unroll},
  };
  for (const auto& c : cases) {
    TspFrameState s;
    s.WindowState = c.State;
    s.RollUpState = c.RolledUp;
    s.MaximizedRollUp = c.MaximizedRollUp;
    EXPECT_EQ(NonClientCaptionDoubleClick(s, c.Sizeable, c.Icons), c.NonClient);
    EXPECT_EQ(ClientCaptionDoubleClick(s, c.Sizeable), c.Client);
  }
}

TEST(MagneticEdges, AnEdgeSticksNearTheWorkAreaAndFreesItselfWhenTheCursorMovesOn) {
  const TRect area = Rect(0, 0, 1000, 700);
  TspMagneticEdges edges;
  const struct {
    int32_t X, Y;
    TPoint Cursor;
    int32_t StuckX, StuckY;
  } moves[] = {
      {9, 300, {109, 350}, 0, 300},    // sticks
      {5, 300, {105, 350}, 0, 300},    // the cursor 4 pixels from where it stuck
      {14, 300, {120, 350}, 11, 300},  // 11 pixels: free, following the cursor
      {795, 605, {900, 650}, 800, 600},
  };
  for (const auto& m : moves) {
    int32_t x = m.X, y = m.Y;
    edges.MagneticMove(x, y, 200, 100, 10, area, m.Cursor);
    EXPECT_EQ(Point(x, y), Point(m.StuckX, m.StuckY));
  }
  const TRect current = Rect(400, 300, 600, 400);
  EXPECT_EQ(edges.Moving(Rect(5, 5, 205, 105), current, true, true, 10, area, {}), current);
  edges.Release();
  EXPECT_EQ(edges.Moving(Rect(5, 5, 300, 300), current, false, true, 10, area, {}), Rect(0, 0, 200, 100));
}

}  // namespace
