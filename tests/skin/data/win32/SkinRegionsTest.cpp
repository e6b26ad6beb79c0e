#include "Win32Pictures.h"

#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinRegions.h"

#include <gtest/gtest.h>

namespace {

// Owns a region a routine handed out.
struct TRegionHolder {
  HRGN Rgn = nullptr;
  ~TRegionHolder() {
    if (Rgn != nullptr) DeleteObject(Rgn);
  }
};

// A mask bitmap from rows of '#' (black: inside) and '.' (white).
std::unique_ptr<TBitmap> MaskOf(const std::vector<std::string>& Rows, TPixelFormat Format = pf24bit) {
  auto mask = BitmapOf(MaskFromRows(Rows));
  mask->SetPixelFormat(Format);
  return mask;
}

TEST(SkinRegions, RegionDataOfAMaskBitmap) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    const auto mask = MaskOf({"#."}, format);
    TRgnDataBlock data;
    ASSERT_EQ(CreateRgnDataFromMask(mask.get(), 3, 4, data), 48);
    const auto* rgn = reinterpret_cast<const RGNDATA*>(data.data());
    EXPECT_EQ(rgn->rdh.dwSize, 32u);
    EXPECT_EQ(rgn->rdh.iType, static_cast<DWORD>(RDH_RECTANGLES));
    EXPECT_EQ(rgn->rdh.nCount, 1u);
    EXPECT_EQ(FromRECT(rgn->rdh.rcBound), (TRect{3, 4, 5, 5}));
    EXPECT_EQ(FromRECT(reinterpret_cast<const RECT*>(rgn->Buffer)[0]), (TRect{3, 4, 4, 5}));
  }
  TBitmap empty;
  TRgnDataBlock untouched{1, 2, 3};
  EXPECT_EQ(CreateRgnDataFromMask(&empty, 0, 0, untouched), 0);
  EXPECT_EQ(untouched, (TRgnDataBlock{1, 2, 3}));
}

TEST(SkinRegions, AMaskRegionHoldsExactlyTheBlackPixels) {
  TRegionHolder single;
  single.Rgn = CreateMaskRegion(MaskOf({"#"}).get()).release();
  ASSERT_NE(single.Rgn, nullptr);
  EXPECT_TRUE(PtInRegion(single.Rgn, 0, 0));
  EXPECT_FALSE(PtInRegion(single.Rgn, 1, 0));
  EXPECT_FALSE(PtInRegion(single.Rgn, 0, 1));

  TRegionHolder white;
  white.Rgn = CreateMaskRegion(MaskOf({"....", "...."}).get()).release();
  ASSERT_NE(white.Rgn, nullptr);
  RECT box{};
  EXPECT_EQ(GetRgnBox(white.Rgn, &box), NULLREGION);

  // Alternating columns: 8,000 runs.
  std::vector<std::string> rows(80, std::string());
  for (std::string& row : rows)
    for (int x = 0; x < 200; ++x) row += x % 2 == 0 ? '#' : '.';
  TRegionHolder striped;
  striped.Rgn = CreateMaskRegion(MaskOf(rows).get()).release();
  ASSERT_NE(striped.Rgn, nullptr);
  int wrong = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 200; ++x)
      if ((PtInRegion(striped.Rgn, x, y) != FALSE) != (x % 2 == 0)) ++wrong;
  EXPECT_EQ(wrong, 0);

  TRegionHolder none;
  TBitmap empty;
  none.Rgn = CreateMaskRegion(&empty).release();
  EXPECT_EQ(none.Rgn, nullptr);
}

