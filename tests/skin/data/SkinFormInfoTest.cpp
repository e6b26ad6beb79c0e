// How loading fits the frame geometry together; the keys themselves are checked with the
// other skin data keys.
#include "skin/data/SkinFormInfo.h"

#include "SkinIniText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TspSkinFormInfo Load(const std::string& Keys, bool HasMask) {
  TSkinIniText ini("[FORMINFO]\r\n" + Keys);
  TspSkinFormInfo info;
  LoadSkinFormInfo(ini, HasMask, info);
  return info;
}

TEST(SkinFormInfo, WithAMaskTheMaskAreaHoldsTheClientRect) {
  const std::string client = "clientrect=10,20,100,80\r\n";
  EXPECT_EQ(Load(client, true).MaskRectArea, (TRect{10, 20, 100, 80}));
  EXPECT_EQ(Load(client + "maskrectarea=15,5,90,85\r\n", true).MaskRectArea,
            (TRect{10, 5, 100, 85}));
  EXPECT_EQ(Load(client + "maskrectarea=0,0,5,0\r\n", true).MaskRectArea, (TRect{10, 20, 100, 80}));
  EXPECT_EQ(Load(client + "maskrectarea=0,0,5,0\r\n", false).MaskRectArea, (TRect{0, 0, 5, 0}));
  EXPECT_EQ(Load(client, false).MaskRectArea, TRect{});
}

TEST(SkinFormInfo, WithAMaskNullHitTestPointsTakeTheirCorners) {
  const std::string keys =
      "lefttoppoint=5,6\r\nrighttoppoint=7,8\r\nleftbottompoint=9,10\r\nrightbottompoint=11,12\r\n"
      "hittestlefttoppoint=0,50\r\nhittestrighttoppoint=3,4\r\nhittestleftbottompoint=50,0\r\n";
  TspSkinFormInfo masked = Load(keys, true);
  EXPECT_EQ(masked.HitTestLTPoint, (TPoint{5, 6}));
  EXPECT_EQ(masked.HitTestRTPoint, (TPoint{3, 4}));
  EXPECT_EQ(masked.HitTestLBPoint, (TPoint{9, 10}));
  EXPECT_EQ(masked.HitTestRBPoint, (TPoint{11, 12}));
  TspSkinFormInfo plain = Load(keys, false);
  EXPECT_EQ(plain.HitTestLTPoint, (TPoint{0, 50}));
  EXPECT_EQ(plain.HitTestRBPoint, TPoint{});
}

TEST(SkinFormInfo, CornerPointsArePulledOntoTheClientRect) {
  const std::string client = "clientrect=10,20,100,80\r\n";
  TspSkinFormInfo info = Load(client +
                                  "lefttoppoint=2,3\r\nrighttoppoint=120,4\r\n"
                                  "leftbottompoint=1,90\r\nrightbottompoint=150,95\r\n",
                              false);
  EXPECT_EQ(info.LTPoint, (TPoint{10, 20}));
  EXPECT_EQ(info.RTPoint, (TPoint{100, 20}));
  EXPECT_EQ(info.LBPoint, (TPoint{10, 80}));
  EXPECT_EQ(info.RBPoint, (TPoint{100, 80}));

  // Corners spanning no width (or no height) stay as read.
  for (const char* corners : {"lefttoppoint=2,3\r\nrightbottompoint=2,95\r\n",
                              "lefttoppoint=2,3\r\nrightbottompoint=150,3\r\n"}) {
    TspSkinFormInfo same = Load(client + corners + "righttoppoint=120,4\r\n", false);
    EXPECT_EQ(same.LTPoint, (TPoint{2, 3})) << corners;
    EXPECT_EQ(same.RTPoint, (TPoint{120, 4})) << corners;
  }
  // The hit-test points take the corners as read, before they are pulled in.
  TspSkinFormInfo masked = Load(client + "lefttoppoint=2,3\r\nrightbottompoint=150,95\r\n", true);
  EXPECT_EQ(masked.HitTestLTPoint, (TPoint{2, 3}));
  EXPECT_EQ(masked.LTPoint, (TPoint{10, 20}));
}

}  // namespace
