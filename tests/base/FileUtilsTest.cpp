#include "base/FileUtils.h"
#include "base/Streams.h"

#include "TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

#ifdef _WIN32
#include "base/win32/WinApi.h"
#endif

namespace {

using Names = std::vector<std::string>;

Names Find(const std::string& pattern, int32_t attr) {
  Names names;
  TSearchRec rec;
  if (FindFirst(pattern, attr, rec) == 0) {
    do names.push_back(rec.Name);
    while (FindNext(rec) == 0);
    FindClose(rec);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A hidden file: a dot name (hidden on POSIX), with the hidden attribute on Windows.
void MakeHiddenFile(const TempFolder& folder, const std::string& name) {
  folder.WriteFile(name, "h");
#ifdef _WIN32
  SetFileAttributesA((folder / name).c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
}

class FindFiles : public ::testing::Test {
protected:
  void SetUp() override {
    folder.WriteFile("a.mp3", "aa");
    folder.WriteFile("B.MP3", "b");
    folder.WriteFile("c.mp3x", "c");
    folder.WriteFile("notes.txt", "n");
    MakeHiddenFile(folder, ".hidden.mp3");
    ASSERT_TRUE(CreateDir(folder / "dir.mp3"));
  }
  TempFolder folder;
};

TEST_F(FindFiles, MaskMatchesLongNamesOnlyWithoutCase) {
  EXPECT_EQ(Find(folder / "*.mp3", 33), (Names{"B.MP3", "a.mp3"}));
}

TEST_F(FindFiles, AttributeFilterDropsHiddenFilesAndFoldersUnlessAsked) {
  EXPECT_EQ(Find(folder / "*.mp3", 39), (Names{".hidden.mp3", "B.MP3", "a.mp3"}));
  EXPECT_EQ(Find(folder / "*.mp3", faAnyFile), (Names{".hidden.mp3", "B.MP3", "a.mp3", "dir.mp3"}));
  EXPECT_EQ(Find(folder / "*", faDirectory),
            (Names{".", "..", "B.MP3", "a.mp3", "c.mp3x", "dir.mp3", "notes.txt"}));
}

TEST_F(FindFiles, ReportsSizeAndAttributes) {
  TSearchRec rec;
  ASSERT_EQ(FindFirst(folder / "a.mp3", 33, rec), 0);
  EXPECT_EQ(rec.Name, "a.mp3");
  EXPECT_EQ(rec.Size, 2);
  EXPECT_EQ(rec.Attr & faDirectory, 0);
  EXPECT_NE(rec.Time, 0);
  EXPECT_NE(FindNext(rec), 0);
  FindClose(rec);
}

TEST_F(FindFiles, NothingMatchingIsAnError) {
  TSearchRec rec;
  EXPECT_NE(FindFirst(folder / "*.wav", 39, rec), 0);
  EXPECT_NE(FindFirst(folder / "missing\\*.mp3", 39, rec), 0);
}

TEST(Masks, WindowsWildcards) {
  EXPECT_TRUE(MatchesMask("Song.MP3", "*.mp3"));
  EXPECT_FALSE(MatchesMask("song.mp3x", "*.mp3"));
  EXPECT_FALSE(MatchesMask("mp3", "*.mp3"));
  EXPECT_TRUE(MatchesMask("a.b.mp3", "*.mp3"));
  EXPECT_TRUE(MatchesMask("noext", "*.*"));
  EXPECT_TRUE(MatchesMask("ab", "a?"));
  EXPECT_FALSE(MatchesMask("a", "a?"));
  EXPECT_TRUE(MatchesMask("abcbc", "*bc"));
  EXPECT_TRUE(MatchesMask("\xC9T\xC9.mp3", "\xE9t\xE9.MP3"));
}

TEST(FileOperations, RenameNeverOverwrites) {
  TempFolder folder;
  folder.WriteFile("one", "1");
  folder.WriteFile("two", "2");
  EXPECT_FALSE(RenameFile(folder / "one", folder / "two"));
  EXPECT_EQ(folder.ReadFile("one"), "1");
  EXPECT_EQ(folder.ReadFile("two"), "2");
  EXPECT_TRUE(RenameFile(folder / "one", folder / "three"));
  EXPECT_FALSE(FileExists(folder / "one"));
  EXPECT_EQ(folder.ReadFile("three"), "1");
}

TEST(FileOperations, ExistsAndDeleteTellFilesFromFolders) {
  TempFolder folder;
  folder.WriteFile("f", "x");
  ASSERT_TRUE(CreateDir(folder / "d"));
  EXPECT_TRUE(FileExists(folder / "f"));
  EXPECT_FALSE(FileExists(folder / "d"));
  EXPECT_TRUE(DirectoryExists(folder / "d"));
  EXPECT_FALSE(DirectoryExists(folder / "f"));
  EXPECT_FALSE(DeleteFile(folder / "d"));
  EXPECT_TRUE(DeleteFile(folder / "f"));
  EXPECT_FALSE(DeleteFile(folder / "f"));
  EXPECT_NE(GetLastOSError(), 0u);
  EXPECT_FALSE(SysErrorMessage(GetLastOSError()).empty());
  for (uint32_t mode : {fmOpenRead, fmOpenWrite, fmOpenReadWrite | fmShareDenyWrite})
    EXPECT_EQ(FileOpen(folder / "d", mode), InvalidHandle) << mode;
}

TEST(FileOperations, ReadOnlyAttributeIsSetClearedReadAndListed) {
  TempFolder folder;
  std::string path = folder.WriteFile("ro.mp3", "x");
  EXPECT_EQ(FileGetAttr(path) & (faReadOnly | faDirectory), 0);
  ASSERT_TRUE(FileSetReadOnly(path, true));
  EXPECT_EQ(FileGetAttr(path) & (faReadOnly | faDirectory), faReadOnly);
  EXPECT_EQ(FileGetAttr(ExcludeTrailingBackslash(folder.Path())) & faDirectory, faDirectory);
  EXPECT_EQ(FileGetAttr(folder / "missing.mp3"), -1);
  TSearchRec rec;
  ASSERT_EQ(FindFirst(path, 39, rec), 0);
  EXPECT_EQ(rec.Attr & faReadOnly, faReadOnly);
  FindClose(rec);
  ASSERT_TRUE(FileSetReadOnly(path, false));
  ASSERT_EQ(FindFirst(path, 39, rec), 0);
  EXPECT_EQ(rec.Attr & faReadOnly, 0);
  FindClose(rec);
  EXPECT_FALSE(FileSetReadOnly(folder / "missing.mp3", true));
}

TEST(FileOperations, SameFileByIdentityNotByName) {
  TempFolder folder;
  std::string path = folder.WriteFile("Song.mp3", "x");
  folder.WriteFile("Other.mp3", "x");
  EXPECT_TRUE(IsSameFile(path, path));
  EXPECT_FALSE(IsSameFile(path, folder / "Other.mp3"));
  EXPECT_FALSE(IsSameFile(path, folder / "missing.mp3"));
  EXPECT_FALSE(IsSameFile(folder / "missing.mp3", folder / "missing.mp3"));
  // Another letter case names the same file exactly where the file system ignores case.
  EXPECT_EQ(IsSameFile(path, folder / "SONG.mp3"), FileExists(folder / "SONG.mp3"));
  // A file held open without sharing is still identified.
  THandle held = FileOpen(path, fmOpenReadWrite | fmShareExclusive);
  ASSERT_NE(held, InvalidHandle);
  EXPECT_TRUE(IsSameFile(path, path));
  FileClose(held);
}

TEST(FileOperations, SeekBeyondTwoGigabytes) {
  TempFolder folder;
  THandle h = FileCreate(folder / "big.bin");
  ASSERT_NE(h, InvalidHandle);
  const int64_t size = int64_t{3} << 30;
  ASSERT_EQ(FileSeek64(h, size, 0), size);
  ASSERT_TRUE(FileTruncate(h));
  EXPECT_EQ(FileSeek64(h, 0, 2), size);
  EXPECT_EQ(FileSeek(h, 0, 2), -1);  // does not fit in 32 bits
  EXPECT_EQ(FileSeek(h, 100, 0), 100);
  EXPECT_EQ(FileSeek(h, -1, 0), -1);
  FileClose(h);
}

TEST(FileOperations, ReadAtTakesItsOffsetFromTheStartWhateverThePosition) {
  TempFolder folder;
  const std::string path = folder.WriteFile("digits.bin", "0123456789");
  THandle h = FileOpen(path, fmOpenRead);
  ASSERT_NE(h, InvalidHandle);
  ASSERT_EQ(FileSeek(h, 7, 0), 7);
  char buffer[8] = {};
  EXPECT_EQ(FileReadAt(h, 3, buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "3456");
  EXPECT_EQ(FileReadAt(h, 8, buffer, 5), 2);  // cut at the end
  EXPECT_EQ(std::string(buffer, 2), "89");
  EXPECT_EQ(FileReadAt(h, 10, buffer, 1), 0);
  EXPECT_EQ(FileReadAt(h, 100, buffer, 1), 0);
  EXPECT_EQ(FileReadAt(h, -1, buffer, 1), -1);
  EXPECT_EQ(FileReadAt(h, 0, buffer, -1), -1);
  // A read after a seek reads where the seek went, whatever the positioned reads did.
  ASSERT_EQ(FileSeek(h, 1, 0), 1);
  EXPECT_EQ(FileRead(h, buffer, 2), 2);
  EXPECT_EQ(std::string(buffer, 2), "12");
  FileClose(h);

  // A handle that cannot read fails, rather than reading nothing.
  THandle writeOnly = FileOpen(path, fmOpenWrite);
  ASSERT_NE(writeOnly, InvalidHandle);
  EXPECT_EQ(FileReadAt(writeOnly, 0, buffer, 1), -1);
  FileClose(writeOnly);
}

TEST(FileOperations, ReadAtBeyondFourGigabytes) {
  TempFolder folder;
  THandle h = FileCreate(folder / "big.bin");
  ASSERT_NE(h, InvalidHandle);
  const int64_t offset = (int64_t{5} << 30) + 3;  // the high 32 bits count
  ASSERT_EQ(FileSeek64(h, offset, 0), offset);
  ASSERT_EQ(FileWrite(h, "xy", 2), 2);
  char buffer[2] = {};
  EXPECT_EQ(FileReadAt(h, offset, buffer, 2), 2);
  EXPECT_EQ(std::string(buffer, 2), "xy");
  FileClose(h);
}

TEST(FileOperations, CurrentAndProgramFolders) {
  EXPECT_TRUE(DirectoryExists(GetCurrentDir()));
  std::string program = ProgramFileName();
  EXPECT_NE(ExtractFileName(program).find("base_test"), std::string::npos) << program;
  EXPECT_TRUE(FileExists(program));
}

TEST(PathStrings, SplitAfterTheLastBackslashOrColon) {
  EXPECT_EQ(ExtractFileName("C:\\music\\song.mp3"), "song.mp3");
  EXPECT_EQ(ExtractFilePath("C:\\music\\song.mp3"), "C:\\music\\");
  EXPECT_EQ(ExtractFilePath("C:song.mp3"), "C:");
  EXPECT_EQ(ExtractFileName("song"), "song");
  EXPECT_EQ(ExtractFilePath("song"), "");
  EXPECT_EQ(ExtractFileExt("a\\b.c\\song.mp3"), ".mp3");
  EXPECT_EQ(ExtractFileExt("a\\b.c\\song"), "");
  EXPECT_EQ(ChangeFileExt("x\\song.mp3", ".tmp"), "x\\song.tmp");
  EXPECT_EQ(ChangeFileExt("x.y\\song", ".tmp"), "x.y\\song.tmp");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\x"), "C:\\x\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\x\\"), "C:\\x");
}

TEST(PathStrings, StandInNamesAreNeverLongerThanTheName) {
  EXPECT_EQ(StandInName("Log.txt", 1), "Log.t~1");
  EXPECT_EQ(StandInName("Log.txt", 12), "Log.~12");
  EXPECT_EQ(StandInName("ab", 1), "~1");
  EXPECT_EQ(StandInName("a", 3), "3");
  EXPECT_EQ(StandInName("a", 10), "0");
}

#ifdef _WIN32
TEST(ShareModes, AnExclusiveOpenRefusesASecondOpen) {
  TempFolder folder;
  std::string path = folder.WriteFile("s.mp3", "x");
  THandle first = FileOpen(path, fmOpenReadWrite | fmShareExclusive);
  ASSERT_NE(first, InvalidHandle);
  EXPECT_EQ(FileOpen(path, fmOpenRead | fmShareDenyNone), InvalidHandle);
  EXPECT_FALSE(DeleteFile(path));
  EXPECT_FALSE(RenameFile(path, folder / "moved.mp3"));
  FileClose(first);
  EXPECT_TRUE(RenameFile(path, folder / "moved.mp3"));
}

TEST(ShareModes, DenyWriteAllowsReadersOnly) {
  TempFolder folder;
  std::string path = folder.WriteFile("s.mp3", "x");
  THandle first = FileOpen(path, fmOpenRead | fmShareDenyWrite);
  ASSERT_NE(first, InvalidHandle);
  THandle reader = FileOpen(path, fmOpenRead | fmShareDenyWrite);
  EXPECT_NE(reader, InvalidHandle);
  EXPECT_EQ(FileOpen(path, fmOpenReadWrite | fmShareDenyNone), InvalidHandle);
  FileClose(reader);
  FileClose(first);
  THandle writer = FileOpen(path, fmOpenReadWrite | fmShareDenyNone);
  EXPECT_NE(writer, InvalidHandle);
  FileClose(writer);
}
#endif

}  // namespace
