#include "RenameFixture.h"

#include "app/rename/RenameRun.h"

#include "base/Exceptions.h"
#include "base/SharedRoutines.h"
#include "base/StrUtils.h"

#include "Deadline.h"

#include <chrono>
#include <tuple>

#ifdef _WIN32
#include "base/win32/WinApi.h"
#endif

namespace {

using RenameFiles = RenameFixture;

TEST_F(RenameFiles, ExistingNamesAreNumberedAndLoggedBeforeTheReportShows) {
  ListFresh({"Song", "Song1", "Song2", "Other", "a", "Track 5", "b", "Take 10"});
  Config.SaveList = true;
  SetNewName("Other", "Song");
  SetNewName("a", "Track 5");
  SetNewName("b", "Take 10");
  std::string logWhileShown;
  Presenter.WhileOpen = [&](TMessageDialog&) { logWhileShown = Log(); };
  EXPECT_TRUE(Files.RenameFiles());
  const std::string log =
      Report(kExisted + " Add a number to the end", {"Track 5.mp3", "Take 10.mp3", "Song2.mp3"});
  EXPECT_EQ(Log(), log);
  EXPECT_EQ(logWhileShown, log);
  EXPECT_EQ(Folder.ReadFile("List.txt"), "a.mp3\r\nb.mp3\r\nOther.mp3\r\n");
  EXPECT_EQ(Folder.ReadFile("Track 6.mp3"), "audio of a");
  EXPECT_EQ(Folder.ReadFile("Take 11.mp3"), "audio of b");  // "0" starts over at 1
  EXPECT_EQ(Folder.ReadFile("Song3.mp3"), "audio of Other");
  EXPECT_FALSE(Entry("Song3").NewNameSet);
  EXPECT_EQ(ReadThrough(Entry("Song3")), "audio of Other");
  EXPECT_EQ(Presenter.Texts(), Names{"Info / " + StringReplace(log, "\r\n", "", rfReplaceAll) +
                                     "This text will be saved in the file Log.txt"});
}

// What each setting, and each answer when it asks, does with a name that exists: "b" is to
// become "x", which is listed and not to be renamed itself. A file that is not renamed
// keeps its name, its new name and an open handle.
TEST_F(RenameFiles, EachSettingActsOnANameThatExists) {
  const std::string ask = kExisted + " Ask what to do", failed = Report(kFailed, {"b.mp3 -> x.mp3"});
  const Names kept = {"A1", "b", "C1", "D1", "x"}, numbered = {"A1", "C1", "D1", "x", "x1"},
              overwritten = {"A1", "C1", "D1", "x"};
  const std::tuple<uint8_t, int, Names, std::string> cases[] = {
      {aeAddNumber, -1, numbered, Report(kExisted + " Add a number to the end", {"x.mp3"})},
      {aeOverwrite, -1, overwritten, Report(kExisted + " Overwrite the file", {"x.mp3"})},
      {aeSkip, -1, kept, Report(kExisted + " Skip the file", {"x.mp3"})},
      {9, -1, kept, Report(kExisted, {"x.mp3"}) + failed},  // unknown: tried, and refused
      {aeAsk, -1, kept, Report(ask, {"x.mp3"})},               // the question closed: skipped
      {aeAsk, dbCancel, {"A1", "b", "c", "d", "x"}, Report(ask, {"x.mp3"})},  // the run stops
      {aeAsk, dbYes, numbered, Report(ask, {"x.mp3"})},                       // "Add number"
      {aeAsk, dbNo, overwritten, Report(ask, {"x.mp3"})}};                    // "Overwrite"
  for (const auto& [action, answer, listed, log] : cases) {
    SCOPED_TRACE(std::to_string(action) + " " + std::to_string(answer));
    ListFresh({"a", "b", "c", "d", "x"});
    Config.ActionOnExistingFile = action;
    for (auto [name, newName] : {std::pair{"a", "A1"}, {"b", "x"}, {"c", "C1"}, {"d", "D1"}})
      SetNewName(name, newName);
    if (answer >= 0) Presenter.Press(mtFileExists, TDialogButton(answer));
    TFileInfo& x = Entry("x");
    Files.RenameFiles();
    if (listed[1] == "b") {  // not renamed
      EXPECT_EQ(Entry("b").NewName, "x");
      EXPECT_EQ(ReadThrough(Entry("b")), "audio of b");
    }
    if (listed == overwritten) {
      EXPECT_EQ(x.Handle, InvalidHandle);  // let go of before its file was deleted
      EXPECT_EQ(Folder.ReadFile("x.mp3"), "audio of b");
    }
    EXPECT_EQ(Log(), log);
    Files.ScanFolder();
    EXPECT_EQ(Listed(), listed);
    EXPECT_EQ(Audio().size(), listed.size());
  }
  const Names texts = Presenter.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Error / File already exists, what would you like to do now?x.mp3"), 4);
}

TEST_F(RenameFiles, OverwriteReplacesAFileThatIsNeitherListedNorStillToBeRenamed) {
  Config.ActionOnExistingFile = aeOverwrite;
  ListFresh({"New"});
  Mp3("Target");  // made after the scan
  SetNewName("New", "Target");
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(OnDisk().at("Target.mp3"), "audio of New");
#ifdef _WIN32
  // Another program holds the listed target without delete sharing: it stays, and so
  // does its entry's handle.
  ListFresh({"a", "x"});
  THandle other = FileOpen(Folder / "x.mp3", fmOpenRead | fmShareDenyNone);
  SetNewName("a", "x");
  EXPECT_FALSE(Files.RenameFiles());
  FileClose(other);
  EXPECT_EQ(ReadThrough(Entry("x")), "audio of x");
  EXPECT_EQ(ReadThrough(Entry("a")), "audio of a");
  EXPECT_NE(Log().find("a.mp3 -> x.mp3"), std::string::npos);
#endif
}

// A chain (A to B, B to C, C to D) and a swap under "Overwrite the file": a file still
// waiting for its own rename is never deleted; the rename onto it fails and is reported.
TEST_F(RenameFiles, OverwriteNeverDeletesAFileStillWaitingForItsOwnRename) {
  Config.ActionOnExistingFile = aeOverwrite;
  ListFresh({"A", "B", "C", "S", "T"});
  for (auto [name, newName] : {std::pair{"A", "B"}, {"B", "C"}, {"C", "D"}, {"S", "T"}, {"T", "S"}})
    SetNewName(name, newName);
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Audio(), (Names{"audio of A", "audio of B", "audio of C", "audio of S", "audio of T"}));
  EXPECT_EQ(Folder.ReadFile("D.mp3"), "audio of C");
  EXPECT_EQ(Log(), Report(kExisted + " Overwrite the file", {"B.mp3", "C.mp3", "T.mp3", "S.mp3"}) +
                       Report(kFailed, {"A.mp3 -> B.mp3", "B.mp3 -> C.mp3", "S.mp3 -> T.mp3", "T.mp3 -> S.mp3"}));
  for (const char* name : {"A", "B", "S", "T"}) {
    EXPECT_TRUE(Entry(name).NewNameSet) << name;
    EXPECT_EQ(ReadThrough(Entry(name)), std::string("audio of ") + name) << name;
  }
}

