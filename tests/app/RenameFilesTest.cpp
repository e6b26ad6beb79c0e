#include "RenameFixture.h"

#include "base/Exceptions.h"
#include "base/SharedRoutines.h"
#include "base/StrUtils.h"

#ifdef _WIN32
#include "base/WinApi.h"
#endif

namespace {

using Names = std::vector<std::string>;

const std::string kExistedHeading =
    "The following filenames already existed and action has been taken according to the "
    "chosen setting :";
const std::string kFailedHeading = "An error occurred with the following files:";

std::string Report(const std::string& heading, const Names& lines) {
  std::string text = heading + "\r\n \r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

class RenameFiles : public RenameFixture {
protected:
  // The report shown in the message, its lines joined again.
  std::string ShownReport() const {
    EXPECT_EQ(Presenter.Shown.size(), 1u);
    return Presenter.Shown.empty() ? "" : Presenter.Texts().back();
  }
};

TEST_F(RenameFiles, ExistingNamesAreNumberedAndLogged) {
  for (const char* name : {"Song", "Song1", "Song2", "Other"}) Mp3(name);
  Config.SaveList = true;
  Scan();
  SetNewName("Other", "Song");
  EXPECT_TRUE(Files.RenameFiles());
  const std::string log = Report(kExistedHeading + " Add a number to the end", {"Song2.mp3"});
  EXPECT_EQ(Log(), log + "\r\n");
  EXPECT_EQ(Folder.ReadFile("List.txt"), "Other.mp3\r\n");
  EXPECT_EQ(Folder.ReadFile("Song3.mp3"), "audio of Other");
  EXPECT_FALSE(FileExists(Folder / "Other.mp3"));
  const TFileInfo& entry = Entry("Song3");
  EXPECT_FALSE(entry.NewNameSet);
  EXPECT_EQ(ReadThrough(entry), "audio of Other");
  EXPECT_EQ(Presenter.Shown[0].Caption, "Info");
  EXPECT_EQ(ShownReport(), "Info / " + StringReplace(log + "\r\n", "\r\n", "", rfReplaceAll) +
                               "This text will be saved in the file Log.txt");
}

TEST_F(RenameFiles, ANumberAtTheEndCountsOn) {
  Mp3("Track 5");
  Mp3("a");
  Mp3("Take 10");
  Mp3("b");
  Scan();
  SetNewName("a", "Track 5");
  SetNewName("b", "Take 10");
  Files.RenameFiles();
  EXPECT_EQ(Folder.ReadFile("Track 6.mp3"), "audio of a");
  EXPECT_EQ(Folder.ReadFile("Take 11.mp3"), "audio of b");  // "0" starts over at 1
}

TEST_F(RenameFiles, LogIsWrittenBeforeTheReportShows) {
  Mp3("A");
  Mp3("B");
  Scan();
  SetNewName("A", "B");
  std::string logWhileShown = "<none>";
  Presenter.WhileOpen = [&](TMessageDialog&) {
    if (HasLog()) logWhileShown = Log();
  };
  Files.RenameFiles();
  EXPECT_EQ(logWhileShown, Log());
  EXPECT_NE(Log().find("B.mp3"), std::string::npos);
}

TEST_F(RenameFiles, SkipKeepsTheEntryAsItWas) {
  Mp3("A");
  Mp3("B");
  Config.ActionOnExistingFile = 2;
  Scan();
  SetNewName("A", "B");
  EXPECT_FALSE(Files.RenameFiles());
  const TFileInfo& entry = Entry("A");
  EXPECT_EQ(entry.NewName, "B");
  EXPECT_TRUE(entry.NewNameSet);
  EXPECT_EQ(ReadThrough(entry), "audio of A");
  EXPECT_EQ(Log(), Report(kExistedHeading + " Skip the file", {"B.mp3"}) + "\r\n");
  EXPECT_EQ(OnDisk().size(), 3u);  // A, B and the log
}

class AskOnExistingName : public RenameFiles {
protected:
  void SetUp() override {
    for (const char* name : {"a", "b", "c", "d", "x"}) Mp3(name);
    Config.ActionOnExistingFile = 3;
    Scan();
    SetNewName("a", "A1");
    SetNewName("b", "x");  // the only clash
    SetNewName("c", "C1");
    SetNewName("d", "D1");
  }
};

TEST_F(AskOnExistingName, CancelStopsTheRunAndStillReports) {
  Presenter.Press(mtFileExists, dbCancel);
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Listed(), (Names{"A1", "b", "c", "d", "x"}));
  for (const char* name : {"b", "c", "d"}) {
    EXPECT_TRUE(Entry(name).NewNameSet) << name;
    EXPECT_EQ(ReadThrough(Entry(name)), std::string("audio of ") + name);
  }
  ASSERT_EQ(Presenter.Shown.size(), 2u);
  EXPECT_EQ(Presenter.Shown[0].Kind, mtFileExists);
  EXPECT_EQ(Presenter.Texts()[0],
            "Error / File already exists, what would you like to do now?x.mp3");
  EXPECT_EQ(Log(), Report(kExistedHeading + " Ask what to do", {"x.mp3"}) + "\r\n");
}

TEST_F(AskOnExistingName, AClosedQuestionSkipsThatFileOnly) {
  // No button pressed: the window was closed.
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Listed(), (Names{"A1", "b", "C1", "D1", "x"}));
  EXPECT_TRUE(Entry("b").NewNameSet);
  EXPECT_EQ(Folder.ReadFile("x.mp3"), "audio of x");
}

