#pragma once
// Names made to share the hash of the case-folded name index (TFoldedNameIndex::Hash),
// as a hostile skin would make them: what costs a lookup among them is the index's
// order, not the hash. The hash folds four bytes into its state at a time and then
// multiplies by an odd constant; two names that leave equal states after one word, or
// whose states after their first word differ only in the bits their second word covers,
// collide. Every name is an INI key as written (no blank, "=", capital letter, "[" or
// ";"), and each holds no capital, so that it folds to itself.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Names that all share one hash after Prefix (key bytes without a capital, a multiple of
// four of them, so that the blocks fill words of the hash): Prefix, then one of a pair of
// eight-byte blocks for each halving, chained, so that each name is Prefix and
// 8 * log2(Count) bytes long and is made when asked for, without the others. Cheap in
// either width of the hash (a birthday search over the upper half of a 64-bit state).
class TNamesSharingOneHash {
public:
  // At least Count names: the least power of two as many or more.
  explicit TNamesSharingOneHash(size_t Count, std::string Prefix = "");
  size_t Count() const { return size_t{1} << FPairs.size(); }
  std::string operator[](size_t Index) const;

private:
  std::string FPrefix;
  std::vector<std::array<std::string, 2>> FPairs;
};

// Count names (Count a power of two) that all share one hash, each 8 * log2(Count) bytes.
std::vector<std::string> NamesSharingOneHash(size_t Count);

// Up to Count eight-byte names other than Name (eight bytes, no capital) that share its
// hash: as many as a search of a few hundred thousand first words finds. With the
// 32-bit hash every first word gives one; with the 64-bit hash almost none does.
std::vector<std::string> NamesSharingTheHashOf(std::string_view Name, size_t Count);