// Two files given one new name under "Overwrite the file": the first takes it, and the
// second never deletes it; the second keeps its name and is reported.
TEST_F(RenameFiles, OverwriteNeverDeletesAFileRenamedEarlierInTheSameRun) {
  Config.ActionOnExistingFile = aeOverwrite;
  ListFresh({"a", "b", "c"});
  for (const char* name : {"a", "b", "c"}) SetNewName(name, "x");
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Audio(), (Names{"audio of a", "audio of b", "audio of c"}));
  EXPECT_EQ(Folder.ReadFile("x.mp3"), "audio of a");
  EXPECT_EQ(Log(), Report(kExisted + " Overwrite the file", {"x.mp3", "x.mp3"}) +
                       Report(kFailed, {"b.mp3 -> x.mp3", "c.mp3 -> x.mp3"}));
  for (const char* name : {"b", "c"}) {
    EXPECT_TRUE(Entry(name).NewNameSet) << name;
    EXPECT_EQ(ReadThrough(Entry(name)), std::string("audio of ") + name) << name;
  }
}

// A rename clicked before the listed files were opened (in the main window's first
// moments) acts as after a whole scan: the same files, list, log and messages, and every
// entry holds its file afterwards.
TEST_F(RenameFiles, ARenameBeforeTheFilesWereOpenedActsAsAfterAWholeScan) {
  Config.SaveList = true;
  for (const uint8_t action : {aeAddNumber, aeOverwrite}) {
    std::string outcomes[2];
    for (const bool open : {true, false}) {
      SCOPED_TRACE(std::to_string(action) + (open ? " scanned" : " listed"));
      ListFresh({"a", "b", "c", "keep", "x"}, open);
      Presenter.Shown.clear();
      Config.ActionOnExistingFile = action;
      for (auto [name, newName] : {std::pair{"a", "x"}, {"b", "B"}, {"c", "d"}}) SetNewName(name, newName);
      EXPECT_TRUE(Files.RenameFiles());
      std::string& outcome = outcomes[open];
      for (int32_t row = 0; row < Files.GetFileCount(); ++row) {
        const TFileInfo& entry = *Files.GetFileInfo(row);
        EXPECT_TRUE(entry.Opened) << entry.Name;
        outcome += entry.Name + "|" + entry.NewName + "|" + (entry.NewNameSet ? "set|" : "|") +
                   ReadThrough(entry) + "\n";
      }
      for (const auto& [name, bytes] : OnDisk()) outcome += name + ": " + bytes + "\n";
      for (const std::string& text : Presenter.Texts()) outcome += text + "\n";
    }
    EXPECT_EQ(outcomes[false], outcomes[true]);
    EXPECT_NE(outcomes[true].find("B|B||audio of b"), std::string::npos) << outcomes[true];
  }
}

