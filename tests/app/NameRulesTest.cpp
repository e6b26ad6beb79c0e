// The name-building rules and the name format engine, on names without extension.
#include "AppTestSupport.h"

#include "app/NameFormat.h"
#include "app/NameRules.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(TrackNumbers, PaddingFollowsTheSelectedRowCount) {
  auto numbers = [](int64_t start, int32_t rows, std::initializer_list<int> picks) {
    Texts texts;
    for (int row : picks) texts.push_back(TrackNumberText(start + row, rows));
    return texts;
  };
  EXPECT_EQ(numbers(1, 5, {0, 4}), (Texts{"01", "05"}));
  EXPECT_EQ(numbers(1, 12, {0, 8, 9, 11}), (Texts{"001", "009", "010", "012"}));
  EXPECT_EQ(numbers(1, 120, {0, 98, 99, 119}), (Texts{"001", "099", "100", "120"}));
  EXPECT_EQ(numbers(0, 2, {0, 1}), (Texts{"0", "01"}));
  EXPECT_EQ(TrackNumberText(-3, 1), "-3");
  EXPECT_EQ(TrackNumberText(int64_t{INT32_MAX} + 1, 2), "2147483648");
  EXPECT_EQ(AddTrackNumber("Song", 7, 3), "07 - Song");
  EXPECT_EQ(FormatNumberText(5, 99) + FormatNumberText(5, 100) + FormatNumberText(0, 5), "050050");
}

TEST(SectionRules, RemoveCutAndSwitchSections) {
  TRemoveSectionFlags seven{};
  seven[6] = true;  // sections beyond the seventh are always kept
  EXPECT_EQ(RemoveNameSections("Artist - Album - Title", {false, true}), "Artist - Title");
  EXPECT_EQ(RemoveNameSections("1-2-3-4-5-6-7-8", seven), "1-2-3-4-5-6-8");
  EXPECT_EQ(RemoveNameSections("x--b", {true}), "b");  // an empty first kept section falls away
  EXPECT_EQ(RemoveNameSections("only", {true}), "");
  EXPECT_EQ(CutTextTillNumber("Track 05 - Song"), "05 - Song");
  EXPECT_EQ(CutTextTillNumber("  no digit here "), "no digit here");
  // Presets swap neighbours; places beyond the name's sections change nothing.
  const TSwitchItems swap34{4, 4, 0, 1, 4, 4, 4, 1, 0, 4}, rotate{0, 1, 2, 4, 4, 1, 2, 0, 4, 4};
  EXPECT_EQ(SwitchNameSections("A-B-C-D-E", swap34), "A - B - D - C - E");
  EXPECT_EQ(SwitchNameSections("A - B", swap34), "A - B");
  EXPECT_EQ(SwitchNameSections("A - B - C", rotate), "C - A - B");
  EXPECT_EQ(SwitchNameSections("A--C", {0, 1, 4, 4, 4, 1, 0, 4, 4, 4}), "A - C");
  EXPECT_TRUE(SwitchItemsValid(rotate));
  EXPECT_FALSE(SwitchItemsValid({0, 1, 2, 4, 4, 1, 0, 4, 4, 4}));  // "Section3" before, none after
}

std::string Format(const std::string& format, const std::string& name, int64_t number = 1,
                   bool allWordsCaps = false) {
  return FormatName(name, ParseNameFormat(format), allWordsCaps, FormatNumberText(number, 1));
}

TEST(NameFormat, SectionsAreCleanedAndCapitalised) {
  // Every word of an artist section is raised; in other sections only words that start
  // before position 4. Letters outside "a" to "z" are left as they are.
  EXPECT_EQ(Format("<A> - <T>", "the_artist - mr. blue sky"), "The Artist - Mr blue sky");
  EXPECT_EQ(Format("<A> - <T>", "the_artist - mr. blue sky", 1, true), "The Artist - Mr Blue Sky");
  EXPECT_EQ(Format("<A> - <T>", "PART I - BIG IN JAPAN"), "Part I - Big in japan");
  EXPECT_EQ(Format("<T>", "a (i) b"), "A (I) b");
  EXPECT_EQ(Format("<A> - <T>", "[live]_rock`n`roll\xB4s"), "(Live) Rock'n'roll's");
  EXPECT_EQ(Format("<A> - <T>", "\xE9t\xE9 - \xC9T\xC9"), "\xE9t\xE9 - \xC9t\xC9");
  EXPECT_EQ(Format("<A> - <T>", "no sections at all"), "No Sections At All");
}

TEST(NameFormat, TrackNumberSectionIsMadeOrReplaced) {
  EXPECT_EQ(Format("<N> - <A> - <T>", "artist - title"), "01 - Artist - Title");
  EXPECT_EQ(Format("<N> - <A> - <T>", "01 artist - title", 5), "05 - Artist - Title");
  EXPECT_EQ(Format("<A> - <N> - <T>", "artist - title"), "Artist - 01 - Title");
  EXPECT_EQ(Format("<N> - <T>", "(07) - song", 3), "03 - Song");
  // A one-digit run is split before its digit, a three-digit run before its first; longer
  // runs never.
  EXPECT_EQ(Format("<T> - <N>", "title7", 2), "Title - 02");
  EXPECT_EQ(Format("<A> - <T> - <N>", "artist - title 123", 9), "Artist - Title - 09");
  EXPECT_EQ(Format("<A> - <N> - <T>", "artist 12 the title", 4), "Artist - 04 - The title");
  EXPECT_EQ(Format("<A> - <T> - <N>", "artist - title 2024"), "Artist - Title 2024");
  // "-1" holds the section separator, so every pass puts it in front again and splits
  // anew; the passes stop after the placeholder count + 2.
  EXPECT_EQ(Format("<N> - <T>", "x", -1), "-1- - 1 -  - 1 -  - 1 - X");
}

TEST(NameFormat, ExamplesAndTheSettingsParseOfTheSelectedFormat) {
  EXPECT_EQ(TConfigBase::FormatToExample("\\ <N> - <L> - <Y> - <G> - <X> \\"),
            "\\ Track - Album - Year - Genre - Unused \\");
  EXPECT_EQ(TConfigBase::FormatToExample("<A> trailing text"), "Artist");
  EXPECT_EQ(TConfigBase::FormatToExample("<Q> - <"), " - ");
  TConfigBase config(TProgramPlace{"C:\\p\\", "C:\\w\\"});
  config.RenameFormats.SetDelimitedText("|<A> - <T>|,|<N> - <A> - <T>|");
  config.ParseRenameFormat(1);
  EXPECT_EQ(config.NumberPosition, 1);
  EXPECT_EQ(config.PlaceholderCount, 3);
  EXPECT_EQ(config.SectionCapsFlags, (TBytes{0, 1, 0}));
  config.ParseRenameFormat(0);  // a shorter format leaves nothing of the longer one
  EXPECT_EQ(config.NumberPosition, 0);
  EXPECT_EQ(config.SectionCapsFlags, (TBytes{1, 0}));
  EXPECT_EQ(config.GetSectionCapsFlag(3), 0);
  EXPECT_THROW(config.ParseRenameFormat(2), ERangeError);
  EXPECT_EQ(ParseNameFormat("<Q> - <A> - <").PlaceholderCount, 3);  // every "<" is a place
}

}  // namespace
