#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/IniFiles.h"
#include "base/Strings.h"

#include "ListItems.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "base/win32/WinApi.h"
#endif

namespace {

const char kSample[] =
    "; settings\r\n"
    "[Program]\r\n"
    "Language = 2 \r\n"
    "Name=\"  quoted  \"\r\n"
    "Single=' x '\r\n"
    "Half=\"\r\n"
    "language=9\r\n"
    "\r\n"
    "[Other]\r\n"
    "x=1\r\n";

class IniFileTest : public ::testing::Test {
protected:
  TempFolder folder;
  std::string path = folder.WriteFile("Settings.ini", kSample);
};

TEST_F(IniFileTest, LookupsIgnoreCaseAndTheFirstKeyWins) {
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("PROGRAM", "language", "?"), "2");
  EXPECT_EQ(ini.ReadInteger("program", "LANGUAGE", 0), 2);
  EXPECT_EQ(ini.ReadString("Program", "missing", "def"), "def");
  EXPECT_EQ(ini.ReadString("Missing", "x", "def"), "def");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndLoseSurroundingQuotes) {
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("Program", "Name", ""), "  quoted  ");
  EXPECT_EQ(ini.ReadString("Program", "Single", ""), " x ");
  EXPECT_EQ(ini.ReadString("Program", "Half", ""), "\"");
}

TEST_F(IniFileTest, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd) {
  TIniFile ini(path);
  ini.WriteString("program", "Added", "v");
  ini.WriteString("New", "k", "1");
  ini.WriteString("OTHER", "x", "2");
  EXPECT_EQ(folder.ReadFile("Settings.ini"),
            "; settings\r\n"
            "[Program]\r\n"
            "Language = 2 \r\n"
            "Name=\"  quoted  \"\r\n"
            "Single=' x '\r\n"
            "Half=\"\r\n"
            "language=9\r\n"
            "Added=v\r\n"
            "\r\n"
            "[Other]\r\n"
            "x=2\r\n"
            "[New]\r\n"
            "k=1\r\n");
}

TEST_F(IniFileTest, BooleansAreOneAndZeroAndReadAsNonZero) {
  TIniFile ini(path);
  ini.WriteBool("Flags", "on", true);
  ini.WriteBool("Flags", "off", false);
  ini.WriteString("Flags", "seven", "7");
  ini.WriteString("Flags", "word", "yes");
  EXPECT_EQ(ini.ReadString("Flags", "on", ""), "1");
  EXPECT_EQ(ini.ReadString("Flags", "off", ""), "0");
  EXPECT_TRUE(ini.ReadBool("Flags", "seven", false));
  EXPECT_FALSE(ini.ReadBool("Flags", "word", false));  // not a number: the default
  EXPECT_TRUE(ini.ReadBool("Flags", "word", true));
}