TEST_F(AskOnExistingName, AddNumberAnswer) {
  Presenter.Press(mtFileExists, dbYes);  // "Add number"
  Files.RenameFiles();
  EXPECT_EQ(Folder.ReadFile("x1.mp3"), "audio of b");
}

TEST_F(RenameFiles, OverwriteReplacesAFileThatIsNotListed) {
  Mp3("New");
  Config.ActionOnExistingFile = 1;
  Scan();
  Mp3("Target");  // made after the scan
  SetNewName("New", "Target");
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile("Target.mp3"), "audio of New");
  EXPECT_EQ(Log(), Report(kExistedHeading + " Overwrite the file", {"Target.mp3"}) + "\r\n");
}

// Swapping two names never loses a file, whatever the setting.
TEST_F(RenameFiles, SwapKeepsBothFiles) {
  for (uint8_t action : {0, 1, 2}) {
    SCOPED_TRACE(action);
    Files.ClearFiles();
    RemoveTree(Folder.Path());
    ASSERT_TRUE(CreateDir(ExcludeTrailingBackslash(Folder.Path())));
    Mp3("A");
    Mp3("B");
    Config.ActionOnExistingFile = action;
    Scan();
    SetNewName("A", "B");
    SetNewName("B", "A");
    Files.RenameFiles();
    EXPECT_EQ(Audio(), (Names{"audio of A", "audio of B"}));
    for (int32_t row = 0; row < Files.GetFileCount(); ++row) {
      const TFileInfo& entry = Entry(row);
      EXPECT_EQ(ReadThrough(entry), Folder.ReadFile(entry.Name + ".mp3")) << entry.Name;
    }
  }
}

TEST_F(RenameFiles, OverwriteNeverDeletesAListedFile) {
  Mp3("A");
  Mp3("B");
  Config.ActionOnExistingFile = 1;
  Scan();
  SetNewName("A", "B");
  EXPECT_FALSE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile("A.mp3"), "audio of A");
  EXPECT_EQ(Folder.ReadFile("B.mp3"), "audio of B");
  const TFileInfo& entry = Entry("A");
  EXPECT_TRUE(entry.NewNameSet);
  EXPECT_EQ(ReadThrough(entry), "audio of A");
  EXPECT_EQ(Log(), Report(kExistedHeading + " Overwrite the file", {"B.mp3"}) + "\r\n" +
                       Report(kFailedHeading, {"A.mp3 -> B.mp3"}) + "\r\n");
}

