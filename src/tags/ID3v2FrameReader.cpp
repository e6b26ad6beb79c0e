#include "ID3v2FrameReader.h"

#include "FrameListManager.h"
#include "ID3TagsUtils.h"
#include "ID3TextCodec.h"
#include "ID3v2Frame.h"
#include "ID3v2FrameData.h"
#include "ID3v2HeaderEx.h"
#include "TagEnvironment.h"

#include "base/SharedRoutines.h"

#include <algorithm>
#include <cstring>

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

bool IDIs(const TFrameHeaderBytes& header, const char* id) {
  return std::equal(header.begin(), header.begin() + 4, id);
}

// The first value of a text frame's body, as 8-bit text.
std::string FirstText(const TBytes& body) {
  if (body.empty()) return "";
  TBytes text(body.begin() + 1, body.end());
  DecodeFrameText(text, body[0]);
  std::string value(text.begin(), text.end());
  return value.substr(0, value.find('\0'));
}

// The date of an ID3v2.3 tag, whose TYER frame becomes TDRC, while the day and month
// (TDAT, "DDMM") and the time (TIME, "HHMM") have frames of their own that ID3v2.4 drops.
class TOldDate {
public:
  // Takes the text of a TDAT or TIME frame; false for any other frame.
  bool Take(const TFrameHeaderBytes& header, const TBytes& body) {
    if (IDIs(header, "TDAT"))
      FDayMonth = FirstText(body);
    else if (IDIs(header, "TIME"))
      FHourMinute = FirstText(body);
    else
      return false;
    return true;
  }
  void SetYearFrame(TMp3ID3v2Frame& frame) {
    if (!FYear) FYear = &frame;
  }
  // Gives the year frame the whole date, "yyyy-MM-dd" or "yyyy-MM-ddTHH:mm", in the
  // year's text encoding.
  void Join() const {
    if (!FYear || !IsFourDigits(FDayMonth)) return;
    const TBytes& yearBody = FYear->GetBodyAsRead();
    std::string date = FirstText(yearBody);
    if (!IsFourDigits(date)) return;
    date.append("-").append(FDayMonth, 2, 2).append("-").append(FDayMonth, 0, 2);
    if (IsFourDigits(FHourMinute))
      date.append("T").append(FHourMinute, 0, 2).append(":").append(FHourMinute, 2, 2);
    TBytes body = {yearBody[0]};
    TBytes text = EncodeFrameText(TBytes(date.begin(), date.end()), yearBody[0]);
    body.insert(body.end(), text.begin(), text.end());
    FYear->ReadBody(std::move(body));
  }

private:
  static bool IsFourDigits(const std::string& text) { return text.size() == 4 && IsDigits(text); }

  TMp3ID3v2Frame* FYear = nullptr;
  std::string FDayMonth, FHourMinute;
};

// The bytes from offset to the last that is not zero. Behind the frames lies padding,
// zeros of often a few hundred bytes, passed over eight bytes at a time.
TBytes UnreadBytes(const TBytes& body, size_t offset) {
  size_t last = body.size();
  for (uint64_t word = 0; last - offset >= sizeof word; last -= sizeof word) {
    std::memcpy(&word, body.data() + last - sizeof word, sizeof word);
    if (word != 0) break;
  }
  while (last > offset && body[last - 1] == 0) --last;
  return TBytes(body.begin() + static_cast<std::ptrdiff_t>(offset),
                body.begin() + static_cast<std::ptrdiff_t>(last));
}

}  // namespace

void ReadFrames(const TBytes& body, TMp3ID3v2HeaderEx& header, TFrameListManager& frames,
                TKeptTagData& kept) {
  const uint8_t version = header.GetVersion();
  const size_t start = std::min<size_t>(header.ExtendedHeaderSize, body.size());
  const size_t end = body.size();
  size_t position = start;
  const TLocaleCharsetScope charset;  // each text frame made asks for it
  TOldDate oldDate;
  uint64_t inflateBudget = ID3v2InflatedTagLimit;
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
    const std::array<uint8_t, 2> flags = {frameHeader[kFlagsAt], frameHeader[kFlagsAt + 1]};
    // The status flags carry over in their ID3v2.4 places; the format flags only where the
    // body stays as it lies (see KeepFrameData).
    const uint8_t status = StatusFlags24(version, flags[0]);
    TBytes frameBody;
    const bool decoded =
        DecodeFrameData(version, header.Unsynchronisation, flags, data, frameBody, inflateBudget);
    if (decoded && oldDate.Take(asRead, frameBody)) continue;
    const bool almostEmpty = decoded && known && frameBody.size() <= ShortestBody(frameKind);
    if (decoded && known && !almostEmpty) {
      frameHeader[kFlagsAt] = status;
      frameHeader[kFlagsAt + 1] = 0;
      bool ok = false;
      auto frame = std::make_unique<TMp3ID3v2Frame>(frameKind, ok, frameHeader);
      if (ok) {
        frame->ReadBody(std::move(frameBody));
        if (IDIs(asRead, "TYER")) oldDate.SetYearFrame(*frame);
        frames.AddFrame(frameKind, std::move(frame));
        continue;
      }
    }
    // EQUA and RVAD became frames of another layout; TRDA and TSIZ are gone.
    const bool replaced = known && (frameKind == fiObsolete ||
                                    (FrameIDInfo(frameKind).Category == fcNone &&
                                     !std::equal(asRead.begin(), asRead.begin() + 4,
                                                 frameHeader.begin())));
    if (replaced || (status & FrameStatusTagAlter24)) continue;
    TPreservedFrame& keptFrame = kept.Frames.emplace_back();
    std::copy_n(frameHeader.begin(), 4, keptFrame.ID.begin());
    keptFrame.Status = status;
    keptFrame.AlmostEmpty = almostEmpty;
    if (!decoded)
      keptFrame.Format = KeepFrameData(version, header.Unsynchronisation, flags, data, frameBody);
    keptFrame.Body = std::move(frameBody);
  }
  oldDate.Join();
  header.TagSize = static_cast<uint32_t>(position - start);
  header.PaddingSize = static_cast<uint32_t>(end - position);
  kept.Unread = UnreadBytes(body, position);
}