TEST_F(IniFileTest, SectionsKeysAndErasing) {
  TIniFile ini(path);
  TStringList list;
  ini.ReadSections(list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Program", "Other"}));
  ini.ReadSection("program", list);
  EXPECT_EQ(Items(list),
            (std::vector<std::string>{"Language", "Name", "Single", "Half", "language"}));
  ini.ReadSectionValues("Program", list);
  EXPECT_EQ(list.Strings(1), "Name=  quoted  ");
  EXPECT_TRUE(ini.ValueExists("program", "NAME"));
  EXPECT_FALSE(ini.ValueExists("program", "nothing"));
  ini.DeleteKey("Program", "language");
  EXPECT_EQ(ini.ReadString("Program", "Language", "gone"), "9");
  ini.EraseSection("PROGRAM");
  EXPECT_FALSE(ini.SectionExists("Program"));
  EXPECT_TRUE(ini.SectionExists("other"));
  EXPECT_EQ(folder.ReadFile("Settings.ini"), "; settings\r\n[Other]\r\nx=1\r\n");
}

TEST_F(IniFileTest, AMissingFileReadsAsEmptyAndIsCreatedByAWrite) {
  TIniFile ini(folder / "new.ini");
  EXPECT_EQ(ini.ReadString("a", "b", "d"), "d");
  ini.WriteString("a", "b", "c");
  EXPECT_EQ(folder.ReadFile("new.ini"), "[a]\r\nb=c\r\n");
}

TEST_F(IniFileTest, AFileTooLargeForAStreamTransferReadsAsEmptyAndIsNeverReplaced) {
  std::string huge = folder.WriteFile("huge.ini", "[a]\r\nb=c\r\n");
  THandle h = FileOpen(huge, fmOpenReadWrite);
  ASSERT_NE(h, InvalidHandle);
  ASSERT_EQ(FileSeek64(h, int64_t{3} << 30, 0), int64_t{3} << 30);  // sparse: no disk used
  ASSERT_TRUE(FileTruncate(h));
  FileClose(h);
  TIniFile ini(huge);
  EXPECT_EQ(ini.ReadString("a", "b", "def"), "def");
  EXPECT_TRUE(TMemIniFile(huge).Unreadable());
  EXPECT_THROW(ini.WriteString("a", "b", "d"), EIniFileException);
  h = FileOpen(huge, fmOpenRead);
  ASSERT_NE(h, InvalidHandle);
  EXPECT_EQ(FileSeek64(h, 0, 2), int64_t{3} << 30);
  FileClose(h);
}

TEST_F(IniFileTest, AFileAboveTheBoundOrNotTextIsUnreadableAndNeverReplaced) {
  EXPECT_FALSE(TMemIniFile(path, sizeof kSample - 1).Unreadable());
  TMemIniFile bounded(path, sizeof kSample - 2);
  EXPECT_TRUE(bounded.Unreadable());
  EXPECT_FALSE(bounded.SectionExists("Program"));
  const std::string binary("[a]\r\nb=\0c\r\n", 11);
  folder.WriteFile("Settings.ini", binary);
  EXPECT_TRUE(TMemIniFile(path).Unreadable());
  EXPECT_FALSE(TMemIniFile(folder / "missing.ini").Unreadable());
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("a", "b", "def"), "def");
  EXPECT_THROW(ini.WriteString("a", "b", "d"), EIniFileException);
  EXPECT_EQ(folder.ReadFile("Settings.ini"), binary);
}

#ifdef _WIN32
// Share modes exist only in the Windows build.
TEST_F(IniFileTest, ALockedFileIsNeverReplacedByAChange) {
  THandle held = FileOpen(path, fmOpenReadWrite | fmShareExclusive);
  ASSERT_NE(held, InvalidHandle);
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("Program", "Language", "def"), "def");
  EXPECT_THROW(ini.WriteString("Program", "Language", "3"), EIniFileException);
  EXPECT_THROW(ini.DeleteKey("Other", "x"), EIniFileException);
  EXPECT_THROW(ini.EraseSection("Other"), EIniFileException);
  FileClose(held);
  EXPECT_EQ(folder.ReadFile("Settings.ini"), kSample);
}

TEST_F(IniFileTest, AFileAnotherProgramSharesIsReadButNotReplacedUnderIt) {
  // Another program reading and writing it, sharing both but not its deletion.
  THandle held = FileOpen(path, fmOpenReadWrite | fmShareDenyNone);
  ASSERT_NE(held, InvalidHandle);
  TMemIniFile ini(path);
  EXPECT_EQ(ini.ReadString("Program", "Language", "def"), "2");
  ini.WriteString("Program", "Language", "3");
  EXPECT_THROW(ini.UpdateFile(), EIniFileException);
  FileClose(held);
  EXPECT_EQ(folder.ReadFile("Settings.ini"), kSample);
  EXPECT_FALSE(FileExists(folder / "Settings.i~1"));
  ini.UpdateFile();
  EXPECT_EQ(TIniFile(path).ReadString("Program", "Language", "def"), "3");
}
#endif

