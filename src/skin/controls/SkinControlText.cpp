#include "SkinControlText.h"

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/EffectBmp.h"

#include "classlib/Bitmap.h"

void SetSkinControlFont(TFont& Font, const TFont& Default, const TspSkinFont* Skin, TspSkinData* Data) {
  Font.SetName(Skin != nullptr ? Skin->Name : Default.Name());
  Font.SetHeight(Skin != nullptr ? Skin->Height : Default.Height());
  Font.SetStyle(Skin != nullptr ? Skin->Style : Default.Style());
  const TspResourceStrData* strings = Data != nullptr ? Data->ResourceStrData() : nullptr;
  Font.SetCharset(strings != nullptr ? strings->CharSet() : Default.Charset());
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
    case mkdefault:
    default: from->Morph(*to, Kf); break;
  }
  from->Draw(From.Canvas()->Handle(), 0, 0);
}
