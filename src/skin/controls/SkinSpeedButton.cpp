#include "SkinSpeedButton.h"

#include "ButtonGlyphs.h"
#include "ControlInput.h"
#include "SkinEffects.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/controls/portable/SkinControlGeometry.h"
#include "skin/controls/portable/SpeedButtonLook.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"

#include "classlib/ImageList.h"
#include "classlib/Keyboard.h"
#include "classlib/Timer.h"

#include <algorithm>
#include <vector>

namespace {

void StartTimer(TComponent* Owner, TTimer*& Timer, unsigned Interval, const TNotifyEvent& Handler) {
  if (Timer == nullptr) Timer = new TTimer(Owner);
  Timer->OnTimer = Handler;
  Timer->SetInterval(std::max(Interval, 1u));
  Timer->SetEnabled(true);
}

// Frees the timer; from inside its own handler too.
void StopTimer(TTimer*& Timer) {
  TTimer* timer = Timer;
  Timer = nullptr;
  if (timer != nullptr) timer->Free();
}

}  // namespace

TspSkinSpeedButton::TspSkinSpeedButton(TComponent* AOwner) : TspGraphicSkinCustomControl(AOwner) {
  // A click comes from the button's own press and release, not from the base's.
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks});
  SetSkinDataName("toolbutton");
  SetBounds(Left(), Top(), 25, 25);
}

TspSkinSpeedButton::~TspSkinSpeedButton() {
  if (FSkinImagesMenu != nullptr) FSkinImagesMenu->SetOnInternalChange(nullptr);
}

// Properties

void TspSkinSpeedButton::SetDown(bool Value) {
  FDown = Value;
  if (MorphActive()) {
    if (Value) {
      FMorphKf = 1;
      StopTimer(FMorphTimer);
    } else {
      StartMorph();
    }
  }
  Repaint();
  if (Value && Grouped() && !FAllowAllUp) ReleaseGroup();
}

void TspSkinSpeedButton::ReleaseGroup() {
  if (Parent() == nullptr) return;
  std::vector<TspSkinSpeedButton*> group;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* button = dynamic_cast<TspSkinSpeedButton*>(Parent()->Controls(i));
    if (button != nullptr && button != this && button->FGroupIndex == FGroupIndex && button->FDown)
      group.push_back(button);
  }
  for (TspSkinSpeedButton* button : group) button->SetDown(false);
}

void TspSkinSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  SetControlStyle(Value ? ControlStyle() - TControlStyle{csOpaque} : ControlStyle() + TControlStyle{csOpaque});
  Repaint();
}

void TspSkinSpeedButton::SetGlyph(TBitmap* Value) {
  FGlyph.Assign(Value);
  Repaint();
}

void TspSkinSpeedButton::SetNumGlyphs(int32_t Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Repaint();
}

void TspSkinSpeedButton::SetImageList(TCustomImageList* Value) { SetReference(FImageList, Value); }

void TspSkinSpeedButton::SetImageIndex(int32_t Value) {
  FImageIndex = Value;
  if (FImageList != nullptr) Repaint();
}

void TspSkinSpeedButton::SetLayout(TspButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Repaint();
}

void TspSkinSpeedButton::SetMargin(int32_t Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  Repaint();
}

void TspSkinSpeedButton::SetSpacing(int32_t Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Repaint();
}

void TspSkinSpeedButton::SetShowCaption(bool Value) {
  if (Value == FShowCaption) return;
  FShowCaption = Value;
  if (FWidthWithCaption >= 1 && FWidthWithoutCaption >= 1)
    SetWidth(Value ? FWidthWithCaption : FWidthWithoutCaption);
  else
    Repaint();
}

void TspSkinSpeedButton::SetSkinImagesMenu(TspImagesMenuSource* Value) {
  if (Value == FSkinImagesMenu) return;
  if (FSkinImagesMenu != nullptr) {
    FSkinImagesMenu->SetOnInternalChange(nullptr);
    FImagesMenuComponent->RemoveFreeNotification(this);
  }
  FSkinImagesMenu = Value;
  FImagesMenuComponent = Value != nullptr ? Value->MenuComponent() : nullptr;
  if (Value == nullptr) return;
  FImagesMenuComponent->FreeNotification(this);
  Value->SetOnInternalChange(Event(this, &TspSkinSpeedButton::ImagesMenuChanged));
}

