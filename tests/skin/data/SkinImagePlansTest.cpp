#include "NinePartPicture.h"
#include "PixelPictures.h"

#include "skin/data/SkinImagePlans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace {

TPiecePlan CasePlan(const TNinePartCase& c) {
  return SkinImagePlan(c.Cut, CutForSize(c.Cut, c.R, c.Width, c.Height), c.R, c.Width, c.Height, c.Sides,
                       c.DrawClient, c.Fill);
}

TPixelImage Render(const TImagePlan& Plan, const TPixelImage& Picture) {
  TPixelImage image(Plan.Width, Plan.Height);
  RenderPlan(Plan.Copies, Picture, image);
  return image;
}

// The copies whose destination lies in the rows Top .. Bottom.
std::vector<TRect> DestsInRows(const TPiecePlan& Plan, int32_t Top, int32_t Bottom) {
  std::vector<TRect> dests;
  for (const TPieceCopy& copy : Plan)
    if (copy.Dest.Top == Top && copy.Dest.Bottom == Bottom) dests.push_back(copy.Dest);
  return dests;
}

TEST(SkinImagePlans, TheCutForANewSizeKeepsDistancesToTheRightAndBottomEdges) {
  const TSkinCut cut{{5, 6}, {13, 5}, {6, 10}, {12, 9}, {4, 3, 15, 12}};
  const TSkinCut grown = CutForSize(cut, TRect{3, 2, 23, 18}, 30, 20);  // 10 wider, 4 higher
  EXPECT_EQ(grown, (TSkinCut{{5, 6}, {23, 5}, {6, 14}, {22, 13}, {4, 3, 25, 16}}));
  EXPECT_EQ(CutForSize(cut, TRect{3, 2, 23, 18}, 20, 16), cut);

  const TSkinCut fromClient = CutFromClientRect(TRect{2, 3, 8, 9});
  EXPECT_EQ(fromClient, (TSkinCut{{2, 3}, {8, 3}, {2, 9}, {8, 9}, {2, 3, 8, 9}}));

  // Extreme geometry saturates instead of overflowing.
  const int32_t max = std::numeric_limits<int32_t>::max();
  const TSkinCut far = CutForSize(TSkinCut{{0, 0}, {max, 0}, {0, max}, {max, max}, {0, 0, max, max}},
                                  TRect{0, 0, 0, 0}, max, max);
  EXPECT_EQ(far.RT.X, max);
  EXPECT_EQ(far.ClRect.Bottom, max);
}

TEST(SkinImagePlans, EveryPixelOfANinePartImageComesFromItsPiece) {
  for (const TNinePartCase& c : NinePartCases()) {
    const TPixelImage picture = NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight);
    TPixelImage image(c.Width, c.Height);
    RenderPlan(CasePlan(c), picture, image);
    EXPECT_EQ(NinePartMismatches(c, image), std::vector<std::string>{}) << c.Name;
  }
}

// The tiles a plan's copies stand for, within W x H.
TPiecePlan Tiles(const TPiecePlan& Plan, int32_t W = 1000, int32_t H = 1000) {
  TPiecePlan tiles;
  for (const TPieceCopy& copy : Plan) ForEachTile(copy, {0, 0, W, H}, [&](const TPieceCopy& t) { tiles.push_back(t); });
  return tiles;
}

TEST(SkinImagePlans, AStripTiledPastItsLengthEndsInAShortTile) {
  // A top strip 10 long (5 .. 15) over 25 pixels: tiles at 5, 15 and 25, the last 5 long.
  const TSkinCut cut{{5, 4}, {15, 4}, {5, 8}, {15, 8}, {3, 3, 17, 9}};
  const TRect r{0, 0, 20, 12};
  const TPiecePlan plan = SkinImagePlan(cut, CutForSize(cut, r, 35, 12), r, 35, 12, {}, false, {});
  // One copy stands for the strip's tiles.
  EXPECT_EQ(DestsInRows(plan, 0, 3), (std::vector<TRect>{{5, 0, 30, 3}, {0, 0, 5, 3}, {30, 0, 35, 3}}));
  std::vector<TRect> top = DestsInRows(Tiles(plan), 0, 3);
  std::sort(top.begin(), top.end(), [](const TRect& a, const TRect& b) { return a.Left < b.Left; });
  EXPECT_EQ(
      top, (std::vector<TRect>{{0, 0, 5, 3}, {5, 0, 15, 3}, {15, 0, 25, 3}, {25, 0, 30, 3}, {30, 0, 35, 3}}));
  // The tiles copy the strip from its start; the short one its first 5 columns.
  const TPiecePlan tiles = Tiles(plan);
  const auto last =
      std::find_if(tiles.begin(), tiles.end(), [](const TPieceCopy& c) { return c.Dest.Left == 25; });
  ASSERT_NE(last, tiles.end());
  EXPECT_EQ(last->Source, (TRect{5, 0, 10, 3}));
  // Only the tiles within a part are listed.
  EXPECT_EQ(TileCount(plan.front(), {16, 0, 26, 3}), 2);
  EXPECT_EQ(TileCount(plan.front(), {0, 4, 35, 12}), 0);
}

