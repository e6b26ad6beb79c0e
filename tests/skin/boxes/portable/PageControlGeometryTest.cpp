// The page control's geometry: the native rectangles corrected for the skinned and the
// plain frame in each tab position, the frame, strip and active-tab areas, close buttons
// turned as the tab bitmaps are, the room reserved in the tabs, and the hidden tabs.
#include "skin/boxes/portable/PageControlGeometry.h"

#include "skin/data/EffectPixels.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr TRect NativeDisplay{10, 30, 280, 180};
constexpr TspTabMargins Margins{3, 4, 5, 6};

TEST(PageControlGeometry, TheDisplayRectangleMakesRoomForTheSkinnedOrThePlainFrame) {
  struct TCase {
    TTabPosition Position;
    TRect Skinned;
    TRect Plain;
  };
  const TCase cases[] = {
      {tpTop, {3, 28, 295, 194}, {1, 25, 299, 199}},
      {tpBottom, {3, 30, 295, 178}, {1, 1, 299, 183}},
      {tpLeft, {9, 30, 295, 194}, {7, 25, 299, 199}},
      {tpRight, {3, 30, 279, 194}, {7, 25, 283, 199}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(CorrectDisplayRect(c.Position, &Margins, NativeDisplay, 300, 200), c.Skinned) << c.Position;
    EXPECT_EQ(CorrectDisplayRect(c.Position, nullptr, NativeDisplay, 300, 200), c.Plain) << c.Position;
  }
}

TEST(PageControlGeometry, TabsMoveTowardThePageExceptButtons) {
  constexpr TRect tab{20, 2, 80, 22};
  EXPECT_EQ(CorrectTabRect(tpTop, tsTabs, false, tab), (TRect{18, 0, 78, 20}));
  EXPECT_EQ(CorrectTabRect(tpTop, tsTabs, true, tab), (TRect{20, 0, 80, 20}));
  EXPECT_EQ(CorrectTabRect(tpBottom, tsTabs, false, tab), (TRect{18, 4, 78, 24}));
  EXPECT_EQ(CorrectTabRect(tpBottom, tsTabs, true, tab), (TRect{20, 4, 80, 24}));
  EXPECT_EQ(CorrectTabRect(tpLeft, tsTabs, true, tab), (TRect{18, 2, 78, 22}));
  EXPECT_EQ(CorrectTabRect(tpRight, tsTabs, true, tab), (TRect{22, 2, 82, 22}));
  EXPECT_EQ(CorrectTabRect(tpTop, tsButtons, false, tab), tab);
  EXPECT_EQ(CorrectTabRect(tpRight, tsFlatButtons, true, tab), tab);
}

TEST(PageControlGeometry, TheFrameSurroundsThePageAndTheStripAndActiveTabLieBesideIt) {
  const TRect frame = PageFrameRect({3, 28, 295, 194}, Margins);
  EXPECT_EQ(frame, (TRect{0, 24, 300, 200}));
  EXPECT_EQ(TabStripRect(tpTop, frame, 300, 200), (TRect{0, 0, 300, 24}));
  EXPECT_EQ(TabStripRect(tpRight, frame, 300, 200), (TRect{300, 0, 300, 200}));  // no room: nothing
  constexpr TRect tab{10, 20, 60, 40};
  EXPECT_EQ(ActiveTabArea(tpBottom, tab, 2), (TRect{10, 18, 60, 40}));
  EXPECT_EQ(ActiveTabArea(tpRight, tab, -1), (TRect{11, 20, 60, 40}));  // a lower active tab
  // A taller active picture starts at the tab's corner, or before it where it turns away.
  EXPECT_EQ(ActiveTabDrawRect(tpTop, tab, 2), tab);
  EXPECT_EQ(ActiveTabDrawRect(tpLeft, tab, 2), tab);
  EXPECT_EQ(ActiveTabDrawRect(tpBottom, tab, 2), (TRect{10, 18, 60, 38}));
  EXPECT_EQ(ActiveTabDrawRect(tpRight, tab, 2), (TRect{8, 20, 58, 40}));
}

// The bounding box of the pixels of colour 1 in Pixels.
TRect MarkedArea(const TEffectPixels& Pixels) {
  TRect box{Pixels.Width(), Pixels.Height(), 0, 0};
  for (int32_t y = 0; y < Pixels.Height(); ++y)
    for (int32_t x = 0; x < Pixels.Width(); ++x)
      if (Pixels.GetPixel(x, y) == 1) box = {std::min(box.Left, x), std::min(box.Top, y),
                                             std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
  return box;
}

TEST(PageControlGeometry, ACloseButtonTurnsWithItsTabBitmap) {
  constexpr int32_t W = 30, H = 12;
  constexpr TRect button{22, 3, 28, 9};  // at the right end of the horizontal tab
  std::vector<uint8_t> tabBits(static_cast<size_t>(TEffectPixels::RowSize(W) * H));
  std::vector<uint8_t> turnedBits(static_cast<size_t>(TEffectPixels::RowSize(H) * W));
  TEffectPixels tab(tabBits.data(), W, H), turned(turnedBits.data(), H, W);
  for (int32_t y = button.Top; y < button.Bottom; ++y)
    for (int32_t x = button.Left; x < button.Right; ++x) tab.SetPixel(x, y, 1);
  tab.RotateLeftTo(turned);
  EXPECT_EQ(TurnedTabRect(tpLeft, button, W, H), MarkedArea(turned));
  EXPECT_EQ(TurnedTabRect(tpLeft, button, W, H).Top, 2);  // near the top of a left tab
  tab.RotateRightTo(turned);
  EXPECT_EQ(TurnedTabRect(tpRight, button, W, H), MarkedArea(turned));
  EXPECT_EQ(TurnedTabRect(tpTop, button, W, H), button);
  EXPECT_EQ(TurnedTabRect(tpBottom, button, W, H), button);
}

TEST(PageControlGeometry, TheTabImagesReserveRoomAlongTheTabsForImagesAndCloseButtons) {
  constexpr TSize images{16, 20};
  EXPECT_EQ(TabSpaceImageSize(tpTop, nullptr, 0), (TSize{1, 1}));
  EXPECT_EQ(TabSpaceImageSize(tpTop, nullptr, 14), (TSize{15, 1}));
  EXPECT_EQ(TabSpaceImageSize(tpBottom, &images, 0), (TSize{17, 1}));
  EXPECT_EQ(TabSpaceImageSize(tpLeft, &images, 14), (TSize{35, 35}));
  EXPECT_EQ(TabSpaceImageSize(tpRight, nullptr, 20), (TSize{21, 21}));
}

TEST(PageControlGeometry, TabsPastTheStripsEndOrScrolledOutAreHidden) {
  const std::array<TRect, 6> tabs{{{-50, 0, -10, 20},
                                   {-10, 0, 0, 20},
                                   {0, 0, 60, 20},
                                   {60, 0, 120, 20},
                                   {120, 0, 197, 20},
                                   {197, 0, 198, 20}}};
  const TspHiddenTabs plain = CountHiddenTabs(tabs, 200, 0);
  EXPECT_EQ(plain.Hidden, 3);
  EXPECT_EQ(plain.ScrolledOut, 2);
  EXPECT_EQ(CountHiddenTabs(tabs, 200, 40).Hidden, 4);  // the scroller covers the strip's end
  EXPECT_EQ(CountHiddenTabs(std::span<const TRect>(tabs).subspan(2, 3), 200, 0).Hidden, 0);
}

}  // namespace
