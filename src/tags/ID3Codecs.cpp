#include "ID3Codecs.h"

#include "base/Exceptions.h"

#include <algorithm>

namespace {

constexpr int kMaxFieldLength = 255;

void CheckField(const TBytes& buffer, int position, int count) {
  if (position < 1 || count < 0 || count > kMaxFieldLength ||
      static_cast<size_t>(position - 1) + static_cast<size_t>(count) > buffer.size())
    throw ERangeError("Range check error");
}

}  // namespace

uint32_t ReadBigEndian32(const T4Bytes& bytes) {
  return (static_cast<uint32_t>(bytes[0]) << 24) | (static_cast<uint32_t>(bytes[1]) << 16) |
         (static_cast<uint32_t>(bytes[2]) << 8) | bytes[3];
}

T4Bytes WriteBigEndian32(uint32_t value) {
  return {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
          static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
}

uint32_t ReadSyncsafe(const T4Bytes& bytes) {
  if ((bytes[0] | bytes[1] | bytes[2] | bytes[3]) & 0x80) return ReadBigEndian32(bytes);
  return (static_cast<uint32_t>(bytes[0]) << 21) | (static_cast<uint32_t>(bytes[1]) << 14) |
         (static_cast<uint32_t>(bytes[2]) << 7) | bytes[3];
}

T4Bytes WriteSyncsafe(uint32_t value) {
  return {static_cast<uint8_t>((value >> 21) & 0x7F), static_cast<uint8_t>((value >> 14) & 0x7F),
          static_cast<uint8_t>((value >> 7) & 0x7F), static_cast<uint8_t>(value & 0x7F)};
}

T4Bytes FourBytesAt(const TBytes& buffer, size_t offset) {
  if (offset > buffer.size() || buffer.size() - offset < 4) throw ERangeError("Range check error");
  return {buffer[offset], buffer[offset + 1], buffer[offset + 2], buffer[offset + 3]};
}

bool ApplyUnsynchronisation(TBytes& data) {
  TBytes out;
  out.reserve(data.size() + data.size() / 4);
  for (size_t i = 0; i < data.size(); ++i) {
    out.push_back(data[i]);
    if (data[i] == 0xFF && i + 1 < data.size() && (data[i + 1] == 0x00 || data[i + 1] >= 0xE0))
      out.push_back(0x00);
  }
  bool changed = out.size() != data.size();
  data = std::move(out);
  return changed;
}

bool RemoveUnsynchronisation(TBytes& data) {
  TBytes out;
  out.reserve(data.size());
  for (size_t i = 0; i < data.size(); ++i) {
    out.push_back(data[i]);
    if (data[i] == 0xFF && i + 1 < data.size() && data[i + 1] == 0x00) ++i;
  }
  bool changed = out.size() != data.size();
  data = std::move(out);
  return changed;
}

std::string BytesToString(const TBytes& buffer, int position, int count) {
  CheckField(buffer, position, count);
  auto first = buffer.begin() + (position - 1);
  auto last = std::find(first, first + count, 0);
  return std::string(first, last);
}

void StringToBytes(TBytes& buffer, int position, int width, const std::string& text) {
  CheckField(buffer, position, width);
  size_t n = std::min(text.size(), static_cast<size_t>(width));
  std::copy_n(text.begin(), n, buffer.begin() + (position - 1));
}
