// The MPEG audio frame header and Xing data, and the scan for the first frame behind the
// ID3v2 tag.
#include "TagFixtures.h"

#include "tags/Mpeg.h"
#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// What the header derives: "frames frame-size bitrate duration kind".
std::string Derived(const TMpegHeader& h) {
  return IntToStr(h.FrameCount) + " " + IntToStr(h.FrameSize) + " " + IntToStr(h.Bitrate) + " " +
         IntToStr(h.Duration) + " " + h.BitrateKind;
}

TEST(MpegHeader, DecodesTheFieldsAndRefusesReservedValues) {
  // The largest frame the tables allow: MPEG 2.5 Layer II, 160 kbit/s, 8 kHz, padded.
  TMpegHeader header;
  header.Decode(HeaderWord({0, 2, 14, 2, 0, false, true}));
  EXPECT_EQ(header.GetVersionText() + " " + header.GetLayerText() + " " +
                header.GetBitrateText() + " " + header.GetSampleRateText() + " " +
                std::to_string(header.FrameSize),
            "MPEG 2.5 Layer II 160 8000 2881");
  header.AudioSize = int64_t{5} * 1000 * 1000 * 1000;  // larger than 32 bits
  header.Decode(HeaderWord({3, 1, 9, 0}));
  EXPECT_EQ(header.FrameCount, 11990407);
  EXPECT_EQ(header.Duration, 313218u);
  // Reserved version, reserved layer, bitrate index 0 (free format) and 15, sample-rate
  // index 3, emphasis 2: each flagged, with the invalid bit.
  const std::pair<uint32_t, uint32_t> invalid[] = {
      {0xFFEB9064, MpegErrorReservedVersion}, {0xFFF99064, MpegErrorReservedLayer},
      {0xFFFB0064, MpegErrorBitrate},         {0xFFFBF064, MpegErrorBitrate},
      {0xFFFB9C64, MpegErrorSampleRate},      {0xFFFB9066, MpegErrorReservedLayer}};
  for (auto [word, flags] : invalid) {
    header.Decode(word);
    EXPECT_EQ(header.ErrorFlags, flags) << std::hex << word;
    EXPECT_TRUE(header.Invalid);
  }
}

TEST(MpegHeader, XingDataNeverDividesByZero) {
  const std::tuple<uint32_t, uint32_t, const char*> cases[] = {
      {1000, 600000, "1000 600 183 26 VBR"},  // 600 * 44100 / 144000, 600000 * 8 / 183000
      {0, 0, "100 417 128 2 VBR"},            // the header's own values
      {0, 100000, "100 417 128 2 VBR"},       // no frames to divide the bytes by
      {3828, 0, "3828 417 128 99 VBR"},       // frames only: their count and duration
      {1000, 10, "1000 417 128 26 VBR"},      // fewer bytes than frames: no bitrate
      // Counts from a file, not from an encoder: a frame size times the sample rate
      // beyond 32 bits.
      {3, 4294967295u, "3 1431655765 438444578 0 VBR"}};  // 1431655765 * 44100 / 144000
  for (const auto& [frames, bytes, derived] : cases) {
    TMpegHeader header;
    header.AudioSize = 417 * 100;
    header.Decode(HeaderWord({3, 1, 9, 0}));
    header.Xing.Frames = frames;
    header.Xing.Bytes = bytes;
    header.ApplyXingInfo();
    EXPECT_EQ(Derived(header), derived);
  }
  TMpegHeader invalid;
  invalid.Decode(0xFFE9FC66);
  invalid.Xing.Frames = 3;
  invalid.Xing.Bytes = 1000;
  invalid.ApplyXingInfo();
  EXPECT_EQ(invalid.FrameCount, 0);
}

TEST(MpegHeader, XingDataGivesTheDurationByTheFramesAndTheirSamples) {
  // 1000 frames of 576 samples at 8 kHz (MPEG 2.5) play 72 seconds; their average of 250
  // bytes is 27.7 kbit/s, cut to 27, which would make 74 seconds of their bytes. At MPEG
  // 1's 1152 samples and 44.1 kHz 1000 frames play 26 seconds.
  const std::tuple<TFrameFields, const char*> cases[] = {
      {{0, 1, 4, 2, 3}, "1000 250 27 72 VBR"}, {{3, 1, 9, 0, 0}, "1000 250 76 26 VBR"}};
  for (const auto& [fields, derived] : cases) {
    TMpegHeader header;
    header.Decode(HeaderWord(fields));
    header.Xing.Frames = 1000;
    header.Xing.Bytes = 250000;
    header.ApplyXingInfo();
    EXPECT_EQ(Derived(header), derived);
  }
}

