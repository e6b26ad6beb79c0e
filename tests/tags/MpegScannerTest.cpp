#include "TagFixtures.h"

#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

namespace {

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
                       uint32_t flags, uint32_t frames, uint32_t bytes, uint32_t quality = 0) {
  return Frame(fields, kFrameSize, XingBody(xingOffset, tag, flags, frames, bytes, quality)) +
         Frames(fields, kFrameSize, 150);
}

TEST(FindMpegHeader, XingDataAtEachOffset) {
  struct TCase {
    TFrameFields Fields;
    uint32_t XingOffset;
  };
  TFrameFields stereoCrc = kStereo, monoCrc = kMono;
  stereoCrc.Crc = monoCrc.Crc = true;
  // Behind a CRC the tag lies 2 bytes further on, or where it would lie without the CRC
  // (as lame puts it).
  for (const TCase& c : {TCase{kStereo, 36}, TCase{kMono, 21}, TCase{stereoCrc, 38},
                         TCase{monoCrc, 23}, TCase{stereoCrc, 36}, TCase{monoCrc, 21}}) {
    SCOPED_TRACE(c.XingOffset);
    TScan scan(XingStream(c.Fields, c.XingOffset, "Xing", 3, 1000, 500000));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Offset, 0);
    const TMpegHeader& h = scan.Header();
    EXPECT_TRUE(h.Xing.Present);
    EXPECT_EQ(h.XingOffset, c.XingOffset);
    EXPECT_EQ(h.Xing.Frames, 1000u);
    EXPECT_EQ(h.Xing.Bytes, 500000u);
    EXPECT_EQ(h.FrameCount, 1000);
    EXPECT_EQ(h.FrameSize, 500u);
    EXPECT_EQ(h.Bitrate, 153u);  // 500 * 44100 div 144000
    EXPECT_EQ(h.Duration, 26u);  // 500000 * 8 div 153000
    EXPECT_EQ(h.BitrateKind, "VBR");
  }
}

TEST(FindMpegHeader, XingTableAndQualityAreHonoured) {
  TScan scan(XingStream(kStereo, 36, "Xing", 15, 2000, 900000, 57));
  ASSERT_TRUE(scan.Found);
  EXPECT_EQ(scan.Header().Xing.Flags, 15u);
  EXPECT_EQ(scan.Header().Xing.Quality, 57u);
  EXPECT_EQ(scan.Header().FrameCount, 2000);
  EXPECT_EQ(scan.Header().FrameSize, 450u);
}

TEST(FindMpegHeader, XingTagAtTheWrongOffsetIsJustAFrame) {
  TScan scan(XingStream(kStereo, 21, "Xing", 3, 1000, 500000));
  ASSERT_TRUE(scan.Found);
  EXPECT_FALSE(scan.Header().Xing.Present);
  EXPECT_EQ(scan.Header().BitrateKind, "CBR");
  EXPECT_EQ(scan.Header().FrameCount, 151);
}

TEST(FindMpegHeader, InfoTagMeansConstantBitrate) {
  TScan scan(XingStream(kStereo, 36, "Info", 3, 1000, 500000));
  ASSERT_TRUE(scan.Found);
  const TMpegHeader& h = scan.Header();
  EXPECT_TRUE(h.Xing.Present);
  EXPECT_EQ(h.Xing.Frames, 0u);  // nothing more is read
  EXPECT_EQ(h.BitrateKind, "CBR");
  EXPECT_EQ(h.AudioSize, 151 * kFrameSize);
  EXPECT_EQ(h.FrameCount, 151);
  EXPECT_EQ(h.Bitrate, 128u);
  EXPECT_EQ(h.Duration, 3u);  // 151 * 1152 div 44100
}

TEST(FindMpegHeader, XingWithoutFramesOrBytesKeepsTheHeaderValues) {
  for (uint32_t flags : {0u, 1u, 2u, 3u}) {
    SCOPED_TRACE(flags);
    TScan scan(XingStream(kStereo, 36, "Xing", flags, 0, 0));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Header().FrameSize, kFrameSize);
    EXPECT_EQ(scan.Header().Bitrate, 128u);
    EXPECT_EQ(scan.Header().FrameCount, 151);
    EXPECT_EQ(scan.Header().BitrateKind, "VBR");
  }
}

