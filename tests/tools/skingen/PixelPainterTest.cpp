// The generator's drawing: blends, coverage of rounded shapes, boxes, gradients, masks
// and glyphs, all in integer arithmetic.
#include "PixelPainter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr TColor Under = RGBColor(10, 20, 30);
constexpr TColor Edge = RGBColor(200, 100, 0);
constexpr TColor Top = RGBColor(250, 250, 250);
constexpr TColor Bottom = RGBColor(100, 150, 200);

TEST(PixelPainterTest, MixRoundsEachChannelAndClampsTheWeight) {
  EXPECT_EQ(MixColors(Under, Edge, 0), Under);
  EXPECT_EQ(MixColors(Under, Edge, 256), Edge);
  EXPECT_EQ(MixColors(RGBColor(0, 0, 0), RGBColor(255, 1, 3), 128),
            RGBColor(128, 1, 2));  // halves up
  EXPECT_EQ(MixColors(Under, Edge, 300), Edge);
  EXPECT_EQ(MixColors(Under, Edge, -5), Under);
}

TEST(PixelPainterTest, RoundedCoverageIsFullInsidePartOnTheCurveAndMirrored) {
  const TRect r{2, 3, 22, 17};
  EXPECT_EQ(RoundRectCoverage(r, 5, cnAll, 12, 10), 16);
  EXPECT_EQ(RoundRectCoverage(r, 5, cnAll, 1, 10), 0);
  EXPECT_EQ(RoundRectCoverage(r, 5, cnAll, 2, 3), 0);  // the corner pixel lies outside the curve
  const int curve = RoundRectCoverage(r, 5, cnAll, 3, 4);
  EXPECT_GT(curve, 0);
  EXPECT_LT(curve, 16);
  // The four corners see the same curve.
  EXPECT_EQ(RoundRectCoverage(r, 5, cnAll, 20, 4), curve);
  EXPECT_EQ(RoundRectCoverage(r, 5, cnAll, 3, 15), curve);
  EXPECT_EQ(RoundRectCoverage(r, 5, cnAll, 20, 15), curve);
  // Square corners where none are asked for; a radius too large for the box is cut.
  EXPECT_EQ(RoundRectCoverage(r, 5, cnTop, 2, 16), 16);
  EXPECT_EQ(RoundRectCoverage(r, 50, cnAll, 12, 10), 16);
}

TEST(PixelPainterTest, ABoxHasItsBorderItsFillRunningDownAndSoftCorners) {
  TPixelImage image(20, 12);
  TPixelPainter p(image);
  p.Fill({0, 0, 20, 12}, Under);
  p.Box({0, 0, 20, 12}, {Edge, Top, Bottom, 4});
  EXPECT_EQ(image.Pixel(10, 0), Edge);  // straight edges are the border
  EXPECT_EQ(image.Pixel(0, 6), Edge);
  EXPECT_EQ(image.Pixel(10, 1), Top);      // the fill's first row
  EXPECT_EQ(image.Pixel(10, 10), Bottom);  // and its last
  EXPECT_EQ(image.Pixel(0, 0), Under);     // outside the curve
  const TColor soft = image.Pixel(1, 1);   // on the curve: part border, part fill
  EXPECT_NE(soft, Edge);
  EXPECT_NE(soft, Top);
  EXPECT_EQ(image.Pixel(19, 6), Edge);
}

TEST(PixelPainterTest, GradientsRunFromTheirFirstToTheirLastColour) {
  TPixelImage image(5, 9);
  TPixelPainter p(image);
  p.VerticalGradient({0, 0, 5, 9}, Top, Bottom);
  EXPECT_EQ(image.Pixel(2, 0), Top);
  EXPECT_EQ(image.Pixel(2, 8), Bottom);
  for (int32_t y = 1; y < 9; ++y) EXPECT_LE(RedOf(image.Pixel(0, y)), RedOf(image.Pixel(0, y - 1)));
  p.HorizontalGradient({0, 0, 5, 1}, Bottom, Top);
  EXPECT_EQ(image.Pixel(0, 0), Bottom);
  EXPECT_EQ(image.Pixel(4, 0), Top);
  EXPECT_EQ(image.Pixel(2, 0), RGBColor(175, 200, 225));
}

TEST(PixelPainterTest, AMaskIsBlackInsideTheRoundedShapeOnly) {
  const TPixelImage mask = RoundMask(16, 10, {0, 0, 16, 10}, 4);
  EXPECT_EQ(mask.Pixel(8, 5), clBlack);
  EXPECT_EQ(mask.Pixel(8, 0), clBlack);
  for (auto [x, y] : {std::pair{0, 0}, std::pair{15, 0}, std::pair{0, 9}, std::pair{15, 9}})
    EXPECT_EQ(mask.Pixel(x, y), clWhite) << x << "," << y;
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 16; ++x) EXPECT_EQ(mask.Pixel(x, y), mask.Pixel(15 - x, 9 - y));
}

TEST(PixelPainterTest, GlyphsBlendTheirCellsAndStayInsideTheImage) {
  static const char* const rows[] = {"#+-.", "...#"};
  const TPixelGlyph glyph{rows};
  EXPECT_EQ(glyph.Width(), 4);
  EXPECT_EQ(glyph.Height(), 2);
  TPixelImage image(6, 3);
  TPixelPainter p(image);
  p.Fill({0, 0, 6, 3}, clWhite);
  p.Glyph(glyph, 1, 1, clBlack);
  EXPECT_EQ(image.Pixel(1, 1), clBlack);
  EXPECT_EQ(image.Pixel(2, 1), RGBColor(128, 128, 128));
  EXPECT_EQ(image.Pixel(3, 1), RGBColor(191, 191, 191));
  EXPECT_EQ(image.Pixel(4, 1), clWhite);
  p.Glyph(glyph, 4, 2, clBlack);    // runs past the right and bottom edges
  p.Glyph(glyph, -3, -1, clBlack);  // and past the left and top ones
  EXPECT_EQ(image.Pixel(0, 0), clBlack);
  p.GlyphCentred(Glyphs::CheckMark, {0, 0, 6, 3}, clBlack);  // bigger than the image
}

TEST(PixelPainterTest, EveryGlyphHasRowsOfOneWidth) {
  for (const TPixelGlyph* g :
       {&Glyphs::Close,        &Glyphs::Maximize,  &Glyphs::Restore,     &Glyphs::Minimize,
        &Glyphs::RollUp,       &Glyphs::RollDown,  &Glyphs::ToTray,      &Glyphs::Note,
        &Glyphs::SmallClose,   &Glyphs::CheckMark, &Glyphs::MenuCheck,   &Glyphs::GrayedMark,
        &Glyphs::RadioDot,     &Glyphs::ChevronUp, &Glyphs::ChevronDown, &Glyphs::ChevronLeft,
        &Glyphs::ChevronRight, &Glyphs::SmallUp,   &Glyphs::SmallDown,   &Glyphs::Grip,
        &Glyphs::GripDotsH,    &Glyphs::GripDotsV})
    for (const char* row : g->Rows)
      EXPECT_EQ(static_cast<int32_t>(std::strlen(row)), g->Width()) << row;
  EXPECT_EQ(LabelFontGlyph('a').Width(), 3);
  EXPECT_EQ(LabelFontGlyph('a').Height(), 5);
  EXPECT_EQ(LabelFontGlyph('?').Weight(1, 2), 0);  // unknown characters are blank
}

}  // namespace
