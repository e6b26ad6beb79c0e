// The name-building rules and the name format engine, on names without extension.
#include "AppTestSupport.h"

#include "app/settings/NameFormat.h"
#include "app/settings/NameRules.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(SectionRules, NumbersRemovalCutAndSwitch) {
  // Two digits below ten rows, three from ten rows on; no padding outside 1 to 99.
  EXPECT_EQ(AddTrackNumber("Song", 7, 3), "07 - Song");
  EXPECT_EQ(TrackNumberText(9, 12), "009");
  EXPECT_EQ(TrackNumberText(0, 2), "0");
  EXPECT_EQ(TrackNumberText(int64_t{INT32_MAX} + 1, 2), "2147483648");
  TRemoveSectionFlags seven{};
  seven[6] = true;  // sections beyond the seventh are always kept
  EXPECT_EQ(RemoveNameSections("1-2-3-4-5-6-7-8", seven), "1-2-3-4-5-6-8");
  EXPECT_EQ(RemoveNameSections("x--b", {true}), "b");  // an empty first kept section falls away
  EXPECT_EQ(CutTextTillNumber("  Track 05 - Song "), "05 - Song");
  // Presets swap neighbours; places beyond the name's sections change nothing.
  const TSwitchItems swap34{4, 4, 0, 1, 4, 4, 4, 1, 0, 4}, rotate{0, 1, 2, 4, 4, 1, 2, 0, 4, 4};
  EXPECT_EQ(SwitchNameSections("A-B-C-D-E", swap34), "A - B - D - C - E");
  EXPECT_EQ(SwitchNameSections("A - B", swap34), "A - B");
  EXPECT_EQ(SwitchNameSections("A - B - C", rotate), "C - A - B");
  EXPECT_FALSE(SwitchItemsValid({0, 1, 2, 4, 4, 1, 0, 4, 4, 4}));  // "Section3" before, none after
}

std::string Format(const std::string& format, const std::string& name, int64_t number = 1,
                   bool allWordsCaps = false) {
  return FormatName(name, ParseNameFormat(format), allWordsCaps, FormatNumberText(number, 1));
}

TEST(NameFormat, SectionsAreCleanedCapitalisedAndNumbered) {
  // Every word of an artist section is raised; in other sections only words that start
  // before position 4. Letters outside "a" to "z" are left as they are.
  EXPECT_EQ(Format("<A> - <T>", "the_artist - mr. blue sky"), "The Artist - Mr blue sky");
  EXPECT_EQ(Format("<A> - <T>", "the_artist - mr. blue sky", 1, true), "The Artist - Mr Blue Sky");
  EXPECT_EQ(Format("<A> - <T>", "[live]_rock`n`roll\xB4s"), "(Live) Rock'n'roll's");
  EXPECT_EQ(Format("<A> - <T>", "\xE9t\xE9 - \xC9T\xC9"), "\xE9t\xE9 - \xC9t\xC9");
  EXPECT_EQ(Format("<N> - <A> - <T>", "01 artist - title", 5), "05 - Artist - Title");
  EXPECT_EQ(Format("<A> - <N> - <T>", "artist - title"), "Artist - 01 - Title");
  // A one-digit run is split before its digit, a three-digit run before its first; longer
  // runs never.
  EXPECT_EQ(Format("<T> - <N>", "title7", 2), "Title - 02");
  EXPECT_EQ(Format("<A> - <T> - <N>", "artist - title 123", 9), "Artist - Title - 09");
  EXPECT_EQ(Format("<A> - <T> - <N>", "artist - title 2024"), "Artist - Title 2024");
  // "-1" holds the section separator, so every pass puts it in front again and splits
  // anew; the passes stop after the placeholder count + 2.
  EXPECT_EQ(Format("<N> - <T>", "x", -1), "-1- - 1 -  - 1 -  - 1 - X");
}

TEST(NameFormat, ExamplesAndTheSettingsParseOfTheSelectedFormat) {
  EXPECT_EQ(TConfigBase::FormatToExample("\\ <N> - <L> - <Y> - <G> - <X> \\"),
            "\\ Track - Album - Year - Genre - Unused \\");
  EXPECT_EQ(TConfigBase::FormatToExample("<Q> - <A> trailing text"), " - Artist");
  TConfigBase config(TProgramPlace{"C:\\p\\", "C:\\w\\"});
  config.RenameFormats.SetDelimitedText("|<A> - <T>|,|<N> - <A> - <T>|");
  config.ParseRenameFormat(1);
  EXPECT_EQ(config.NumberPosition, 1);
  EXPECT_EQ(config.SectionCapsFlags, (TBytes{0, 1, 0}));
  config.ParseRenameFormat(0);  // a shorter format leaves nothing of the longer one
  EXPECT_EQ(config.NumberPosition, 0);
  EXPECT_EQ(config.SectionCapsFlags, (TBytes{1, 0}));
  EXPECT_THROW(config.ParseRenameFormat(2), ERangeError);
}

}  // namespace
