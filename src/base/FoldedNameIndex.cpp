#include "FoldedNameIndex.h"

#include <algorithm>

namespace {

unsigned char FoldChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return static_cast<unsigned char>(byte | (static_cast<unsigned>(byte - 'A') < 26u ? 0x20u : 0u));
}

}  // namespace

size_t TFoldedNameIndex::Hash(std::string_view Name) {
  // FNV-1a over the folded bytes, in the width of size_t.
  constexpr bool wide = sizeof(size_t) == 8;
  constexpr size_t prime = wide ? static_cast<size_t>(1099511628211ull) : size_t{16777619u};
  size_t hash = wide ? static_cast<size_t>(14695981039346656037ull) : size_t{2166136261u};
  for (char c : Name) hash = (hash ^ FoldChar(c)) * prime;
  return hash;
}

bool TFoldedNameIndex::Equal(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  if (A == B) return true;  // names are mostly spelt alike
  for (size_t i = 0; i < A.size(); ++i)
    if (FoldChar(A[i]) != FoldChar(B[i])) return false;
  return true;
}

void TFoldedNameIndex::Add(std::string_view Name, size_t Position) {
  const TEntry entry{Hash(Name), Position};
  FEntries.insert(std::upper_bound(FEntries.begin(), FEntries.end(), entry), entry);
}

void TFoldedNameIndex::ShiftFrom(size_t Position) {
  for (TEntry& entry : FEntries)
    if (entry.Position >= Position) ++entry.Position;
}
