#include "FrameFixtures.h"
#include "ID3v2Fixtures.h"
#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3v2FrameData.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string kAudio = Junk(700);

// The frames a file's tag reads as, "" when ReadTag fails.
std::string ReadFrames(const std::string& file) {
  TListedFile listed(file);
  TMp3ID3v2 tag(listed.Info, false);
  return tag.ReadTag() ? FrameList(tag.GetFrameList()) : "";
}

std::string Text23(const std::string& id, const std::string& text) {
  return ID3v2FrameBytes(3, id, TextBody(text));
}
std::string Text24(const std::string& id, const std::string& text) {
  return ID3v2FrameBytes(4, id, TextBody(text));
}

const std::string kTitle = "TIT2{text=Title}", kArtist = "TPE1{text=Artist}";

TEST(ID3v2Read, OnlyVersions23And24AreRead) {
  for (uint8_t major : {0, 2, 5, 255}) {
    TListedFile file(ID3v2TagBytes(major, 0, Text24("TIT2", "Title")) + kAudio);
    ProbeTags(file.Info);
    TMp3ID3v2 tag(file.Info, false);
    EXPECT_FALSE(tag.ReadTag()) << int{major};
    EXPECT_EQ(tag.GetFrameList().GetCount(), 0);
  }
  TListedFile notATag("id3" + kAudio);
  TMp3ID3v2 tag(notATag.Info, false);
  EXPECT_FALSE(tag.ReadTag());

  for (uint8_t major : {3, 4}) {
    TListedFile file(ID3v2TagBytes(major, 0, ID3v2FrameBytes(major, "TIT2", TextBody("Title"))) +
                     kAudio);
    TMp3ID3v2 read(file.Info, false);
    EXPECT_EQ(read.GetVersion(), major == 3 ? tvID3v23 : tvID3v24);
    ASSERT_TRUE(read.ReadTag());
    EXPECT_EQ(FrameList(read.GetFrameList()), kTitle);
    ASSERT_TRUE(read.ReadTag());  // reading again replaces the frames
    EXPECT_EQ(read.GetFrameList().GetCount(), 1);
  }
}

TEST(ID3v2Read, FrameSizesByVersion) {
  const std::string longText(300, 'x');  // a size whose syncsafe and plain forms differ
  const std::string expected = "TIT2{text=" + longText + "} " + kArtist;
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(3, 0, Text23("TIT2", longText) + Text23("TPE1", "Artist")) +
                       kAudio),
            expected);
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, Text24("TIT2", longText) + Text24("TPE1", "Artist")) +
                       kAudio),
            expected);

  // ID3v2.4 frames with plain big-endian sizes, as some writers make them: 200 cannot be
  // syncsafe (bit 7), 301 can but then ends inside the text.
  const std::string text200(199, 'y');
  std::string plain = Text23("TIT2", longText) + Text23("TALB", text200) + Text23("TPE1", "Artist");
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, plain + std::string(50, '\0')) + kAudio),
            "TIT2{text=" + longText + "} TALB{text=" + text200 + "} " + kArtist);
  // The last frame before the tag's end, and before padding.
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, Text23("TIT2", longText)) + kAudio),
            "TIT2{text=" + longText + "}");
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, Text23("TIT2", longText) + std::string(9, '\0')) +
                       kAudio),
            "TIT2{text=" + longText + "}");
}