TEST_F(RenameFiles, LetterCaseChangesAndTheFilesOwnNamesAreNoClash) {
  ListFresh({"song", "\xE9t\xE9", "Song1"});
  Folder.WriteFile("Loud.MP3", "audio of Loud");
  Files.ScanFolder();
  SetNewName("song", "Song");
  SetNewName("\xE9t\xE9", "\xC9T\xC9");
  SetNewName("Loud", "Quiet");
  SetNewName("Song1", "Song");  // numbered as its own name
  EXPECT_TRUE(Files.RenameFiles());
  const std::map<std::string, std::string> expected{
      {"Song.mp3", "audio of song"}, {"\xC9T\xC9.mp3", "audio of \xE9t\xE9"},
      {"Quiet.mp3", "audio of Loud"}, {"Song1.mp3", "audio of Song1"}, {"Log.txt", Log()}};
  EXPECT_EQ(OnDisk(), expected);
  EXPECT_EQ(Log(), Report(kExisted + " Add a number to the end", {"Song.mp3"}));
  EXPECT_EQ(ReadThrough(Entry("Quiet")), "audio of Loud");
  EXPECT_FALSE(Entry("Song").NewNameSet);
#ifdef _WIN32
  ListFresh({"A rather long song name"});
  char shortPath[MAX_PATH];
  ASSERT_GT(GetShortPathNameA((Folder / "A rather long song name.mp3").c_str(), shortPath, MAX_PATH), 0u);
  const std::string shortName = ChangeFileExt(ExtractFileName(shortPath), "");
  SetNewName("A rather long song name", shortName);
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile(shortName + ".mp3"), "audio of A rather long song name");
  EXPECT_EQ(Log(), "");
#endif
}

