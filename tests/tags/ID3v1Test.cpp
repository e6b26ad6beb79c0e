#include "TagFixtures.h"

#include "tags/ID3TagsUtils.h"
#include "tags/ID3v1.h"
#include "tags/TagProbe.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

const std::string kAudio = Junk(1000);

std::string Tagged(const std::string& tag) { return kAudio + tag; }

std::unique_ptr<TMp3ID3v1> ReadID3v1(TListedFile& file) {
  auto tag = std::make_unique<TMp3ID3v1>(file.Info, false);
  EXPECT_TRUE(tag->ReadTag());
  return tag;
}

TEST(ProbeTags, FindsTheTagsAtBothEnds) {
  TListedFile plain(kAudio);
  plain.Info.ReadOk = false;
  EXPECT_EQ(ProbeTags(plain.Info), 0);
  EXPECT_FALSE(plain.Info.HasID3v1);
  EXPECT_FALSE(plain.Info.HasID3v2);
  EXPECT_TRUE(plain.Info.ReadOk);

  TListedFile both(ID3v2Tag(4, 257) + Tagged(ID3v1Tag("t", "a", "b", "2000", "c", 1, 2)));
  EXPECT_EQ(ProbeTags(both.Info), 257 + 10);
  EXPECT_TRUE(both.Info.HasID3v1);
  EXPECT_TRUE(both.Info.HasID3v2);
  EXPECT_TRUE(both.Info.ReadOk);
}

TEST(ProbeTags, MarkersMatchExactly) {
  std::string lowerTag = ID3v1Tag("t", "a", "b", "2000", "c", 1, 2);
  lowerTag.replace(0, 3, "tag");
  TListedFile file("id3" + std::string(20, '\0') + Tagged(lowerTag));
  EXPECT_EQ(ProbeTags(file.Info), 0);
  EXPECT_FALSE(file.Info.HasID3v1);
  EXPECT_FALSE(file.Info.HasID3v2);

  TListedFile tiny("TAG");  // shorter than a tag: no read before the start
  EXPECT_EQ(ProbeTags(tiny.Info), 0);
  EXPECT_FALSE(tiny.Info.HasID3v1);
}

TEST(ProbeTags, OnlyVersions23And24AreSupported) {
  for (uint8_t major : {0, 1, 2, 3, 4, 5, 255}) {
    TListedFile file(ID3v2Tag(major, 100) + kAudio);
    EXPECT_EQ(ProbeTags(file.Info), 110) << int{major};
    EXPECT_TRUE(file.Info.HasID3v2);
    EXPECT_EQ(file.Info.ReadOk, major == 3 || major == 4) << int{major};
  }
}

TEST(ProbeTags, SizeWithTheBigEndianFallback) {
  std::string header("ID3\x04\x00\x00\xFF\xFF\xFF\xFF", 10);
  TListedFile file(header + kAudio);
  EXPECT_EQ(ProbeTags(file.Info), int64_t{0xFFFFFFFF} + 10);
}

TEST(ID3v1, ReadsVersion11WithTrack) {
  TListedFile file(Tagged(ID3v1Tag("Title", "Artist", "Album", "1999", "Comment", 7, 17)));
  TMp3ID3v1 tag(file.Info, false);
  EXPECT_EQ(tag.GetVersion(), 2);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetTitle(), "Title");
  EXPECT_EQ(tag.GetArtist(), "Artist");
  EXPECT_EQ(tag.GetAlbum(), "Album");
  EXPECT_EQ(tag.GetYear(), "1999");
  EXPECT_EQ(tag.GetComment(), "Comment");
  EXPECT_EQ(tag.GetTrack(), 7);
  EXPECT_EQ(tag.GetGenre(), 17);
}