TEST_F(RenameFiles, OverwriteNeverDeletesAFileStillToBeRenamed) {
  Mp3("A");
  Mp3("B");
  Config.ActionOnExistingFile = 1;
  Scan();
  TFileInfo& b = Entry("B");
  FileClose(b.Handle);  // as if it could not be opened
  b.Handle = InvalidHandle;
  SetNewName("A", "B");
  SetNewName("B", "C");
  EXPECT_TRUE(Files.RenameFiles());
  const std::map<std::string, std::string> expected{
      {"A.mp3", "audio of A"}, {"C.mp3", "audio of B"}, {"Log.txt", Log()}};
  EXPECT_EQ(OnDisk(), expected);
}

TEST_F(RenameFiles, AnUnknownSettingTriesTheMoveAndReportsIt) {
  Mp3("A");
  Mp3("B");
  Config.ActionOnExistingFile = 9;
  Scan();
  SetNewName("A", "B");
  EXPECT_FALSE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile("A.mp3"), "audio of A");
  EXPECT_EQ(Log(), Report(kExistedHeading, {"B.mp3"}) + "\r\n" +
                       Report(kFailedHeading, {"A.mp3 -> B.mp3"}) + "\r\n");
}

TEST_F(RenameFiles, LetterCaseOnlyChangesAreRenamed) {
  Mp3("song");
  Mp3("\xE9t\xE9");
  Folder.WriteFile("Loud.MP3", "audio of Loud");
  Scan();
  SetNewName("song", "Song");
  SetNewName("\xE9t\xE9", "\xC9T\xC9");
  SetNewName("Loud", "Quiet");
  EXPECT_TRUE(Files.RenameFiles());
  const std::map<std::string, std::string> expected{{"Song.mp3", "audio of song"},
                                                    {"\xC9T\xC9.mp3", "audio of \xE9t\xE9"},
                                                    {"Quiet.mp3", "audio of Loud"}};
  EXPECT_EQ(OnDisk(), expected);
  EXPECT_TRUE(Presenter.Shown.empty());
  EXPECT_EQ(ReadThrough(Entry("Song")), "audio of song");
  EXPECT_EQ(ReadThrough(Entry("Quiet")), "audio of Loud");
  EXPECT_FALSE(Entry("Song").NewNameSet);
}

// Stand-in names while a file is moved or written are no longer than the final name.
TEST(DeepFolder, ALetterCaseChangeAndTheLogWorkWhereTheirNamesJustFit) {
  TempFolder top;
  std::string folder = top.Path();
  while (folder.size() < 250) {
    folder += std::string(std::min<size_t>(100, 249 - folder.size()), 'd') + "\\";
    ASSERT_TRUE(CreateDir(ExcludeTrailingBackslash(folder)));
  }
  const std::string inFolder = folder.substr(top.Path().size());
  top.WriteFile(inFolder + "b.mp3", "audio of b");
  top.WriteFile(inFolder + "song.mp3", "audio of song");
  TConfigBase config(TProgramPlace{top.Path(), folder});
  TConfigSession session;
  TFileRename files(config, session);
  files.ScanFolder();
  ASSERT_EQ(files.GetFileCount(), 2);
  for (auto [row, newName] : {std::pair{0, "song"}, {1, "Song"}}) {  // the first one clashes
    files.GetFileInfo(row)->NewName = newName;
    files.GetFileInfo(row)->NewNameSet = true;
  }
  EXPECT_TRUE(files.RenameFiles());
  files.ClearFiles();
  EXPECT_EQ(top.ReadFile(inFolder + "song1.mp3"), "audio of b");
  TSearchRec found;
  ASSERT_EQ(FindFirst(folder + "song.mp3", faAnyFile, found), 0);  // any case
  EXPECT_EQ(found.Name, "Song.mp3");
  FindClose(found);
  EXPECT_NE(top.ReadFile(inFolder + "Log.txt").find("song.mp3"), std::string::npos);
}

