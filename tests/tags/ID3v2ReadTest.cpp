// Reading ID3v2.3 and 2.4 tags: header, extended header, frame sizes and flags,
// unsynchronisation, and where the frames end.
#include "Deadline.h"
#include "FrameFixtures.h"
#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3v2.h"
#include "tags/ID3v2FrameData.h"
#include "tags/TagEnvironment.h"
#include "tags/TagProbe.h"

#include "base/ScopeExit.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string kAudio = Junk(700);

std::string ReadFrames(TListedFile& listed) {
  TMp3ID3v2 tag(listed.Info, false);
  return tag.ReadTag() ? FrameList(tag.GetFrameList()) : "";
}

// The frames a file's tag reads as, "" when ReadTag fails: alike read from the file alone
// and through the bytes the probe read first.
std::string ReadFrames(const std::string& file) {
  TListedFile listed(file);
  const std::string fromFile = ReadFrames(listed);
  ProbeTags(listed.Info);
  EXPECT_EQ(ReadFrames(listed), fromFile) << "through the probe's bytes";
  return fromFile;
}

std::string Text(uint8_t major, const std::string& id, const std::string& text) {
  return ID3v2FrameBytes(major, id, TextBody(text));
}

const std::string kTitle = "TIT2{text=Title}", kArtist = "TPE1{text=Artist}";

TEST(ID3v2Read, OnlyVersions22To24AreRead) {
  for (uint8_t major : {0, 1, 2, 3, 4, 5, 255}) {
    const std::string frame =
        major == 2 ? ID3v22FrameBytes("TT2", TextBody("Title")) : Text(4, "TIT2", "Title");
    TListedFile file(ID3v2TagBytes(major, 0, frame) + kAudio);
    TMp3ID3v2 tag(file.Info, false);
    bool read = major >= 2 && major <= 4;
    EXPECT_EQ(tag.ReadTag(), read) << int{major};
    EXPECT_EQ(FrameList(tag.GetFrameList()), read ? kTitle : "") << int{major};
  }
}

TEST(ID3v2Read, ID3v22FramesBecomeTheirID3v24Kinds) {
  auto frame = ID3v22FrameBytes;
  const std::string data = "\xFF\xD8\xFF\xE0jpeg"s;
  const std::string frames =
      frame("TT2", TextBody("Title")) + frame("TP1", "\x01\xFF\xFE" "A\0r\0t\0"s) +
      frame("TAL", TextBody("Album")) + frame("TRK", TextBody("3/9")) +
      frame("TYE", TextBody("1999")) + frame("TDA", TextBody("0506")) +
      frame("TCO", TextBody("(17)")) + frame("COM", "\0eng\0Nice"s) +
      frame("TXX", "\0mood\0calm"s) + frame("TEN", "") +  // size 0: passed over
      frame("CRM", "me\0x\0secret"s) + frame("UFI", "owner\0id"s) +
      frame("PIC", "\x01JPG\x03\xFF\xFE" "c\0\0\0"s + data) + frame("TSI", TextBody("12")) +
      frame("PIC", "\0PNG\0\0"s + data) + frame("XYZ", TextBody("?"));
  // Unsynchronised as a whole, as ID3v2.3 tags are.
  TBytes stuffed = Bytes(frames);
  ApplyUnsynchronisation(stuffed);
  TListedFile file(ID3v2TagBytes(2, 0x80, std::string(stuffed.begin(), stuffed.end()) +
                                              std::string(30, '\0')) +
                   kAudio);
  TMp3ID3v2 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetVersion(), tvID3v22);
  TFrameListManager& list = tag.GetFrameList();
  EXPECT_EQ(FrameList(list),
            "TIT2{text=Title} TPE1{text=Art} TALB{text=Album} TRCK{body=} "
            "TDRC{text=1999-06-05 | year=1999 | month=06 | day=05} TCON{genre=17 | text=17} "
            "COMM{lang=eng | desc= | text=Nice} TXXX{desc=mood | text=calm} APIC{body=} "
            "APIC{body=}");
  const TMp3ID3v2FrameCatBase& track = list.GetPrimarySubList().GetFrameCategory(3);
  EXPECT_EQ(track.GetTrackNumber() + "/" + track.GetTrackTotal(), "3/9");
  // A picture's image format becomes its MIME type; the rest of its body stays.
  const std::pair<const char*, const char*> pictures[] = {{"image/jpeg", "c"}, {"image/png", ""}};
  for (int i = 0; i < 2; ++i) {
    const TMp3ID3v2FrameCatBase& picture =
        list.GetOtherSubList().GetFrameCategory(list.GetOtherSubList().IndexOfKind(fiAPIC, i + 1));
    EXPECT_EQ(picture.GetTextString(), pictures[i].first);
    EXPECT_EQ(picture.GetDescriptionString(), pictures[i].second);
    EXPECT_EQ(picture.GetPictureType(), i == 0 ? 3 : 0);
    EXPECT_EQ(picture.GetPictureData(), Bytes(data));
  }
  ASSERT_EQ(tag.GetKeptData().Frames.size(), 1u);  // a frame the program does not edit
  EXPECT_EQ(std::string(tag.GetKeptData().Frames[0].ID.data(), 4), "UFID");
  EXPECT_EQ(tag.GetDroppedFrames(), (std::vector<std::string>{"CRM", "TSI", "XYZ"}));
  EXPECT_EQ(tag.GetHeaderEx().PaddingSize, 30u);
  // A compressed ID3v2.2 tag cannot be read.
  TListedFile compressed(ID3v2TagBytes(2, 0x40, frames) + kAudio);
  TMp3ID3v2 unread(compressed.Info, false);
  EXPECT_FALSE(unread.ReadTag());
  EXPECT_EQ(unread.GetFrameList().GetCount(), 0);
}

