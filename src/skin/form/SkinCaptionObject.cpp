#include "SkinCaptionObject.h"

#include "DynamicSkinForm.h"
#include "FrameEffects.h"

#include "skin/form/portable/FrameGeometry.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/controls/SkinEffects.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"

namespace {

// The frame's animation timer's period, which a caption counts its frames' time in.
constexpr int32_t AnimationTick = 25;

}  // namespace

TspSkinCaptionObject::TspSkinCaptionObject(TspDynamicSkinForm* AParent, const TspDataSkinCaption* AData)
    : TspActiveSkinObject(AParent, AData) {
  Kind = TspFrameObjectKind::Caption;
  TextLayout.SkinRect = SkinRect;
  if (AData == nullptr) return;
  FontName = AData->FontName;
  FontStyle = AData->FontStyle;
  FontHeight = AData->FontHeight;
  FontColor = AData->FontColor;
  ActiveFontColor = AData->ActiveFontColor;
  ShadowColor = AData->ShadowColor;
  ActiveShadowColor = AData->ActiveShadowColor;
  Shadow = AData->Shadow;
  LightColor = AData->LightColor;
  ActiveLightColor = AData->ActiveLightColor;
  Light = AData->Light;
  ActiveFrameRect = AData->ActiveFrameRect;
  FrameLeftOffset = AData->FrameLeftOffset;
  FrameRightOffset = AData->FrameRightOffset;
  StretchEffect = AData->StretchEffect;
  TextLayout = {SkinRect, AData->TextRect, AData->FrameRect, AData->FrameTextRect, AData->Alignment,
                AData->FullFrame};
  AnimateSkinRect = AData->AnimateSkinRect;
  FrameCount = AData->FrameCount;
  AnimateInterval = AData->AnimateInterval;
  InActiveAnimation = AData->InActiveAnimation;
}

TSize TspSkinCaptionObject::Size() const { return {RectWidth(ObjectRect), RectHeight(ObjectRect)}; }

TspCaptionZone TspSkinCaptionObject::Zone() const {
  return SkinData != nullptr ? CaptionZone(SkinRect, Size(), FrameCut(*SkinData)) : TspCaptionZone{};
}

bool TspSkinCaptionObject::MakeImage(TBitmap& Image, TBitmap* Source, const TRect& R) const {
  if (Source == nullptr || Source->Empty() || SkinData == nullptr || IsNullRect(R) ||
      !IsDrawableImageSize(Size().cx, Size().cy))
    return false;
  ::DrawImage(&Image, Source, CaptionImagePlan(Zone(), R, Size(), FrameCut(*SkinData), StretchEffect));
  return !Image.Empty();
}

void TspSkinCaptionObject::SetText(const std::string& Value) {
  Text = Value;
  Parent->RedrawObject(this);
}

bool TspSkinCaptionObject::CanAnimate() const {
  return SkinEffectsEnabled(SkinData) && !SkinData->SkinChanging() &&
         ::CanAnimate(AnimateSkinRect, FrameCount, AnimateInterval, RectHeight(AnimateSkinRect) <= Size().cy);
}

void TspSkinCaptionObject::RestartAnimation(bool Activated) {
  AnimateTimerCount = AnimationTick;
  FrameIndex = Activated ? 1 : InActiveAnimation ? FrameCount : 0;
}

bool TspSkinCaptionObject::AnimationStep() {
  if (!CanAnimate()) return false;
  if (AnimateTimerCount < AnimateInterval) {
    AnimateTimerCount += AnimationTick;
    return true;
  }
  if (Active ? FrameIndex > FrameCount : FrameIndex <= 0) return false;
  FrameIndex += Active ? 1 : -1;
  Parent->RedrawObject(this);
  AnimateTimerCount = AnimationTick;
  return true;
}

void TspSkinCaptionObject::ApplyInActiveEffect(TBitmap& Image) const {
  if (SkinData == nullptr || !Parent->IsInactiveEffectOn() || SkinData->SkinChanging()) return;
  ::ApplyInActiveEffect(Image, SkinData->InActiveEffect);
}

void TspSkinCaptionObject::PutImage(TCanvas* Canvas, TBitmap& Image, bool Effect) const {
  if (Effect) ApplyInActiveEffect(Image);
  Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &Image);
}

bool TspSkinCaptionObject::MorphAtEnd() const { return Active && (MorphKf >= 1 || (MorphKf <= 0 && !CanMorphing())); }