void TspSkinSpeedButton::ImagesMenuChanged(TObject*) { Repaint(); }

void TspSkinSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TspGraphicSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImageList) FImageList = nullptr;
  if (AComponent != nullptr && AComponent == FImagesMenuComponent) {
    FSkinImagesMenu = nullptr;
    FImagesMenuComponent = nullptr;
  }
  for (TTimer** timer : {&FMorphTimer, &FAnimationTimer, &FRepeatTimer})
    if (AComponent == *timer) *timer = nullptr;
}

void TspSkinSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TspGraphicSkinCustomControl::ActionChange(Sender, CheckDefaults);
  const auto* action = dynamic_cast<const TCustomAction*>(Sender);
  if (action == nullptr || !FGlyph.Empty() || action->ActionList() == nullptr) return;
  TCustomImageList* images = action->ActionList()->Images();
  if (!HasImage(images, action->ImageIndex())) return;
  // On fuchsia, which the glyph's bottom-left pixel makes its transparent colour.
  FGlyph.SetSize(images->Width(), images->Height());
  FGlyph.Canvas()->Brush()->SetColor(clFuchsia);
  FGlyph.Canvas()->FillRect(TRect{0, 0, images->Width(), images->Height()});
  images->Draw(FGlyph.Canvas(), 0, 0, action->ImageIndex());
  Repaint();
}

// Skin

bool TspSkinSpeedButton::MorphActive() const { return FSkin.Morphing && SkinEffectsEnabled(SkinData()); }

void TspSkinSpeedButton::GetSkinData() {
  TspGraphicSkinCustomControl::GetSkinData();
  FPart = {};
  const auto* entry = !Skinned() ? nullptr : dynamic_cast<const TspDataSkinButtonControl*>(SkinEntry());
  if (entry == nullptr) {
    FSkin.Morphing = false;
    return;
  }
  FSkin.Font = SkinFontOf(*entry);
  FSkin.ActiveFontColor = entry->ActiveFontColor;
  FSkin.DownFontColor = entry->DownFontColor;
  FSkin.DisabledFontColor = entry->DisabledFontColor;
  FSkin.Morphing = entry->Morphing && !FFlat;
  FSkin.MorphKind = entry->MorphKind;
  FSkin.AnimateSkinRect = entry->AnimateSkinRect;
  FSkin.FrameCount = entry->FrameCount;
  FSkin.AnimateInterval = entry->AnimateInterval;
  FSkin.MenuMarkerRect = entry->MenuMarkerRect;
  FSkin.MenuMarkerActiveRect = IsNullRect(entry->MenuMarkerActiveRect) ? entry->MenuMarkerRect
                                                                        : entry->MenuMarkerActiveRect;
  FSkin.MenuMarkerDownRect =
      IsNullRect(entry->MenuMarkerDownRect) ? FSkin.MenuMarkerActiveRect : entry->MenuMarkerDownRect;
  FSkin.MenuMarkerFlatRect = IsNullRect(entry->MenuMarkerFlatRect) ? entry->MenuMarkerRect : entry->MenuMarkerFlatRect;
  FSkin.MenuMarkerTransparentColor = entry->MenuMarkerTransparentColor;

  const bool animating = FFrameIndex > 0 && FFrameIndex <= FSkin.FrameCount;
  FPart.Picture = Picture;
  FPart.Rects = AnimatedButtonRects(ButtonPartRects(*entry), animating, FSkin.AnimateSkinRect, FSkin.FrameCount,
                                    FFrameIndex, FAnimationIncreasing);
  if (FUseSkinSize || ResizeMode() == SkinResize::BothWays)
    FPart.Geometry = CustomControlGeometry(SkinRect, SkinCut(), SkinSides(), ClientFill());
  else  // a fixed entry is stretched
    FPart.Geometry = AnySizeGeometry(ResizeMode() == SkinResize::Fixed ? TRect{} : ClRect);
}

