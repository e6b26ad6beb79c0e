// Random rename runs, seeded and so reproducible: swaps, chains, clashes, letter-case
// changes, device names and every list name that cannot be written (a device, ".", "..",
// a path, a folder of its name, a read-only or locked list), with failed moves and, in
// the native build, the program killed between any two steps. After each run no MP3
// file is lost or changed, the list of old names is there whenever a file was renamed,
// and a run that ended wrote its report to Log.txt.
#include "RenameFixture.h"

#include "app/rename/RenameRun.h"

#include "base/Exceptions.h"
#include "base/TextFileWriter.h"

#include <array>
#include <cstdio>
#include <random>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// What a run may meet on its way; the test's own seams count the steps.
enum class TTrouble { None, FailedMove, LockedList, Killed };

struct TStepSeams {
  TTrouble Trouble = TTrouble::None;
  int Step = 0;     // the step that fails or is killed, counted from 1
  int Counted = 0;  // steps so far
  std::string ListName;
};
TStepSeams Seams;

// True when this step is the one that goes wrong; a kill ends the process before it.
bool StepGoesWrong() {
  if (++Seams.Counted != Seams.Step) return false;
  if (Seams.Trouble == TTrouble::Killed) _exit(0);
  return true;
}
bool CountedMove(const std::string& oldName, const std::string& newName) {
  if (StepGoesWrong() && Seams.Trouble == TTrouble::FailedMove) return false;
  return RenameFile(oldName, newName);
}
int32_t CountedWrite(THandle handle, const void* buffer, int32_t count) {
  StepGoesWrong();
  return FileWrite(handle, buffer, count);
}
bool CountedReplace(const std::string& source, const std::string& target) {
  if (Seams.Trouble == TTrouble::LockedList && SameText(ExtractFileName(target), Seams.ListName))
    return false;
  StepGoesWrong();
  return MoveFileReplacing(source, target);
}

const Names kPool = {"a", "b", "c", "Song", "Song1", "song2", "x y", "Track 5"};
const Names kOddNames = {"Con.Air", "nul", "com1.b", "Prn.Live", "lpt9.z", "AUX.txt", "bad|name", ""};
// Half the runs have a list that can be written, unless its state says otherwise.
const Names kListNames = {"List.txt", "List.txt", "List.txt", "List.txt", "List.txt", "List.txt",
                          "List.txt", "List.txt", "CON",      "NUL",      ".",        "..",
                          "..\\escape.txt", "sub\\List.txt", "Log.txt", "Aux.list"};
enum class TListState { Missing, Old, Folder, ReadOnly, Locked };

// How often the runs met what they are to cover.
struct TTally {
  int Killed = 0, RenamedWithList = 0, ListRefused = 0, ListNotPutInPlace = 0;
};

class RandomRenames : public RenameFixture {
protected:
  // One run of the given seed.
  void Run(uint32_t seed, bool mayKill, TTally& tally);
  // Each MP3 file's name by its bytes, which tell the file apart.
  std::map<std::string, std::string> Mp3NamesByAudio() const {
    std::map<std::string, std::string> names;
    for (const auto& [name, bytes] : OnDisk())
      if (SameText(ExtractFileExt(name), ".mp3")) names[bytes] = name;
    return names;
  }
};

