#include "base/Exceptions.h"
#include "base/TextFileWriter.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFileWriter, ReplacesTheFileAndEndsLinesWithCrLf) {
  TempFolder folder;
  folder.WriteFile("log.txt", "an older and longer text");
  TTextFileWriter writer(folder / "log.txt");
  writer.WriteLine("one");
  writer.Write("two");
  writer.WriteLine("");
  writer.Close();
  EXPECT_EQ(folder.ReadFile("log.txt"), "one\r\ntwo\r\n");
  EXPECT_THROW(writer.WriteLine("late"), EInOutError);
}

TEST(TextFileWriter, AFileThatCannotBeMadeRaisesAnInputOutputError) {
  TempFolder folder;
  EXPECT_THROW(TTextFileWriter(folder / "missing\\log.txt"), EInOutError);
}

}  // namespace
