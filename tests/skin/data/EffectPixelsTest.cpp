#include "skin/data/EffectPixels.h"

#include "base/Exceptions.h"
#include "base/PixelImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// A 24-bit image and the effect view of its pixels.
struct TImage {
  TPixelImage Pixels;
  TEffectPixels View;
  TImage(int32_t Width, int32_t Height) : Pixels(Width, Height), View(Pixels.Bits(), Width, Height) {}
  // Every channel of every pixel.
  void Fill(uint8_t Value) {
    for (int32_t y = 0; y < View.Height(); ++y)
      for (int32_t x = 0; x < View.Width(); ++x) View.SetPixel(x, y, Value * 0x010101);
  }
  // Gray levels along the rows (Horizontal) or down the columns: Base + index.
  void Ramp(uint8_t Base, bool Horizontal = true) {
    for (int32_t y = 0; y < View.Height(); ++y)
      for (int32_t x = 0; x < View.Width(); ++x)
        View.SetPixel(x, y, (Base + (Horizontal ? x : y)) * 0x010101);
  }
  // The blue channel of pixel i along the first row (Horizontal) or the first column.
  std::vector<int> Line(bool Horizontal = true) const {
    std::vector<int> values;
    const int32_t count = Horizontal ? View.Width() : View.Height();
    for (int32_t i = 0; i < count; ++i)
      values.push_back(View.GetPixel(Horizontal ? i : 0, Horizontal ? 0 : i) & 0xFF);
    return values;
  }
  int Channel(int32_t X, int32_t Y, int Shift) const { return (View.GetPixel(X, Y) >> Shift) & 0xFF; }
};

using TMorph = void (TEffectPixels::*)(const TEffectPixels&, double);

struct TNamedMorph {
  const char* Name;
  TMorph Routine;
};

const TNamedMorph Morphs[] = {
    {"Morph", &TEffectPixels::Morph},
    {"MorphGrad", &TEffectPixels::MorphGrad},
    {"MorphHGrad", &TEffectPixels::MorphHGrad},
    {"MorphVGrad", &TEffectPixels::MorphVGrad},
    {"MorphLeftGrad", &TEffectPixels::MorphLeftGrad},
    {"MorphRightGrad", &TEffectPixels::MorphRightGrad},
    {"MorphLeftSlide", &TEffectPixels::MorphLeftSlide},
    {"MorphRightSlide", &TEffectPixels::MorphRightSlide},
    {"MorphPush", &TEffectPixels::MorphPush},
};

TEST(EffectPixels, RowsArePaddedToFourBytesAndPixelsAreBlueGreenRed) {
  EXPECT_EQ(TEffectPixels::RowSize(5), 16);
  EXPECT_EQ(TEffectPixels::RowSize(4), 12);
  EXPECT_EQ(TEffectPixels::RowSize(1), 4);
  TImage image(5, 3);
  EXPECT_EQ(image.View.Size(), 48);

  image.View.SetPixel(4, 2, 0x7F112233);
  const uint8_t* p = image.View.GetScanLine(2) + 12;
  EXPECT_EQ(p[0], 0x33);
  EXPECT_EQ(p[1], 0x22);
  EXPECT_EQ(p[2], 0x11);
  EXPECT_EQ(image.View.GetPixel(4, 2), 0x112233);  // the fourth byte is not a pixel byte
  EXPECT_EQ(image.View.GetScanLine(1), image.View.Bits() + 16);

  uint8_t line[15];
  image.View.GetLine(2, line);
  EXPECT_EQ(line[12], 0x33);
  line[0] = 0x44;
  image.View.SetLine(0, line);
  EXPECT_EQ(image.View.GetPixel(0, 0), 0x44);
  EXPECT_EQ(image.View.GetPixel(4, 0), 0x112233);
  EXPECT_EQ(image.View.GetScanLine(0)[15], 0);  // the padding byte stays

  EXPECT_THROW(image.View.GetPixel(5, 0), ERangeError);
  EXPECT_THROW(image.View.SetPixel(0, -1, 0), ERangeError);
  EXPECT_THROW(image.View.GetScanLine(3), ERangeError);
}

