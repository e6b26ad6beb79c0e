#include "SkinControl.h"

#include "SkinControlMessages.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/EffectBmp.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Bitmap.h"
#include "classlib/ImageList.h"

#include "base/ScopeExit.h"

const TspDataSkinControl* SkinControlEntry(const TspSkinData* Data, int32_t Index) {
  if (Data == nullptr || Index < 0 || static_cast<size_t>(Index) >= Data->CtrlList.size()) return nullptr;
  return Data->CtrlList[static_cast<size_t>(Index)].get();
}

TspSkinControl::TspSkinControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TspSkinControl::SetSkinData(TspSkinData* Value) {
  SetReference(FSkinData, Value);
  if (Value != nullptr && !Value->Empty() && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TspSkinControl::SetAlphaBlend(bool Value) {
  FAlphaBlend = Value;
  Repaint();
}

void TspSkinControl::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  Repaint();
}

void TspSkinControl::SetHintImageList(TCustomImageList* Value) { SetReference(FHintImageList, Value); }

void TspSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FHintImageList) FHintImageList = nullptr;
}

void TspSkinControl::GetSkinData() {
  FIndex = FSkinData == nullptr || FSkinData->Empty() ? -1 : FSkinData->GetControlIndex(FSkinDataName);
}

const TspDataSkinControl* TspSkinControl::SkinEntry() const { return SkinControlEntry(FSkinData, FIndex); }

void TspSkinControl::ApplySkinCursor() {
  if (!FUseSkinCursor) return;
  SetCursor(FCursorIndex != -1 ? TspSkinData::StartCursorIndex + FCursorIndex : crDefault);
}

void TspSkinControl::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  Repaint();
}

void TspSkinControl::ParentBackgroundChanged() {
  if (!FAlphaBlend) return;
  Repaint();
  NotifyChildrenBackgroundChanged();
}

void TspSkinControl::NotifyChildrenBackgroundChanged() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      if (windowed->HandleAllocated()) SendMessageA(windowed->Handle(), SP_PARENT_BACKGROUND_CHANGED, 0, 0);
    } else if (dynamic_cast<TGraphicControl*>(child) != nullptr) {
      child->Perform(SP_PARENT_BACKGROUND_CHANGED, 0, 0);
    }
  }
}

void TspSkinControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  TBitmap image(Width(), Height());
  if (FIndex != -1)
    CreateControlSkinImage(&image);
  else if (FDrawDefault)
    CreateControlDefaultImage(&image);
  DrawControlImage(image);
}

void TspSkinControl::DrawControlImage(TBitmap& Image) {
  if (!FAlphaBlend) {
    Canvas()->Draw(0, 0, &Image);
    return;
  }
  TBitmap parent(Image.Width(), Image.Height());
  DrawParentBackground(this, parent.Canvas());
  const auto control = TspEffectBmp::CreateFromHBitmap(Image.Handle());
  const auto background = TspEffectBmp::CreateFromHBitmap(parent.Handle());
  control->Morph(*background, 1.0 - FAlphaBlendValue / 255.0);
  control->Draw(Canvas()->Handle(), 0, 0);
}

void TspSkinControl::PaintOnErase(TMessage& Message) {
  if (!FInPaint) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
  Message.Result = 1;
}

void TspSkinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOVE:
      TCustomControl::Dispatch(Message);
      if (FAlphaBlend) Repaint();  // the blended background moved
      return;
    case WM_PAINT: {
      FInPaint = true;
      TScopeExit done([this] { FInPaint = false; });
      TCustomControl::Dispatch(Message);
      return;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;  // the paint covers the whole control
      return;
    case SP_PARENT_BACKGROUND_CHANGED: ParentBackgroundChanged(); return;
    default: TCustomControl::Dispatch(Message);
  }
}
