// Where a skinned panel's rectangles lie at its size, its caption strip and client
// rectangle, and the status bar's size grip.
#include "skin/controls/portable/PanelLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

struct TMapCase {
  TRect From, To;
};

TEST(MapSkinRect, RectanglesMoveWithTheirCornersAndGrowAcrossTheMiddle) {
  // An 80 x 60 entry (the group box's) cut at (8, 21) and (72, 56), drawn 200 x 150.
  const TRect skin{100, 100, 180, 160};
  const TSkinCut cut{{8, 21}, {72, 21}, {8, 56}, {72, 56}, {8, 21, 72, 56}};
  const TMapCase cases[] = {
      {{1, 1, 5, 5}, {1, 1, 5, 5}},              {{74, 2, 78, 8}, {194, 2, 198, 8}},
      {{2, 57, 6, 59}, {2, 147, 6, 149}},        {{74, 57, 78, 59}, {194, 147, 198, 149}},
      {{8, 1, 72, 20}, {8, 1, 192, 20}},         {{1, 1, 78, 58}, {1, 1, 198, 148}},
      {{1, 57, 78, 59}, {1, 147, 198, 149}},     {{1, 1, 6, 58}, {1, 1, 6, 148}},
      {{74, 1, 78, 58}, {194, 1, 198, 148}},     {{20, 30, 40, 40}, {20, 30, 40, 40}},
  };
  for (const TMapCase& c : cases)
    EXPECT_EQ(MapSkinRect(c.From, skin, cut, 1, 200, 150), c.To) << c.From.Left << "," << c.From.Top;
  EXPECT_EQ(MapSkinRect({74, 2, 78, 8}, skin, cut, 0, 200, 150), (TRect{74, 2, 78, 8}));
}

TEST(MapSkinRect, ThreePartEntriesMoveAlongTheirOneDirection) {
  const TSkinCut across{{4, 0}, {36, 0}, {}, {}, {}};
  const TRect wide{0, 0, 40, 21};
  EXPECT_EQ(MapSkinRect({2, 2, 38, 10}, wide, across, 2, 100, 21), (TRect{2, 2, 98, 10}));
  EXPECT_EQ(MapSkinRect({37, 2, 39, 10}, wide, across, 2, 100, 21), (TRect{97, 2, 99, 10}));
  EXPECT_EQ(MapSkinRect({10, 2, 20, 10}, wide, across, 2, 100, 21), (TRect{10, 2, 20, 10}));
  const TSkinCut down{{0, 4}, {}, {0, 36}, {}, {}};
  const TRect tall{0, 0, 21, 40};
  EXPECT_EQ(MapSkinRect({2, 2, 10, 38}, tall, down, 3, 21, 100), (TRect{2, 2, 10, 98}));
  EXPECT_EQ(MapSkinRect({2, 37, 10, 39}, tall, down, 3, 21, 100), (TRect{2, 97, 10, 99}));
  const int32_t max = std::numeric_limits<int32_t>::max();  // saturates, never overflows
  EXPECT_EQ(MapSkinRect({37, 2, max, 10}, wide, across, 2, max, 21).Right, max);
}

TEST(PanelCaption, TheStripItsTextAreaAndTheCaptionsPlace) {
  EXPECT_EQ(DefaultCaptionStrip(bvFrame, 100, 22), (TRect{0, 0, 100, 22}));
  EXPECT_EQ(DefaultCaptionStrip(bvRaised, 100, 22), (TRect{1, 1, 99, 22}));
  EXPECT_EQ(CaptionTextArea({1, 1, 99, 22}, true, true), (TRect{21, 1, 89, 22}));
  EXPECT_EQ(CaptionTextArea({1, 1, 99, 22}, false, false), (TRect{1, 1, 99, 22}));
  const TRect r{10, 0, 110, 20};
  EXPECT_EQ(CaptionBlockLeft(taLeftJustify, r, 30, 2), 12);
  EXPECT_EQ(CaptionBlockLeft(taRightJustify, r, 30, 2), 80);
  EXPECT_EQ(CaptionBlockLeft(taCenter, r, 30, 2), 47);
  EXPECT_EQ(CaptionBlockLeft(taCenter, r, 30, 0), 45);
}

