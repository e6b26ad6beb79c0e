#include "skin/form/portable/ValueObjects.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t IntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t IntMax = std::numeric_limits<int32_t>::max();

const TspTrack Horizontal{{6, 10}, {50, 10}, 0, 100};
const TspTrack Vertical{{10, 40}, {10, 0}, 0, 10};  // from the bottom up

TEST(TrackBar, ValuesAndButtonPositionsFollowTheTrackBothWays) {
  struct Row {
    const TspTrack& Track;
    int32_t Value;
    TPoint Pos;
  };
  for (const Row& r : {Row{Horizontal, 0, {6, 10}}, Row{Horizontal, 50, {28, 10}}, Row{Horizontal, 100, {50, 10}},
                       Row{Vertical, 0, {10, 40}}, Row{Vertical, 5, {10, 20}}, Row{Vertical, 10, {10, 0}}}) {
    EXPECT_EQ(TrackButtonPos(r.Track, r.Value), r.Pos) << r.Value;
    EXPECT_EQ(TrackValueAt(r.Track, r.Pos), r.Value) << r.Value;
  }
  EXPECT_FALSE(Horizontal.Vertical());
  EXPECT_TRUE(Vertical.Vertical());
  EXPECT_EQ(TrackValueAt(Horizontal, {17, 10}), 25);
  // A quarter of the way up gives 2.5: halves round to even.
  EXPECT_EQ(TrackValueAt(Vertical, {10, 30}), 2);
  EXPECT_EQ(TrackButtonRect({28, 10}, {8, 14}), Rect(24, 3, 32, 17));
}

TEST(TrackBar, ClicksAndDragsStayOnTheTrack) {
  EXPECT_EQ(TrackClickPos(Horizontal, {-5, 30}), Point(6, 10));
  EXPECT_EQ(TrackClickPos(Horizontal, {100, 0}), Point(50, 10));
  EXPECT_EQ(TrackClickPos(Vertical, {3, 55}), Point(10, 40));
  // The button follows the mouse's travel along the track, and stays where it is when
  // that would take it past an end.
  EXPECT_EQ(TrackDragPos(Horizontal, {45, 10}, {40, 12}, {45, 30}), Point(50, 10));
  EXPECT_EQ(TrackDragPos(Horizontal, {45, 10}, {40, 12}, {46, 30}), std::nullopt);
  EXPECT_EQ(TrackDragPos(Horizontal, {10, 10}, {40, 12}, {-100, 12}), std::nullopt);
  EXPECT_EQ(TrackDragPos(Vertical, {10, 20}, {0, 0}, {99, -20}), Point(10, 0));
  EXPECT_EQ(TrackDragPos(Vertical, {10, 20}, {0, 0}, {0, 21}), std::nullopt);
}

TEST(TrackBar, EmptyRangesAndTracksNeverDivide) {
  // Equal ends of the range: the button at the begin point, the value at the minimum.
  const TspTrack still{{6, 10}, {50, 10}, 7, 7};
  EXPECT_EQ(TrackButtonPos(still, 7), Point(6, 10));
  EXPECT_EQ(TrackValueAt(still, {40, 10}), 7);
  const TspTrack stillVertical{{10, 40}, {10, 0}, 7, 7};
  EXPECT_EQ(TrackButtonPos(stillVertical, 7), Point(10, 40));
  // A track without length maps every point to the minimum.
  const TspTrack point{{20, 20}, {20, 20}, 3, 9};
  EXPECT_EQ(TrackValueAt(point, {0, 0}), 3);
  EXPECT_EQ(TrackButtonPos(point, 9), Point(20, 20));
  // The widest range and a reversed one stay inside their ends.
  const TspTrack wide{{0, 0}, {100, 0}, IntMin, IntMax};
  EXPECT_EQ(TrackValueAt(wide, {100, 0}), IntMax);
  EXPECT_EQ(TrackValueAt(wide, {0, 0}), IntMin);
  EXPECT_EQ(TrackButtonPos(wide, 0), Point(50, 0));
  const TspTrack reversed{{0, 0}, {100, 0}, 10, 0};
  EXPECT_EQ(TrackValueAt(reversed, {0, 0}), 10);
  EXPECT_EQ(TrackValueAt(reversed, {100, 0}), 0);
  EXPECT_EQ(TrackButtonPos(reversed, 5), Point(50, 0));
  EXPECT_EQ(TrackButtonPos({{IntMin, 0}, {IntMax, 0}, 0, 1}, 1), Point(IntMax, 0));
}

