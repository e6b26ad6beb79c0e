#include "Mpeg.h"

#include "base/StrUtils.h"

#include <array>

namespace {

using TBitrateRow = std::array<uint16_t, 16>;

// kbit/s by bitrate index; index 0 (free format) and 15 are not used.
constexpr TBitrateRow kMpeg1Layer1 = {0,   32,  64,  96,  128, 160, 192, 224,
                                      256, 288, 320, 352, 384, 416, 448, 0};
constexpr TBitrateRow kMpeg1Layer2 = {0,   32,  48,  56,  64,  80,  96,  112,
                                      128, 160, 192, 224, 256, 320, 384, 0};
constexpr TBitrateRow kMpeg1Layer3 = {0,  32,  40,  48,  56,  64,  80,  96,
                                      112, 128, 160, 192, 224, 256, 320, 0};
// MPEG 2 and 2.5 (the lower sampling frequencies).
constexpr TBitrateRow kMpeg2Layer1 = {0,   32,  48,  56,  64,  80,  96,  112,
                                      128, 144, 160, 176, 192, 224, 256, 0};
constexpr TBitrateRow kMpeg2Layer23 = {0,  8,  16, 24,  32,  40,  48,  56,
                                       64, 80, 96, 112, 128, 144, 160, 0};
constexpr TBitrateRow kNoBitrates = {};

// [version index][layer index]
constexpr std::array<std::array<const TBitrateRow*, 4>, 4> kBitrates = {{
    {&kNoBitrates, &kMpeg2Layer23, &kMpeg2Layer23, &kMpeg2Layer1},
    {&kNoBitrates, &kNoBitrates, &kNoBitrates, &kNoBitrates},
    {&kNoBitrates, &kMpeg2Layer23, &kMpeg2Layer23, &kMpeg2Layer1},
    {&kNoBitrates, &kMpeg1Layer3, &kMpeg1Layer2, &kMpeg1Layer1},
}};

// [version index][sample-rate index]
constexpr std::array<std::array<uint32_t, 4>, 4> kSampleRates = {{
    {11025, 12000, 8000, 0},
    {0, 0, 0, 0},
    {22050, 24000, 16000, 0},
    {44100, 48000, 32000, 0},
}};

constexpr std::array<const char*, 4> kVersionTexts = {"MPEG 2.5", "Unkown", "MPEG 2.0",
                                                      "MPEG 1.0"};
constexpr std::array<const char*, 4> kLayerTexts = {"Unkown", "Layer III", "Layer II",
                                                    "Layer I"};
constexpr std::array<const char*, 4> kChannelModeTexts = {"Stereo", "Joint Stereo",
                                                          "Dual channel", "Single channel"};

constexpr uint8_t kReservedEmphasis = 2;
// The bitrate indexes of the free format (0) and the forbidden one (15), and the
// reserved sample rate index.
constexpr uint32_t kFreeBitrate = 0, kBadBitrate = 15, kReservedSampleRate = 3;

uint32_t SamplesPerFrameOf(uint8_t version, uint8_t layer) {
  switch (layer) {
    case MpegLayer1: return 384;
    case MpegLayer2: return 1152;
    case MpegLayer3: return version == MpegVersion1 ? 1152 : 576;
    default: return 0;
  }
}

}  // namespace

void TXingInfo::Clear() {
  Present = false;
  Flags = Frames = Bytes = Quality = 0;
}

void TMpegHeader::Decode(uint32_t header) {
  Header = header;
  VersionIndex = (header >> 19) & 3;
  LayerIndex = (header >> 17) & 3;
  uint32_t bitrateIndex = (header >> 12) & 0xF;
  uint32_t sampleRateIndex = (header >> 10) & 3;
  Protected = ((header >> 16) & 1) == 0;
  Padding = (header >> 9) & 1;
  Private = (header >> 8) & 1;
  ChannelMode = (header >> 6) & 3;
  ModeExtension = (header >> 4) & 3;
  Copyright = (header >> 3) & 1;
  Original = (header >> 2) & 1;
  Emphasis = header & 3;
  Bitrate = (*kBitrates[VersionIndex][LayerIndex])[bitrateIndex];
  SampleRate = kSampleRates[VersionIndex][sampleRateIndex];

  ErrorFlags = 0;
  if (VersionIndex == MpegVersionReserved) ErrorFlags |= MpegErrorReservedVersion;
  if (LayerIndex == MpegLayerReserved) ErrorFlags |= MpegErrorReservedLayer;
  if (bitrateIndex == kFreeBitrate || bitrateIndex == kBadBitrate) ErrorFlags |= MpegErrorBitrate;
  if (sampleRateIndex == kReservedSampleRate) ErrorFlags |= MpegErrorSampleRate;
  if (Emphasis == kReservedEmphasis) ErrorFlags |= MpegErrorReservedLayer;
  Invalid = ErrorFlags != 0;

  Xing.Clear();
  XingOffset = 0;
  BitrateKind = "CBR";
  SamplesPerFrame = PaddingSlot = SlotSize = SizeCoefficient = FrameSize = Duration = 0;
  FrameCount = 0;
  if (Invalid) return;

  SamplesPerFrame = SamplesPerFrameOf(VersionIndex, LayerIndex);
  PaddingSlot = Padding;
  SlotSize = LayerIndex == MpegLayer1 ? 4 : 1;
  if (LayerIndex == MpegLayer1)
    SizeCoefficient = 12;
  else if (LayerIndex == MpegLayer2 || VersionIndex == MpegVersion1)
    SizeCoefficient = 144;
  else
    SizeCoefficient = 72;
  FrameSize = (Bitrate * 1000 * SizeCoefficient / SampleRate + PaddingSlot) * SlotSize;
  FrameCount = AudioSize > 0 ? AudioSize / FrameSize : 0;
  Duration = DurationOfFrames();
}

uint32_t TMpegHeader::DurationOfFrames() const {
  return static_cast<uint32_t>(FrameCount * SamplesPerFrame / SampleRate);
}

void TMpegHeader::ApplyXingInfo() {
  if (Invalid) return;
  BitrateKind = "VBR";
  if (Xing.Frames == 0) return;
  FrameCount = Xing.Frames;
  // From the frames: the bitrate below is cut to whole kbit/s, which at the few kbit/s of
  // low sample rates would add seconds.
  Duration = DurationOfFrames();
  if (Xing.Bytes == 0) return;
  uint32_t frameSize = Xing.Bytes / Xing.Frames;
  uint32_t bitrate = static_cast<uint32_t>(static_cast<uint64_t>(frameSize) * SampleRate /
                                           (SizeCoefficient * 1000));
  if (bitrate == 0) return;  // fewer bytes than frames: nothing sound to derive
  FrameSize = frameSize;
  Bitrate = bitrate;
}

std::string TMpegHeader::GetVersionText() const { return kVersionTexts[VersionIndex & 3]; }
std::string TMpegHeader::GetLayerText() const { return kLayerTexts[LayerIndex & 3]; }
std::string TMpegHeader::GetBitrateText() const { return IntToStr(Bitrate); }
std::string TMpegHeader::GetSampleRateText() const { return IntToStr(SampleRate); }
std::string TMpegHeader::GetChannelModeText() const {
  return kChannelModeTexts[ChannelMode & 3];
}
