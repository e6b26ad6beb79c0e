// When a drag starts, and which target hears what as a dragging pointer moves.
#include "classlib/portable/DragRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TEST(DragThreshold, NegativeTakesTheSystemsAndTheDistanceCountsInEitherDirection) {
  EXPECT_EQ(DragThresholdSize(-1, {4, 6}), (TSize{4, 6}));
  EXPECT_EQ(DragThresholdSize(0, {4, 6}), (TSize{0, 0}));
  EXPECT_EQ(DragThresholdSize(5, {4, 6}), (TSize{5, 5}));

  const TSize t{4, 6};
  const TPoint start{100, 100};
  EXPECT_FALSE(DragThresholdPassed(start, {103, 105}, t));
  EXPECT_FALSE(DragThresholdPassed(start, {97, 95}, t));
  EXPECT_TRUE(DragThresholdPassed(start, {104, 100}, t));
  EXPECT_TRUE(DragThresholdPassed(start, {96, 100}, t));
  EXPECT_TRUE(DragThresholdPassed(start, {100, 106}, t));
  EXPECT_TRUE(DragThresholdPassed(start, {100, 94}, t));
  // Threshold 0 starts at the first move, even one that goes nowhere.
  EXPECT_TRUE(DragThresholdPassed(start, start, {0, 0}));
  // Coordinates at the ends of the range do not overflow into "not moved".
  EXPECT_TRUE(DragThresholdPassed({INT_MIN, 0}, {INT_MAX, 0}, t));
  EXPECT_FALSE(DragThresholdPassed({INT_MIN, INT_MIN}, {INT_MIN, INT_MIN}, t));
}

struct TTarget {
  std::string Name;
};

// Plays the tracker's steps as the notifications they stand for.
std::string Notify(TDragTargetTracker<TTarget>& tracker, TTarget* target, bool accepts) {
  const auto step = tracker.MoveTo(target);
  std::string told;
  if (step.Left != nullptr) told += step.Left->Name + ":leave ";
  if (step.Asked != nullptr) {
    told += step.Asked->Name + (step.State == dsDragEnter ? ":enter" : ":move");
    tracker.SetAccepted(accepts);
  }
  return told;
}

TEST(DragTargets, EachTargetIsEnteredMovedOverAndLeftInTurn) {
  TTarget a{"a"}, b{"b"};
  TDragTargetTracker<TTarget> tracker;
  EXPECT_EQ(Notify(tracker, nullptr, true), "");
  EXPECT_EQ(Notify(tracker, &a, true), "a:enter");
  EXPECT_EQ(Notify(tracker, &a, true), "a:move");
  EXPECT_EQ(Notify(tracker, &b, false), "a:leave b:enter");
  EXPECT_EQ(Notify(tracker, nullptr, true), "b:leave ");
  EXPECT_EQ(Notify(tracker, &b, true), "b:enter");
  EXPECT_EQ(tracker.Target(), &b);
}

TEST(DragTargets, TheCursorAndTheDropFollowTheLastAnswer) {
  constexpr int kDrag = -12, kNoDrop = -13;
  TTarget a{"a"}, b{"b"};
  TDragTargetTracker<TTarget> tracker;
  EXPECT_EQ(tracker.Cursor(kDrag, kNoDrop), kNoDrop);
  EXPECT_EQ(tracker.DropTarget(true), nullptr);

  Notify(tracker, &a, true);
  EXPECT_EQ(tracker.Cursor(kDrag, kNoDrop), kDrag);
  EXPECT_EQ(tracker.DropTarget(true), &a);
  EXPECT_EQ(tracker.LeftAtEnd(true), nullptr);
  // Cancelled: nothing is dropped and the target hears it was left.
  EXPECT_EQ(tracker.DropTarget(false), nullptr);
  EXPECT_EQ(tracker.LeftAtEnd(false), &a);

  // A new target refuses until it answers; a refusal on a move sticks.
  tracker.MoveTo(&b);
  EXPECT_FALSE(tracker.Accepted());
  tracker.SetAccepted(true);
  Notify(tracker, &b, false);
  EXPECT_EQ(tracker.Cursor(kDrag, kNoDrop), kNoDrop);
  EXPECT_EQ(tracker.DropTarget(true), nullptr);
  EXPECT_EQ(tracker.LeftAtEnd(true), &b);

  // Nowhere cannot accept.
  tracker.MoveTo(nullptr);
  tracker.SetAccepted(true);
  EXPECT_FALSE(tracker.Accepted());
}

TEST(DragTargets, ATargetThatGoesAwayIsForgottenAndNeverLeft) {
  TTarget a{"a"}, b{"b"};
  TDragTargetTracker<TTarget> tracker;
  Notify(tracker, &a, true);
  tracker.Forget(&b);
  EXPECT_EQ(tracker.Target(), &a);
  tracker.Forget(&a);
  EXPECT_EQ(tracker.Target(), nullptr);
  EXPECT_EQ(tracker.DropTarget(true), nullptr);
  EXPECT_EQ(Notify(tracker, &b, true), "b:enter");
}

}  // namespace