TEST(Gauge, TheFillEndsWhereTheValueLies) {
  EXPECT_EQ(GaugeProgress(gkhorizontal, {48, 12}, 50, 0, 100), 24);
  EXPECT_EQ(GaugeProgress(gkvertical, {48, 12}, 25, 0, 100), 9);
  EXPECT_EQ(GaugeProgress(gkhorizontal, {48, 12}, 5, 5, 5), 0);
  EXPECT_EQ(GaugeProgress(gkvertical, {48, 12}, 5, 5, 5), 12);
  EXPECT_EQ(GaugeProgress(gkhorizontal, {48, 12}, 500, 0, 100), 48);  // kept in range

  // Horizontally the active picture fills the columns left of the split, vertically the
  // rows from it down.
  TspFillParts h = ValueFillParts({48, 12}, 24, false);
  EXPECT_EQ(h.Active, Rect(0, 0, 24, 12));
  EXPECT_EQ(h.Normal, Rect(24, 0, 48, 12));
  TspFillParts v = ValueFillParts({48, 12}, 9, true);
  EXPECT_EQ(v.Normal, Rect(0, 0, 48, 9));
  EXPECT_EQ(v.Active, Rect(0, 9, 48, 12));
  EXPECT_EQ(ValueFillParts({48, 12}, 99, false).Normal, Rect(48, 0, 48, 12));
  EXPECT_EQ(ValueFillParts({48, 12}, -3, true).Active, Rect(0, 0, 48, 12));
}

TEST(FrameObjects, TheFrameFollowsTheValueWithinTheStrip) {
  struct Row {
    int32_t Count, Min, Max, Value, Frame;
  };
  for (const Row& r : {Row{4, 0, 30, 0, 1}, Row{4, 0, 30, 9, 1}, Row{4, 0, 30, 10, 2}, Row{4, 0, 30, 30, 4},
                       // A single frame, none, or a range shorter than the frames.
                       Row{1, 0, 30, 30, 1}, Row{0, 0, 30, 30, 1}, Row{-3, 0, 30, 30, 1}, Row{4, 5, 5, 5, 1},
                       Row{4, 0, 2, 2, 1},
                       // Steps that do not reach the last frame exactly never pass it.
                       Row{4, 0, 8, 8, 4}, Row{4, IntMin, IntMax, IntMax, 4}, Row{4, 10, 0, 0, 1}})
    EXPECT_EQ(FrameObjectIndex(r.Count, r.Min, r.Max, r.Value), r.Frame)
        << r.Count << " " << r.Min << ".." << r.Max << " " << r.Value;

  const TSize square{16, 16}, tall{20, 20};
  EXPECT_EQ(StripFrameSize(Rect(0, 0, 64, 16), 4, fphorizontal), square);
  EXPECT_EQ(StripFrameSize(Rect(10, 20, 30, 100), 4, fpvertical), tall);
  EXPECT_EQ(StripFrameSize(Rect(10, 20, 30, 100), 0, fpvertical), TSize{});
  EXPECT_EQ(StripFrameRect({0, 0}, {16, 16}, 3, fphorizontal), Rect(32, 0, 48, 16));
  EXPECT_EQ(StripFrameRect({10, 20}, {20, 20}, 2, fpvertical), Rect(10, 40, 30, 60));
}