void TspSkinSpeedButton::CalcSize(int& AWidth, int& AHeight) {
  if (FUseSkinSize || ResizeMode() == SkinResize::BothWays)
    TspGraphicSkinCustomControl::CalcSize(AWidth, AHeight);
  else if (Skinned())
    NewClRect = GrownClientRect(ClRect, SkinRect, AWidth, AHeight);
}

void TspSkinSpeedButton::ChangeSkinData() {
  StopTimer(FAnimationTimer);
  FFrameIndex = 0;
  StopTimer(FMorphTimer);
  TspGraphicSkinCustomControl::ChangeSkinData();
  if (MorphActive() && Skinned() && FMouseIn) FMorphKf = 1;
}

// Painting

TspPartState TspSkinSpeedButton::PaintState() {
  return SpeedButtonPartState(Enabled(), !IsNullRect(FPart.Rects.Disabled), FDown, FMouseIn, Grouped(),
                              MorphActive() && FMorphKf >= 1);
}

void TspSkinSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  int width = Width();
  int height = Height();
  CalcSize(width, height);
  if (ShowsFlat()) {
    PaintFlat(*Canvas());
    return;
  }
  TBitmap image(Width(), Height());
  if (FPart.Picture.Get() == nullptr) {  // no entry, or not a button's: the default look
    if (DrawDefault()) CreateControlDefaultImage(&image);
  } else if (MorphActive() && Enabled() && FMorphKf > 0 && FMorphKf < 1) {
    TBitmap hot(Width(), Height());
    DrawSkinState(&image, TspPartState::Normal);
    DrawSkinState(&hot, TspPartState::Hot);
    MorphImages(image, hot, FMorphKf, FSkin.MorphKind);
  } else {
    DrawSkinState(&image, PaintState());
  }
  DrawControlImage(image);
}

bool TspSkinSpeedButton::ShowsFlat() { return SpeedButtonShowsFlat(FFlat, FDown, FMouseIn, Grouped()); }

void TspSkinSpeedButton::PaintFlat(TCanvas& Canvas) { PaintFlatContent(Canvas, ClientRect()); }

void TspSkinSpeedButton::PaintFlatContent(TCanvas& Canvas, const TRect& R) {
  const bool skinned = FPart.Picture.Get() != nullptr;
  TFont& font = *Canvas.Font();
  AssignTextFont(font, skinned ? &FSkin.Font : nullptr);
  if (!skinned) {
    if (!Enabled()) font.SetColor(clBtnShadow);
  } else if (!Enabled()) {
    font.SetColor(SkinData()->SkinColors.cBtnShadow);
  } else if (FUseSkinFontColor) {
    font.SetColor(SkinData()->SkinColors.cBtnText);
  }
  DrawContent(Canvas, R, false, false);
}

void TspSkinSpeedButton::CreateControlDefaultImage(TBitmap* B) {
  TspGraphicSkinCustomControl::CreateControlDefaultImage(B);
  const TspPartState state = SpeedButtonPartState(true, false, FDown, FMouseIn, Grouped(), false);
  const TRect all{0, 0, B->Width(), B->Height()};
  DrawDefaultPart(*B->Canvas(), all, state);
  AssignTextFont(*B->Canvas()->Font(), nullptr);
  if (!Enabled()) B->Canvas()->Font()->SetColor(clBtnShadow);
  DrawContent(*B->Canvas(), InflateRect(all, -1, -1), FMouseIn, state == TspPartState::Down);
}

void TspSkinSpeedButton::DrawSkinState(TBitmap* B, TspPartState State) {
  const TRect all{0, 0, B->Width(), B->Height()};
  DrawSkinPart(*B->Canvas(), all, FPart, State);
  const TRect content = FUseSkinSize || ResizeMode() == SkinResize::BothWays
                            ? NewClRect
                            : GrownClientRect(ClRect, PartLook(FPart.Rects, State).Rect, all.Right, all.Bottom);
  AssignStateFont(*B->Canvas()->Font(), State);
  DrawContent(*B->Canvas(), content, State == TspPartState::Hot || State == TspPartState::Down,
              State == TspPartState::Down);
}

