#include "FoldedNameIndex.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

}  // namespace

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
