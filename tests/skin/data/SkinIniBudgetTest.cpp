// The read-only view that charges what a skin load reads against one budget.
#include "skin/data/SkinIniBudget.h"
#include "skin/data/SkinIniCodecs.h"

#include "SkinIniText.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinIniBudget, EachReadCostsItsTextAndTheOverheadOfAKeptValue) {
  TSkinIniText text("[a]\r\nname=twelve chars\r\ncount=7\r\n[b]\r\n");
  TspBudgetedSkinIni ini(text);
  EXPECT_EQ(ini.ReadString("A", "NAME", ""), "twelve chars");
  EXPECT_EQ(ini.Charged(), SkinValueOverhead + 12);
  EXPECT_EQ(ini.ReadInteger("a", "count", 0), 7);
  EXPECT_EQ(ini.ReadString("a", "absent", "fallback"), "fallback");
  EXPECT_EQ(ini.Charged(), 3 * SkinValueOverhead + 12 + 1 + 8);
  EXPECT_TRUE(ini.SectionExists("b"));
  TStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.Count(), 2);
  EXPECT_EQ(ini.Charged(), 6 * SkinValueOverhead + 12 + 1 + 8 + 2);
}

TEST(SkinIniBudget, TheReadThatGoesOverTheBudgetRaises) {
  TSkinIniText text("[a]\r\nv=0123456789\r\n");
  const int64_t perRead = SkinValueOverhead + 10;
  TspBudgetedSkinIni ini(text, 3 * perRead);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ini.ReadString("a", "v", ""), "0123456789");
  EXPECT_THROW(ini.ReadString("a", "v", ""), ESkinTooLarge);
  EXPECT_THROW(ini.ReadString("a", "missing", ""), ESkinTooLarge);  // and every read after it
}

TEST(SkinIniBudget, AListCountTheRestOfTheBudgetCannotHoldRefusesAtOnce) {
  TSkinIniText text("[a]\r\nitemcount=9\r\nlinecount=10\r\nline0=x\r\n");
  // Once both counts are read, room is left for nine values, not ten.
  TspBudgetedSkinIni ini(text, 2 * SkinValueOverhead + 1 + 2 + 9 * SkinValueOverhead);
  EXPECT_EQ(ReadSkinListCount(ini, "a", "itemcount"), 9);
  TStringList lines;
  EXPECT_THROW(ReadTextLines(ini, "a", "", lines), ESkinTooLarge);
  EXPECT_EQ(lines.Count(), 0);  // refused before a line was read
  EXPECT_EQ(ini.Charged(), 2 * SkinValueOverhead + 1 + 2);

  // Read without a budget, the same count is only capped.
  EXPECT_EQ(ReadSkinListCount(text, "a", "linecount"), 10);
}

TEST(SkinIniBudget, TheViewNeverWrites) {
  TSkinIniText text("[a]\r\nv=1\r\n");
  TspBudgetedSkinIni ini(text);
  EXPECT_THROW(ini.WriteString("a", "v", "2"), EInvalidOperation);
  EXPECT_THROW(ini.DeleteKey("a", "v"), EInvalidOperation);
  EXPECT_THROW(ini.EraseSection("a"), EInvalidOperation);
  EXPECT_THROW(ini.UpdateFile(), EInvalidOperation);
  EXPECT_EQ(text.ReadString("a", "v", ""), "1");
}

// Keeping a text parsed costs a record per line and per section, and the copy of each
// section's name, whatever is read of it.
TEST(SkinIniBudget, TheParsedTextCostsItsLinesAndSections) {
  EXPECT_EQ(SkinIniTextCharge(""), 0);
  EXPECT_EQ(SkinIniTextCharge("[a]\r\nx=1\r\n\r\n [b]\n;c\r"), 5 * SkinLineCharge + 2 * SkinSectionCharge + 2);
  const auto mostLines = static_cast<size_t>(MaxSkinLoadCharge / SkinLineCharge);
  EXPECT_EQ(SkinIniTextCharge(std::string(mostLines, '\n')), MaxSkinLoadCharge);
  EXPECT_THROW(SkinIniTextCharge(std::string(mostLines + 1, '\r')), ESkinTooLarge);
  std::string sections;
  while (static_cast<int64_t>(sections.size() / 3) * (SkinLineCharge + SkinSectionCharge) <= MaxSkinLoadCharge)
    sections += "[]\n";
  EXPECT_THROW(SkinIniTextCharge(sections), ESkinTooLarge);
}

// Section names are charged by their bytes (each is copied): about 1,900 sections of names
// of 4 KB, within what a line may hold, fill the budget (a payload of them kept a copy of
// every name, up to 64 MB).
TEST(SkinIniBudget, SectionNamesAreChargedByTheirBytes) {
  EXPECT_EQ(SkinIniTextCharge("[ long name ]ignored\n[unclosed"), 2 * (SkinLineCharge + SkinSectionCharge) + 9 + 8);
  const std::string name(MaxSkinLineLength - 2, 'n');
  const int64_t perSection = SkinLineCharge + SkinSectionCharge + static_cast<int64_t>(name.size());
  std::string sections;
  const int64_t most = MaxSkinLoadCharge / perSection;
  for (int64_t i = 0; i < most; ++i) sections += "[" + name + "]\n";
  EXPECT_EQ(SkinIniTextCharge(sections), most * perSection);
  sections += "[" + name + "]\n";
  EXPECT_THROW(SkinIniTextCharge(sections), ESkinTooLarge);
}

// A line that names a section or holds a key is at most MaxSkinLineLength bytes, blanks
// and all; lines a reader never reads (comments, lines without a key) are bounded only
// by the payload.
TEST(SkinIniBudget, ALineThatNamesASectionOrHoldsAKeyIsAtMostTheLongestALineMayBe) {
  const auto line = [](const std::string& Start, size_t Length) {
    return Start + std::string(Length - Start.size(), 'x');
  };
  for (const std::string start : {"[", "key=", " =", "[section]"}) {
    EXPECT_NO_THROW(SkinIniTextCharge("[a]\n" + line(start, MaxSkinLineLength) + "\r\nk=v")) << start;
    EXPECT_THROW(SkinIniTextCharge("[a]\n" + line(start, MaxSkinLineLength + 1) + "\r\nk=v"), ESkinTooLarge)
        << start;
  }
  EXPECT_NO_THROW(SkinIniTextCharge(line(";", 64 * MaxSkinLineLength)));
  EXPECT_NO_THROW(SkinIniTextCharge(line("no key", 64 * MaxSkinLineLength)));
}

}  // namespace
