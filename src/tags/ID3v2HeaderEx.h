#pragma once
// The 10-byte ID3v2 tag header and the extended header, as the tag object keeps them.

#include "ID3TagsUtils.h"

#include "base/Object.h"
#include "base/StrUtils.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The header as it lies at the start of the file: "ID3", major version, revision,
// flags, the tag size (syncsafe, without the header).
using TID3v2HeaderBytes = std::array<uint8_t, 10>;

inline constexpr uint32_t ID3v2HeaderSize = 10;
inline constexpr uint32_t ID3v2FooterSize = 10;
// The largest size a syncsafe size field holds.
inline constexpr uint32_t ID3v2MaxSize = 0x0FFFFFFF;

// Tag header flag bits.
inline constexpr uint8_t ID3v2FlagUnsynchronisation = 0x80;
inline constexpr uint8_t ID3v2FlagExtendedHeader = 0x40;
inline constexpr uint8_t ID3v2FlagExperimental = 0x20;
inline constexpr uint8_t ID3v2FlagFooter = 0x10;

// Whether the header bytes start with "ID3".
bool IsID3v2Header(const TID3v2HeaderBytes& header);
// Whether four bytes (three in ID3v2.2) can be a frame ID: each one of 'A'..'Z' and
// '0'..'9'.
bool IsWellFormedFrameID(const uint8_t* id, size_t length = 4);
// The tag size the header announces (syncsafe, or big-endian where it cannot be).
uint32_t ID3v2TagSize(const TID3v2HeaderBytes& header);

class TMp3ID3v2HeaderEx : public TObject {
public:
  TMp3ID3v2HeaderEx() { SetVersion(tvID3v24); }

  uint8_t GetVersion() const { return FVersion; }  // a tag-version kind
  // Also resets the extended flag bytes: two for ID3v2.3, else one, all zero.
  void SetVersion(uint8_t version);
  int32_t GetExtendedFlagCount() const { return static_cast<int32_t>(FExtendedFlags.size()); }
  // Flag byte i of the extended header; ERangeError outside them.
  uint8_t GetExtendedFlag(int32_t i) const;
  void Assign(const TMp3ID3v2HeaderEx& source) { *this = source; }

  // Takes version, flags and tag size from the 10 header bytes; no extended header yet.
  void ReadHeader(const TID3v2HeaderBytes& header);
  // Reads the extended header, when the flags announce one, from the start of the tag
  // body (the bytes behind the header, an ID3v2.3 tag already freed of its
  // unsynchronisation) and takes what it says off the tag size. Some writers set the
  // flag without writing an extended header: one whose size does not fit the body or is
  // shorter than its fixed fields, or whose place holds a frame ID, is taken for absent
  // and the flag is cleared, so that the frames are read from the start of the body.
  void ReadExtendedHeader(const TBytes& body);

  bool Unsynchronisation = false;
  bool ExtendedHeader = false;
  bool Experimental = false;
  bool Footer = false;
  uint32_t ExtendedHeaderSize = 0;  // bytes, with its own size field
  uint32_t TagSize = 0;             // after reading: the bytes the frames take
  uint32_t PaddingSize = 0;

private:
  uint8_t FVersion = tvID3v24;
  TBytes FExtendedFlags;
};