void TspSkinSpeedButton::AssignStateFont(TFont& Font, TspPartState State) {
  AssignTextFont(Font, &FSkin.Font);
  if (!Enabled())
    Font.SetColor(FSkin.DisabledFontColor);
  else if (FUseSkinFontColor)
    Font.SetColor(State == TspPartState::Down  ? FSkin.DownFontColor
                  : State == TspPartState::Hot ? FSkin.ActiveFontColor
                                               : FSkin.Font.Color);
}

void TspSkinSpeedButton::DrawContent(TCanvas& Canvas, const TRect& R, bool AMouseIn, bool ADown) {
  const std::string caption = FShowCaption ? Caption() : std::string();
  if (FUseImagesMenuImage && FSkinImagesMenu != nullptr) {
    if (const auto item = FSkinImagesMenu->SelectedItem()) {
      DrawImageAndText(&Canvas, R, FMargin, 0, false, Enabled(), ADown, item->Images, item->ImageIndex,
                       FUseImagesMenuCaption ? item->Caption : caption, FLayout, FSpacing);
      return;
    }
  }
  if (!FGlyph.Empty() || FImageList == nullptr)
    DrawGlyphAndText(&Canvas, R, FMargin, 0, false, ADown, GetGlyphNum(ADown, AMouseIn, Enabled(), FNumGlyphs),
                     FNumGlyphs, &FGlyph, caption, FLayout, FSpacing);
  else
    DrawImageAndText(&Canvas, R, FMargin, 0, false, Enabled(), ADown, FImageList, FImageIndex, caption, FLayout,
                     FSpacing);
}

void TspSkinSpeedButton::DrawMenuMarker(TCanvas& Canvas, const TRect& R, bool AFlat, bool ADown, bool AActive) {
  TspSkinPart marker;
  marker.Picture = Picture;
  marker.Rects.Normal = ADown     ? FSkin.MenuMarkerDownRect
                        : AActive ? FSkin.MenuMarkerActiveRect
                        : AFlat   ? FSkin.MenuMarkerFlatRect
                                  : FSkin.MenuMarkerRect;
  const TRect& m = marker.Rects.Normal;
  const TRect at = Bounds(R.Left + RectWidth(R) / 2 - RectWidth(m) / 2, R.Top + RectHeight(R) / 2 - RectHeight(m) / 2,
                          RectWidth(m), RectHeight(m));
  DrawSkinPartTransparent(Canvas, at, marker, TspPartState::Normal, FSkin.MenuMarkerTransparentColor);
}

// Morph, animation and repeat

void TspSkinSpeedButton::StartMorph() {
  if (MorphActive() && Skinned())
    StartTimer(this, FMorphTimer, ControlTiming::MorphStep, Event(this, &TspSkinSpeedButton::MorphTick));
  else
    Repaint();
}

void TspSkinSpeedButton::MorphTick(TObject*) {
  bool done = true;
  if (MorphActive() && Skinned())
    FMorphKf = NextMorphFactor(FMorphKf, FMouseIn, done);
  else
    FMorphKf = FMouseIn ? 1 : 0;
  if (done) StopTimer(FMorphTimer);
  Repaint();
}

void TspSkinSpeedButton::StartAnimation(bool Forward) {
  if (FFlat || !SkinEffectsEnabled(SkinData()) || !Skinned()) return;
  const bool sideBySide = RectWidth(FSkin.AnimateSkinRect) > RectWidth(SkinRect);
  if (!CanAnimate(FSkin.AnimateSkinRect, FSkin.FrameCount, FSkin.AnimateInterval, sideBySide)) return;
  FAnimationIncreasing = Forward;
  FFrameIndex = Forward ? 1 : FSkin.FrameCount;
  StartTimer(this, FAnimationTimer, static_cast<unsigned>(FSkin.AnimateInterval),
             Event(this, &TspSkinSpeedButton::AnimationTick));
}

