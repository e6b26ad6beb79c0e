// Hostile skins, each a few kilobytes, loaded and painted within the bounds of
// HostilePaintSeconds and HostilePaintMemory: the flatcolour skin made into each shape and
// written piece by piece into its zlib data before the clock starts, then loaded into a
// shown window whose panel, larger than a usual window, shows it, and painted. One row
// per shape; each row's check tells that the skin was drawn, or that a skin over a bound
// was refused and left nothing held. A process's peak only rises, so an earlier, higher
// peak would hide part of a later rise: the rows whose loads take most come last.
#include "SkinControlTestKit.h"

#include "CollidingNames.h"
#include "ProcessMemory.h"
#include "Screenshot.h"
#include "StreamedSkin.h"

#include "skin/controls/SkinPanel.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/win32/SkinRegions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr TRect PanelBounds{0, 0, 740, 480};
// What a refused skin may leave held: a little of what the heap keeps.
constexpr uint64_t RefusedSkinMemory = uint64_t{8} << 20;

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
template <int Cut>
void StreamedCheckerboardMask(TStreamedSkin& Streamed) {
  CheckerboardMask<Cut>(Streamed.Base());
}

// Bands a pixel deep: 1,218 rectangles at 740 x 480, within what the skin's regions may
// hold (bands 6 pixels deep: 7,248, once within what one window region might).
bool CheckerboardShaped(TspSkinPanel* Panel) {
  const TRegion shape(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(Panel->Handle(), shape.get()) == ERROR) return false;
  // The top band's corner piece, and the client rectangle, inside whatever the mask says.
  return PtInRegion(shape.get(), 0, 0) && !PtInRegion(shape.get(), 1, 0) && !PtInRegion(shape.get(), 0, 1) &&
         PtInRegion(shape.get(), 1, 1) && PtInRegion(shape.get(), 370, 240);
}

