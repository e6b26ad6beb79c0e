#pragma once
// The decoded 4-byte header of an MPEG audio frame, with the Xing/Info data of a
// variable-bitrate file.

#include "base/Object.h"

#include <cstdint>
#include <string>

class TXingInfo : public TObject {
public:
  void Clear();

  bool Present = false;  // a "Xing" or "Info" tag was found
  uint32_t Flags = 0;    // which of the fields below the tag holds
  uint32_t Frames = 0;
  uint32_t Bytes = 0;
  uint32_t Quality = 0;
};

// Xing flag bits.
inline constexpr uint32_t XingFramesFlag = 1;
inline constexpr uint32_t XingBytesFlag = 2;
inline constexpr uint32_t XingTocFlag = 4;
inline constexpr uint32_t XingQualityFlag = 8;

// Error flags of Decode; every one carries the invalid bit 0x2000000.
inline constexpr uint32_t MpegErrorReservedVersion = 0x2000002;
inline constexpr uint32_t MpegErrorReservedLayer = 0x2000004;  // also emphasis 2
inline constexpr uint32_t MpegErrorBitrate = 0x2000008;        // index 0 or 15
inline constexpr uint32_t MpegErrorSampleRate = 0x2000020;     // index 3

// Version and layer indexes as the header holds them.
inline constexpr uint8_t MpegVersion25 = 0, MpegVersionReserved = 1, MpegVersion2 = 2,
                         MpegVersion1 = 3;
inline constexpr uint8_t MpegLayerReserved = 0, MpegLayer3 = 1, MpegLayer2 = 2, MpegLayer1 = 3;
inline constexpr uint8_t MpegSingleChannel = 3;

class TMpegHeader : public TObject {
public:
  // Fills every field from the header word; the frame count and duration follow from
  // AudioSize, which is set before.
  void Decode(uint32_t header);
  // Takes frame count and duration from the Xing data's frames field, and frame size and
  // bitrate from its bytes over its frames, where those fields are there; the header's
  // own values stay otherwise.
  void ApplyXingInfo();

  std::string GetVersionText() const;
  std::string GetLayerText() const;
  std::string GetBitrateText() const;
  std::string GetSampleRateText() const;
  std::string GetChannelModeText() const;

  TXingInfo Xing;
  uint32_t Header = 0;
  uint8_t VersionIndex = 0;  // bits 20..19
  uint8_t LayerIndex = 0;    // bits 18..17
  uint32_t Bitrate = 0;      // kbit/s
  uint32_t SampleRate = 0;   // Hz
  uint8_t ChannelMode = 0;    // bits 7..6
  uint8_t ModeExtension = 0;  // bits 5..4
  uint8_t Emphasis = 0;       // bits 1..0
  uint8_t Padding = 0;        // bit 9
  uint8_t Protected = 0;      // 1 when bit 16 is 0: a CRC follows the header
  uint8_t Private = 0;        // bit 8
  uint8_t Original = 0;       // bit 2
  uint8_t Copyright = 0;      // bit 3
  int64_t AudioSize = 0;      // bytes from the frame to the end of the audio
  uint32_t FrameSize = 0;
  uint32_t SamplesPerFrame = 0;
  uint32_t PaddingSlot = 0;
  uint32_t SlotSize = 0;
  uint32_t SizeCoefficient = 0;
  int64_t FrameCount = 0;
  uint32_t Duration = 0;    // whole seconds
  uint32_t XingOffset = 0;  // of the Xing/Info tag from the frame start
  uint32_t ErrorFlags = 0;
  bool Invalid = false;
  std::string BitrateKind;  // "VBR" with Xing data, else "CBR"

private:
  // The whole seconds that FrameCount frames of SamplesPerFrame samples last.
  uint32_t DurationOfFrames() const;
};
