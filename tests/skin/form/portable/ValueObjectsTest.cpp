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
  EXPECT_EQ(TrackValueAt(Vertical, {10, 30}), 2);  // 2.5: halves round to even
  EXPECT_EQ(TrackButtonRect({28, 10}, {8, 14}), Rect(24, 3, 32, 17));
}

TEST(TrackBar, ClicksAndDragsStayOnTheTrack) {
  EXPECT_EQ(TrackClickPos(Horizontal, {-5, 30}), Point(6, 10));
  EXPECT_EQ(TrackClickPos(Vertical, {3, 55}), Point(10, 40));
  // The button follows the mouse's travel, and stays where it is when that would take it
  // past an end.
  EXPECT_EQ(TrackDragPos(Horizontal, {45, 10}, {40, 12}, {45, 30}), Point(50, 10));
  EXPECT_EQ(TrackDragPos(Horizontal, {45, 10}, {40, 12}, {46, 30}), std::nullopt);
  EXPECT_EQ(TrackDragPos(Vertical, {10, 20}, {0, 0}, {99, -20}), Point(10, 0));
  EXPECT_EQ(TrackDragPos(Vertical, {10, 20}, {0, 0}, {0, 21}), std::nullopt);
}

TEST(TrackBar, EmptyRangesAndTracksNeverDivide) {
  // Equal ends of the range: the button at the begin point, the value at the minimum.
  EXPECT_EQ(TrackButtonPos({{10, 40}, {10, 0}, 7, 7}, 7), Point(10, 40));
  EXPECT_EQ(TrackValueAt({{6, 10}, {50, 10}, 7, 7}, {40, 10}), 7);
  EXPECT_EQ(TrackValueAt({{20, 20}, {20, 20}, 3, 9}, {0, 0}), 3);  // a track without length
  // The widest range and a reversed one stay inside their ends.
  const TspTrack wide{{0, 0}, {100, 0}, IntMin, IntMax};
  EXPECT_EQ(TrackValueAt(wide, {100, 0}), IntMax);
  EXPECT_EQ(TrackButtonPos(wide, 0), Point(50, 0));
  EXPECT_EQ(TrackValueAt({{0, 0}, {100, 0}, 10, 0}, {100, 0}), 0);
  EXPECT_EQ(TrackButtonPos({{IntMin, 0}, {IntMax, 0}, 0, 1}, 1), Point(IntMax, 0));
}

TEST(Gauge, TheActiveLookFillsTheValuesPart) {
  EXPECT_EQ(GaugeProgress(gkhorizontal, {48, 12}, 50, 0, 100), 24);
  EXPECT_EQ(GaugeProgress(gkvertical, {48, 12}, 25, 0, 100), 9);
  EXPECT_EQ(GaugeProgress(gkvertical, {48, 12}, 5, 5, 5), 12);  // no range: empty
  // Horizontally the columns left of the split, vertically the rows from it down.
  EXPECT_EQ(ValueFillParts({48, 12}, 24, false).Active, Rect(0, 0, 24, 12));
  EXPECT_EQ(ValueFillParts({48, 12}, 9, true).Normal, Rect(0, 0, 48, 9));
  EXPECT_EQ(ValueFillParts({48, 12}, -3, true).Active, Rect(0, 0, 48, 12));
}

TEST(FrameObjects, TheFrameFollowsTheValueWithinTheStrip) {
  struct Row {
    int32_t Count, Min, Max, Value, Frame;
  };
  for (const Row& r : {Row{4, 0, 30, 9, 1}, Row{4, 0, 30, 10, 2}, Row{4, 0, 30, 30, 4},
                       // A single frame, none, or a range shorter than the frames.
                       Row{1, 0, 30, 30, 1}, Row{0, 0, 30, 30, 1}, Row{4, 5, 5, 5, 1}, Row{4, 0, 2, 2, 1},
                       // Steps that do not end on the last frame never pass it.
                       Row{4, 0, 8, 8, 4}, Row{4, IntMin, IntMax, IntMax, 4}, Row{4, 10, 0, 0, 1}})
    EXPECT_EQ(FrameObjectIndex(r.Count, r.Min, r.Max, r.Value), r.Frame) << r.Count << " " << r.Max << " " << r.Value;
  EXPECT_EQ(StripFrameSize(Rect(10, 20, 30, 100), 0, fpvertical), TSize{});  // no frames, none drawn
}

TEST(FrameRegulator, AnglesRunClockwiseFromStraightDown) {
  struct Row {
    TPoint P;
    int32_t Angle;
  };
  for (const Row& r : {Row{{10, 20}, 0}, Row{{0, 10}, 90}, Row{{10, 0}, 180}, Row{{20, 10}, 270}, Row{{0, 20}, 45},
                       Row{{19, 20}, 318}, Row{{-100, 10}, 90}})
    EXPECT_EQ(RegulatorPosition(rkround, r.P, {20, 20}, 77), r.Angle) << r.P.X << "," << r.P.Y;
  EXPECT_EQ(RegulatorPosition(rkround, {10, 10}, {20, 20}, 77), 77);  // the centre keeps the last angle
  EXPECT_EQ(RegulatorPosition(rkvertical, {7, 3}, {20, 20}, 0), -3);
}

TEST(FrameRegulator, EachMoveGoesOneStepAtMostAlsoAcrossTheBottom) {
  const TspRegulator round{rkround, 4, {20, 20}, 0, 3};  // 120 degrees a step
  TspRegulatorDrag drag = BeginRegulatorDrag(1, 340);
  EXPECT_EQ(RegulatorDragStep(round, drag, 350), std::nullopt);
  EXPECT_EQ(RegulatorDragStep(round, drag, 10), 2);   // 350 to 10 is a small turn, up
  EXPECT_EQ(RegulatorDragStep(round, drag, 350), 1);  // and back, down
  drag = BeginRegulatorDrag(0, 0);
  EXPECT_EQ(RegulatorDragStep(round, drag, 119), std::nullopt);
  EXPECT_EQ(RegulatorDragStep(round, drag, 240), 1);
  EXPECT_EQ(RegulatorDragStep(round, drag, 120), 0);
  // A sliding regulator steps by its frame's width shared among the frames.
  const TspRegulator slide{rkhorizontal, 4, {20, 20}, 0, 30};
  drag = BeginRegulatorDrag(30, 0);
  EXPECT_EQ(RegulatorDragStep(slide, drag, 5), std::nullopt);
  EXPECT_EQ(RegulatorDragStep(slide, drag, 6), 30);  // kept at the maximum
  // Fewer than two frames make no steps; the widest range steps without overflow.
  EXPECT_EQ(RegulatorDragStep({rkround, 1, {20, 20}, 0, 3}, drag, 180), std::nullopt);
  TspRegulatorDrag wide = BeginRegulatorDrag(0, 0);
  EXPECT_EQ(RegulatorDragStep({rkvertical, 2, {0, 0}, IntMin, IntMax}, wide, 1), IntMax);
}

}  // namespace
