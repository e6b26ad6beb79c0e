#include "TagFixtures.h"

#include "tags/Mpeg.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct TDecodeCase {
  TFrameFields Fields;
  const char* Version;
  const char* Layer;
  uint32_t Bitrate, SampleRate, FrameSize, SamplesPerFrame;
};

TEST(MpegHeader, DecodesVersionsLayersAndFrameSizes) {
  const TDecodeCase cases[] = {
      {{3, 1, 9, 0, 1}, "MPEG 1.0", "Layer III", 128, 44100, 417, 1152},
      {{3, 1, 9, 0, 1, false, true}, "MPEG 1.0", "Layer III", 128, 44100, 418, 1152},
      {{3, 1, 14, 2}, "MPEG 1.0", "Layer III", 320, 32000, 1440, 1152},
      {{3, 2, 10, 1}, "MPEG 1.0", "Layer II", 192, 48000, 576, 1152},
      {{3, 2, 14, 2, 0, false, true}, "MPEG 1.0", "Layer II", 384, 32000, 1729, 1152},
      {{3, 3, 14, 2, 0, false, true}, "MPEG 1.0", "Layer I", 448, 32000, 676, 384},
      {{2, 1, 8, 0, 3}, "MPEG 2.0", "Layer III", 64, 22050, 208, 576},
      {{2, 2, 14, 1}, "MPEG 2.0", "Layer II", 160, 24000, 960, 1152},
      {{2, 3, 14, 2}, "MPEG 2.0", "Layer I", 256, 16000, 768, 384},
      {{0, 1, 2, 2, 3}, "MPEG 2.5", "Layer III", 16, 8000, 144, 576},
      {{0, 1, 1, 1}, "MPEG 2.5", "Layer III", 8, 12000, 48, 576},
      {{0, 2, 14, 2, 0, false, true}, "MPEG 2.5", "Layer II", 160, 8000, 2881, 1152},
  };
  for (const TDecodeCase& c : cases) {
    TMpegHeader header;
    header.Decode(HeaderWord(c.Fields));
    SCOPED_TRACE(std::string(c.Version) + " " + c.Layer + " " + std::to_string(c.Bitrate));
    EXPECT_FALSE(header.Invalid);
    EXPECT_EQ(header.ErrorFlags, 0u);
    EXPECT_EQ(header.GetVersionText(), c.Version);
    EXPECT_EQ(header.GetLayerText(), c.Layer);
    EXPECT_EQ(header.Bitrate, c.Bitrate);
    EXPECT_EQ(header.GetBitrateText(), std::to_string(c.Bitrate));
    EXPECT_EQ(header.SampleRate, c.SampleRate);
    EXPECT_EQ(header.GetSampleRateText(), std::to_string(c.SampleRate));
    EXPECT_EQ(header.FrameSize, c.FrameSize);
    EXPECT_EQ(header.SamplesPerFrame, c.SamplesPerFrame);
    EXPECT_EQ(header.BitrateKind, "CBR");
  }
}

TEST(MpegHeader, FlagBitsAndChannelModes) {
  // FF FB 90 64: MPEG 1 Layer III, no CRC, 128 kbit/s, 44.1 kHz, joint stereo.
  TMpegHeader header;
  header.Decode(0xFFFB9064);
  EXPECT_EQ(header.GetChannelModeText(), "Joint Stereo");
  EXPECT_EQ(header.ModeExtension, 2);
  EXPECT_EQ(header.Protected, 0);
  EXPECT_EQ(header.Original, 1);
  EXPECT_EQ(header.Copyright, 0);
  header.Decode(0xFFFA91EF);  // CRC, private, single channel, copyright, original, emphasis 3
  EXPECT_EQ(header.Protected, 1);
  EXPECT_EQ(header.Private, 1);
  EXPECT_EQ(header.GetChannelModeText(), "Single channel");
  EXPECT_EQ(header.Copyright, 1);
  EXPECT_EQ(header.Original, 1);
  EXPECT_EQ(header.Emphasis, 3);
  EXPECT_FALSE(header.Invalid);
  const char* modes[] = {"Stereo", "Joint Stereo", "Dual channel", "Single channel"};
  for (uint8_t mode = 0; mode < 4; ++mode) {
    header.Decode(HeaderWord({3, 1, 9, 0, mode}));
    EXPECT_EQ(header.GetChannelModeText(), modes[mode]);
  }
}

TEST(MpegHeader, ErrorFlagsNameEachFault) {
  struct TCase {
    uint32_t Word, Flags;
  };
  const TCase cases[] = {
      {0xFFEB9064, MpegErrorReservedVersion},  // version bits 01
      {0xFFF99064, MpegErrorReservedLayer},    // layer bits 00
      {0xFFFB0064, MpegErrorBitrate},          // bitrate index 0 (free format)
      {0xFFFBF064, MpegErrorBitrate},          // bitrate index 15
      {0xFFFB9C64, MpegErrorSampleRate},       // sample-rate index 3
      {0xFFFB9066, MpegErrorReservedLayer},    // emphasis 2
      {0xFFE9FC66, 0x200002E},                 // all of them
  };
  for (const TCase& c : cases) {
    TMpegHeader header;
    header.Decode(c.Word);
    EXPECT_EQ(header.ErrorFlags, c.Flags) << std::hex << c.Word;
    EXPECT_TRUE(header.Invalid);
  }
  TMpegHeader header;
  header.Decode(0xFFE9FC66);
  EXPECT_EQ(header.GetVersionText(), "Unkown");
  EXPECT_EQ(header.GetLayerText(), "Unkown");
  EXPECT_EQ(header.Bitrate, 0u);
  EXPECT_EQ(header.SampleRate, 0u);
  EXPECT_EQ(header.FrameSize, 0u);
}

