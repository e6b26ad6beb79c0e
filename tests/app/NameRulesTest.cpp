#include "app/NameRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The numbers a run of rows gets, as text.
std::vector<std::string> TrackNumbers(int64_t start, int32_t rows) {
  std::vector<std::string> texts;
  for (int32_t row = 0; row < rows; ++row) texts.push_back(TrackNumberText(start + row, rows));
  return texts;
}

TEST(TrackNumbers, PaddingFollowsTheSelectedRowCount) {
  EXPECT_EQ(TrackNumbers(1, 5), (std::vector<std::string>{"01", "02", "03", "04", "05"}));
  std::vector<std::string> twelve = TrackNumbers(1, 12);
  EXPECT_EQ(twelve.front(), "001");
  EXPECT_EQ(twelve[8], "009");
  EXPECT_EQ(twelve[9], "010");
  EXPECT_EQ(twelve.back(), "012");
  // From 100 rows on, every number up to 99 has three digits like the others.
  std::vector<std::string> many = TrackNumbers(1, 120);
  EXPECT_EQ(many[0], "001");
  EXPECT_EQ(many[9], "010");
  EXPECT_EQ(many[98], "099");
  EXPECT_EQ(many[99], "100");
  EXPECT_EQ(many[119], "120");
  EXPECT_EQ(TrackNumbers(0, 2), (std::vector<std::string>{"0", "01"}));
  EXPECT_EQ(TrackNumberText(-3, 1), "-3");
  EXPECT_EQ(TrackNumberText(int64_t{INT32_MAX} + 1, 2), "2147483648");
  EXPECT_EQ(AddTrackNumber("Song", 7, 3), "07 - Song");
}

TEST(RemoveSections, KeptSectionsAreJoinedAndTrimmed) {
  TRemoveSectionFlags second{false, true};
  TRemoveSectionFlags first{true};
  EXPECT_EQ(RemoveNameSections("Artist - Album - Title", second), "Artist - Title");
  EXPECT_EQ(RemoveNameSections("Artist - Album - Title", first), "Album - Title");
  // Sections beyond the seventh are always kept; an empty first kept section falls away.
  TRemoveSectionFlags seven{};
  seven[6] = true;
  EXPECT_EQ(RemoveNameSections("1-2-3-4-5-6-7-8", seven), "1-2-3-4-5-6-8");
  EXPECT_EQ(RemoveNameSections("x--b", TRemoveSectionFlags{true}), "b");
  EXPECT_EQ(RemoveNameSections("only", TRemoveSectionFlags{true}), "");
}

TEST(CutTillNumber, TextBeforeTheFirstDigitGoes) {
  EXPECT_EQ(CutTextTillNumber("Track 05 - Song"), "05 - Song");
  EXPECT_EQ(CutTextTillNumber("  no digit here "), "no digit here");
  EXPECT_EQ(CutTextTillNumber("   7 Song "), "7 Song");
  EXPECT_EQ(CutTextTillNumber(""), "");
}

TSwitchItems Preset(int n) {
  // The switch page's presets swap sections n and n + 1 (1-based).
  TSwitchItems items;
  items.fill(UnchangedSection);
  items[static_cast<size_t>(n - 1)] = 0;
  items[static_cast<size_t>(n)] = 1;
  items[static_cast<size_t>(n + 4)] = 1;
  items[static_cast<size_t>(n + 5)] = 0;
  return items;
}

TEST(SwitchSections, PresetsSwapNeighbours) {
  EXPECT_EQ(SwitchNameSections("A - B - C", Preset(1)), "B - A - C");
  EXPECT_EQ(SwitchNameSections("A - B - C", Preset(2)), "A - C - B");
  EXPECT_EQ(SwitchNameSections("A-B-C-D-E", Preset(3)), "A - B - D - C - E");
  EXPECT_EQ(SwitchNameSections("A-B-C-D-E", Preset(4)), "A - B - C - E - D");
  // Places beyond the name's sections change nothing.
  EXPECT_EQ(SwitchNameSections("A - B", Preset(3)), "A - B");
  EXPECT_EQ(SwitchNameSections("Single", Preset(1)), "Single");
  for (int n = 1; n <= 4; ++n) EXPECT_TRUE(SwitchItemsValid(Preset(n))) << n;
}

TEST(SwitchSections, EachPlaceTakesTheSectionWhoseAfterItemMatches) {
  TSwitchItems rotate{0, 1, 2, 4, 4, 1, 2, 0, 4, 4};
  EXPECT_TRUE(SwitchItemsValid(rotate));
  EXPECT_EQ(SwitchNameSections("A - B - C", rotate), "C - A - B");
  // Empty sections stay empty; blanks are added only on inner sides.
  EXPECT_EQ(SwitchNameSections("A--C", Preset(1)), "A - C");
}

TEST(SwitchSections, ItemsMustPairUp) {
  TSwitchItems oneBefore = Preset(1);
  oneBefore[2] = 2;  // "Section3" before, none after
  EXPECT_FALSE(SwitchItemsValid(oneBefore));
  TSwitchItems noneSet{};
  EXPECT_TRUE(SwitchItemsValid(noneSet));
}

}  // namespace
