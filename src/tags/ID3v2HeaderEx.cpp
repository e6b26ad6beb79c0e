#include "ID3v2HeaderEx.h"

#include "ID3Codecs.h"

#include "base/Exceptions.h"

#include <algorithm>

namespace {

constexpr size_t kMajorVersion = 3, kFlags = 5, kSize = 6;
// ID3v2.3: size field (not counting itself), 2 flag bytes, padding size, CRC when flagged.
constexpr uint32_t kSizeFieldLength = 4, kExtendedHeader23Minimum = 6;
// ID3v2.4: size field (counting itself), flag byte count, at least one flag byte.
constexpr uint32_t kExtendedHeader24Minimum = 6;
constexpr size_t kFlagCount24 = 4;

}  // namespace

bool IsID3v2Header(const TID3v2HeaderBytes& header) {
  return header[0] == 'I' && header[1] == 'D' && header[2] == '3';
}

bool IsWellFormedFrameID(const uint8_t* id, size_t length) {
  return std::all_of(id, id + length,
                     [](uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

uint32_t ID3v2TagSize(const TID3v2HeaderBytes& header) {
  return ReadSyncsafe({header[kSize], header[kSize + 1], header[kSize + 2], header[kSize + 3]});
}

void TMp3ID3v2HeaderEx::SetVersion(uint8_t version) {
  FVersion = version;
  FExtendedFlags.assign(version == tvID3v23 ? 2 : 1, 0);
}

uint8_t TMp3ID3v2HeaderEx::GetExtendedFlag(int32_t i) const {
  CheckRange(i, GetExtendedFlagCount());
  return FExtendedFlags[static_cast<size_t>(i)];
}

void TMp3ID3v2HeaderEx::ReadHeader(const TID3v2HeaderBytes& header) {
  SetVersion(ID3v2VersionKind(header[kMajorVersion]));
  uint8_t flags = header[kFlags];
  Unsynchronisation = flags & ID3v2FlagUnsynchronisation;
  ExtendedHeader = flags & ID3v2FlagExtendedHeader;
  Experimental = flags & ID3v2FlagExperimental;
  Footer = flags & ID3v2FlagFooter;
  ExtendedHeaderSize = 0;
  TagSize = ID3v2TagSize(header);
  PaddingSize = 0;
}

void TMp3ID3v2HeaderEx::ReadExtendedHeader(const TBytes& body) {
  if (!ExtendedHeader || (FVersion != tvID3v23 && FVersion != tvID3v24)) return;
  // The size, in ID3v2.3 not counting its own 4 bytes; 0 where no extended header fits.
  uint32_t size = 0;
  if (body.size() >= kSizeFieldLength && !IsWellFormedFrameID(body.data())) {
    T4Bytes sizeField = FourBytesAt(body, 0);
    size = FVersion == tvID3v23 ? ReadBigEndian32(sizeField) : ReadSyncsafe(sizeField);
    uint64_t room = FVersion == tvID3v23 ? body.size() - kSizeFieldLength : body.size();
    uint32_t minimum = FVersion == tvID3v23 ? kExtendedHeader23Minimum : kExtendedHeader24Minimum;
    if (size < minimum || size > room) size = 0;
  }
  if (size == 0) {
    ExtendedHeader = false;
    return;
  }
  if (FVersion == tvID3v23) {
    // The size counts the CRC when there is one (6 bytes, or 10 with the CRC, as the
    // ID3v2.3 standard reads it), so the frames start where it says; adding another 4
    // for a CRC would start them inside the first frame.
    ExtendedHeaderSize = size + kSizeFieldLength;
    std::copy_n(body.begin() + kSizeFieldLength, FExtendedFlags.size(), FExtendedFlags.begin());
    PaddingSize = ReadBigEndian32(FourBytesAt(body, kSizeFieldLength + FExtendedFlags.size()));
    // A padding size the tag cannot hold is not taken off.
    if (PaddingSize <= TagSize) TagSize -= PaddingSize;
  } else {
    ExtendedHeaderSize = size;
    FExtendedFlags.assign(body[kFlagCount24], 0);  // how many; their values are not kept
    TagSize = TagSize >= size ? TagSize - size : 0;
  }
}
