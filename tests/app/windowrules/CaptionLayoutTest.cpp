// Fields and buttons placed beside captions of any length.
#include "app/windowrules/CaptionLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionLayout, AFieldFollowsItsCaptionKeepingItsWidthOrItsRightEdge) {
  EXPECT_EQ(FieldAfterCaption(100, 4, {170, 140}, false), (TSpan{104, 206}));
  EXPECT_EQ(FieldAfterCaption(100, 4, {170, 40}, true), (TSpan{104, 40}));
  EXPECT_EQ(FieldAfterCaption(300, 4, {170, 40}, false), (TSpan{304, 0}));  // never negative
  // A column starts after the longest caption, never left of its design place.
  EXPECT_EQ(ColumnAfterCaptions({50, 64, 58}, 2, 62), 66);
  EXPECT_EQ(ColumnAfterCaptions({50, 40}, 2, 62), 62);
  EXPECT_EQ(ColumnAfterCaptions({}, 2, 62), 62);
}

TEST(CaptionLayout, TwoPairsShareARowAndTheirFieldsGiveWayEqually) {
  // Room enough: the fields keep their width.
  EXPECT_EQ(SharedCaptionRow(8, 335, {60, 60}, 82, 4, 8),
            (std::array<TCaptionPair, 2>{{{{8, 60}, {72, 82}}, {{162, 60}, {226, 82}}}}));
  // Long captions: the fields narrow alike and the row ends within its room.
  const auto narrow = SharedCaptionRow(8, 335, {85, 85}, 82, 4, 8);
  EXPECT_EQ(narrow[0].Field.Length, narrow[1].Field.Length);
  EXPECT_LT(narrow[0].Field.Length, 82);
  EXPECT_LE(narrow[1].Field.Start + narrow[1].Field.Length, 335);
  EXPECT_EQ(narrow[1].Caption.Start, narrow[0].Field.Start + narrow[0].Field.Length + 8);
  EXPECT_EQ(SharedCaptionRow(0, 10, {85, 85}, 82, 4, 8)[0].Field.Length, 0);
}

TEST(CaptionLayout, ButtonsShareTheirRowByWhatTheirCaptionsNeed) {
  // The design's four buttons of 80 while every caption fits.
  EXPECT_EQ(ButtonRow(4, 339, {50, 60, 40, 55}, 5),
            (std::vector<TSpan>{{4, 80}, {89, 80}, {174, 80}, {259, 80}}));
  // One long caption takes its width, the others share the rest.
  EXPECT_EQ(ButtonRow(4, 339, {50, 60, 100, 55}, 5),
            (std::vector<TSpan>{{4, 73}, {82, 73}, {160, 100}, {265, 73}}));
  EXPECT_EQ(ButtonRow(4, 339, {}, 5), std::vector<TSpan>{});
}

}  // namespace
