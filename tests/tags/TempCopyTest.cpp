#include "TagFixtures.h"

#include "tags/TempCopy.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

const std::string kOriginal = "original bytes of the file";

void WriteText(TStream& stream, const std::string& text) {
  stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

std::string ReadAll(THandle handle) {
  THandleStream stream(handle);
  stream.Seek(0, soBeginning);
  std::string bytes(static_cast<size_t>(stream.Size()), '\0');
  stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}

TEST(TempCopy, CompleteCopyReplacesTheFile) {
  TListedFile file(kOriginal);
  bool ok = RewriteThroughTempCopy(file.Entry, [](TStream& source, TStream& copy) {
    copy.CopyFrom(source, 8);
    WriteText(copy, "+new");
  });
  ASSERT_TRUE(ok);
  EXPECT_EQ(file.Contents(), "original+new");
  ASSERT_NE(file.Entry.Handle, InvalidHandle);
  EXPECT_EQ(ReadAll(file.Entry.Handle), "original+new");
  EXPECT_FALSE(FileExists(file.Folder() + "Song.tmp"));
}

TEST(TempCopy, FailedCopyLeavesTheFileWhole) {
  TListedFile file(kOriginal);
  bool ok = RewriteThroughTempCopy(file.Entry, [](TStream& source, TStream& copy) {
    copy.CopyFrom(source, 4);
    throw EReadError("Stream read error");
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(file.Contents(), kOriginal);
  ASSERT_NE(file.Entry.Handle, InvalidHandle);
  EXPECT_EQ(ReadAll(file.Entry.Handle), kOriginal);
  EXPECT_FALSE(FileExists(file.Folder() + "Song.tmp"));

  // A source shorter than asked for fails the same way.
  EXPECT_FALSE(RewriteThroughTempCopy(file.Entry, [](TStream& source, TStream& copy) {
    copy.CopyFrom(source, 1000);
  }));
  EXPECT_EQ(file.Contents(), kOriginal);
}

TEST(TempCopy, ExistingTemporaryFilesAreLeftAlone) {
  TListedFile file(kOriginal);
  std::string folder = file.Folder();
  {
    TFileStream taken(folder + "Song.tmp", fmCreate);
    WriteText(taken, "someone else's");
  }
  ASSERT_TRUE(CreateDir(folder + "Song.1.tmp"));
  ASSERT_TRUE(RewriteThroughTempCopy(file.Entry, [](TStream&, TStream& copy) {
    WriteText(copy, "rewritten");
  }));
  EXPECT_EQ(file.Contents(), "rewritten");
  TMemoryStream kept;
  kept.LoadFromFile(folder + "Song.tmp");
  EXPECT_EQ(std::string(kept.Bytes().begin(), kept.Bytes().end()), "someone else's");
  EXPECT_TRUE(DirectoryExists(folder + "Song.1.tmp"));
  EXPECT_FALSE(FileExists(folder + "Song.2.tmp"));
  RemoveDir(folder + "Song.1.tmp");
}

TEST(TempCopy, WhenEveryCopyNameIsTakenNothingHappens) {
  TListedFile file(kOriginal);
  std::string folder = file.Folder();
  ASSERT_TRUE(CreateDir(folder + "Song.tmp"));
  for (int i = 1; i < 100; ++i) ASSERT_TRUE(CreateDir(folder + "Song." + std::to_string(i) + ".tmp"));
  bool called = false;
  EXPECT_FALSE(RewriteThroughTempCopy(file.Entry, [&](TStream&, TStream&) { called = true; }));
  EXPECT_FALSE(called);
  EXPECT_EQ(file.Contents(), kOriginal);
  EXPECT_NE(file.Entry.Handle, InvalidHandle);
}

TEST(TempCopy, EntriesNotOpenForWritingAreRefused) {
  TListedFile readOnly(kOriginal, fmOpenRead);
  auto fill = [](TStream&, TStream& copy) { WriteText(copy, "x"); };
  EXPECT_FALSE(RewriteThroughTempCopy(readOnly.Entry, fill));
  readOnly.Close();
  EXPECT_EQ(readOnly.Contents(), kOriginal);

  TListedFile closed(kOriginal);
  closed.Close();
  EXPECT_FALSE(RewriteThroughTempCopy(closed.Entry, fill));
  EXPECT_EQ(closed.Contents(), kOriginal);
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
  ASSERT_NE(file.Entry.Handle, InvalidHandle);
  EXPECT_EQ(ReadAll(file.Entry.Handle), kOriginal);
  EXPECT_FALSE(FileExists(file.Folder() + "Song.tmp"));
}
#endif

}  // namespace
