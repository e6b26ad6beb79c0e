// Reading ID3v2.3 and 2.4 tags: header, extended header, frame sizes and flags,
// unsynchronisation, and where the frames end.
#include "FrameFixtures.h"
#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3v2.h"
#include "tags/ID3v2FrameData.h"

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

std::string Text(uint8_t major, const std::string& id, const std::string& text) {
  return ID3v2FrameBytes(major, id, TextBody(text));
}

const std::string kTitle = "TIT2{text=Title}", kArtist = "TPE1{text=Artist}";

TEST(ID3v2Read, OnlyVersions23And24AreRead) {
  for (uint8_t major : {0, 2, 3, 4, 5, 255}) {
    TListedFile file(ID3v2TagBytes(major, 0, Text(4, "TIT2", "Title")) + kAudio);
    TMp3ID3v2 tag(file.Info, false);
    bool read = major == 3 || major == 4;
    EXPECT_EQ(tag.ReadTag(), read) << int{major};
    EXPECT_EQ(FrameList(tag.GetFrameList()), read ? kTitle : "") << int{major};
  }
  TListedFile notATag("id3" + kAudio);
  EXPECT_FALSE(TMp3ID3v2(notATag.Info, false).ReadTag());
}

TEST(ID3v2Read, FrameSizesByVersion) {
  const std::string longText(300, 'x');  // a size whose syncsafe and plain forms differ
  const std::string expected = "TIT2{text=" + longText + "} " + kArtist;
  for (uint8_t major : {3, 4})
    EXPECT_EQ(ReadFrames(ID3v2TagBytes(major, 0, Text(major, "TIT2", longText) +
                                                     Text(major, "TPE1", "Artist")) +
                         kAudio),
              expected);
  // ID3v2.4 frames with plain big-endian sizes, as some writers make them: 200 cannot be
  // syncsafe (bit 7), 301 can but then ends inside the text; the last one ends at the
  // tag's end or before padding.
  const std::string text200(199, 'y');
  std::string plain =
      Text(3, "TIT2", longText) + Text(3, "TALB", text200) + Text(3, "TPE1", "Artist");
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, plain + std::string(50, '\0')) + kAudio),
            "TIT2{text=" + longText + "} TALB{text=" + text200 + "} " + kArtist);
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, Text(3, "TIT2", longText)) + kAudio),
            "TIT2{text=" + longText + "}");
}

TEST(ID3v2Read, ExtendedHeaders) {
  const std::string frames = Text(3, "TIT2", "Title") + Text(3, "TPE1", "Artist");
  // ID3v2.3: size 6 without a CRC, 10 with one (the size counts it); padding size.
  for (bool crc : {false, true}) {
    SCOPED_TRACE(crc);
    std::string extended = BigEndian(crc ? 10 : 6) + (crc ? "\x80\x00"s : "\x00\x00"s) +
                           BigEndian(20) + (crc ? "\x12\x34\x56\x78"s : "");
    TListedFile file(ID3v2TagBytes(3, 0x40, extended + frames + std::string(20, '\0')) + kAudio);
    TMp3ID3v2 tag(file.Info, false);
    EXPECT_EQ(tag.GetHeaderEx().ExtendedHeaderSize, crc ? 14u : 10u);
    EXPECT_EQ(tag.GetHeaderEx().GetExtendedFlag(0), crc ? 0x80 : 0);
    ASSERT_TRUE(tag.ReadTag());
    EXPECT_EQ(FrameList(tag.GetFrameList()), kTitle + " " + kArtist);
    EXPECT_EQ(tag.GetHeaderEx().TagSize, frames.size());
    EXPECT_EQ(tag.GetHeaderEx().PaddingSize, 20u);
  }
  // ID3v2.4: a syncsafe size that counts itself, the number of flag bytes, the flags.
  const std::string frames24 = Text(4, "TIT2", "Title");
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0x40, "\x00\x00\x00\x06\x01\x00"s + frames24) + kAudio),
            kTitle);
  // A flag without an extended header, as some writers set it: the frames start at once.
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(3, 0x40, frames) + kAudio), kTitle + " " + kArtist);
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0x40, frames24) + kAudio), kTitle);
  // Extended headers that do not fit the tag or lack their fields are taken for absent.
  const std::string broken[] = {BigEndian(600), BigEndian(2), "\x00\x00\x00\x03\x01\x00"s,
                                "\x00\x00\x7F\x7F\x01\x00"s};
  for (int i = 0; i < 4; ++i) {
    TListedFile file(ID3v2TagBytes(i < 2 ? 3 : 4, 0x40, broken[i] + frames24) + kAudio);
    TMp3ID3v2 tag(file.Info, false);
    EXPECT_FALSE(tag.GetHeaderEx().ExtendedHeader) << i;
    EXPECT_TRUE(tag.ReadTag()) << i;
  }
}

