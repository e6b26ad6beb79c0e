#include "FoldedNameIndex.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <random>

namespace {

unsigned char FoldChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return static_cast<unsigned char>(byte | (static_cast<unsigned>(byte - 'A') < 26u ? 0x20u : 0u));
}

// Four bytes at once, each ASCII capital letter made small as FoldChar makes it: a byte
// of 0x41..0x5A (its top bit clear) gains 0x20.
uint32_t FoldWord(uint32_t Word) {
  const uint32_t low7 = Word & 0x7F7F7F7Fu;
  const uint32_t atLeastA = low7 + 0x3F3F3F3Fu;   // top bit set where low7 >= 0x41
  const uint32_t aboveZ = low7 + 0x25252525u;     // top bit set where low7 >= 0x5B
  const uint32_t capitals = atLeastA & ~aboveZ & ~Word & 0x80808080u;
  return Word | (capitals >> 2);
}

// HalfSipHash-1-3, the 32-bit SipHash: a keyed hash whose outputs no one who does not
// know the key can make collide, however they choose the names. Its 32-bit arithmetic
// keeps it quick in the 32-bit build.
class THalfSipHash {
public:
  explicit THalfSipHash(const std::array<uint32_t, 2>& Key)
      : FV0(Key[0]), FV1(Key[1]), FV2(Key[0] ^ 0x6C796765u), FV3(Key[1] ^ 0x74656462u) {}

  void Add(uint32_t Word) {
    FV3 ^= Word;
    Round();
    FV0 ^= Word;
  }
  uint32_t Finish(uint32_t LastWord) {
    Add(LastWord);
    FV2 ^= 0xFF;
    for (int i = 0; i < 3; ++i) Round();
    return FV1 ^ FV3;
  }

private:
  static uint32_t Rotl(uint32_t X, int Bits) { return (X << Bits) | (X >> (32 - Bits)); }
  void Round() {
    FV0 += FV1;
    FV1 = Rotl(FV1, 5) ^ FV0;
    FV0 = Rotl(FV0, 16);
    FV2 += FV3;
    FV3 = Rotl(FV3, 8) ^ FV2;
    FV0 += FV3;
    FV3 = Rotl(FV3, 7) ^ FV0;
    FV2 += FV1;
    FV1 = Rotl(FV1, 13) ^ FV2;
    FV2 = Rotl(FV2, 16);
  }
  uint32_t FV0, FV1, FV2, FV3;
};

// The second hash's key: drawn once per process, when first needed.
const std::array<uint32_t, 2>& ProcessKey() {
  static const std::array<uint32_t, 2> key = [] {
    std::random_device device;
    return std::array<uint32_t, 2>{device(), device()};
  }();
  return key;
}

}  // namespace

uint32_t TFoldedNameIndex::Tiebreak(std::string_view Name) {
  THalfSipHash hash(ProcessKey());
  size_t i = 0;
  for (; i + 4 <= Name.size(); i += 4) {
    uint32_t word;
    std::memcpy(&word, Name.data() + i, sizeof word);
    hash.Add(FoldWord(word));
  }
  uint32_t last = static_cast<uint32_t>(Name.size()) << 24;
  for (size_t j = 0; i + j < Name.size(); ++j) last |= uint32_t{FoldChar(Name[i + j])} << (8 * j);
  return hash.Finish(last);
}

size_t TFoldedNameIndex::Hash(std::string_view Name) {
  // FNV-1a over the folded bytes taken four at a time, in the width of size_t; names
  // that fold alike hash alike, which is all the index needs.
  constexpr bool wide = sizeof(size_t) == 8;
  constexpr size_t prime = wide ? static_cast<size_t>(1099511628211ull) : size_t{16777619u};
  size_t hash = wide ? static_cast<size_t>(14695981039346656037ull) : size_t{2166136261u};
  size_t i = 0;
  for (; i + 4 <= Name.size(); i += 4) {
    uint32_t word;
    std::memcpy(&word, Name.data() + i, sizeof word);
    hash = (hash ^ FoldWord(word)) * prime;
  }
  for (; i < Name.size(); ++i) hash = (hash ^ FoldChar(Name[i])) * prime;
  return hash;
}

bool TFoldedNameIndex::Equal(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  if (A == B) return true;  // names are mostly spelt alike
  for (size_t i = 0; i < A.size(); ++i)
    if (FoldChar(A[i]) != FoldChar(B[i])) return false;
  return true;
}

int TFoldedNameIndex::Compare(std::string_view A, std::string_view B) {
  const size_t common = std::min(A.size(), B.size());
  for (size_t i = 0; i < common; ++i)
    if (const int order = FoldChar(A[i]) - FoldChar(B[i]); order != 0) return order;
  return A.size() < B.size() ? -1 : A.size() > B.size() ? 1 : 0;
}

void TFoldedNameIndex::ShiftFrom(size_t Position) {
  for (TEntry& entry : FEntries)
    if (entry.Position >= Position) ++entry.Position;
}
