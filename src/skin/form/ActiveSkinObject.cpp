#include "ActiveSkinObject.h"

#include "DynamicSkinForm.h"

#include "skin/controls/SkinEffects.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinRects.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double MorphStep = 0.2;

}  // namespace

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
  // Kept on whole fifths, so that five steps always reach the end.
  const double next = MorphKf + (Active ? MorphStep : -MorphStep);
  SetMorphKf(std::round(next / MorphStep) * MorphStep);
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

TBitmap* TspActiveSkinObject::LookPicture(bool InActivePicture) const {
  return InActivePicture ? ActivePicture.Get() : Picture.Get();
}

void TspActiveSkinObject::DrawLook(TCanvas* Canvas, const TspObjectLook& Look) {
  switch (Look.Kind) {
    case TspObjectLook::Copy: {
      TspSkinPart part{Look.InActivePicture ? ActivePicture : Picture, std::nullopt, {}, {}};
      part.Rects.Normal = Look.Rect;
      DrawSkinPart(*Canvas, ObjectRect, part, TspPartState::Normal);
      break;
    }
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

void TspActiveSkinObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (!IsNullRect(ActiveSkinRect)) ReDraw();
  Parent->DoMouseEnter(IDName);
}

void TspActiveSkinObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (!IsNullRect(ActiveSkinRect)) ReDraw();
  Parent->DoMouseLeave(IDName);
}
