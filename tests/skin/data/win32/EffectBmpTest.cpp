#include "Win32Pictures.h"

#include "skin/data/win32/EffectBmp.h"

#include "classlib/DeviceContexts.h"

#include <gtest/gtest.h>

namespace {

// GetPixel's value of an RGB colour: blue in the lowest byte.
int32_t PixelValue(TColor Color) { return BlueOf(Color) | (GreenOf(Color) << 8) | (RedOf(Color) << 16); }

TEST(EffectBmp, CreateSizeMakesABlackTopDownSectionOfTwentyFourBits) {
  const auto bmp = TspEffectBmp::CreateSize(5, 3);
  ASSERT_NE(bmp->Handle(), nullptr);
  EXPECT_EQ(bmp->Width(), 5);
  EXPECT_EQ(bmp->Height(), 3);
  EXPECT_EQ(bmp->Size(), 48);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(bmp->Handle(), sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmBits, bmp->Bits());
  EXPECT_EQ(section.dsBm.bmWidthBytes, 16);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
  EXPECT_EQ(bmp->Header().biHeight, -3);  // top-down
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(bmp->GetPixel(x, y), 0);

  const auto none = TspEffectBmp::CreateSize(0, 4);
  EXPECT_EQ(none->Handle(), nullptr);
  EXPECT_EQ(none->Width(), 0);
}

TEST(EffectBmp, ACopyOfABitmapHasItsSizeAndPixels) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    auto source = FilledBitmap(7, 4, RGBColor(10, 20, 30), format);
    source->Canvas()->SetPixels(6, 3, RGBColor(200, 100, 50));  // drawn through its canvas's DC
    const auto copy = TspEffectBmp::CreateFromHBitmap(source->Handle());
    ASSERT_EQ(copy->Width(), 7);
    ASSERT_EQ(copy->Height(), 4);
    EXPECT_EQ(copy->GetPixel(0, 0), PixelValue(RGBColor(10, 20, 30)));
    EXPECT_EQ(copy->GetPixel(6, 3), PixelValue(RGBColor(200, 100, 50)));
  }
}

TEST(EffectBmp, ABitmapHeldByAnotherDCIsReadWithoutSelectingIt) {
  const TGdiObject<HBITMAP> device(CreateCompatibleBitmap(TWindowDC(nullptr).DC(), 6, 2));
  const TMemoryDC dc(nullptr);
  const TSelectedObject selected(dc.DC(), device.get());
  const TGdiObject<HBRUSH> blue(CreateSolidBrush(RGB(0, 0, 255)));
  const RECT all{0, 0, 6, 2};
  FillRect(dc.DC(), &all, blue.get());
  const auto copy = TspEffectBmp::CreateFromHBitmap(device.get());
  EXPECT_EQ(copy->Width(), 6);
  EXPECT_EQ(copy->GetPixel(5, 1), 0xFF);                          // blue
  EXPECT_EQ(GetCurrentObject(dc.DC(), OBJ_BITMAP), device.get());  // still where it was

  EXPECT_EQ(TspEffectBmp::CreateFromHBitmap(nullptr)->Width(), 0);
  EXPECT_EQ(TspEffectBmp::CreateFromHBitmap(reinterpret_cast<HBITMAP>(blue.get()))->Handle(), nullptr);
}

TEST(EffectBmp, DrawCopiesTheWholeBitmapToADC) {
  const auto bmp = TspEffectBmp::CreateSize(3, 2);
  bmp->SetPixel(0, 0, PixelValue(clRed));
  bmp->SetPixel(2, 1, PixelValue(clBlue));
  auto target = FilledBitmap(6, 5, clWhite);
  bmp->Draw(target->Canvas()->Handle(), 2, 1);
  const TPixelImage image = target->ToPixelImage();
  EXPECT_EQ(image.Pixel(2, 1), clRed);
  EXPECT_EQ(image.Pixel(3, 1), clBlack);
  EXPECT_EQ(image.Pixel(4, 2), clBlue);
  EXPECT_EQ(image.Pixel(1, 1), clWhite);
  EXPECT_EQ(image.Pixel(5, 1), clWhite);
  EXPECT_EQ(image.Pixel(2, 3), clWhite);
  TspEffectBmp::CreateSize(0, 0)->Draw(target->Canvas()->Handle(), 0, 0);  // draws nothing
  EXPECT_EQ(target->ToPixelImage().Pixel(0, 0), clWhite);
}

TEST(EffectBmp, EffectsChangeTheSectionThatIsDrawn) {
  auto black = FilledBitmap(4, 3, clBlack);
  auto white = FilledBitmap(4, 3, clWhite);
  const auto faded = TspEffectBmp::CreateFromHBitmap(black->Handle());
  const auto other = TspEffectBmp::CreateFromHBitmap(white->Handle());
  faded->Morph(*other, 0.5);
  const auto turned = TspEffectBmp::CreateSize(3, 4);
  faded->SetPixel(3, 0, PixelValue(clRed));
  faded->RotateLeftTo(*turned);
  auto target = FilledBitmap(3, 4, clWhite);
  turned->Draw(target->Canvas()->Handle(), 0, 0);
  const TPixelImage image = target->ToPixelImage();
  EXPECT_EQ(image.Pixel(1, 1), RGBColor(128, 128, 128));
  EXPECT_EQ(image.Pixel(0, 0), clRed);  // the top-right corner turned to the top-left
}

}  // namespace
