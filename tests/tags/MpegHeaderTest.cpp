// Decoding the MPEG audio frame header and applying Xing data.
#include "TagFixtures.h"

#include "tags/Mpeg.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(MpegHeader, DecodesVersionsLayersAndFrameSizes) {
  struct TCase {
    TFrameFields Fields;
    const char* Version;
    const char* Layer;
    uint32_t Bitrate, SampleRate, FrameSize, SamplesPerFrame;
  } cases[] = {
      {{3, 1, 9, 0, 1, false, true}, "MPEG 1.0", "Layer III", 128, 44100, 418, 1152},
      {{3, 2, 10, 1}, "MPEG 1.0", "Layer II", 192, 48000, 576, 1152},
      {{3, 3, 14, 2, 0, false, true}, "MPEG 1.0", "Layer I", 448, 32000, 676, 384},
      {{2, 1, 8, 0, 3}, "MPEG 2.0", "Layer III", 64, 22050, 208, 576},
      {{0, 1, 2, 2, 3}, "MPEG 2.5", "Layer III", 16, 8000, 144, 576},
      {{0, 2, 14, 2, 0, false, true}, "MPEG 2.5", "Layer II", 160, 8000, 2881, 1152},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Version) + " " + c.Layer);
    TMpegHeader header;
    header.Decode(HeaderWord(c.Fields));
    EXPECT_FALSE(header.Invalid);
    EXPECT_EQ(header.GetVersionText(), c.Version);
    EXPECT_EQ(header.GetLayerText(), c.Layer);
    EXPECT_EQ(header.GetBitrateText(), std::to_string(c.Bitrate));
    EXPECT_EQ(header.GetSampleRateText(), std::to_string(c.SampleRate));
    EXPECT_EQ(header.FrameSize, c.FrameSize);
    EXPECT_EQ(header.SamplesPerFrame, c.SamplesPerFrame);
  }
  // FF FA 91 EF: CRC, private, single channel, copyright, original, emphasis 3.
  TMpegHeader header;
  header.Decode(0xFFFA91EF);
  EXPECT_EQ(header.GetChannelModeText(), "Single channel");
  EXPECT_EQ(header.Protected + header.Private + header.Copyright + header.Original, 4);
  EXPECT_EQ(header.Emphasis, 3);
}

TEST(MpegHeader, ErrorFlagsNameEachFault) {
  const std::pair<uint32_t, uint32_t> cases[] = {
      {0xFFEB9064, MpegErrorReservedVersion},  // version bits 01
      {0xFFF99064, MpegErrorReservedLayer},    // layer bits 00
      {0xFFFB0064, MpegErrorBitrate},          // bitrate index 0 (free format)
      {0xFFFBF064, MpegErrorBitrate},          // bitrate index 15
      {0xFFFB9C64, MpegErrorSampleRate},       // sample-rate index 3
      {0xFFFB9066, MpegErrorReservedLayer},    // emphasis 2
      {0xFFE9FC66, 0x200002E},                 // all of them
  };
  for (auto [word, flags] : cases) {
    TMpegHeader header;
    header.Decode(word);
    EXPECT_EQ(header.ErrorFlags, flags) << std::hex << word;
    EXPECT_TRUE(header.Invalid);
  }
}

TEST(MpegHeader, EveryValidHeaderWordHasAFrameTheScanCanLookPast) {
  // All 2^21 words after the 11 sync bits; the scanner's blocks leave room for 2881 bytes.
  TMpegHeader header;
  header.AudioSize = 1000000;
  uint32_t largestFrame = 0;
  for (uint32_t word = 0xFFE00000u; word != 0; ++word) {
    uint32_t version = (word >> 19) & 3, layer = (word >> 17) & 3, bitrate = (word >> 12) & 15;
    bool invalid = version == 1 || layer == 0 || bitrate == 0 || bitrate == 15 ||
                   ((word >> 10) & 3) == 3 || (word & 3) == 2;
    header.Decode(word);
    ASSERT_EQ(header.Invalid, invalid) << std::hex << word;
    if (invalid) continue;
    ASSERT_GT(header.FrameSize, 0u);
    ASSERT_EQ(header.FrameCount, 1000000 / header.FrameSize);
    largestFrame = std::max(largestFrame, header.FrameSize);
  }
  EXPECT_EQ(largestFrame, 2881u);
}

TEST(MpegHeader, CountsAndDurationFromTheAudioOrFromXingData) {
  TMpegHeader header;
  header.AudioSize = int64_t{5} * 1000 * 1000 * 1000;  // larger than 32 bits
  header.Decode(HeaderWord({3, 1, 9, 0}));
  EXPECT_EQ(header.FrameCount, 11990407);
  EXPECT_EQ(header.Duration, 313218u);

  header.AudioSize = 500000;
  header.Decode(HeaderWord({3, 1, 9, 0}));
  header.Xing.Frames = 1000;
  header.Xing.Bytes = 600000;
  header.ApplyXingInfo();
  EXPECT_EQ(header.BitrateKind, "VBR");
  EXPECT_EQ(header.FrameCount, 1000);
  EXPECT_EQ(header.FrameSize, 600u);
  EXPECT_EQ(header.Bitrate, 183u);  // 600 * 44100 / 144000
  EXPECT_EQ(header.Duration, 26u);  // 600000 * 8 / 183000
}

TEST(MpegHeader, XingDataWithoutFramesOrBytesNeverDividesByZero) {
  TMpegHeader plain;
  plain.AudioSize = 417 * 100;
  plain.Decode(HeaderWord({3, 1, 9, 0}));
  struct TCase {
    uint32_t Frames, Bytes;
    int64_t FrameCount;
    uint32_t FrameSize, Bitrate, Duration;
  } cases[] = {
      {0, 0, 100, 417, 128, 2},        // the header's own values
      {0, 100000, 100, 417, 128, 2},   // no frames to divide the bytes by
      {3828, 0, 3828, 417, 128, 99},   // frames only: their count and the duration they make
      {1000, 10, 1000, 417, 128, 26},  // fewer bytes than frames: no bitrate to divide by
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Frames);
    TMpegHeader header;
    header.AudioSize = plain.AudioSize;
    header.Decode(plain.Header);
    header.Xing.Frames = c.Frames;
    header.Xing.Bytes = c.Bytes;
    header.ApplyXingInfo();
    EXPECT_EQ(std::tie(header.FrameCount, header.FrameSize, header.Bitrate, header.Duration),
              std::tie(c.FrameCount, c.FrameSize, c.Bitrate, c.Duration));
  }
  // Counts from a file, not from an encoder: a bitrate above 4,294,967 kbit/s is divided
  // by as it is (its bit rate in bit/s does not fit 32 bits).
  TMpegHeader header;
  header.Decode(HeaderWord({3, 1, 9, 1}));  // 48 kHz
  header.Xing.Frames = 3;
  header.Xing.Bytes = 4294967295u;
  header.ApplyXingInfo();
  EXPECT_EQ(header.Bitrate, 477218588u);  // FrameSize * 48000 / 144000
  EXPECT_EQ(header.Duration, 0u);         // bytes * 8 / (bitrate * 1000) is below 1

  TMpegHeader invalid;
  invalid.Decode(0xFFE9FC66);
  invalid.Xing.Frames = 10;
  invalid.Xing.Bytes = 10000;
  invalid.ApplyXingInfo();
  EXPECT_EQ(invalid.FrameCount, 0);
}

}  // namespace
