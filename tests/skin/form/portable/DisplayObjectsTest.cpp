#include "skin/form/portable/DisplayObjects.h"

#include "base/Strings.h"

#include <gtest/gtest.h>

namespace {

// A 20 x 20 object whose three frames lie side by side from (0, 40).
const TspAnimateLooks Looks{{280, 112, 300, 132}, {0, 40, 60, 60}, {60, 40, 80, 60}, {80, 40, 100, 60}};

TEST(AnimatedObject, PlaysForwardsToItsLastFrameAndBackToTheFirst) {
  TspAnimatePlay play;
  // 50 milliseconds a frame on a 25-millisecond timer: a frame every other tick.
  const auto playToEnd = [&play] {
    std::vector<int32_t> frames;
    bool playing = true;
    for (int tick = 0; playing && tick < 20; ++tick)
      if (AnimateTick(play, playing, 3, 50, false)) frames.push_back(play.FrameIndex);
    return frames;
  };
  EXPECT_EQ(playToEnd(), (std::vector<int32_t>{2, 3}));
  play.Increasing = false;
  EXPECT_EQ(playToEnd(), (std::vector<int32_t>{2, 1}));

  // Cycling wraps from the last frame to the first and goes on.
  TspAnimatePlay cycle{3, 25, true};
  bool playing = true;
  EXPECT_TRUE(AnimateTick(cycle, playing, 3, 25, true));
  EXPECT_EQ(cycle.FrameIndex, 1);
  EXPECT_TRUE(playing);
  // A single frame ends playing at once.
  TspAnimatePlay single{1, 25, true};
  EXPECT_TRUE(AnimateTick(single, playing, 1, 25, false));
  EXPECT_FALSE(playing);
}

TEST(AnimatedObject, ShowsItsMenuInactiveAndPressedLooksBeforeItsFrame) {
  EXPECT_EQ(AnimateFrameRect(Looks, 2), Rect(20, 40, 40, 60));
  EXPECT_EQ(AnimateFrameRect({Looks.SkinRect, {}, {}, {}}, 1), TRect{});

  TspAnimateLookState s{false, true, false, false, 2, 3};
  EXPECT_EQ(AnimateLook(Looks, s).Rect, Rect(20, 40, 40, 60));
  s.Down = true;
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

  const TspAnimateLooks restore{{0, 0, 20, 20}, {0, 80, 60, 100}, {}, {}};
  EXPECT_EQ(AnimateLooksFor(Looks, restore, true).ActiveSkinRect, restore.ActiveSkinRect);
  EXPECT_EQ(AnimateLooksFor(Looks, restore, false).ActiveSkinRect, Looks.ActiveSkinRect);
  EXPECT_EQ(AnimateLooksFor(Looks, {}, true).ActiveSkinRect, Looks.ActiveSkinRect);
}

TEST(Label, TextIsAlignedAndCentredVertically) {
  const TRect r = Rect(196, 114, 240, 130);
  EXPECT_EQ(LabelTextOrigin(r, {20, 10}, taLeftJustify), Point(196, 117));
  EXPECT_EQ(LabelTextOrigin(r, {20, 10}, taRightJustify), Point(220, 117));
  EXPECT_EQ(LabelTextOrigin(r, {20, 10}, taCenter), Point(208, 117));
}

class BitLabel : public ::testing::Test {
 protected:
  BitLabel() {
    symbols.Add("0123456789");
    symbols.Add("ABCDEF:-./");
  }
  std::vector<TspSymbolCopy> Cells(const std::string& Text, int32_t Width) const {
    return BitLabelSymbols(Text, symbols, {6, 8}, {100, 50}, Width);
  }
  TStringList symbols;
};

TEST_F(BitLabel, EachCharacterComesFromItsCellAndAMissingOneLeavesAGap) {
  EXPECT_EQ(Cells("1:", 30), (std::vector<TspSymbolCopy>{{Rect(106, 50, 112, 58), {0, 0}},
                                                          {Rect(136, 58, 142, 66), {6, 0}}}));
  EXPECT_EQ(Cells("1Z2", 30), (std::vector<TspSymbolCopy>{{Rect(106, 50, 112, 58), {0, 0}},
                                                           {Rect(112, 50, 118, 58), {12, 0}}}));
  EXPECT_EQ(Cells("12:34", 30).size(), 5U);  // exactly as wide as the label
  EXPECT_TRUE(BitLabelSymbols("12", symbols, {0, 8}, {}, 30).empty());
}

TEST_F(BitLabel, TheLastSymbolThatReachesTheEdgeIsCutAndTheTextEnds) {
  const std::vector<TspSymbolCopy> cells = Cells("123456", 27);
  ASSERT_EQ(cells.size(), 5U);
  EXPECT_EQ(cells.back(), (TspSymbolCopy{Rect(130, 50, 133, 58), {24, 0}}));
  EXPECT_TRUE(Cells("123", 0).empty());
  EXPECT_EQ(Cells(std::string(100000, '7'), 30).size(), 5U);
}

}  // namespace
