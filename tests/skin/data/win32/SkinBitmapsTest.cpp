// The skin's pictures as bitmaps: pixel for pixel the pictures, made once per load and
// only when drawn, a failure to make one raised once, and out of reach as soon as the
// skin they show is cleared, reloaded or freed.
#include "skin/data/win32/SkinBitmaps.h"

#include "skin/data/CompressedStoredSkin.h"

#include "base/Exceptions.h"

#include "ImportPatch.h"
#include "PixelPictures.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

TEST(SkinBitmaps, AreThePicturesOfTheLoadedSkinOnly) {
  TempFolder folder;
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(WriteSyntheticSkin(folder.Path()));
  auto* data = new TspSkinData(nullptr);
  data->LoadCompressedStoredSkin(&stored);
  std::vector<TspSkinBitmap> kept;
  for (auto picture : {&TspSkinData::Picture, &TspSkinData::InActivePicture, &TspSkinData::Mask,
                       &TspSkinData::RollUpPicture, &TspSkinData::RollUpMask}) {
    kept.push_back(SkinBitmap(data, picture));
    EXPECT_TRUE(SamePixels(kept.back().Get()->ToPixelImage(), data->*picture));
  }
  for (int i = 0; i < 3; ++i) {
    kept.push_back(SkinActiveBitmap(data, i));
    EXPECT_TRUE(SamePixels(kept.back().Get()->ToPixelImage(), data->ActivePictures.at(i)));
    EXPECT_EQ(SkinActiveBitmap(data, i).Get(), kept.back().Get());  // made once
  }
  for (int32_t index : {-1, 3, std::numeric_limits<int32_t>::min()})
    EXPECT_EQ(SkinActiveBitmap(data, index).Get(), nullptr);
  EXPECT_EQ(SkinActiveBitmap(nullptr, 0).Get(), nullptr);

  const auto reachable = [&] { return std::count_if(kept.begin(), kept.end(), [](auto& b) { return b.Get(); }); };
  data->LoadCompressedStoredSkin(&stored);
  EXPECT_EQ(reachable(), 0);
  kept = {SkinActiveBitmap(data, 0)};
  data->ClearSkin();
  EXPECT_EQ(reachable(), 0);
  data->LoadCompressedStoredSkin(&stored);
  kept = {SkinActiveBitmap(data, 0)};
  data->Free();
  EXPECT_EQ(reachable(), 0);
}

// The DIB sections (every skin bitmap is one) made while a TDibSections lives; with Fail,
// none can be made.
int SectionsMade = 0;
bool SectionsFail = false;
const auto SystemCreateDIBSection = SystemFunction<decltype(&CreateDIBSection)>("gdi32.dll", "CreateDIBSection");

HBITMAP WINAPI PatchedCreateDIBSection(HDC DC, const BITMAPINFO* Info, UINT Usage, void** Bits, HANDLE Section,
                                       DWORD Offset) {
  if (SectionsFail) return nullptr;
  ++SectionsMade;
  return SystemCreateDIBSection(DC, Info, Usage, Bits, Section, Offset);
}

struct TDibSections {
  explicit TDibSections(bool Fail) {
    SectionsMade = 0;
    SectionsFail = Fail;
  }
  ~TDibSections() { SectionsFail = false; }
  TImportPatch Patch{reinterpret_cast<void*>(SystemCreateDIBSection),
                     reinterpret_cast<void*>(&PatchedCreateDIBSection)};
};

TEST(SkinBitmaps, OnlyPicturesDrawnBecomeBitmapsAndAFailureToMakeOneIsRaisedOnce) {
  TempFolder folder;
  TSyntheticSkin options;
  options.ActivePictureCount = 300;  // many pictures, few of them drawn
  options.ActivePictureWidth = options.ActivePictureHeight = 2;
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(WriteSyntheticSkin(folder.Path(), options));
  TspSkinData data(nullptr);
  data.LoadCompressedStoredSkin(&stored);
  {
    const TDibSections sections(false);
    const TspSkinBitmap last = SkinActiveBitmap(&data, 299), mask = SkinBitmap(&data, &TspSkinData::Mask);
    EXPECT_EQ(SectionsMade, 0);  // asked for, not drawn yet
    ASSERT_NE(last.Get(), nullptr);
    EXPECT_TRUE(SamePixels(last.Get()->ToPixelImage(), data.ActivePictures.at(299)));
    EXPECT_TRUE(SamePixels(mask.Get()->ToPixelImage(), data.Mask));
    EXPECT_EQ(SectionsMade, 2);
  }
  {
    const TDibSections sections(true);
    const TspSkinBitmap first = SkinActiveBitmap(&data, 0);
    EXPECT_THROW(first.Get(), EOutOfResources);
    EXPECT_EQ(first.Get(), nullptr);  // no picture, and no error on every later paint
    EXPECT_EQ(SkinActiveBitmap(&data, 0).Get(), nullptr);
    EXPECT_NE(SkinActiveBitmap(&data, 299).Get(), nullptr);  // made before
  }
  data.LoadCompressedStoredSkin(&stored);  // a new load tries again
  EXPECT_TRUE(SamePixels(SkinActiveBitmap(&data, 0).Get()->ToPixelImage(), data.ActivePictures.at(0)));
}

}  // namespace
