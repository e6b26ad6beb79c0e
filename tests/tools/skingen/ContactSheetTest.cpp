// The contact sheet shows each picture enlarged, with its entries' rectangles outlined
// just outside them.
#include "ContactSheet.h"

#include "skin/data/SkinButtonData.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr TColor Fill = RGBColor(1, 200, 3);
constexpr TColor Spot = RGBColor(250, 4, 5);

// The top-left pixel of the first run of Colour on the sheet, row by row.
std::optional<TPoint> Find(const TPixelImage& Sheet, TColor Colour) {
  for (int32_t y = 0; y < Sheet.Height(); ++y)
    for (int32_t x = 0; x < Sheet.Width(); ++x)
      if (Sheet.Pixel(x, y) == Colour) return TPoint{x, y};
  return std::nullopt;
}

TEST(ContactSheetTest, APictureIsEnlargedAndItsRectanglesOutlined) {
  TspSkinData skin(nullptr);
  TPixelImage picture(5, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 5; ++x) picture.SetPixel(x, y, Fill);
  picture.SetPixel(1, 1, Spot);
  skin.ActivePictures.push_back(picture);
  skin.ActivePicturesNames.Add("parts.bmp");
  auto button = std::make_unique<TspDataSkinButtonControl>("button");
  button->PictureIndex = 0;
  button->SkinRect = {1, 1, 3, 3};
  skin.CtrlList.push_back(std::move(button));

  const TPixelImage sheet = ContactSheet(skin);
  const std::optional<TPoint> origin = Find(sheet, Fill);
  ASSERT_TRUE(origin);
  const int32_t s = ContactSheetScale;
  // Picture pixels (1, 1) and (4, 3) as blocks of s x s; the outline of the rectangle
  // lies on neither.
  for (int32_t y = 0; y < s; ++y)
    for (int32_t x = 0; x < s; ++x) {
      EXPECT_EQ(sheet.Pixel(origin->X + s + x, origin->Y + s + y), Spot);
      EXPECT_EQ(sheet.Pixel(origin->X + 4 * s + x, origin->Y + 3 * s + y), Fill);
    }
  // The outline runs one sheet pixel outside the rectangle (1, 1, 3, 3).
  const TColor outline = sheet.Pixel(origin->X + s - 1, origin->Y + s - 1);
  EXPECT_NE(outline, Fill);
  EXPECT_NE(outline, Spot);
  EXPECT_EQ(sheet.Pixel(origin->X + 3 * s, origin->Y + 2 * s), outline);
}

}  // namespace