// The data of region Rgn, as the system gives it.
std::vector<uint8_t> RegionData(HRGN Rgn) {
  std::vector<uint8_t> data(GetRegionData(Rgn, 0, nullptr));
  GetRegionData(Rgn, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
  return data;
}

TEST(SkinRegions, AMaskOfManyRunsGivesTheRegionOfOneCallWithAllItsRectangles) {
  // A checkerboard: 6,000 runs, made in slices and joined.
  std::vector<std::string> rows(100, std::string());
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < 120; ++x) rows[y] += (x + y) % 2 == 0 ? '#' : '.';
  const auto mask = MaskOf(rows);
  TRegionHolder sliced;
  sliced.Rgn = CreateMaskRegion(mask.get(), 6000).release();
  ASSERT_NE(sliced.Rgn, nullptr);
  TRgnDataBlock data;
  ASSERT_EQ(CreateRgnDataFromMask(mask.get(), 0, 0, data), 32 + 16 * 6000);
  TRegionHolder whole;
  whole.Rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
  EXPECT_EQ(RegionData(sliced.Rgn), RegionData(whole.Rgn));
  int wrong = 0;
  for (int y = -1; y <= 100; ++y)
    for (int x = -1; x <= 120; ++x)
      wrong += (PtInRegion(sliced.Rgn, x, y) != FALSE) != (x >= 0 && y >= 0 && x < 120 && y < 100 && (x + y) % 2 == 0);
  EXPECT_EQ(wrong, 0);

  // Finer than what the skin's budget leaves a window: none.
  EXPECT_TRUE(CreateMaskRegion(mask.get(), 5999) == nullptr);
  EXPECT_TRUE(CreateMaskRegion(mask.get(), 6000) != nullptr);
  const TSkinCut band = CutFromClientRect({0, 0, 120, 1});  // all but the top row a bottom band: 5,940 runs
  EXPECT_TRUE(CreateSkinRegion({band, band, mask.get(), 120, 100, 5939}) == nullptr);
  EXPECT_TRUE(CreateSkinRegion({band, band, mask.get(), 120, 100, 5940}) != nullptr);

  // Of more runs than a region is made from, however few rectangles they make (a row of
  // 60 runs over and over): no region, in one piece or in a skin's bands.
  rows.resize(MaxRegionMaskRuns / 60 + 2, rows.front());
  EXPECT_TRUE(CreateMaskRegion(MaskOf(rows).get()) == nullptr);
  const TSkinCut cut = CutFromClientRect({0, 0, 120, 1});  // all but the top row a bottom band
  EXPECT_TRUE(CreateSkinRegion({cut, cut, MaskOf(rows).get(), 120, static_cast<int>(rows.size())}) == nullptr);
}

// A 20 x 16 mask cut like the nine-part test pictures; its corners and a notch in the
// top strip are cut away, and its client part is white (the client rectangle is in the
// region whatever the mask says).
std::unique_ptr<TBitmap> FrameMask() {
  std::vector<std::string> rows(16, std::string(20, '#'));
  for (int y = 3; y < 12; ++y)
    for (int x = 4; x < 15; ++x) rows[y][x] = '.';
  rows[0][0] = rows[0][1] = rows[1][0] = rows[0][19] = rows[15][0] = rows[15][19] = '.';
  rows[0][8] = '.';   // in the top strip (5 .. 13): repeats every 8 columns
  rows[7][19] = '.';  // in the right strip (5 .. 9)
  return MaskOf(rows);
}

