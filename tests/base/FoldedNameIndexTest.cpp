// The case-folded name index: which names match, which position a lookup gives.
#include "base/FoldedNameIndex.h"

#include "CollidingNames.h"

#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <string>
#include <vector>

namespace {

class FoldedNameIndexTest : public ::testing::Test {
protected:
  std::vector<std::string> names;
  TFoldedNameIndex index;

  void Build() {
    index.Build(names.size(), [&](size_t at) -> std::optional<std::string_view> {
      if (names[at] == "-") return std::nullopt;  // a position without a name
      return names[at];
    });
  }
  std::optional<size_t> Find(std::string_view name) const {
    return index.Find(name, [&](size_t at) -> std::string_view { return names[at]; });
  }
  // The name inserted at Position (the ones after it moved up already).
  void Added(size_t Position) {
    index.Add(names[Position], Position, [&](size_t at) -> std::string_view { return names[at]; });
  }
};

std::string Upper(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

TEST_F(FoldedNameIndexTest, OnlyAsciiLettersMatchAcrossCase) {
  names = {"Button", "[x]", "@a", "caf\xC9", "-", ""};
  Build();
  EXPECT_EQ(Find("BUTTON"), 0u);
  EXPECT_EQ(Find("button"), 0u);
  EXPECT_EQ(Find("{X}"), std::nullopt);  // '[' and '{' differ by the case bit only
  EXPECT_EQ(Find("[X]"), 1u);
  EXPECT_EQ(Find("`A"), std::nullopt);
  EXPECT_EQ(Find("CAF\xC9"), 3u);
  EXPECT_EQ(Find("caf\xE9"), std::nullopt);  // no folding beyond ASCII
  EXPECT_EQ(Find("-"), std::nullopt);        // passed over when built
  EXPECT_EQ(Find(""), 5u);                   // an empty name is a name
  EXPECT_EQ(Find("Butto"), std::nullopt);
}

// Names are hashed several bytes at a time: every byte, at every place of a longer name,
// folds as it does alone.
TEST_F(FoldedNameIndexTest, EveryByteAtEveryPlaceOfALongNameFoldsAsAlone) {
  for (int byte = 1; byte < 256; ++byte)
    for (size_t at = 0; at < 9; ++at) {
      std::string name = "settings1";
      name[at] = static_cast<char>(byte);
      std::string other = name;
      const bool letter = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
      other[at] = static_cast<char>(letter ? byte ^ 0x20 : byte);
      names = {name};
      Build();
      EXPECT_EQ(Find(other), 0u) << byte << " at " << at;
      // Next to the letters, one case bit apart: never a match.
      if (byte == '@' || byte == '`' || byte == '[' || byte == '{') {
        other[at] = static_cast<char>(byte ^ 0x20);
        EXPECT_EQ(Find(other), std::nullopt) << byte << " at " << at;
      }
    }
}

TEST_F(FoldedNameIndexTest, TheFirstOccurrenceWinsAlsoAfterAddingAndShifting) {
  names = {"a", "key", "b", "KEY"};
  Build();
  EXPECT_EQ(Find("Key"), 1u);
  // A line inserted at 1 moves the others up; the moved "key" still comes first.
  names.insert(names.begin() + 1, "other");
  index.ShiftFrom(1);
  Added(1);
  EXPECT_EQ(Find("KEY"), 2u);
  EXPECT_EQ(Find("OTHER"), 1u);
  EXPECT_EQ(Find("b"), 3u);
  // One inserted before every occurrence wins from then on.
  names.insert(names.begin(), "kEy");
  index.ShiftFrom(0);
  Added(0);
  EXPECT_EQ(Find("key"), 0u);
  index.Clear();
  EXPECT_EQ(Find("key"), std::nullopt);
}

TEST_F(FoldedNameIndexTest, ManyNamesAreEachFoundAtTheirOwnPosition) {
  for (int i = 0; i < 2000; ++i) names.push_back("Name" + std::to_string(i));
  Build();
  for (size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(Find(Upper(names[i])), i) << names[i];
  }
  EXPECT_EQ(Find("Name2000"), std::nullopt);
}

// Most names asked for are not there, and many that are not share their length and their
// first, middle and last letters with one that is: the answer still comes from the names.
TEST_F(FoldedNameIndexTest, NamesNotThereAreNotFoundHoweverAlikeTheyLook) {
  names = {"frame1rect", "FrameXRect", "a"};
  Build();
  EXPECT_EQ(Find("frame2rect"), std::nullopt);
  EXPECT_EQ(Find("frameyrect"), std::nullopt);
  EXPECT_EQ(Find("FRAMExRECT"), 1u);
  EXPECT_EQ(Find("A"), 2u);
  EXPECT_EQ(Find("b"), std::nullopt);
  EXPECT_EQ(Find(""), std::nullopt);
  names.push_back("");
  Added(3);
  EXPECT_EQ(Find(""), 3u);  // added later, found as well
  for (int i = 0; i < 3000; ++i) EXPECT_EQ(Find("absent" + std::to_string(i)), std::nullopt) << i;
}

// A text may be made of names that all share one hash, as many and as long as it likes:
// indexing them reads each once or twice and a lookup reads one, as for any names, and
// the first of those that match is still the one found. They are ordered by a second
// hash, keyed anew in each process, before any is compared (a sort and lookups comparing
// them whole made 120,000 of 520 bytes take 2.1 s to load under Wine, against 0.4 s for
// as many distinct names).
TEST_F(FoldedNameIndexTest, ALookupAmongNamesSharingOneHashReadsFewOfThem) {
  names = NamesSharingOneHash(1024);
  const std::string absent = names.back(), first = names[0], second = names[1];
  names.pop_back();
  for (const std::string& name : names) ASSERT_EQ(TFoldedNameIndex::Hash(name), TFoldedNameIndex::Hash(absent));
  names.push_back(Upper(names[700]));  // a later spelling of one of them
  size_t reads = 0;
  index.Build(names.size(), [&](size_t at) -> std::optional<std::string_view> {
    ++reads;
    return names[at];
  });
  EXPECT_LE(reads, 3 * names.size());
  const auto find = [&](std::string_view name) {
    reads = 0;
    return index.Find(name, [&](size_t at) -> std::string_view {
      ++reads;
      return names[at];
    });
  };
  for (size_t i = 0; i + 1 < names.size(); ++i) {
    ASSERT_EQ(find(Upper(names[i])), i);
    ASSERT_LE(reads, 2u) << i;
  }
  EXPECT_EQ(find(absent), std::nullopt);
  EXPECT_LE(reads, 2u);
  // Added and shifted like any other.
  names.insert(names.begin() + 3, Upper(names[900]));
  index.ShiftFrom(3);
  Added(3);
  EXPECT_EQ(find(names[901]), 3u);
  EXPECT_EQ(find(names[701]), 701u);
  // One of them indexed alone, then another added: each is found.
  names = {first};
  Build();
  names.push_back(second);
  Added(1);
  EXPECT_EQ(find(Upper(second)), 1u);
  EXPECT_EQ(find(first), 0u);
  EXPECT_EQ(find(absent), std::nullopt);
}

// A text may repeat one long name in many spellings: building reads each a few times, not
// once per step of a sort (4096 spellings of 1024 letters were read 87,000 times), and
// the first spelling still wins.
TEST_F(FoldedNameIndexTest, ManySpellingsOfOneLongNameAreReadAFewTimesEachWhenBuilt) {
  constexpr size_t kSpellings = 4096;
  std::string name(1024, 'k');
  for (size_t i = 0; i < kSpellings; ++i) {
    name[i % name.size()] = 'K';
    names.push_back(i % 2 == 0 ? name : Upper(name));
  }
  names.insert(names.begin() + 100, "other");
  size_t reads = 0;
  index.Build(names.size(), [&](size_t at) -> std::optional<std::string_view> {
    ++reads;
    return names[at];
  });
  EXPECT_LE(reads, 6 * names.size());
  EXPECT_EQ(Find(std::string(1024, 'k')), 0u);
  EXPECT_EQ(Find(names.back()), 0u);
  EXPECT_EQ(Find("OTHER"), 100u);
  EXPECT_EQ(Find(std::string(1023, 'k')), std::nullopt);
}

}  // namespace
