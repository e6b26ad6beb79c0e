#include "ID3v2FrameData.h"

#include "ID3Codecs.h"
#include "ID3TagsUtils.h"
#include "ID3v2HeaderEx.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr size_t kFormat = 1;
constexpr size_t kSizeBytes = 4;
// Deflate makes at most about 1032 bytes of one input byte.
constexpr uint64_t kMaxInflateRatio = 1032, kInflateSlack = 64;

T4Bytes FourBytes(std::span<const uint8_t> data) { return {data[0], data[1], data[2], data[3]}; }

// Drops count bytes from the front of data; false when there are fewer.
bool Skip(std::span<const uint8_t>& data, size_t count) {
  if (data.size() < count) return false;
  data = data.subspan(count);
  return true;
}

// Inflates a frame's data within the frame's bound and what the tag has left.
bool Inflate(std::span<const uint8_t> data, uint32_t expectedSize, TBytes& body,
             uint64_t& budget) {
  const uint64_t limit = std::min<uint64_t>(budget, ID3v2InflatedFrameLimit);
  if (!InflateFrameData(data, expectedSize, body, limit)) return false;
  budget -= body.size();
  return true;
}

bool Decode23(uint8_t format, std::span<const uint8_t> data, TBytes& body, uint64_t& budget) {
  if (format & FrameFormatEncryption23) return false;
  uint32_t inflatedSize = 0;
  if (format & FrameFormatCompression23) {
    if (data.size() < kSizeBytes) return false;
    inflatedSize = ReadBigEndian32(FourBytes(data));
    data = data.subspan(kSizeBytes);
  }
  if ((format & FrameFormatGrouping23) && !Skip(data, 1)) return false;
  if (format & FrameFormatCompression23) return Inflate(data, inflatedSize, body, budget);
  body.assign(data.begin(), data.end());
  return true;
}

bool Decode24(uint8_t format, bool tagUnsynchronised, std::span<const uint8_t> data,
              TBytes& body, uint64_t& budget) {
  if (format & FrameFormatEncryption24) return false;
  // Unsynchronisation covers everything behind the header, the extra bytes included.
  // Only then is the data copied before it becomes the body.
  TBytes plain;
  std::span<const uint8_t> rest = data;
  if ((tagUnsynchronised || (format & FrameFormatUnsynchronisation24)) && !data.empty()) {
    plain.assign(data.begin(), data.end());
    RemoveUnsynchronisation(plain);
    rest = plain;
  }
  if ((format & FrameFormatGrouping24) && !Skip(rest, 1)) return false;
  uint32_t inflatedSize = 0;
  if (format & FrameFormatDataLength24) {
    if (rest.size() < kSizeBytes) return false;
    inflatedSize = ReadSyncsafe(FourBytes(rest));
    rest = rest.subspan(kSizeBytes);
  }
  if (format & FrameFormatCompression24) return Inflate(rest, inflatedSize, body, budget);
  body.assign(rest.begin(), rest.end());
  return true;
}

}  // namespace

bool DecodeFrameData(uint8_t version, bool tagUnsynchronised, const std::array<uint8_t, 2>& flags,
                     std::span<const uint8_t> data, TBytes& body, uint64_t& inflateBudget) {
  if (version == tvID3v23) return Decode23(flags[kFormat], data, body, inflateBudget);
  return Decode24(flags[kFormat], tagUnsynchronised, data, body, inflateBudget);
}

uint8_t KeepFrameData(uint8_t version, bool tagUnsynchronised,
                      const std::array<uint8_t, 2>& flags, std::span<const uint8_t> data,
                      TBytes& body) {
  const uint8_t format = flags[kFormat];
  body.assign(data.begin(), data.end());  // as it lies, unless reordered below
  if (version != tvID3v23) {
    if ((tagUnsynchronised || (format & FrameFormatUnsynchronisation24)) && !body.empty())
      RemoveUnsynchronisation(body);
    return format & FrameFormatKept24;
  }
  const bool compressed = format & FrameFormatCompression23;
  const bool encrypted = format & FrameFormatEncryption23;
  const bool grouped = format & FrameFormatGrouping23;
  const uint8_t format24 = (grouped ? FrameFormatGrouping24 : 0) |
                           (compressed ? FrameFormatCompression24 | FrameFormatDataLength24 : 0) |
                           (encrypted ? FrameFormatEncryption24 : 0);
  // ID3v2.3: inflated size, encryption method, group; ID3v2.4: group, method, data length.
  const size_t extra = (compressed ? kSizeBytes : 0) + (encrypted ? 1 : 0) + (grouped ? 1 : 0);
  if (data.size() < extra) return format24;  // as broken as it came
  TBytes reordered;
  if (grouped) reordered.push_back(data[extra - 1]);
  if (encrypted) reordered.push_back(data[extra - 1 - (grouped ? 1 : 0)]);
  if (compressed) {
    // An inflated size past the 28 bits of a data length stays past every bound: cut to
    // its low bits, it could let the data decode as a frame it never was.
    const uint32_t inflatedSize = std::min(ReadBigEndian32(FourBytes(data)), ID3v2MaxSize);
    for (uint8_t byte : WriteSyncsafe(inflatedSize)) reordered.push_back(byte);
  }
  reordered.insert(reordered.end(), data.begin() + static_cast<std::ptrdiff_t>(extra), data.end());
  body = std::move(reordered);
  return format24;
}

uint8_t StatusFlags24(uint8_t version, uint8_t status) {
  // ID3v2.3 keeps the same three flags one bit higher.
  return (version == tvID3v23 ? status >> 1 : status) & FrameStatusFlags24;
}

bool InflateFrameData(std::span<const uint8_t> data, uint32_t expectedSize, TBytes& out,
                      uint64_t limit) {
  limit = std::min<uint64_t>(limit, data.size() * kMaxInflateRatio + kInflateSlack);
  if (expectedSize != 0) {
    if (expectedSize > limit) return false;  // announced past the bound: not even tried
    limit = expectedSize;
  }
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  // Grows as the data needs, never past the limit.
  uint64_t first = std::max<uint64_t>(uint64_t{data.size()} * 4, 256);
  out.assign(static_cast<size_t>(std::min(limit, first)), 0);
  int result = Z_OK;
  while (result == Z_OK) {
    if (stream.total_out == out.size()) {
      if (out.size() >= limit) break;
      out.resize(static_cast<size_t>(std::min<uint64_t>(limit, uint64_t{out.size()} * 2)));
    }
    stream.next_out = out.data() + stream.total_out;
    stream.avail_out = static_cast<uInt>(out.size() - stream.total_out);
    result = inflate(&stream, Z_NO_FLUSH);
  }
  out.resize(stream.total_out);
  inflateEnd(&stream);
  return result == Z_STREAM_END;
}