TEST(SkinRegions, ASkinRegionIsTheTiledMaskFrameAndTheClientRectangle) {
  const TSkinCut cut{{5, 6}, {13, 5}, {6, 10}, {12, 9}, {4, 3, 15, 12}};
  const auto mask = FrameMask();
  for (const auto& [width, height] : {std::pair{45, 37}, std::pair{20, 16}, std::pair{28, 24}}) {
    TBitmap frame;
    TSkinCut n;
    CreateSkinImage(cut.LT, cut.RT, cut.LB, cut.RB, cut.ClRect, n.LT, n.RT, n.LB, n.RB, n.ClRect, &frame,
                    mask.get(), TRect{0, 0, 20, 16}, width, height, false, false, false, false, false, false,
                    stfull);
    TRegionHolder region;
    region.Rgn = CreateSkinRegion({cut, n, mask.get(), width, height}).release();
    ASSERT_NE(region.Rgn, nullptr);
    const TPixelImage expected = frame.ToPixelImage();
    int wrong = 0;
    for (int y = -1; y <= height; ++y)
      for (int x = -1; x <= width; ++x) {
        const bool inside = x >= 0 && y >= 0 && x < width && y < height &&
                            (PtInRect(n.ClRect, {x, y}) || expected.Pixel(x, y) == clBlack);
        if ((PtInRegion(region.Rgn, x, y) != FALSE) != inside) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << width << "x" << height;
  }
}

TEST(SkinRegions, ASkinRegionWithoutAClientRectangleIsItsFrame) {
  // A client part two columns wide: two columns narrower leave none.
  const TSkinCut cut{{3, 5}, {17, 5}, {3, 11}, {17, 11}, {6, 4, 8, 12}};
  const TSkinCut n = CutForSize(cut, TRect{0, 0, 20, 16}, 18, 16);
  ASSERT_EQ(n.ClRect.Width(), 0);
  const auto mask = MaskOf(std::vector<std::string>(16, std::string(20, '#')));
  TRegionHolder region;
  region.Rgn = CreateSkinRegion({cut, n, mask.get(), 18, 16}).release();
  ASSERT_NE(region.Rgn, nullptr);
  EXPECT_TRUE(PtInRegion(region.Rgn, 0, 0));
  EXPECT_TRUE(PtInRegion(region.Rgn, 17, 15));
  EXPECT_TRUE(PtInRegion(region.Rgn, 2, 8));

  // New corner points that cross give no region.
  TRegionHolder crossed;
  crossed.Rgn = CreateSkinRegion({cut, {n.RT, n.LT, n.LB, n.RB, n.ClRect}, mask.get(), 18, 16}).release();
  EXPECT_EQ(crossed.Rgn, nullptr);
}

TEST(SkinRegions, ASkinRegionJoinsWhicheverBandsTheMaskHas) {
  // A black mask is inside everywhere: whatever bands a cut has, the region is the whole
  // window, also when the top or the left band has no size.
  const auto mask = MaskOf(std::vector<std::string>(16, std::string(20, '#')));
  const TRect whole{0, 0, 20, 16};
  const struct {
    const char* Name;
    TSkinCut Cut;
  } cases[] = {
      {"no top band", {{5, 2}, {13, 2}, {6, 10}, {12, 10}, {4, 0, 15, 12}}},
      {"no left band", {{5, 4}, {13, 4}, {6, 10}, {12, 10}, {0, 3, 15, 12}}},
      {"no top band, no client part", {{5, 2}, {13, 2}, {6, 10}, {12, 10}, {4, 0, 4, 12}}},
  };
  for (const auto& c : cases) {
    const TSkinCut n = CutForSize(c.Cut, whole, 30, 24);
    TRegionHolder region;
    region.Rgn = CreateSkinRegion({c.Cut, n, mask.get(), 30, 24}).release();
    ASSERT_NE(region.Rgn, nullptr) << c.Name;
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Rgn, &box), SIMPLEREGION) << c.Name;
    EXPECT_EQ(FromRECT(box), (TRect{0, 0, 30, 24})) << c.Name;
  }
}

TEST(SkinRegions, AWindowKeepsARegionItTakesAndARefusedOneIsDeletedAtOnce) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const TRegion shape(CreateRectRgn(0, 0, 0, 0));

  EXPECT_TRUE(GiveWindowRegion(window, TRegion(CreateRectRgn(2, 3, 8, 9)), false));
  ASSERT_EQ(GetWindowRgn(window, shape.get()), SIMPLEREGION);
  RECT box{};
  GetRgnBox(shape.get(), &box);
  EXPECT_EQ(FromRECT(box), (TRect{2, 3, 8, 9}));

  // No window to take it: the region is gone, the window keeps its own.
  const HRGN refused = CreateRectRgn(0, 0, 4, 4);
  EXPECT_FALSE(GiveWindowRegion(nullptr, TRegion(refused), false));
  EXPECT_EQ(GetObjectType(refused), 0u);
  EXPECT_EQ(GetWindowRgn(window, shape.get()), SIMPLEREGION);

  // No region: the window is whole again.
  EXPECT_TRUE(GiveWindowRegion(window, nullptr, false));
  EXPECT_EQ(GetWindowRgn(window, shape.get()), ERROR);
  DestroyWindow(window);
}

}  // namespace