// However small the tile and large the image, a plan holds one copy per piece: the tiles
// are counted, never listed (a one-pixel client tile over the largest image allowed once
// planned 2^25 copies, a gigabyte).
TEST(SkinImagePlans, APlanHoldsOneCopyPerPieceHoweverManyTilesItTakes) {
  const TRect r{0, 0, 3, 3};
  const TSkinCut cut{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 1, 2, 2}};  // every strip and the client one pixel
  for (const auto& [w, h] : {std::pair{4000, 4000}, std::pair{5792, 5792}, std::pair{32768, 1024}}) {
    const TSkinCut newCut = CutForSize(cut, r, w, h);
    const TPiecePlan plan = SkinImagePlan(cut, newCut, r, w, h, {}, true, {});
    EXPECT_EQ(plan.size(), 9u) << w;  // four strips, four corners, the client part
    EXPECT_EQ(TileCount(plan.back(), {0, 0, w, h}), int64_t{w - 2} * (h - 2)) << w;
    EXPECT_EQ(SkinClientPlan(cut.ClRect, {0, 0, w, h}, r, w, h, {}, false).size(), 1u) << w;
    for (const bool clip : {false, true})
      EXPECT_EQ(SkinClientPlan(cut.ClRect, {0, 0, w, h}, r, w, h, {true, sthorz}, clip).size(), 1u) << w;
    EXPECT_EQ(HSkinImagePlan(1, 1, r, w, false).Copies.size(), 3u) << w;
    const TBorderPlans bands = SkinBorderPlans(cut, newCut, r, w, h, {});
    for (const TBandPlan* band : {&bands.Top, &bands.Bottom, &bands.Left, &bands.Right})
      EXPECT_LE(band->Image.Copies.size(), 3u) << w;
  }
}

TEST(SkinImagePlans, DegenerateCutsDrawNothingAndNothingDividesByZero) {
  const TRect r{0, 0, 20, 16};
  const TSkinCut cut{{5, 6}, {13, 5}, {6, 10}, {12, 9}, {4, 3, 15, 12}};
  TSkinCut flat = cut;
  flat.RB.X = flat.LT.X;
  EXPECT_TRUE(SkinImagePlan(flat, flat, r, 40, 40, {}, true, {}).empty());
  flat = cut;
  flat.RB.Y = flat.LT.Y;
  EXPECT_TRUE(SkinImagePlan(flat, flat, r, 40, 40, {}, true, {}).empty());

  // A client part without width or height is neither tiled nor stretched.
  for (const TSkinClientFill fill : {TSkinClientFill{false, stfull}, TSkinClientFill{true, sthorz},
                                     TSkinClientFill{true, stvert}, TSkinClientFill{true, stfull}}) {
    EXPECT_TRUE(SkinClientPlan(TRect{4, 3, 4, 12}, TRect{4, 3, 30, 30}, r, 40, 40, fill, true).empty());
    EXPECT_TRUE(SkinClientPlan(TRect{4, 3, 15, 3}, TRect{4, 3, 30, 30}, r, 40, 40, fill, false).empty());
    EXPECT_TRUE(SkinClientPlan(TRect{4, 3, 15, 12}, TRect{4, 3, 4, 30}, r, 40, 40, fill, true).empty());
  }

  // Far-away geometry: only the tiles that can show are listed.
  const int32_t min = std::numeric_limits<int32_t>::min(), max = std::numeric_limits<int32_t>::max();
  const TSkinCut wide{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 1, 2, 2}};
  const TSkinCut far{{min, min}, {max, min}, {min, max}, {max, max}, {min, min, max, max}};
  const TPiecePlan plan = SkinImagePlan(wide, far, TRect{0, 0, 3, 3}, 50, 40, {}, true, {});
  EXPECT_LE(plan.size(), 13u);
  for (const TPieceCopy& copy : plan) {
    EXPECT_GT(copy.Dest.Right, 0);
    EXPECT_LT(copy.Dest.Left, 50);
    EXPECT_GE(copy.Source.Width(), 1);
  }
}

