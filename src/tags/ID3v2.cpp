#include "ID3v2.h"

#include "FileAccess.h"
#include "ID3Codecs.h"
#include "ID3v1.h"
#include "ID3v22Frames.h"
#include "ID3v2FrameReader.h"
#include "ID3v2WritePlan.h"
#include "TagInfo.h"
#include "TempCopy.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

constexpr uint8_t kWrittenMajorVersion = 4;
constexpr size_t kFlags = 5;
constexpr uint8_t kCompressedID3v22 = 0x40;
constexpr int64_t kTagSizeReadAtOnce = 64 * 1024;
const std::array<uint8_t, 3> kFooterMarker = {'3', 'D', 'I'};

TID3v2HeaderBytes NewHeader(uint32_t tagSize, bool unsynchronised) {
  T4Bytes size = WriteSyncsafe(tagSize);
  return {'I', 'D', '3', kWrittenMajorVersion, 0,
          unsynchronised ? ID3v2FlagUnsynchronisation : uint8_t{0},
          size[0], size[1], size[2], size[3]};
}

// Reads the header of an ID3v2 tag at offset: its size field and whether a footer
// follows it. A footer counts only where its marker stands behind the tag, so that a
// stray flag never costs audio bytes. False where no tag starts.
bool ExamineTagAt(THandle handle, int64_t offset, uint32_t& size, bool& footer) {
  TID3v2HeaderBytes header{};
  if (ReadAt(handle, offset, soBeginning, header.data(), ID3v2HeaderSize) !=
          static_cast<int32_t>(ID3v2HeaderSize) ||
      !IsID3v2Header(header))
    return false;
  size = ID3v2TagSize(header);
  std::array<uint8_t, 3> marker{};
  footer = (header[kFlags] & ID3v2FlagFooter) &&
           ReadAt(handle, offset + ID3v2HeaderSize + size, soBeginning, marker.data(), 3) == 3 &&
           marker == kFooterMarker;
  return true;
}

// The tags the file holds at the time of writing: the first ID3v2 tag, the tags other
// writers stacked directly behind it (as far as they fit before the ID3v1 tag) and the
// ID3v1 tag.
bool ExamineFile(THandle handle, TID3v2FileLayout& layout) {
  layout.FileLength = FileSizeOf(handle);
  if (layout.FileLength < 0) return false;
  layout.HasID3v1 = EndsInID3v1Tag(handle);
  layout.HasTag = ExamineTagAt(handle, 0, layout.OldTagSize, layout.OldFooter);
  if (!layout.IsConsistent()) return false;
  uint32_t size = 0;
  bool footer = false;
  for (int64_t next = layout.OldTagExtent(); ExamineTagAt(handle, next, size, footer);) {
    const int64_t extent = int64_t{ID3v2HeaderSize} + size + (footer ? ID3v2FooterSize : 0);
    if (extent > layout.AudioLength() - layout.StackedTagsLength) break;
    layout.StackedTagsLength += extent;
    next += extent;
  }
  return true;
}

}  // namespace

TMp3ID3v2::TMp3ID3v2(TTagInfo& tagInfo, bool isNew)
    : FHandle(tagInfo.GetEntry().GetHandleRef()) {
  if (isNew) {
    FRawHeader = NewHeader(0, false);
    return;
  }
  TProbedBytes& probed = tagInfo.Probed;
  if (probed.HoldFor(*FHandle)) FHeadAsCreated = std::exchange(probed.Head, {});
  ReadAtUsingHead(*FHandle, FHeadAsCreated, 0, FRawHeader.data(), ID3v2HeaderSize);
  FHeaderEx.ReadHeader(FRawHeader);
  if (FHeaderEx.ExtendedHeader) {
    TBytes body;
    ReadBody(FHeadAsCreated, body);  // a copy: the first ReadTag takes the head
  }
}