#ifdef _WIN32
TEST_F(RenameFiles, TheFilesOwnShortNameIsNoClash) {
  Mp3("A rather long song name");
  char shortPath[MAX_PATH];
  ASSERT_GT(GetShortPathNameA((Folder / "A rather long song name.mp3").c_str(), shortPath,
                              MAX_PATH),
            0u);
  const std::string shortName = ChangeFileExt(ExtractFileName(shortPath), "");
  ASSERT_NE(shortName, "A rather long song name");
  Scan();
  SetNewName("A rather long song name", shortName);
  EXPECT_TRUE(Files.RenameFiles());
  const std::map<std::string, std::string> expected{
      {shortName + ".mp3", "audio of A rather long song name"}};
  EXPECT_EQ(OnDisk(), expected);
  EXPECT_TRUE(Presenter.Shown.empty());
}
#endif

TEST_F(RenameFiles, ANumberedNameThatIsTheFilesOwnKeepsIt) {
  Mp3("Song");
  Mp3("Song1");
  Scan();
  SetNewName("Song1", "Song");
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Listed(), (Names{"Song", "Song1"}));
  EXPECT_FALSE(Entry("Song1").NewNameSet);
  EXPECT_EQ(Folder.ReadFile("Song1.mp3"), "audio of Song1");
}

TEST_F(RenameFiles, AFailedMoveIsReportedAndTheEntryStays) {
  Mp3("Gone");
  Mp3("Stays");
  Scan();
  TFileInfo& gone = Entry("Gone");
  FileClose(gone.Handle);
  gone.Handle = InvalidHandle;
  ASSERT_TRUE(DeleteFile(Folder / "Gone.mp3"));
  SetNewName("Gone", "New");
  ASSERT_TRUE(CreateDir(Folder / "Folder.mp3"));
  Config.ActionOnExistingFile = 1;
  SetNewName("Stays", "Folder");  // a folder is never overwritten
  EXPECT_FALSE(Files.RenameFiles());
  EXPECT_EQ(gone.Name, "Gone");
  EXPECT_EQ(gone.NewName, "New");
  EXPECT_TRUE(gone.NewNameSet);
  EXPECT_EQ(gone.Handle, InvalidHandle);
  EXPECT_EQ(Folder.ReadFile("Stays.mp3"), "audio of Stays");
  EXPECT_EQ(ReadThrough(Entry("Stays")), "audio of Stays");
  EXPECT_EQ(Log(), Report(kExistedHeading + " Overwrite the file", {"Folder.mp3"}) + "\r\n" +
                       Report(kFailedHeading, {"Gone.mp3 -> New.mp3", "Stays.mp3 -> Folder.mp3"}) +
                       "\r\n");
}

#ifdef _WIN32
TEST_F(RenameFiles, AFileHeldOpenElsewhereIsNotMoved) {
  Mp3("Busy");
  Scan();
  // Another program's handle without delete sharing makes the move fail.
  THandle other = FileOpen(Folder / "Busy.mp3", fmOpenRead | fmShareDenyNone);
  ASSERT_NE(other, InvalidHandle);
  SetNewName("Busy", "Free");
  EXPECT_FALSE(Files.RenameFiles());
  FileClose(other);
  EXPECT_EQ(Folder.ReadFile("Busy.mp3"), "audio of Busy");
  EXPECT_FALSE(FileExists(Folder / "Free.mp3"));
  const TFileInfo& entry = Entry("Busy");
  EXPECT_TRUE(entry.NewNameSet);
  EXPECT_EQ(ReadThrough(entry), "audio of Busy");
  EXPECT_EQ(Log(), Report(kFailedHeading, {"Busy.mp3 -> Free.mp3"}) + "\r\n");
}
#endif

