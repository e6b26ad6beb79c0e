#include "SkinBitmaps.h"

#include <array>
#include <vector>

// The bitmaps of one generation of a skin data component's pictures, held in its picture
// cache, so that they are dropped whenever the pictures change: each bitmap is made from
// the component's own picture when it is first asked for, with no copy of the pictures
// kept beside them.
class TspSkinBitmapSet final : public TspSkinPictureCache,
                               public std::enable_shared_from_this<TspSkinBitmapSet> {
public:
  static constexpr std::array<TPixelImage TspSkinData::*, 5> WindowPictures = {
      &TspSkinData::Picture, &TspSkinData::InActivePicture, &TspSkinData::Mask, &TspSkinData::RollUpPicture,
      &TspSkinData::RollUpMask};

  // Slots 0 to 4 are the window pictures, the active pictures follow.
  explicit TspSkinBitmapSet(const TspSkinData& Data)
      : FData(Data), FSlots(WindowPictures.size() + Data.ActivePictures.size()) {}

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
    if (!IsPictureIndex(Index, FSlots.size() - WindowPictures.size())) return {};
    return {weak_from_this(), WindowPictures.size() + static_cast<size_t>(Index)};
  }

  // The bitmap of slot Slot, made at the first call. A failure to make it is raised at
  // that call only: the slot then stays without a bitmap.
  TBitmap* Bitmap(size_t Slot) {
    TSlot& slot = FSlots[Slot];
    if (slot.Bitmap == nullptr && !slot.Failed) {
      slot.Failed = true;
      auto bitmap = std::make_unique<TBitmap>();
      bitmap->LoadFromPixelImage(Picture(Slot));
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

  const TPixelImage& Picture(size_t Slot) const {
    return Slot < WindowPictures.size() ? FData.*WindowPictures[Slot]
                                        : FData.ActivePictures[Slot - WindowPictures.size()];
  }

  // The component whose cache holds the set: the set goes before its pictures change.
  const TspSkinData& FData;
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
