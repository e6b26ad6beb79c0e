// Rewriting a listed file through a temporary copy beside it.
#include "StreamText.h"
#include "TagFixtures.h"

#include "tags/FileAccess.h"
#include "tags/TempCopy.h"

#include "base/Exceptions.h"
#include "base/StrUtils.h"

#include <gtest/gtest.h>

namespace {

const std::string kOriginal = "original bytes of the file";

TEST(TempCopy, OnlyACompleteCopyReplacesTheFile) {
  TListedFile file(kOriginal);
  EXPECT_FALSE(RewriteThroughTempCopy(file.Entry, [](TStream& source, TStream& copy) {
    copy.CopyFrom(source, 4);
    throw EReadError("Stream read error");
  }));
  EXPECT_FALSE(RewriteThroughTempCopy(file.Entry, [](TStream& source, TStream& copy) {
    copy.CopyFrom(source, 1000);  // more than the source holds
  }));
  EXPECT_EQ(file.Contents(), kOriginal);
  EXPECT_EQ(FileSizeOf(file.Entry.Handle), int64_t(kOriginal.size()));

  ASSERT_TRUE(RewriteThroughTempCopy(file.Entry, [](TStream& source, TStream& copy) {
    copy.CopyFrom(source, 8);
    WriteText(copy, "+new");
  }));
  EXPECT_EQ(file.Contents(), "original+new");
  EXPECT_EQ(FileSizeOf(file.Entry.Handle), 12);  // reopened on the new file
  EXPECT_FALSE(FileExists(file.Folder() + "Song.tmp"));
}

TEST(TempCopy, TemporaryFilesThatExistAreLeftAlone) {
  TListedFile file(kOriginal);
  const std::string folder = file.Folder();
  {
    TFileStream taken(folder + "Song.tmp", fmCreate);
    WriteText(taken, "someone else's");
  }
  for (int i = 1; i < 100; ++i) ASSERT_TRUE(CreateDir(folder + "Song." + IntToStr(i) + ".tmp"));
  // Every name taken: nothing happens.
  auto fill = [](TStream&, TStream& copy) { WriteText(copy, "rewritten"); };
  EXPECT_FALSE(RewriteThroughTempCopy(file.Entry, fill));
  EXPECT_EQ(file.Contents(), kOriginal);
  // The first free name is used.
  ASSERT_TRUE(RemoveDir(folder + "Song.7.tmp"));
  ASSERT_TRUE(RewriteThroughTempCopy(file.Entry, fill));
  EXPECT_EQ(file.Contents(), "rewritten");
  EXPECT_EQ(ReadFileBytes(folder + "Song.tmp"), "someone else's");
  EXPECT_FALSE(FileExists(folder + "Song.7.tmp") || DirectoryExists(folder + "Song.7.tmp"));
}

// Made read-only after it was listed (and opened for writing): Windows refuses to replace
// it, and so does the rewrite everywhere; the file keeps its bytes and its mark.
TEST(TempCopy, AReadOnlyFileIsNotReplaced) {
  TListedFile file(kOriginal);
  ASSERT_TRUE(FileSetReadOnly(file.Path(), true));
  EXPECT_FALSE(RewriteThroughTempCopy(file.Entry, [](TStream&, TStream& copy) {
    WriteText(copy, "rewritten");
  }));
  EXPECT_NE(FileGetAttr(file.Path()) & faReadOnly, 0);
  EXPECT_EQ(file.Contents(), kOriginal);
  EXPECT_FALSE(FileExists(file.Folder() + "Song.tmp"));
  ASSERT_TRUE(FileSetReadOnly(file.Path(), false));
}

#ifdef _WIN32
TEST(TempCopy, FileHeldOpenElsewhereIsNotReplaced) {
  TListedFile file(kOriginal);
  // Another handle without delete sharing makes the replacement fail.
  THandle other = FileOpen(file.Path(), fmOpenRead | fmShareDenyNone);
  ASSERT_NE(other, InvalidHandle);
  EXPECT_FALSE(RewriteThroughTempCopy(file.Entry, [](TStream&, TStream& copy) {
    WriteText(copy, "rewritten");
  }));
  FileClose(other);
  EXPECT_EQ(file.Contents(), kOriginal);
  EXPECT_EQ(FileSizeOf(file.Entry.Handle), int64_t(kOriginal.size()));
  EXPECT_FALSE(FileExists(file.Folder() + "Song.tmp"));
}
#endif

}  // namespace
