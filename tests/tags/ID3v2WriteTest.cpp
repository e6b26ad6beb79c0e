#include "FrameFixtures.h"
#include "ID3v2Fixtures.h"
#include "TagFixtures.h"

#include "tags/FileAccess.h"
#include "tags/ID3Codecs.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2WritePlan.h"
#include "tags/TagEnvironment.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::string_literals;

// MPEG frames whose bytes include 0xFF 0x00 and 0xFF 0xE0, then junk.
const std::string kAudio = "\xFF\xFB\x90\x64"s + Junk(200) + "\xFF\x00\xFF\xE0\xFF"s + Junk(100);
const std::string kID3v1 = ID3v1Tag("v1 title", "v1 artist", "", "2001", "", 3, 17);

TEST(ID3v2Padding, Formula) {
  const std::pair<uint32_t, uint32_t> cases[] = {
      {0, 0}, {2, 0}, {3, 1}, {100, 50}, {200, 90}, {1000, 360}, {20000, 1962}};
  for (auto [frames, padding] : cases) EXPECT_EQ(ID3v2Padding(frames), padding) << frames;
}

TEST(ID3v2WritePlan, PaddingAndPath) {
  struct TCase {
    const char* Name;
    TID3v2FileLayout Layout;
    uint32_t Frames;
    bool Empty, RemoveV1;
    uint32_t Padding, Total;
    bool InPlace;
  } cases[] = {
      {"no tag yet", {1000, false, 0, false, false}, 100, false, false, 50, 150, false},
      {"shrunk, leftover above 0.7 of the padding", {1000, true, 150, false, false}, 100,
       false, false, 50, 150, true},
      {"shrunk, leftover within 0.7 of the padding", {1000, true, 130, false, false}, 100,
       false, false, 50, 150, false},
      {"far smaller: fills the old space", {5000, true, 2000, false, false}, 100, false, false,
       1900, 2000, true},
      {"same size, fresh padding", {1000, true, 100, false, false}, 100, false, false, 50, 150,
       false},
      {"grown", {1000, true, 150, false, false}, 200, false, false, 90, 290, false},
      {"footer", {1000, true, 150, true, false}, 100, false, false, 50, 150, false},
      {"ID3v1 removed", {1000, true, 150, false, true}, 100, false, true, 50, 150, false},
      {"empty frame list", {1000, true, 150, false, false}, 0, true, false, 150, 150, false},
      // Frames that all encode to nothing, on a file without a tag: never written over the
      // start of the audio.
      {"nothing to write, no tag", {1000, false, 0, false, false}, 0, false, false, 0, 0, false},
      {"nothing to write over a tag", {1000, true, 40, false, false}, 0, false, false, 40, 40,
       true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TID3v2WritePlan plan = PlanTagWrite(c.Layout, c.Frames, c.Empty, c.RemoveV1);
    EXPECT_EQ(plan.Padding, c.Padding);
    EXPECT_EQ(plan.Total, c.Total);
    EXPECT_EQ(plan.InPlace, c.InPlace);
  }
}

TEST(ID3v2FileLayout, OldTagExtentAndAudio) {
  TID3v2FileLayout layout{2000, true, 300, true, true};
  EXPECT_EQ(layout.OldTagExtent(), 320);
  EXPECT_EQ(layout.AudioLength(), 2000 - 320 - 128);
  EXPECT_TRUE(layout.IsConsistent());
  layout.OldTagSize = 1900;
  EXPECT_FALSE(layout.IsConsistent());
}

class ID3v2Write : public ::testing::Test {
protected:
  // A listed file of the bytes, probed, with its ID3v2 tag read (a new tag object when it
  // has none).
  std::unique_ptr<TListedFile> Open(const std::string& bytes, uint32_t openMode = 34) {
    auto file = std::make_unique<TListedFile>(bytes, openMode);
    ProbeTags(file->Info);
    bool isNew = !file->Info.HasID3v2;
    file->Info.NewID3v2 = isNew;
    file->Info.ID3v2 = std::make_unique<TMp3ID3v2>(file->Info, isNew);
    if (!isNew) {
      EXPECT_TRUE(file->Info.ID3v2->ReadTag());
    }
    return file;
  }

  static void SetText(TMp3ID3v2& tag, uint8_t kind, const std::string& text) {
    TFrameListManager& frames = tag.GetFrameList();
    TFrameSubListManager& subList =
        IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList();
    int32_t index = subList.IndexOfKind(kind, 1);
    if (index < 0) index = frames.NewFrame(kind);
    subList.GetFrameCategory(index).SetText(Bytes(text));
  }

  // A tag of our own: TIT2, TPE1, TALB.
  static std::string OurTag() {
    return ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", TextBody("Title")) +
                                   ID3v2FrameBytes(4, "TPE1", TextBody("Artist")) +
                                   ID3v2FrameBytes(4, "TALB", TextBody("Album")) +
                                   std::string(40, '\0'));
  }

  // Saves the tag of the file, expecting success, and returns the file's bytes.
  static std::string Save(TListedFile& file) {
    EXPECT_TRUE(file.Info.ID3v2->WriteTag(file.Info));
    return file.Contents();
  }
  // Saves twice, expecting the second save to write the same bytes.
  static std::string SaveTwice(TListedFile& file) {
    std::string written = Save(file);
    file.Info.RemoveID3v1 = false;
    EXPECT_EQ(Save(file), written) << "second save";
    return written;
  }

  // The frames behind the tag header of written, as they stand: ID, flags and body.
  static std::vector<std::string> RawFrames(const std::string& written) {
    std::vector<std::string> frames;
    uint32_t tagSize = ReadSyncsafe(FourBytesAt(Bytes(written), 6));
    size_t at = 10;
    while (at + 10 <= 10 + tagSize && written[at] != '\0') {
      uint32_t size = ReadSyncsafe(FourBytesAt(Bytes(written), at + 4));
      frames.push_back(written.substr(at, 4) + "|" + written.substr(at + 8, 2) + "|" +
                       written.substr(at + 10, size));
      at += 10 + size;
    }
    return frames;
  }
};