TEST(FindMpegHeader, OtherVersionsAndLayersByTheNextFrame) {
  struct TCase {
    TFrameFields Fields;
    uint32_t FrameSize;
    const char* Version;
    const char* Layer;
  };
  const TCase cases[] = {
      {{2, 1, 8, 0, 3}, 208, "MPEG 2.0", "Layer III"},
      {{0, 1, 2, 2, 3}, 144, "MPEG 2.5", "Layer III"},
      {{3, 2, 10, 1}, 576, "MPEG 1.0", "Layer II"},
      {{2, 2, 14, 1}, 960, "MPEG 2.0", "Layer II"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Version) + " " + c.Layer);
    int count = 50000 / c.FrameSize + 1;
    TScan scan(Frames(c.Fields, c.FrameSize, count));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Offset, 0);
    EXPECT_EQ(scan.Header().GetVersionText(), c.Version);
    EXPECT_EQ(scan.Header().GetLayerText(), c.Layer);
    EXPECT_EQ(scan.Header().FrameSize, c.FrameSize);
    EXPECT_EQ(scan.Header().FrameCount, count);
  }
}

TEST(FindMpegHeader, Mpeg2XingFrameIsTakenAsConstantBitrate) {
  const TFrameFields mpeg2 = {2, 1, 8, 0, 0};
  std::string stream = Frame(mpeg2, 208, XingBody(21, "Xing", 3, 100, 20000)) +
                       Frames(mpeg2, 208, 250);
  TScan scan(stream);
  ASSERT_TRUE(scan.Found);
  EXPECT_FALSE(scan.Header().Xing.Present);
  EXPECT_EQ(scan.Header().BitrateKind, "CBR");
  EXPECT_EQ(scan.Header().FrameCount, 251);
}

TEST(FindMpegHeader, LayerIIsNotFound) {
  TScan scan(Frames({3, 3, 9, 0}, 288, 200));
  EXPECT_FALSE(scan.Found);
}

TEST(FindMpegHeader, JunkAndAStraySyncBeforeTheAudio) {
  // FF FB 90 64 decodes as a valid header, but no header follows one frame later.
  std::string junk = Junk(500) + BigEndian(HeaderWord(kStereo)) + Junk(700);
  TScan scan(junk + Frames(kStereo, kFrameSize, 130));
  ASSERT_TRUE(scan.Found);
  EXPECT_EQ(scan.Offset, static_cast<int64_t>(junk.size()));
  EXPECT_EQ(scan.Header().AudioSize, 130 * kFrameSize);
}

TEST(FindMpegHeader, AudioBehindBothTags) {
  std::string id3v2 = ID3v2Tag(4, 2000);
  std::string audio = Frames(kStereo, kFrameSize, 130);
  TScan scan(id3v2 + Junk(33) + audio + ID3v1Tag("t", "", "", "", "", 1, 1));
  ASSERT_TRUE(scan.Found);
  EXPECT_EQ(scan.Offset, 2010 + 33);
  EXPECT_EQ(scan.Header().AudioSize, static_cast<int64_t>(audio.size()));
  EXPECT_EQ(scan.Header().FrameCount, 130);
}

TEST(FindMpegHeader, FilesOf49000BytesOrLessAreNotScanned) {
  std::string stream = Frames(kStereo, kFrameSize, 120);  // 50040 bytes
  TScan refused(stream.substr(0, 49000));
  EXPECT_FALSE(refused.Found);
  TScan scanned(stream.substr(0, 49001));
  EXPECT_TRUE(scanned.Found);
}

TEST(FindMpegHeader, TheScanReaches35000BytesBehindTheTag) {
  // Candidates lie in the first 7000 bytes of blocks starting 0, 7000, ... 28000.
  TScan near(Junk(34999) + Frames(kStereo, kFrameSize, 100));
  ASSERT_TRUE(near.Found);
  EXPECT_EQ(near.Offset, 34999);
  TScan far(Junk(35000) + Frames(kStereo, kFrameSize, 100));
  EXPECT_FALSE(far.Found);
}

TEST(FindMpegHeader, BlocksReadShortEndTheScan) {
  // The file is long enough, but the block that holds the audio runs past its end.
  TScan scan(ID3v2Tag(4, 10000) + Junk(28490) + Frames(kStereo, kFrameSize, 32));
  EXPECT_GT(scan.File.Contents().size(), 49000u);
  EXPECT_FALSE(scan.Found);
  TScan longer(ID3v2Tag(4, 10000) + Junk(28490) + Frames(kStereo, kFrameSize, 40));
  EXPECT_TRUE(longer.Found);

  // A tag size beyond the end of the file.
  TListedFile file(Frames(kStereo, kFrameSize, 130));
  int64_t offset = int64_t{0xFFFFFFFF} + 10;
  EXPECT_FALSE(FindMpegHeader(file.Info, offset));
  offset = -1;
  EXPECT_FALSE(FindMpegHeader(file.Info, offset));
}

}  // namespace
