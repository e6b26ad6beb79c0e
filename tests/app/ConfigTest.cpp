#include "AppTestSupport.h"
#include "ListItems.h"

#include "app/Config.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/IniFiles.h"
#include "base/Streams.h"
#include "base/TextFileWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include "base/WinApi.h"
#else
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#endif

namespace {

const char kNotRead[] = "Error / Settings file could not be read !";

// "Settings.ini" as a fresh start writes it: every row of the key table in order but
// the main window's maximized state.
const char kFreshSettings[] =
    "[Program]\r\n"
    "Language=1\r\n"
    "[FileEditor]\r\n"
    "WindowHeight=540\r\n"
    "WindowWidth=740\r\n"
    "PreferredFormat=0\r\n"
    "Formats=|<A> - <T>|,|<N> - <T>|,|<A> - <N> - <T>|,|<N> - <A> - <T>|\r\n"
    "AllWordsCaps=0\r\n"
    "SaveList=1\r\n"
    "ListName=List.txt\r\n"
    "ActionOnExistingFile=0\r\n"
    "[TagEditor]\r\n"
    "WindowHeight=569\r\n"
    "WindowWidth=800\r\n"
    "WindowMaximized=0\r\n"
    "PreferredFormat=0\r\n"
    "Formats=|\\ <A> - <T>|,|\\ <N> - <T>|,|\\ <A> - <N> - <T>|,|\\ <N> - <A> - <T>|\r\n"
    "DefaultSaveActionForLog=1\r\n"
    "DefaultTagLanguage=108\r\n"
    "DefaultID3v1=2\r\n"
    "DefaultID3v2=7\r\n";

class SettingsFile : public ::testing::Test {
protected:
  ProgramFolder Folder;
  ScriptedPresenter Presenter;
};

TEST_F(SettingsFile, FoldersAndStartValues) {
  TConfigBase config(Folder.Place());
  EXPECT_EQ(config.ProductName, "Velorandquistmar");
  EXPECT_EQ(config.Version, "0.4.8");
  EXPECT_EQ(config.ProgramFolder, Folder.Path());
  EXPECT_EQ(config.LanguagesFolder, Folder.Path() + "languages\\");
  EXPECT_EQ(config.WorkingFolder, Folder.Path());
  EXPECT_EQ(config.SearchMask(), Folder.Path() + "*.mp3");
  EXPECT_EQ(config.SettingsPath(), Folder.Path() + "Settings.ini");
  EXPECT_EQ(config.ListPath(), Folder.Path());
  config.SetListName("names.txt");
  EXPECT_EQ(config.ListPath(), Folder.Path() + "names.txt");
  EXPECT_EQ(config.LangConfig.Language, lfEN);
  EXPECT_EQ(config.RemoveSectionCount(), 0);
  EXPECT_EQ(config.MainSelection.GetCount(), 0);
}

TEST_F(SettingsFile, TheProcessRunsInItsProgramFolderAndTheCurrentFolder) {
  const std::string previous = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(Folder.Path()));
  const TProgramPlace place = TProgramPlace::OfProcess();
  ASSERT_TRUE(SetCurrentDir(previous));
  EXPECT_EQ(place.WorkingFolder, Folder.Path());
  // The build installs the language files at a known place beside the test program.
  ASSERT_FALSE(place.ProgramFolder.empty());
  EXPECT_EQ(place.ProgramFolder.back(), '\\');
  EXPECT_TRUE(DirectoryExists(place.ProgramFolder + VQ_BUILT_LANGUAGES));
}

TEST(SettingsPlaces, ADriveRootGetsOneBackslash) {
  TConfigBase config(TProgramPlace{"C:\\", "D:\\"});
  EXPECT_EQ(config.WorkingFolder, "D:\\");
  EXPECT_EQ(config.SearchMask(), "D:\\*.mp3");
  EXPECT_EQ(config.LanguagesFolder, "C:\\languages\\");
}