TEST(EffectPixels, CrossFadeRoundsHalvesToEvenAndClampsTheFactor) {
  TImage black(1, 1), white(1, 1);
  white.Fill(255);
  black.View.Morph(white.View, 0.5);
  EXPECT_EQ(black.View.GetPixel(0, 0), 0x808080);  // 127.5 gives 128

  const struct {
    uint8_t From, To;
    double Kf;
    int Expected;
  } cases[] = {
      {1, 2, 0.5, 2},  // 1.5
      {2, 3, 0.5, 2},  // 2.5
      {100, 200, 0.25, 125}, {100, 200, -1, 100},
      {100, 200, 2, 200},    {100, 200, std::numeric_limits<double>::quiet_NaN(), 100},
  };
  for (const auto& c : cases) {
    TImage image(1, 1), other(1, 1);
    image.Fill(c.From);
    other.Fill(c.To);
    image.View.Morph(other.View, c.Kf);
    EXPECT_EQ(image.View.GetPixel(0, 0), c.Expected * 0x010101) << +c.From << " " << c.Kf;
  }
}

TEST(EffectPixels, EveryMorphLeavesBitmapsOfAnotherSizeAlone) {
  for (const TNamedMorph& morph : Morphs) {
    for (const auto& size : {std::pair{4, 2}, std::pair{3, 3}}) {
      TImage image(3, 2), other(size.first, size.second);
      image.Fill(10);
      other.Fill(200);
      (image.View.*morph.Routine)(other.View, 0.5);
      EXPECT_EQ(image.Line(), (std::vector<int>{10, 10, 10})) << morph.Name;
    }
  }
}

// The blends of the gradient morphs at their end factors: each column shows k * this +
// (1 - k) * other, this = 30 and other = 90 (so every k below gives a whole number).
TEST(EffectPixels, GradientMorphsAtFactorsZeroAndOne) {
  const double third = 1.0 / 3, sixth = 1.0 / 6;
  const struct {
    TMorph Routine;
    const char* Name;
    double Kf;
    std::vector<double> K;  // per column, as many as the width
  } cases[] = {
      {&TEffectPixels::MorphHGrad, "HGrad", 0, {0}},
      {&TEffectPixels::MorphHGrad, "HGrad", 0, {1, 0}},
      {&TEffectPixels::MorphHGrad, "HGrad", 0, {1, 0.5, 0, 0.5, 1}},
      {&TEffectPixels::MorphHGrad, "HGrad", 0, {1, 2 * third, third, 0, third, 2 * third}},
      {&TEffectPixels::MorphHGrad, "HGrad", 1, {0}},
      {&TEffectPixels::MorphHGrad, "HGrad", 1, {0, 0}},
      {&TEffectPixels::MorphHGrad, "HGrad", 1, {0, 0, 0, 0, 0}},
      {&TEffectPixels::MorphHGrad, "HGrad", 1, {0, 0, 0, 0, 0, 0}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 0, {0}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 0, {0, 1}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 0, {0, 1, 1, 1, 1}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 0, {0, 1, 1, 1, 1, 1}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 1, {0}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 1, {0, 1}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 1, {0, 0.25, 0.5, 0.75, 1}},
      {&TEffectPixels::MorphLeftGrad, "LeftGrad", 1, {0, 0.2, 0.4, 0.6, 0.8, 1}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 0, {0}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 0, {1, 0}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 0, {1, 1, 1, 1, 0}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 0, {1, 1, 1, 1, 1, 0}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 1, {0}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 1, {0.5, 0}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 1, {0.8, 0.6, 0.4, 0.2, 0}},
      {&TEffectPixels::MorphRightGrad, "RightGrad", 1, {5 * sixth, 4 * sixth, 0.5, 2 * sixth, sixth, 0}},
      {&TEffectPixels::Morph, "Morph", 0, {1, 1, 1, 1, 1}},
      {&TEffectPixels::Morph, "Morph", 1, {0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const auto width = static_cast<int32_t>(c.K.size());
    std::vector<int> expected;
    for (double k : c.K) expected.push_back(static_cast<int>(std::lround(30 * k + 90 * (1 - k))));
    TImage image(width, 2), other(width, 2);
    image.Fill(30);
    other.Fill(90);
    (image.View.*c.Routine)(other.View, c.Kf);
    EXPECT_EQ(image.Line(), expected) << c.Name << " width " << width << " Kf " << c.Kf;

    // MorphGrad takes the horizontal gradient for rows at least as long as the bitmap
    // is high, the vertical one (the same along the columns) otherwise.
    if (c.Routine != &TEffectPixels::MorphHGrad) continue;
    TImage row(width, 1), rowOther(width, 1), column(1, width), columnOther(1, width);
    row.Fill(30);
    rowOther.Fill(90);
    column.Fill(30);
    columnOther.Fill(90);
    row.View.MorphGrad(rowOther.View, c.Kf);
    column.View.MorphGrad(columnOther.View, c.Kf);
    EXPECT_EQ(row.Line(), expected) << "Grad of a row, width " << width;
    EXPECT_EQ(column.Line(false), expected) << "Grad of a column, height " << width;
  }
}

// Slides and push move whole columns: this image's column x holds 10 + x, Other's 100 + x.
TEST(EffectPixels, SlidesAndPushAtFactorsZeroAndOne) {
  const struct {
    TMorph Routine;
    const char* Name;
    double Kf;
    std::vector<int> Columns;
  } cases[] = {
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 0, {10}},
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 0, {101, 11}},
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 0, {104, 11, 12, 13, 14}},
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 0, {105, 11, 12, 13, 14, 15}},
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 1, {10}},
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 1, {101, 11}},
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 1, {101, 102, 103, 104, 14}},
      {&TEffectPixels::MorphLeftSlide, "LeftSlide", 1, {101, 102, 103, 104, 105, 15}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 0, {10}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 0, {10, 100}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 0, {10, 11, 12, 13, 100}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 0, {10, 11, 12, 13, 14, 100}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 1, {10}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 1, {10, 100}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 1, {10, 100, 101, 102, 103}},
      {&TEffectPixels::MorphRightSlide, "RightSlide", 1, {10, 100, 101, 102, 103, 104}},
      {&TEffectPixels::MorphPush, "Push", 0, {100}},
      {&TEffectPixels::MorphPush, "Push", 0, {101, 10}},
      {&TEffectPixels::MorphPush, "Push", 0, {104, 10, 11, 12, 13}},
      {&TEffectPixels::MorphPush, "Push", 0, {105, 10, 11, 12, 13, 14}},
      {&TEffectPixels::MorphPush, "Push", 1, {100}},
      {&TEffectPixels::MorphPush, "Push", 1, {100, 101}},
      {&TEffectPixels::MorphPush, "Push", 1, {100, 101, 102, 103, 104}},
      {&TEffectPixels::MorphPush, "Push", 1, {100, 101, 102, 103, 104, 105}},
  };
  for (const auto& c : cases) {
    const auto width = static_cast<int32_t>(c.Columns.size());
    TImage image(width, 3), other(width, 3);
    image.Ramp(10);
    other.Ramp(100);
    (image.View.*c.Routine)(other.View, c.Kf);
    EXPECT_EQ(image.Line(), c.Columns) << c.Name << " width " << width << " Kf " << c.Kf;
  }
}

