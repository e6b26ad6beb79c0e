#include "FrameEffects.h"

#include "skin/data/win32/EffectBmp.h"

#include "classlib/Bitmap.h"

void ApplyInActiveEffect(TBitmap& Image, TspInActiveEffect Effect) {
  if (Image.Empty()) return;
  const auto effect = TspEffectBmp::CreateFromHBitmap(Image.Handle());
  switch (Effect) {
    case iebrightness: effect->ChangeBrightness(0.5); break;
    case iedarkness: effect->ChangeDarkness(0.3); break;
    case iegrayscale: effect->GrayScale(); break;
    case ienoise: effect->AddMonoNoise(50); break;
    case iesplitblur: effect->SplitBlur(1); break;
    case ieinvert: effect->Invert(); break;
  }
  effect->Draw(Image.Canvas()->Handle(), 0, 0);
}
