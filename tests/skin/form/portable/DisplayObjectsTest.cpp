#include "skin/form/portable/DisplayObjects.h"

#include "base/Strings.h"

#include "HostileBounds.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// A 20 x 20 object whose three frames lie side by side from (0, 40).
const TspAnimateLooks Looks{{280, 112, 300, 132}, {0, 40, 60, 60}, {60, 40, 80, 60}, {80, 40, 100, 60}};

TEST(AnimatedObject, PlaysForwardsToItsLastFrameAndBackToTheFirst) {
  TspAnimatePlay play;
  // 50 milliseconds a frame on a 25-millisecond timer: a frame every other tick.
  const auto playToEnd = [&play](bool Cycle) {
    std::vector<int32_t> frames;
    bool playing = true;
    for (int tick = 0; playing && tick < 8; ++tick)
      if (AnimateTick(play, playing, 3, 50, Cycle)) frames.push_back(play.FrameIndex);
    return frames;
  };
  EXPECT_EQ(playToEnd(false), (std::vector<int32_t>{2, 3}));
  play.Increasing = false;
  EXPECT_EQ(playToEnd(false), (std::vector<int32_t>{2, 1}));
  play.Increasing = true;
  EXPECT_EQ(playToEnd(true), (std::vector<int32_t>{2, 3, 1, 2}));  // cycling never ends
}

TEST(AnimatedObject, ShowsItsMenuInactiveAndPressedLooksBeforeItsFrame) {
  TspAnimateLookState s{false, true, true, false, 2, 3};
  EXPECT_EQ(AnimateLook(Looks, s).Rect, Rect(20, 40, 40, 60));  // pressed, but not under the mouse
  s.MouseIn = true;
  EXPECT_EQ(AnimateLook(Looks, s).Rect, Looks.DownSkinRect);
  s.WindowActive = false;
  EXPECT_EQ(AnimateLook(Looks, s).Rect, Looks.InActiveSkinRect);
  s.MenuTracking = true;
  EXPECT_EQ(AnimateLook(Looks, s).Rect, Looks.DownSkinRect);
  // Without a pressed look an open menu shows the last frame, which stays.
  const TspAnimateLook last = AnimateLook({Looks.SkinRect, Looks.ActiveSkinRect, {}, {}}, s);
  EXPECT_EQ(last.Rect, Rect(40, 40, 60, 60));
  EXPECT_EQ(last.FrameIndex, 3);
  EXPECT_EQ(AnimateFrameRect({Looks.SkinRect, {}, {}, {}}, 1), TRect{});
  const TspAnimateLooks restore{{0, 0, 20, 20}, {0, 80, 60, 100}, {}, {}};
  EXPECT_EQ(AnimateLooksFor(Looks, restore, true).ActiveSkinRect, restore.ActiveSkinRect);
  EXPECT_EQ(AnimateLooksFor(Looks, {}, true).ActiveSkinRect, Looks.ActiveSkinRect);
}

TEST(BitLabel, SymbolsComeFromTheirCellsAMissingOneLeavesAGapAndTheLastIsCut) {
  TStringList symbols;
  symbols.Add("0123456789");
  symbols.Add("ABCDEF:-./");
  symbols.Add("Z1");  // neither takes a cell: "1" has one above
  const TspSymbolCells font(symbols);
  const auto cells = [&](const std::string& Text, int32_t Width) {
    return BitLabelSymbols(Text, font, {6, 8}, {100, 50}, Width);
  };
  EXPECT_EQ(cells("1Y:", 30), (std::vector<TspSymbolCopy>{{Rect(106, 50, 112, 58), {0, 0}},
                                                           {Rect(136, 58, 142, 66), {12, 0}}}));
  EXPECT_EQ(cells("Z", 30), (std::vector<TspSymbolCopy>{{Rect(100, 66, 106, 74), {0, 0}}}));
  EXPECT_EQ(cells("12:34", 30).size(), 5U);  // exactly as wide as the label
  const std::vector<TspSymbolCopy> cut = cells("123456", 27);
  ASSERT_EQ(cut.size(), 5U);
  EXPECT_EQ(cut.back(), (TspSymbolCopy{Rect(130, 50, 133, 58), {24, 0}}));
  EXPECT_EQ(cells(std::string(100000, '7'), 30).size(), 5U);
  EXPECT_TRUE(BitLabelSymbols("12", font, {0, 8}, {}, 30).empty());
}

// A font of as many lines as a skin may give, none holding the text's character, and a
// label as wide as a picture may be with one-pixel symbols: each character is looked up
// at once (through every line for each, 30,000 characters took minutes).
TEST(BitLabel, ManyLinesOfSymbolsCostALookUpACharacter) {
  TStringList symbols;
  for (int line = 0; line < 30000; ++line) symbols.Add(std::string(128, 'x'));
  symbols.Add("z");
  const TDeadline deadline(std::chrono::seconds(HostilePaintSeconds), "a bit label over many lines of symbols");
  const TspSymbolCells font(symbols);
  const std::vector<TspSymbolCopy> copies = BitLabelSymbols(std::string(32768, 'z'), font, {1, 1}, {}, 32768);
  ASSERT_EQ(copies.size(), 32768U);
  EXPECT_EQ(copies.back(), (TspSymbolCopy{Rect(0, 30000, 1, 30001), {32767, 0}}));
}

}  // namespace
