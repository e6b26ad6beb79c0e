#include "ID3v2FrameReader.h"

#include "FrameListManager.h"
#include "ID3TagsUtils.h"
#include "ID3v2Frame.h"
#include "ID3v2FrameData.h"
#include "ID3v2HeaderEx.h"

#include <algorithm>

namespace {

constexpr size_t kFrameHeaderSize = 10, kSizeAt = 4, kFlagsAt = 8;
// Bodies this short hold no field: an encoding byte alone, or for comments and lyrics
// the encoding and the language.
constexpr size_t kShortestBody = 1, kShortestCommentBody = 5;

// Whether a frame, padding or the end of the frames can start at offset.
bool IsFrameBoundary(const TBytes& body, uint64_t offset, size_t end) {
  if (offset == end) return true;
  if (offset > end) return false;
  return body[offset] == 0 || (end - offset >= 4 && IsWellFormedFrameID(&body[offset]));
}

// The body size of the frame whose header starts at offset. ID3v2.4 sizes are syncsafe,
// but some writers put plain big-endian sizes there; where the two readings differ, the
// plain one is taken when only it ends where something can follow.
uint32_t FrameSize(const TBytes& body, size_t offset, size_t end, uint8_t version) {
  T4Bytes field = FourBytesAt(body, offset + kSizeAt);
  uint32_t plain = ReadBigEndian32(field);
  if (version == tvID3v23) return plain;
  uint32_t syncsafe = ReadSyncsafe(field);
  uint64_t bodyStart = offset + kFrameHeaderSize;
  if (syncsafe != plain && !IsFrameBoundary(body, bodyStart + syncsafe, end) &&
      IsFrameBoundary(body, bodyStart + plain, end))
    return plain;
  return syncsafe;
}

size_t ShortestBody(uint8_t frameKind) {
  return FrameIDInfo(frameKind).Category == fcComment ? kShortestCommentBody : kShortestBody;
}

}  // namespace

void ReadFrames(const TBytes& body, TMp3ID3v2HeaderEx& header, TFrameListManager& frames,
                std::vector<TPreservedFrame>& preserved) {
  const uint8_t version = header.GetVersion();
  const size_t start = std::min<size_t>(header.ExtendedHeaderSize, body.size());
  const size_t end = body.size();
  size_t position = start;
  while (end - position >= kFrameHeaderSize && IsWellFormedFrameID(&body[position])) {
    uint32_t size = FrameSize(body, position, end, version);
    if (size > end - position - kFrameHeaderSize) break;
    TFrameHeaderBytes frameHeader;
    std::copy_n(body.begin() + position, kFrameHeaderSize, frameHeader.begin());
    std::span<const uint8_t> data(body.data() + position + kFrameHeaderSize, size);
    position += kFrameHeaderSize + size;
    if (size == 0) continue;  // says nothing, but the frames go on behind it

    const TFrameHeaderBytes asRead = frameHeader;
    uint8_t frameKind = 0;
    const bool known = MapFrameID(frameHeader, frameKind);
    const bool handled = known && FrameIDInfo(frameKind).Category != fcNone;
    std::array<uint8_t, 2> flags = {frameHeader[kFlagsAt], frameHeader[kFlagsAt + 1]};
    TBytes frameBody;
    if (!DecodeFrameData(version, header.Unsynchronisation, flags, data, frameBody)) continue;
    // The frame keeps its body plain from here on: only the status flags still apply.
    const uint8_t status = StatusFlags24(version, flags[0]);
    if (!handled) {
      const bool sameInID3v24 =
          !known || (frameKind != fiObsolete && std::equal(asRead.begin(), asRead.begin() + 4,
                                                           frameHeader.begin()));
      if (sameInID3v24 && !(status & FrameStatusTagAlter24) && !frameBody.empty()) {
        TPreservedFrame& kept = preserved.emplace_back();
        std::copy_n(asRead.begin(), 4, kept.ID.begin());
        kept.Status = status;
        kept.Body = std::move(frameBody);
      }
      continue;
    }
    if (frameBody.size() <= ShortestBody(frameKind)) continue;
    frameHeader[kFlagsAt] = status;
    frameHeader[kFlagsAt + 1] = 0;
    bool ok = false;
    auto frame = std::make_unique<TMp3ID3v2Frame>(frameKind, ok, frameHeader);
    if (!ok) continue;
    frame->ReadBody(std::move(frameBody));
    frames.AddFrame(frameKind, std::move(frame));
  }
  header.TagSize = static_cast<uint32_t>(position - start);
  header.PaddingSize = static_cast<uint32_t>(end - position);
}
