// The skin's pictures as bitmaps: pixel for pixel the pictures, made once per load, and
// out of reach as soon as the skin they show is cleared, reloaded or freed.
#include "skin/data/win32/SkinBitmaps.h"

#include "skin/data/CompressedStoredSkin.h"

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

}  // namespace
