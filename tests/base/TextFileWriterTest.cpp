#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/TextFileWriter.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

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
  EXPECT_EQ(folder.ReadFile("log.t~1"), "left behind by a killed writer");
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

TEST(TextFileWriter, AFileThatCannotBeMadeRaisesAnInputOutputError) {
  TempFolder folder;
  EXPECT_THROW(TTextFileWriter(folder / "missing\\log.txt"), EInOutError);
}

}  // namespace