TEST_F(SettingsFile, FreshFileIsWrittenByteForByteAndReadBack) {
  TConfigBase config(Folder.Place());
  ASSERT_FALSE(FileExists(config.SettingsPath()));
  config.ReadSettings();  // all defaults
  EXPECT_EQ(config.Placement[piMainWindow].Height, 540);
  EXPECT_EQ(config.Placement[piTagEditor].Width, 800);
  EXPECT_EQ(config.ListPath(), Folder.Path() + "List.txt");
  EXPECT_EQ(Items(config.RenameFormats),
            (std::vector<std::string>{"<A> - <T>", "<N> - <T>", "<A> - <N> - <T>",
                                      "<N> - <A> - <T>"}));
  EXPECT_EQ(Items(config.TagFormats)[3], "\\ <N> - <A> - <T>");
  config.WriteSettings();
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kFreshSettings);

  TConfigBase reread(Folder.Place());
  reread.ReadSettings();
  EXPECT_EQ(Items(reread.RenameFormats), Items(config.RenameFormats));
  EXPECT_EQ(Items(reread.TagFormats), Items(config.TagFormats));
  EXPECT_TRUE(reread.SaveList);
  EXPECT_EQ(reread.DefaultTagLanguage, 108);
  EXPECT_EQ(reread.DefaultSaveActionForLog, 1);
  EXPECT_EQ(reread.DefaultID3v1, 2);
  EXPECT_EQ(reread.DefaultID3v2, 7);
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST_F(SettingsFile, EveryRowRoundTrips) {
  TConfigBase config(Folder.Place());
  config.LangConfig.Language = lfNL;
  config.Placement[piMainWindow] = {true, 2, true, 600, 900};
  config.Placement[piTagEditor] = {true, 2, true, 610, 910};
  config.RenameFormats.SetDelimitedText("|<T>|,plain");
  config.RenameFormats.Add("a|b,c");
  config.PreferredRenameFormat = 2;
  config.TagFormats.Clear();
  config.TagFormats.Add("\\ <A>\\<L>\\<N> - <T>");
  config.PreferredTagFormat = -1;
  config.AllWordsCaps = true;
  config.SaveList = false;
  config.SetListName("my list.txt");
  config.ActionOnExistingFile = 3;
  config.DefaultSaveActionForLog = 2;
  config.DefaultTagLanguage = 42;
  config.DefaultID3v1 = 0;
  config.DefaultID3v2 = 0;
  config.WriteSettings();
  config.WriteSettingsPart(1);  // the only writer of the main window's maximized state

  TConfigBase reread(Folder.Place());
  reread.ReadSettings();
  EXPECT_EQ(reread.LangConfig.Language, lfNL);
  for (TPlacementIndex window : {piMainWindow, piTagEditor}) {
    EXPECT_TRUE(reread.Placement[window].Maximized);
    EXPECT_EQ(reread.Placement[window].Height, config.Placement[window].Height);
    EXPECT_EQ(reread.Placement[window].Width, config.Placement[window].Width);
  }
  EXPECT_EQ(Items(reread.RenameFormats), (std::vector<std::string>{"<T>", "plain", "a|b,c"}));
  EXPECT_EQ(reread.PreferredRenameFormat, 2);
  EXPECT_EQ(Items(reread.TagFormats), Items(config.TagFormats));
  EXPECT_EQ(reread.PreferredTagFormat, -1);
  EXPECT_TRUE(reread.AllWordsCaps);
  EXPECT_FALSE(reread.SaveList);
  EXPECT_EQ(reread.ListName(), "my list.txt");
  EXPECT_EQ(reread.ListPath(), Folder.Path() + "my list.txt");
  EXPECT_EQ(reread.ActionOnExistingFile, 3);
  EXPECT_EQ(reread.DefaultSaveActionForLog, 2);
  EXPECT_EQ(reread.DefaultTagLanguage, 42);
  EXPECT_EQ(reread.DefaultID3v1, 0);
  EXPECT_EQ(reread.DefaultID3v2, 0);
}

TEST_F(SettingsFile, OddValuesReadAsTheClassLibraryReadsThem) {
  Folder.WriteFile("Settings.ini",
                   "[program]\r\nlanguage=259\r\n[FileEditor]\r\nWindowHeight=abc\r\n"
                   "WindowMaximized=5\r\nWindowWidth=$20\r\n[TagEditor]\r\nDefaultID3v1=258\r\n"
                   "DefaultID3v2=-1\r\nFormats=\r\n");
  TConfigBase config(Folder.Place());
  config.ReadSettings();
  EXPECT_EQ(config.LangConfig.Language, 3);  // low byte
  EXPECT_EQ(config.Placement[piMainWindow].Height, 540);
  EXPECT_TRUE(config.Placement[piMainWindow].Maximized);
  EXPECT_EQ(config.Placement[piMainWindow].Width, 32);
  EXPECT_EQ(config.DefaultID3v1, 2);
  EXPECT_EQ(config.DefaultID3v2, 255);
  EXPECT_EQ(config.TagFormats.Count(), 0);  // present but empty
  EXPECT_EQ(config.RenameFormats.Count(), 4);
}

