#pragma once
// Windows only. The skin's pictures as class-library bitmaps, which skinned controls,
// menus and frames draw from. Each picture is converted when it is first drawn after a
// load, once, so a skin of many pictures holds bitmaps (GDI objects) only for those its
// windows show; the bitmaps go with the pictures they show (a reload, a clear, the
// component's end), and a bitmap kept across a skin change can no longer be reached.
// A picture whose bitmap cannot be made raises the error at that first draw and is no
// picture from then on, so the error is not raised again by every later paint.

#include "skin/data/SkinData.h"

#include "classlib/Bitmap.h"

#include <memory>

class TspSkinBitmapSet;

// One skin bitmap, safe to keep between paints: Get() gives the bitmap (made at its first
// call) while the skin it came from is loaded, and nullptr once that skin was cleared,
// reloaded or freed, when there was no picture to give, or when its bitmap could not be
// made.
class TspSkinBitmap {
public:
  TspSkinBitmap() = default;
  TBitmap* Get() const;

private:
  friend class TspSkinBitmapSet;
  TspSkinBitmap(std::weak_ptr<TspSkinBitmapSet> Set, size_t Slot) : FSet(std::move(Set)), FSlot(Slot) {}

  std::weak_ptr<TspSkinBitmapSet> FSet;
  size_t FSlot = 0;
};

// One of the five window pictures of Data (Picture, InActivePicture, Mask, RollUpPicture,
// RollUpMask: &TspSkinData::Mask, say); an empty picture gives an empty bitmap. No
// picture without skin data.
TspSkinBitmap SkinBitmap(TspSkinData* Data, TPixelImage TspSkinData::*Picture);
// Active picture Index of Data; no picture for an index outside the active pictures.
TspSkinBitmap SkinActiveBitmap(TspSkinData* Data, int32_t Index);
