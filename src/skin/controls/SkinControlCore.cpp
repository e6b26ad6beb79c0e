#include "SkinControlCore.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/EffectBmp.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Bitmap.h"
#include "classlib/ImageList.h"

const TspDataSkinControl* SkinControlEntry(const TspSkinData* Data, int32_t Index) {
  if (Data == nullptr || Index < 0 || static_cast<size_t>(Index) >= Data->CtrlList.size()) return nullptr;
  return Data->CtrlList[static_cast<size_t>(Index)].get();
}

void DrawBlendedOverParent(TControl* Control, TCanvas& Canvas, TBitmap& Image, const TRect& Area, TPoint At,
                           uint8_t AlphaBlendValue) {
  TBitmap parent(Image.Width(), Image.Height());
  DrawParentBackgroundRect(Control, Area, parent.Canvas());
  const auto image = TspEffectBmp::CreateFromHBitmap(Image.Handle());
  const auto background = TspEffectBmp::CreateFromHBitmap(parent.Handle());
  image->Morph(*background, AlphaMorphKf(AlphaBlendValue));
  image->Draw(Canvas.Handle(), At.X, At.Y);
}

void DrawSkinControlImage(TControl* Control, TCanvas& Canvas, TBitmap& Image, bool AlphaBlend,
                          uint8_t AlphaBlendValue) {
  if (AlphaBlend)
    DrawBlendedOverParent(Control, Canvas, Image, {0, 0, Image.Width(), Image.Height()}, {0, 0}, AlphaBlendValue);
  else
    Canvas.Draw(0, 0, &Image);
}

template <class Base>
void TspSkinControlCore<Base>::SetSkinData(TspSkinData* Value) {
  this->SetReference(FSkinData, Value);
  if (Value != nullptr && !Value->Empty() && !this->ComponentState().Contains(csDesigning)) ChangeSkinData();
}

template <class Base>
void TspSkinControlCore<Base>::SetAlphaBlend(bool Value) {
  FAlphaBlend = Value;
  this->Repaint();
}

template <class Base>
void TspSkinControlCore<Base>::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  this->Repaint();
}

template <class Base>
void TspSkinControlCore<Base>::SetHintImageList(TCustomImageList* Value) {
  this->SetReference(FHintImageList, Value);
}

template <class Base>
void TspSkinControlCore<Base>::Notification(TComponent* AComponent, TOperation Operation) {
  Base::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FHintImageList) FHintImageList = nullptr;
}

template <class Base>
void TspSkinControlCore<Base>::GetSkinData() {
  FIndex = FSkinData == nullptr || FSkinData->Empty() ? -1 : FSkinData->GetControlIndex(FSkinDataName);
}

template <class Base>
const TspDataSkinControl* TspSkinControlCore<Base>::SkinEntry() const {
  return SkinControlEntry(FSkinData, FIndex);
}

template <class Base>
void TspSkinControlCore<Base>::ApplySkinCursor() {
  if (!FUseSkinCursor) return;
  this->SetCursor(TspSkinData::ScreenCursorOf(FCursorIndex));
}

template <class Base>
void TspSkinControlCore<Base>::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  this->Repaint();
}

template <class Base>
void TspSkinControlCore<Base>::Paint() {
  if (this->Width() < 1 || this->Height() < 1) return;
  GetSkinData();
  TBitmap image(this->Width(), this->Height());
  if (Skinned())
    CreateControlSkinImage(&image);
  else if (FDrawDefault)
    CreateControlDefaultImage(&image);
  DrawControlImage(image);
}

template <class Base>
void TspSkinControlCore<Base>::DrawControlImage(TBitmap& Image) {
  DrawSkinControlImage(this, *this->Canvas(), Image, FAlphaBlend, FAlphaBlendValue);
}

template class TspSkinControlCore<TCustomControl>;
template class TspSkinControlCore<TGraphicControl>;
