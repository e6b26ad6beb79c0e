#include "ActiveSkinObject.h"

#include "DynamicSkinForm.h"

#include "skin/form/portable/FrameArithmetic.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

#include "skin/controls/SkinEffects.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinRects.h"

#include <algorithm>

void CopyPicturePart(TCanvas& Canvas, const TRect& Dest, const TspSkinBitmap& Picture, const TRect& R) {
  TspSkinPart part{Picture, std::nullopt, {}, {}};
  part.Rects.Normal = R;
  DrawSkinPart(Canvas, Dest, part, TspPartState::Normal);
}

bool CutImage(TBitmap& Target, TBitmap* Picture, const TRect& R) {
  if (Picture == nullptr || Picture->Empty() || !IsDrawableImageSize(RectWidth(R), RectHeight(R))) return false;
  Target.SetSize(RectWidth(R), RectHeight(R));
  Target.Canvas()->CopyRect(Rect(0, 0, Target.Width(), Target.Height()), Picture->Canvas(), R);
  return true;
}

TspActiveSkinObject::TspActiveSkinObject(TspDynamicSkinForm* AParent, const TspDataSkinObject* AData)
    : Parent(AParent), SkinData(AParent->SkinData()) {
  if (AData == nullptr) return;
  IDName = AData->IDName;
  Hint = AData->Hint;
  SkinRectInAPicture = AData->SkinRectInAPicture;
  SkinRect = AData->SkinRect;
  ActiveSkinRect = AData->ActiveSkinRect;
  InActiveSkinRect = AData->InActiveSkinRect;
  Morphing = AData->Morphing;
  MorphKind = AData->MorphKind;
  CursorIndex = AData->CursorIndex;
  RollUp = AData->RollUp;
  if (SkinData != nullptr && IsPictureIndex(AData->ActivePictureIndex, SkinData->ActivePictures.size()))
    ActivePicture = SkinActiveBitmap(SkinData, AData->ActivePictureIndex);
  else
    ActiveSkinRect = NullRect();
  ObjectRect = SkinRect;
  Picture = SkinBitmap(SkinData, RollUp ? &TspSkinData::RollUpPicture : &TspSkinData::Picture);
}

bool TspActiveSkinObject::WindowActive() const { return Parent->IsFormActive(); }

bool TspActiveSkinObject::CanMorphing() const {
  return Morphing && SkinEffectsEnabled(SkinData);
}

bool TspActiveSkinObject::IsMorphRunning() const { return Active ? MorphKf < 1 : MorphKf > 0; }

void TspActiveSkinObject::SetMorphKf(double Value) { MorphKf = std::clamp(Value, 0.0, 1.0); }

void TspActiveSkinObject::DoMorphing() {
  MorphKf = NextMorphKf(MorphKf, Active);
  Parent->RedrawObject(this);
}

void TspActiveSkinObject::ReDraw() {
  if (CanMorphing())
    Parent->StartMorphTimer();
  else
    Parent->RedrawObject(this);
}

TspObjectLookState TspActiveSkinObject::LookState(bool UpDate) const {
  TspObjectLookState s;
  s.SkinRect = SkinRect;
  s.ActiveSkinRect = ActiveSkinRect;
  s.InActiveSkinRect = InActiveSkinRect;
  s.SkinRectInAPicture = SkinRectInAPicture;
  s.Enabled = Enabled;
  s.Active = Active;
  s.MouseIn = MouseIn;
  s.MorphRunning = MorphRunning();
  s.WindowActive = WindowActive();
  s.UpDate = UpDate;
  return s;
}

TBitmap* TspActiveSkinObject::LookPicture(bool InActivePicture) const { return LookBitmap(InActivePicture).Get(); }

TPoint TspActiveSkinObject::ObjectPoint(int X, int Y) const {
  using FrameArithmetic::Saturated;
  return {Saturated(int64_t{X} - ObjectRect.Left), Saturated(int64_t{Y} - ObjectRect.Top)};
}

void TspActiveSkinObject::DropDownMenu(TMenuItem* Item, bool PopupUp) {
  const TPoint origin = Parent->FrameOrigin();
  const TRect r = OffsetRect(ObjectRect, origin.X, origin.Y);
  if (auto* popup = dynamic_cast<TspSkinPopupMenu*>(Item->GetParentMenu())) {
    popup->PopupFromRect(r, PopupUp);
    return;
  }
  Parent->SkinMenuOpen();
  TspSkinData* skin = Parent->MenusSkinData() != nullptr ? Parent->MenusSkinData() : Parent->SkinData();
  if (!Parent->SkinMenu()->Popup(nullptr, skin, 0, r, Item, PopupUp)) Parent->SkinMenuClose();
}

void TspActiveSkinObject::DrawLook(TCanvas* Canvas, const TspObjectLook& Look) {
  switch (Look.Kind) {
    case TspObjectLook::Copy: CopyPicturePart(*Canvas, ObjectRect, LookBitmap(Look.InActivePicture), Look.Rect); break;
    case TspObjectLook::Morph: {
      TBitmap from, to;
      if (!CutImage(from, LookPicture(Look.InActivePicture), Look.Rect)) break;
      if (CutImage(to, ActivePicture.Get(), Look.MorphTo)) MorphImages(from, to, MorphKf, MorphKind);
      Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &from);
      break;
    }
    case TspObjectLook::FormIcon: Parent->DrawFormIcon(Canvas, ObjectRect.Left, ObjectRect.Top); break;
    default: break;
  }
}

void TspActiveSkinObject::Draw(TCanvas* Cnvs, bool UpDate) { DrawLook(Cnvs, ObjectLook(LookState(UpDate))); }

void TspActiveSkinObject::MouseDown(int X, int Y, TMouseButton Button) {
  Parent->DoMouseDown(IDName, X, Y, ObjectRect, Button);
}

void TspActiveSkinObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (MouseIn) Parent->DoMouseUp(IDName, X, Y, ObjectRect, Button);
}

void TspActiveSkinObject::MouseMove(int X, int Y) { Parent->DoMouseMove(IDName, X, Y, ObjectRect); }

bool TspActiveSkinObject::HoverChangesLook() const { return !IsNullRect(ActiveSkinRect); }

void TspActiveSkinObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (HoverChangesLook()) ReDraw();
  Parent->DoMouseEnter(IDName);
}

void TspActiveSkinObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (HoverChangesLook()) ReDraw();
  Parent->DoMouseLeave(IDName);
}
