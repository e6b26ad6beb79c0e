#include "FrameTestSkin.h"

#include "skin/form/portable/ClientFrame.h"
#include "skin/form/portable/FramePainting.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(FramePainting, TheClientBackgroundIsTiledOrStretchedWithoutEverDividingByAnEmptyPicture) {
  const TSize picture{40, 30}, client{100, 60}, window{110, 90};
  const struct {
    TSize Picture, Client;
    bool Stretch;
    TspStretchType Type;
    TspClientFill Fill;
  } cases[] = {
      {picture, client, false, stfull, {Rect(0, 0, 40, 30), 3, 3}},
      {picture, client, true, stfull, {Rect(0, 0, 110, 90), 1, 1}},
      {picture, client, true, sthorz, {Rect(0, 0, 40, 90), 3, 1}},
      {picture, client, true, stvert, {Rect(0, 0, 110, 30), 1, 4}},
      {picture, {0, 60}, true, stfull, {}},
      {{40, 0}, client, true, stvert, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ClientBackgroundFill(c.Picture, c.Client, window, c.Stretch, c.Type), c.Fill);
}

TEST(FramePainting, DefaultCaptionStripesAlternateUnderACentredText) {
  const TRect caption = Rect(20, 3, 229, 19);  // between the system-menu and roll-up buttons
  const std::vector<TspCaptionStripe> stripes = DefaultCaptionStripes(caption, 19);
  ASSERT_EQ(stripes.size(), 14u);
  EXPECT_EQ(stripes[0], (TspCaptionStripe{2, 19, 223, true}));
  EXPECT_EQ(stripes[1], (TspCaptionStripe{3, 19, 223, false}));
  EXPECT_EQ(DefaultCaptionTextOrigin(caption, 19, {60, 13}), Point(89, 3));
}

TEST(FramePainting, MainMenuItemsGoOnTheBandOfTheirRow) {
  const TRect client{6, 50, 394, 108}, item{8, 28, 60, 48};
  // A row above the client area: the top band, as the item lies.
  EXPECT_EQ(MainMenuItemBandDraw(item, Rect(8, 28, 392, 48), client), (TspBandDraw{false, item}));
  // A row below the client area's top: the bottom band, which starts at its bottom.
  const TRect low{8, 112, 60, 132};
  EXPECT_EQ(MainMenuItemBandDraw(low, Rect(8, 112, 392, 132), client), (TspBandDraw{true, Rect(8, 4, 60, 24)}));
}

// One budget of object pixels a paint, taken in order: an object past what is left, or
// one wholly outside its target, is not drawn and takes nothing.
TEST(FramePainting, ObjectsAreDrawnWhileTheirPixelsFitInOnePaintsBudget) {
  TspObjectPaintBudget budget;
  const TSize target{400, 50};
  EXPECT_FALSE(budget.Take({400, 0, 500, 10}, target));    // right of it
  EXPECT_FALSE(budget.Take({-10, -20, 0, 10}, target));    // left of it
  EXPECT_FALSE(budget.Take({10, 10, 10, 20}, target));     // no width
  EXPECT_TRUE(budget.Take({-100, -100, 3996, 924}, target));  // 4096 x 1024: half the budget
  EXPECT_FALSE(budget.Take({0, 0, 4096, 1025}, target));   // a row more than is left
  EXPECT_TRUE(budget.Take({399, 49, 4495, 1073}, target));  // the rest, in by its last pixel
  EXPECT_FALSE(budget.Take({0, 0, 1, 1}, target));
  TspObjectPaintBudget huge;
  EXPECT_FALSE(huge.Take({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, target));
  EXPECT_TRUE(huge.Take({0, 0, 1, 1}, target));
}

TEST(FramePainting, RegionAndClientFramePictureFollowTheSkinAndState) {
  TspSkinFormInfo info = FrameTestInfo();
  TPixelImage mask(200, 100);
  TspFrameCore core;
  EXPECT_EQ(FormRegionKind(core), TspFormRegion::Rectangle);
  core.SetSkin({&info, FrameTestPicture, {200, 20}, &mask});
  EXPECT_EQ(FormRegionKind(core), TspFormRegion::MaskBands);
  core.Options.SupportNCArea = false;
  EXPECT_EQ(FormRegionKind(core), TspFormRegion::WholeMask);
  core.Options.SupportNCArea = true;
  core.Options.BorderStyle = bsNone;
  EXPECT_EQ(FormRegionKind(core), TspFormRegion::None);
  core.State.RollUpState = true;
  EXPECT_EQ(ClientFramePictureKind(core), TspClientFramePicture::RollUpPicture);

  // A frame smaller than its minimum is not painted.
  core.UpdateGeometry(199, 100);
  EXPECT_FALSE(SkinFramePaintable(core));
  core.UpdateGeometry(200, 35);
  EXPECT_TRUE(SkinFramePaintable(core));
}

TEST(ClientFrame, TheClientFollowsTheFramePictureAndRollsUpToItsRollUpPicture) {
  EXPECT_EQ(ClientSizeFromFramePicture({100, 300}, {200, 150}, true, 0, 0).ClientSize, (TSize{200, 300}));
  EXPECT_TRUE(ClientSizeFromFramePicture({100, 300}, {200, 150}, false, 10, 10).Fixed);

  TspSkinFormInfo info;
  info.RollUpLeftPoint = info.RollUpRightPoint = {40, 0};
  EXPECT_EQ(ClientFrameRollUpBounds(Rect(10, 10, 310, 210), {180, 24}, info), Rect(10, 10, 190, 34));
  info.RollUpRightPoint = {150, 0};
  EXPECT_EQ(ClientFrameRollUpBounds(Rect(10, 10, 310, 210), {180, 24}, info), Rect(10, 10, 310, 34));
  const TImagePlan wide = RollUpImagePlan({180, 24}, info, 300);
  EXPECT_EQ(wide.Width, 300);
  EXPECT_EQ(wide.Copies[1].Source, Rect(150, 0, 180, 24));
  EXPECT_EQ(wide.Copies[1].Dest, Rect(270, 0, 300, 24));
  info.RollUpRightPoint = {900, 0};  // beyond the picture: taken to its edge
  EXPECT_EQ(RollUpImagePlan({180, 24}, info, 300).Copies[0].Dest, Rect(0, 0, 40, 24));
}

}  // namespace
