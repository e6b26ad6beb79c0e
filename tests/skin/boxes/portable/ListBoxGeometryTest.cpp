// The list box's geometry: where the inner list and its bars lie with and without a skin,
// when each bar is needed and with which range, the height for a number of rows, the
// items a paint covers, the caption band's rectangles and the caption buttons' steps.
#include "skin/boxes/portable/ListBoxGeometry.h"
#include "skin/boxes/portable/TabStops.h"

#include "base/Strings.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr TSize PlainBar{19, 100};

TspListBoxFrame Plain(int32_t CaptionHeight = 1, int32_t Columns = 0) {
  return {false, {}, 120, 100, CaptionHeight, Columns};
}

TEST(ListBoxGeometry, WithoutASkinTheBarsLieInsideTheFrameBelowTheCaptionBand) {
  // A horizontal bar alone covers the list's lowest strip; beside a vertical one both end
  // above it.
  TspListBoxPlaces places = ListBoxPlaces(Plain(), {{}, PlainBar});
  EXPECT_EQ(places.HorizontalBar, (TRect{1, 80, 119, 99}));
  EXPECT_EQ(places.Inner, (TRect{2, 2, 118, 98}));
  places = ListBoxPlaces(Plain(20), {PlainBar, PlainBar});
  EXPECT_EQ(places.VerticalBar, (TRect{100, 20, 119, 81}));
  EXPECT_EQ(places.Inner, (TRect{2, 21, 100, 80}));
  // In columns the one bar lies across the bottom and no text bar is placed.
  places = ListBoxPlaces(Plain(1, 3), {PlainBar, PlainBar});
  EXPECT_EQ(places.VerticalBar, (TRect{1, 80, 119, 99}));
  EXPECT_FALSE(places.HorizontalBar);
  // A box too small for its parts: places without area, never inverted.
  places = ListBoxPlaces({false, {}, 10, 8, 20, 0}, {PlainBar, {}});
  EXPECT_EQ(places.Inner, (TRect{2, 21, 2, 21}));
}

TEST(ListBoxGeometry, WithASkinTheBarsTakeTheirSkinSizesInTheWidenedListArea) {
  const TRect list = SkinListRect({2, 22, 98, 58}, {44, 2, 144, 62}, 120, 100);
  EXPECT_EQ(list, (TRect{2, 22, 118, 98}));
  TspListBoxPlaces places = ListBoxPlaces({true, list, 120, 100, 1, 0}, {TSize{16, 100}, TSize{100, 16}});
  EXPECT_EQ(places.HorizontalBar, (TRect{2, 82, 118, 98}));
  EXPECT_EQ(places.VerticalBar, (TRect{102, 22, 118, 82}));
  EXPECT_EQ(places.Inner, (TRect{2, 22, 102, 82}));
  places = ListBoxPlaces({true, list, 120, 100, 1, 2}, {TSize{100, 16}, {}});
  EXPECT_EQ(places.VerticalBar, (TRect{2, 82, 118, 98}));
  EXPECT_EQ(SkinListRect({0, 0, INT_MAX - 1, 10}, {0, 0, 1, 10}, 400, 10).Right, INT_MAX);
  EXPECT_EQ(PictureRect({86, 3, 98, 18}, {44, 2, 144, 62}), (TRect{130, 5, 142, 20}));
}

TEST(ListBoxGeometry, EachBarIsNeededOnlyWhileTheItemsOrTheirTextOutgrowWhatShows) {
  // 100 pixels of 20-pixel rows show 5 items.
  EXPECT_FALSE(RowsBarRange({0, 4, 0}, 0, 5, 100, 20));
  EXPECT_EQ(RowsBarRange({0, 29, 7}, 0, 30, 110, 20), (TspBarRange{0, 29, 5, 7}));
  EXPECT_FALSE(RowsBarRange({0, 0, 0}, 0, 30, 100, 20));    // no native range
  EXPECT_FALSE(RowsBarRange({0, 29, 30}, 0, 30, 100, 20));  // a position past it
  EXPECT_FALSE(RowsBarRange({0, 4, 0}, 5, 5, 80, 20));      // RowCount rows of as many items
  EXPECT_EQ(RowsBarRange({0, 199, 0}, 0, 200, 100, 0), (TspBarRange{0, 199, 100, 0}));  // a broken height
  // 5 rows in 2 columns show 10 items.
  EXPECT_EQ(ColumnsBarRange({0, 5, 1}, 2, 11, 100, 20), (TspBarRange{0, 5, 2, 1}));
  EXPECT_FALSE(ColumnsBarRange({0, 5, 1}, 2, 10, 100, 20));
  EXPECT_FALSE(ColumnsBarRange({0, 1, 0}, 2, 30, 100, 20));
  EXPECT_EQ(TextBarRange(81, 80, 12), (TspBarRange{0, 81, 80, 12}));
  EXPECT_FALSE(TextBarRange(80, 80, 0));
  // With a skin the item picture's margins around its text count; an image its width + 4.
  EXPECT_EQ(AvailableTextWidth(true, 100, {3, 0, 37, 18}, {2, 64, 42, 82}, 16), 74);
  EXPECT_EQ(AvailableTextWidth(false, 100, {}, {}, {}), 96);
}

