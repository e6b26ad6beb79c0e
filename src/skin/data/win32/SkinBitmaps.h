#pragma once
// Windows only. The skin's pictures as class-library bitmaps, which skinned controls,
// menus and frames draw from. A skin data component's pictures are converted once, on
// first use after each load, and the bitmaps go with the pictures they show (a reload,
// a clear, the component's end): no paint converts a picture, and a bitmap kept across
// a skin change can no longer be reached.

#include "skin/data/SkinData.h"

#include "classlib/Bitmap.h"

#include <memory>

class TspSkinBitmapSet;

// One skin bitmap, safe to keep between paints: Get() gives the bitmap while the skin it
// came from is loaded, and nullptr once that skin was cleared, reloaded or freed, or
// when there was no picture to give.
class TspSkinBitmap {
public:
  TspSkinBitmap() = default;
  TBitmap* Get() const { return FSet.expired() ? nullptr : FBitmap; }

private:
  friend class TspSkinBitmapSet;
  TspSkinBitmap(std::weak_ptr<const TspSkinBitmapSet> Set, TBitmap* Bitmap)
      : FSet(std::move(Set)), FBitmap(Bitmap) {}

  std::weak_ptr<const TspSkinBitmapSet> FSet;
  TBitmap* FBitmap = nullptr;
};

// One of the five window pictures of Data (Picture, InActivePicture, Mask, RollUpPicture,
// RollUpMask: &TspSkinData::Mask, say); an empty picture gives an empty bitmap. No
// picture without skin data.
TspSkinBitmap SkinBitmap(TspSkinData* Data, TPixelImage TspSkinData::*Picture);
// Active picture Index of Data; no picture for an index outside the active pictures.
TspSkinBitmap SkinActiveBitmap(TspSkinData* Data, int32_t Index);
