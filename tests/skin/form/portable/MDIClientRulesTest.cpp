#include "skin/form/portable/MDIClientRules.h"

#include <gtest/gtest.h>

namespace {

TEST(MDIClientRules, TheBackgroundFallsFromTheMDIPictureToTheFramePicture) {
  using K = TspMDIBackgroundKind;
  EXPECT_EQ(MDIClientBackgroundKind(true, {3, 4, false, false}), K::MDIPicture);
  EXPECT_EQ(MDIClientBackgroundKind(true, {-1, 4, false, false}), K::ClientPicture);
  EXPECT_EQ(MDIClientBackgroundKind(true, {-1, -1, false, false}), K::FramePart);
  EXPECT_EQ(MDIClientBackgroundKind(false, {3, 4, false, false}), K::Workspace);

  TspSkinFormInfo info;
  info.MDIBGPictureIndex = 2;
  info.BGPictureIndex = 5;
  info.MDIBGStretchEffect = true;
  const TspMDIBackground read = MDIBackgroundOf(info);
  EXPECT_EQ(read.MDIBGPictureIndex, 2);
  EXPECT_EQ(read.BGPictureIndex, 5);
  EXPECT_TRUE(read.MDIBGStretchEffect);
  EXPECT_FALSE(read.StretchEffect);
}

TEST(MDIClientRules, AResizeRedrawsWhatFollowsTheSize) {
  // The stretch that counts is the one of the picture shown.
  EXPECT_TRUE(MDIClientRedrawsOnSize(false, true, {-1, 4, true, false}));
  EXPECT_FALSE(MDIClientRedrawsOnSize(false, true, {-1, 4, false, true}));
  EXPECT_TRUE(MDIClientRedrawsOnSize(false, true, {3, 4, false, true}));
  EXPECT_FALSE(MDIClientRedrawsOnSize(false, true, {3, 4, true, false}));
  EXPECT_FALSE(MDIClientRedrawsOnSize(false, false, {-1, 4, true, true}));  // no skin in use
  EXPECT_TRUE(MDIClientRedrawsOnSize(true, false, {}));                      // a centred logo
}

}  // namespace
