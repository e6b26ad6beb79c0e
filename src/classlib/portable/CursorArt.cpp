// Monochrome cursors drawn as text, and the drag cursor.
#include "CursorArt.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kDragArrow[] = {
    "X",
    "XX",
    "XoX",
    "XooX",
    "XoooX",
    "XooooX",
    "XoooooX",
    "XooooooX",
    "XoooooooX",
    "XooooooooX",
    "XoooooXXXXX",
    "XooXooX",
    "XoX XooX",
    "XX  XooX",
    "X    XooX",
    "     XooX",
    "      XX  XXXXXXXXX",
    "          XoooooooX",
    "          XoXXXXXoX",
    "          XoooooooX",
    "          XoXXXXXoX",
    "          XoooooooX",
    "          XXXXXXXXX",
};

}  // namespace

TCursorMasks CursorMasksFromArt(std::span<const char* const> Rows) {
  TCursorMasks masks;
  masks.And.fill(0xFF);
  for (size_t y = 0; y < Rows.size() && y < kCursorSize; ++y) {
    const char* row = Rows[y];
    const size_t width = std::min<size_t>(std::strlen(row), kCursorSize);
    for (size_t x = 0; x < width; ++x) {
      const char pixel = row[x];
      if (pixel != 'X' && pixel != 'o') continue;
      const size_t byte = y * (kCursorSize / 8) + x / 8;
      const auto bit = static_cast<uint8_t>(0x80u >> (x % 8));
      masks.And[byte] = static_cast<uint8_t>(masks.And[byte] & ~bit);
      if (pixel == 'o') masks.Xor[byte] = static_cast<uint8_t>(masks.Xor[byte] | bit);
    }
  }
  return masks;
}

std::span<const char* const> DragCursorArt() { return kDragArrow; }
