#include "AppTestSupport.h"
#include "ListItems.h"

#include "app/messages/SettingsReports.h"
#include "app/settings/Config.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/IniFiles.h"
#include "base/Streams.h"
#include "base/TextFileWriter.h"
#include "tags/ID3TagsUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#ifdef _WIN32
#include <process.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#endif

namespace {

using Texts = std::vector<std::string>;
const char kNotRead[] = "Error / Settings file could not be read !";
const char kNotMade[] = "Error / Settings file could not be made !";

// "Settings.ini" as a fresh start writes it: every row in order but the main window's
// maximized state. Stored files rely on this layout.
const char kFreshSettings[] =
    "[Program]\r\nLanguage=1\r\n"
    "[FileEditor]\r\nWindowHeight=540\r\nWindowWidth=740\r\nPreferredFormat=0\r\n"
    "Formats=|<A> - <T>|,|<N> - <T>|,|<A> - <N> - <T>|,|<N> - <A> - <T>|\r\n"
    "AllWordsCaps=0\r\nSaveList=1\r\nListName=List.txt\r\nActionOnExistingFile=0\r\n"
    "[TagEditor]\r\nWindowHeight=569\r\nWindowWidth=800\r\nWindowMaximized=0\r\n"
    "PreferredFormat=0\r\n"
    "Formats=|\\ <A> - <T>|,|\\ <N> - <T>|,|\\ <A> - <N> - <T>|,|\\ <N> - <A> - <T>|\r\n"
    "DefaultSaveActionForLog=1\r\nDefaultTagLanguage=108\r\nDefaultID3v1=2\r\nDefaultID3v2=7\r\n";
const char kUserSettings[] = "[Program]\r\nLanguage=2\r\n; mine\r\n[FileEditor]\r\nFormats=<T>\r\n";

class SettingsFile : public ::testing::Test {
protected:
  // Start-up as the main window runs it: the language pre-read, then every setting, each
  // failure told as the callers tell it.
  void StartUp() {
    Told(Config.ReadLanguageSetting());
    Told(Config.ReadSettings());
  }
  // A write of every setting, its failure told.
  void WriteAll() { Told(Config.WriteSettings()); }
  void Told(TSettingsResult result) { ReportSettingsResult(result, nullptr); }

