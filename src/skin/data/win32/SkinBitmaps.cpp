#include "SkinBitmaps.h"

#include <array>
#include <vector>

// The bitmaps of one generation of a skin data component's pictures, held in its picture
// cache, so that they are dropped whenever the pictures change. It keeps its own copies
// of the pictures (they share their pixels with the skin data's) to make each bitmap from
// when it is first asked for.
class TspSkinBitmapSet final : public TspSkinPictureCache,
                               public std::enable_shared_from_this<TspSkinBitmapSet> {
public:
  static constexpr std::array<TPixelImage TspSkinData::*, 5> WindowPictures = {
      &TspSkinData::Picture, &TspSkinData::InActivePicture, &TspSkinData::Mask, &TspSkinData::RollUpPicture,
      &TspSkinData::RollUpMask};

  // Slots 0 to 4 are the window pictures, the active pictures follow.
  explicit TspSkinBitmapSet(const TspSkinData& Data) {
    FPictures.reserve(WindowPictures.size() + Data.ActivePictures.size());
    for (auto picture : WindowPictures) FPictures.push_back(Data.*picture);
    FPictures.insert(FPictures.end(), Data.ActivePictures.begin(), Data.ActivePictures.end());
    FSlots.resize(FPictures.size());
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
      if (WindowPictures[i] == Picture) return {weak_from_this(), i};
    return {};
  }

  TspSkinBitmap ActivePicture(int32_t Index) {
    if (!IsPictureIndex(Index, FPictures.size() - WindowPictures.size())) return {};
    return {weak_from_this(), WindowPictures.size() + static_cast<size_t>(Index)};
  }

  // The bitmap of slot Slot, made at the first call. A failure to make it is raised at
  // that call only: the slot then stays without a bitmap.
  TBitmap* Bitmap(size_t Slot) {
    TSlot& slot = FSlots[Slot];
    if (slot.Bitmap == nullptr && !slot.Failed) {
      slot.Failed = true;
      auto bitmap = std::make_unique<TBitmap>();
      bitmap->LoadFromPixelImage(FPictures[Slot]);
      slot.Bitmap = std::move(bitmap);
      slot.Failed = false;
    }
    return slot.Bitmap.get();
  }

private:
  struct TSlot {
    std::unique_ptr<TBitmap> Bitmap;
    bool Failed = false;
  };

  std::vector<TPixelImage> FPictures;
  std::vector<TSlot> FSlots;
};

TBitmap* TspSkinBitmap::Get() const {
  const std::shared_ptr<TspSkinBitmapSet> set = FSet.lock();
  return set != nullptr ? set->Bitmap(FSlot) : nullptr;
}

TspSkinBitmap SkinBitmap(TspSkinData* Data, TPixelImage TspSkinData::*Picture) {
  if (Data == nullptr) return {};
  return TspSkinBitmapSet::Of(*Data)->WindowPicture(Picture);
}

TspSkinBitmap SkinActiveBitmap(TspSkinData* Data, int32_t Index) {
  if (Data == nullptr || !IsPictureIndex(Index, Data->ActivePictures.size())) return {};
  return TspSkinBitmapSet::Of(*Data)->ActivePicture(Index);
}