void TspSkinCaptionObject::Draw(TCanvas* Cnvs, bool UpDate) {
  Active = WindowActive();
  const bool ncArea = Parent->SupportNCArea();
  TBitmap image;
  if (CanAnimate() && FrameIndex >= 1 && FrameIndex <= FrameCount) {
    // The frames pass between the looks: the text keeps the colours of the state left.
    const TRect frame = CaptionAnimationFrame(AnimateSkinRect, FrameCount, FrameIndex, Size());
    if (!MakeImage(image, ActivePicture.Get(), frame)) return;
    PaintText(image.Canvas(), {0, 0}, !Active);
    PutImage(Cnvs, image, false);
    return;
  }
  if (ncArea && IsNullRect(ActiveSkinRect)) {
    PaintText(Cnvs, ObjectRect.TopLeft(), Active);
    return;
  }
  const bool morphing = MorphKf > 0 && CanMorphing();
  if (!IsNullRect(ActiveSkinRect) && (Active || morphing)) {
    if (!MakeImage(image, ActivePicture.Get(), ActiveSkinRect)) return;
    PaintText(image.Canvas(), {0, 0}, true);
    if (MorphAtEnd()) {
      PutImage(Cnvs, image, false);
      return;
    }
    TBitmap inactive;
    if (MakeImage(inactive, LookPicture(SkinRectInAPicture), SkinRect)) {
      PaintText(inactive.Canvas(), {0, 0}, false);
      MorphImages(inactive, image, MorphKf, MorphKind);
      PutImage(Cnvs, inactive, !Active);
    }
    return;
  }
  if (!UpDate) {
    PaintText(Cnvs, ObjectRect.TopLeft(), Active);
    return;
  }
  if (!MakeImage(image, LookPicture(SkinRectInAPicture), SkinRect)) return;
  PaintText(image.Canvas(), {0, 0}, Active);
  PutImage(Cnvs, image, !Active);
}

void TspSkinCaptionObject::PaintText(TCanvas* Canvas, TPoint Origin, bool ActiveColors) {
  std::string text = Parent->CaptionText();
  const TRect tr = OffsetRect(CaptionTextRect(TextLayout, Size()), Origin.X, Origin.Y);
  if (Parent->OnCaptionPaint) {
    Parent->OnCaptionPaint(Canvas, tr, ActiveColors);
    return;
  }
  if (text.empty() || IsNullRect(TextLayout.TextRect)) return;
  TFont* font = Canvas->Font();
  font->SetName(FontName);
  font->SetStyle(FontStyle);
  font->SetHeight(FontHeight);
  font->SetColor(ActiveColors ? ActiveFontColor : FontColor);
  const TspResourceStrData* strings = SkinData != nullptr ? SkinData->ResourceStrData() : nullptr;
  font->SetCharset(strings != nullptr ? strings->CharSet() : Parent->DefCaptionFont()->Charset());
  FitTextToWidth(Canvas, text, RectWidth(tr));
  const TspCaptionTextPlace place = CaptionTextPlace(TextLayout, Size(), Canvas->TextExtent(text));
  if (!place.DrawText) return;
  if (place.DrawFrame) PaintTextFrame(Canvas, OffsetRect(place.FrameDest, Origin.X, Origin.Y), ActiveColors);
  const int x = Origin.X + place.TextOrigin.X, y = Origin.Y + place.TextOrigin.Y;
  Canvas->Brush()->SetStyle(bsClear);
  if (Light) {
    font->SetColor(ActiveColors ? ActiveLightColor : LightColor);
    Canvas->TextOut(x - 1, y - 1, text);
  }
  if (Shadow) {
    font->SetColor(ActiveColors ? ActiveShadowColor : ShadowColor);
    Canvas->TextOut(x + 1, y + 1, text);
  }
  font->SetColor(ActiveColors ? ActiveFontColor : FontColor);
  Canvas->TextOut(x, y, text);
}

void TspSkinCaptionObject::PaintTextFrame(TCanvas* Canvas, const TRect& Dest, bool ActiveColors) {
  const TRect source =
      ActiveColors && !IsNullRect(ActiveFrameRect) ? ActiveFrameRect : TextLayout.FrameRect;
  TBitmap frame;
  ::DrawImage(&frame, ActivePicture.Get(),
              HSkinImagePlan(FrameLeftOffset, FrameRightOffset, source, RectWidth(Dest), false));
  if (!frame.Empty()) Canvas->Draw(Dest.Left, Dest.Top, &frame);
}

void TspSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (!Parent->SupportNCArea() && !Parent->Core().State.Maximized()) Parent->BeginObjectDrag(X, Y);
  Parent->DoMouseDown(IDName, X, Y, ObjectRect, Button);
}

void TspSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (!Parent->SupportNCArea()) Parent->EndObjectDrag();
  Parent->DoMouseUp(IDName, X, Y, ObjectRect, Button);
}

void TspSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  Parent->DoMouseEnter(IDName);
}

void TspSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  Parent->DoMouseLeave(IDName);
}
