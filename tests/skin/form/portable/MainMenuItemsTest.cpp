#include "skin/form/portable/MainMenuItems.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Face = TspMenuItemFace;
using Font = TspMenuItemFontColor;

TEST(MainMenuItems, AnItemThatStopsFittingIsDisabledAndGetsItsFormerStateBack) {
  TspMenuItemFit fit;
  bool enabled = true;
  UpdateMenuItemFit(fit, enabled, false);
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(fit.Fits);
  // Laid out again while still too far right: the saved state stays the item's own.
  UpdateMenuItemFit(fit, enabled, false);
  UpdateMenuItemFit(fit, enabled, true);
  EXPECT_TRUE(enabled);

  TspMenuItemFit disabledFit;
  bool disabled = false;
  UpdateMenuItemFit(disabledFit, disabled, false);
  UpdateMenuItemFit(disabledFit, disabled, true);
  EXPECT_FALSE(disabled);
}

TEST(MainMenuItems, ThePressedLookWinsThenTheAnimationOrTheCrossFadeThenTheHotLook) {
  TspMenuItemLookState s;
  EXPECT_EQ(MenuItemLook(s), (TspMenuItemLook{Face::Normal, Font::Normal}));
  s.MenuItemEnabled = false;
  EXPECT_EQ(MenuItemLook(s).FontColor, Font::Disabled);
  s.Active = true;
  EXPECT_EQ(MenuItemLook(s), (TspMenuItemLook{Face::Active, Font::Active}));
  s.MorphRunning = true;
  EXPECT_EQ(MenuItemLook(s).Face, Face::Morph);
  s.Down = true;
  EXPECT_EQ(MenuItemLook(s), (TspMenuItemLook{Face::Down, Font::Down}));

  // An animated item shows its frames, resting on the normal face at 0 and the hot one
  // past the last frame; its cross-fade does not count.
  TspMenuItemLookState a;
  a.Animates = true;
  a.FrameCount = 3;
  a.MorphRunning = true;
  a.Active = true;
  EXPECT_EQ(MenuItemLook(a).Face, Face::Normal);
  a.Frame = 1;
  EXPECT_EQ(MenuItemLook(a).Face, Face::Animation);
  a.Frame = 3;
  EXPECT_EQ(MenuItemLook(a).Face, Face::Animation);
  a.Frame = 4;
  EXPECT_EQ(MenuItemLook(a).Face, Face::Active);
}

TEST(MainMenuItems, ThePressedRectangleFallsBackToTheHotThenTheNormalOne) {
  const TRect down{0, 40, 30, 60}, active{0, 20, 30, 40}, normal{0, 0, 30, 20};
  EXPECT_EQ(MenuItemDownRect(down, active, normal), down);
  EXPECT_EQ(MenuItemDownRect({}, active, normal), active);
  EXPECT_EQ(MenuItemDownRect({}, {}, normal), normal);
  EXPECT_TRUE(MenuItemStripSideBySide(Rect(0, 0, 90, 20), normal));
  EXPECT_FALSE(MenuItemStripSideBySide(Rect(0, 0, 30, 60), normal));
}

TEST(MainMenuItems, ArrowsStepPastItemsTheKeysCannotReachAndWrapAtBothEnds) {
  // File, a disabled Edit, View, a disabled Help; View is hot.
  std::vector<TspMenuStepItem> items{{true, false}, {false, false}, {true, true}, {false, false}};
  EXPECT_EQ(StepMenuItems(items, true), (TspMenuStep{2, 0}));
  EXPECT_EQ(StepMenuItems(items, false), (TspMenuStep{2, 0}));
  items[2].Current = false;
  items[0].Current = true;
  EXPECT_EQ(StepMenuItems(items, false), (TspMenuStep{0, 2}));
  EXPECT_EQ(StepMenuItems(items, true), (TspMenuStep{0, 2}));
  // A hot item the keys cannot reach is no current one: the first eligible item comes.
  items[0].Current = false;
  items[1].Current = true;
  EXPECT_EQ(StepMenuItems(items, false), (TspMenuStep{-1, 0}));
  // The only eligible item steps onto itself; none at all steps nowhere.
  const std::vector<TspMenuStepItem> single{{false, false}, {true, true}};
  EXPECT_EQ(StepMenuItems(single, true), (TspMenuStep{1, 1}));
  const std::vector<TspMenuStepItem> none{{false, true}, {false, false}};
  EXPECT_EQ(StepMenuItems(none, true), (TspMenuStep{}));
}

TEST(MainMenuItems, AChildMenuTakesTheGroupsItHasAndTheRestKeepsItsOrderByGroup) {
  // The main menu: File (0), Edit (1), Window (2), Help (5); the child: two items of
  // group 1 and one of group 3.
  const std::vector<uint8_t> main{0, 1, 2, 5}, child{1, 1, 3};
  EXPECT_EQ(MergedMenuOrder(main, child),
            (std::vector<TspMergedMenuItem>{
                {false, 0}, {true, 0}, {true, 1}, {false, 2}, {true, 2}, {false, 3}}));
  // Items of one group keep their menu order.
  const std::vector<uint8_t> same{0, 0, 0};
  EXPECT_EQ(MergedMenuOrder(same, {}),
            (std::vector<TspMergedMenuItem>{{false, 0}, {false, 1}, {false, 2}}));
}

}  // namespace
