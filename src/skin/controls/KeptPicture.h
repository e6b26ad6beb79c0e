#pragma once
// TspKeptPicture: a picture a control draws once and keeps between paints for as long
// as what it shows stays the same, told by a key of every value its drawing reads.

#include "skin/data/SkinImagePlans.h"

#include "classlib/Bitmap.h"

#include <memory>
#include <optional>
#include <utility>

template <class Key>
class TspKeptPicture {
public:
  // The picture of AKey at Size: the kept one, or, after another key or size, a new
  // black bitmap that Draw draws on (Draw's false: nothing to show, nullptr). A size no
  // bitmap may have (from a skin's rectangles) has nothing to show either.
  template <class DrawFn>
  TBitmap* Get(const Key& AKey, TSize Size, DrawFn&& Draw) {
    if (!FKey || !(FKey->first == AKey) || FKey->second != Size) {
      FKey.reset();
      FPicture.reset();
      if (IsDrawableImageSize(Size.cx, Size.cy)) FPicture = std::make_unique<TBitmap>(Size.cx, Size.cy);
      if (FPicture && !Draw(*FPicture)) FPicture.reset();
      FKey.emplace(AKey, Size);
    }
    return FPicture.get();
  }
  // The next Get draws anew (the skin the key names changed in place).
  void Forget() {
    FKey.reset();
    FPicture.reset();
  }

private:
  std::optional<std::pair<Key, TSize>> FKey;
  std::unique_ptr<TBitmap> FPicture;
};