TEST(SkinImagePlans, ClientTilesOfSthorzAndStvertAreCutOnlyWhenClipped) {
  const TRect r{0, 0, 20, 20};
  const TRect client{5, 5, 15, 15};     // 10 x 10
  const TRect newClient{5, 5, 30, 30};  // 25 x 25
  const auto dests = [&](TSkinClientFill fill, bool clip) {
    std::vector<TRect> result;
    for (const TPieceCopy& copy : Tiles(SkinClientPlan(client, newClient, r, 40, 40, fill, clip), 40, 40))
      result.push_back(copy.Dest);
    return result;
  };
  EXPECT_EQ(dests({true, sthorz}, true),
            (std::vector<TRect>{{5, 5, 15, 30}, {15, 5, 25, 30}, {25, 5, 30, 30}}));
  EXPECT_EQ(dests({true, sthorz}, false),
            (std::vector<TRect>{{5, 5, 15, 30}, {15, 5, 25, 30}, {25, 5, 35, 30}}));
  EXPECT_EQ(dests({true, stvert}, false),
            (std::vector<TRect>{{5, 5, 30, 15}, {5, 15, 30, 25}, {5, 25, 30, 35}}));
  EXPECT_EQ(dests({true, stfull}, false), (std::vector<TRect>{newClient}));
  EXPECT_EQ(dests({false, stfull}, false).size(), 9u);  // tiled both ways: always cut
  EXPECT_EQ(dests({false, stfull}, false).back(), (TRect{25, 25, 30, 30}));
}

// The four bands show what the whole image shows in their places.
TEST(SkinImagePlans, BorderBandsAreTheFramePartsOfTheWholeImage) {
  for (const TNinePartCase& c : NinePartCases()) {
    if (c.Width < c.R.Width() || c.Cut.RT.X == c.Cut.LT.X) continue;  // pieces overlap or a band is absent
    const TPixelImage picture = NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight);
    const TSkinCut newCut = CutForSize(c.Cut, c.R, c.Width, c.Height);
    TPixelImage whole(c.Width, c.Height);
    RenderPlan(SkinImagePlan(c.Cut, newCut, c.R, c.Width, c.Height, c.Sides, false, c.Fill), picture, whole);
    const TBorderPlans bands = SkinBorderPlans(c.Cut, newCut, c.R, c.Width, c.Height, c.Sides);
    const TRect& ncl = newCut.ClRect;
    ASSERT_TRUE(bands.Top.Drawn && bands.Bottom.Drawn && bands.Left.Drawn && bands.Right.Drawn) << c.Name;
    EXPECT_TRUE(SamePixels(Render(bands.Top.Image, picture), Crop(whole, {0, 0, c.Width, ncl.Top})))
        << c.Name;
    EXPECT_TRUE(
        SamePixels(Render(bands.Bottom.Image, picture), Crop(whole, {0, ncl.Bottom, c.Width, c.Height})))
        << c.Name;
    EXPECT_TRUE(
        SamePixels(Render(bands.Left.Image, picture), Crop(whole, {0, ncl.Top, ncl.Left, ncl.Bottom})))
        << c.Name;
    EXPECT_TRUE(SamePixels(Render(bands.Right.Image, picture),
                           Crop(whole, {ncl.Right, ncl.Top, c.Width, ncl.Bottom})))
        << c.Name;
  }
}

TEST(SkinImagePlans, ABandWithoutAreaOrStripIsLeftAlone) {
  const TRect r{0, 0, 20, 16};
  const TSkinCut cut{{5, 6}, {13, 5}, {6, 10}, {12, 9}, {4, 3, 15, 12}};
  TSkinCut noTopStrip = cut;
  noTopStrip.RT.X = noTopStrip.LT.X;
  TBorderPlans bands = SkinBorderPlans(noTopStrip, CutForSize(noTopStrip, r, 30, 20), r, 30, 20, {});
  EXPECT_FALSE(bands.Top.Drawn);
  EXPECT_TRUE(bands.Bottom.Drawn);
  EXPECT_EQ(bands.Left.Image.Height, 13);  // 20 - 3 - 4, whatever the top band does
  // A size that leaves the side bands no height.
  bands = SkinBorderPlans(cut, CutForSize(cut, r, 30, 6), r, 30, 6, {});
  EXPECT_FALSE(bands.Left.Drawn);
  EXPECT_FALSE(bands.Right.Drawn);
  EXPECT_TRUE(bands.Top.Drawn);
  EXPECT_EQ(bands.Top.Image.Width, 30);
  EXPECT_EQ(bands.Top.Image.Height, 3);
}