TEST_F(ID3v2Write, NewTagRewritesTheFileWithFreshPadding) {
  auto file = Open(kAudio + kID3v1);
  ASSERT_TRUE(file->Info.NewID3v2);
  SetText(*file->Info.ID3v2, fiTIT2, "Title");
  SetText(*file->Info.ID3v2, fiTXXX, "calm");
  TFrameSubListManager& other = file->Info.ID3v2->GetFrameList().GetOtherSubList();
  other.GetFrameCategory(0).SetDescriptionString("mood");
  std::string frames = ID3v2FrameBytes(4, "TIT2", TextBody("Title")) +
                       ID3v2FrameBytes(4, "TXXX", "\x00mood\x00" "calm"s);
  uint32_t padding = ID3v2Padding(static_cast<uint32_t>(frames.size()));
  std::string expected =
      ID3v2TagBytes(4, 0, frames + std::string(padding, '\0')) + kAudio + kID3v1;
  std::string written = Save(*file);
  EXPECT_EQ(written, expected);
  EXPECT_TRUE(file->Info.HasID3v2);
  EXPECT_TRUE(file->Info.HasID3v1);
  EXPECT_FALSE(FileExists(file->Folder() + "Song.tmp"));

  // Saving again, from the same object or from the file read anew, writes the same bytes.
  EXPECT_EQ(Save(*file), written);
  auto reread = Open(written);
  EXPECT_EQ(FrameList(reread->Info.ID3v2->GetFrameList()),
            "TIT2{text=Title} TXXX{desc=mood | text=calm}");
  EXPECT_EQ(Save(*reread), written);
}