void TspSkinSpeedButton::AnimationTick(TObject*) {
  FFrameIndex += FAnimationIncreasing ? 1 : -1;
  if (FFrameIndex < 0 || FFrameIndex > FSkin.FrameCount + 1) {
    StopTimer(FAnimationTimer);
    FFrameIndex = 0;
  }
  Repaint();
}

void TspSkinSpeedButton::StartRepeat(bool AfterDelay) {
  // The first tick after the delay only sets the pace of the clicks.
  if (AfterDelay)
    StartTimer(this, FRepeatTimer, ControlTiming::FirstRepeatDelay, Event(this, &TspSkinSpeedButton::FirstRepeatTick));
  else
    StartTimer(this, FRepeatTimer, static_cast<unsigned>(FRepeatInterval),
               Event(this, &TspSkinSpeedButton::RepeatTick));
}

void TspSkinSpeedButton::FirstRepeatTick(TObject*) { StartRepeat(false); }

void TspSkinSpeedButton::RepeatTick(TObject*) { ButtonClick(); }

void TspSkinSpeedButton::ButtonClick() { TspGraphicSkinCustomControl::Click(); }

// Mouse and messages

void TspSkinSpeedButton::MouseEntered() {
  FMouseIn = true;
  if (Enabled() && !(Grouped() && FDown)) {
    if (FDown) {
      if (MorphActive()) FMorphKf = 1;
      Repaint();
    } else {
      StartAnimation(true);
      StartMorph();
    }
  }
  // Held and back on the button: the clicks go on (a running timer keeps its pace).
  if (FDown && FRepeatMode && !Grouped() && FRepeatTimer == nullptr) StartRepeat(false);
}

void TspSkinSpeedButton::MouseLeft() {
  FMouseIn = false;
  if (Enabled() && !(Grouped() && FDown)) {
    StartAnimation(false);
    StartMorph();
  }
  if (FDown && FRepeatMode && !Grouped()) StopTimer(FRepeatTimer);
}

void TspSkinSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && !ComponentState().Contains(csDesigning)) {
    StopTimer(FAnimationTimer);
    FFrameIndex = 0;
    FMousePressed = true;
    if (!FDown) {
      FMouseIn = true;
      SetDown(true);
      if (FRepeatMode && !Grouped())
        StartRepeat(true);
      else if (Grouped())
        ButtonClick();
      FReleaseOnUp = false;
    } else if (Grouped()) {
      FReleaseOnUp = true;
    }
  }
  TspGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && !ComponentState().Contains(csDesigning)) {
    FMousePressed = false;
    if (Grouped()) {
      if (FDown && FAllowAllUp && FReleaseOnUp && FMouseIn) {
        SetDown(false);
        ButtonClick();
      }
    } else if (FMouseIn) {
      const bool wasDown = FDown;
      SetDown(false);
      StopTimer(FRepeatTimer);
      if (wasDown) ButtonClick();
    } else {
      FDown = false;  // released away from the button: up without a click
      StopTimer(FRepeatTimer);
    }
  }
  TspGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TspSkinSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      TspGraphicSkinCustomControl::Dispatch(Message);  // OnMouseEnter, OnMouseLeave
      if (ComponentState().Contains(csDesigning)) return;
      if (Message.Msg == CM_MOUSEENTER)
        MouseEntered();
      else
        MouseLeft();
      return;
    }
    case CM_DIALOGCHAR:
      if (Enabled() && ControlShowing(*this) && IsAccel(static_cast<uint16_t>(Message.WParam), Caption())) {
        ButtonClick();
        Message.Result = 1;
        return;
      }
      break;
    case CM_TEXTCHANGED:
      TspGraphicSkinCustomControl::Dispatch(Message);
      if (Skinned() || ComponentState().Contains(csDesigning) || DrawDefault()) Repaint();
      return;
    case CM_ENABLEDCHANGED:
      TspGraphicSkinCustomControl::Dispatch(Message);
      if (MorphActive()) {
        StopTimer(FMorphTimer);
        FMorphKf = 0;
      }
      FMouseIn = false;
      Repaint();
      return;
    default: break;
  }
  TspGraphicSkinCustomControl::Dispatch(Message);
}