// A mask finer than a window region may be (bands 100 pixels deep: 102,000 runs; a whole
// checkerboard of millions) shapes nothing: the panel keeps its rectangle.
bool Unshaped(TspSkinPanel* Panel) {
  const TRegion shape(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(Panel->Handle(), shape.get()) == ERROR;
}

bool Shaped(TspSkinPanel* Panel) { return !Unshaped(Panel); }

// The rectangles of Panel's window region; 0 for none.
size_t RegionRects(TspSkinPanel* Panel) {
  const TRegion shape(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(Panel->Handle(), shape.get()) == ERROR) return 0;
  return (GetRegionData(shape.get(), 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT);
}

// The panel a fixed 40 x 40 rectangle of its picture, shaped by a checkerboard mask of
// Width x Height pixels, made whole: a square one of a few thousand pixels a side is a
// 1-bit BMP of a few megabytes, its runs millions.
void FixedPanelWithCheckerboardMask(TStreamedSkin& Skin, int32_t Width, int32_t Height) {
  const int32_t mask = Skin.AddPicture([Width, Height](TStream& S) {
    WriteMaskBmp(S, Width, Height, [](int32_t X, int32_t Y) { return (X + Y) % 2 == 0; });
  });
  for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
    SetSkinValue(Skin.Base(), "panel", key, "0,0");
  SetSkinValue(Skin.Base(), "panel", "clientrect", "0,0,0,0");
  SetSkinValue(Skin.Base(), "panel", "skinrect", "0,0,40,40");
  SetSkinValue(Skin.Base(), "panel", "maskpictureindex", std::to_string(mask));
}

// As many pixels of mask as the skin's own pictures leave room for.
void LargestCheckerboardMask(TStreamedSkin& Skin) {
  const auto side = static_cast<int32_t>(std::sqrt(MaxSkinPixels - PixelsOf(Skin.Base())));
  FixedPanelWithCheckerboardMask(Skin, side, side);
}

void CheckerboardMaskOf5736Square(TStreamedSkin& Skin) { FixedPanelWithCheckerboardMask(Skin, 5736, 5736); }

// The panel drawn from pictures of kBigColour that hold Pixels pixels of BitCount bits:
// one 4096 pixels wide and, for what is left, one a pixel wide.
constexpr TColor kBigColour = RGBColor(40, 160, 90);
void PanelOfPicturesHolding(TStreamedSkin& Skin, int64_t Pixels, int BitCount) {
  const auto height = static_cast<int32_t>(Pixels / 4096), rest = static_cast<int32_t>(Pixels % 4096);
  const int32_t big = Skin.AddPicture([=](TStream& S) { WriteOneColourBmp(S, 4096, height, kBigColour, BitCount); });
  if (rest > 0) Skin.AddPicture([=](TStream& S) { WriteOneColourBmp(S, 1, rest, kBigColour, BitCount); });
  SetPanelPictures(Skin.Base(), static_cast<size_t>(big), "0,0,300,300");
}

// 32-bit pixels: the most bytes a pixel takes.
void PicturesUpToThePixelBound(TStreamedSkin& Skin) {
  PanelOfPicturesHolding(Skin, MaxSkinPixels - PixelsOf(Skin.Base()), 32);
}

void PicturesOnePixelPastTheBound(TStreamedSkin& Skin) {
  PanelOfPicturesHolding(Skin, MaxSkinPixels - PixelsOf(Skin.Base()) + 1, 32);
}

// Once within the bound: 2^25 pixels with the skin's own, 8-bit, in a 50 KB skin.
void PicturesOf2To25Pixels(TStreamedSkin& Skin) {
  PanelOfPicturesHolding(Skin, (int64_t{1} << 25) - PixelsOf(Skin.Base()), 8);
}

bool DrawnFromTheBigPicture(TspSkinPanel* Panel) { return Painted(Panel)->Pixel(370, 240) == kBigColour; }

// Count one-pixel pictures, the panel drawn from one more after them.
constexpr TColor kTinyColour = RGBColor(200, 100, 50);
void OnePixelPictures(TStreamedSkin& Skin, int32_t Count) {
  TMemoryStream onePixel;
  WriteOneColourBmp(onePixel, 1, 1, clWhite);
  Skin.AddPictures(Count, [bmp = onePixel.Bytes()](TStream& S) {
    S.WriteBuffer(bmp.data(), static_cast<int32_t>(bmp.size()));
  });
  const int32_t last = Skin.AddPicture([](TStream& S) { WriteOneColourBmp(S, 3, 3, kTinyColour); });
  CutToOnePixelTiles(Skin.Base(), "panel");
  SetPanelPictures(Skin.Base(), static_cast<size_t>(last), "0,0,3,3");
}

int32_t ActivePicturesLeft(TStreamedSkin& Skin) {
  return MaxSkinActivePictures - static_cast<int32_t>(Skin.Base().ActivePictures.size());
}

// As many as a skin may have: bitmaps are made only of those drawn (70,000 made at once
// ran out of GDI objects).
void MostOnePixelPictures(TStreamedSkin& Skin) { OnePixelPictures(Skin, ActivePicturesLeft(Skin) - 1); }
void OnePixelPictureTooMany(TStreamedSkin& Skin) { OnePixelPictures(Skin, ActivePicturesLeft(Skin)); }
// About as many as fill the payload's bound: a 200 KB skin.
void PayloadOfOnePixelPictures(TStreamedSkin& Skin) { OnePixelPictures(Skin, 1100000); }

bool DrawnFromTheLastPicture(TspSkinPanel* Panel) { return Painted(Panel)->Pixel(370, 240) == kTinyColour; }

// 120,000 keys of 520 bytes that share one hash (of the 32-bit build's index), after a
// prefix of 384: a 480 KB skin of 62 MB of text.
void KeysSharingOneHash(TStreamedSkin& Skin) {
  Skin.AddText([](TStream& Text) {
    const TNamesSharingOneHash keys(120000, std::string(384, 'k'));
    WriteLine(Text, "[hostile]");
    for (size_t i = 0; i < 120000; ++i) WriteLine(Text, keys[i] + "=1");
  });
}

// The panel's entry and picture, as the flatcolour skin draws it.
bool DrawnFromTheSkinsPanel(TspSkinPanel* Panel) {
  const TspSkinData& data = *Panel->SkinData();
  const auto* entry = dynamic_cast<const TspDataSkinPanelControl*>(
      data.CtrlList.at(static_cast<size_t>(data.GetControlIndex("panel"))).get());
  const TRect client = OffsetRect(entry->ClRect, entry->SkinRect.Left, entry->SkinRect.Top);
  return Painted(Panel)->Pixel(370, 240) == EntryColour(data, "panel", client);
}

// Entry (IDName:type) added to the list section List, its section's Key a value of
// Megabytes megabytes of Letter.
void EntryOfALongValue(TStreamedSkin& Skin, const char* List, const std::string& Entry, const std::string& Key,
                       int Megabytes, char Letter) {
  AddSkinEntry(Skin.Base(), List, Entry);
  Skin.AddText([=](TStream& Text) {
    WriteLine(Text, "[" + Entry.substr(0, Entry.find(':')) + "]");
    Text.WriteBuffer((Key + "=").data(), static_cast<int32_t>(Key.size() + 1));
    WriteMegabytes(Text, Megabytes, Letter);
  });
}

// An entry of its own whose skin rectangle is a value of 62 MB (an 80 KB skin).
void A62MegabyteValue(TStreamedSkin& Skin) {
  EntryOfALongValue(Skin, "SKINCONTROLS", "long:panel", "skinrect", 62, '1');
}

// A section named by 62 MB (an 86 KB skin): the name was copied beside the text, 213 MB
// at the load's peak and 128 MB held while the skin was loaded. Without its "]" the rest
// of the line names it all the same.
template <bool Closed>
void A62MegabyteSectionName(TStreamedSkin& Skin) {
  Skin.AddText([](TStream& Text) {
    Text.WriteBuffer("[", 1);
    WriteMegabytes(Text, 62, 's');
    if (Closed) WriteLine(Text, "]");
  });
}

// A label on the window's frame whose text is 7 MB (a 29 KB skin within the load's
// budget): each paint of the frame measured and drew it whole, 0.6 to 1 s.
void AFrameLabelsTextOf7Megabytes(TStreamedSkin& Skin) {
  EntryOfALongValue(Skin, "SKINOBJECTS", "longlabel:label", "textvalue", 7, 'W');
}

// The panel drawn from one picture of kBigColour, 8-bit, Width x 200 pixels, its header a
// 40-byte one or the 12-byte OS/2 core header.
template <int32_t Width, bool CoreHeader = false>
void PanelOfAPictureSoWide(TStreamedSkin& Skin) {
  const int32_t picture =
      Skin.AddPicture([](TStream& S) { WriteOneColourBmp(S, Width, 200, kBigColour, 8, CoreHeader); });
  SetPanelPictures(Skin.Base(), static_cast<size_t>(picture), "0,0,300,200");
}

// The panel fixed at the size of its skin rectangle, Width x Height.
template <int32_t Width, int32_t Height>
void FixedPanelSoLarge(TStreamedSkin& Skin) {
  for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
    SetSkinValue(Skin.Base(), "panel", key, "0,0");
  SetSkinValue(Skin.Base(), "panel", "clientrect", "0,0,0,0");
  SetSkinValue(Skin.Base(), "panel", "skinrect", "0,0," + std::to_string(Width) + "," + std::to_string(Height));
}

template <int32_t Width, int32_t Height>
bool SizedAs(TspSkinPanel* Panel) {
  return Panel->Width() == Width && Panel->Height() == Height;
}

struct THostileSkin {
  const char* Name;
  void (*Make)(TStreamedSkin& Skin);
  TRect Panel;
  bool (*Drawn)(TspSkinPanel* Panel);  // of the first panel; none: the skin is refused
  // Panels of the shape, laid out from Panel on in rows of four, each moved by PanelStep
  // across and half of it down. Their regions together hold no more than the budget.
  int Panels = 1;
  int PanelStep = 0;
};

constexpr TRect FixedPanel{0, 0, 40, 40};

const THostileSkin Shapes[] = {
    {"a checkerboard mask", StreamedCheckerboardMask<100>, PanelBounds, Unshaped},
    {"a checkerboard mask as fine as a region may be", StreamedCheckerboardMask<1>, PanelBounds, CheckerboardShaped},
    {"a fixed-size panel's checkerboard mask as large as a skin's pictures may be", LargestCheckerboardMask,
     FixedPanel, Unshaped},
    {"a fixed-size panel's checkerboard mask of 5736 x 5736", CheckerboardMaskOf5736Square, FixedPanel, nullptr},
    {"pictures of as many pixels as a skin's may be", PicturesUpToThePixelBound, PanelBounds, DrawnFromTheBigPicture},
    {"pictures of one pixel more than a skin's may be", PicturesOnePixelPastTheBound, PanelBounds, nullptr},
    {"pictures of 2^25 pixels", PicturesOf2To25Pixels, PanelBounds, nullptr},
    {"as many one-pixel pictures as a skin may have", MostOnePixelPictures, PanelBounds, DrawnFromTheLastPicture},
    {"one picture more than a skin may have", OnePixelPictureTooMany, PanelBounds, nullptr},
    {"1,100,000 one-pixel pictures", PayloadOfOnePixelPictures, PanelBounds, nullptr},
    {"120,000 keys of 520 bytes sharing one hash", KeysSharingOneHash, PanelBounds, DrawnFromTheSkinsPanel},
    {"a picture as wide as a skin's may be", PanelOfAPictureSoWide<MaxSkinPictureSide>, PanelBounds,
     DrawnFromTheBigPicture},
    {"a picture a pixel wider than a skin's may be", PanelOfAPictureSoWide<MaxSkinPictureSide + 1>, PanelBounds,
     nullptr},
    {"a picture with the OS/2 core header", PanelOfAPictureSoWide<300, true>, PanelBounds, DrawnFromTheBigPicture},
    {"a fixed-size panel of as many pixels as a skin's pictures may hold", FixedPanelSoLarge<8192, 1024>, FixedPanel,
     SizedAs<8192, 1024>},
    {"a fixed-size panel of 32768 x 1024", FixedPanelSoLarge<32768, 1024>, FixedPanel, SizedAs<40, 40>},
    {"a frame label's text of 7 MB", AFrameLabelsTextOf7Megabytes, PanelBounds, nullptr},
    {"a value of 62 MB", A62MegabyteValue, PanelBounds, nullptr},
    {"20 panels shaped by checkerboard masks of 7,248 rectangles", StreamedCheckerboardMask<6>, PanelBounds, Unshaped,
     20},
    {"40 smaller panels shaped by such masks", StreamedCheckerboardMask<6>, {0, 0, 370, 240}, Unshaped, 40, 90},
    {"40 smaller panels shaped by masks of 608 rectangles", StreamedCheckerboardMask<1>, {0, 0, 370, 240}, Shaped, 40,
     90},
    {"a section name of 62 MB", A62MegabyteSectionName<true>, PanelBounds, nullptr},
    {"a line of \"[\" and 62 MB", A62MegabyteSectionName<false>, PanelBounds, nullptr},
};

class HostileSkins : public ::testing::TestWithParam<THostileSkin> {};

TEST_P(HostileSkins, LoadOrAreRefusedAndPaintWithinTheBounds) {
  const THostileSkin& shape = GetParam();
  TspCompressedStoredSkin stored(nullptr);
  {
    TStreamedSkin skin(TestSkinPayload("flatcolour"));
    shape.Make(skin);
    skin.Store(stored);
  }
  TSkinTestWindow window(PanelBounds.Width(), PanelBounds.Height());
  std::vector<TspSkinPanel*> panels;
  for (int i = 0; i < shape.Panels; ++i) {
    const TRect place = OffsetRect(shape.Panel, i % 4 * shape.PanelStep, i / 4 * shape.PanelStep / 2);
    panels.push_back(window.Add<TspSkinPanel>(place));
    panels.back()->SetSkinData(window.Data());
  }
  window.Show();
  bool refused = false;
  const uint64_t held = WorkingSetBytes();
  const uint64_t rise = RunWithinDeadline(shape.Name, [&] {
    try {
      window.Data()->LoadCompressedStoredSkin(&stored);
    } catch (const ESkinTooLarge&) {
      refused = true;
    }
    RedrawWindow(window.Form()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (TspSkinPanel* panel : panels) Painted(panel);
  });
  EXPECT_LT(rise, HostilePaintMemory) << shape.Name;
  if (shape.Drawn != nullptr) {
    EXPECT_FALSE(refused) << shape.Name;
    EXPECT_TRUE(shape.Drawn(panels.front())) << shape.Name;
    size_t rects = 0;
    for (TspSkinPanel* panel : panels) rects += RegionRects(panel);
    EXPECT_LE(rects, MaxSkinRegionRects) << shape.Name;
    if (shape.PanelStep > 0)  // panels that leave some of each other in sight
      SaveScreenPictureOf(window.Form()->Handle(), "hostile-skins-" + std::to_string(panels.size()) + "-panels");
    return;
  }
  EXPECT_TRUE(refused) << shape.Name;
  EXPECT_TRUE(window.Data()->Empty()) << shape.Name;
  const uint64_t now = WorkingSetBytes();
  EXPECT_LT(now > held ? now - held : 0, RefusedSkinMemory) << shape.Name;
}

INSTANTIATE_TEST_SUITE_P(Shapes, HostileSkins, ::testing::ValuesIn(Shapes));

// One budget of region rectangles for every window of the skin: two fixed-size panels
// whose masks give half of it each are both shaped, with a rectangle more each the second
// gets no region, and it takes one once the first is gone and the skin comes again.
TEST(HostileSkinShapes, MaskedPanelsShareOneBudgetOfRegionRectanglesAndGiveItBackWhenGone) {
  for (const size_t rects : {MaxSkinRegionRects / 2, MaxSkinRegionRects / 2 + 1}) {
    TspCompressedStoredSkin stored(nullptr);
    {
      TStreamedSkin skin(TestSkinPayload("flatcolour"));
      FixedPanelWithCheckerboardMask(skin, 2, static_cast<int32_t>(rects));  // a run and a rectangle a row
      skin.Store(stored);
    }
    TSkinTestWindow window(PanelBounds.Width(), PanelBounds.Height());
    auto* first = window.Add<TspSkinPanel>(FixedPanel);
    auto* second = window.Add<TspSkinPanel>(OffsetRect(FixedPanel, 100, 0));
    for (TspSkinPanel* panel : {first, second}) panel->SetSkinData(window.Data());
    window.Show();
    window.Data()->LoadCompressedStoredSkin(&stored);
    EXPECT_EQ(RegionRects(first), rects);
    EXPECT_EQ(RegionRects(second), 2 * rects <= MaxSkinRegionRects ? rects : 0) << rects;
    SaveScreenPictureOf(window.Form()->Handle(), "hostile-skins-budget-" + std::to_string(rects));
    delete first;
    window.Data()->LoadCompressedStoredSkin(&stored);
    EXPECT_EQ(RegionRects(second), rects);
  }
}

TEST(HostileSkinShapes, APanelGrownPastWhatItsMasksRegionMayBeDropsTheRegionAndTakesItBackWhenSmall) {
  TSkinTestWindow window(PanelBounds.Width(), PanelBounds.Height());
  window.Load("flatcolour", CheckerboardMask<1>);
  auto* panel = window.Add<TspSkinPanel>(PanelBounds);
  panel->SetSkinData(window.Data());
  window.Show();
  EXPECT_TRUE(CheckerboardShaped(panel));
  panel->SetBoundsRect(Rect(0, 0, 1400, 700));  // 2,098 rectangles
  EXPECT_TRUE(Unshaped(panel));
  panel->SetBoundsRect(PanelBounds);
  EXPECT_TRUE(CheckerboardShaped(panel));
}

}  // namespace