TEST_F(ID3v2Write, TagsOtherWritersMalformKeepEveryFrame) {
  // Frames of size 0, as players write empty ones, and the extended-header flag without
  // an extended header: every frame is read, and a changed album keeps the others.
  for (uint8_t major : {3, 4}) {
    auto text = [major](const char* id, const std::string& value) {
      return ID3v2FrameBytes(major, id, TextBody(value));
    };
    const std::string empty = ID3v2FrameBytes(major, "TENC", "");
    const std::string title = text("TIT2", "Title");
    const std::string rest = text("TALB", "Album") + text("TPE2", "Band") + text("TCOP", "(c)");
    const std::string frames = title + rest;
    const std::string tags[] = {
        ID3v2TagBytes(major, 0, empty + frames + empty),
        ID3v2TagBytes(major, 0, title + empty + empty + rest),
        ID3v2TagBytes(major, 0x40, frames + std::string(20, '\0')),
    };
    for (const std::string& tag : tags) {
      SCOPED_TRACE(std::to_string(major) + ": " + Printable(Bytes(tag.substr(0, 24))));
      auto file = Open(tag + kAudio);
      EXPECT_EQ(FrameList(file->Info.ID3v2->GetFrameList()),
                "TIT2{text=Title} TALB{text=Album} TPE2{text=Band} TCOP{text=(c)}");
      SetText(*file->Info.ID3v2, fiTALB, "New");
      std::string written = SaveTwice(*file);
      EXPECT_EQ(FramesInFile(file->Info),
                "TIT2{text=Title} TALB{text=New} TPE2{text=Band} TCOP{text=(c)}");
      EXPECT_EQ(written.substr(written.size() - kAudio.size()), kAudio);
    }
  }
}

TEST_F(ID3v2Write, ShrunkTagIsWrittenInPlace) {
  std::string original = OurTag() + kAudio + kID3v1;
  auto file = Open(original);
  ASSERT_TRUE(file->Info.ID3v2->GetFrameList().DeleteFrame(fiTPE1));
  std::string written = Save(*file);
  ASSERT_EQ(written.size(), original.size());  // the old space exactly, no rewrite
  EXPECT_EQ(written.substr(0, 10), original.substr(0, 10));
  EXPECT_EQ(written.substr(OurTag().size()), kAudio + kID3v1);
  EXPECT_EQ(FramesInFile(file->Info), "TIT2{text=Title} TALB{text=Album}");
  EXPECT_EQ(Save(*file), written);
}

TEST_F(ID3v2Write, GrownTagRewritesTheFile) {
  auto file = Open(OurTag() + kAudio);
  SetText(*file->Info.ID3v2, fiTIT3, std::string(500, 's'));
  std::string written = Save(*file);
  uint32_t size = ReadSyncsafe(FourBytesAt(Bytes(written), 6));
  uint32_t frames = 4 * 10 + 6 + 7 + 6 + 501;
  EXPECT_EQ(size, frames + ID3v2Padding(frames));
  EXPECT_EQ(written.substr(10 + size), kAudio);
  EXPECT_EQ(FramesInFile(file->Info), "TIT2{text=Title} TPE1{text=Artist} TALB{text=Album} " +
                                          ("TIT3{text=" + std::string(500, 's') + "}"));
  EXPECT_EQ(Save(*file), written);
}

TEST_F(ID3v2Write, ID3v23TagIsSavedAsID3v24) {
  std::string longText(200, 'l');
  // The day and time of the date join the year.
  std::string tag23 =
      ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TDAT", TextBody("0506")) +
                              ID3v2FrameBytes(3, "TYER", TextBody("1999")) +
                              ID3v2FrameBytes(3, "TIT2", TextBody(longText), 0xE0) +
                              ID3v2FrameBytes(3, "TIME", TextBody("0708")) +
                              std::string(10, '\0'));
  auto file = Open(tag23 + kAudio + kID3v1);
  EXPECT_EQ(file->Info.ID3v2->GetVersion(), tvID3v23);
  std::string written = SaveTwice(*file);
  EXPECT_EQ(file->Info.ID3v2->GetVersion(), tvID3v24);
  std::string frames = ID3v2FrameBytes(4, "TDRC", TextBody("1999-06-05T07:08")) +
                       ID3v2FrameBytes(4, "TIT2", TextBody(longText), 0x70);
  uint32_t padding = ID3v2Padding(static_cast<uint32_t>(frames.size()));
  EXPECT_EQ(written, ID3v2TagBytes(4, 0, frames + std::string(padding, '\0')) + kAudio + kID3v1);
}