TEST(PanelClientRect, FollowsTheSkinTheBorderAndTheCaption) {
  const TRect whole{0, 0, 100, 80};
  TspPanelClientRules rules;
  rules.Width = 100;
  rules.Height = 80;
  EXPECT_EQ(PanelClientRect(whole, rules), (TRect{1, 1, 99, 79}));  // no skin, a frame
  rules.CaptionMode = true;
  EXPECT_EQ(PanelClientRect(whole, rules), (TRect{1, 23, 99, 79}));
  rules.BorderStyle = bvNone;
  EXPECT_EQ(PanelClientRect(whole, rules), (TRect{0, 22, 100, 80}));
  rules.Skinned = true;
  rules.ResizeMode = 1;
  rules.NewClRect = {2, 20, 98, 78};
  EXPECT_EQ(PanelClientRect(whole, rules), rules.NewClRect);  // a caption: the entry's client part
  rules.CaptionMode = false;
  EXPECT_EQ(PanelClientRect(whole, rules), whole);  // no border, no caption: all of it
  rules.BorderStyle = bvFrame;
  rules.HasBackground = true;
  EXPECT_EQ(PanelClientRect(whole, rules), whole);
  rules.TransparentMode = true;
  EXPECT_EQ(PanelClientRect(whole, rules), (TRect{2, 2, 98, 78}));
  rules.CaptionMode = true;
  rules.CaptionTextHeight = 16;
  EXPECT_EQ(PanelClientRect(whole, rules), (TRect{2, 16, 98, 78}));
}

TEST(PanelRollUp, ShrinksToTheCaption) {
  EXPECT_EQ(RolledUpHeight(false, 150, {}, 22), 23);
  EXPECT_EQ(RolledUpHeight(true, 150, {2, 21, 198, 146}, 22), 25);
}

TEST(PanelNumGlyphs, StaysOneOrTwoAndShowsTheSecondOnlyWhileDisabled) {
  EXPECT_EQ(TspSkinPanelNumGlyphs(), 1);
  EXPECT_EQ(TspSkinPanelNumGlyphs(0), 1);  // the strip is divided by it
  EXPECT_EQ(TspSkinPanelNumGlyphs(-3), 1);
  EXPECT_EQ(TspSkinPanelNumGlyphs(3), 2);
  EXPECT_EQ(TspSkinPanelNumGlyphs(1).GlyphNum(false), 1);
  EXPECT_EQ(TspSkinPanelNumGlyphs(2).GlyphNum(true), 1);
  EXPECT_EQ(TspSkinPanelNumGlyphs(2).GlyphNum(false), 2);
  EXPECT_EQ(TspSkinPanelNumGlyphs(4).GlyphNum(false), 2);
}

TEST(CaptionFrameLines, LeaveAGapForTheCaptionHalfWayDownItsRow) {
  const auto lines = CaptionFrameLines(100, 80, 16, 40);
  EXPECT_EQ(lines.first, (std::vector<TPoint>{{0, 8}, {4, 8}}));
  EXPECT_EQ(lines.second, (std::vector<TPoint>{{42, 8}, {99, 8}, {99, 79}, {0, 79}, {0, 8}}));
}

TEST(StatusBarGrip, LiesInTheCornerTheClientRectangleLeaves) {
  EXPECT_EQ(GripRect({0, 0, 379, 21}, {}, false), (TRect{381, 0, 400, 19}));
  EXPECT_EQ(GripRect({0, 0, 388, 21}, {5, 5, 17, 17}, true), (TRect{388, 9, 400, 21}));
  EXPECT_EQ(GripWidth({0, 0, 400, 21}, {}, false), 21);
  EXPECT_EQ(GripWidth({0, 0, 400, 21}, {5, 5, 17, 17}, true), 12);
  using TLine = std::pair<TPoint, TPoint>;
  EXPECT_EQ(GripLines({0, 0, 10, 10}),
            (std::vector<TLine>{{{3, 10}, {10, 3}}, {{4, 10}, {10, 4}}, {{6, 10}, {10, 6}}, {{7, 10}, {10, 7}}}));
  EXPECT_TRUE(GripLines({0, 0, 4, 4}).empty());  // too small for a line
}

// A broken skin's sizes reach the ends of the 32-bit range: the grip's edges and the
// narrowed client rectangle stop there instead of overflowing.
TEST(StatusBarGrip, HostileSizesSaturateInsteadOfOverflowing) {
  const int32_t max = std::numeric_limits<int32_t>::max(), min = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(GripRect({0, 0, max - 1, 21}, {}, false), (TRect{max, 0, max, 19}));
  EXPECT_EQ(GripRect({0, 0, 10, min + 1}, {}, false), (TRect{12, 0, min + 11, min}));
  EXPECT_EQ(GripRect({0, min, max - 5, -5}, {0, 0, 12, max}, true), (TRect{max - 5, min, max, -5}));
  EXPECT_EQ(ClientRectBesideGrip({min, 0, -10, max}, {}, false), (TRect{min, 0, min, max}));
  EXPECT_EQ(ClientRectBesideGrip({0, 0, 400, 21}, {5, 5, 17, 17}, true), (TRect{0, 0, 388, 21}));
  EXPECT_EQ(ClientRectBesideGrip({0, 0, 400, 21}, {}, false), (TRect{0, 0, 379, 21}));
}

}  // namespace