TEST(FrameRegulator, AnglesRunClockwiseFromStraightDown) {
  struct Row {
    TPoint P;
    int32_t Angle;
  };
  for (const Row& r : {Row{{10, 20}, 0}, Row{{0, 10}, 90}, Row{{10, 0}, 180}, Row{{20, 10}, 270},
                       Row{{0, 20}, 45}, Row{{20, 20}, 315}, Row{{19, 20}, 318}, Row{{-100, 10}, 90},
                       Row{{10, 999}, 0}})
    EXPECT_EQ(RegulatorPosition(rkround, r.P, {20, 20}, 77), r.Angle) << r.P.X << "," << r.P.Y;
  // The centre has no angle: the last one stays.
  EXPECT_EQ(RegulatorPosition(rkround, {10, 10}, {20, 20}, 77), 77);
  EXPECT_EQ(RegulatorPosition(rkround, {5, 5}, {0, 0}, 12), 12);
  EXPECT_EQ(RegulatorPosition(rkhorizontal, {7, 3}, {20, 20}, 0), 7);
  EXPECT_EQ(RegulatorPosition(rkvertical, {7, 3}, {20, 20}, 0), -3);
  EXPECT_EQ(RegulatorPosition(rkvertical, {7, IntMin}, {20, 20}, 0), IntMax);
}

TEST(FrameRegulator, ADragMovesOneStepPerMoveAndCrossesTheBottomOneStepAtATime) {
  const TspRegulator round{rkround, 4, {20, 20}, 0, 3};  // 120 degrees a step
  TspRegulatorDrag drag = BeginRegulatorDrag(1, 340);
  EXPECT_EQ(RegulatorDragStep(round, drag, 350), std::nullopt);
  EXPECT_EQ(RegulatorDragStep(round, drag, 10), 2);  // 350 to 10 is a small turn, up
  EXPECT_EQ(RegulatorDragStep(round, drag, 350), 1);  // and back, down
  drag = BeginRegulatorDrag(0, 0);
  EXPECT_EQ(RegulatorDragStep(round, drag, 60), std::nullopt);
  EXPECT_EQ(RegulatorDragStep(round, drag, 119), std::nullopt);
  EXPECT_EQ(RegulatorDragStep(round, drag, 120), 1);
  EXPECT_EQ(RegulatorDragStep(round, drag, 240), 2);
  EXPECT_EQ(RegulatorDragStep(round, drag, 120), 1);
  drag = BeginRegulatorDrag(3, 0);
  EXPECT_EQ(RegulatorDragStep(round, drag, 200), 3);  // kept at the maximum

  // A sliding regulator steps by its frame's width shared among the frames.
  const TspRegulator slide{rkhorizontal, 4, {20, 20}, 0, 30};
  drag = BeginRegulatorDrag(10, 0);
  EXPECT_EQ(RegulatorDragStep(slide, drag, 5), std::nullopt);
  EXPECT_EQ(RegulatorDragStep(slide, drag, 6), 20);
  EXPECT_EQ(RegulatorDragStep(slide, drag, -1), 10);

  // Fewer than two frames make no steps; the widest range steps without overflow.
  TspRegulatorDrag still = BeginRegulatorDrag(0, 0);
  EXPECT_EQ(RegulatorDragStep({rkround, 1, {20, 20}, 0, 3}, still, 180), std::nullopt);
  EXPECT_EQ(RegulatorDragStep({rkhorizontal, 0, {}, 0, 3}, still, 500), std::nullopt);
  TspRegulatorDrag wide = BeginRegulatorDrag(0, 0);
  EXPECT_EQ(RegulatorDragStep({rkvertical, 2, {0, 0}, IntMin, IntMax}, wide, 1), IntMax);
  EXPECT_EQ(RegulatorDragStep({rkvertical, 2, {0, 0}, IntMin, IntMax}, wide, 0), IntMin);
}

}  // namespace