  ProgramFolder Folder;
  ScriptedPresenter Presenter;
  TConfigBase Config{Folder.Place()};
};

TEST_F(SettingsFile, AFreshFileIsWrittenByteForByteAndEveryRowRoundTrips) {
  Told(Config.ReadSettings());  // no file: every default
  WriteAll();
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kFreshSettings);
  Config.Placement = {TWindowPlacement{true, 2, true, 600, 900}, {true, 2, true, 610, 910}};
  Config.RenameFormats.SetDelimitedText("|<T>|,plain,|a||b,c|");
  Config.TagFormats.SetDelimitedText("|\\ <A>\\<L>\\<N> - <T>|");
  Config.SetListName("my list.txt");
  Config.LangConfig.Language = lfNL;
  Config.PreferredRenameFormat = Config.DefaultSaveActionForLog = 2;
  Config.ActionOnExistingFile = aeSkip;
  Config.PreferredTagFormat = -1;
  Config.AllWordsCaps = !(Config.SaveList = false);
  Config.DefaultTagLanguage = 42;
  Config.DefaultID3v1 = Config.DefaultID3v2 = tvNone;
  WriteAll();
  // The only writer of the main window's maximized state.
  EXPECT_EQ(Config.WriteSettingsPart(1), TSettingsResult::Done);
  const std::string written = Folder.ReadFile("Settings.ini");
  EXPECT_EQ(written,
            "[Program]\r\nLanguage=3\r\n"
            "[FileEditor]\r\nWindowHeight=600\r\nWindowWidth=900\r\nPreferredFormat=2\r\n"
            "Formats=<T>,plain,|a||b,c|\r\nAllWordsCaps=1\r\nSaveList=0\r\nListName=my list.txt\r\n"
            "ActionOnExistingFile=2\r\nWindowMaximized=1\r\n"
            "[TagEditor]\r\nWindowHeight=610\r\nWindowWidth=910\r\nWindowMaximized=1\r\n"
            "PreferredFormat=-1\r\nFormats=|\\ <A>\\<L>\\<N> - <T>|\r\nDefaultSaveActionForLog=2\r\n"
            "DefaultTagLanguage=42\r\nDefaultID3v1=0\r\nDefaultID3v2=0\r\n");
  TConfigBase reread(Folder.Place());  // every row read back writes the same file again
  Told(reread.ReadSettings());
  DeleteFile(Config.SettingsPath());
  Told(reread.WriteSettings());
  EXPECT_EQ(reread.WriteSettingsPart(1), TSettingsResult::Done);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), written);
  EXPECT_EQ(reread.ListPath(), Folder.Path() + "my list.txt");
  EXPECT_EQ(Items(reread.RenameFormats), (Texts{"<T>", "plain", "a|b,c"}));
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST_F(SettingsFile, OddValuesKeepTheirLowByteAndAnEmptyListStaysEmpty) {
  Folder.WriteFile("Settings.ini", "[program]\r\nlanguage=259\r\n[TagEditor]\r\nFormats=\r\n");
  Config.ReadSettings();
  EXPECT_EQ(Config.LangConfig.Language, 3);
  EXPECT_EQ(Config.TagFormats.Count(), 0);
  EXPECT_EQ(Config.RenameFormats.Count(), 4);  // missing: the default
}

// A number its setting cannot hold (a hand-edited file, one of another version) reads as
// the setting's default: a choice, a tag version, the comment language, a window size. The
// ends of each range are kept, and so are the tag versions no combo offers.
TEST_F(SettingsFile, NumbersOutsideWhatTheirSettingCanHoldReadAsItsDefault) {
  struct TRanged {
    const char* Key;  // section/key
    std::function<int32_t(const TConfigBase&)> Field;
    std::vector<int32_t> Kept, Refused;
    int32_t Default;
  };
  const auto height = [](TPlacementIndex window) {
    return [window](const TConfigBase& c) { return c.Placement[window].Height; };
  };
  const auto width = [](TPlacementIndex window) {
    return [window](const TConfigBase& c) { return c.Placement[window].Width; };
  };
  const TRanged ranged[] = {
      {"FileEditor/WindowHeight", height(piMainWindow), {1, 32767}, {0, -1, 32768}, 540},
      {"FileEditor/WindowWidth", width(piMainWindow), {1, 32767}, {0, 32768}, 740},
      {"FileEditor/ActionOnExistingFile", [](auto& c) { return c.ActionOnExistingFile; }, {0, 3}, {-1, 4, 77, 257}, 0},
      {"TagEditor/WindowHeight", height(piTagEditor), {1, 32767}, {0, 32768}, 569},
      {"TagEditor/WindowWidth", width(piTagEditor), {1, 32767}, {-5, 32768}, 800},
      {"TagEditor/DefaultSaveActionForLog", [](auto& c) { return c.DefaultSaveActionForLog; }, {0, 2}, {-1, 3, 258}, 1},
      {"TagEditor/DefaultTagLanguage", [](auto& c) { return c.DefaultTagLanguage; }, {0, 428}, {-1, 429}, 108},
      {"TagEditor/DefaultID3v1", [](auto& c) { return c.DefaultID3v1; }, {0, 1, 2}, {-1, 3, 7, 256}, 2},
      {"TagEditor/DefaultID3v2", [](auto& c) { return c.DefaultID3v2; }, {0, 3, 6, 7}, {-1, 1, 2, 8, 263}, 7},
  };
  const auto readAs = [&](const TRanged& row, int32_t stored) {
    const std::string key = row.Key;
    const size_t slash = key.find('/');
    Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=1\r\n[" + key.substr(0, slash) + "]\r\n" +
                                         key.substr(slash + 1) + "=" + IntToStr(stored) + "\r\n");
    TConfigBase config(Folder.Place());
    EXPECT_EQ(config.ReadSettings(), TSettingsResult::Done);
    return row.Field(config);
  };
  for (const TRanged& row : ranged) {
    SCOPED_TRACE(row.Key);
    for (int32_t kept : row.Kept) EXPECT_EQ(readAs(row, kept), kept);
    for (int32_t refused : row.Refused) EXPECT_EQ(readAs(row, refused), row.Default) << refused;
  }
  EXPECT_TRUE(Presenter.Shown.empty());  // read without a word: the defaults show it
}

