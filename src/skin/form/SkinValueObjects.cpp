#include "SkinValueObjects.h"

#include "DynamicSkinForm.h"

#include "skin/form/portable/FrameArithmetic.h"

#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinRects.h"

#include <algorithm>

using FrameArithmetic::Offset;

namespace {

TSize SizeOf(const TRect& R) { return {RectWidth(R), RectHeight(R)}; }

// Image := the object's normal look (Normal of Picture) with its value's part from the
// active look (Active of ActivePicture), Parts being in the object's coordinates.
void FillByValue(TBitmap& Image, const TspFillParts& Parts, const TspSkinBitmap& Picture, const TRect& Normal,
                 const TspSkinBitmap& ActivePicture, const TRect& Active) {
  TCanvas& canvas = *Image.Canvas();
  CopyPicturePart(canvas, Parts.Normal, Picture, Offset(Parts.Normal, Normal.Left, Normal.Top));
  CopyPicturePart(canvas, Parts.Active, ActivePicture, Offset(Parts.Active, Active.Left, Active.Top));
}

}  // namespace

// Track bar

TspSkinTrackBarObject::TspSkinTrackBarObject(TspDynamicSkinForm* AParent, const TspDataSkinTrackBar* AData)
    : TspActiveSkinObject(AParent, AData),
      Track{AData->BeginPoint, AData->EndPoint, AData->MinValue, AData->MaxValue},
      Value(AData->MinValue),
      Vertical(Track.Vertical()),
      ButtonRect(AData->ButtonRect),
      ActiveButtonRect(AData->ActiveButtonRect),
      MouseDownChangeValue(AData->MouseDownChangeValue),
      ButtonTransparent(AData->ButtonTransparent),
      ButtonTransparentColor(AData->ButtonTransparentColor) {
  ButtonPos = OldButtonPos = TrackButtonPos(Track, Value);
}

TRect TspSkinTrackBarObject::ButtonPlace() const { return TrackButtonRect(ButtonPos, SizeOf(ButtonRect)); }

void TspSkinTrackBarObject::SetButtonPos(TPoint P) {
  if (P == ButtonPos) return;
  OldButtonPos = ButtonPos;
  ButtonPos = P;
  Value = TrackValueAt(Track, P);
  Parent->RedrawObject(this);
  Parent->DoTrackBarChangeValue(IDName, Value);
}

void TspSkinTrackBarObject::Draw(TCanvas* Cnvs, bool) {
  const TSize size = SizeOf(SkinRect);
  if (!IsDrawableImageSize(size.cx, size.cy)) return;
  TBitmap image;
  image.SetSize(size.cx, size.cy);
  const TspSkinBitmap& picture = LookBitmap(SkinRectInAPicture);
  if (IsNullRect(ActiveSkinRect)) {
    CopyPicturePart(*image.Canvas(), Rect(0, 0, size.cx, size.cy), picture, SkinRect);
  } else {
    // The track is filled up to the button: from the left, or from the bottom.
    FillByValue(image, ValueFillParts(size, Vertical ? ButtonPos.Y : ButtonPos.X, Vertical), picture, SkinRect,
                ActivePicture, ActiveSkinRect);
  }
  DrawButton(image);
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &image);
}

void TspSkinTrackBarObject::DrawButton(TBitmap& Image) {
  const TRect look = Down && !IsNullRect(ActiveButtonRect) ? ActiveButtonRect : ButtonRect;
  const TRect place = ButtonPlace();
  if (!ButtonTransparent) {
    CopyPicturePart(*Image.Canvas(), place, ActivePicture, look);
    return;
  }
  TBitmap button;
  if (!CutImage(button, ActivePicture.Get(), look)) return;
  button.SetTransparent(true);
  button.SetTransparentColor(ButtonTransparentColor);
  Image.Canvas()->Draw(place.Left, place.Top, &button);
}

void TspSkinTrackBarObject::MouseDown(int X, int Y, TMouseButton Button) {
  const TPoint p = ObjectPoint(X, Y);
  if (Button == mbLeft && PtInRect(ButtonPlace(), p)) {
    Down = true;
    DragPoint = p;
    if (!IsNullRect(ActiveButtonRect)) Parent->RedrawObject(this);
  } else if (Button == mbLeft && MouseDownChangeValue) {
    SetButtonPos(TrackClickPos(Track, p));
  }
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

void TspSkinTrackBarObject::MouseMove(int X, int Y) {
  if (Down) {
    const TPoint p = ObjectPoint(X, Y);
    if (const std::optional<TPoint> to = TrackDragPos(Track, ButtonPos, DragPoint, p)) SetButtonPos(*to);
    DragPoint = p;
  }
  TspActiveSkinObject::MouseMove(X, Y);
}

void TspSkinTrackBarObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (Button == mbLeft && Down) {
    Down = false;
    if (!IsNullRect(ActiveButtonRect)) Parent->RedrawObject(this);
  }
  TspActiveSkinObject::MouseUp(X, Y, Button);
}

// Switch

TspSkinSwitchObject::TspSkinSwitchObject(TspDynamicSkinForm* AParent, const TspDataSkinSwitch* AData)
    : TspActiveSkinObject(AParent, AData), State(swsOff) {}