TEST_F(ID3v2Write, UnsynchronisedFramesCarryTheirOwnFlag) {
  auto file = Open(kAudio);
  TMp3ID3v2& tag = *file->Info.ID3v2;
  SetText(tag, fiTIT2, "plain");
  int32_t index = tag.GetFrameList().NewFrame(fiAPIC);
  TMp3ID3v2FrameCatBase& picture = tag.GetFrameList().GetOtherSubList().GetFrameCategory(index);
  picture.SetText(Bytes("image/png"));
  picture.SetPictureData(Bytes("\xFF\xD8\xFF\xE0\x00\xFF\x00\xFF"s));
  std::string written = Save(*file);
  EXPECT_EQ(static_cast<uint8_t>(written[5]), 0x80);  // the tag's flag
  // Stuffed: 0xFF before 0xE0 and before 0x00, and a final 0xFF.
  std::string body = "\x00image/png\x00\x00\x00\xFF\xD8\xFF\x00\xE0\x00\xFF\x00\x00\xFF\x00"s;
  std::string plainFrame = ID3v2FrameBytes(4, "TIT2", TextBody("plain"));
  EXPECT_EQ(written.substr(10, plainFrame.size()), plainFrame);
  EXPECT_EQ(written.substr(10 + plainFrame.size(), 10 + body.size()),
            ID3v2FrameBytes(4, "APIC", body, 0, 0x02));
  EXPECT_EQ(FramesInFile(file->Info),
            "TIT2{text=plain} APIC{mime=image/png | type=0 | desc= | "
            "data=\\xFF\\xD8\\xFF\\xE0\\x00\\xFF\\x00\\xFF}");
  EXPECT_EQ(Save(*file), written);
}

TEST_F(ID3v2Write, FramesGoPrimaryFirstAndEmptyOnesAreLeftOut) {
  auto file = Open(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TXXX", "\x00" "d\x00" "v"s) +
                                           ID3v2FrameBytes(4, "TCON", TextBody("Rock")) +
                                           ID3v2FrameBytes(4, "TIT2", TextBody("Title"))) +
                   kAudio);
  TFrameSubListManager& primary = file->Info.ID3v2->GetFrameList().GetPrimarySubList();
  primary.GetFrameCategory(primary.IndexOfKind(fiTCON, 1)).SetGenreIndex(GenreNone);
  Save(*file);
  EXPECT_EQ(FramesInFile(file->Info), "TIT2{text=Title} TXXX{desc=d | text=v}");
}

TEST_F(ID3v2Write, Removal) {
  const std::string tagged = OurTag() + kAudio + kID3v1;
  {
    SCOPED_TRACE("ID3v2 only");
    auto file = Open(tagged);
    file->Info.RemoveID3v2 = true;
    EXPECT_EQ(Save(*file), kAudio + kID3v1);
    EXPECT_FALSE(file->Info.HasID3v2);
    EXPECT_TRUE(file->Info.HasID3v1);
    EXPECT_FALSE(file->Info.ID3v2->ReadTag());
  }
  {
    SCOPED_TRACE("both");
    auto file = Open(tagged);
    file->Info.RemoveID3v2 = true;
    file->Info.RemoveID3v1 = true;
    EXPECT_EQ(Save(*file), kAudio);
    EXPECT_FALSE(file->Info.HasID3v2 || file->Info.HasID3v1);
  }
  {
    SCOPED_TRACE("ID3v1 while writing ID3v2");
    auto file = Open(tagged);
    file->Info.RemoveID3v1 = true;
    std::string written = SaveTwice(*file);
    EXPECT_EQ(written.size(), tagged.size() - 128);  // the old tag's space is kept
    EXPECT_EQ(written.substr(OurTag().size()), kAudio);
    EXPECT_FALSE(file->Info.HasID3v1);
  }
  {
    SCOPED_TRACE("a file without an ID3v1 tag gets none");
    auto file = Open(OurTag() + kAudio);
    file->Info.RemoveID3v2 = true;
    EXPECT_EQ(Save(*file), kAudio);
  }
}