// Stand-in names while a file is moved or written are no longer than the final name.
TEST(DeepFolder, ALetterCaseChangeAndTheLogWorkWhereTheirNamesJustFit) {
  TempFolder top;
  std::string folder = top.Path();
  // Folders of up to 100 letters until the path is 250 characters long (249 when the
  // temporary folder's own length leaves no room for one more letter).
  while (folder.size() < 249) {
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

TEST_F(RenameFiles, AFileThatCannotMoveIsReportedAndKeepsItsEntry) {
  ListFresh({"Gone", "Stays", "Busy"});
  TFileInfo& gone = Entry("Gone");
  FileClose(gone.Handle);
  gone.Handle = InvalidHandle;
  ASSERT_TRUE(DeleteFile(Folder / "Gone.mp3"));
  SetNewName("Gone", "New");
  ASSERT_TRUE(CreateDir(Folder / "Folder.mp3"));
  Config.ActionOnExistingFile = aeOverwrite;
  SetNewName("Stays", "Folder");  // a folder is never overwritten
#ifdef _WIN32
  // Another program's handle without delete sharing makes the move fail.
  THandle other = FileOpen(Folder / "Busy.mp3", fmOpenRead | fmShareDenyNone);
  SetNewName("Busy", "Free");
#endif
  EXPECT_FALSE(Files.RenameFiles());
  EXPECT_EQ(gone.NewName, "New");
  EXPECT_TRUE(gone.NewNameSet);
  EXPECT_EQ(gone.Handle, InvalidHandle);
  EXPECT_EQ(ReadThrough(Entry("Stays")), "audio of Stays");
  EXPECT_EQ(ReadThrough(Entry("Busy")), "audio of Busy");
  EXPECT_EQ(Audio(), (Names{"audio of Busy", "audio of Stays"}));
  Names failed = {"Gone.mp3 -> New.mp3", "Stays.mp3 -> Folder.mp3"};
#ifdef _WIN32
  FileClose(other);
  failed.insert(failed.begin(), "Busy.mp3 -> Free.mp3");
#endif
  EXPECT_EQ(Log(), Report(kExisted + " Overwrite the file", {"Folder.mp3"}) + Report(kFailed, failed));
}

// Undo leaves the flags set: a Rename after it takes each flagged entry to its own name,
// which moves nothing and still counts as done.
TEST_F(RenameFiles, AFlaggedEntryWhoseNewNameIsItsOwnNameCountsAsRenamed) {
  ListFresh({"a", "b"});
  SetNewName("a", "a");
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_FALSE(Entry("a").NewNameSet);
  EXPECT_EQ(ReadThrough(Entry("a")), "audio of a");
  EXPECT_EQ(Log(), "");
  EXPECT_TRUE(Presenter.Texts().empty());
}

// A name another program takes just as the file moves there: the move fails, and the
// name exists without the run's listing of the folder knowing it.
bool TakenAtTheMove(const std::string&, const std::string& newName) {
  THandle taken = FileCreate(newName);
  if (taken != InvalidHandle) FileClose(taken);
  return false;
}

TEST_F(RenameFiles, AFileThatMeetsAThousandExistingNamesIsGivenUpAndReported) {
  ListFresh({"a"});
  SetNewName("a", "Song");
  const TRenameMoveCall previous = SetRenameMoveCall(TakenAtTheMove);
  const bool renamed = Files.RenameFiles();
  SetRenameMoveCall(previous);
  EXPECT_FALSE(renamed);
  EXPECT_TRUE(Entry("a").NewNameSet);
  EXPECT_EQ(ReadThrough(Entry("a")), "audio of a");
  EXPECT_EQ(OnDisk().size(), 1u + 1001u + 1u);  // "a", "Song" and "Song1" to "Song1000", the log
  EXPECT_EQ(Log(), Report(kExisted + " Add a number to the end", {"Song999.mp3"}) +
                       Report(kFailed, {"a.mp3 -> Song1000.mp3"}));
}

TEST_F(RenameFiles, NamesThatCannotBeFileNamesAreRefused) {
  const size_t room = 259 - Folder.Path().size() - 4;  // the longest name that fits
  const Names refused = {"a/b", "..\\up", "c:d", "what?", "star*", "\"q\"", "<a>", "p|q",
                         "",    "tab\tname", std::string(room + 1, 'n')};
  Names names = {"long"};
  for (size_t i = 0; i < refused.size(); ++i) names.push_back("file " + IntToStr(int64_t(i)));
  ListFresh(names);
  for (size_t i = 0; i < refused.size(); ++i) SetNewName("file " + IntToStr(int64_t(i)), refused[i]);
  SetNewName("long", std::string(room, 'n'));
  const Names audio = Audio();
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Audio(), audio);
  EXPECT_EQ(Folder.ReadFile(std::string(room, 'n') + ".mp3"), "audio of long");
  EXPECT_NE(Log().find("file 9.mp3 -> tab?name.mp3\r\n"), std::string::npos);
  EXPECT_EQ(static_cast<size_t>(CountChar(Log(), '>')), refused.size() + 1);  // "<a>" has one
}

// Windows opens these names as devices, never as files, and they always "exist": adding
// a number would never end (a hang, which the deadline fails) and skipping would report
// a clash that is not there. They are refused like other names the system cannot take,
// also where a number would make one ("COM" numbered on is "COM1").
TEST_F(RenameFiles, DeviceNamesAreRefusedWhateverTheSetting) {
  TDeadline deadline(std::chrono::seconds(60), "renaming files to device names");
  const Names devices = {"Con.Air", "nul.x", "AUX.txt", "com1.b", "Prn.Live", "lpt9.z", "NUL", "cOn .x"};
  Names names, failed;
  for (size_t i = 0; i < devices.size(); ++i) {
    names.push_back("f" + IntToStr(int64_t(i)));
    failed.push_back(names.back() + ".mp3 -> " + devices[i] + ".mp3");
  }
  for (uint8_t action : {aeAddNumber, aeSkip}) {
    SCOPED_TRACE(int(action));
    ListFresh(names);
    Mp3("COM");
    Mp3("clash");
    Files.ScanFolder();
    Config.ActionOnExistingFile = action;
    for (size_t i = 0; i < devices.size(); ++i) SetNewName(names[i], devices[i]);
    SetNewName("clash", "COM");
    const Names audio = Audio();
    Files.RenameFiles();
    EXPECT_EQ(Audio(), audio);
    Files.ScanFolder();
    Names listed = names;
    listed.insert(listed.begin(), {"clash", "COM"});
    EXPECT_EQ(Listed(), listed);
    Names allFailed = failed;
    if (action == aeAddNumber) allFailed.insert(allFailed.begin(), "clash.mp3 -> COM1.mp3");
    EXPECT_EQ(Log(), Report(kExisted + (action == aeAddNumber ? " Add a number to the end" : " Skip the file"),
                            {"COM.mp3"}) + Report(kFailed, allFailed));
  }
}

// The free number comes from one listing of the folder that the run's own moves keep
// current: a name this run freed is taken again, and the report names the last name that
// existed.
TEST_F(RenameFiles, NumberingTakesTheFirstFreeNumberAsTheFolderIsNow) {
  ListFresh({"Song", "Song1", "Song3", "Song4", "x", "y", "z"});
  ASSERT_TRUE(CreateDir(Folder / "Song5.mp3"));  // a folder takes a name too
  SetNewName("Song3", "w");  // renamed first: Song3 is free again for y
  SetNewName("x", "Song");
  SetNewName("y", "Song");
  SetNewName("z", "Song4");
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile("Song2.mp3"), "audio of x");
  EXPECT_EQ(Folder.ReadFile("Song3.mp3"), "audio of y");
  EXPECT_EQ(Folder.ReadFile("Song6.mp3"), "audio of z");
  EXPECT_EQ(Folder.ReadFile("w.mp3"), "audio of Song3");
  EXPECT_EQ(Log(), Report(kExisted + " Add a number to the end", {"Song1.mp3", "Song2.mp3", "Song5.mp3"}));
}

