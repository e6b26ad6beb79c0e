#include "MpegScanner.h"

#include "FileAccess.h"
#include "ID3Codecs.h"
#include "ID3v1.h"
#include "TagInfo.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace {

// The scan looks for frames in the first 35000 bytes behind the ID3v2 tag, as 14000-byte
// blocks 7000 apart from there to 49000 bytes on show them: each candidate's look-aheads
// lie inside its block, so the scan reads no further than the last candidate plus the
// farthest look-ahead. Short files are scanned within their own length, and what would lie
// past the end reads as zeros, which never confirm a frame.
constexpr int64_t kCandidateRange = 35000;
// The farthest look-ahead: the next frame's header behind the largest frame the tables
// allow, 2881 bytes (the Xing fields end within 160 bytes of the frame).
constexpr size_t kLookAhead = 2881 + 4;
// The first frame nearly always follows the tag at once, and its Xing data or the next
// frame's header lie within the first read; more is read only as candidates need it.
constexpr size_t kFirstRead = 2048;

constexpr uint32_t kSyncMask = 0xFFE00000;
// Sync, version, layer, channel mode, mode extension, copyright, original, emphasis.
constexpr uint32_t kSameStreamMask = 0xFFFE00FF;

constexpr uint32_t kHeaderSize = 4, kCrcSize = 2;
constexpr size_t kXingTocSize = 100;

bool IsCandidate(uint32_t word) {
  uint32_t version = (word >> 19) & 3, layer = (word >> 17) & 3;
  return (word & kSyncMask) == kSyncMask && version != MpegVersionReserved &&
         layer != MpegLayer1;
}

// The bytes behind the ID3v2 tag as far as the scan has looked, read on demand: a first
// small read, then each read at least doubles what is held, never past the scan's reach
// or the file's end. Bytes past the end read as zeros.
class TScanBytes {
public:
  TScanBytes(THandle handle, int64_t start, int64_t fileSize)
      : FHandle(handle), FStart(start), FAvailable(fileSize - start) {}

  // Starts with what head (the file's first bytes, read before and left alone while the
  // scan runs) holds behind the tag, looked at where it lies.
  void Hold(const TBytes& head) {
    if (FStart >= static_cast<int64_t>(head.size())) return;
    const int64_t held = std::min({static_cast<int64_t>(head.size()) - FStart, FAvailable, kReach});
    FView = {head.data() + FStart, static_cast<size_t>(held)};
  }

  uint8_t ByteAt(size_t offset) { return Reach(offset + 1) ? FView[offset] : 0; }
  // The big-endian word at offset; 0 where it runs past the end.
  uint32_t WordAt(size_t offset) {
    if (!Reach(offset + 4)) return 0;
    T4Bytes word;
    std::copy_n(FView.begin() + static_cast<std::ptrdiff_t>(offset), word.size(), word.begin());
    return ReadBigEndian32(word);
  }
  bool TagAt(size_t offset, const char* tag) {
    return Reach(offset + 4) && std::memcmp(FView.data() + offset, tag, 4) == 0;
  }
  // A read came short: what it should have held is unknown, so the scan ends.
  bool ReadFailed() const { return FReadFailed; }

private:
  static constexpr int64_t kReach = kCandidateRange + kLookAhead;

  // Whether the bytes before end are held, reading them when the file has them.
  bool Reach(size_t end) {
    if (end <= FView.size()) return true;
    if (FReadFailed || static_cast<int64_t>(end) > FAvailable) return false;
    const size_t held = FView.size();
    const int64_t wanted = std::min(std::max(held * 2, kFirstRead), static_cast<size_t>(kReach));
    const auto target = static_cast<size_t>(std::min(std::max<int64_t>(wanted, end), FAvailable));
    if (FView.data() != FBytes.data()) FBytes.assign(FView.begin(), FView.end());  // the head's, copied
    FBytes.resize(target);
    const auto count = static_cast<int32_t>(target - held);
    const bool read = ReadAt(FHandle, FStart + static_cast<int64_t>(held), soBeginning, FBytes.data() + held,
                             count) == count;
    if (!read) {
      FReadFailed = true;
      FBytes.resize(held);
    }
    FView = FBytes;
    return read;
  }

