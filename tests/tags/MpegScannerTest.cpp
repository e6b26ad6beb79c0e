// Finding the first MPEG audio frame behind the ID3v2 tag, with its Xing or Info data.
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
                       uint32_t flags, uint32_t frames, uint32_t bytes) {
  return Frame(fields, kFrameSize, XingBody(xingOffset, tag, flags, frames, bytes, 57)) +
         Frames(fields, kFrameSize, 150);
}

TEST(FindMpegHeader, XingDataWhereverItsFrameHasIt) {
  TFrameFields stereoCrc = kStereo, monoCrc = kMono;
  stereoCrc.Crc = monoCrc.Crc = true;
  // Behind a CRC the tag lies 2 bytes further on, or where it would lie without the CRC
  // (as lame puts it). Flags 15 add the table, skipped, and the quality.
  const std::tuple<TFrameFields, uint32_t, uint32_t> cases[] = {
      {kStereo, 36, 3}, {kMono, 21, 3}, {stereoCrc, 38, 3}, {monoCrc, 23, 3},
      {stereoCrc, 36, 3}, {monoCrc, 21, 15}};
  for (const auto& [fields, offset, flags] : cases) {
    SCOPED_TRACE(offset);
    TScan scan(XingStream(fields, offset, "Xing", flags, 1000, 500000));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Offset, 0);
    const TMpegHeader& h = scan.Header();
    EXPECT_TRUE(h.Xing.Present);
    EXPECT_EQ(h.XingOffset, offset);
    EXPECT_EQ(h.Xing.Quality, flags == 15 ? 57u : 0u);
    EXPECT_EQ(h.FrameCount, 1000);
    EXPECT_EQ(h.FrameSize, 500u);
    EXPECT_EQ(h.Bitrate, 153u);  // 500 * 44100 div 144000
    EXPECT_EQ(h.Duration, 26u);  // 500000 * 8 div 153000
    EXPECT_EQ(h.BitrateKind, "VBR");
  }
  TScan misplaced(XingStream(kStereo, 21, "Xing", 3, 1000, 500000));
  ASSERT_TRUE(misplaced.Found);
  EXPECT_FALSE(misplaced.Header().Xing.Present);  // just a frame
  EXPECT_EQ(misplaced.Header().FrameCount, 151);
}

TEST(FindMpegHeader, InfoAndEmptyXingDataKeepTheHeaderValues) {
  TScan info(XingStream(kStereo, 36, "Info", 3, 1000, 500000));
  ASSERT_TRUE(info.Found);
  EXPECT_TRUE(info.Header().Xing.Present);
  EXPECT_EQ(info.Header().Xing.Frames, 0u);  // nothing more is read
  EXPECT_EQ(info.Header().BitrateKind, "CBR");
  EXPECT_EQ(info.Header().FrameCount, 151);
  for (uint32_t flags : {0u, 1u, 2u, 3u}) {
    TScan scan(XingStream(kStereo, 36, "Xing", flags, 0, 0));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Header().FrameSize, kFrameSize) << flags;
    EXPECT_EQ(scan.Header().Bitrate, 128u) << flags;
    EXPECT_EQ(scan.Header().FrameCount, 151) << flags;
  }
}

TEST(FindMpegHeader, OtherVersionsAndLayersByTheNextFrame) {
  const std::tuple<TFrameFields, uint32_t, const char*> cases[] = {
      {{2, 1, 8, 0, 3}, 208, "MPEG 2.0 Layer III"}, {{3, 2, 10, 1}, 576, "MPEG 1.0 Layer II"}};
  for (const auto& [fields, frameSize, name] : cases) {
    SCOPED_TRACE(name);
    int count = 50000 / frameSize + 1;
    TScan scan(Frames(fields, frameSize, count));
    ASSERT_TRUE(scan.Found);
    EXPECT_EQ(scan.Header().GetVersionText() + " " + scan.Header().GetLayerText(), name);
    EXPECT_EQ(scan.Header().FrameCount, count);
  }
  // An MPEG 2 Xing frame is taken for a constant bitrate.
  const TFrameFields mpeg2 = {2, 1, 8, 0, 0};
  TScan xing(Frame(mpeg2, 208, XingBody(21, "Xing", 3, 100, 20000)) + Frames(mpeg2, 208, 250));
  ASSERT_TRUE(xing.Found);
  EXPECT_FALSE(xing.Header().Xing.Present);
  EXPECT_EQ(xing.Header().BitrateKind, "CBR");
  EXPECT_FALSE(TScan(Frames({3, 3, 9, 0}, 288, 200)).Found);  // Layer I is not found
}

TEST(FindMpegHeader, AudioBehindJunkAStraySyncAndBothTags) {
  // FF FB 90 64 decodes as a valid header, but no header follows one frame later.
  std::string junk = ID3v2Tag(4, 2000) + Junk(500) + BigEndian(HeaderWord(kStereo)) + Junk(700);
  std::string audio = Frames(kStereo, kFrameSize, 130);
  TScan scan(junk + audio + ID3v1Tag("t", "", "", "", "", 1, 1));
  ASSERT_TRUE(scan.Found);
  EXPECT_EQ(scan.Offset, static_cast<int64_t>(junk.size()));
  EXPECT_EQ(scan.Header().AudioSize, static_cast<int64_t>(audio.size()));
  EXPECT_EQ(scan.Header().FrameCount, 130);
}

TEST(FindMpegHeader, HowFarTheScanReaches) {
  std::string stream = Frames(kStereo, kFrameSize, 120);  // 50040 bytes
  EXPECT_FALSE(TScan(stream.substr(0, 49000)).Found);
  EXPECT_TRUE(TScan(stream.substr(0, 49001)).Found);
  // Candidates lie in the first 7000 bytes of blocks starting 0, 7000, ... 28000.
  EXPECT_TRUE(TScan(Junk(34999) + Frames(kStereo, kFrameSize, 100)).Found);
  EXPECT_FALSE(TScan(Junk(35000) + Frames(kStereo, kFrameSize, 100)).Found);
  // The file is long enough, but the block that holds the audio runs past its end.
  EXPECT_FALSE(TScan(ID3v2Tag(4, 10000) + Junk(28490) + Frames(kStereo, kFrameSize, 32)).Found);
  EXPECT_TRUE(TScan(ID3v2Tag(4, 10000) + Junk(28490) + Frames(kStereo, kFrameSize, 40)).Found);
  // A tag size beyond the end of the file, or before its start.
  TListedFile file(Frames(kStereo, kFrameSize, 130));
  for (int64_t offset : {int64_t{0xFFFFFFFF} + 10, int64_t{-1}})
    EXPECT_FALSE(FindMpegHeader(file.Info, offset));
}

}  // namespace