// MPEG 1 Layer III, 128 kbit/s, 44.1 kHz: 417-byte frames.
const TFrameFields kStereo = {3, 1, 9, 0, 0};
const TFrameFields kMono = {3, 1, 9, 0, 3};
constexpr uint32_t kFrameSize = 417;

// Probes and scans a listed file the way the tag editor does.
struct TScan {
  explicit TScan(const std::string& bytes) : File(bytes) {
    Offset = ProbeTags(File.Info);
    Found = FindMpegHeader(File.Info, Offset);
  }
  const TMpegHeader& Header() const { return File.Info.MpegHeader; }

  TListedFile File;
  int64_t Offset = 0;
  bool Found = false;
};

std::string XingStream(const TFrameFields& fields, uint32_t xingOffset, const std::string& tag,
                       uint32_t flags, uint32_t frames, uint32_t bytes,
                       uint32_t frameSize = kFrameSize) {
  return Frame(fields, frameSize, XingBody(xingOffset, tag, flags, frames, bytes, 57)) +
         Frames(fields, frameSize, 150);
}

TEST(FindMpegHeader, XingAndInfoDataWhereverTheirFrameHasThem) {
  // MPEG 2 Layer III, 64 kbit/s, 22.05 kHz: 208-byte frames of 576 samples; MPEG 2.5, 32
  // kbit/s, 8 kHz: 288 bytes.
  const TFrameFields mpeg2 = {2, 1, 8, 0, 0}, mpeg2Mono = {2, 1, 8, 0, 3};
  const TFrameFields mpeg25 = {0, 1, 4, 2, 0}, mpeg25Mono = {0, 1, 4, 2, 3};
  auto crc = [](TFrameFields fields) {
    fields.Crc = true;
    return fields;
  };
  struct TCase {
    TFrameFields Fields;
    uint32_t FrameSize, Offset;
    const char* Tag;
    uint32_t Flags, Frames, Bytes;
    bool Found;
    const char* Derived;
  };
  // The tag follows the 4-byte header and the side information: MPEG 1 17 bytes for a
  // single channel, else 32; MPEG 2 and 2.5 9, else 17. Behind a CRC the tag lies 2 bytes
  // further on, or where it would lie without the CRC (as lame puts it). Flags 15 add the
  // table, skipped, and the quality 57; without frames or bytes the header's own values
  // stay; at another version's offset it is just a frame.
  const TCase cases[] = {
      {crc(kStereo), kFrameSize, 38, "Xing", 15, 1000, 500000, true, "1000 500 153 26 VBR"},
      {crc(kMono), kFrameSize, 23, "Xing", 3, 1000, 500000, true, "1000 500 153 26 VBR"},
      {crc(kStereo), kFrameSize, 36, "Xing", 3, 1000, 500000, true, "1000 500 153 26 VBR"},
      {kStereo, kFrameSize, 36, "Xing", 1, 0, 0, true, "151 417 128 3 VBR"},
      {kStereo, kFrameSize, 36, "Info", 3, 1000, 500000, true, "151 417 128 3 CBR"},
      {kStereo, kFrameSize, 21, "Xing", 3, 1000, 500000, false, "151 417 128 3 CBR"},
      {kMono, kFrameSize, 13, "Xing", 3, 1000, 500000, false, "151 417 128 3 CBR"},
      {mpeg2, 208, 21, "Xing", 15, 1000, 200000, true, "1000 200 61 26 VBR"},
      {mpeg2Mono, 208, 13, "Xing", 3, 1000, 200000, true, "1000 200 61 26 VBR"},
      {crc(mpeg2), 208, 23, "Xing", 3, 1000, 200000, true, "1000 200 61 26 VBR"},
      {crc(mpeg2Mono), 208, 15, "Xing", 3, 1000, 200000, true, "1000 200 61 26 VBR"},
      {crc(mpeg2Mono), 208, 13, "Xing", 3, 1000, 200000, true, "1000 200 61 26 VBR"},
      {mpeg25Mono, 288, 13, "Xing", 3, 1000, 200000, true, "1000 200 22 72 VBR"},
      {crc(mpeg25), 288, 21, "Xing", 3, 1000, 200000, true, "1000 200 22 72 VBR"},
      {mpeg25, 288, 21, "Xing", 1, 1000, 0, true, "1000 288 32 72 VBR"},
      {mpeg2, 208, 21, "Info", 3, 1000, 200000, true, "151 208 64 3 CBR"},
      {mpeg2, 208, 36, "Xing", 3, 1000, 200000, false, "151 208 64 3 CBR"},
      {mpeg2Mono, 208, 21, "Xing", 3, 1000, 200000, false, "151 208 64 3 CBR"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Fields.Version) + " " + std::to_string(c.Offset));
    TScan scan(XingStream(c.Fields, c.Offset, c.Tag, c.Flags, c.Frames, c.Bytes, c.FrameSize));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Offset, 0);
    EXPECT_EQ(scan.Header().Xing.Present, c.Found);
    EXPECT_EQ(scan.Header().XingOffset, c.Found ? c.Offset : 0);
    EXPECT_EQ(scan.Header().Xing.Quality, c.Flags == 15 && c.Found ? 57u : 0u);
    EXPECT_EQ(Derived(scan.Header()), c.Derived);
  }
}