TEST_F(ID3v2Write, EmptyFrameListLeavesATagOfPadding) {
  std::string tag = OurTag();
  auto file = Open(tag + kAudio + kID3v1);
  file->Info.ID3v2->GetFrameList().Clear();
  std::string padding(tag.size() - 10, '\0');
  EXPECT_EQ(SaveTwice(*file), ID3v2TagBytes(4, 0, padding) + kAudio + kID3v1);
  EXPECT_EQ(FramesInFile(file->Info), "");
}

TEST_F(ID3v2Write, TagWithAFooterIsRewrittenKeepingTheAudioBehindIt) {
  std::string body = ID3v2FrameBytes(4, "TIT2", TextBody("Title"));
  std::string footer = ID3v2TagBytes(4, 0x10, body).substr(0, 10).replace(0, 3, "3DI");
  std::string original = ID3v2TagBytes(4, 0x10, body) + footer + kAudio + kID3v1;
  auto file = Open(original);
  // The same frames would fit the old space exactly; the footer still forces a rewrite.
  std::string written = SaveTwice(*file);
  uint32_t padding = ID3v2Padding(static_cast<uint32_t>(body.size()));
  EXPECT_EQ(written, ID3v2TagBytes(4, 0, body + std::string(padding, '\0')) + kAudio + kID3v1);

  // A footer flag without a footer behind the tag costs no audio.
  std::string flagOnly = ID3v2TagBytes(4, 0x10, body) + kAudio;
  auto stray = Open(flagOnly);
  EXPECT_EQ(Save(*stray).substr(10 + body.size() + padding), kAudio);
}

TEST_F(ID3v2Write, FailuresLeaveTheFileWhole) {
  {
    SCOPED_TRACE("read-only entry, in place");
    std::string original = OurTag() + kAudio;
    auto file = Open(original, fmOpenRead);
    file->Info.ID3v2->GetFrameList().DeleteFrame(fiTALB);
    EXPECT_FALSE(file->Info.ID3v2->WriteTag(file->Info));
    file->Close();  // mode 0 holds the file exclusively
    EXPECT_EQ(file->Contents(), original);
  }
  {
    SCOPED_TRACE("read-only entry, rewrite");
    auto file = Open(kAudio, fmOpenRead);
    SetText(*file->Info.ID3v2, fiTIT2, "Title");
    EXPECT_FALSE(file->Info.ID3v2->WriteTag(file->Info));
    file->Close();
    EXPECT_EQ(file->Contents(), kAudio);
  }
  {
    SCOPED_TRACE("no temporary copy can be made");
    auto file = Open(OurTag() + kAudio);
    SetText(*file->Info.ID3v2, fiTIT3, std::string(500, 's'));
    SetListedFolder(file->Folder() + "missing\\");
    EXPECT_FALSE(file->Info.ID3v2->WriteTag(file->Info));
    EXPECT_EQ(file->Contents(), OurTag() + kAudio);
    EXPECT_EQ(FileSizeOf(file->Entry.Handle), static_cast<int64_t>((OurTag() + kAudio).size()));
  }
  {
    SCOPED_TRACE("old tag larger than the file");
    std::string broken = OurTag() + kAudio;
    broken[7] = 0x7F;
    auto file = Open(broken);
    EXPECT_FALSE(file->Info.ID3v2->WriteTag(file->Info));
    file->Info.RemoveID3v2 = true;
    EXPECT_FALSE(file->Info.ID3v2->WriteTag(file->Info));
    EXPECT_EQ(file->Contents(), broken);
  }
}