void TMp3ID3v2::ReadBody(TBytes head, TBytes& body) {
  FHeaderEx.ReadHeader(FRawHeader);
  // The read gives no more than the file holds; a size past what a tag ordinarily takes
  // is first cut to the file, so that a header never makes the reader allocate more.
  int64_t size = FHeaderEx.TagSize;
  if (size > kTagSizeReadAtOnce)
    size = std::min<int64_t>({size, FileSizeOf(*FHandle) - ID3v2HeaderSize, ID3v2MaxSize});
  const auto wanted = static_cast<size_t>(std::max<int64_t>(size, 0));
  if (head.size() >= ID3v2HeaderSize + wanted) {
    // The probe's read holds the whole tag: its bytes become the body where they lie.
    head.erase(head.begin(), head.begin() + ID3v2HeaderSize);
    head.resize(wanted);
    body = std::move(head);
  } else {
    body.assign(wanted, 0);
    if (!body.empty()) {
      int32_t read = ReadAtUsingHead(*FHandle, head, ID3v2HeaderSize, body.data(),
                                     static_cast<int32_t>(body.size()));
      body.resize(static_cast<size_t>(read));
    }
  }
  // ID3v2.2 and 2.3 unsynchronise the tag as a whole; ID3v2.4 each frame on its own.
  // Kept as the ID3v2.3 standard reads it: undone over the whole tag, extended header
  // and frame headers included, not over each frame's body alone, which would misread a
  // frame header whose size bytes held an inserted zero.
  const uint8_t version = FHeaderEx.GetVersion();
  if ((version == tvID3v22 || version == tvID3v23) && FHeaderEx.Unsynchronisation && !body.empty())
    RemoveUnsynchronisation(body);
  FHeaderEx.ReadExtendedHeader(body);
}

bool TMp3ID3v2::ReadTag() {
  FFrames.Clear();
  FKept = {};
  FDroppedFrames.clear();
  TBytes head = std::exchange(FHeadAsCreated, {});
  if (!IsID3v2Header(FRawHeader)) return false;
  uint8_t version = ID3v2VersionKind(FRawHeader[3]);
  if (version == tvID3v22) return ReadID3v22Frames(std::move(head));
  if (version != tvID3v23 && version != tvID3v24) return false;
  TBytes body;
  ReadBody(std::move(head), body);
  ReadFrames(body, FHeaderEx, FFrames, FKept);
  return true;
}

bool TMp3ID3v2::ReadID3v22Frames(TBytes head) {
  // The flag that ID3v2.3 gave to the extended header meant a compressed tag in ID3v2.2,
  // without a compression method ever being settled.
  if (FRawHeader[kFlags] & kCompressedID3v22) return false;
  TBytes body;
  ReadBody(std::move(head), body);
  size_t framesSize = 0;
  const TBytes frames = ID3v22FramesAsID3v23(body, FDroppedFrames, framesSize);
  TMp3ID3v2HeaderEx asID3v23;
  asID3v23.SetVersion(tvID3v23);
  ReadFrames(frames, asID3v23, FFrames, FKept);
  FHeaderEx.TagSize = static_cast<uint32_t>(framesSize);
  FHeaderEx.PaddingSize = static_cast<uint32_t>(body.size() - framesSize);
  return true;
}

