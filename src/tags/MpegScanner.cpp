#include "MpegScanner.h"

#include "FileAccess.h"
#include "ID3Codecs.h"
#include "ID3v1.h"
#include "TagInfo.h"

#include <algorithm>
#include <cstring>

namespace {

// The scan reads blocks of 14000 bytes, 7000 apart, as far as 49000 bytes behind the
// ID3v2 tag. Candidates lie in a block's first 7000 bytes, so the Xing fields (within
// 160 bytes of the frame) and the next frame header (frames are at most 2881 bytes)
// lie inside a whole block. A block ends early at the file's end: short files (jingles,
// samples) are scanned within their own length, and what would lie past the end reads
// as zeros, which never confirm a frame.
constexpr int32_t kBlockSize = 14000;
constexpr int32_t kBlockStep = 7000;
constexpr int64_t kScanRange = 49000;

constexpr uint32_t kSyncMask = 0xFFE00000;
// Sync, version, layer, channel mode, mode extension, copyright, original, emphasis.
constexpr uint32_t kSameStreamMask = 0xFFFE00FF;

constexpr uint32_t kXingOffsetSingleChannel = 21, kXingOffsetOther = 36, kCrcSize = 2;
constexpr size_t kXingTocSize = 100;

bool IsCandidate(uint32_t word) {
  uint32_t version = (word >> 19) & 3, layer = (word >> 17) & 3;
  return (word & kSyncMask) == kSyncMask && version != MpegVersionReserved &&
         layer != MpegLayer1;
}

bool HasFourBytesAt(const TBytes& block, size_t offset) {
  return offset <= block.size() && block.size() - offset >= 4;
}

uint32_t WordAt(const TBytes& block, size_t offset) {
  return HasFourBytesAt(block, offset) ? ReadBigEndian32(FourBytesAt(block, offset)) : 0;
}

bool TagAt(const TBytes& block, size_t offset, const char* tag) {
  if (!HasFourBytesAt(block, offset)) return false;
  T4Bytes bytes = FourBytesAt(block, offset);
  return std::memcmp(bytes.data(), tag, 4) == 0;
}

// The Xing fields that follow the tag at offset, as its flags announce them.
void ReadXing(const TBytes& block, size_t offset, TXingInfo& xing) {
  xing.Present = true;
  xing.Flags = WordAt(block, offset);
  offset += 4;
  auto take = [&](uint32_t flag, uint32_t& field) {
    if (!(xing.Flags & flag)) return;
    field = WordAt(block, offset);
    offset += 4;
  };
  take(XingFramesFlag, xing.Frames);
  take(XingBytesFlag, xing.Bytes);
  if (xing.Flags & XingTocFlag) offset += kXingTocSize;
  take(XingQualityFlag, xing.Quality);
}

// Where the frame's Xing or Info tag starts, 0 when it has none. The tag follows the
// side information; behind a CRC it lies 2 bytes further on, but encoders also put it
// where it would lie without the CRC, so both places are looked at.
uint32_t XingTagOffset(const TBytes& block, size_t at, const TMpegHeader& header) {
  uint32_t offset = header.ChannelMode == MpegSingleChannel ? kXingOffsetSingleChannel
                                                            : kXingOffsetOther;
  for (uint32_t candidate : {header.Protected ? offset + kCrcSize : offset, offset})
    if (TagAt(block, at + candidate, "Xing") || TagAt(block, at + candidate, "Info"))
      return candidate;
  return 0;
}

// A decoded header is taken when an MPEG 1 Layer III frame carries a Xing or Info tag,
// or else when the next frame's header belongs to the same stream.
bool AcceptFrame(const TBytes& block, size_t at, TMpegHeader& header) {
  if (header.VersionIndex == MpegVersion1 && header.LayerIndex == MpegLayer3) {
    uint32_t xingOffset = XingTagOffset(block, at, header);
    if (xingOffset != 0) {
      header.XingOffset = xingOffset;
      if (TagAt(block, at + xingOffset, "Xing")) {
        ReadXing(block, at + xingOffset + 4, header.Xing);
        header.ApplyXingInfo();
      } else {
        header.Xing.Present = true;  // "Info": a constant bitrate; nothing more is read
      }
      return true;
    }
  }
  uint32_t next = WordAt(block, at + header.FrameSize);
  return (next & kSameStreamMask) == (header.Header & kSameStreamMask);
}

}  // namespace

bool FindMpegHeader(TTagInfo& tagInfo, int64_t& id3v2Size) {
  THandle handle = tagInfo.FileInfo ? tagInfo.FileInfo->Handle : InvalidHandle;
  int64_t fileSize = FileSizeOf(handle);
  if (fileSize < 0 || id3v2Size < 0 || id3v2Size > fileSize) return false;
  TMpegHeader& header = tagInfo.MpegHeader;
  TBytes block;
  for (int64_t blockOffset = 0; blockOffset + kBlockSize < kScanRange; blockOffset += kBlockStep) {
    int64_t blockStart = id3v2Size + blockOffset;
    if (blockStart >= fileSize) return false;
    auto blockSize = static_cast<int32_t>(std::min<int64_t>(kBlockSize, fileSize - blockStart));
    block.assign(static_cast<size_t>(blockSize), 0);
    if (ReadAt(handle, blockStart, soBeginning, block.data(), blockSize) != blockSize)
      return false;
    size_t candidates = std::min(block.size(), static_cast<size_t>(kBlockStep));
    for (size_t at = 0; at < candidates; ++at) {
      if (block[at] != 0xFF) continue;
      uint32_t word = WordAt(block, at);
      if (!IsCandidate(word)) continue;
      int64_t framePosition = blockStart + static_cast<int64_t>(at);
      header.AudioSize = fileSize - framePosition - (tagInfo.HasID3v1 ? ID3v1TagSize : 0);
      header.Decode(word);
      if (header.Invalid || !AcceptFrame(block, at, header)) continue;
      id3v2Size = framePosition;
      return true;
    }
  }
  return false;
}
