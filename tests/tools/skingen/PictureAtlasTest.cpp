// Atlas allocation: rectangles side by side in rows, apart by the gap, never past the
// canvas's width, and a picture cut to what was handed out.
#include "PictureAtlas.h"

#include "PixelPainter.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

bool Overlap(const TRect& A, const TRect& B) { return !IsRectEmpty(IntersectRect(A, B)); }

TEST(PictureAtlasTest, RectanglesFillRowsAndKeepTheirGap) {
  TPictureAtlas atlas(40, clWhite, 2);
  const TRect a = atlas.Allocate(10, 5), b = atlas.Allocate(20, 8), c = atlas.Allocate(10, 3);
  EXPECT_EQ(a, Bounds(2, 2, 10, 5));
  EXPECT_EQ(b, Bounds(14, 2, 20, 8));  // beside a, two pixels apart
  EXPECT_EQ(c, Bounds(2, 12, 10, 3));  // no room left: a new row under the tallest
  atlas.NewRow();
  const TRect d = atlas.Allocate(36, 1);
  EXPECT_EQ(d, Bounds(2, 17, 36, 1));
  for (const TRect& r : {a, b, c, d}) EXPECT_LE(r.Right + 2, 40);
  for (const TRect& r : {b, c, d}) EXPECT_FALSE(Overlap(InflateRect(a, 1, 1), r));
  EXPECT_THROW(atlas.Allocate(37, 1), EInvalidGraphic);
  EXPECT_THROW(atlas.Allocate(0, 4), EInvalidGraphic);
}

TEST(PictureAtlasTest, ThePictureIsCutToWhatWasHandedOutAndKeepsItsPixels) {
  TPictureAtlas atlas(100, clWhite, 2);
  EXPECT_TRUE(atlas.Picture().Empty());
  const TRect r = atlas.Allocate(5, 4);
  TPixelPainter(atlas.Canvas()).Fill(r, clRed);
  atlas.Allocate(3, 30);  // grows the canvas downwards
  const TPixelImage picture = atlas.Picture();
  EXPECT_EQ(picture.Width(), 2 + 5 + 2 + 3 + 2);
  EXPECT_EQ(picture.Height(), 2 + 30 + 2);
  EXPECT_EQ(picture.Pixel(r.Left, r.Top), clRed);
  EXPECT_EQ(picture.Pixel(r.Right - 1, r.Bottom - 1), clRed);
  EXPECT_EQ(picture.Pixel(r.Right, r.Top), clWhite);
  EXPECT_EQ(picture.Pixel(0, picture.Height() - 1), clWhite);  // the grown part is background
}

}  // namespace