TEST(ID3v2Read, ExtendedHeaders) {
  const std::string frames = Text23("TIT2", "Title") + Text23("TPE1", "Artist");
  // ID3v2.3: size 6 without a CRC, 10 with one (the size counts it); padding size.
  for (bool crc : {false, true}) {
    SCOPED_TRACE(crc);
    std::string extended = BigEndian(crc ? 10 : 6) + (crc ? "\x80\x00"s : "\x00\x00"s) +
                           BigEndian(20) + (crc ? "\x12\x34\x56\x78"s : "");
    TListedFile file(ID3v2TagBytes(3, 0x40, extended + frames + std::string(20, '\0')) + kAudio);
    TMp3ID3v2 tag(file.Info, false);
    const TMp3ID3v2HeaderEx& header = tag.GetHeaderEx();
    EXPECT_TRUE(header.ExtendedHeader);
    EXPECT_EQ(header.ExtendedHeaderSize, crc ? 14u : 10u);
    EXPECT_EQ(header.GetExtendedFlagCount(), 2);
    EXPECT_EQ(header.GetExtendedFlag(0), crc ? 0x80 : 0);
    EXPECT_EQ(header.PaddingSize, 20u);
    ASSERT_TRUE(tag.ReadTag());
    EXPECT_EQ(FrameList(tag.GetFrameList()), kTitle + " " + kArtist);
    EXPECT_EQ(header.TagSize, frames.size());
    EXPECT_EQ(header.PaddingSize, 20u);
  }

  // ID3v2.4: a syncsafe size that counts itself, the number of flag bytes, the flags.
  std::string frames24 = Text24("TIT2", "Title");
  TListedFile file(ID3v2TagBytes(4, 0x40, "\x00\x00\x00\x06\x01\x00"s + frames24) + kAudio);
  TMp3ID3v2 tag(file.Info, false);
  EXPECT_EQ(tag.GetHeaderEx().ExtendedHeaderSize, 6u);
  EXPECT_EQ(tag.GetHeaderEx().GetExtendedFlagCount(), 1);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), kTitle);

  // A flag without an extended header, as some writers set it: the frames start at once.
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(3, 0x40, frames) + kAudio), kTitle + " " + kArtist);
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0x40, frames24) + kAudio), kTitle);
  // Extended headers that do not fit the tag or lack their fields are taken for absent;
  // what stands in their place is no frame.
  const std::string brokenHeaders[] = {
      BigEndian(600), BigEndian(2), "\x00\x00"s,  // ID3v2.3
      "\x00\x00\x00\x03\x01\x00"s, "\x00\x00\x7F\x7F\x01\x00"s,  // ID3v2.4
  };
  for (int i = 0; i < 5; ++i) {
    uint8_t major = i < 3 ? 3 : 4;
    std::string rest = i == 2 ? "" : major == 3 ? frames : frames24;
    TListedFile file(ID3v2TagBytes(major, 0x40, brokenHeaders[i] + rest) + kAudio);
    TMp3ID3v2 tag(file.Info, false);
    EXPECT_FALSE(tag.GetHeaderEx().ExtendedHeader) << i;
    EXPECT_TRUE(tag.ReadTag()) << i;
    EXPECT_EQ(tag.GetFrameList().GetCount(), 0) << i;
  }
}

TEST(ID3v2Read, Unsynchronisation) {
  // Texts whose bytes need unsynchronisation: 0xFF before 0x00 and before 0xE0..0xFF.
  const std::string wild = "a\xFF\xE0z\xFF", tail = "\xFF";
  const std::string expected = "TIT2{text=a\\xFF\\xE0z\\xFF} TPE1{text=Artist\\xFF}";

  // ID3v2.3: the whole tag, extended header included, in one piece. Frame sizes count
  // the bytes as they are before unsynchronisation.
  TBytes body = Bytes(BigEndian(6) + "\x00\x00"s + "\x00\x00\xFF\x00"s +
                      Text23("TIT2", wild) + Text23("TPE1", "Artist" + tail) +
                      std::string(8, '\0'));
  ASSERT_TRUE(ApplyUnsynchronisation(body));
  std::string tag23 = ID3v2TagBytes(3, 0xC0, std::string(body.begin(), body.end()));
  TListedFile file(tag23 + kAudio);
  TMp3ID3v2 tag(file.Info, false);
  EXPECT_EQ(tag.GetHeaderEx().PaddingSize, 0xFF00u);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), expected);

  // ID3v2.4: each frame on its own, by its format flag or by the tag's flag.
  auto unsynchronised = [](const std::string& id, const std::string& text, uint8_t format) {
    TBytes frameBody = Bytes(TextBody(text));
    ApplyUnsynchronisation(frameBody);
    return ID3v2FrameBytes(4, id, std::string(frameBody.begin(), frameBody.end()), 0, format);
  };
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, unsynchronised("TIT2", wild, 0x02) +
                                               unsynchronised("TPE1", "Artist" + tail, 0x02)) +
                       kAudio),
            expected);
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0x80, unsynchronised("TIT2", wild, 0) +
                                                  unsynchronised("TPE1", "Artist" + tail, 0)) +
                       kAudio),
            expected);
  // Without either flag the stuffed bytes are data.
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, unsynchronised("TIT2", "\xFF\xE0", 0)) + kAudio),
            "TIT2{text=\\xFF\\x00\\xE0}");
}

