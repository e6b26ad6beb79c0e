#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/TextFileWriter.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(TextFileWriter, ReplacesTheFileWhenClosedAndEndsLinesWithCrLf) {
  TempFolder folder;
  folder.WriteFile("log.txt", "an older and longer text");
  folder.WriteFile("log.t~1", "left behind by a killed writer");
  TTextFileWriter writer(folder / "log.txt");
  writer.WriteLine("one");
  writer.Write("two");
  writer.WriteLine("");
  EXPECT_EQ(folder.ReadFile("log.txt"), "an older and longer text");
  writer.Close();
  EXPECT_EQ(folder.ReadFile("log.txt"), "one\r\ntwo\r\n");
  EXPECT_FALSE(FileExists(folder / "log.t~1"));  // a killed writer's, removed on success
  EXPECT_FALSE(FileExists(folder / "log.t~2"));
  EXPECT_THROW(writer.WriteLine("late"), EInOutError);
}

// A disk that fills up after the first bytes.
int32_t WriteFirstBytesOnly(THandle handle, const void* buffer, int32_t count) {
  static int32_t room = 4;
  const int32_t n = std::min(count, room);
  room -= n;
  return n > 0 ? FileWrite(handle, buffer, n) : -1;
}

TEST(TextFileWriter, AWriteThatFailsPartWayLeavesTheFileAsItWas) {
  TempFolder folder;
  folder.WriteFile("log.txt", "old");
  const TFileWriteCall previous = SetTextFileWriteCall(WriteFirstBytesOnly);
  EXPECT_THROW(WriteTextFile(folder / "log.txt", "a text that does not fit"), EInOutError);
  SetTextFileWriteCall(previous);
  EXPECT_EQ(folder.ReadFile("log.txt"), "old");
  EXPECT_FALSE(FileExists(folder / "log.t~1"));
  {
    TTextFileWriter abandoned(folder / "log.txt");  // never closed
    abandoned.Write("new");
  }
  EXPECT_EQ(folder.ReadFile("log.txt"), "old");
  EXPECT_FALSE(FileExists(folder / "log.t~1"));
}

// Killed writers leave their stand-ins; however many there are, the next write finds a
// free name and, once it succeeds, removes them. What is not a stand-in of the target
// (another file's, a read-only file, a folder, bare digits) stays.
TEST(TextFileWriter, StandInsLeftBehindNeverRunOutAndGoWithTheNextWrite) {
  TempFolder folder;
  folder.WriteFile("Settings.ini", "old");
  for (int i = 1; i <= 150; ++i) folder.WriteFile(StandInName("Settings.ini", i), "killed");
  const Names others = {"Log.t~1", "Settings.ini~1", "Settings.i~0", "Settings.i~x"};
  for (const std::string& other : others) folder.WriteFile(other, "someone else's");
  folder.WriteFile("Settings.i~151", "read-only");
  ASSERT_TRUE(FileSetReadOnly(folder / "Settings.i~151", true));
  ASSERT_TRUE(CreateDir(folder / "Settings.i~152"));
  WriteTextFile(folder / "Settings.ini", "new");
  EXPECT_EQ(folder.ReadFile("Settings.ini"), "new");
  Names left;
  TSearchRec found;
  for (int more = FindFirst(folder / "*", faAnyFile, found); more == 0; more = FindNext(found))
    if (found.Name != "." && found.Name != ".." && found.Name != "Settings.ini") left.push_back(found.Name);
  FindClose(found);
  std::sort(left.begin(), left.end());
  Names expected = others;
  expected.insert(expected.end(), {"Settings.i~151", "Settings.i~152"});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(left, expected);
  ASSERT_TRUE(FileSetReadOnly(folder / "Settings.i~151", false));
}

TEST(TextFileWriter, AReadOnlyTargetIsNeverReplaced) {
  TempFolder folder;
  folder.WriteFile("log.txt", "kept");
  ASSERT_TRUE(FileSetReadOnly(folder / "log.txt", true));
  EXPECT_THROW(WriteTextFile(folder / "log.txt", "new"), EInOutError);
  EXPECT_EQ(folder.ReadFile("log.txt"), "kept");
  EXPECT_NE(FileGetAttr(folder / "log.txt") & faReadOnly, 0);
  EXPECT_FALSE(FileExists(folder / "log.t~1"));
  ASSERT_TRUE(FileSetReadOnly(folder / "log.txt", false));
}

TEST(TextFileWriter, AFileThatCannotBeMadeRaisesAnInputOutputError) {
  TempFolder folder;
  EXPECT_THROW(TTextFileWriter(folder / "missing\\log.txt"), EInOutError);
}

}  // namespace