TEST_F(IniFileTest, AWriteFailureRaises) {
  TIniFile ini(folder / "no\\such\\folder\\x.ini");
  EXPECT_THROW(ini.WriteString("a", "b", "c"), EIniFileException);
}

TEST(MemIniFile, KeysAddedBeforeBlankLinesStayFindable) {
  TMemIniFile ini;
  TStringList text;
  text.SetText("[A]\r\nfirst=1\r\n\r\n\r\n[B]\r\nx=1\r\n");
  ini.SetStrings(text);
  // Appended rather than prefixed: GCC 12 warns falsely (-Wrestrict) on "k" + string.
  for (int i = 0; i < 50; ++i)
    ini.WriteString("a", std::string("k").append(std::to_string(i)), std::to_string(i));
  for (int i = 0; i < 50; ++i)
    EXPECT_EQ(ini.ReadString("A", std::string("K").append(std::to_string(i)), ""),
              std::to_string(i));
  EXPECT_EQ(ini.ReadString("A", "first", ""), "1");
  ini.WriteString("A", "first", "changed");
  TStringList lines;
  ini.GetStrings(lines);
  EXPECT_EQ(lines.Strings(1), "first=changed");
  EXPECT_EQ(lines.Strings(51), "k49=49");
  EXPECT_EQ(lines.Strings(52), "");
  EXPECT_EQ(lines.Strings(54), "[B]");
}

// A text is read where it lies (its lines are places in it): it reads and changes as the
// same lines set one by one, whatever ends its lines, and copies and moves keep it.
TEST(MemIniFile, ATextReadWhereItLiesActsAsItsLinesSetOneByOne) {
  const std::string text = "; c\r[A]\nx = 1 \r\n\r\n[B]\r\ny=\"2\"\rlast";
  TMemIniFile fromText;
  fromText.SetText(text);
  TMemIniFile fromLines;
  TStringList lines;
  lines.SetText(text);
  fromLines.SetStrings(lines);
  for (TMemIniFile* ini : {&fromText, &fromLines}) {
    EXPECT_EQ(ini->ReadString("a", "X", ""), "1");
    EXPECT_EQ(ini->ReadString("B", "y", ""), "2");
    EXPECT_EQ(ini->ReadString("B", "last", "none"), "none");
    ini->WriteString("A", "z", "3");
    ini->WriteString("A", "x", " 9 ");
    ini->DeleteKey("B", "y");
    EXPECT_EQ(ini->ReadString("A", "x", ""), "9");
  }
  TStringList changed, expected;
  fromText.GetStrings(changed);
  fromLines.GetStrings(expected);
  EXPECT_EQ(changed.Text(), expected.Text());
  EXPECT_EQ(changed.Text(), "; c\r\n[A]\r\nx= 9 \r\nz=3\r\n\r\n[B]\r\nlast\r\n");

  for (const std::string& small : {std::string("[s]\nk=v"), "[s]\nk=" + std::string(40, 'v')}) {
    TIniDocument document;
    document.SetText(small);
    TIniDocument copy = document;
    document.Clear();
    TIniDocument moved = std::move(copy);
    std::string value;
    EXPECT_TRUE(moved.ReadValue("S", "K", value));
    EXPECT_EQ(value, small.substr(6));
  }
}

TEST(MemIniFile, ReadsFromStringsAndWritesOnlyOnUpdate) {
  TempFolder folder;
  TMemIniFile ini(folder / "skin.ini");
  TStringList text;
  text.SetText("[Button]\r\nPictureIndex=3\r\npictureindex=4\r\n[button]\r\nx=5\r\n");
  ini.SetStrings(text);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "pictureindex", -1), 3);
  EXPECT_EQ(ini.ReadInteger("button", "x", -1), -1);  // the first section of a name wins
  ini.WriteString("Button", "Added", "1");
  EXPECT_FALSE(FileExists(folder / "skin.ini"));
  ini.UpdateFile();
  EXPECT_EQ(folder.ReadFile("skin.ini"),
            "[Button]\r\nPictureIndex=3\r\npictureindex=4\r\nAdded=1\r\n[button]\r\nx=5\r\n");
  TMemIniFile reread(folder / "skin.ini");
  EXPECT_EQ(reread.ReadString("button", "added", ""), "1");
  TStringList lines;
  reread.GetStrings(lines);
  EXPECT_EQ(lines.Count(), 6);
}