  THandle FHandle;
  int64_t FStart, FAvailable;
  std::span<const uint8_t> FView;  // the bytes held: the head's or FBytes
  TBytes FBytes;
  bool FReadFailed = false;
};

// The Xing fields that follow the tag at offset, as its flags announce them.
void ReadXing(TScanBytes& bytes, size_t offset, TXingInfo& xing) {
  xing.Present = true;
  xing.Flags = bytes.WordAt(offset);
  offset += 4;
  auto take = [&](uint32_t flag, uint32_t& field) {
    if (!(xing.Flags & flag)) return;
    field = bytes.WordAt(offset);
    offset += 4;
  };
  take(XingFramesFlag, xing.Frames);
  take(XingBytesFlag, xing.Bytes);
  if (xing.Flags & XingTocFlag) offset += kXingTocSize;
  take(XingQualityFlag, xing.Quality);
}

// The side information of a Layer III frame, which the Xing or Info tag follows: MPEG 2
// and 2.5 frames carry one granule where MPEG 1 frames carry two, and one channel takes
// less than two.
uint32_t SideInfoSize(const TMpegHeader& header) {
  const bool mono = header.ChannelMode == MpegSingleChannel;
  if (header.VersionIndex == MpegVersion1) return mono ? 17 : 32;
  return mono ? 9 : 17;
}

// Where the Layer III frame's Xing or Info tag starts, 0 when it has none. The tag follows
// the side information; behind a CRC it lies 2 bytes further on, but encoders also put it
// where it would lie without the CRC, so both places are looked at.
uint32_t XingTagOffset(TScanBytes& bytes, size_t at, const TMpegHeader& header) {
  const uint32_t offset = kHeaderSize + SideInfoSize(header);
  for (uint32_t candidate : {header.Protected ? offset + kCrcSize : offset, offset})
    if (bytes.TagAt(at + candidate, "Xing") || bytes.TagAt(at + candidate, "Info"))
      return candidate;
  return 0;
}

// A decoded header is taken when a Layer III frame carries a Xing or Info tag, or else
// when the next frame's header belongs to the same stream.
bool AcceptFrame(TScanBytes& bytes, size_t at, TMpegHeader& header) {
  if (header.LayerIndex == MpegLayer3) {
    uint32_t xingOffset = XingTagOffset(bytes, at, header);
    if (xingOffset != 0) {
      header.XingOffset = xingOffset;
      if (bytes.TagAt(at + xingOffset, "Xing")) {
        ReadXing(bytes, at + xingOffset + 4, header.Xing);
        header.ApplyXingInfo();
      } else {
        header.Xing.Present = true;  // "Info": a constant bitrate; nothing more is read
      }
      return true;
    }
  }
  uint32_t next = bytes.WordAt(at + header.FrameSize);
  return (next & kSameStreamMask) == (header.Header & kSameStreamMask);
}

}  // namespace

bool FindMpegHeader(TTagInfo& tagInfo, int64_t& id3v2Size) {
  THandle handle = tagInfo.FileInfo ? tagInfo.FileInfo->Handle : InvalidHandle;
  const TProbedBytes& probed = tagInfo.Probed;
  const bool held = probed.HoldFor(handle);
  int64_t fileSize = held ? probed.FileSize : FileSizeOf(handle);
  if (fileSize < 0 || id3v2Size < 0 || id3v2Size > fileSize) return false;
  TMpegHeader& header = tagInfo.MpegHeader;
  TScanBytes bytes(handle, id3v2Size, fileSize);
  if (held) bytes.Hold(probed.Head);
  const auto candidates = static_cast<size_t>(std::min(kCandidateRange, fileSize - id3v2Size));
  for (size_t at = 0; at < candidates && !bytes.ReadFailed(); ++at) {
    if (bytes.ByteAt(at) != 0xFF) continue;
    uint32_t word = bytes.WordAt(at);
    if (!IsCandidate(word)) continue;
    int64_t framePosition = id3v2Size + static_cast<int64_t>(at);
    header.AudioSize = fileSize - framePosition - (tagInfo.HasID3v1 ? ID3v1TagSize : 0);
    header.Decode(word);
    if (header.Invalid || !AcceptFrame(bytes, at, header) || bytes.ReadFailed()) continue;
    id3v2Size = framePosition;
    return true;
  }
  return false;
}