TEST(MpegHeader, EveryHeaderWordIsInvalidExactlyByTheRules) {
  // All 2^21 words after the 11 sync bits.
  TMpegHeader header;
  header.AudioSize = 1000000;
  uint32_t largestFrame = 0;
  for (uint32_t low = 0; low < (1u << 21); ++low) {
    uint32_t word = 0xFFE00000u | low;
    uint32_t version = (word >> 19) & 3, layer = (word >> 17) & 3, bitrate = (word >> 12) & 15,
             rate = (word >> 10) & 3, emphasis = word & 3;
    bool invalid = version == 1 || layer == 0 || bitrate == 0 || bitrate == 15 || rate == 3 ||
                   emphasis == 2;
    header.Decode(word);
    ASSERT_EQ(header.Invalid, invalid) << std::hex << word;
    ASSERT_EQ(header.ErrorFlags != 0, invalid);
    if (invalid) continue;
    ASSERT_GT(header.FrameSize, 0u);
    ASSERT_LE(header.FrameSize, 2881u) << std::hex << word;
    ASSERT_EQ(header.FrameCount, 1000000 / header.FrameSize);
    largestFrame = std::max(largestFrame, header.FrameSize);
  }
  EXPECT_EQ(largestFrame, 2881u);
}

TEST(MpegHeader, FrameCountAndDurationFromTheAudioSize) {
  TMpegHeader header;
  header.AudioSize = 417 * 1000 + 100;
  header.Decode(HeaderWord({3, 1, 9, 0}));
  EXPECT_EQ(header.FrameCount, 1000);
  EXPECT_EQ(header.Duration, 26u);  // 1000 * 1152 / 44100 = 26.1
  header.AudioSize = int64_t{5} * 1000 * 1000 * 1000;  // larger than 32 bits
  header.Decode(HeaderWord({3, 1, 9, 0}));
  EXPECT_EQ(header.FrameCount, 11990407);
  EXPECT_EQ(header.Duration, 313218u);
}

TEST(MpegHeader, XingDataGivesTheVariableBitrateValues) {
  TMpegHeader header;
  header.AudioSize = 500000;
  header.Decode(HeaderWord({3, 1, 9, 0}));
  header.Xing.Frames = 1000;
  header.Xing.Bytes = 600000;
  header.ApplyXingInfo();
  EXPECT_EQ(header.BitrateKind, "VBR");
  EXPECT_EQ(header.FrameCount, 1000);
  EXPECT_EQ(header.FrameSize, 600u);
  EXPECT_EQ(header.Bitrate, 183u);     // 600 * 44100 / 144000
  EXPECT_EQ(header.Duration, 26u);     // 600000 * 8 / 183000
}

TEST(MpegHeader, XingDataWithoutFramesOrBytesNeverDividesByZero) {
  TMpegHeader plain;
  plain.AudioSize = 417 * 100;
  plain.Decode(HeaderWord({3, 1, 9, 0}));

  TMpegHeader header;
  auto decodeWith = [&](uint32_t frames, uint32_t bytes) {
    header.AudioSize = plain.AudioSize;
    header.Decode(plain.Header);
    header.Xing.Frames = frames;
    header.Xing.Bytes = bytes;
    header.ApplyXingInfo();
  };
  decodeWith(0, 0);
  EXPECT_EQ(header.FrameCount, plain.FrameCount);
  EXPECT_EQ(header.FrameSize, plain.FrameSize);
  EXPECT_EQ(header.Bitrate, plain.Bitrate);
  EXPECT_EQ(header.Duration, plain.Duration);
  decodeWith(0, 100000);
  EXPECT_EQ(header.FrameSize, plain.FrameSize);
  EXPECT_EQ(header.Bitrate, 128u);
  decodeWith(3828, 0);  // frames only: their count and the duration they make
  EXPECT_EQ(header.FrameCount, 3828);
  EXPECT_EQ(header.Duration, 99u);
  EXPECT_EQ(header.Bitrate, 128u);
  decodeWith(1000, 10);  // fewer bytes than frames: no bitrate to divide by
  EXPECT_EQ(header.FrameCount, 1000);
  EXPECT_EQ(header.Bitrate, 128u);
  EXPECT_EQ(header.FrameSize, 417u);

  // Counts from a file, not from an encoder: a bitrate above 4,294,967 kbit/s is still
  // divided by as it is (its bit rate in bit/s does not fit 32 bits).
  header.AudioSize = plain.AudioSize;
  header.Decode(HeaderWord({3, 1, 9, 1}));  // 48 kHz
  for (auto [frames, bytes, bitrate] : {std::tuple{1u, 1610612736u, 536870912u},
                                        std::tuple{3u, 4294967295u, 477218588u}}) {
    SCOPED_TRACE(bytes);
    header.Xing.Frames = frames;
    header.Xing.Bytes = bytes;
    header.ApplyXingInfo();
    EXPECT_EQ(header.FrameCount, frames);
    EXPECT_EQ(header.FrameSize, bytes / frames);
    EXPECT_EQ(header.Bitrate, bitrate);  // FrameSize * 48000 / 144000
    EXPECT_EQ(header.Duration, 0u);      // bytes * 8 / (bitrate * 1000) is below 1
  }

  TMpegHeader invalid;
  invalid.Decode(0xFFE9FC66);
  invalid.Xing.Frames = 10;
  invalid.Xing.Bytes = 10000;
  invalid.ApplyXingInfo();
  EXPECT_EQ(invalid.FrameCount, 0);
}

}  // namespace
