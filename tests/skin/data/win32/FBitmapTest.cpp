// The copy of a bitmap that mask scans read: its row table and the DC that holds it.
#include "Win32Pictures.h"

#include "skin/data/win32/FBitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(FBitmap, ACopyHasARowTableAndADCOfItsOwnAndGivesBothBackWhenItGoes) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    auto source = FilledBitmap(5, 3, RGBColor(10, 20, 30), format);
    source->Canvas()->SetPixels(4, 2, RGBColor(200, 100, 50));
    HBITMAP section = nullptr;
    HDC dc = nullptr;
    {
      const TFBitmap copy(source->Handle());
      ASSERT_EQ(copy.Width(), 5);
      ASSERT_EQ(copy.Height(), 3);
      EXPECT_EQ(copy.Gap(), 1);
      EXPECT_EQ(copy.RowInc(), 16);
      ASSERT_EQ(copy.ScanLines().size(), 3u);
      for (size_t i = 0; i < 3; ++i) EXPECT_EQ(copy.ScanLines()[i], copy.Bits() + 16 * i);
      const uint8_t* last = copy.ScanLines()[2] + 4 * 3;
      EXPECT_EQ(RGBColor(last[2], last[1], last[0]), RGBColor(200, 100, 50));  // blue first
      EXPECT_EQ(copy.ScanLines()[0][0], 30);
      section = copy.Handle();
      dc = copy.DC();
      ASSERT_NE(dc, nullptr);
      EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), section);
    }
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(section), 0u);
  }
}

TEST(FBitmap, AHandleThatIsNoBitmapGivesNoRowsAndNoDC) {
  const TGdiObject<HBRUSH> brush(CreateSolidBrush(RGB(0, 0, 255)));
  for (HBITMAP handle : {static_cast<HBITMAP>(nullptr), reinterpret_cast<HBITMAP>(brush.get())}) {
    const TFBitmap copy(handle);
    EXPECT_EQ(copy.Handle(), nullptr);
    EXPECT_TRUE(copy.ScanLines().empty());
    EXPECT_EQ(copy.DC(), nullptr);
  }
}

}  // namespace
