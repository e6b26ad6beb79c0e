#include "SkinBitmaps.h"

#include <array>
#include <vector>

// The bitmaps of one generation of a skin data component's pictures, held in its picture
// cache, so that they are dropped whenever the pictures change.
class TspSkinBitmapSet final : public TspSkinPictureCache,
                               public std::enable_shared_from_this<TspSkinBitmapSet> {
public:
  static constexpr std::array<TPixelImage TspSkinData::*, 5> WindowPictures = {
      &TspSkinData::Picture, &TspSkinData::InActivePicture, &TspSkinData::Mask, &TspSkinData::RollUpPicture,
      &TspSkinData::RollUpMask};

  explicit TspSkinBitmapSet(const TspSkinData& Data) {
    for (size_t i = 0; i < WindowPictures.size(); ++i)
      FWindowPictures[i].LoadFromPixelImage(Data.*WindowPictures[i]);
    FActivePictures.reserve(Data.ActivePictures.size());
    for (const TPixelImage& picture : Data.ActivePictures) {
      FActivePictures.push_back(std::make_unique<TBitmap>());
      FActivePictures.back()->LoadFromPixelImage(picture);
    }
  }

  // The set of Data's current pictures, made when Data holds none.
  static std::shared_ptr<TspSkinBitmapSet> Of(TspSkinData& Data) {
    if (auto held = std::dynamic_pointer_cast<TspSkinBitmapSet>(Data.PictureCache())) return held;
    auto made = std::make_shared<TspSkinBitmapSet>(Data);
    Data.SetPictureCache(made);
    return made;
  }

  TspSkinBitmap WindowPicture(TPixelImage TspSkinData::*Picture) {
    for (size_t i = 0; i < WindowPictures.size(); ++i)
      if (WindowPictures[i] == Picture) return Kept(&FWindowPictures[i]);
    return {};
  }

  TspSkinBitmap ActivePicture(int32_t Index) {
    if (!IsPictureIndex(Index, FActivePictures.size())) return {};
    return Kept(FActivePictures[static_cast<size_t>(Index)].get());
  }

private:
  TspSkinBitmap Kept(TBitmap* Bitmap) { return {weak_from_this(), Bitmap}; }

  std::array<TBitmap, WindowPictures.size()> FWindowPictures;
  std::vector<std::unique_ptr<TBitmap>> FActivePictures;
};

TspSkinBitmap SkinBitmap(TspSkinData* Data, TPixelImage TspSkinData::*Picture) {
  if (Data == nullptr) return {};
  return TspSkinBitmapSet::Of(*Data)->WindowPicture(Picture);
}

TspSkinBitmap SkinActiveBitmap(TspSkinData* Data, int32_t Index) {
  if (Data == nullptr || !IsPictureIndex(Index, Data->ActivePictures.size())) return {};
  return TspSkinBitmapSet::Of(*Data)->ActivePicture(Index);
}