TEST_F(SettingsFile, PartsWriteTheirRowsOnlyInTheLanguagesNames) {
  Config.ReadSettings();
  Config.RenameFormats.SetDelimitedText("x");
  for (int part : {-1, 4, 1, 0})  // -1 and 4 write nothing
    EXPECT_EQ(Config.WriteSettingsPart(part), TSettingsResult::Done);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), "[FileEditor]\r\nWindowHeight=540\r\nWindowWidth=740\r\n"
                                             "WindowMaximized=0\r\nFormats=x\r\nPreferredFormat=0\r\n");
  // A language file renames sections and keys.
  std::vector<std::string> lines = EnglishLanguageLines();
  lines[3 + 214 - 7] = "Dateien";
  Folder.WriteLanguage("DE.lng", JoinLines(lines));
  Config.LangConfig.Language = lfDE;
  TLanguage language(Config);
  ASSERT_EQ(language.LoadLanguageFile(), TLanguageLoad::Loaded);
  Lang = &language;
  EXPECT_EQ(Config.WriteSettingsPart(1), TSettingsResult::Done);
  Lang = nullptr;
  EXPECT_NE(Folder.ReadFile("Settings.ini").find("[Dateien]\r\nWindowHeight=540"), std::string::npos);
}

// The language pre-read: the second line, at most four characters after its "=", trimmed,
// all digits; anything else is reported and keeps language 1.
TEST_F(SettingsFile, LanguagePreReadTakesTheSecondLine) {
  const std::pair<const char*, int> cases[] = {
      {"[Program]\r\nLanguage= 12 \r\n", 12}, {"[Program]\r\nLanguage=123456\r\n", 1234 & 0xFF},
      {"[Program]\r\n3\r\n", 3},  // no "=": the line's first characters
      {"[Program]\r\n; Language=2\r\n", 2}, {"[Program]\r\nLanguage=1a\r\n", -1},
      {"[Program]\r\n; by hand\r\n", -1},   {"[Program]\r\nLanguage=-1\r\n", -1},
      {"[Program]", -1},                      {nullptr, 1},  // no file: nothing to report
  };
  for (auto [file, language] : cases) {
    SCOPED_TRACE(file ? file : "no file");
    if (file) Folder.WriteFile("Settings.ini", file);
    Presenter.Shown.clear();
    Config.LangConfig.Language = lfDE;
    Told(Config.ReadLanguageSetting());
    EXPECT_EQ(Config.LangConfig.Language, language < 0 ? lfEN : language);
    EXPECT_EQ(Presenter.Texts(), language < 0 ? Texts{kNotRead} : Texts{});
    DeleteFile(Config.SettingsPath());
  }
}

