// The combo box's geometry: its button, item area and edit part with and without a skin,
// the cut of a free width, where the drop-down list opens and how many rows it shows,
// the page steps. (Which picture each state shows, and the drag over an open list, are
// the Wine tests'.)
#include "skin/boxes/portable/ComboBoxGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The flat-colour skin's "combobox": 60 x 21, the button at the right end.
TspComboBoxFrame Skinned(int32_t Width, int32_t Height, bool UseSkinSize = true) {
  return {true, false, UseSkinSize, Width, Height, {2, 893, 62, 914}, {3, 3, 40, 18}, {41, 2, 58, 19}, {40, 0}};
}

TEST(ComboBoxGeometry, WithoutASkinTheButtonIs17PixelsWideTwoInsideTheRightEdge) {
  const TspComboBoxRects rects = ComboBoxRects({false, false, true, 120, 20, {}, {}, {}, {}});
  EXPECT_EQ(rects.Item, (TRect{2, 2, 100, 18}));
  // A tool button is laid out the same whatever its skin.
  TspComboBoxFrame tool = Skinned(120, 20);
  tool.ToolButtonStyle = true;
  EXPECT_EQ(ComboBoxRects(tool).Button, (TRect{101, 2, 118, 18}));
}

TEST(ComboBoxGeometry, WithASkinTheButtonMovesWithTheWidthOnlyWhenRightOfTheRightTopPoint) {
  TspComboBoxRects rects = ComboBoxRects(Skinned(160, 21));
  EXPECT_EQ(rects.Button, (TRect{141, 2, 158, 19}));
  EXPECT_EQ(rects.Item, (TRect{3, 3, 140, 18}));
  TspComboBoxFrame left = Skinned(160, 21);
  left.ButtonRect = {25, 2, 35, 19};  // in the stretching middle: it stays
  EXPECT_EQ(ComboBoxRects(left).Button, (TRect{25, 2, 35, 19}));
  // Without the skin's size both follow the height as well.
  rects = ComboBoxRects(Skinned(160, 31, false));
  EXPECT_EQ(rects.Button, (TRect{141, 2, 158, 29}));
  EXPECT_EQ(rects.Item, (TRect{3, 3, 140, 28}));
  TspComboBoxFrame huge = Skinned(1000, 21);
  huge.ClRect.Right = INT_MAX - 5;
  EXPECT_EQ(ComboBoxRects(huge).Item.Right, INT_MAX);
}

TEST(ComboBoxGeometry, TheEditPartIsCentredOnTheItemAreaAndTheCutFollowsTheWidthOnly) {
  EXPECT_EQ(ComboEditRect({3, 3, 140, 18}, 13), (TRect{3, 4, 140, 17}));
  EXPECT_EQ(ComboEditRect({2, 2, 100, 18}, 16), (TRect{2, 2, 100, 18}));
  const TspComboCut cut = FreeWidthCut({{4, 0}, {40, 0}, {3, 3, 40, 18}}, {2, 893, 62, 914}, 160);
  EXPECT_EQ(cut.LT, (TPoint{4, 0}));
  EXPECT_EQ(cut.RT, (TPoint{140, 0}));
  EXPECT_EQ(cut.ClRect, (TRect{3, 3, 140, 18}));
}

TEST(ComboBoxGeometry, TheListShowsAtMostDropDownCountRowsAndOpensAboveWhenBelowWouldPassTheWorkArea) {
  EXPECT_EQ(DropDownRows(20, 8), 8);
  EXPECT_EQ(DropDownRows(3, 8), 3);
  EXPECT_EQ(DropDownOrigin({100, 220}, 20, 100, 400), (TPoint{100, 220}));
  EXPECT_EQ(DropDownOrigin({100, 300}, 20, 100, 400), (TPoint{100, 300}));  // ends just at the edge
  EXPECT_EQ(DropDownOrigin({100, 301}, 20, 100, 400), (TPoint{100, 181}));  // its bottom at the box's top
}

TEST(ComboBoxGeometry, PageUpMovesOneMoreThanTheRowsPageDownOneFewerHeldToTheEnds) {
  EXPECT_EQ(PageDownIndex(0, 8, 20), 7);
  EXPECT_EQ(PageDownIndex(15, 8, 20), 19);
  EXPECT_EQ(PageUpIndex(15, 8), 6);
  EXPECT_EQ(PageUpIndex(5, 8), 0);
  EXPECT_EQ(PageDownIndex(INT_MAX, INT_MAX, INT_MAX), INT_MAX - 1);
}

}  // namespace
