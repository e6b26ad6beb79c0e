// The combo box's search by typed characters and its completion: which string is searched
// from where, the reset after a pause, the completion's pause, and a clock that wraps.
#include "skin/boxes/portable/TypeAhead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

// The list's search: the first item after Start, wrapping, that begins with Prefix in any
// letter case.
TspTypeAhead::TFind ListSearch(const std::vector<std::string>& Items) {
  return [Items](const std::string& Prefix, int Start) {
    const int count = static_cast<int>(Items.size());
    for (int step = 1; step <= count; ++step) {
      const int i = ((Start < 0 ? -1 : Start) + step) % count;
      const std::string& item = Items[static_cast<size_t>(i)];
      if (item.size() >= Prefix.size() &&
          std::equal(Prefix.begin(), Prefix.end(), item.begin(),
                     [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
        return i;
    }
    return -1;
  };
}

const std::vector<std::string> Fruit{"Apple", "apricot", "Banana"};

TEST(TypeAhead, ALetterStepsThroughItsItemsAndAFastSecondOneSearchesBoth) {
  TspTypeAhead typeAhead;
  const auto find = ListSearch(Fruit);
  EXPECT_EQ(typeAhead.Key('a', 10000, true, 2, find), 0);  // after Banana, wrapping: Apple
  EXPECT_EQ(typeAhead.Key('a', 10300, true, 0, find), -1);  // "aa": nothing
  EXPECT_EQ(typeAhead.SearchText(), "aa");
  EXPECT_EQ(typeAhead.Key('a', 10800, true, 0, find), 1);  // a pause: "a" after Apple
  EXPECT_EQ(typeAhead.Key('p', 10900, true, 1, find), 0);  // "ap" from the first item
}

TEST(TypeAhead, WithoutAutoCompleteEveryKeyIsAOneLetterSearchFromTheCurrentItem) {
  TspTypeAhead typeAhead;
  const auto find = ListSearch(Fruit);
  EXPECT_EQ(typeAhead.Key('a', 100, false, 0, find), 1);
  EXPECT_EQ(typeAhead.Key('a', 110, false, 1, find), 0);
  EXPECT_TRUE(typeAhead.SearchText().empty());
}

TEST(TypeAhead, CompletionWaitsForMoreThanItsPauseAfterAKeyAndAcrossTheClocksWrap) {
  TspTypeAhead typeAhead;
  const auto find = ListSearch({"Madrid", "Malaga"});
  typeAhead.Key('m', 0xFFFFFF80u, true, -1, find);
  EXPECT_FALSE(typeAhead.CompletionDue(0xFFFFFF80u + 200));
  EXPECT_TRUE(typeAhead.CompletionDue(0x60u));  // 224 ms later, past the wrap
  EXPECT_FALSE(typeAhead.CompletionDue(0x60u + 150));  // the completion took the time
  EXPECT_TRUE(typeAhead.CompletionDue(0x60u + 201));
  EXPECT_EQ(TspTypeAhead::Complete("M", 0, find), 1);
  EXPECT_EQ(TspTypeAhead::Complete("Mad", 1, find), 0);
}

}  // namespace