TEST_F(ID3v2Write, HandleReopenedByTheID3v1RemovalIsUsed) {
  auto file = Open(OurTag() + kAudio + kID3v1);
  TMp3ID3v1 id3v1(file->Info, false);
  ASSERT_TRUE(id3v1.RemoveTag(file->Info));
  SetText(*file->Info.ID3v2, fiTIT3, std::string(500, 's'));
  std::string written = Save(*file);
  uint32_t size = ReadSyncsafe(FourBytesAt(Bytes(written), 6));
  EXPECT_EQ(written.substr(10 + size), kAudio);
}

TEST_F(ID3v2Write, FramesTheUserDidNotChangeAreWrittenAsTheyWereRead) {
  // Text beyond 8-bit text, several values, a genre reference, an empty description,
  // CR LF line breaks: nothing of it is rebuilt from the fields the program holds.
  const std::string title = "\x02\0a\x26\x3A"s, artists = "\x03" "A\0B"s,
                    genre = "\0(17)Rock"s, comment = "\x03" "eng\0hi"s, user = "\0\0one\r\ntwo"s;
  auto file = Open(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", title) +
                                           ID3v2FrameBytes(4, "TPE1", artists) +
                                           ID3v2FrameBytes(4, "TALB", TextBody("Old")) +
                                           ID3v2FrameBytes(4, "TCON", genre) +
                                           ID3v2FrameBytes(4, "COMM", comment) +
                                           ID3v2FrameBytes(4, "TXXX", user)) +
                   kAudio);
  TMp3ID3v2& tag = *file->Info.ID3v2;
  SetText(tag, fiTALB, "New");
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\0|"s + title, "TPE1|\0\0|"s + artists,
                                      "TALB|\0\0|"s + TextBody("New"), "TCON|\0\0|"s + genre,
                                      "COMM|\0\0|"s + comment, "TXXX|\0\0|"s + user}));

  // A frame changed in one field keeps the others as they were read.
  TFrameListManager& frames = tag.GetFrameList();
  frames.GetPrimarySubList().GetFrameCategory(4).SetText(Bytes("new"));
  frames.GetOtherSubList().GetFrameCategory(0).SetDescriptionString("d");
  std::vector<std::string> written = RawFrames(SaveTwice(*file));
  ASSERT_EQ(written.size(), 6u);
  EXPECT_EQ(written[4], "COMM|\0\0|\0eng\0new"s);
  EXPECT_EQ(written[5], "TXXX|\0\0|\0d\0one\r\ntwo"s);
}

TEST_F(ID3v2Write, FramesTheProgramDoesNotEditAreWrittenBack) {
  const std::string priv = "owner@example\x00\x01\x02\xFF\xE0"s;
  const std::string ufid = "http://ids\x00" "1234"s;
  std::string tag24 = ID3v2TagBytes(
      4, 0,
      ID3v2FrameBytes(4, "TIT2", TextBody("Old")) + ID3v2FrameBytes(4, "PRIV", priv) +
          ID3v2FrameBytes(4, "XSOP", TextBody("Sort")) +
          ID3v2FrameBytes(4, "UFID", ufid, 0x20) +             // file alter: kept
          ID3v2FrameBytes(4, "XDRP", TextBody("x"), 0x40) +    // tag alter: dropped
          ID3v2FrameBytes(4, "PCNT", "\0\0\0\x2A"s) +         // a kind without a class
          ID3v2FrameBytes(4, "TPE2", "\x01"s) +                // a body without a field
          std::string(20, '\0'));
  auto file = Open(tag24 + kAudio);
  SetText(*file->Info.ID3v2, fiTIT2, "New");
  std::string written = SaveTwice(*file);
  EXPECT_EQ(RawFrames(written),
            (std::vector<std::string>{"TIT2|\0\0|"s + TextBody("New"),
                                      "PRIV|\0\x02|"s + "owner@example\x00\x01\x02\xFF\x00\xE0"s,
                                      "XSOP|\0\0|"s + TextBody("Sort"), "UFID|\x20\0|"s + ufid,
                                      "PCNT|\0\0|\0\0\0\x2A"s, "TPE2|\0\0|\x01"s}));
  EXPECT_EQ(written.substr(written.size() - kAudio.size()), kAudio);
  auto reread = Open(written);
  ASSERT_EQ(reread->Info.ID3v2->GetKeptData().Frames.size(), 5u);
  const TBytes& body = reread->Info.ID3v2->GetKeptData().Frames[0].Body;
  EXPECT_EQ(std::string(body.begin(), body.end()), priv);
}