TEST_F(RenameFiles, NoNewNamesListNothingAndAReadOnlyFileIsReopenedForReading) {
  ListFresh({"locked"});
  Config.SaveList = true;
  EXPECT_FALSE(Files.RenameFiles());
  EXPECT_FALSE(FileExists(Folder / "List.txt"));  // nothing renamed: no list
  ASSERT_TRUE(FileSetReadOnly(Folder / "locked.mp3", true));
  Files.ScanFolder();
  SetNewName("locked", "still locked");
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Entry("still locked").OpenMode, fmOpenRead);
  EXPECT_EQ(ReadThrough(Entry("still locked")), "audio of locked");
  EXPECT_TRUE(Presenter.Shown.empty());
}

// Windows opens "x.mp3." and "x.mp3 " as "x.mp3", and "x.mp3::$DATA" is its data.
TEST_F(RenameFiles, AListFileThatWouldLandOnAnMp3FileIsRefusedBeforeAnyRenameAndLogged) {
  ListFresh({"a", "b"});
  Config.SaveList = true;
  Mp3("x");  // not listed, as past the 999th file
  const std::string self = ExtractFileName(ExcludeTrailingBackslash(Folder.Path()));
  const auto files = OnDisk();
  SetNewName("a", "c");
  for (const std::string& name : {std::string("b.MP3"), "..\\" + self + "\\x.mp3.", std::string("x.mp3 "),
                                  std::string("x.mp3::$DATA"), std::string("x.mp3\\."),
                                  std::string("missing folder\\List.txt")}) {
    Config.SetListName(name);
    EXPECT_FALSE(Files.RenameFiles()) << name;
    auto withLog = files;
    withLog["Log.txt"] = Report(kFailed, {name, "a.mp3 -> c.mp3"});
    EXPECT_EQ(OnDisk(), withLog) << name;
    ASSERT_TRUE(DeleteFile(Folder / "Log.txt"));
  }
  EXPECT_TRUE(Entry("a").NewNameSet);
}

}  // namespace