TEST_F(SettingsFile, AFileAnotherProgramHoldsOpenWithSharingIsRead) {
  TFileStream other(Folder.WriteFile("Settings.ini", kUserSettings), fmOpenReadWrite | fmShareDenyNone);
  StartUp();
  EXPECT_EQ(Config.LangConfig.Language, lfES);
  EXPECT_EQ(Items(Config.RenameFormats), Texts{"<T>"});
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST_F(SettingsFile, AFileThatIsNoSettingsFileGivesTheDefaultsAndIsNeverWrittenOver) {
  std::string binary, lines, huge = "[Program]\r\nLanguage=2\r\n";
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i);
  for (int i = 0; i < 1000; ++i) lines += "[FileEditor]\r\nWindowHeight=600\r\n";
  while (huge.size() < 20u << 20) huge += lines;
  for (const std::string* bytes : {&binary, &huge}) {
    Folder.WriteFile("Settings.ini", *bytes);
    Presenter.Shown.clear();
    StartUp();
    EXPECT_EQ(Config.LangConfig.Language, lfEN);
    EXPECT_EQ(Config.Placement[piMainWindow].Height, 540);
    WriteAll();
    EXPECT_EQ(Config.WriteSettingsPart(1), TSettingsResult::NotMade);
    EXPECT_EQ(Presenter.Texts(), (Texts{kNotRead, kNotMade}));
    EXPECT_TRUE(Folder.ReadFile("Settings.ini") == *bytes);
  }
}

// By the time of the save the file holds the user's settings again (the program that
// held it let go, a copy was put back), while the settings in memory are the defaults.
TEST_F(SettingsFile, AFileUnreadableAtStartIsNotWrittenOverOnceItCanBeRead) {
  const std::string path = Folder.WriteFile("Settings.ini", std::string(1, '\0'));
#ifdef _WIN32
  Folder.WriteFile("Settings.ini", kUserSettings);
  {
    TFileStream lock(path, fmOpenReadWrite | fmShareExclusive);
    StartUp();
  }
#else
  StartUp();
  Folder.WriteFile("Settings.ini", kUserSettings);
#endif
  EXPECT_EQ(Config.LangConfig.Language, lfEN);
  WriteAll();
  EXPECT_EQ(Config.WriteSettingsPart(0), TSettingsResult::NotMade);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kUserSettings);
  EXPECT_EQ(Presenter.Texts(), (Texts{kNotRead, kNotMade}));
  EXPECT_EQ(Config.ReadSettings(), TSettingsResult::Done);  // read at last, the file takes changes again
  Config.PreferredRenameFormat = 1;
  EXPECT_EQ(Config.WriteSettingsPart(0), TSettingsResult::Done);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), std::string(kUserSettings) + "PreferredFormat=1\r\n");
}

// A disk that fills up after the first ten bytes of a write.
int32_t WriteTenBytesOnly(THandle handle, const void* buffer, int32_t count) {
  return FileWrite(handle, buffer, std::min(count, 10)) == 10 && count > 10 ? -1 : count;
}

TEST_F(SettingsFile, AWriteThatFailsPartWayIsReportedAndLeavesTheFileWhole) {
  Folder.WriteFile("Settings.ini", kUserSettings);
  StartUp();
  const TFileWriteCall previous = SetTextFileWriteCall(WriteTenBytesOnly);
  WriteAll();
  EXPECT_EQ(Config.WriteSettingsPart(3), TSettingsResult::NotMade);
  SetTextFileWriteCall(previous);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kUserSettings);
  EXPECT_EQ(Presenter.Texts(), Texts{kNotMade});
}

// Runs a program beside the test's with one argument, to its end.
void RunProgram(const std::string& name, const std::string& argument) {
  std::string program = ExtractFilePath(ProgramFileName()) + name;
#ifdef _WIN32
  _spawnl(_P_WAIT, (program + ".exe").c_str(), name.c_str(), ("\"" + argument + "\"").c_str(), nullptr);
#else
  std::replace(program.begin(), program.end(), '\\', '/');
  char* argv[] = {program.data(), const_cast<char*>(argument.c_str()), nullptr};
  pid_t child;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) == 0) waitpid(child, nullptr, 0);
#endif
}