TEST(ID3v2Read, Unsynchronisation) {
  // Texts whose bytes need unsynchronisation: 0xFF before 0x00 and before 0xE0..0xFF.
  const std::string wild = "a\xFF\xE0z\xFF", tail = "\xFF";
  const std::string expected = "TIT2{text=a\\xFF\\xE0z\\xFF} TPE1{text=Artist\\xFF}";
  // ID3v2.3: the whole tag, extended header included, in one piece. Frame sizes count
  // the bytes as they are before unsynchronisation.
  TBytes body = Bytes(BigEndian(6) + "\x00\x00\x00\x00\xFF\x00"s + Text(3, "TIT2", wild) +
                      Text(3, "TPE1", "Artist" + tail) + std::string(8, '\0'));
  ASSERT_TRUE(ApplyUnsynchronisation(body));
  TListedFile file(ID3v2TagBytes(3, 0xC0, std::string(body.begin(), body.end())) + kAudio);
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
  for (auto [tagFlags, frameFlags] : {std::pair{0, 0x02}, std::pair{0x80, 0}})
    EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, tagFlags, unsynchronised("TIT2", wild, frameFlags) +
                                                        unsynchronised("TPE1", "Artist" + tail,
                                                                       frameFlags)) +
                         kAudio),
              expected);
  // Without either flag the stuffed bytes are data.
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, unsynchronised("TIT2", "\xFF\xE0", 0)) + kAudio),
            "TIT2{text=\\xFF\\x00\\xE0}");
}

TEST(ID3v2Read, FooterAfterTheTag) {
  std::string body = Text(4, "TIT2", "Title");
  std::string footer = ID3v2TagBytes(4, 0x10, body).substr(0, 10).replace(0, 3, "3DI");
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0x10, body) + footer + kAudio), kTitle);
}

TEST(ID3v2Read, FrameFormatFlags) {
  const std::string text = TextBody(std::string(100, 'c'));
  const std::string compressed = "TIT2{text=" + std::string(100, 'c') + "}";
  struct TCase {
    const char* Name;
    uint8_t Major, Format;
    std::string Body, Expected;  // Expected: the first frame, "" when it is passed over
  } cases[] = {
      {"2.3 compressed, grouped", 3, 0xA0, Cat({BigEndian(101), "\x07", Deflated(text)}),
       compressed},
      {"2.3 grouped", 3, 0x20, Cat({"\x07", TextBody("Title")}), kTitle},
      {"2.3 encrypted", 3, 0x40, Cat({"\x01", TextBody("Title")}), ""},
      {"2.3 compressed, not zlib", 3, 0x80, Cat({BigEndian(101), "garbage"}), ""},
      {"2.3 compressed, too short", 3, 0x80, "\x00\x00"s, ""},
      {"2.3 compressed, larger than announced", 3, 0x80, Cat({BigEndian(50), Deflated(text)}),
       ""},
      {"2.3 compressed, unknown size", 3, 0x80, Cat({BigEndian(0), Deflated(text)}), compressed},
      {"2.4 data length", 4, 0x01, Cat({"\x00\x00\x00\x06"s, TextBody("Title")}), kTitle},
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
    std::string expected = c.Expected.empty() ? kArtist : c.Expected + " " + kArtist;
    EXPECT_EQ(ReadFrames(ID3v2TagBytes(c.Major, 0, frames) + kAudio), expected);
  }
  // Only the status flags stay, in their ID3v2.4 places, reserved bits and format aside.
  for (uint8_t major : {3, 4}) {
    TListedFile file(ID3v2TagBytes(major, 0, ID3v2FrameBytes(major, "TIT2", TextBody("Title"),
                                                             major == 3 ? 0xE0 : 0x7F, 0)) +
                     kAudio);
    TMp3ID3v2 tag(file.Info, false);
    ASSERT_TRUE(tag.ReadTag());
    EXPECT_EQ(tag.GetFrameList().GetFrame(0).GetFlags(), (std::array<uint8_t, 2>{0x70, 0}));
  }
}