TEST_F(SettingsFile, PartsWriteTheirRowsOnly) {
  TConfigBase config(Folder.Place());
  config.ReadSettings();
  config.RenameFormats.SetDelimitedText("x");
  for (int part : {-1, 4}) config.WriteSettingsPart(part);
  EXPECT_FALSE(FileExists(config.SettingsPath()));
  config.WriteSettingsPart(0);
  config.WriteSettingsPart(3);
  config.WriteSettingsPart(2);
  config.WriteSettingsPart(1);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"),
            "[FileEditor]\r\nFormats=x\r\nPreferredFormat=0\r\nWindowHeight=540\r\n"
            "WindowWidth=740\r\nWindowMaximized=0\r\n[TagEditor]\r\nWindowHeight=569\r\n"
            "WindowWidth=800\r\nWindowMaximized=0\r\n"
            "Formats=|\\ <A> - <T>|,|\\ <N> - <T>|,|\\ <A> - <N> - <T>|,|\\ <N> - <A> - <T>|\r\n"
            "PreferredFormat=0\r\n");
}

TEST_F(SettingsFile, WriteFailuresAreReportedOrRaised) {
  ProgramFolder other;
  TProgramPlace nowhere{other.Path() + "missing\\", other.Path()};
  TConfigBase config(nowhere);
  config.WriteSettings();
  EXPECT_EQ(Presenter.Texts(),
            std::vector<std::string>{"Error / Settings file could not be made !"});
  EXPECT_THROW(config.WriteSettingsPart(1), EIniFileException);
}

TEST_F(SettingsFile, LanguageFileNamesTheSectionsAndKeys) {
  TConfigBase config(Folder.Place());
  std::vector<std::string> lines = EnglishLanguageLines();
  for (std::string& line : lines) {
    if (line == "214=FileEditor") line = "214=Dateien";
    if (line == "210=WindowHeight") line = "210=Hoehe";
  }
  Folder.WriteLanguage("DE.lng", JoinLines(lines));
  config.LangConfig.Language = lfDE;
  TLanguage language(config);
  language.LoadLanguageFile();
  Lang = &language;
  config.WriteSettingsPart(1);
  Lang = nullptr;
  EXPECT_EQ(Folder.ReadFile("Settings.ini"),
            "[Dateien]\r\nHoehe=0\r\nWindowWidth=0\r\nWindowMaximized=0\r\n");
}

// The language pre-read: the second line of the file, at most four characters after
// its "=", trimmed, all digits.
struct TPreReadCase {
  const char* File;
  uint8_t Language;
  bool Reported;
};

const TPreReadCase kPreReadCases[] = {
    {"[Program]\r\nLanguage=12\r\n", 12, false},
    {"[Program]\r\nLanguage= 12 \r\n", 12, false},
    {"[Program]\r\nLanguage=123456\r\n", 1234 & 0xFF, false},
    {"[Program]\r\n3\r\n", 3, false},  // no "=": the line's first characters
    {"[Program]\r\nLanguage=1a\r\n", 1, true},
    {"[Program]\r\n; by hand\r\n", 1, true},  // a comment
    {"[Program]\r\n; Language=2\r\n", 2, false},  // still a value after "="
    {"[Program]\r\nLanguage=\r\n", 1, true},
    {"[Program]\r\nLanguage=-1\r\n", 1, true},
    {"[Program]\r\n", 1, true},  // one line
    {"[Program]", 1, true},
    {"", 1, true},
};

TEST_F(SettingsFile, LanguagePreReadTakesTheSecondLine) {
  for (const TPreReadCase& c : kPreReadCases) {
    SCOPED_TRACE(c.File);
    Folder.WriteFile("Settings.ini", c.File);
    Presenter.Shown.clear();
    TConfigBase config(Folder.Place());
    config.LangConfig.Language = 0;
    config.ReadLanguageSetting();
    EXPECT_EQ(config.LangConfig.Language, c.Language);
    EXPECT_EQ(Presenter.Texts(), c.Reported ? std::vector<std::string>{kNotRead}
                                            : std::vector<std::string>{});
  }
}