TEST_F(RenameFiles, NamesThatCannotBeFileNamesAreRefused) {
  const size_t room = 259 - Folder.Path().size() - 4;  // the longest name that fits
  const Names refused = {"a/b", "..\\up", "c:d", "what?", "star*", "\"q\"", "<a>", "p|q",
                         "",    "tab\tname", std::string(room + 1, 'n')};
  for (size_t i = 0; i < refused.size(); ++i) Mp3("file " + IntToStr(static_cast<int64_t>(i)));
  Mp3("long");
  Scan();
  for (size_t i = 0; i < refused.size(); ++i)
    SetNewName("file " + IntToStr(static_cast<int64_t>(i)), refused[i]);
  SetNewName("long", std::string(room, 'n'));
  const std::vector<std::string> audio = Audio();
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Audio(), audio);
  EXPECT_EQ(OnDisk().size(), refused.size() + 2);  // the files and the log
  EXPECT_EQ(Folder.ReadFile(std::string(room, 'n') + ".mp3"), "audio of long");
  EXPECT_NE(Log().find("file 9.mp3 -> tab?name.mp3\r\n"), std::string::npos);
  EXPECT_EQ(static_cast<size_t>(CountChar(Log(), '>')), refused.size() + 1);  // "<a>" has one
}

TEST_F(RenameFiles, UndoThenRenameChangesNothing) {
  Mp3("a");
  Mp3("b");
  Scan();
  SelectAll();
  Files.AddTrackNumbers(1);
  Files.ResetNewNames();
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Listed(), (Names{"a", "b"}));
  EXPECT_FALSE(Entry("a").NewNameSet);
  EXPECT_TRUE(Presenter.Shown.empty());
  EXPECT_EQ(ReadThrough(Entry("b")), "audio of b");
}

TEST_F(RenameFiles, NothingToRenameMakesAnEmptyList) {
  Mp3("a");
  Config.SaveList = true;
  Scan();
  EXPECT_FALSE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile("List.txt"), "");
  EXPECT_FALSE(HasLog());
  EXPECT_TRUE(Presenter.Shown.empty());
}

// Windows opens "x.mp3." and "x.mp3 " as "x.mp3", and "x.mp3::$DATA" is its data.
TEST_F(RenameFiles, AListFileThatWouldLandOnAnMp3FileIsRefusedBeforeAnyRename) {
  Mp3("a");
  Mp3("b");
  Config.SaveList = true;
  Scan();
  Mp3("x");  // not listed, as past the 999th file
  const std::string self = ExtractFileName(ExcludeTrailingBackslash(Folder.Path()));
  const auto files = OnDisk();
  for (const std::string& name : {std::string("b.MP3"), "..\\" + self + "\\x.mp3.", std::string("x.mp3 "),
                                  std::string("x.mp3::$DATA"), std::string("x.mp3\\.")}) {
    Config.SetListName(name);
    SetNewName("a", "c");
    EXPECT_THROW(Files.RenameFiles(), EInOutError) << name;
    EXPECT_EQ(OnDisk(), files) << name;
  }
  Config.SetListName("missing folder\\List.txt");
  EXPECT_THROW(Files.RenameFiles(), EInOutError);
  EXPECT_TRUE(Entry("a").NewNameSet);
}

TEST_F(RenameFiles, ReadOnlyFilesAreReopenedForReading) {
  Mp3("locked");
  ASSERT_TRUE(FileSetReadOnly(Folder / "locked.mp3", true));
  Scan();
  SetNewName("locked", "still locked");
  EXPECT_TRUE(Files.RenameFiles());
  const TFileInfo& entry = Entry("still locked");
  EXPECT_EQ(entry.OpenMode, fmOpenRead);
  EXPECT_EQ(ReadThrough(entry), "audio of locked");
}

}  // namespace
