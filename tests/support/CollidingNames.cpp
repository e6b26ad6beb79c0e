#include "CollidingNames.h"

#include "base/FoldedNameIndex.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

namespace {

bool Allowed(unsigned char Byte) {
  return Byte > ' ' && Byte != '=' && Byte != '[' && Byte != ';' && !(Byte >= 'A' && Byte <= 'Z');
}

// First words: four letters, digits or marks, the n-th of 40^4.
std::string Word(uint32_t N) {
  static constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyz0123456789_-.!";
  std::string word(4, ' ');
  for (char& c : word) {
    c = letters[N % letters.size()];
    N /= static_cast<uint32_t>(letters.size());
  }
  return word;
}
constexpr uint32_t WordCount = 40 * 40 * 40 * 40;

// The hash's state beyond the 32 bits a word reaches: equal in two states, a second word
// can make them equal whole.
uint64_t UpperHalf(size_t State) { return static_cast<uint64_t>(State) >> 16 >> 16; }

uint32_t LowHalf(size_t State) { return static_cast<uint32_t>(State); }

uint32_t WordValue(std::string_view Bytes) {
  uint32_t value = 0;
  for (size_t i = Bytes.size(); i-- > 0;) value = value << 8 | static_cast<unsigned char>(Bytes[i]);
  return value;
}

bool AllAllowed(std::string_view Bytes) {
  for (const char c : Bytes)
    if (!Allowed(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string Bytes(uint32_t Word) {
  std::string bytes(4, ' ');
  for (char& c : bytes) {
    c = static_cast<char>(Word & 0xFFu);
    Word >>= 8;
  }
  return bytes;
}

// A second word and its partner Delta away (XOR), both made of allowed bytes.
std::pair<std::string, std::string> SecondWords(uint32_t Delta) {
  std::string first, second;
  for (int i = 0; i < 4; ++i) {
    const auto delta = static_cast<unsigned char>(Delta >> (8 * i));
    unsigned byte = 'a';
    while (!Allowed(static_cast<unsigned char>(byte)) || !Allowed(static_cast<unsigned char>(byte ^ delta))) ++byte;
    first += static_cast<char>(byte);
    second += static_cast<char>(byte ^ delta);
  }
  return {first, second};
}

}  // namespace

TNamesSharingOneHash::TNamesSharingOneHash(size_t Count, std::string Prefix) : FPrefix(std::move(Prefix)) {
  // The 64-bit hash multiplies by 2^40 + 435: two states that differ by Apart in their
  // low half (and not above it) leave products about 2.5e9 apart, whose upper halves are
  // equal more often than not. The 32-bit hash has no upper half to match.
  constexpr uint32_t Apart = 0x96FFFFFFu;
  std::string common = FPrefix;  // every name leaves the state this one leaves
  while ((size_t{1} << FPairs.size()) < Count) {
    const uint32_t low = LowHalf(TFoldedNameIndex::Hash(common));  // the state a next word meets
    std::string first, other;
    for (uint32_t n = 0; n < WordCount && other.empty(); ++n) {
      first = Word(n);
      const uint32_t state = low ^ WordValue(first);
      for (const uint64_t partner : {uint64_t{state} + Apart, uint64_t{state} - Apart}) {
        if (partner > UINT32_MAX) continue;  // the partner would carry into the upper half
        const std::string word = Bytes(static_cast<uint32_t>(partner) ^ low);
        if (AllAllowed(word) && UpperHalf(TFoldedNameIndex::Hash(common + word)) ==
                                    UpperHalf(TFoldedNameIndex::Hash(common + first))) {
          other = word;
          break;
        }
      }
    }
    if (other.empty()) throw std::runtime_error("no two first words share the upper half of a state");
    const auto [second, otherSecond] = SecondWords(LowHalf(TFoldedNameIndex::Hash(common + first)) ^
                                                   LowHalf(TFoldedNameIndex::Hash(common + other)));
    FPairs.push_back({first + second, other + otherSecond});
    common += FPairs.back()[0];
  }
}

std::string TNamesSharingOneHash::operator[](size_t Index) const {
  std::string name = FPrefix;
  for (size_t pair = 0; pair < FPairs.size(); ++pair) name += FPairs[pair][(Index >> pair) & 1u];
  return name;
}

std::vector<std::string> NamesSharingOneHash(size_t Count) {
  const TNamesSharingOneHash names(Count);
  std::vector<std::string> all;
  for (size_t i = 0; i < names.Count(); ++i) all.push_back(names[i]);
  return all;
}

std::vector<std::string> NamesSharingTheHashOf(std::string_view Name, size_t Count) {
  const std::string first(Name.substr(0, 4));
  const size_t before = TFoldedNameIndex::Hash(first);  // the state its second word meets
  const uint32_t second = WordValue(Name.substr(4, 4));
  std::vector<std::string> names;
  for (uint32_t n = 0; n < WordCount && names.size() < Count; ++n) {
    const std::string word = Word(n);
    const size_t state = TFoldedNameIndex::Hash(word);
    if (word == first || UpperHalf(state) != UpperHalf(before)) continue;
    const std::string rest = Bytes(LowHalf(state) ^ LowHalf(before) ^ second);
    if (AllAllowed(rest)) names.push_back(word + rest);
  }
  return names;
}
