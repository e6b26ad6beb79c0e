#include "NinePartPicture.h"
#include "Win32Pictures.h"

#include "skin/data/win32/SkinImages.h"

#include <gtest/gtest.h>

namespace {

using TBuilder = decltype(&CreateSkinImage);

// Builds a case's image with Builder and gives the cut it reported.
TSkinCut Build(TBuilder Builder, const TNinePartCase& c, TBitmap& Picture, TBitmap& B) {
  TSkinCut made;
  Builder(c.Cut.LT, c.Cut.RT, c.Cut.LB, c.Cut.RB, c.Cut.ClRect, made.LT, made.RT, made.LB, made.RB,
          made.ClRect, &B, &Picture, c.R, c.Width, c.Height, c.DrawClient, c.Sides.Left, c.Sides.Top,
          c.Sides.Right, c.Sides.Bottom, c.Fill.StretchEffect, c.Fill.StretchType);
  return made;
}

bool AllBlack(TBitmap& B) {
  const TPixelImage image = B.ToPixelImage();
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) != clBlack) return false;
  return true;
}

TEST(SkinImages, EveryPixelOfANinePartImageComesFromItsPiece) {
  for (const TNinePartCase& c : NinePartCases()) {
    const auto picture = BitmapOf(NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight));
    TBitmap image, second;
    const TSkinCut made = Build(CreateSkinImage, c, *picture, image);
    EXPECT_EQ(made, CutForSize(c.Cut, c.R, c.Width, c.Height)) << c.Name;
    EXPECT_EQ(NinePartMismatches(c, image.ToPixelImage()), std::vector<std::string>{});
    Build(CreateSkinImage2, c, *picture, second);
    EXPECT_TRUE(SamePixels(image.ToPixelImage(), second.ToPixelImage())) << c.Name;
  }
}

TEST(SkinImages, WithoutAPictureOrWithAFlatCutTheImageIsSizedButBlank) {
  const TNinePartCase c = NinePartCases().front();
  TBitmap empty, image;
  const TSkinCut made = Build(CreateSkinImage, c, empty, image);
  EXPECT_EQ(image.Width(), c.Width);
  EXPECT_EQ(image.Height(), c.Height);
  EXPECT_TRUE(AllBlack(image));
  EXPECT_EQ(made, CutForSize(c.Cut, c.R, c.Width, c.Height));

  TNinePartCase flat = c;
  flat.Cut.RB.Y = flat.Cut.LT.Y;
  const auto picture = BitmapOf(NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight));
  TBitmap flatImage;
  Build(CreateSkinImage, flat, *picture, flatImage);
  EXPECT_EQ(flatImage.Width(), c.Width);
  EXPECT_TRUE(AllBlack(flatImage));

  TNinePartCase negative = c;
  negative.Width = -5;
  TBitmap none;
  Build(CreateSkinImage, negative, *picture, none);
  EXPECT_TRUE(none.Empty());
}

TEST(SkinImages, FromAClientRectangleEverythingIsStretchedAtTheBitmapsSize) {
  const TRect client{4, 3, 15, 12};
  const TNinePartCase c{
      "from client rect", {3, 2, 23, 18}, CutFromClientRect(client), 41, 33, {true, true, true, true}, true,
      {true, stfull}};
  const auto picture = BitmapOf(NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight));
  TBitmap image(41, 33);
  CreateSkinImageFromClientRect(&image, picture.get(), c.R, true, client);
  EXPECT_EQ(NinePartMismatches(c, image.ToPixelImage()), std::vector<std::string>{});
}

