// The case-folded name index: which names match, which position a lookup gives.
#include "base/FoldedNameIndex.h"

#include <gtest/gtest.h>

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
};

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
  index.Add("other", 1);
  EXPECT_EQ(Find("KEY"), 2u);
  EXPECT_EQ(Find("OTHER"), 1u);
  EXPECT_EQ(Find("b"), 3u);
  // One inserted before every occurrence wins from then on.
  names.insert(names.begin(), "kEy");
  index.ShiftFrom(0);
  index.Add("kEy", 0);
  EXPECT_EQ(Find("key"), 0u);
  index.Clear();
  EXPECT_EQ(Find("key"), std::nullopt);
}

TEST_F(FoldedNameIndexTest, ManyNamesAreEachFoundAtTheirOwnPosition) {
  for (int i = 0; i < 2000; ++i) names.push_back("Name" + std::to_string(i));
  Build();
  for (size_t i = 0; i < names.size(); ++i) {
    std::string upper = names[i];
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_EQ(Find(upper), i) << upper;
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
  index.Add("", 3);
  EXPECT_EQ(Find(""), 3u);  // added later, found as well
  for (int i = 0; i < 3000; ++i) EXPECT_EQ(Find("absent" + std::to_string(i)), std::nullopt) << i;
}

}  // namespace