TEST(FindMpegHeader, TheFirstFrameThatTheNextOneConfirms) {
  // FF FB 90 64 decodes as a valid header, but no header follows one frame later.
  std::string junk = ID3v2Tag(4, 2000) + Junk(500) + BigEndian(HeaderWord(kStereo)) + Junk(700);
  std::string audio = Frames(kStereo, kFrameSize, 130);
  TScan scan(junk + audio + ID3v1Tag("t", "", "", "", "", 1, 1));
  ASSERT_TRUE(scan.Found);
  EXPECT_EQ(scan.Offset, static_cast<int64_t>(junk.size()));
  EXPECT_EQ(scan.Header().AudioSize, static_cast<int64_t>(audio.size()));
  // Layer I is not found.
  EXPECT_FALSE(TScan(Frames({3, 3, 9, 0}, 288, 200)).Found);
  // The block that holds the audio runs past the file's end: it ends there.
  std::string beforeAudio = ID3v2Tag(4, 10000) + Junk(28490);
  TScan pastEnd(beforeAudio + Frames(kStereo, kFrameSize, 32));
  ASSERT_TRUE(pastEnd.Found);
  EXPECT_EQ(pastEnd.Offset, static_cast<int64_t>(beforeAudio.size()));
  // A tag size beyond the file.
  TListedFile file(Frames(kStereo, kFrameSize, 130));
  for (int64_t offset : {int64_t{0xFFFFFFFF} + 10, int64_t{-1}})
    EXPECT_FALSE(FindMpegHeader(file.Info, offset));
}

TEST(FindMpegHeader, ShortFilesAreScannedWithinTheirOwnLength) {
  // A 3-second file (115 frames, 47955 bytes), a two-frame file, and audio behind a tag
  // and junk in the first, second and last block of a short file, with an ID3v1 tag.
  const std::tuple<std::string, int> cases[] = {
      {"", 115}, {"", 2}, {ID3v2Tag(3, 990) + Junk(300), 20},
      {Junk(6990), 3}, {Junk(7000), 20}, {ID3v2Tag(3, 990) + Junk(27000), 12}};
  for (const auto& [before, frames] : cases) {
    SCOPED_TRACE(std::to_string(before.size()) + " bytes before " + std::to_string(frames));
    std::string audio = Frames(kStereo, kFrameSize, frames);
    TScan scan(before + audio + ID3v1Tag("t", "", "", "", "", 1, 1));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Offset, static_cast<int64_t>(before.size()));
    EXPECT_EQ(scan.Header().AudioSize, static_cast<int64_t>(audio.size()));
    EXPECT_EQ(scan.Header().FrameCount, static_cast<uint32_t>(frames));
  }
  // A lone Info frame needs no next frame to be taken.
  EXPECT_TRUE(TScan(Frame(kStereo, kFrameSize, XingBody(36, "Info", 0, 0, 0))).Found);
}