TEST(EffectPixels, PushHalfWayMovesThisImageRightBehindOthersRightEnd) {
  TImage image(6, 1), other(6, 1);
  image.Ramp(10);
  other.Ramp(100);
  image.View.MorphPush(other.View, 0.5);  // S = 3: a shift of 4 columns
  EXPECT_EQ(image.Line(), (std::vector<int>{102, 103, 104, 105, 10, 11}));
}

TEST(EffectPixels, MorphsOutsideTheFactorRangeStayInsideTheBitmap) {
  // Factors far outside 0..1 act as the nearer end; NaN as 0.
  for (const TNamedMorph& morph : Morphs) {
    for (double kf :
         {-5.0, 7.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
      TImage image(5, 4), other(5, 4), expected(5, 4), expectedOther(5, 4);
      image.Ramp(10);
      other.Ramp(100);
      expected.Ramp(10);
      expectedOther.Ramp(100);
      (image.View.*morph.Routine)(other.View, kf);
      (expected.View.*morph.Routine)(expectedOther.View, std::isnan(kf) || kf < 0 ? 0.0 : 1.0);
      EXPECT_EQ(image.Line(), expected.Line()) << morph.Name << " " << kf;
      EXPECT_EQ(image.Line(false), expected.Line(false)) << morph.Name << " " << kf;
    }
  }
}

TEST(EffectPixels, MorphRectBlendsOnlyTheRectangleWithOthersPixelsFromAnOrigin) {
  TImage image(4, 3), other(3, 2);
  other.Ramp(100);  // columns 100, 101, 102
  image.View.MorphRect(other.View, TRect{1, 1, 3, 3}, 1, 1, 0);
  EXPECT_EQ(image.Line(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(image.Channel(0, 1, 0), 0);
  EXPECT_EQ(image.Channel(1, 1, 0), 101);
  EXPECT_EQ(image.Channel(2, 2, 0), 102);
  EXPECT_EQ(image.Channel(3, 2, 0), 0);

  // Half way; the part of R outside this bitmap is left out.
  TImage faded(4, 3);
  faded.View.MorphRect(other.View, TRect{2, 1, 9, 9}, 0.5, 1, 0);
  EXPECT_EQ(faded.Channel(1, 1, 0), 0);
  EXPECT_EQ(faded.Channel(2, 1, 0), 50);  // round(50.5) to even
  EXPECT_EQ(faded.Channel(3, 2, 0), 51);  // column 2 of Other: 102 / 2
  // Reads past Other's edge take its last column and row.
  TImage edge(4, 3);
  edge.View.MorphRect(other.View, TRect{2, 1, 4, 3}, 1, 2, 1);
  EXPECT_EQ(edge.Channel(2, 1, 0), 102);
  EXPECT_EQ(edge.Channel(3, 2, 0), 102);
  TImage untouched(4, 3);
  untouched.View.MorphRect(other.View, TRect{5, 5, 2, 2}, 1, 0, 0);
  untouched.View.MorphRect(other.View, TRect{-9, -9, 0, 3}, 1, 0, 0);
  EXPECT_EQ(untouched.Line(), (std::vector<int>{0, 0, 0, 0}));
}

TEST(EffectPixels, BrightnessAndDarknessBlendTowardsWhiteAndBlack) {
  TImage image(3, 1);
  image.View.SetPixel(0, 0, 0);
  image.View.SetPixel(1, 0, 0xFFFFFF);
  image.View.SetPixel(2, 0, 0x646464);  // 100
  image.View.ChangeBrightness(0.5);
  EXPECT_EQ(image.Line(), (std::vector<int>{128, 255, 178}));  // 127.5 and 177.5 to even

  TImage dark(3, 1);
  dark.View.SetPixel(0, 0, 0);
  dark.View.SetPixel(1, 0, 0x646464);
  dark.View.SetPixel(2, 0, 0xFFFFFF);
  dark.View.ChangeDarkness(0.3);
  EXPECT_EQ(dark.Line(), (std::vector<int>{0, 70, 178}));

  dark.View.ChangeDarkness(-1);  // clamped to 0: nothing changes
  EXPECT_EQ(dark.Line(), (std::vector<int>{0, 70, 178}));
  dark.View.ChangeBrightness(4);  // clamped to 1: white
  EXPECT_EQ(dark.Line(), (std::vector<int>{255, 255, 255}));
}

TEST(EffectPixels, GrayScaleWeighsRedGreenAndBlue) {
  TImage image(5, 1);
  const int32_t colors[] = {0xFFFFFF, 0, 0xFF0000, 0x00FF00, 0x0000FF};  // blue lowest
  for (int32_t x = 0; x < 5; ++x) image.View.SetPixel(x, 0, colors[x]);
  image.View.GrayScale();
  const int grays[] = {255, 0, 76, 150, 28};  // red 0.3, green 0.59, blue 0.11
  for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(image.View.GetPixel(x, 0), grays[x] * 0x010101) << x;
}

TEST(EffectPixels, InvertAndNoise) {
  TImage image(2, 1);
  image.View.SetPixel(0, 0, 0x00FF10);
  image.View.SetPixel(1, 0, 0x7F8081);
  image.View.Invert();
  EXPECT_EQ(image.View.GetPixel(0, 0), 0xFF00EF);
  EXPECT_EQ(image.View.GetPixel(1, 0), 0x807F7E);

  // One value per pixel, the same on all three channels, within the amount.
  TImage noisy(16, 8);
  noisy.Fill(128);
  noisy.View.AddMonoNoise(50);
  std::vector<int> offsets;
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 16; ++x) {
      const int n = noisy.Channel(x, y, 0) - 128;
      EXPECT_EQ(noisy.Channel(x, y, 8) - 128, n);
      EXPECT_EQ(noisy.Channel(x, y, 16) - 128, n);
      EXPECT_GE(n, -25);
      EXPECT_LE(n, 24);
      offsets.push_back(n);
    }
  EXPECT_NE(std::count(offsets.begin(), offsets.end(), offsets[0]), 128) << "no noise at all";

  TImage bright(16, 8);
  bright.Fill(250);
  bright.View.AddMonoNoise(50);
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 16; ++x) EXPECT_GE(bright.Channel(x, y, 0), 225);  // clamped at 255 above

  TImage calm(4, 1);
  calm.Fill(9);
  calm.View.AddMonoNoise(0);
  calm.View.AddMonoNoise(1);
  calm.View.AddMonoNoise(-20);
  EXPECT_EQ(calm.Line(), (std::vector<int>{9, 9, 9, 9}));
}

TEST(EffectPixels, SplitBlurReadsWhatItHasAlreadyChangedAndStaysInsideAtTheEdges) {
  TImage row(3, 1);
  row.Ramp(0);
  row.View.SetPixel(1, 0, 100 * 0x010101);
  row.View.SetPixel(2, 0, 200 * 0x010101);
  row.View.SplitBlur(1);
  // x = 0: (p0 + p1) / 2; x = 1: with the new p0; x = 2: its right column is
  // Width - x = 1, the new p1.
  EXPECT_EQ(row.Line(), (std::vector<int>{50, 125, 125}));

  TImage column(1, 4);
  for (int32_t y = 0; y < 4; ++y) column.View.SetPixel(0, y, 40 * y * 0x010101);
  column.View.SplitBlur(1);
  // The last row's lower row is Height - y = row 1, as this pass left it.
  EXPECT_EQ(column.Line(false), (std::vector<int>{20, 50, 85, 67}));

  // An amount past the height or width reads the last row and column.
  TImage small(1, 2);
  small.View.SetPixel(0, 1, 100 * 0x010101);
  small.View.SplitBlur(5);
  EXPECT_EQ(small.Line(false), (std::vector<int>{50, 100}));
  small.View.SplitBlur(-7);
  small.View.SplitBlur(std::numeric_limits<int32_t>::max());
  small.View.SplitBlur(std::numeric_limits<int32_t>::min());

  TImage unchanged(2, 2);
  unchanged.Ramp(7);
  unchanged.View.SplitBlur(0);
  EXPECT_EQ(unchanged.Line(), (std::vector<int>{7, 8}));
}

TEST(EffectPixels, RotationsAndFlipOfANonSquareImage) {
  // 3 x 2:  a b c
  //         d e f
  TImage image(3, 2);
  const int32_t a = 1, b = 2, c = 3, d = 4, e = 5, f = 6;
  const int32_t source[2][3] = {{a, b, c}, {d, e, f}};
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) image.View.SetPixel(x, y, source[y][x]);
  const auto rows = [](const TImage& i) {
    std::vector<std::vector<int32_t>> result(i.View.Height());
    for (int32_t y = 0; y < i.View.Height(); ++y)
      for (int32_t x = 0; x < i.View.Width(); ++x) result[y].push_back(i.View.GetPixel(x, y));
    return result;
  };
  using TRows = std::vector<std::vector<int32_t>>;

  TImage left(2, 3), right(2, 3), flipped(3, 2);
  image.View.RotateLeftTo(left.View);
  image.View.RotateRightTo(right.View);
  image.View.FlipVertTo(flipped.View);
  EXPECT_EQ(rows(left), (TRows{{c, f}, {b, e}, {a, d}}));
  EXPECT_EQ(rows(right), (TRows{{d, a}, {e, b}, {f, c}}));
  EXPECT_EQ(rows(flipped), (TRows{{d, e, f}, {a, b, c}}));

  // A destination of the wrong size is left alone.
  TImage wrong(3, 2), wrongFlip(2, 3);
  image.View.RotateLeftTo(wrong.View);
  image.View.RotateRightTo(wrong.View);
  image.View.FlipVertTo(wrongFlip.View);
  EXPECT_EQ(rows(wrong), (TRows{{0, 0, 0}, {0, 0, 0}}));
  EXPECT_EQ(rows(wrongFlip), (TRows{{0, 0}, {0, 0}, {0, 0}}));
}

TEST(EffectPixels, AnEmptyBitmapDoesNothing) {
  TEffectPixels empty;
  TEffectPixels none(nullptr, 5, 5);
  EXPECT_EQ(none.Width(), 0);
  TImage other(1, 1);
  for (const TNamedMorph& morph : Morphs) (empty.*morph.Routine)(empty, 0.5);
  empty.MorphRect(other.View, TRect{0, 0, 1, 1}, 1, 0, 0);
  other.View.MorphRect(empty, TRect{0, 0, 1, 1}, 1, 0, 0);
  empty.ChangeBrightness(0.5);
  empty.GrayScale();
  empty.SplitBlur(1);
  empty.AddMonoNoise(50);
  empty.RotateLeftTo(empty);
  empty.FlipVertTo(empty);
  EXPECT_EQ(other.View.GetPixel(0, 0), 0);
}

}  // namespace
