// The tag editor window's grid fit, keys and format combo, without a window.
#include "app/windowrules/TagEditorWindowRules.h"

#include <gtest/gtest.h>

namespace {

// 16-pixel rows in a 320-pixel grid at 4: 20 rows fit, 21 need the vertical bar.
TEST(TagEditorWindowRules, TheGridGivesWayToItsVerticalBarAndTheCommentColumnTakesTheClientWidth) {
  const TTagGridFit wide = FitTagGrid({4, 437, 320, 433, 20, 16, false});
  EXPECT_EQ(wide.Width, 437);
  EXPECT_FALSE(wide.ScrollBarShown);
  EXPECT_EQ(wide.ColumnWidths, (std::array<int32_t, TagColumnCount>{30, 33, 350, 200, 200, 50, 50, 200, 45, 100, 303}));
  EXPECT_EQ(wide.VScrollBarLeft, 441);
  EXPECT_EQ(wide.VScrollBarHeight, 320);
  EXPECT_EQ(wide.HScrollBarWidth, 437);
  const TTagGridFit narrow = FitTagGrid({4, 437, 320, 433, 21, 16, false});
  EXPECT_EQ(narrow.Width, 422);
  EXPECT_TRUE(narrow.ScrollBarShown);
  EXPECT_EQ(narrow.ColumnWidths[tcComment], 288);
  EXPECT_EQ(narrow.ColumnWidths[tcFileName], 350);
  EXPECT_EQ(narrow.VScrollBarLeft, 426);
  EXPECT_EQ(narrow.HScrollBarWidth, 437);  // under the grid and the vertical bar
  EXPECT_EQ(FitTagGrid({4, 422, 320, 418, 21, 16, true}), narrow);  // fitted already: stays
  EXPECT_EQ(FitTagGrid({4, 422, 320, 418, 2, 16, true}), wide);     // the room comes back
  EXPECT_EQ(FitTagGrid({0, 60, 320, 56, 2, 16, false}).ColumnWidths[tcComment], 0);  // never negative
}

TEST(TagEditorWindowRules, TheGridAndTheDigitEditsAnswerTheirKeysOnly) {
  for (uint16_t key : {uint16_t{'A'}, uint16_t{97}}) EXPECT_EQ(GridSelectionKeyMode(key), 0);
  for (uint16_t key : {uint16_t{'N'}, uint16_t{110}}) EXPECT_EQ(GridSelectionKeyMode(key), 1);
  for (uint16_t key : {uint16_t{'I'}, uint16_t{105}}) EXPECT_EQ(GridSelectionKeyMode(key), 2);
  for (uint16_t key : {uint16_t{'B'}, uint16_t{'Z'}, uint16_t{0}}) EXPECT_EQ(GridSelectionKeyMode(key), std::nullopt);
  for (uint16_t key = ekPageUp; key <= ekDown; ++key) EXPECT_TRUE(IsGridNavigationKey(key)) << key;
  for (uint16_t key : {uint16_t{32}, uint16_t{41}, uint16_t{ekDelete}, uint16_t{13}})
    EXPECT_FALSE(IsGridNavigationKey(key)) << key;
  EXPECT_EQ(DigitEditKey(ekUp), TDigitKey::Up);
  EXPECT_EQ(DigitEditKey(ekDown), TDigitKey::Down);
  EXPECT_EQ(DigitEditKey(ekDelete), TDigitKey::Delete);
  for (uint16_t key : {uint16_t{ekLeft}, uint16_t{ekRight}, uint16_t{8}}) EXPECT_EQ(DigitEditKey(key), std::nullopt);
}

TEST(TagEditorWindowRules, TheFormatComboFillsItsBoxAndShowsThePreferredFormatWhenThereIsOne) {
  EXPECT_EQ(FormatComboWidth(343, 8, 21), 302);
  EXPECT_EQ(FormatComboWidth(30, 8, 21), 0);
  EXPECT_EQ(TagFormatComboIndex(2, 3), 2);
  EXPECT_EQ(TagFormatComboIndex(3, 3), 0);  // a preference beyond the list: the first
  EXPECT_EQ(TagFormatComboIndex(-1, 3), 0);
  EXPECT_EQ(TagFormatComboIndex(0, 0), -1);
}

}  // namespace