TEST_F(SettingsFile, LanguagePreReadWithoutAFile) {
  TConfigBase config(Folder.Place());
  config.LangConfig.Language = 0;
  config.ReadLanguageSetting();
  EXPECT_EQ(config.LangConfig.Language, lfEN);
  EXPECT_TRUE(Presenter.Shown.empty());
}

// --- A settings file that cannot be read or written loses nothing ----------------------

const char kNotMade[] = "Error / Settings file could not be made !";
const char kUserSettings[] = "[Program]\r\nLanguage=2\r\n; mine\r\n[FileEditor]\r\nFormats=<T>\r\n";

// Start-up as the main window runs it: the language pre-read, then every setting.
void StartUp(TConfigBase& config) {
  config.ReadLanguageSetting();
  config.ReadSettings();
}

TEST_F(SettingsFile, AFileAnotherProgramHoldsOpenWithSharingIsRead) {
  const std::string path = Folder.WriteFile("Settings.ini", kUserSettings);
  TFileStream other(path, fmOpenReadWrite | fmShareDenyNone);
  TConfigBase config(Folder.Place());
  StartUp(config);
  EXPECT_EQ(config.LangConfig.Language, lfES);
  EXPECT_EQ(Items(config.RenameFormats), std::vector<std::string>{"<T>"});
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST_F(SettingsFile, AFileThatIsNoSettingsFileGivesTheDefaultsAndIsNeverWrittenOver) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i);
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "[FileEditor]\r\nWindowHeight=600\r\n";
  std::string huge = "[Program]\r\nLanguage=2\r\n";
  while (huge.size() < 20u << 20) huge += lines;
  for (const std::string* bytes : {&binary, &huge}) {
    Folder.WriteFile("Settings.ini", *bytes);
    Presenter.Shown.clear();
    TConfigBase config(Folder.Place());
    StartUp(config);
    EXPECT_EQ(config.LangConfig.Language, lfEN);
    EXPECT_EQ(config.Placement[piMainWindow].Height, 540);
    config.WriteSettings();
    EXPECT_THROW(config.WriteSettingsPart(1), EIniFileException);
    EXPECT_EQ(Presenter.Texts(), (std::vector<std::string>{kNotRead, kNotRead, kNotMade}));
    EXPECT_TRUE(Folder.ReadFile("Settings.ini") == *bytes);
  }
}

// The file is the user's settings again by the time of the save (a program that held it
// let go, a restored copy): the settings in memory are still the defaults.
TEST_F(SettingsFile, AFileUnreadableAtStartIsNotWrittenOverOnceItCanBeRead) {
  const std::string path = Folder.WriteFile("Settings.ini", std::string("\0", 1));
  TConfigBase config(Folder.Place());
#ifdef _WIN32
  Folder.WriteFile("Settings.ini", kUserSettings);
  {
    TFileStream lock(path, fmOpenReadWrite | fmShareExclusive);
    StartUp(config);
  }
#else
  StartUp(config);
  Folder.WriteFile("Settings.ini", kUserSettings);
#endif
  EXPECT_EQ(config.LangConfig.Language, lfEN);
  config.WriteSettings();
  EXPECT_THROW(config.WriteSettingsPart(0), EIniFileException);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kUserSettings);
  EXPECT_EQ(Presenter.Texts(), (std::vector<std::string>{kNotRead, kNotRead, kNotMade}));
  // Read at last, the file takes changes again.
  config.ReadSettings();
  config.PreferredRenameFormat = 1;
  config.WriteSettingsPart(0);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"),
            "[Program]\r\nLanguage=2\r\n; mine\r\n[FileEditor]\r\nFormats=<T>\r\n"
            "PreferredFormat=1\r\n");
}

// A disk that fills up after the first bytes of a write.
int32_t WriteFirstBytesOnly(THandle handle, const void* buffer, int32_t count) {
  return FileWrite(handle, buffer, std::min(count, 10)) == 10 && count > 10 ? -1 : count;
}

TEST_F(SettingsFile, AWriteThatFailsPartWayLeavesTheFileWhole) {
  Folder.WriteFile("Settings.ini", kUserSettings);
  TConfigBase config(Folder.Place());
  StartUp(config);
  const TFileWriteCall previous = SetTextFileWriteCall(WriteFirstBytesOnly);
  config.WriteSettings();
  EXPECT_THROW(config.WriteSettingsPart(3), EIniFileException);
  SetTextFileWriteCall(previous);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kUserSettings);
  EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{kNotMade});
}