TEST(MemIniFile, ReadingsFollowEveryChangeOfTheSections) {
  TMemIniFile ini;
  TStringList text;
  text.SetText("[A]\r\nx=1\r\n[B]\r\nx=2\r\n[a]\r\nx=3\r\n[]\r\nx=4\r\n");
  ini.SetStrings(text);
  EXPECT_EQ(ini.ReadString("b", "X", ""), "2");
  EXPECT_EQ(ini.ReadString("a", "x", ""), "1");
  EXPECT_EQ(ini.ReadString(" A ", "x", ""), "1");  // names are trimmed
  EXPECT_EQ(ini.ReadString("", "x", ""), "4");     // a header without a name
  ini.EraseSection("A");  // both sections of that name go
  EXPECT_EQ(ini.ReadString("a", "x", "gone"), "gone");
  EXPECT_EQ(ini.ReadString("B", "x", ""), "2");
  ini.WriteString("C", "y", "5");
  EXPECT_EQ(ini.ReadString("c", "Y", ""), "5");
  EXPECT_EQ(ini.ReadString("b", "x", ""), "2");
  ini.DeleteKey("B", "x");
  EXPECT_EQ(ini.ReadString("B", "x", "none"), "none");
  EXPECT_EQ(ini.ReadString("C", "y", ""), "5");
  ini.SetStrings(text);  // a new text forgets the old sections
  EXPECT_EQ(ini.ReadString("C", "y", "none"), "none");
  EXPECT_EQ(ini.ReadString("A", "x", ""), "1");
}

#ifdef _WIN32
// The same operations through TIniFile and through the system's profile functions give
// the same files and the same readings.
class ProfileApiAgreement : public ::testing::Test {
protected:
  // Blank lines and blanks around "=" are left out: the profile functions of some
  // systems drop or normalise them when they rewrite a file.
  const std::string start =
      "; comment\r\n[Sec]\r\nKey=\"quoted value\"\r\nkey=second\r\n; tail\r\n[Other]\r\nx=1\r\n";
  TempFolder folder;
  std::string ours = folder.WriteFile("ours.ini", start);
  std::string theirs = folder.WriteFile("theirs.ini", start);

  std::string SystemRead(const char* section, const char* key) {
    char buffer[256];
    GetPrivateProfileStringA(section, key, "<def>", buffer, sizeof buffer, theirs.c_str());
    return buffer;
  }
};

TEST_F(ProfileApiAgreement, Reading) {
  TIniFile ini(ours);
  for (auto [section, key] : {std::pair{"SEC", "KEY"}, {"sec", "missing"}, {"Other", "X"},
                              {"none", "x"}})
    EXPECT_EQ(ini.ReadString(section, key, "<def>"), SystemRead(section, key)) << key;
}

TEST_F(ProfileApiAgreement, Writing) {
  TIniFile ini(ours);
  auto both = [&](const char* section, const char* key, const char* value) {
    if (value)
      ini.WriteString(section, key, value);
    else if (key)
      ini.DeleteKey(section, key);
    else
      ini.EraseSection(section);
    WritePrivateProfileStringA(section, key, value, theirs.c_str());
    EXPECT_EQ(folder.ReadFile("ours.ini"), folder.ReadFile("theirs.ini"))
        << section << "/" << (key ? key : "-");
  };
  both("SEC", "newkey", "v1");
  both("Sec", "KEY", "v2");
  both("New", "a", "b");
  both("other", "y", "2");
  both("Other", nullptr, nullptr);
  both("sec", "newkey", nullptr);
  EXPECT_EQ(ini.ReadString("sec", "key", ""), SystemRead("sec", "key"));
}
#endif

}  // namespace
