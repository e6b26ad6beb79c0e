#include "classlib/portable/AlignLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(AlignLayout, EdgesAreFilledTopBottomLeftRightThenClient) {
  const TRect client = Rect(0, 0, 200, 100);
  std::vector<TAlignItem> items = {
      {alClient, Bounds(5, 5, 10, 10), {}},
      {alRight, Bounds(150, 0, 30, 10), {}},
      {alBottom, Bounds(0, 80, 10, 15), {}},
      {alLeft, Bounds(0, 0, 20, 10), {}},
      {alTop, Bounds(0, 0, 10, 25), {}},
      {alNone, Bounds(7, 8, 9, 10), {}},
  };
  const std::vector<TRect> placed = AlignItems(client, items);
  EXPECT_EQ(placed[4], Bounds(0, 0, 200, 25));     // top: full width
  EXPECT_EQ(placed[2], Bounds(0, 85, 200, 15));    // bottom: below everything else
  EXPECT_EQ(placed[3], Bounds(0, 25, 20, 60));     // left: between top and bottom
  EXPECT_EQ(placed[1], Bounds(170, 25, 30, 60));   // right
  EXPECT_EQ(placed[0], Rect(20, 25, 170, 85));     // client: what is left
  EXPECT_EQ(placed[5], Bounds(7, 8, 9, 10));       // not aligned: untouched
  EXPECT_EQ(PlaceAlignedItems(client, items).Remainder, Rect(20, 25, 170, 85));  // the same without a client child
  items.erase(items.begin());
  EXPECT_EQ(PlaceAlignedItems(client, items).Remainder, Rect(20, 25, 170, 85));
}

TEST(AlignLayout, ChildrenOfOneEdgeKeepTheirOrderFromTheOutside) {
  const TRect client = Rect(0, 0, 100, 100);
  // Listed in z-order; their current positions decide, ties keep the list order.
  const std::vector<TAlignItem> tops = {
      {alTop, Bounds(0, 50, 10, 10), {}}, {alTop, Bounds(0, 0, 10, 20), {}}, {alTop, Bounds(0, 0, 10, 5), {}}};
  const std::vector<TRect> placedTops = AlignItems(client, tops);
  EXPECT_EQ(placedTops[1].Top, 0);
  EXPECT_EQ(placedTops[2].Top, 20);
  EXPECT_EQ(placedTops[0].Top, 25);

  const std::vector<TAlignItem> rights = {{alRight, Bounds(10, 0, 10, 10), {}},
                                          {alRight, Bounds(80, 0, 20, 10), {}}};
  const std::vector<TRect> placedRights = AlignItems(client, rights);
  EXPECT_EQ(placedRights[1], Bounds(80, 0, 20, 100));  // the one furthest right stays outside
  EXPECT_EQ(placedRights[0], Bounds(70, 0, 10, 100));
}

TEST(AlignLayout, LimitsDecideTheSpaceTakenAndSizesNeverGoNegative) {
  TSizeLimits tall;
  tall.MinHeight = 30;
  TSizeLimits narrow;
  narrow.MaxWidth = 50;
  const std::vector<TAlignItem> items = {{alTop, Bounds(0, 0, 10, 10), tall},
                                         {alTop, Bounds(0, 10, 10, 10), narrow},
                                         {alClient, Bounds(0, 0, 10, 10), {}}};
  const std::vector<TRect> placed = AlignItems(Rect(0, 0, 100, 35), items);
  EXPECT_EQ(placed[0], Bounds(0, 0, 100, 30));
  EXPECT_EQ(placed[1], Bounds(0, 30, 50, 10));  // overflows the client, width capped
  EXPECT_EQ(placed[2], Bounds(0, 40, 100, 0));  // no room left: zero height, not negative
  EXPECT_EQ(PlaceAlignedItems(Rect(0, 0, 100, 35), items).Remainder, Bounds(0, 40, 100, 0));
}

TEST(AlignLayout, ConstrainSizeMinimumWinsOverASmallerMaximum) {
  TSizeLimits limits;
  limits.MinWidth = 40;
  limits.MaxWidth = 20;
  limits.MaxHeight = 15;
  EXPECT_EQ(ConstrainSize({10, 30}, limits), (TSize{40, 15}));
  EXPECT_EQ(ConstrainSize({30, 5}, {}), (TSize{30, 5}));
}

struct AnchorCase {
  const char* Name;
  TAnchors Anchors;
  TRect Expected;  // for a parent grown from 200x100 to 300x150
};

TEST(AlignLayout, AnchorsFollowTheParentsNewSize) {
  const TAnchorRules rules{Bounds(40, 20, 60, 30), {200, 100}};
  const AnchorCase cases[] = {
      {"left top", {akLeft, akTop}, Bounds(40, 20, 60, 30)},
      {"right bottom", {akRight, akBottom}, Bounds(140, 70, 60, 30)},
      {"all four", {akLeft, akTop, akRight, akBottom}, Bounds(40, 20, 160, 80)},
      // Centre (70, 35) keeps its proportion: (105, 52) minus half the size.
      {"none", {}, Bounds(75, 37, 60, 30)},
      {"left right, top", {akLeft, akRight, akTop}, Bounds(40, 20, 160, 30)},
  };
  for (const AnchorCase& c : cases)
    EXPECT_EQ(ApplyAnchors(c.Anchors, rules, rules.Bounds, {300, 150}), c.Expected) << c.Name;
}

TEST(AlignLayout, AnchorsShrinkingAndWithoutAKnownParentSize) {
  const TAnchorRules rules{Bounds(10, 10, 50, 50), {100, 100}};
  EXPECT_EQ(ApplyAnchors({akLeft, akRight, akTop}, rules, rules.Bounds, {30, 100}), Bounds(10, 10, 0, 50));
  const TAnchorRules unknown{Bounds(10, 10, 50, 50), {0, 0}};
  EXPECT_EQ(ApplyAnchors({}, unknown, Bounds(12, 13, 50, 50), {300, 300}), Bounds(12, 13, 50, 50));
}

}  // namespace