TEST(ID3v1, ReadsVersion10WithFullComment) {
  std::string comment30(30, 'c');
  TListedFile file(Tagged(ID3v1Tag("T", "A", "L", "2001", comment30, 0, 255)));
  TMp3ID3v1 tag(file.Info, false);
  EXPECT_EQ(tag.GetVersion(), 1);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetComment(), comment30);
  EXPECT_EQ(tag.GetTrack(), 0);
  EXPECT_EQ(tag.GetGenre(), 255);

  // Byte 125 set: ID3v1.0 even though byte 126 is not zero.
  std::string raw = ID3v1Tag("T", "A", "L", "2001", std::string(28, 'x') + "yz", 0, 3);
  TListedFile file2(Tagged(raw));
  TMp3ID3v1 tag2(file2.Info, false);
  EXPECT_EQ(tag2.GetVersion(), 1);
  ASSERT_TRUE(tag2.ReadTag());
  EXPECT_EQ(tag2.GetComment(), std::string(28, 'x') + "yz");
  EXPECT_EQ(tag2.GetTrack(), 0);
}

TEST(ID3v1, FullWidthFieldsHaveNoTerminator) {
  std::string full(30, 'F');
  TListedFile file(Tagged(ID3v1Tag(full, full, full, "12345", "", 1, 0)));
  auto tag = ReadID3v1(file);
  EXPECT_EQ(tag->GetTitle(), full);
  EXPECT_EQ(tag->GetArtist(), full);
  EXPECT_EQ(tag->GetAlbum(), full);
  EXPECT_EQ(tag->GetYear(), "1234");
}

TEST(ID3v1, NothingIsReadWithoutATag) {
  TListedFile file(kAudio);
  TMp3ID3v1 tag(file.Info, false);
  EXPECT_FALSE(tag.ReadTag());
  EXPECT_EQ(tag.GetTitle(), "");
  EXPECT_EQ(tag.GetGenre(), 255);
  TMp3ID3v1 fresh(file.Info, true);
  EXPECT_FALSE(fresh.ReadTag());
}

TEST(ID3v1, SettersCutToTheFieldWidths) {
  TListedFile file(kAudio);
  TMp3ID3v1 tag(file.Info, true);
  tag.SetTitle(std::string(40, 't'));
  tag.SetArtist(std::string(31, 'a'));
  tag.SetAlbum("short");
  tag.SetYear("20245");
  tag.SetComment(std::string(35, 'c'));
  EXPECT_EQ(tag.GetTitle(), std::string(30, 't'));
  EXPECT_EQ(tag.GetArtist(), std::string(30, 'a'));
  EXPECT_EQ(tag.GetAlbum(), "short");
  EXPECT_EQ(tag.GetYear(), "2024");
  EXPECT_EQ(tag.GetComment(), std::string(30, 'c'));
  tag.SetTrack(12);
  tag.SetGenre(8);
  tag.Clear();
  EXPECT_EQ(tag.GetTitle() + tag.GetArtist() + tag.GetAlbum() + tag.GetYear() + tag.GetComment(), "");
  EXPECT_EQ(tag.GetTrack(), 0);
  EXPECT_EQ(tag.GetGenre(), 255);
}

TEST(ID3v1, WriteAppendsAnID3v11Tag) {
  TListedFile file(kAudio);
  TMp3ID3v1 tag(file.Info, true);
  tag.SetTitle("Title");
  tag.SetArtist("Artist");
  tag.SetAlbum("Album");
  tag.SetYear("2004");
  tag.SetComment(std::string(30, 'c'));  // stored cut to 28 in ID3v1.1
  tag.SetTrack(9);
  tag.SetGenre(13);
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_TRUE(file.Info.HasID3v1);
  EXPECT_EQ(file.Contents(),
            kAudio + ID3v1Tag("Title", "Artist", "Album", "2004", std::string(28, 'c'), 9, 13));
}

TEST(ID3v1, SecondSaveOverwritesTheAppendedTag) {
  TListedFile file(kAudio);
  TMp3ID3v1 tag(file.Info, true);
  tag.SetTitle("First");
  ASSERT_TRUE(tag.WriteTag(file.Info));
  tag.SetTitle("Second");
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), kAudio + ID3v1Tag("Second", "", "", "", "", 0, 255));
}

