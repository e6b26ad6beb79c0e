#pragma once
// Monochrome 32 x 32 cursors drawn as text, turned into the two masks CreateCursor
// takes, and the drag cursor drawn so (the system has none of its own).

#include <array>
#include <cstdint>
#include <span>

inline constexpr int kCursorSize = 32;

// Row by row, 4 bytes a row, the leftmost pixel in the highest bit. A pixel with its AND
// bit set keeps the screen; otherwise its XOR bit makes it white (set) or black.
struct TCursorMasks {
  std::array<uint8_t, kCursorSize * kCursorSize / 8> And{};
  std::array<uint8_t, kCursorSize * kCursorSize / 8> Xor{};
};

// 'X' is black, 'o' white, anything else keeps the screen, as is whatever lies beyond
// the rows given or beyond 32 rows or columns.
TCursorMasks CursorMasksFromArt(std::span<const char* const> Rows);

// An arrow (hot spot at its tip, the top-left pixel) carrying a small page.
std::span<const char* const> DragCursorArt();