TEST(ID3v2Read, WhatEndsTheFrames) {
  const std::string title = Text(4, "TIT2", "Title"), artist = Text(4, "TPE1", "Artist");
  TListedFile padded(ID3v2TagBytes(4, 0, title + artist + std::string(40, '\0')) + kAudio);
  TMp3ID3v2 tag(padded.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetHeaderEx().TagSize, title.size() + artist.size());
  EXPECT_EQ(tag.GetHeaderEx().PaddingSize, 40u);
  // A malformed ID, a frame past the tag's end, a header the tag's end cuts.
  for (const std::string& last : {Text(4, "tpe1", "x"), Text(4, "TP 1", "x"),
                                  "TALB\x00\x00\x10\x00\x00\x00"s + TextBody("x"), "TALB\0\0"s})
    EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, title + last) + kAudio), kTitle);
  // A tag that claims more bytes than the file has: nothing outside the file is read.
  std::string tag24 = ID3v2TagBytes(4, 0, title + artist);
  tag24[9] = 0x7F;
  EXPECT_EQ(ReadFrames(tag24), kTitle + " " + kArtist);
  EXPECT_EQ(ReadFrames(tag24.substr(0, tag24.size() - 1)), kTitle);
}

TEST(ID3v2Read, FramesTheListDoesNotHold) {
  // Frames without a kind or a class, almost empty ones: kept to be written back.
  const std::string comment6 = "\x00" "eng" "\x00" "c"s;
  TListedFile file(ID3v2TagBytes(3, 0, Text(3, "TIT2", "Title") + Text(3, "TCMP", "1") +
                                           Text(3, "PRIV", "x") + Text(3, "TLEN", "9") +
                                           ID3v2FrameBytes(3, "TPE1", "\x00"s) +
                                           ID3v2FrameBytes(3, "COMM", comment6.substr(0, 5)) +
                                           ID3v2FrameBytes(3, "COMM", comment6)) +
                   kAudio);
  TMp3ID3v2 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), kTitle + " COMM{lang=eng | desc= | text=c}");
  EXPECT_EQ(tag.GetKeptData().Frames.size(), 5u);
  // ID3v2.3 frames take their ID3v2.4 successors' IDs.
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(3, 0, Text(3, "TYER", "1999") + Text(3, "TORY", "1980") +
                                               Text(3, "IPLS", "a")) +
                       kAudio),
            "TDRC{text=1999 | year=1999 | month= | day=} TDOR{text=1980} TIPL{text=a}");
}

TEST(ID3v2FrameData, InflateStaysWithinItsBounds) {
  const std::string zipped = Deflated(std::string(5000, 'z'));
  std::span<const uint8_t> input(reinterpret_cast<const uint8_t*>(zipped.data()), zipped.size());
  TBytes out;
  ASSERT_TRUE(InflateFrameData(input, 5000, out));
  EXPECT_EQ(out, TBytes(5000, 'z'));
  ASSERT_TRUE(InflateFrameData(input, 0, out));  // no size announced
  EXPECT_FALSE(InflateFrameData(input, 4999, out));
  EXPECT_FALSE(InflateFrameData(input.first(input.size() - 1), 0, out));
  EXPECT_FALSE(InflateFrameData({}, 0, out));
}

}  // namespace