void RandomRenames::Run(uint32_t seed, bool mayKill, TTally& tally) {
  std::mt19937 random(seed);
  auto pick = [&](size_t count) { return static_cast<size_t>(random() % count); };
  SCOPED_TRACE("seed " + std::to_string(seed));

  // The folder: a few listed files, sometimes one more that appears after the scan.
  Names names;
  for (const std::string& name : kPool)
    if (pick(2) == 0) names.push_back(name);
  if (names.empty()) names.push_back("a");
  ListFresh(names);
  if (pick(4) == 0) Mp3("Song3");
  Config.SaveList = pick(5) != 0;
  const std::string listName = kListNames[pick(kListNames.size())];
  Config.SetListName(listName);
  const auto listState = static_cast<TListState>(pick(5));
  const bool plainList = listName == "List.txt";
  if (plainList && listState == TListState::Folder) CreateDir(Folder / listName);
  if (plainList && listState != TListState::Missing && listState != TListState::Folder)
    Folder.WriteFile(listName, "older list\r\n");
  if (plainList && listState == TListState::ReadOnly) FileSetReadOnly(Folder / listName, true);
  Config.ActionOnExistingFile = std::array{aeAddNumber, aeSkip, aeAsk}[pick(3)];
  Presenter.Press(mtFileExists, pick(2) == 0 ? dbYes : dbCancel);  // add a number, or stop

  // New names: other listed names (swaps and chains), clashes, letter case, odd names.
  Names oldNames;
  bool anyChange = false;
  for (int32_t row = 0; row < Files.GetFileCount(); ++row) {
    TFileInfo& entry = *Files.GetFileInfo(row);
    switch (pick(5)) {
      case 0: continue;
      case 1: entry.NewName = kOddNames[pick(kOddNames.size())]; break;
      case 2: entry.NewName = UpperCase(entry.Name); break;
      default: entry.NewName = kPool[pick(kPool.size())]; break;
    }
    entry.NewNameSet = true;
    oldNames.push_back(entry.Name + ".mp3");
    anyChange = anyChange || entry.NewName != entry.Name;
  }
  std::string expectedList;
  for (const std::string& name : oldNames) expectedList += name + "\r\n";

  Seams = {};
  Seams.ListName = listName;
  const int roll = static_cast<int>(pick(mayKill ? 4 : 3));
  Seams.Trouble = plainList && listState == TListState::Locked ? TTrouble::LockedList
                  : roll == 1                                  ? TTrouble::FailedMove
                  : roll == 3                                  ? TTrouble::Killed
                                                               : TTrouble::None;
  Seams.Step = 1 + static_cast<int>(pick(8));

  const std::map<std::string, std::string> namesBefore = Mp3NamesByAudio();
  const Names audio = Audio();
  const size_t shownBefore = Presenter.Shown.size();

  const TRenameMoveCall move = SetRenameMoveCall(CountedMove);
  const TFileWriteCall write = SetTextFileWriteCall(CountedWrite);
  const TFileReplaceCall replace = SetTextFileReplaceCall(CountedReplace);
  bool ended = true;
#ifndef _WIN32
  if (Seams.Trouble == TTrouble::Killed) {
    const pid_t child = fork();
    if (child == 0) {
      try {
        Files.RenameFiles();
      } catch (...) {
      }
      _exit(1);  // ended: nothing killed it
    }
    int status = 0;
    waitpid(child, &status, 0);
    ended = WIFEXITED(status) && WEXITSTATUS(status) == 1;
  } else
#endif
  {
    try {
      Files.RenameFiles();
    } catch (const EInOutError&) {
      ADD_FAILURE() << "the log could not be written";
    }
  }
  SetRenameMoveCall(move);
  SetTextFileWriteCall(write);
  SetTextFileReplaceCall(replace);

  EXPECT_EQ(Audio(), audio);  // none lost, none changed
  const bool renamed = Mp3NamesByAudio() != namesBefore;
  const bool listWritable = plainList && listState != TListState::Folder &&
                            listState != TListState::ReadOnly && listState != TListState::Locked;
  if (renamed && Config.SaveList) {
    EXPECT_TRUE(listWritable) << "renamed although the list could not be written";
    EXPECT_EQ(Folder.ReadFile(listName), expectedList);
  }
  if (Config.SaveList && !anyChange && plainList && listState == TListState::Old) {
    EXPECT_EQ(Folder.ReadFile(listName), "older list\r\n");  // nothing to rename
  }
  if (plainList && listState == TListState::ReadOnly) {
    EXPECT_EQ(Folder.ReadFile(listName), "older list\r\n");
    EXPECT_NE(FileGetAttr(Folder / listName) & faReadOnly, 0);
  }
  // A run that ended and had something to report left it in Log.txt (as the message
  // showed it; a killed child's messages are not seen here).
  if (Seams.Trouble != TTrouble::Killed) {
    for (size_t i = shownBefore; i < Presenter.Shown.size(); ++i) {
      if (Presenter.Shown[i].Caption == "Info") {
        EXPECT_EQ(Log() + "This text will be saved in the file Log.txt", Presenter.Shown[i].Text);
      }
    }
  }
  // A list name the file system cannot take is refused before anything else happens (a
  // list that cannot be put in place is found only when the first file is about to move).
  if (ended && Config.SaveList && anyChange && !plainList) {
    EXPECT_NE(Log().find(listName + "\r\n"), std::string::npos) << "the refused list is not logged";
  }
  EXPECT_FALSE(FileExists(ExtractFilePath(ExcludeTrailingBackslash(Folder.Path())) + "escape.txt"));

  tally.Killed += ended ? 0 : 1;
  tally.RenamedWithList += renamed && Config.SaveList ? 1 : 0;
  tally.ListRefused += ended && Config.SaveList && anyChange && !plainList ? 1 : 0;
  tally.ListNotPutInPlace += ended && Config.SaveList && !listWritable && plainList &&
                                     Log().find(listName + "\r\n") != std::string::npos
                                 ? 1
                                 : 0;
  Files.ClearFiles();
  if (plainList && listState == TListState::ReadOnly) FileSetReadOnly(Folder / listName, false);
}

TEST_F(RandomRenames, NoMp3IsLostAndTheListOfOldNamesIsThereWheneverAFileWasRenamed) {
#ifdef _WIN32
  constexpr uint32_t kRuns = 150;  // under Wine each file call costs more
  constexpr bool kMayKill = false;
#else
  constexpr uint32_t kRuns = 400;
  constexpr bool kMayKill = true;
#endif
  TTally tally;
  for (uint32_t seed = 1; seed <= kRuns && !HasFailure(); ++seed) Run(seed, kMayKill, tally);
  EXPECT_GT(tally.RenamedWithList, 10);
  EXPECT_GT(tally.ListRefused, 10);
  EXPECT_GT(tally.ListNotPutInPlace, 5);
  if (kMayKill) {
    EXPECT_GT(tally.Killed, 10);
  }
  std::printf("%d runs: %d renamed with a list, %d refused lists, %d lists not put in place, %d killed\n",
              int(kRuns), tally.RenamedWithList, tally.ListRefused, tally.ListNotPutInPlace, tally.Killed);
}

}  // namespace
