// The tag probe and the ID3v1 tag: reading both versions, writing ID3v1.1 over the tag
// the file ends in or behind the audio, removing it through a temporary copy.
#include "TagFixtures.h"

#include "tags/FileAccess.h"
#include "tags/ID3TagsUtils.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include "base/StrUtils.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string kAudio = Junk(1000);

std::string Tagged(const std::string& tag) { return kAudio + tag; }

TEST(ProbeTags, FindsTheTagsAtBothEndsByTheirExactMarkers) {
  TListedFile both(ID3v2Tag(4, 257) + Tagged(ID3v1Tag("t", "a", "b", "2000", "c", 1, 2)));
  EXPECT_EQ(ProbeTags(both.Info), 257 + 10);
  EXPECT_TRUE(both.Info.HasID3v1 && both.Info.HasID3v2 && both.Info.ReadOk);


  TListedFile fallback("ID3\x04\0\0\xFF\xFF\xFF\xFF"s + kAudio);  // not syncsafe: big-endian
  EXPECT_EQ(ProbeTags(fallback.Info), int64_t{0xFFFFFFFF} + 10);
  for (uint8_t major : {0, 2, 3, 4, 5, 255}) {
    TListedFile file(ID3v2Tag(major, 100) + kAudio);
    EXPECT_EQ(ProbeTags(file.Info), 110);
    EXPECT_EQ(file.Info.ReadOk, major >= 2 && major <= 4) << int{major};
  }
}

TEST(ProbeTags, TagObjectsMadeAfterASaveReadTheFileNotWhatTheProbeRead) {
  // The probe's bytes stand for the file only until a save changes it, also where the
  // file's handle keeps its number.
  const std::string audio = Frames({3, 1, 9, 0}, 417, 5);
  const std::string v2 = ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", TextBody("Old")));
  TListedFile file(v2 + audio);
  ProbeTags(file.Info);
  TMp3ID3v1 added(file.Info, true);
  added.SetTitle("Added");
  ASSERT_TRUE(added.WriteTag(file.Info));
  TMp3ID3v1 v1(file.Info, false);
  ASSERT_TRUE(v1.ReadTag());
  EXPECT_EQ(v1.GetTitle(), "Added");

  ProbeTags(file.Info);
  file.Info.RemoveID3v2 = true;
  ASSERT_TRUE(TMp3ID3v2(file.Info, true).WriteTag(file.Info));
  EXPECT_FALSE(TMp3ID3v2(file.Info, false).ReadTag());
  int64_t offset = 0;
  ASSERT_TRUE(FindMpegHeader(file.Info, offset));
  EXPECT_EQ(offset, 0);
  EXPECT_EQ(file.Info.MpegHeader.AudioSize, static_cast<int64_t>(audio.size()));

  ProbeTags(file.Info);
  ASSERT_TRUE(TMp3ID3v1(file.Info, true).RemoveTag(file.Info));
  EXPECT_FALSE(TMp3ID3v1(file.Info, false).ReadTag());
  ASSERT_TRUE(FindMpegHeader(file.Info, offset = 0));
  EXPECT_EQ(file.Info.MpegHeader.AudioSize, static_cast<int64_t>(audio.size()));
}

TEST(ID3v1, ReadsBothVersions) {
  TListedFile v11(Tagged(ID3v1Tag("Title", "Artist", "Album", "1999", "Comment", 7, 17)));
  TMp3ID3v1 tag(v11.Info, false);
  EXPECT_EQ(tag.GetVersion(), tvID3v11);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetComment() + "|" + IntToStr(tag.GetTrack()), "Comment|7");
  // Byte 125 set: ID3v1.0 with a 30-byte comment, even though byte 126 is not zero.
  const std::string full(30, 'F'), comment = std::string(28, 'x') + "yz";
  TListedFile v10(Tagged(ID3v1Tag(full, full, full, "12345", comment, 0, 255)));
  TMp3ID3v1 old(v10.Info, false);
  EXPECT_EQ(old.GetVersion(), tvID3v10);
  ASSERT_TRUE(old.ReadTag());
  EXPECT_EQ(old.GetTitle() + "|" + old.GetYear(), full + "|1234");  // no terminators
  EXPECT_EQ(old.GetComment() + "|" + IntToStr(old.GetTrack()), comment + "|0");
}