TEST(ID3v2Read, TagsEndingOnEitherSideOfTheProbesFirstReadReadWhole) {
  // The probe reads the file's first 2048 bytes; the last frame, the padding or the tag
  // itself may end before, at or behind that.
  const std::string title = Text(4, "TIT2", "Title");
  for (size_t tagEnd : {1500u, 2047u, 2048u, 2049u, 2060u, 5000u}) {
    for (size_t padding : {0u, 30u}) {
      SCOPED_TRACE(std::to_string(tagEnd) + " " + std::to_string(padding));
      const std::string artist(tagEnd - 10 - title.size() - 11 - padding, 'a');
      EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, title + Text(4, "TPE1", artist) +
                                                   std::string(padding, '\0')) +
                           kAudio),
                kTitle + " TPE1{text=" + artist + "}");
    }
  }
}

TEST(ID3v2Read, ATagsFramesAreReadUnderOneAnswerOfTheLocale) {
  // However many text frames a tag holds, a read asks for the locale's character set
  // once; outside a read every question reaches the source.
  int asked = 0;
  const TCharsetSource previous = SetCharsetSource([&asked] {
    ++asked;
    return uint8_t{0};
  });
  const TScopeExit restore([&] { SetCharsetSource(previous); });
  TListedFile file(
      ID3v2TagBytes(4, 0, Text(4, "TIT2", "Title") + Text(4, "TPE1", "Artist") + Text(4, "TALB", "Album")) +
      kAudio);
  TMp3ID3v2 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetFrameList().GetCount(), 3);
  EXPECT_EQ(asked, 1);
  LocaleCharset();
  LocaleCharset();
  EXPECT_EQ(asked, 3);
}