TEST_F(SettingsFile, AProgramKilledWhileWritingLeavesTheFileWhole) {
  Folder.WriteFile("Settings.ini", kUserSettings);
  RunProgram("settings_write_helper", ExcludeTrailingBackslash(Folder.Path()));
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kUserSettings);
  ASSERT_TRUE(FileExists(Folder / "Settings.i~1"));  // the half-written file it left behind
  StartUp();  // which is no obstacle to the next write
  WriteAll();
  EXPECT_NE(Folder.ReadFile("Settings.ini").find("DefaultID3v2=7"), std::string::npos);
  EXPECT_FALSE(FileExists(Folder / "Settings.i~1"));  // gone with the write that succeeded
  EXPECT_TRUE(Presenter.Shown.empty());
}

// Each killed write leaves a stand-in; there is never a count of them after which the
// settings can no longer be saved.
TEST_F(SettingsFile, ManyStandInsOfKilledWritesNeverStopTheNextWrite) {
  Folder.WriteFile("Settings.ini", kUserSettings);
  for (int i = 1; i <= 120; ++i) Folder.WriteFile(StandInName("Settings.ini", i), "[Program]\r\nLang");
  StartUp();
  WriteAll();
  EXPECT_TRUE(Presenter.Shown.empty());
  EXPECT_NE(Folder.ReadFile("Settings.ini").find("DefaultID3v2=7"), std::string::npos);
  for (int i = 1; i <= 121; ++i) EXPECT_FALSE(FileExists(Folder / StandInName("Settings.ini", i))) << i;
}

// Windows would refuse to replace it; the program refuses everywhere.
TEST_F(SettingsFile, AReadOnlyFileIsNeverReplacedAndTheFailureIsReported) {
  Folder.WriteFile("Settings.ini", kUserSettings);
  ASSERT_TRUE(FileSetReadOnly(Folder / "Settings.ini", true));
  StartUp();
  WriteAll();
  EXPECT_EQ(Presenter.Texts(), Texts{kNotMade});
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kUserSettings);
  EXPECT_NE(FileGetAttr(Folder / "Settings.ini") & faReadOnly, 0);
  EXPECT_FALSE(FileExists(Folder / "Settings.i~1"));
  ASSERT_TRUE(FileSetReadOnly(Folder / "Settings.ini", false));
}

TEST(SettingsPlaces, TheProcessRunsInItsProgramFolderAndTheCurrentFolder) {
  TempFolder folder;
  const std::string previous = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(folder.Path()));
  const TProgramPlace place = TProgramPlace::OfProcess();
  ASSERT_TRUE(SetCurrentDir(previous));
  EXPECT_EQ(place.WorkingFolder, folder.Path());
  EXPECT_TRUE(DirectoryExists(place.ProgramFolder + VQ_BUILT_LANGUAGES));
  EXPECT_EQ(TConfigBase(TProgramPlace{"C:\\", "D:\\"}).SearchMask(), "D:\\*.mp3");  // a root
}

TEST(RenameOptions, IndexesOutsideTheirRangeChangeNothingOrRaise) {
  TConfigBase config(TProgramPlace{"C:\\p\\", "C:\\w\\"});
  config.SetSwitchItem(11, 2);
  config.SetRemoveSection(8, true);
  EXPECT_EQ(config.GetSwitchItem(11), TConfigBase::UnchangedSwitchItem);
  EXPECT_FALSE(config.GetRemoveSection(8));
  EXPECT_THROW(config.SetRemoveSection(2, false), ERangeError);  // the count would go below 0
  for (int i = 0; i < 255; ++i) config.SetRemoveSection(3, true);
  EXPECT_THROW(config.SetRemoveSection(3, true), ERangeError);  // above 255
  config.SetFormatFrameID(0, 5);  // grows by one
  EXPECT_THROW(config.SetFormatFrameID(2, 1), ERangeError);
  EXPECT_THROW(config.GetFormatFrameID(1), ERangeError);
}

}  // namespace