TEST(FindMpegHeader, AShortFileWithoutAConfirmedFrameIsRefused) {
  // Junk; a header whose next frame would lie past the end; a header in the file's last
  // four bytes, and one cut off by the end; a single plain frame (nothing confirms it);
  // an empty file.
  const std::string header = BigEndian(HeaderWord(kStereo));
  for (const std::string& bytes :
       {Junk(30000), Junk(500) + header + Junk(100), Junk(7000) + header,
        Junk(13998) + header.substr(0, 2), Frame(kStereo, kFrameSize), std::string()}) {
    SCOPED_TRACE(bytes.size());
    EXPECT_FALSE(TScan(bytes).Found);
  }
}

TEST(FindMpegHeader, FileLengthsAtTheBlockEdgesAreScannedAlike) {
  // Audio that ends exactly where a block, a candidate range or the old 49000-byte limit
  // ends, or one byte either side of it.
  for (size_t length : {6999u, 7000u, 7001u, 13999u, 14000u, 14001u, 48999u, 49000u, 49001u}) {
    SCOPED_TRACE(length);
    TScan scan(Frames(kStereo, kFrameSize, 200).substr(0, length));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Offset, 0);
  }
  // However long the file, frames are looked for only in the first 35000 bytes behind the
  // tag (the last block's candidates).
  std::string audio = Frames(kStereo, kFrameSize, 200);
  EXPECT_FALSE(TScan(ID3v2Tag(4, 1000) + Junk(35000) + audio).Found);
  EXPECT_TRUE(TScan(ID3v2Tag(4, 1000) + Junk(34999) + audio).Found);
}

TEST(FindMpegHeader, AFrameIsFoundAlikeWhereverTheReadsEnd) {
  // The scan reads what it looks at in steps that double from a small first read: a header,
  // its Xing fields or the next frame's header that straddles where one read ends (at a
  // power of two behind the tag) is found as anywhere else.
  const std::string xing = XingStream(kStereo, 36, "Xing", 15, 1000, 500000);
  const std::string plain = Frames(kStereo, kFrameSize, 100);
  for (size_t edge : {1024u, 2048u, 4096u, 8192u, 16384u, 32768u}) {
    // The junk ends so that the header, the Xing flags, the frames field or the quality
    // (behind the table), or the next frame's header runs across the edge.
    for (size_t before : {edge - 2, edge - 40, edge - 46, edge - 150, edge - kFrameSize - 2}) {
      SCOPED_TRACE(std::to_string(edge) + " " + std::to_string(before));
      const std::string tag = ID3v2Tag(3, 300);
      TScan withXing(tag + Junk(before) + xing);
      ASSERT_TRUE(withXing.Found);
      EXPECT_EQ(withXing.Offset, static_cast<int64_t>(tag.size() + before));
      EXPECT_EQ(withXing.Header().Xing.Quality, 57u);
      EXPECT_EQ(Derived(withXing.Header()), "1000 500 153 26 VBR");
      TScan withoutXing(tag + Junk(before) + plain);
      ASSERT_TRUE(withoutXing.Found);
      EXPECT_EQ(withoutXing.Offset, static_cast<int64_t>(tag.size() + before));
      EXPECT_EQ(Derived(withoutXing.Header()), "100 417 128 2 CBR");
    }
  }
  // The probe's first read (2048 bytes from the file's start) ends inside the tag, or
  // across the header, its Xing fields or the next frame's header behind it.
  for (size_t before : {2048u + 10, 2048u, 2048u - 2, 2048u - 40, 2048u - 150, 2048u - 419}) {
    SCOPED_TRACE(before);
    const std::string tag = ID3v2Tag(4, static_cast<uint32_t>(before - 10));
    TScan withXing(tag + xing);
    ASSERT_TRUE(withXing.Found);
    EXPECT_EQ(withXing.Offset, static_cast<int64_t>(before));
    EXPECT_EQ(Derived(withXing.Header()), "1000 500 153 26 VBR");
    TScan withoutXing(tag + plain);
    ASSERT_TRUE(withoutXing.Found);
    EXPECT_EQ(withoutXing.Offset, static_cast<int64_t>(before));
    EXPECT_EQ(Derived(withoutXing.Header()), "100 417 128 2 CBR");
  }
}

}  // namespace