TEST(ID3v1, OnlyTheFirstReadTakesTheBytesReadAtCreation) {
  // A later read, and a read after a save, give what the file holds by then.
  TListedFile file(Tagged(ID3v1Tag("First", "A", "L", "2001", "c", 1, 2)));
  TMp3ID3v1 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetTitle(), "First");
  const std::string second = ID3v1Tag("Second", "B", "M", "2002", "d", 3, 4);
  ASSERT_EQ(WriteAt(file.Entry.Handle, -ID3v1TagSize, soEnd, second.data(), ID3v1TagSize),
            ID3v1TagSize);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetTitle() + "|" + IntToStr(tag.GetTrack()), "Second|3");

  TMp3ID3v1 unread(file.Info, false);
  unread.SetTitle("Third");
  ASSERT_TRUE(unread.WriteTag(file.Info));
  ASSERT_TRUE(unread.ReadTag());
  EXPECT_EQ(unread.GetTitle(), "Third");
}

TEST(ID3v1, WritesID3v11OverTheTagTheFileEndsIn) {
  TListedFile file(kAudio);
  TMp3ID3v1 tag(file.Info, true);
  tag.SetTitle(std::string(40, 't'));  // setters cut to the field widths
  tag.SetYear("20045");
  tag.SetComment(std::string(30, 'c'));  // stored cut to 28 in ID3v1.1
  tag.SetTrack(9);
  tag.SetGenre(13);
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_TRUE(file.Info.HasID3v1);
  const std::string title(30, 't'), comment(28, 'c');
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag(title, "", "", "2004", comment, 9, 13)));
  // A second save overwrites the tag it appended.
  tag.SetArtist("Artist");
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag(title, "Artist", "", "2004", comment, 9, 13)));
  // Another rewrite drops the tag behind the object's back: it is appended again.
  ASSERT_EQ(FileSeek64(file.Entry.Handle, 1000, 0), 1000);
  ASSERT_TRUE(FileTruncate(file.Entry.Handle));
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag(title, "Artist", "", "2004", comment, 9, 13)));
}

TEST(ID3v1, AnID3v10CommentTheUserLeftAloneKeepsItsThirtyCharacters) {
  const std::string comment = std::string(28, 'x') + "yz";
  TListedFile file(Tagged(ID3v1Tag("T", "A", "L", "2001", comment, 0, 2)));
  TMp3ID3v1 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  tag.SetVersion(tvID3v11);  // as the tag editor asks for on every change
  tag.SetTitle("Changed");
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag("Changed", "A", "L", "2001", comment, 0, 2)));
  // The same text handed in again is no change either.
  tag.SetComment(comment);
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag("Changed", "A", "L", "2001", comment, 0, 2)));
  // A track number needs the two bytes: ID3v1.1 with the comment cut to 28.
  tag.SetTrack(5);
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(),
            Tagged(ID3v1Tag("Changed", "A", "L", "2001", comment.substr(0, 28), 5, 2)));
  // So does a new comment the user typed: it is written as ID3v1.1 shows it.
  TListedFile typed(Tagged(ID3v1Tag("T", "A", "L", "2001", comment, 0, 2)));
  TMp3ID3v1 retyped(typed.Info, false);
  ASSERT_TRUE(retyped.ReadTag());
  retyped.SetComment(std::string(30, 'n'));
  ASSERT_TRUE(retyped.WriteTag(typed.Info));
  EXPECT_EQ(typed.Contents(), Tagged(ID3v1Tag("T", "A", "L", "2001", std::string(28, 'n'), 0, 2)));
}

TEST(ID3v1, RemovalCutsTheTagAndReopensTheFileUnlessItIsReadOnly) {
  TListedFile file(Tagged(ID3v1Tag("T", "A", "L", "2001", "c", 1, 2)));
  ProbeTags(file.Info);
  TMp3ID3v1 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  ASSERT_TRUE(tag.RemoveTag(file.Info));
  EXPECT_EQ(file.Contents(), kAudio);
  EXPECT_FALSE(file.Info.HasID3v1);
  EXPECT_EQ(FileSeek64(file.Entry.Handle, 0, 2), 1000);
  EXPECT_FALSE(tag.RemoveTag(file.Info));  // nothing left to remove
  // The same object saves again: it appends, never overwriting the audio's end.
  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), Tagged(ID3v1Tag("T", "A", "L", "2001", "c", 1, 2)));
  // A read-only file is neither written nor cut.
  TListedFile readOnly(file.Contents(), fmOpenRead);
  TMp3ID3v1 kept(readOnly.Info, false);
  kept.SetTitle("Changed");
  EXPECT_FALSE(kept.WriteTag(readOnly.Info) || kept.RemoveTag(readOnly.Info));
  readOnly.Close();
  EXPECT_EQ(readOnly.Contents(), file.Contents());
}

}  // namespace