TEST(SkinImages, BorderImagesAreTheFramePartsOfTheWholeImage) {
  for (const TNinePartCase& base : NinePartCases()) {
    if (std::string(base.Name) != "tiled" && std::string(base.Name) != "sthorz with mixed sides") continue;
    TNinePartCase c = base;
    c.DrawClient = false;
    const auto picture = BitmapOf(NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight));
    TBitmap whole;
    const TSkinCut n = Build(CreateSkinImage, c, *picture, whole);
    TBitmap left, top, right, bottom;
    CreateSkinBorderImages(c.Cut.LT, c.Cut.RT, c.Cut.LB, c.Cut.RB, c.Cut.ClRect, n.LT, n.RT, n.LB, n.RB,
                           n.ClRect, &left, &top, &right, &bottom, picture.get(), c.R, c.Width, c.Height,
                           c.Sides.Left, c.Sides.Top, c.Sides.Right, c.Sides.Bottom);
    const TPixelImage image = whole.ToPixelImage();
    const TRect& cl = n.ClRect;
    EXPECT_TRUE(SamePixels(top.ToPixelImage(), Crop(image, {0, 0, c.Width, cl.Top}))) << c.Name;
    EXPECT_TRUE(SamePixels(bottom.ToPixelImage(), Crop(image, {0, cl.Bottom, c.Width, c.Height}))) << c.Name;
    EXPECT_TRUE(SamePixels(left.ToPixelImage(), Crop(image, {0, cl.Top, cl.Left, cl.Bottom}))) << c.Name;
    EXPECT_TRUE(SamePixels(right.ToPixelImage(), Crop(image, {cl.Right, cl.Top, c.Width, cl.Bottom})))
        << c.Name;
  }
}

TEST(SkinImages, TheClientImagesTilesOfSthorzReachPastItsRectangle) {
  const TNinePartCase c = NinePartCases().front();  // client part 11 x 9 at (4, 3)
  const auto picture = BitmapOf(NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight));
  TBitmap image;
  CreateSkinClientImage(c.Cut.ClRect, TRect{2, 2, 20, 12}, &image, picture.get(), c.R, 30, 16, true, sthorz);
  ASSERT_EQ(image.Width(), 30);
  ASSERT_EQ(image.Height(), 16);
  const TPixelImage pixels = image.ToPixelImage();
  EXPECT_EQ(BlueOf(pixels.Pixel(3, 5)), 13 * 16);  // tile 1 from x = 2
  EXPECT_EQ(RedOf(pixels.Pixel(22, 5)), 4 + 9);    // tile 2 from x = 13, column 9, past x = 20
  EXPECT_EQ(pixels.Pixel(25, 5), clBlack);         // 18 div 11 + 1 = 2 tiles
  EXPECT_EQ(pixels.Pixel(5, 13), clBlack);         // stretched to the rectangle's height
}

TEST(SkinImages, ThreePartImagesKeepTheirEndsAndFillTheMiddle) {
  // Each picture column's red channel is its number.
  TPixelImage strip(16, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 16; ++x)
      strip.SetPixel(x, y, RGBColor(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 1));
  const auto picture = BitmapOf(strip);
  const auto columns = [](TBitmap& b) {
    const TPixelImage image = b.ToPixelImage();
    std::vector<int> reds;
    for (int32_t x = 0; x < image.Width(); ++x) reds.push_back(RedOf(image.Pixel(x, 1)));
    return reds;
  };
  TBitmap image;
  CreateHSkinImage(3, 2, &image, picture.get(), TRect{2, 0, 12, 3}, 19, 99, false);
  ASSERT_EQ(image.Height(), 3);
  EXPECT_EQ(columns(image), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 5, 6, 7, 8, 9, 5, 6, 7, 8, 10, 11}));

  TBitmap tall;
  CreateVSkinImage(1, 1, &tall, picture.get(), TRect{5, 0, 7, 4}, 99, 9, false);  // rows 0 | 1 2 | 3
  ASSERT_EQ(tall.Width(), 2);
  ASSERT_EQ(tall.Height(), 9);
  const TPixelImage rows = tall.ToPixelImage();
  std::vector<int> greens;
  for (int32_t y = 0; y < 9; ++y) greens.push_back(GreenOf(rows.Pixel(0, y)));
  EXPECT_EQ(greens, (std::vector<int>{0, 1, 2, 1, 2, 1, 2, 1, 3}));
  EXPECT_EQ(RedOf(rows.Pixel(1, 4)), 6);
}

