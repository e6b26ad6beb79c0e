// Hostile skins, each a few kilobytes, loaded and painted within the bounds of
// HostilePaintSeconds and HostilePaintMemory: the flatcolour skin edited into each shape,
// loaded into a window whose panel, larger than a usual window, shows it, sized and
// painted. One row per shape; each row's check tells that the skin was drawn.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinPanel.h"
#include "skin/data/win32/SkinRegions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr TRect PanelBounds{0, 0, 740, 480};

void SetPanelPictures(TspSkinPayload& Skin, size_t Picture, const std::string& SkinRect) {
  SetSkinValue(Skin, "panel", "pictureindex", std::to_string(Picture));
  SetSkinValue(Skin, "panel", "skinrect", SkinRect);
}

// A 300 x 300 mask of one-pixel black and white squares cut Cut pixels in from every
// side: each mask band of the panel is a checkerboard, a run per two pixels of every row.
template <int Cut>
void CheckerboardMask(TspSkinPayload& Skin) {
  TPixelImage picture(300, 300), mask(300, 300);
  for (int32_t y = 0; y < 300; ++y)
    for (int32_t x = 0; x < 300; ++x) {
      picture.SetPixel(x, y, RGBColor(90, 120, 150));
      mask.SetPixel(x, y, (x + y) % 2 == 0 ? clBlack : clWhite);
    }
  Skin.ActivePictures.push_back(picture);
  Skin.ActivePictures.push_back(mask);
  SetPanelPictures(Skin, Skin.ActivePictures.size() - 2, "0,0,300,300");
  SetSkinValue(Skin, "panel", "maskpictureindex", std::to_string(Skin.ActivePictures.size() - 1));
  const std::string from = std::to_string(Cut), to = std::to_string(300 - Cut);
  SetSkinValue(Skin, "panel", "clientrect", from + "," + from + "," + to + "," + to);
  for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"}) {
    const bool right = key[0] == 'r', bottom = std::string(key).find("bottom") != std::string::npos;
    SetSkinValue(Skin, "panel", key, (right ? to : from) + "," + (bottom ? to : from));
  }
}

// Bands 6 pixels deep: 7,248 runs, within what a window region may take.
bool CheckerboardShaped(TspSkinPanel* Panel) {
  const TRegion shape(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(Panel->Handle(), shape.get()) == ERROR) return false;
  // The top band's corner piece, and the client rectangle, inside whatever the mask says.
  return PtInRegion(shape.get(), 0, 0) && !PtInRegion(shape.get(), 1, 0) && !PtInRegion(shape.get(), 0, 1) &&
         PtInRegion(shape.get(), 1, 1) && PtInRegion(shape.get(), 370, 240);
}

// Bands 100 pixels deep: 102,000 runs, finer than a window region may be, so the panel
// keeps its rectangle.
bool Unshaped(TspSkinPanel* Panel) {
  const TRegion shape(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(Panel->Handle(), shape.get()) == ERROR;
}

// 70,000 one-pixel pictures, the panel drawn from one more after them.
constexpr TColor kTinyColour = RGBColor(200, 100, 50);
void ManyTinyPictures(TspSkinPayload& Skin) {
  Skin.ActivePictures.insert(Skin.ActivePictures.end(), 70000, TPixelImage(1, 1));
  TPixelImage last(3, 3);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 3; ++x) last.SetPixel(x, y, kTinyColour);
  Skin.ActivePictures.push_back(last);
  CutToOnePixelTiles(Skin, "panel");
  SetPanelPictures(Skin, Skin.ActivePictures.size() - 1, "0,0,3,3");
}

bool DrawnFromTheLastPicture(TspSkinPanel* Panel) { return Painted(Panel)->Pixel(370, 240) == kTinyColour; }

struct THostileSkin {
  const char* Name;
  TSkinEdit Edit;
  bool (*Drawn)(TspSkinPanel* Panel);
};

const THostileSkin Shapes[] = {
    {"a checkerboard mask", CheckerboardMask<100>, Unshaped},
    {"a checkerboard mask as fine as a region may be", CheckerboardMask<6>, CheckerboardShaped},
    {"70,000 one-pixel pictures", ManyTinyPictures, DrawnFromTheLastPicture},
};

class HostileSkins : public ::testing::TestWithParam<THostileSkin> {};

TEST_P(HostileSkins, LoadAndPaintWithinTheBounds) {
  const THostileSkin& skin = GetParam();
  TSkinTestWindow window(PanelBounds.Width(), PanelBounds.Height());
  TspSkinPanel* panel = nullptr;
  const uint64_t rise = RunWithinDeadline(skin.Name, [&] {
    window.Load("flatcolour", skin.Edit);
    panel = window.Add<TspSkinPanel>(PanelBounds);
    panel->SetSkinData(window.Data());
    window.Show();
    Painted(panel);
  });
  EXPECT_LT(rise, HostilePaintMemory) << skin.Name;
  EXPECT_TRUE(skin.Drawn(panel)) << skin.Name;
}

INSTANTIATE_TEST_SUITE_P(Shapes, HostileSkins, ::testing::ValuesIn(Shapes));

TEST(HostileSkinShapes, APanelGrownPastWhatItsMasksRegionMayBeDropsTheRegionAndTakesItBackWhenSmall) {
  TSkinTestWindow window(PanelBounds.Width(), PanelBounds.Height());
  window.Load("flatcolour", CheckerboardMask<6>);
  auto* panel = window.Add<TspSkinPanel>(PanelBounds);
  panel->SetSkinData(window.Data());
  window.Show();
  EXPECT_TRUE(CheckerboardShaped(panel));
  panel->SetBoundsRect(Rect(0, 0, 900, 600));  // 8,900 runs
  EXPECT_TRUE(Unshaped(panel));
  panel->SetBoundsRect(PanelBounds);
  EXPECT_TRUE(CheckerboardShaped(panel));
}

}  // namespace