TEST(ID3v2Read, FrameSizesByVersion) {
  const std::string longText(300, 'x');  // a size whose syncsafe and plain forms differ
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
  // ID3v2.3 with a CRC: the size counts it; then the padding size.
  const std::string frames = Text(3, "TIT2", "Title") + Text(3, "TPE1", "Artist");
  const std::string crc = "\x12\x34\x56\x78"s, padding(20, '\0');
  TListedFile file(ID3v2TagBytes(3, 0x40, BigEndian(10) + "\x80\x00"s + BigEndian(20) + crc +
                                              frames + padding) +
                   kAudio);
  TMp3ID3v2 tag(file.Info, false);
  EXPECT_EQ(tag.GetHeaderEx().ExtendedHeaderSize, 14u);
  EXPECT_EQ(tag.GetHeaderEx().GetExtendedFlag(0), 0x80);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), kTitle + " " + kArtist);
  EXPECT_EQ(tag.GetHeaderEx().TagSize, frames.size());
  EXPECT_EQ(tag.GetHeaderEx().PaddingSize, 20u);
  // A flag without an extended header, as some writers set it: the frames start at once.
  const std::string frames24 = Text(4, "TIT2", "Title");
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
  // ID3v2.3: the whole tag in one piece, extended header included; frame sizes count the
  // bytes as they are before unsynchronisation.
  const std::string wild = "a\xFF\xE0z\xFF", expected = "TIT2{text=a\\xFF\\xE0z\\xFF}";
  TBytes body = Bytes(BigEndian(6) + "\0\0\0\0\xFF\0"s + Text(3, "TIT2", wild));
  ASSERT_TRUE(ApplyUnsynchronisation(body));
  TListedFile file(ID3v2TagBytes(3, 0xC0, std::string(body.begin(), body.end())) + kAudio);
  TMp3ID3v2 tag(file.Info, false);
  EXPECT_EQ(tag.GetHeaderEx().PaddingSize, 0xFF00u);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), expected);
  // ID3v2.4: each frame on its own, here by the tag's flag alone; without any flag the
  // stuffed bytes are data.
  TBytes frame = Bytes(TextBody(wild));
  ApplyUnsynchronisation(frame);
  const std::string stuffed = ID3v2FrameBytes(4, "TIT2", std::string(frame.begin(), frame.end()));
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0x80, stuffed) + kAudio), expected);
  EXPECT_EQ(ReadFrames(ID3v2TagBytes(4, 0, stuffed) + kAudio),
            "TIT2{text=a\\xFF\\x00\\xE0z\\xFF}");
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
      {"2.3 compressed, grouped", 3, 0xA0, BigEndian(101) + "\x07" + Deflated(text),
       compressed},
      {"2.3 compressed, unknown size", 3, 0x80, BigEndian(0) + Deflated(text), compressed},
      {"2.4 data length", 4, 0x01, "\x00\x00\x00\x06"s + TextBody("Title"), kTitle},
      {"2.4 compressed", 4, 0x08, Deflated(text), compressed},
      {"2.4 grouped, data length, unsynchronised", 4, 0x43,
       "\x07\x00\x00\x00\x03" "\x00\xFF\x00\xE0"s, "TIT2{text=\\xFF\\xE0}"},
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
  // However much more it claims (the largest syncsafe size, the largest plain one), the
  // body is what the file holds: the frames and the padding behind them.
  for (char size : {'\x7F', '\xFF'}) {
    std::string claiming = ID3v2TagBytes(4, 0, title + artist + std::string(40, '\0'));
    std::fill_n(claiming.begin() + 6, 4, size);
    TListedFile file(claiming);
    TMp3ID3v2 read(file.Info, false);
    ASSERT_TRUE(read.ReadTag());
    EXPECT_EQ(FrameList(read.GetFrameList()), kTitle + " " + kArtist);
    EXPECT_EQ(read.GetHeaderEx().PaddingSize, 40u);
  }
  // What lies behind a malformed frame is kept up to its last byte that is not zero,
  // wherever that byte lies in the padding behind it.
  for (size_t zeros : {0u, 1u, 7u, 8u, 9u, 16u, 17u, 300u}) {
    const std::string unread = "tpe1\0\xFF" + std::string(zeros % 5, '\0') + "\x01";
    TListedFile file(ID3v2TagBytes(4, 0, title + unread + std::string(zeros, '\0')) + kAudio);
    TMp3ID3v2 read(file.Info, false);
    ASSERT_TRUE(read.ReadTag());
    EXPECT_EQ(read.GetKeptData().Unread, Bytes(unread)) << zeros;
  }
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
}

TEST(ID3v2Read, CompressedFramesInflateOnlyWithinTheBoundsOfAFrameAndATag) {
  // A few kilobytes that would inflate past a frame's bound stay as they were read,
  // undecoded, and the frames around them are read.
  const std::string huge = Deflated(TextBody(std::string(ID3v2InflatedFrameLimit + 1, 'c')));
  TListedFile file(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", huge, 0, 0x08) +
                                           Text(4, "TPE1", "Artist")) +
                   kAudio);
  TMp3ID3v2 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), kArtist);
  ASSERT_EQ(tag.GetKeptData().Frames.size(), 1u);
  EXPECT_EQ(tag.GetKeptData().Frames[0].Format, 0x08);
  EXPECT_EQ(tag.GetKeptData().Frames[0].Body, Bytes(huge));
  // Frames each within the bound, but together past a tag's: the later ones stay packed.
  const int32_t fitting = ID3v2InflatedTagLimit / ID3v2InflatedFrameLimit;
  const std::string large = Deflated(TextBody(std::string(ID3v2InflatedFrameLimit - 1, 'c')));
  std::string frames;
  for (int32_t i = 0; i <= fitting; ++i)
    frames += ID3v2FrameBytes(4, i % 2 ? "TIT1" : "TIT3", large, 0, 0x08);
  TListedFile many(ID3v2TagBytes(4, 0, frames) + kAudio);
  TMp3ID3v2 manyTag(many.Info, false);
  ASSERT_TRUE(manyTag.ReadTag());
  EXPECT_EQ(manyTag.GetFrameList().GetCount(), fitting);
  EXPECT_EQ(manyTag.GetKeptData().Frames.size(), 1u);
}

TEST(ID3v2Read, AGenreOfAMegabyteOfParenthesesIsReadAndSavedInOnePass) {
  // A kilobyte of compressed data in a file: one pass over the rest of the text for each
  // parenthesis took minutes, on reading and again on saving.
  const TDeadline deadline(std::chrono::seconds(20), "a genre of a megabyte of parentheses");
  const std::string genre = Deflated(TextBody(std::string(1 << 20, '(')));
  TListedFile file(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TCON", genre, 0, 0x08) +
                                           Text(4, "TIT2", "Title")) +
                   kAudio);
  ProbeTags(file.Info);
  TMp3ID3v2 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(FrameList(tag.GetFrameList()), "TCON{genre=255 | text=} " + kTitle);
  EXPECT_TRUE(tag.WriteTag(file.Info));
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