TEST(ID3v1, WriteOverwritesAnExistingTag) {
  TListedFile file(Tagged(ID3v1Tag("Old", "Old", "Old", "1990", "old", 0, 1)));
  auto tag = ReadID3v1(file);
  tag->SetTitle("New");
  tag->SetTrack(3);
  ASSERT_TRUE(tag->WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag("New", "Old", "Old", "1990", "old", 3, 1)));
  TMp3ID3v1 reread(file.Info, false);
  EXPECT_EQ(reread.GetVersion(), 2);
}

TEST(ID3v1, ATagCutOffMeanwhileIsAppendedAgain) {
  TListedFile file(Tagged(ID3v1Tag("Old", "", "", "", "", 1, 1)));
  auto tag = ReadID3v1(file);
  // Another rewrite drops the tag behind the object's back.
  ASSERT_EQ(FileSeek64(file.Entry.Handle, 1000, 0), 1000);
  ASSERT_TRUE(FileTruncate(file.Entry.Handle));
  tag->SetTitle("New");
  ASSERT_TRUE(tag->WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag("New", "", "", "", "", 1, 1)));
}

TEST(ID3v1, ReadOnlyFileIsNotWritten) {
  const std::string bytes = Tagged(ID3v1Tag("Keep", "", "", "", "", 1, 1));
  TListedFile file(bytes, fmOpenRead);
  auto tag = ReadID3v1(file);
  tag->SetTitle("Changed");
  EXPECT_FALSE(tag->WriteTag(file.Info));
  EXPECT_FALSE(tag->RemoveTag(file.Info));
  file.Close();
  EXPECT_EQ(file.Contents(), bytes);

  TListedFile untagged(kAudio, fmOpenRead);
  TMp3ID3v1 fresh(untagged.Info, true);
  EXPECT_FALSE(fresh.WriteTag(untagged.Info));
  EXPECT_FALSE(untagged.Info.HasID3v1);
  untagged.Close();
  EXPECT_EQ(untagged.Contents(), kAudio);
}

TEST(ID3v1, RemoveCutsTheTagAndReopensTheFile) {
  TListedFile file(Tagged(ID3v1Tag("T", "A", "L", "2001", "c", 1, 2)));
  ProbeTags(file.Info);
  auto tag = ReadID3v1(file);
  ASSERT_TRUE(tag->RemoveTag(file.Info));
  EXPECT_EQ(file.Contents(), kAudio);
  EXPECT_FALSE(file.Info.HasID3v1);
  ASSERT_NE(file.Entry.Handle, InvalidHandle);
  EXPECT_EQ(FileSeek64(file.Entry.Handle, 0, 2), 1000);
  EXPECT_FALSE(FileExists(file.Folder() + "Song.tmp"));

  // The same object saves again: it appends, never overwriting the audio's end.
  ASSERT_TRUE(tag->WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag("T", "A", "L", "2001", "c", 1, 2)));
}

TEST(ID3v1, RemoveWithoutATagChangesNothing) {
  TListedFile file(kAudio);
  TMp3ID3v1 tag(file.Info, true);
  EXPECT_FALSE(tag.RemoveTag(file.Info));
  EXPECT_EQ(file.Contents(), kAudio);
  EXPECT_NE(file.Entry.Handle, InvalidHandle);
}

TEST(ID3v1, GenreNamesAreFoundWithoutRegardToCase) {
  EXPECT_EQ(GenreIndexOf("blues"), 0);
  EXPECT_EQ(GenreIndexOf("TOP 40"), 60);
  EXPECT_EQ(GenreIndexOf("Synthpop"), 147);
  for (const char* name : {" ", "Blues ", "", "Polka Rock"}) EXPECT_EQ(GenreIndexOf(name), -1);
}

TEST(ID3v1, ATagObjectNeedsAFileEntry) {
  TTagInfo info;
  EXPECT_THROW(TMp3ID3v1(info, true), EInvalidOperation);
}

}  // namespace
