#pragma once
// What the format flags of a frame header say about the bytes behind it: the extra
// bytes in front of the body, compression, encryption and unsynchronisation. The tag
// keeps every body it can decode plain, so such a frame carries only its status flags
// (in their ID3v2.4 places) and, where the writer unsynchronised the body, the
// unsynchronisation flag; a frame it cannot decode keeps the flags its data needs.

#include "base/StrUtils.h"

#include <array>
#include <cstdint>
#include <span>

// What compressed frames may inflate to: far more than any real text or picture frame
// needs, and little enough that a few kilobytes of hostile data cannot exhaust the
// memory of a 32-bit program. A frame past either bound stays as read, undecoded.
inline constexpr uint32_t ID3v2InflatedFrameLimit = 4 << 20;  // one frame
inline constexpr uint32_t ID3v2InflatedTagLimit = 16 << 20;   // all frames of a tag

// ID3v2.4 frame flags: status byte.
inline constexpr uint8_t FrameStatusFlags24 = 0x70;  // tag alter, file alter, read-only
// Tag alter preservation: a frame the writer does not know is dropped once the tag changes.
inline constexpr uint8_t FrameStatusTagAlter24 = 0x40;
// ID3v2.4 frame flags: format byte.
inline constexpr uint8_t FrameFormatGrouping24 = 0x40;
inline constexpr uint8_t FrameFormatCompression24 = 0x08;
inline constexpr uint8_t FrameFormatEncryption24 = 0x04;
inline constexpr uint8_t FrameFormatUnsynchronisation24 = 0x02;
inline constexpr uint8_t FrameFormatDataLength24 = 0x01;
// The format flags a frame kept as it lies in the file (see KeepFrameData) carries on.
inline constexpr uint8_t FrameFormatKept24 = FrameFormatGrouping24 | FrameFormatCompression24 |
                                             FrameFormatEncryption24 | FrameFormatDataLength24;
// ID3v2.3 frame flags: format byte.
inline constexpr uint8_t FrameFormatCompression23 = 0x80;
inline constexpr uint8_t FrameFormatEncryption23 = 0x40;
inline constexpr uint8_t FrameFormatGrouping23 = 0x20;

// The body of a frame whose header flags are flags (status, format), in a tag of the
// version kind (tvID3v23 or tvID3v24), from the bytes behind its header. An ID3v2.4
// body is freed of its unsynchronisation when its own flag or the tag's says so (an
// ID3v2.3 tag is freed of it as a whole beforehand). The extra bytes the flags announce
// are dropped and a compressed body is inflated, to at most a frame's bound and what is
// left of inflateBudget, which it then takes off. False for an encrypted frame, and for
// data too short for its extra bytes or that does not inflate within those bounds.
bool DecodeFrameData(uint8_t version, bool tagUnsynchronised, const std::array<uint8_t, 2>& flags,
                     std::span<const uint8_t> data, TBytes& body, uint64_t& inflateBudget);

// The data of a frame that does not decode (encrypted, or compressed data that does not
// inflate), as an ID3v2.4 frame carries it on: freed of unsynchronisation, and an
// ID3v2.3 frame's extra bytes in their ID3v2.4 order (group, encryption method, the
// inflated size as the data length). Returns the ID3v2.4 format flags that go with it.
uint8_t KeepFrameData(uint8_t version, bool tagUnsynchronised,
                      const std::array<uint8_t, 2>& flags, std::span<const uint8_t> data,
                      TBytes& body);

// The status flags of a frame read from a tag of the version kind, in their ID3v2.4
// places.
uint8_t StatusFlags24(uint8_t version, uint8_t status);

// Inflates zlib data. expectedSize, when not 0, is the size the data announces; the
// result may not exceed it, limit, nor what deflate can make of the input. False when
// the data does not inflate completely within that.
bool InflateFrameData(std::span<const uint8_t> data, uint32_t expectedSize, TBytes& out,
                      uint64_t limit = ID3v2InflatedFrameLimit);