TEST(SkinImagePlans, MaskBandsAreTheFramePartsOfTheWholeTiledImage) {
  const TNinePartCase base = NinePartCases().front();
  const TSkinCut& cut = base.Cut;
  // The mask is the whole element: R = (0, 0, 20, 16).
  TNinePartCase c = base;
  c.R = {0, 0, 20, 16};
  const TPixelImage mask = NinePartPicture(c, 20, 16);
  for (const auto& size : {std::pair{45, 37}, std::pair{44, 24}, std::pair{20, 16}}) {
    const TSkinCut newCut = CutForSize(cut, c.R, size.first, size.second);
    TPixelImage whole(size.first, size.second);
    RenderPlan(SkinImagePlan(cut, newCut, c.R, size.first, size.second, {}, false, {}), mask, whole);
    const TBorderPlans bands = SkinBorderMaskPlans(cut, newCut, 20, 16, size.first);
    const TRect& ncl = newCut.ClRect;
    EXPECT_TRUE(SamePixels(Render(bands.Top.Image, mask), Crop(whole, {0, 0, size.first, ncl.Top})));
    EXPECT_TRUE(
        SamePixels(Render(bands.Bottom.Image, mask), Crop(whole, {0, ncl.Bottom, size.first, size.second})));
    EXPECT_TRUE(SamePixels(Render(bands.Left.Image, mask), Crop(whole, {0, ncl.Top, ncl.Left, ncl.Bottom})));
    EXPECT_TRUE(SamePixels(Render(bands.Right.Image, mask),
                           Crop(whole, {ncl.Right, ncl.Top, size.first, ncl.Bottom})));
  }
  // Every mask band is sized, also to nothing; a zero-length strip leaves the corners.
  TSkinCut noTopStrip = cut;
  noTopStrip.RT.X = noTopStrip.LT.X;
  const TBorderPlans bands = SkinBorderMaskPlans(noTopStrip, CutForSize(noTopStrip, c.R, 40, 5), 20, 16, 40);
  EXPECT_TRUE(bands.Left.Drawn);
  EXPECT_EQ(bands.Left.Image.Height, 0);
  EXPECT_TRUE(bands.Left.Image.Copies.empty());
  EXPECT_EQ(bands.Top.Image.Copies.size(), 2u);
}

TEST(SkinImagePlans, ThreePartImagesKeepTheirEndsAndFillTheMiddle) {
  // Source columns 2 .. 12 of a picture: ends of 3 and 2, a middle of 5 (5 .. 10).
  const TRect r{2, 1, 12, 4};
  TImagePlan plan = HSkinImagePlan(3, 2, r, 19, false);
  EXPECT_EQ(plan.Width, 19);
  EXPECT_EQ(plan.Height, 3);
  EXPECT_EQ(plan.Copies, (TPiecePlan{{{2, 1, 5, 4}, {0, 0, 3, 3}},
                                     {{10, 1, 12, 4}, {17, 0, 19, 3}},
                                     {{5, 1, 10, 4}, {3, 0, 17, 3}, true, false}}));
  EXPECT_EQ(Tiles({plan.Copies.back()}), (TPiecePlan{{{5, 1, 10, 4}, {3, 0, 8, 3}},
                                                     {{5, 1, 10, 4}, {8, 0, 13, 3}},
                                                     {{5, 1, 9, 4}, {13, 0, 17, 3}}}));  // cut short
  plan = HSkinImagePlan(3, 2, r, 19, true);
  EXPECT_EQ(plan.Copies.back(), (TPieceCopy{{5, 1, 10, 4}, {3, 0, 17, 3}}));
  // Offsets of 0 copy no end.
  EXPECT_EQ(HSkinImagePlan(0, 0, r, 30, true).Copies, (TPiecePlan{{{2, 1, 12, 4}, {0, 0, 30, 3}}}));

  // A middle without columns counts as the one column after the left end.
  plan = HSkinImagePlan(4, 6, r, 8, false);
  EXPECT_EQ(plan.Copies, (TPiecePlan{{{2, 1, 6, 4}, {0, 0, 4, 3}},
                                     {{6, 1, 12, 4}, {2, 0, 8, 3}}}));  // 8 - 6 < 4: the middle has no room
  plan = HSkinImagePlan(4, 6, r, 13, false);
  EXPECT_EQ(plan.Copies.size(), 3u);
  EXPECT_EQ(plan.Copies[2], (TPieceCopy{{6, 1, 7, 4}, {4, 0, 7, 3}, true, false}));
  EXPECT_EQ(Tiles({plan.Copies[2]}).size(), 3u);

  // The vertical twin is the same turned on its side.
  const TImagePlan vertical = VSkinImagePlan(3, 2, TRect{1, 2, 4, 12}, 19, false);
  EXPECT_EQ(vertical.Width, 3);
  EXPECT_EQ(vertical.Height, 19);
  EXPECT_EQ(vertical.Copies.front(), (TPieceCopy{{1, 2, 4, 5}, {0, 0, 3, 3}}));
  EXPECT_EQ(vertical.Copies.back(), (TPieceCopy{{1, 5, 4, 10}, {0, 3, 3, 17}, false, true}));
  EXPECT_EQ(Tiles({vertical.Copies.back()}).back(), (TPieceCopy{{1, 5, 4, 9}, {0, 13, 3, 17}}));
  EXPECT_EQ(vertical.Copies.size(), 3u);
}

}  // namespace