void TspSkinSwitchObject::SetState(TSwitchState Value) {
  State = Value;
  Active = State == swsOn;
  ReDraw();
  Parent->DoSwitchChangeState(IDName, State);
}

void TspSkinSwitchObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (Button == mbLeft) SetState(State == swsOn ? swsOff : swsOn);
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

// Its look follows the state, not the mouse.
void TspSkinSwitchObject::MouseEnter() {
  MouseIn = true;
  Parent->DoMouseEnter(IDName);
}

void TspSkinSwitchObject::MouseLeave() {
  MouseIn = false;
  Parent->DoMouseLeave(IDName);
}

// Frame objects

TspSkinFrameObject::TspSkinFrameObject(TspDynamicSkinForm* AParent, const TspDataSkinObject* AData,
                                       int32_t ACountFrames, TspFramesPlacement APlacement, int32_t AMinValue,
                                       int32_t AMaxValue, int32_t AValue)
    : TspActiveSkinObject(AParent, AData),
      CountFrames(ACountFrames),
      FramesPlacement(APlacement),
      Value(AValue),
      MinValue(AMinValue),
      MaxValue(AMaxValue) {
  const TSize frame = StripFrameSize(ActiveSkinRect, CountFrames, FramesPlacement);
  FrameWidth = frame.cx;
  FrameHeight = frame.cy;
}

void TspSkinFrameObject::Draw(TCanvas* Cnvs, bool) {
  FrameIndex = FrameObjectIndex(CountFrames, MinValue, MaxValue, Value);
  const TRect frame =
      StripFrameRect(ActiveSkinRect.TopLeft(), {FrameWidth, FrameHeight}, FrameIndex, FramesPlacement);
  CopyPicturePart(*Cnvs, ObjectRect, ActivePicture, frame);
}

TspSkinFrameGaugeObject::TspSkinFrameGaugeObject(TspDynamicSkinForm* AParent,
                                                 const TspDataSkinFrameGaugeObject* AData)
    : TspSkinFrameObject(AParent, AData, AData->CountFrames, AData->FramesPlacement, AData->MinValue,
                         AData->MaxValue, 0) {}

TspSkinFrameRegulatorObject::TspSkinFrameRegulatorObject(TspDynamicSkinForm* AParent,
                                                         const TspDataSkinFrameRegulatorObject* AData)
    : TspSkinFrameObject(AParent, AData, AData->CountFrames, AData->FramesPlacement, AData->MinValue,
                         AData->MaxValue, std::clamp(0, std::min(AData->MinValue, AData->MaxValue),
                                                     std::max(AData->MinValue, AData->MaxValue))),
      Kind(AData->Kind) {}

int32_t TspSkinFrameRegulatorObject::Position(int X, int Y) const {
  return RegulatorPosition(Kind, ObjectPoint(X, Y), {RectWidth(ObjectRect), RectHeight(ObjectRect)}, Drag.LastPos);
}

void TspSkinFrameRegulatorObject::SetValue(int32_t AValue) {
  if (AValue == Value || AValue < MinValue || AValue > MaxValue) return;
  Value = AValue;
  Parent->RedrawObject(this);
  Parent->DoFrameRegulatorChangeValue(IDName, Value);
}

void TspSkinFrameRegulatorObject::MouseDown(int X, int Y, TMouseButton Button) {
  Down = true;
  Drag = BeginRegulatorDrag(Value, Position(X, Y));
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

void TspSkinFrameRegulatorObject::MouseMove(int X, int Y) {
  if (Down) {
    const TspRegulator regulator{Kind, CountFrames, {FrameWidth, FrameHeight}, MinValue, MaxValue};
    if (const std::optional<int32_t> value = RegulatorDragStep(regulator, Drag, Position(X, Y))) SetValue(*value);
  }
  TspActiveSkinObject::MouseMove(X, Y);
}

void TspSkinFrameRegulatorObject::MouseUp(int X, int Y, TMouseButton Button) {
  Down = false;
  TspActiveSkinObject::MouseUp(X, Y, Button);
}

// Gauge

TspSkinGaugeObject::TspSkinGaugeObject(TspDynamicSkinForm* AParent, const TspDataSkinGauge* AData)
    : TspActiveSkinObject(AParent, AData),
      Value(AData->MinValue),
      MinValue(AData->MinValue),
      MaxValue(AData->MaxValue),
      Kind(AData->Kind) {}

void TspSkinGaugeObject::Draw(TCanvas* Cnvs, bool UpDate) {
  if (Value == MinValue && !UpDate) return;
  const TSize size = SizeOf(ObjectRect);
  if (!IsDrawableImageSize(size.cx, size.cy)) return;
  TBitmap image;
  image.SetSize(size.cx, size.cy);
  const bool vertical = Kind != gkhorizontal;
  const int32_t progress = GaugeProgress(Kind, SizeOf(SkinRect), Value, MinValue, MaxValue);
  FillByValue(image, ValueFillParts(size, progress, vertical), LookBitmap(SkinRectInAPicture), SkinRect,
              ActivePicture, ActiveSkinRect);
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &image);
}
