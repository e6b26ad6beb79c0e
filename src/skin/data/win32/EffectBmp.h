#pragma once
// Windows only. TspEffectBmp: a 24-bit top-down DIB section that does the morphs,
// effects, rotations and flip of TEffectPixels on its own memory. The skinned controls
// and windows make effect bitmaps from their current images for one paint, change them,
// draw them and free them.

#include "DibSection.h"

#include "skin/data/EffectPixels.h"

#include <memory>

class TspEffectBmp : public TEffectPixels {
public:
  // A black effect bitmap of that size (without pixels for a size below 1).
  static std::unique_ptr<TspEffectBmp> CreateSize(int32_t AWidth, int32_t AHeight);
  // A copy of a bitmap's size and pixels; give TBitmap::Handle(), which first takes the
  // bitmap out of its canvas's DC.
  static std::unique_ptr<TspEffectBmp> CreateFromHBitmap(HBITMAP ABitmap);

  HBITMAP Handle() const { return FSection.Handle(); }
  const BITMAPINFOHEADER& Header() const { return FSection.Header(); }
  const BITMAPINFO& Info() const { return FSection.Info(); }

  // Copies the whole bitmap into DC with its top-left corner at (X, Y).
  void Draw(HDC DC, int X, int Y) const;

private:
  explicit TspEffectBmp(TDibSection Section);
  TDibSection FSection;
};