TEST(ListBoxGeometry, RowsGiveTheBoxsHeightAndThePaintsItemsAndTheTextRectangle) {
  EXPECT_EQ(HeightForRows(5, 18, {true, 24, true, 20, 16}), 130);  // a skin's frame holds its caption
  EXPECT_EQ(HeightForRows(5, 20, {false, 0, true, 20, 19}), 143);
  EXPECT_EQ(HeightForRows(INT_MAX, INT_MAX, {false, 0, false, 0, 0}), INT_MAX);
  EXPECT_EQ(VisibleItems(3, 30, 110, 20, 0).Last, 8);  // the rows that fit and one cut
  EXPECT_EQ(VisibleItems(27, 30, 100, 20, 0).Last, 29);
  EXPECT_EQ(VisibleItems(0, 30, 100, 20, 3).Last, 15);
  EXPECT_LT(VisibleItems(0, 0, 100, 20, 0).Last, 0);
  EXPECT_EQ(SkinItemTextRect({3, 0, 37, 18}, {2, 64, 42, 82}, 100, 20), (TRect{3, 0, 97, 20}));
}

TEST(ListBoxGeometry, TheCaptionsButtonsAndTextFollowTheBandAndTheSkinsCorners) {
  const TspCaptionButtonRects buttons = DefaultCaptionButtons(120, 20);
  EXPECT_EQ(buttons[CaptionUpButton], (TRect{101, 2, 118, 18}));
  EXPECT_EQ(buttons[CaptionCheckButton], (TRect{67, 2, 84, 18}));
  EXPECT_EQ(DefaultCaptionRect(120, 20), (TRect{3, 2, 66, 18}));
  EXPECT_EQ(DefaultCaptionButtons(120, 10)[CaptionUpButton].Width(), 7);  // a low band
  constexpr TspCaptionCut cut{{4, 22}, {58, 22}, {58, 56}};
  EXPECT_EQ(MovedCaptionButton({86, 3, 98, 18}, cut, 50, 30), (TRect{136, 3, 148, 18}));
  EXPECT_EQ(MovedCaptionButton({30, 3, 42, 18}, cut, 50, 30), (TRect{30, 3, 42, 18}));
  EXPECT_EQ(MovedCaptionButton({60, 40, 70, 50}, cut, 50, 30), (TRect{110, 70, 120, 80}));
  EXPECT_EQ(MovedCaptionRect({4, 1, 58, 21}, cut, 50), (TRect{4, 1, 108, 21}));
  EXPECT_EQ(MovedCaptionButton({INT_MAX - 5, 3, INT_MAX, 18}, cut, 50, 0).Right, INT_MAX);
  constexpr TRect r{10, 0, 110, 20};
  EXPECT_EQ(CaptionTextLeft(taRightJustify, r, 30, 2), 78);
  EXPECT_EQ(CaptionTextLeft(taCenter, r, 30, 2), 47);
  EXPECT_EQ(CaptionTextLeft(taLeftJustify, r, 30, 0), 10);
}

TEST(ListBoxGeometry, TheStepButtonsNeverAskForAnItemPastEitherEnd) {
  EXPECT_EQ(StepUpIndex(3), 2);
  EXPECT_FALSE(StepUpIndex(0));
  EXPECT_FALSE(StepDownIndex(4, 5));
  EXPECT_EQ(StepDownIndex(-1, 5), 0);
  EXPECT_FALSE(StepDownIndex(-1, 0));
}

TEST(TabStops, DigitLinesGiveTheirValueOtherLinesZeroAndOnlyTenCount) {
  TStringList lines;
  for (const char* line : {"40", "12a", "", "-5", "007", "99999999999", "1", "2", "3", "4", "5"}) lines.Add(line);
  EXPECT_EQ(ParseTabStops(lines), (std::vector<int32_t>{40, 0, 0, 0, 7, 0, 1, 2, 3, 4}));
}

}  // namespace