TEST(SkinImages, DrawGlyphDrawsOneCellOfTheStripTransparently) {
  // Four 10 x 10 glyphs; each one's bottom-left pixel is its transparent colour.
  const TColor colors[] = {clRed, clLime, clBlue, clYellow};
  TPixelImage strip(40, 10);
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 40; ++x) strip.SetPixel(x, y, x % 10 == 0 && y == 9 ? clFuchsia : colors[x / 10]);
  const auto glyphs = BitmapOf(strip);
  auto target = FilledBitmap(30, 30, clWhite);
  DrawGlyph(target->Canvas(), 5, 6, glyphs.get(), 4, 2);
  const TPixelImage image = target->ToPixelImage();
  EXPECT_EQ(image.Pixel(5, 6), clLime);
  EXPECT_EQ(image.Pixel(14, 15), clLime);
  EXPECT_EQ(image.Pixel(5, 15), clWhite);  // transparent
  EXPECT_EQ(image.Pixel(15, 6), clWhite);
  EXPECT_EQ(image.Pixel(5, 16), clWhite);

  for (const auto& [count, number] : {std::pair{0, 1}, std::pair{4, 0}, std::pair{4, 5}, std::pair{41, 1}}) {
    auto untouched = FilledBitmap(30, 30, clWhite);
    DrawGlyph(untouched->Canvas(), 5, 6, glyphs.get(), count, number);
    EXPECT_EQ(untouched->ToPixelImage().Pixel(5, 6), clWhite) << count << " " << number;
  }
  TBitmap empty;
  DrawGlyph(target->Canvas(), 0, 0, &empty, 1, 1);
  EXPECT_EQ(target->ToPixelImage().Pixel(0, 0), clWhite);
}

// Past a few tiles a tiled piece is filled at once with a pattern brush of one tile: the
// pixels are those of the tiles copied one by one, stretched tiles (sthorz, stvert)
// included.
TEST(SkinImages, ManyTilesFilledAtOnceShowWhatTheTilesCopiedOneByOneShow) {
  for (TNinePartCase c : NinePartCases()) {
    c.Width = c.Width * 6 + 7;  // dozens of tiles in every tiled piece
    c.Height = c.Height * 5 + 3;
    const auto picture = BitmapOf(NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight));
    TBitmap image;
    Build(CreateSkinImage, c, *picture, image);
    EXPECT_EQ(NinePartMismatches(c, image.ToPixelImage()), std::vector<std::string>{}) << c.Name;
  }
}

// The pattern is laid from the piece's own corner also where the canvas's origin is moved
// (a windowless control drawn into its parent's DC) and only the clip box is filled.
TEST(SkinImages, APatternFillKeepsItsPlaceUnderAMovedOriginAndWithinTheClip) {
  const TNinePartCase c = NinePartCases().front();
  const TPixelImage pixels = NinePartPicture(c, NinePartPictureWidth, NinePartPictureHeight);
  const auto picture = BitmapOf(pixels);
  const TPiecePlan plan = SkinClientPlan({0, 0, 3, 2}, {2, 1, 100, 80}, {7, 5, 10, 7}, 100, 80, {}, false);
  ASSERT_GT(TileCount(plan.front(), {0, 0, 100, 80}), 1000);
  TPixelImage want(100, 80);
  RenderPlan(plan, pixels, want);
  const auto target = FilledBitmap(130, 100, RGBColor(9, 9, 9));
  TCanvas& canvas = *target->Canvas();
  SetViewportOrgEx(canvas.Handle(), 11, 6, nullptr);
  const TRect clip{20, 10, 77, 63};  // logical
  IntersectClipRect(canvas.Handle(), clip.Left, clip.Top, clip.Right, clip.Bottom);
  DrawPlanWithinClip(canvas, picture.get(), plan);
  const TPixelImage got = target->ToPixelImage();
  int wrong = 0;
  for (int32_t y = 0; y < 80; ++y)
    for (int32_t x = 0; x < 100; ++x) {
      const TColor expected = PtInRect(clip, {x, y}) ? want.Pixel(x, y) : RGBColor(9, 9, 9);
      wrong += got.Pixel(x + 11, y + 6) != expected;
    }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
