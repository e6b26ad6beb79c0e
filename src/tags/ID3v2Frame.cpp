#include "ID3v2Frame.h"

#include "ID3TagsUtils.h"
#include "ID3v2AttachmentFrames.h"
#include "ID3v2CounterFrames.h"
#include "ID3v2DescribedTextFrames.h"
#include "ID3v2FrameBody.h"
#include "ID3v2FrameData.h"
#include "ID3v2HeaderEx.h"
#include "ID3v2RawBodyFrames.h"
#include "ID3v2TextFrames.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <vector>

namespace {

template <class TCategory>
std::unique_ptr<TMp3ID3v2FrameCatBase> Make(uint8_t category, uint8_t frameKind) {
  return std::make_unique<TCategory>(category, frameKind);
}

using TCategoryMaker = std::unique_ptr<TMp3ID3v2FrameCatBase> (*)(uint8_t, uint8_t);

struct TCategoryClass {
  uint8_t Category;
  TCategoryMaker Maker;
};

constexpr TCategoryClass kCategoryClasses[] = {
    {fcRawBody, Make<TMp3ID3v2FrameCat0>},
    {fcText, Make<TMp3ID3v2FrameCat1>},
    {fcDate, Make<TMp3ID3v2FrameCat1Date>},
    {fcTrack, Make<TMp3ID3v2FrameCat1Track>},
    {fcGenre, Make<TMp3ID3v2FrameCat1Genre>},
    {fcUserText, Make<TMp3ID3v2FrameCat2>},
    {fcUrl, Make<TMp3ID3v2FrameCat3>},
    {fcUserUrl, Make<TMp3ID3v2FrameCat4>},
    {fcComment, Make<TMp3ID3v2FrameCat5>},
    {fcCdIdentifier, Make<TMp3ID3v2FrameCat6>},
    {fcPicture, Make<TMp3ID3v2FrameCat7>},
    {fcObject, Make<TMp3ID3v2FrameCat8>},
    {fcPopularimeter, Make<TMp3ID3v2FrameCat24>},
};

// ID3v2.3 frames that ID3v2.4 replaced or dropped.
struct TOldFrameID {
  const char* ID;
  TFrameIDlibrary Kind;
};

constexpr TOldFrameID kOldFrameIDs[] = {
    {"EQUA", fiEQU2},     {"IPLS", fiTIPL},     {"RVAD", fiRVA2},     {"TORY", fiTDOR},
    {"TYER", fiTDRC},     {"TDAT", fiObsolete}, {"TIME", fiObsolete}, {"TRDA", fiObsolete},
    {"TSIZ", fiObsolete},
};

uint32_t IDNumber(const void* id) {
  const auto* bytes = static_cast<const uint8_t*>(id);
  return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

// An ID the reader knows, as a number for the search, with its kind.
struct TKnownID {
  uint32_t ID;
  uint8_t Kind;
  bool Old;  // an ID3v2.3 ID that ID3v2.4 replaced or dropped
};

// Every ID the reader knows, in ID order: the old IDs and the library's own (ETCO aside).
// An ID listed twice keeps the row found first in that order.
const std::vector<TKnownID>& KnownIDs() {
  static const std::vector<TKnownID> ids = [] {
    std::vector<TKnownID> all;
    for (const TOldFrameID& old : kOldFrameIDs) all.push_back({IDNumber(old.ID), old.Kind, true});
    for (int kind = 0; kind < fiObsolete; ++kind)
      if (kind != fiETCO) all.push_back({IDNumber(FrameIDs[kind].FrameID), static_cast<uint8_t>(kind), false});
    auto byID = [](const TKnownID& a, const TKnownID& b) { return a.ID < b.ID; };
    std::stable_sort(all.begin(), all.end(), byID);
    all.erase(std::unique(all.begin(), all.end(), [](const TKnownID& a, const TKnownID& b) { return a.ID == b.ID; }),
              all.end());
    return all;
  }();
  return ids;
}

}  // namespace

TMp3ID3v2Frame::TMp3ID3v2Frame(uint8_t frameKind) {
  const TFrameIDinfo& row = FrameIDInfo(frameKind);
  std::copy_n(row.FrameID, 4, FID.begin());
  bool ok = false;
  FCategory = CreateFrameCategory(row.Category, frameKind, ok);
}

TMp3ID3v2Frame::TMp3ID3v2Frame(uint8_t frameKind, bool& ok, const TFrameHeaderBytes& header) {
  std::copy_n(header.begin(), 4, FID.begin());
  std::copy_n(header.begin() + 4, 4, FSize.begin());
  std::copy_n(header.begin() + 8, 2, FFlags.begin());
  FCategory = CreateFrameCategory(FrameIDInfo(frameKind).Category, frameKind, ok);
}

void TMp3ID3v2Frame::ReadBody(TBytes body) {
  FBodyAsRead = std::move(body);
  ReadFrameBody(*FCategory, FBodyAsRead);
  TBytes encoded = WriteFrameBody(*FCategory);
  if (encoded == FBodyAsRead)
    FEncodedAsRead.reset();
  else
    FEncodedAsRead = std::move(encoded);
}

TBytes TMp3ID3v2Frame::BodyToWrite() {
  TBytes encoded = WriteFrameBody(*FCategory);
  if (FBodyAsRead.empty()) return encoded;
  const TBytes& encodedAsRead = FEncodedAsRead ? *FEncodedAsRead : FBodyAsRead;
  return encoded == encodedAsRead ? FBodyAsRead : encoded;
}

int32_t TMp3ID3v2Frame::AppendTo(TBytes& buffer, bool& unsynchronised) {
  TBytes body = BodyToWrite();
  FSize = {};
  if (body.empty()) return 0;
  const size_t start = buffer.size();
  int32_t appended =
      AppendFrameBytes(buffer, FID, FFlags[0], 0, std::move(body), unsynchronised);
  std::copy_n(buffer.begin() + start + 4, 4, FSize.begin());
  FFlags = {buffer[start + 8], buffer[start + 9]};
  return appended;
}

int32_t AppendFrameBytes(TBytes& buffer, const std::array<char, 4>& id, uint8_t status,
                         uint8_t format, TBytes body, bool& unsynchronised) {
  bool changed = !body.empty() && ApplyUnsynchronisation(body);
  // Decoders take a final 0xFF for the start of a false synchronisation; the 0x00 that
  // keeps it apart is dropped again on reading.
  if (changed && body.back() == 0xFF) body.push_back(0x00);
  if (body.size() > ID3v2MaxSize) throw ERangeError("Range check error");
  unsynchronised = unsynchronised || changed;
  T4Bytes size = WriteSyncsafe(static_cast<uint32_t>(body.size()));
  buffer.insert(buffer.end(), id.begin(), id.end());
  buffer.insert(buffer.end(), size.begin(), size.end());
  buffer.push_back(static_cast<uint8_t>(status & FrameStatusFlags24));
  buffer.push_back(static_cast<uint8_t>((format & FrameFormatKept24) |
                                        (changed ? FrameFormatUnsynchronisation24 : 0)));
  buffer.insert(buffer.end(), body.begin(), body.end());
  return static_cast<int32_t>(body.size() + 10);
}

std::unique_ptr<TMp3ID3v2FrameCatBase> CreateFrameCategory(uint8_t category, uint8_t frameKind,
                                                           bool& ok) {
  for (const TCategoryClass& entry : kCategoryClasses) {
    if (entry.Category == category) {
      ok = true;
      return entry.Maker(category, frameKind);
    }
  }
  ok = false;
  return std::make_unique<TMp3ID3v2FrameCat0>(category, frameKind);
}

bool MapFrameID(TFrameHeaderBytes& header, uint8_t& frameKind) {
  const std::vector<TKnownID>& ids = KnownIDs();
  const uint32_t id = IDNumber(header.data());
  const auto found = std::lower_bound(ids.begin(), ids.end(), id,
                                      [](const TKnownID& known, uint32_t wanted) { return known.ID < wanted; });
  if (found == ids.end() || found->ID != id) return false;
  frameKind = found->Kind;
  if (found->Old && found->Kind != fiObsolete) std::copy_n(FrameIDs[found->Kind].FrameID, 4, header.begin());
  return true;
}
