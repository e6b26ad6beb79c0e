// The list of old names of a rename run: written whole and put in place before the
// folder changes at all, left as it was when nothing is renamed, and a list that cannot
// be written stops the run before any rename, which the report and Log.txt then tell.
#include "RenameFixture.h"

#include "app/rename/RenameRun.h"

#include "base/Exceptions.h"
#include "base/TextFileWriter.h"

#include <optional>

namespace {

using RenameList = RenameFixture;

const char kOldList[] = "older.mp3\r\n";

// What the list file holds when the first file moves.
std::string ListAtFirstMove;
std::string ListPathSeen;
bool NoteListAndMove(const std::string& oldName, const std::string& newName) {
  if (ListAtFirstMove.empty())
    ListAtFirstMove = FileExists(ListPathSeen) ? ReadFileBytes(ListPathSeen) : "(none)";
  return RenameFile(oldName, newName);
}

TEST_F(RenameList, TheListIsInPlaceBeforeTheFirstFileMoves) {
  ListFresh({"a", "b", "c"});
  Folder.WriteFile("List.txt", kOldList);
  Config.SaveList = true;
  SetNewName("a", "x");
  SetNewName("b", "b");  // flagged, its name unchanged: listed all the same
  ListPathSeen = Config.ListPath();
  ListAtFirstMove.clear();
  const TRenameMoveCall previous = SetRenameMoveCall(NoteListAndMove);
  EXPECT_TRUE(Files.RenameFiles());
  SetRenameMoveCall(previous);
  EXPECT_EQ(ListAtFirstMove, "a.mp3\r\nb.mp3\r\n");
  EXPECT_EQ(Folder.ReadFile("List.txt"), "a.mp3\r\nb.mp3\r\n");
  EXPECT_EQ(Folder.ReadFile("x.mp3"), "audio of a");
}

// A call per line would cost a run as much as its renames.
int WriteCalls = 0;
int32_t CountedWrite(THandle handle, const void* buffer, int32_t count) {
  ++WriteCalls;
  return FileWrite(handle, buffer, count);
}

TEST_F(RenameList, TheListIsWrittenWithOneCall) {
  ListFresh({"a", "b", "c", "d"});
  Config.SaveList = true;
  for (const char* name : {"a", "b", "c", "d"}) SetNewName(name, std::string(name) + " new");
  WriteCalls = 0;
  const TFileWriteCall previous = SetTextFileWriteCall(CountedWrite);
  EXPECT_TRUE(Files.RenameFiles());
  SetTextFileWriteCall(previous);
  EXPECT_EQ(WriteCalls, 1);
  EXPECT_EQ(Folder.ReadFile("List.txt"), "a.mp3\r\nb.mp3\r\nc.mp3\r\nd.mp3\r\n");
  EXPECT_EQ(Folder.ReadFile("d new.mp3"), "audio of d");
}

// After Tag -> Filename and a Save, every later Save runs the rename again with nothing
// left to rename; the main window's Rename may do the same. The list stays.
TEST_F(RenameList, ARunThatRenamesNothingLeavesTheListAsItWas) {
  ListFresh({"a", "b", "taken"});
  Config.SaveList = true;
  SetNewName("a", "x");
  SetNewName("b", "y");
  EXPECT_TRUE(Files.RenameFiles());
  const std::string list = Folder.ReadFile("List.txt");
  ASSERT_EQ(list, "a.mp3\r\nb.mp3\r\n");
  EXPECT_FALSE(Files.RenameFiles());  // the flags went with the renames
  EXPECT_EQ(Folder.ReadFile("List.txt"), list);
  Files.ScanFolder();
  SetNewName("x", "x");  // flagged, the same name
  EXPECT_TRUE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile("List.txt"), list);
  Config.ActionOnExistingFile = aeSkip;
  SetNewName("y", "taken");  // skipped: nothing moves
  EXPECT_FALSE(Files.RenameFiles());
  EXPECT_EQ(Folder.ReadFile("List.txt"), list);
  EXPECT_EQ(Log(), Report(kExisted + " Skip the file", {"taken.mp3"}));
}