TEST(ID3v2Read, FooterAfterTheTag) {
  std::string body = Text24("TIT2", "Title");
  std::string footer = ID3v2TagBytes(4, 0x10, body).substr(0, 10);
  footer.replace(0, 3, "3DI");
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0x10, body) + footer + kAudio), kTitle);
}

TEST(ID3v2Read, FrameFormatFlags) {
  const std::string text = TextBody(std::string(100, 'c'));
  const std::string compressed = "TIT2{text=" + std::string(100, 'c') + "}";
  const std::string after = " " + kArtist;
  struct TCase {
    const char* Name;
    uint8_t Major;
    uint8_t Format;
    std::string Body;
    std::string Expected;  // the first frame, "" when it is passed over
  } cases[] = {
      {"2.3 compressed", 3, 0x80, Cat({BigEndian(101), Deflated(text)}), compressed},
      {"2.3 compressed, grouped", 3, 0xA0, Cat({BigEndian(101), "\x07", Deflated(text)}),
       compressed},
      {"2.3 grouped", 3, 0x20, Cat({"\x07", TextBody("Title")}), kTitle},
      {"2.3 encrypted", 3, 0x40, Cat({"\x01", TextBody("Title")}), ""},
      {"2.3 compressed, not zlib", 3, 0x80, Cat({BigEndian(101), "garbage"}), ""},
      {"2.3 compressed, too short", 3, 0x80, "\x00\x00"s, ""},
      {"2.3 compressed, larger than announced", 3, 0x80, Cat({BigEndian(50), Deflated(text)}),
       ""},
      {"2.3 compressed, unknown size", 3, 0x80, Cat({BigEndian(0), Deflated(text)}), compressed},
      {"2.3 compressed, truncated", 3, 0x80, Cat({BigEndian(101), Deflated(text).substr(0, 10)}),
       ""},
      {"2.4 grouped", 4, 0x40, Cat({"\x07", TextBody("Title")}), kTitle},
      {"2.4 data length", 4, 0x01, Cat({"\x00\x00\x00\x06"s, TextBody("Title")}), kTitle},
      {"2.4 compressed with data length", 4, 0x09, Cat({"\x00\x00\x00\x65"s, Deflated(text)}),
       compressed},
      {"2.4 compressed", 4, 0x08, Deflated(text), compressed},
      {"2.4 grouped, data length, unsynchronised", 4, 0x43,
       "\x07\x00\x00\x00\x03" "\x00\xFF\x00\xE0"s, "TIT2{text=\\xFF\\xE0}"},
      {"2.4 encrypted", 4, 0x04, Cat({"\x01", TextBody("Title")}), ""},
      {"2.4 data length, too short", 4, 0x01, "\x00\x00\x06"s, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    std::string frames = ID3v2FrameBytes(c.Major, "TIT2", c.Body, 0, c.Format) +
                         ID3v2FrameBytes(c.Major, "TPE1", TextBody("Artist"));
    std::string expected = c.Expected.empty() ? kArtist : c.Expected + after;
    EXPECT_EQ(ReadFrames(ID3v2TagBytes(c.Major, 0, frames) + kAudio), expected);
  }
}

TEST(ID3v2Read, FramesKeepOnlyTheirStatusFlagsInID3v24Places) {
  for (uint8_t major : {3, 4}) {
    uint8_t status = major == 3 ? 0xE0 : 0x7F;  // every status bit, reserved ones too
    uint8_t grouping = major == 3 ? 0x20 : 0x40;  // a format flag that is dropped too
    TListedFile file(ID3v2TagBytes(major, 0, ID3v2FrameBytes(major, "TIT2",
                                                             Cat({"\x07", TextBody("Title")}),
                                                             status, grouping)) +
                     kAudio);
    TMp3ID3v2 tag(file.Info, false);
    ASSERT_TRUE(tag.ReadTag());
    ASSERT_EQ(tag.GetFrameList().GetCount(), 1);
    std::array<uint8_t, 2> expected = {0x70, 0};
    EXPECT_EQ(tag.GetFrameList().GetFrame(0).GetFlags(), expected) << int{major};
  }
}

TEST(ID3v2Read, WhatEndsTheFrames) {
  const std::string title = Text24("TIT2", "Title"), artist = Text24("TPE1", "Artist");
  TListedFile padded(ID3v2TagBytes(4, 0, title + artist + std::string(40, '\0')) + kAudio);
  TMp3ID3v2 tag(padded.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), kTitle + " " + kArtist);
  EXPECT_EQ(tag.GetHeaderEx().TagSize, title.size() + artist.size());
  EXPECT_EQ(tag.GetHeaderEx().PaddingSize, 40u);

  struct TCase {
    const char* Name;
    std::string Middle;
  } cases[] = {
      {"lower-case ID", ID3v2FrameBytes(4, "tpe1", TextBody("x"))},
      {"ID with a blank", ID3v2FrameBytes(4, "TP 1", TextBody("x"))},
      {"frame past the tag's end", "TALB\x00\x00\x10\x00\x00\x00"s + TextBody("x")},
      {"frame header cut by the tag's end", "TALB\x00\x00"s},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    bool last = std::string(c.Name).find("cut") != std::string::npos;
    EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, title + c.Middle + (last ? "" : artist)) + kAudio),
              kTitle);
  }

  // A tag that claims more bytes than the file has: frames past the file's end are not
  // read, nor anything outside the file.
  std::string tag24 = ID3v2TagBytes(4, 0, title + artist);
  tag24[9] = 0x7F;
  EXPECT_EQ(ReadFrames(tag24), kTitle + " " + kArtist);
  EXPECT_EQ(ReadFrames(tag24.substr(0, tag24.size() - 1)), kTitle);
}