bool TMp3ID3v2::BuildTag(const TID3v2FileLayout& layout, bool removeID3v1, TBytes& tag,
                         bool& inPlace) {
  tag.assign(ID3v2HeaderSize, 0);
  bool unsynchronised = false;
  std::set<std::string> written;  // the IDs of the frames written from the list
  for (TFrameSubListManager* subList : {&FFrames.GetPrimarySubList(), &FFrames.GetOtherSubList()}) {
    for (int32_t i = 0; i < subList->GetCount(); ++i) {
      TMp3ID3v2Frame& frame = subList->GetFrame(i);
      if (frame.AppendTo(tag, unsynchronised) > 0) written.insert(frame.GetID());
    }
  }
  for (const TPreservedFrame& frame : FKept.Frames) {
    if (frame.AlmostEmpty && written.count(std::string(frame.ID.begin(), frame.ID.end()))) continue;
    AppendFrameBytes(tag, frame.ID, frame.Status, frame.Format, frame.Body, unsynchronised);
  }
  // Bytes that could not be read follow the frames after a zero byte, as padding would,
  // so that no reader takes them for a part of the frame before them.
  if (!FKept.Unread.empty() && FKept.Unread[0] != 0) tag.push_back(0);
  tag.insert(tag.end(), FKept.Unread.begin(), FKept.Unread.end());
  uint64_t framesSize = tag.size() - ID3v2HeaderSize;
  if (framesSize > ID3v2MaxSize) return false;
  const bool nothingRead = FFrames.GetCount() == 0 && FKept.Frames.empty() && FKept.Unread.empty();
  TID3v2WritePlan plan =
      PlanTagWrite(layout, static_cast<uint32_t>(framesSize), nothingRead, removeID3v1);
  if (plan.Total > ID3v2MaxSize) return false;
  tag.resize(ID3v2HeaderSize + plan.Total, 0);
  TID3v2HeaderBytes header = NewHeader(plan.Total, unsynchronised);
  std::copy(header.begin(), header.end(), tag.begin());
  inPlace = plan.InPlace;
  return true;
}

bool TMp3ID3v2::WriteTag(TTagInfo& tagInfo) {
  TFileInfo& entry = tagInfo.GetEntry();
  tagInfo.Probed = {};
  FHeadAsCreated = {};
  TID3v2FileLayout layout;
  if (!ExamineFile(*FHandle, layout)) return false;
  const bool removeID3v2 = tagInfo.RemoveID3v2;
  const bool keepID3v1 = layout.HasID3v1 && !tagInfo.RemoveID3v1;
  TBytes tag;
  bool inPlace = false;
  if (!removeID3v2 && !BuildTag(layout, tagInfo.RemoveID3v1, tag, inPlace)) return false;

  const int32_t tagLength = static_cast<int32_t>(tag.size());
  int64_t expectedLength = layout.FileLength;
  bool written;
  if (inPlace) {
    written = WriteAt(*FHandle, 0, soBeginning, tag.data(), tagLength) == tagLength;
  } else {
    // Removing the tag removes the tags stacked behind it too, so that none is left.
    const int64_t stacked = removeID3v2 ? layout.StackedTagsLength : 0;
    const int64_t oldTagExtent = layout.OldTagExtent() + stacked,
                  audioLength = layout.AudioLength() - stacked;
    written = RewriteThroughTempCopy(entry, [&](TStream& source, TStream& copy) {
      if (tagLength > 0) copy.WriteBuffer(tag.data(), tagLength);
      if (source.Seek(oldTagExtent, soBeginning) != oldTagExtent)
        throw EReadError("Stream read error");
      copy.CopyFrom(source, audioLength);
      // The ID3v1 tag follows the audio directly.
      if (keepID3v1) copy.CopyFrom(source, ID3v1TagSize);
    });
    expectedLength = tagLength + audioLength + (keepID3v1 ? ID3v1TagSize : 0);
  }
  if (!written) return false;

  // From now on the object stands for the tag in the file: ID3v2.4, or none.
  FRawHeader = {};
  if (!removeID3v2) std::copy_n(tag.begin(), ID3v2HeaderSize, FRawHeader.begin());
  TMp3ID3v2HeaderEx headerEx;
  if (!removeID3v2) headerEx.ReadHeader(FRawHeader);
  FHeaderEx.Assign(headerEx);
  FDroppedFrames.clear();  // gone with the tag they were read from
  tagInfo.HasID3v2 = !removeID3v2;
  tagInfo.HasID3v1 = keepID3v1;
  return FileSizeOf(*FHandle) == expectedLength;
}