TEST_F(ID3v2Write, FramesThatDoNotDecodeAreWrittenBackAsTheyLie) {
  // ID3v2.3: encrypted (method 0x81) in group 7, and compressed data that is not zlib.
  // Their extra bytes take their ID3v2.4 order, the inflated size becomes the data length.
  auto file = Open(ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TIT2", "\x81\x07secret"s, 0, 0x60) +
                                           ID3v2FrameBytes(3, "TPE1", BigEndian(200) + "junk",
                                                           0, 0x80)) +
                   kAudio);
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\x44|\x07\x81secret"s,
                                      "TPE1|\0\x09|\0\0\x01\x48junk"s}));
  // ID3v2.4: encrypted with a data length, unsynchronised, as it came.
  const std::string frame = ID3v2FrameBytes(4, "TALB", "\x81\0\0\0\x05" "ab\xFF\0\xE0"s, 0, 0x07);
  auto file24 = Open(ID3v2TagBytes(4, 0x80, frame) + kAudio);
  EXPECT_EQ(Save(*file24).substr(10, frame.size()), frame);
}

TEST_F(ID3v2Write, BytesThatCannotBeReadAreKeptBehindTheFrames) {
  // A malformed frame header, and a frame running past the tag's end: behind the frames,
  // set apart by a zero byte as padding would be, so that no reader takes them for a
  // part of the last frame.
  for (const std::string& unread : {"\x01junk\xFF"s, "TPE2\0\0\x01\0\0\0\0cut"s}) {
    SCOPED_TRACE(Printable(Bytes(unread)));
    const std::string title = ID3v2FrameBytes(4, "TIT2", TextBody("Title"));
    auto file = Open(ID3v2TagBytes(4, 0, title + unread) + kAudio);
    SetText(*file->Info.ID3v2, fiTALB, "New");
    std::string frames = title + ID3v2FrameBytes(4, "TALB", TextBody("New")) + '\0' + unread;
    uint32_t padding = ID3v2Padding(static_cast<uint32_t>(frames.size()));
    EXPECT_EQ(SaveTwice(*file),
              ID3v2TagBytes(4, 0, frames + std::string(padding, '\0')) + kAudio);
  }
}

TEST_F(ID3v2Write, ID3v23FramesWhoseMeaningChangedAreNotCarriedOver) {
  std::string tag23 = ID3v2TagBytes(
      3, 0,
      ID3v2FrameBytes(3, "TIT2", TextBody("Title")) + ID3v2FrameBytes(3, "TDAT", TextBody("0101")) +
          ID3v2FrameBytes(3, "RVAD", "\x03\x10\x00\x01\x00\x01"s) +
          ID3v2FrameBytes(3, "PRIV", "me\x00" "data"s) + std::string(10, '\0'));
  auto file = Open(tag23 + kAudio);
  std::string written = Save(*file);
  EXPECT_EQ(RawFrames(written), (std::vector<std::string>{"TIT2|\0\0|"s + TextBody("Title"),
                                                          "PRIV|\0\0|me\x00" "data"s}));
}

}  // namespace