TEST(ID3v2Read, FramesWithoutAKindArePassedOver) {
  const std::string title = Text23("TIT2", "Title"), artist = Text23("TPE1", "Artist");
  for (const char* id : {"TCMP", "TSO2", "ETCO", "XSOP", "PRIV", "TLEN", "PCNT", "TDAT", "TIME"}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(ReadFrames(ID3v2TagBytes(3, 0, title + Text23(id, "1234") + artist) + kAudio),
              kTitle + " " + kArtist);
  }
  // ID3v2.3 frames take their ID3v2.4 successors' IDs.
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(3, 0, Text23("TYER", "1999") + Text23("TORY", "1980") +
                                               Text23("IPLS", "a")) +
                       kAudio),
            "TDRC{text=1999 | year=1999 | month= | day=} TDOR{text=1980} TIPL{text=a}");
}

TEST(ID3v2Read, BodiesWithoutFieldsStayOutOfTheList) {
  const std::string comment6 = "\x00" "eng" "\x00" "c"s;
  TListedFile file(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", "\x00"s) +
                                           ID3v2FrameBytes(4, "COMM", comment6.substr(0, 5)) +
                                           ID3v2FrameBytes(4, "COMM", comment6)) +
                   kAudio);
  TMp3ID3v2 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), "COMM{lang=eng | desc= | text=c}");
  EXPECT_EQ(tag.GetKeptData().Frames.size(), 2u);  // written back as they were
}

TEST(ID3v2FrameData, InflateStaysWithinItsBounds) {
  const std::string data(5000, 'z');
  const std::string zipped = Deflated(data);
  std::span<const uint8_t> input(reinterpret_cast<const uint8_t*>(zipped.data()), zipped.size());
  TBytes out;
  ASSERT_TRUE(InflateFrameData(input, 5000, out));
  EXPECT_EQ(out, Bytes(data));
  ASSERT_TRUE(InflateFrameData(input, 0, out));
  EXPECT_EQ(out.size(), 5000u);
  EXPECT_FALSE(InflateFrameData(input, 4999, out));
  EXPECT_FALSE(InflateFrameData(input.first(input.size() - 1), 0, out));
  EXPECT_FALSE(InflateFrameData({}, 0, out));
}

}  // namespace
