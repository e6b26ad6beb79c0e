#include "SkinEffects.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/EffectBmp.h"

#include "classlib/Bitmap.h"

bool SkinEffectsEnabled(const TspSkinData* Data) {
  return Data != nullptr && !Data->Empty() && Data->EnableSkinEffects();
}

void MorphImages(TBitmap& From, TBitmap& To, double Kf, TspMorphKind Kind) {
  const auto from = TspEffectBmp::CreateFromHBitmap(From.Handle());
  const auto to = TspEffectBmp::CreateFromHBitmap(To.Handle());
  switch (Kind) {
    case mkgradient: from->MorphGrad(*to, Kf); break;
    case mkleftgradient: from->MorphLeftGrad(*to, Kf); break;
    case mkrightgradient: from->MorphRightGrad(*to, Kf); break;
    case mkleftslide: from->MorphLeftSlide(*to, Kf); break;
    case mkrightslide: from->MorphRightSlide(*to, Kf); break;
    case mkpush: from->MorphPush(*to, Kf); break;
    case mkdefault: from->Morph(*to, Kf); break;
  }
  from->Draw(From.Canvas()->Handle(), 0, 0);
}
