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

bool TMp3ID3v2HeaderEx::ReadExtendedHeader(const TBytes& body) {
  if (!ExtendedHeader || (FVersion != tvID3v23 && FVersion != tvID3v24)) return true;
  if (body.size() < kSizeFieldLength) return false;
  T4Bytes sizeField = FourBytesAt(body, 0);
  if (FVersion == tvID3v23) {
    // The size counts the CRC when there is one, so the frames start where it says.
    uint32_t size = ReadBigEndian32(sizeField);
    if (size < kExtendedHeader23Minimum || size > body.size() - kSizeFieldLength) return false;
    ExtendedHeaderSize = size + kSizeFieldLength;
    std::copy_n(body.begin() + kSizeFieldLength, FExtendedFlags.size(), FExtendedFlags.begin());
    PaddingSize = ReadBigEndian32(FourBytesAt(body, kSizeFieldLength + FExtendedFlags.size()));
    // A padding size the tag cannot hold is not taken off.
    if (PaddingSize <= TagSize) TagSize -= PaddingSize;
  } else {
    uint32_t size = ReadSyncsafe(sizeField);
    if (size < kExtendedHeader24Minimum || size > body.size()) return false;
    ExtendedHeaderSize = size;
    FExtendedFlags.assign(body[kFlagCount24], 0);  // how many; their values are not kept
    TagSize = TagSize >= size ? TagSize - size : 0;
  }
  return true;
}
