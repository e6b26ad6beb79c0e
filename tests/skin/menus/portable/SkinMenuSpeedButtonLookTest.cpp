// The menu tool button's strip, its own entry's track part, and the looks of its two parts.
#include "skin/menus/portable/SkinMenuSpeedButtonLook.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuButtonStrip, IsFifteenPixelsAtTheRightOrTheBottom) {
  EXPECT_EQ(TrackStrip({60, 25}, sptpRight), (TRect{45, 0, 60, 25}));
  EXPECT_EQ(ButtonPart({60, 25}, sptpRight), (TRect{0, 0, 45, 25}));
  EXPECT_EQ(TrackStrip({60, 40}, sptpBottom), (TRect{0, 25, 60, 40}));
  EXPECT_EQ(ButtonPart({60, 40}, sptpBottom), (TRect{0, 0, 60, 25}));
}

TEST(MenuButtonStrip, OwnEntriesKeepTheirTrackPartAtTheEdgeThatMoves) {
  constexpr TRect Track{25, 0, 40, 25}, Skin{100, 10, 140, 35};
  EXPECT_EQ(EntryTrackRect(Track, Skin, 0, {40, 25}), Track);
  EXPECT_EQ(EntryTrackRect(Track, Skin, 1, {70, 45}), Track);
  EXPECT_EQ(EntryTrackRect(Track, Skin, 2, {70, 25}), (TRect{55, 0, 70, 25}));
  EXPECT_EQ(EntryTrackRect(Track, Skin, 3, {40, 45}), (TRect{25, 20, 40, 45}));
  for (const char* plain : {"toolbutton", "bigtoolbutton", "resizebutton", "resizetoolbutton"})
    EXPECT_TRUE(IsPlainToolButtonEntry(plain)) << plain;
  EXPECT_FALSE(IsPlainToolButtonEntry("toolmenubutton"));
  EXPECT_FALSE(IsPlainToolButtonEntry("ToolButton"));
}

TEST(MenuButtonStates, SplitOnlyWhileTheMenuIsOpenInTrackMode) {
  using S = TspPartState;
  const struct {
    bool Tracking, TrackMode;
    S State, Button, Strip;
  } cases[] = {
      {true, true, S::Normal, S::Hot, S::Down},    {true, true, S::Down, S::Hot, S::Down},
      {true, false, S::Normal, S::Down, S::Down},  {false, true, S::Down, S::Down, S::Down},
      {false, true, S::Hot, S::Hot, S::Hot},       {false, false, S::Disabled, S::Disabled, S::Disabled},
  };
  for (const auto& c : cases) {
    const TspMenuButtonStates states = MenuButtonStates(c.Tracking, c.TrackMode, c.State);
    EXPECT_EQ(states.Button, c.Button);
    EXPECT_EQ(states.Strip, c.Strip);
  }
}

TEST(MenuButtonLook, CutsAnyEntryAsANinePartImage) {
  TspDataSkinCustomControl entry("resizebutton");
  entry.LTPoint = {4, 4};
  entry.RTPoint = {36, 4};
  entry.LBPoint = {4, 21};
  entry.RBPoint = {36, 21};
  entry.ClRect = {3, 3, 37, 22};
  entry.TopStretch = true;
  entry.StretchEffect = true;
  const TspPartGeometry geometry = NinePartGeometry(entry);
  EXPECT_EQ(geometry.Fit, TspPartFit::NinePart);
  EXPECT_EQ(geometry.Cut, (TSkinCut{{4, 4}, {36, 4}, {4, 21}, {36, 21}, {3, 3, 37, 22}}));
  EXPECT_TRUE(geometry.Sides.Top && !geometry.Sides.Left && geometry.Fill.StretchEffect);
}

}  // namespace
