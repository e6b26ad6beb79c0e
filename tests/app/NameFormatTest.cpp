#include "AppTestSupport.h"

#include "app/Config.h"
#include "app/NameFormat.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

std::string Format(const std::string& format, const std::string& name, int64_t number = 1,
                   bool allWordsCaps = false, int32_t rows = 1) {
  return FormatName(name, ParseNameFormat(format), allWordsCaps, FormatNumberText(number, rows));
}

TEST(NameFormat, ParseFindsPlacesNumberAndCapsFlags) {
  TRenameFormatLayout layout = ParseNameFormat("<N> - <A> - <T>");
  EXPECT_EQ(layout.NumberPosition, 1);
  EXPECT_EQ(layout.PlaceholderCount, 3);
  EXPECT_EQ(layout.SectionCapsFlags, (TBytes{0, 1, 0}));
  EXPECT_EQ(layout.SectionCapsFlag(2), 1);
  EXPECT_EQ(layout.SectionCapsFlag(0), 0);
  EXPECT_EQ(layout.SectionCapsFlag(4), 0);
  // Every "<" counts as a place; unknown letters store nothing.
  layout = ParseNameFormat("<Q> - <A> - <");
  EXPECT_EQ(layout.NumberPosition, 0);
  EXPECT_EQ(layout.PlaceholderCount, 3);
  EXPECT_EQ(layout.SectionCapsFlags, (TBytes{0, 1, 0}));
  layout = ParseNameFormat("");
  EXPECT_EQ(layout.PlaceholderCount, 0);
  EXPECT_EQ(layout.SectionCapsFlags.size(), 1u);
}

TEST(NameFormat, NumberTextHasTwoDigitsBelowAHundredRowsAndThreeFrom) {
  EXPECT_EQ(FormatNumberText(5, 99), "05");
  EXPECT_EQ(FormatNumberText(12, 99), "12");
  EXPECT_EQ(FormatNumberText(5, 100), "005");
  EXPECT_EQ(FormatNumberText(12, 100), "012");
  EXPECT_EQ(FormatNumberText(100, 100), "100");
  EXPECT_EQ(FormatNumberText(0, 5), "0");
}

TEST(NameFormat, SectionsAreCleanedAndCapitalised) {
  // Every word of an artist section is raised; in other sections only words that start
  // before position 4.
  EXPECT_EQ(Format("<A> - <T>", "the_artist - mr. blue sky"), "The Artist - Mr blue sky");
  EXPECT_EQ(Format("<A> - <T>", "the_artist - mr. blue sky", 1, true), "The Artist - Mr Blue Sky");
  EXPECT_EQ(Format("<A> - <T>", "PART I - BIG IN JAPAN"), "Part I - Big in japan");
  EXPECT_EQ(Format("<T>", "a (i) b"), "A (I) b");
  EXPECT_EQ(Format("<A> - <T>", "a - "), "A - ");
  EXPECT_EQ(Format("<A> - <T>", "[live]_rock`n`roll\xB4s"), "(Live) Rock'n'roll's");
  // Letters outside "a" to "z" are left as they are.
  EXPECT_EQ(Format("<A> - <T>", "\xE9t\xE9 - \xC9T\xC9"), "\xE9t\xE9 - \xC9t\xC9");
  EXPECT_EQ(Format("<A> - <T>", "no sections at all"), "No Sections At All");
}

TEST(NameFormat, TrackNumberSectionIsMadeOrReplaced) {
  EXPECT_EQ(Format("<N> - <A> - <T>", "artist - title"), "01 - Artist - Title");
  EXPECT_EQ(Format("<N> - <A> - <T>", "01 artist - title", 5), "05 - Artist - Title");
  EXPECT_EQ(Format("<A> - <T> - <N>", "artist - title 07"), "Artist - Title - 01");
  EXPECT_EQ(Format("<A> - <N> - <T>", "artist - title"), "Artist - 01 - Title");
  EXPECT_EQ(Format("<N> - <T>", "(07) - song", 3), "03 - Song");
  // A one-digit run is split before its digit, a three-digit run before its first.
  EXPECT_EQ(Format("<T> - <N>", "title7", 2), "Title - 02");
  EXPECT_EQ(Format("<A> - <T> - <N>", "artist - title 123", 9), "Artist - Title - 09");
  EXPECT_EQ(Format("<A> - <N> - <T>", "artist 12 the title", 4), "Artist - 04 - The title");
  // Runs of more than three digits are never split out.
  EXPECT_EQ(Format("<A> - <T> - <N>", "artist - title 2024"), "Artist - Title 2024");
}

TEST(NameFormat, PassesEndEvenForNumbersWithASign) {
  // "-1" holds the section separator, so every pass puts it in front again and splits
  // anew; the passes stop after the placeholder count + 2 (here 4).
  EXPECT_EQ(Format("<N> - <T>", "x", -1), "-1- - 1 -  - 1 -  - 1 - X");
}

TEST(NameFormat, ExampleTextOfFormats) {
  EXPECT_EQ(TConfigBase::FormatToExample("<A> - <T>"), "Artist - Title");
  EXPECT_EQ(TConfigBase::FormatToExample("\\ <N> - <T>"), "\\ Track - Title");
  EXPECT_EQ(TConfigBase::FormatToExample("<L> - <Y> - <G> - <X>"), "Album - Year - Genre - Unused");
  EXPECT_EQ(TConfigBase::FormatToExample("\\ <A> \\ <L> \\"), "\\ Artist \\ Album \\");
  EXPECT_EQ(TConfigBase::FormatToExample("<A> trailing text"), "Artist");
  EXPECT_EQ(TConfigBase::FormatToExample("<Q> - <"), " - ");
  EXPECT_EQ(TConfigBase::PlaceholderExample('N'), "Track");
  EXPECT_EQ(TConfigBase::PlaceholderExample('a'), "");
}

TEST(NameFormat, SettingsParseTheSelectedRenameFormat) {
  ProgramFolder folder;
  TConfigBase config(folder.Place());
  config.RenameFormats.SetDelimitedText("|<A> - <T>|,|<N> - <A> - <T>|");
  config.ParseRenameFormat(1);
  EXPECT_EQ(config.NumberPosition, 1);
  EXPECT_EQ(config.PlaceholderCount, 3);
  EXPECT_EQ(config.GetSectionCapsFlag(2), 1);
  EXPECT_EQ(config.GetSectionCapsFlag(3), 0);
  // A shorter format leaves nothing of the longer one behind.
  config.ParseRenameFormat(0);
  EXPECT_EQ(config.NumberPosition, 0);
  EXPECT_EQ(config.SectionCapsFlags, (TBytes{1, 0}));
  EXPECT_THROW(config.ParseRenameFormat(2), ERangeError);
}

}  // namespace
