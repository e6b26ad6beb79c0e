// The menu tool button's strip, its own entry's track part, and the looks of its parts.
#include "skin/menus/portable/SkinMenuSpeedButtonLook.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuButtonLook, CutsTheStripAndKeepsAnEntrysTrackPartAtTheEdgeThatMoves) {
  EXPECT_EQ(TrackStrip({60, 25}, sptpRight), (TRect{45, 0, 60, 25}));
  EXPECT_EQ(ButtonPart({60, 25}, sptpRight), (TRect{0, 0, 45, 25}));
  EXPECT_EQ(TrackStrip({60, 40}, sptpBottom), (TRect{0, 25, 60, 40}));
  EXPECT_EQ(ButtonPart({60, 40}, sptpBottom), (TRect{0, 0, 60, 25}));
  constexpr TRect Track{25, 0, 40, 25}, Skin{100, 10, 140, 35};
  EXPECT_EQ(EntryTrackRect(Track, Skin, 1, {70, 45}), Track);
  EXPECT_EQ(EntryTrackRect(Track, Skin, 2, {70, 25}), (TRect{55, 0, 70, 25}));
  EXPECT_EQ(EntryTrackRect(Track, Skin, 3, {40, 45}), (TRect{25, 20, 40, 45}));
  EXPECT_TRUE(IsPlainToolButtonEntry("resizetoolbutton"));
  EXPECT_FALSE(IsPlainToolButtonEntry("toolmenubutton"));
}

TEST(MenuButtonLook, SplitsThePartsOnlyWhileTheMenuIsOpenInTrackMode) {
  using S = TspPartState;
  const auto states = [](bool Tracking, bool TrackMode, S State) {
    const TspMenuButtonStates s = MenuButtonStates(Tracking, TrackMode, State);
    return std::pair(s.Button, s.Strip);
  };
  EXPECT_EQ(states(true, true, S::Normal), std::pair(S::Hot, S::Down));
  EXPECT_EQ(states(true, false, S::Hot), std::pair(S::Down, S::Down));
  EXPECT_EQ(states(false, true, S::Disabled), std::pair(S::Disabled, S::Disabled));
}

}  // namespace