// A list name the file system cannot take, one that would leave the working folder, a
// folder of the list's name and a read-only list: nothing is renamed, nothing is
// written outside, and the report and Log.txt say which file failed.
TEST_F(RenameList, AListThatCannotBeWrittenStopsTheRunBeforeAnyRename) {
  const std::string parent = ExtractFilePath(ExcludeTrailingBackslash(Folder.Path()));
  const Names names = {"CON", "nul", "Aux.txt", "com1", "LPT9.list", ".", "..", "..\\escape.txt",
                       "..\\outside\\List.txt", "sub/List.txt", "C:List.txt", "bad|name",
                       "Log.txt", "List.txt"};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    ListFresh({"a", "b"});
    Config.SaveList = true;
    Config.SetListName(name);
    if (name == "List.txt") {
      ASSERT_TRUE(CreateDir(Folder / "List.txt"));
    }
    SetNewName("a", "c");
    SetNewName("b", "b");
    const auto before = OnDisk();
    EXPECT_FALSE(Files.RenameFiles());
    auto after = before;
    after["Log.txt"] = Report(kFailed, {name, "a.mp3 -> c.mp3"});
    EXPECT_EQ(OnDisk(), after);
    EXPECT_TRUE(Entry("a").NewNameSet);
    EXPECT_EQ(ReadThrough(Entry("a")), "audio of a");
    EXPECT_FALSE(FileExists(parent + "escape.txt"));
    EXPECT_FALSE(DirectoryExists(parent + "outside"));
  }
  EXPECT_EQ(Presenter.Shown.size(), names.size());
}

#ifndef _WIN32
// Another program holds the list.
bool ListLocked(const std::string& source, const std::string& target) {
  return ExtractFileName(target) != "List.txt" && MoveFileReplacing(source, target);
}
#endif

TEST_F(RenameList, AListThatCannotBePutInPlaceKeepsItsBytesAndNothingIsRenamed) {
  for (const bool readOnly : {true, false}) {
    SCOPED_TRACE(readOnly ? "read-only" : "locked");
    ListFresh({"a"});
    Folder.WriteFile("List.txt", kOldList);
    Config.SaveList = true;
    SetNewName("a", "c");
#ifdef _WIN32
    // Another program holds the list without delete sharing.
    THandle other = readOnly ? InvalidHandle : FileOpen(Folder / "List.txt", fmOpenRead | fmShareDenyNone);
#else
    const TFileReplaceCall previous = readOnly ? nullptr : SetTextFileReplaceCall(ListLocked);
#endif
    if (readOnly) {
      ASSERT_TRUE(FileSetReadOnly(Folder / "List.txt", true));
    }
    EXPECT_FALSE(Files.RenameFiles());
#ifdef _WIN32
    if (other != InvalidHandle) FileClose(other);
#else
    if (!readOnly) SetTextFileReplaceCall(previous);
#endif
    EXPECT_EQ(Folder.ReadFile("List.txt"), kOldList);
    EXPECT_EQ(FileGetAttr(Folder / "List.txt") & faReadOnly, readOnly ? faReadOnly : 0);
    EXPECT_EQ(Folder.ReadFile("a.mp3"), "audio of a");
    EXPECT_FALSE(FileExists(Folder / "c.mp3"));
    EXPECT_FALSE(FileExists(Folder / "List.t~1"));
    EXPECT_EQ(Log(), Report(kFailed, {"List.txt", "a.mp3 -> c.mp3"}));
    if (readOnly) {
      ASSERT_TRUE(FileSetReadOnly(Folder / "List.txt", false));
    }
  }
}

// A read-only Log.txt is not replaced: the report is shown, then the failure.
TEST_F(RenameList, AReadOnlyLogKeepsItsBytesAndTheFailureIsRaisedAfterTheReport) {
  ListFresh({"a", "x"});
  Folder.WriteFile("Log.txt", "older log");
  ASSERT_TRUE(FileSetReadOnly(Folder / "Log.txt", true));
  SetNewName("a", "x");
  EXPECT_THROW(Files.RenameFiles(), EInOutError);
  EXPECT_EQ(Presenter.Shown.size(), 1u);
  EXPECT_EQ(Folder.ReadFile("Log.txt"), "older log");
  EXPECT_NE(FileGetAttr(Folder / "Log.txt") & faReadOnly, 0);
  ASSERT_TRUE(FileSetReadOnly(Folder / "Log.txt", false));
}

// Handed back instead, the failure leaves the result: the file was renamed all the same.
TEST_F(RenameList, ALogThatCannotBeWrittenCanBeHandedBackWithTheResult) {
  ListFresh({"a", "x"});
  ASSERT_TRUE(CreateDir(Folder / "Log.txt"));
  SetNewName("a", "x");
  std::optional<std::string> logFailure;
  EXPECT_TRUE(Files.RenameFiles(logFailure));
  ASSERT_TRUE(logFailure);
  EXPECT_NE(logFailure->find(Folder / "Log.txt"), std::string::npos) << *logFailure;
  EXPECT_EQ(Presenter.Shown.size(), 1u);  // the report, not the failure
  EXPECT_TRUE(FileExists(Folder / "x1.mp3"));
}

}  // namespace