// Runs a program of the test's folder to its end; its exit code, 128 + the signal that
// ended it, or -1 when it did not start.
int RunProgram(const std::string& name, const std::string& argument) {
  std::string program = ExtractFilePath(ProgramFileName()) + name;
#ifdef _WIN32
  std::string commandLine = "\"" + program + ".exe\" \"" + argument + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
#else
  std::replace(program.begin(), program.end(), '\\', '/');
  char* argv[] = {program.data(), const_cast<char*>(argument.c_str()), nullptr};
  pid_t child;
  int status = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0 ||
      waitpid(child, &status, 0) != child)
    return -1;
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
#endif
}

TEST_F(SettingsFile, AProgramKilledWhileWritingLeavesTheFileWhole) {
  Folder.WriteFile("Settings.ini", kUserSettings);
#ifdef _WIN32
  const int killed = 9;
#else
  const int killed = 128 + SIGKILL;
#endif
  ASSERT_EQ(RunProgram("settings_write_helper", ExcludeTrailingBackslash(Folder.Path())), killed);
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), kUserSettings);
  // The half-written file it left behind is no obstacle to the next write.
  TConfigBase config(Folder.Place());
  StartUp(config);
  config.WriteSettings();
  EXPECT_NE(Folder.ReadFile("Settings.ini").find("DefaultID3v2=7"), std::string::npos);
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST(RenameOptions, SwitchItems) {
  TConfigBase config(TProgramPlace{"C:\\p\\", "C:\\w\\"});
  for (int index : {0, 11, -5}) {
    config.SetSwitchItem(index, 2);
    EXPECT_EQ(config.GetSwitchItem(index), 4);
  }
  EXPECT_EQ(config.GetSwitchItem(1), 0);
  config.SetSwitchItem(10, 3);
  EXPECT_EQ(config.GetSwitchItem(10), 3);
  const std::pair<int, int> normalized[] = {{-1, 0}, {0, 0}, {1, 1}, {4, 4}, {5, 0}, {256 + 2, 0}};
  for (auto [value, expected] : normalized)
    EXPECT_EQ(TConfigBase::NormalizeSwitchItem(value), expected) << value;
}

TEST(RenameOptions, RemoveSectionFlagsAreCounted) {
  TConfigBase config(TProgramPlace{"C:\\p\\", "C:\\w\\"});
  config.SetRemoveSection(1, true);
  config.SetRemoveSection(7, true);
  EXPECT_EQ(config.RemoveSectionCount(), 2);
  EXPECT_TRUE(config.GetRemoveSection(7));
  config.SetRemoveSection(1, false);
  EXPECT_FALSE(config.GetRemoveSection(1));
  EXPECT_EQ(config.RemoveSectionCount(), 1);
  config.SetRemoveSection(8, true);  // no such flag: nothing changes
  config.SetRemoveSection(0, false);
  EXPECT_FALSE(config.GetRemoveSection(8));
  EXPECT_EQ(config.RemoveSectionCount(), 1);
  config.SetRemoveSection(7, false);
  EXPECT_THROW(config.SetRemoveSection(2, false), ERangeError);  // below 0
  EXPECT_EQ(config.RemoveSectionCount(), 0);
  for (int i = 0; i < 255; ++i) config.SetRemoveSection(3, true);
  EXPECT_THROW(config.SetRemoveSection(3, true), ERangeError);  // above 255
  EXPECT_EQ(config.RemoveSectionCount(), 255);
}

TEST(RenameOptions, FormatFrameIDsGrowByOne) {
  TConfigBase config(TProgramPlace{"C:\\p\\", "C:\\w\\"});
  config.SetFormatFrameID(0, 5);
  config.SetFormatFrameID(1, 6);
  config.SetFormatFrameID(0, 7);
  EXPECT_EQ(config.GetFormatFrameIDCount(), 2);
  EXPECT_EQ(config.GetFormatFrameID(0), 7);
  EXPECT_EQ(config.GetFormatFrameID(1), 6);
  EXPECT_THROW(config.SetFormatFrameID(3, 1), ERangeError);
  EXPECT_THROW(config.SetFormatFrameID(-1, 1), ERangeError);
  EXPECT_THROW(config.GetFormatFrameID(2), ERangeError);
  config.ClearFormatFrameIDs();
  EXPECT_EQ(config.GetFormatFrameIDCount(), 0);
}

}  // namespace
