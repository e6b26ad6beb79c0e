#include "SkinButton.h"

#include "ButtonGlyphs.h"
#include "ControlInput.h"
#include "SkinEffects.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/controls/portable/SkinControlGeometry.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"

#include "classlib/ImageList.h"
#include "classlib/Keyboard.h"

#include <algorithm>

namespace {

bool IsActiveState(TspPartState State) {
  return State == TspPartState::Hot || State == TspPartState::Focused || State == TspPartState::Down;
}

}  // namespace

TspSkinButton::TspSkinButton(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  // A click comes from the button's own press and release, not from the base's.
  SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
  SetSkinDataName("button");
  SetTabStop(true);
  SetBounds(Left(), Top(), 75, 25);
}

// Properties

void TspSkinButton::SetImageList(TCustomImageList* Value) {
  SetReference(FImageList, Value);
  Repaint();
}

void TspSkinButton::SetImageIndex(int32_t Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Repaint();
}

void TspSkinButton::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TspSkinButton::SetDown(bool Value) {
  FDown = Value;
  if (MorphEnabled()) {
    FMorphKf = 1;
    if (Value)
      StopMorph();
    else
      StartMorph();
  }
  Repaint();
  if (Value && FGroupIndex != 0 && !FAllowAllUp) ReleaseGroup();
}

void TspSkinButton::ReleaseGroup() {
  if (Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TspSkinButton*>(Parent()->Controls(i));
    if (other != nullptr && other != this && other->FGroupIndex == FGroupIndex && other->FDown)
      other->SetDown(false);
  }
}

void TspSkinButton::SetGroupIndex(int32_t Value) {
  FGroupIndex = Value;
  if (Value != 0) SetCanFocused(false);
}

void TspSkinButton::SetGlyph(TBitmap* Value) {
  FGlyph.Assign(Value);
  Repaint();
}

void TspSkinButton::SetNumGlyphs(int32_t Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Repaint();
}

void TspSkinButton::SetMargin(int32_t Value) {
  if (Value < -1 || Value == FMargin) return;
  FMargin = Value;
  Repaint();
}

void TspSkinButton::SetSpacing(int32_t Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Repaint();
}

void TspSkinButton::SetLayout(TspButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Repaint();
}

void TspSkinButton::SetDefault(bool Value) {
  FDefault = Value;
  if (!HandleAllocated() || !FCanFocused || ComponentState().Contains(csDesigning)) return;
  if (TCustomForm* form = GetParentForm(this))
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TspSkinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

void TspSkinButton::CreateWnd() {
  TspSkinCustomControl::CreateWnd();
  FActive = FDefault;
}

// Skin

bool TspSkinButton::EffectsEnabled() const { return SkinEffectsEnabled(SkinData()); }

bool TspSkinButton::MorphEnabled() const { return FMorphing && EffectsEnabled(); }

bool TspSkinButton::FocusedAndCanFocus() { return FCanFocused && Focused(); }

bool TspSkinButton::AnimationRunning() const {
  return EffectsEnabled() && FAnimationTimer.Running() && FFrame > 0 && FFrame <= FFrameCount;
}

void TspSkinButton::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  FPart = {};
  const auto* entry = dynamic_cast<const TspDataSkinButtonControl*>(SkinEntry());
  if (entry == nullptr) {
    FMorphing = false;
    return;
  }
  if (!FUseSkinSize) MaskPicture = {};  // drawn at any size: no region
  FFont = SkinFontOf(*entry);
  FActiveFontColor = entry->ActiveFontColor;
  FDownFontColor = entry->DownFontColor;
  FDisabledFontColor = entry->DisabledFontColor;
  FMorphing = entry->Morphing;
  FMorphKind = entry->MorphKind;
  FAnimateSkinRect = entry->AnimateSkinRect;
  FFrameCount = entry->FrameCount;
  FAnimateInterval = entry->AnimateInterval;
  FShowFocus = entry->ShowFocus;

  FPart.Picture = Picture;
  FPart.Rects = AnimatedButtonRects(ButtonPartRects(*entry), AnimationRunning(), FAnimateSkinRect, FFrameCount,
                                    FFrame, FAnimForward);
  if (FUseSkinSize || ResizeMode() == SkinResize::BothWays)
    FPart.Geometry = CustomControlGeometry(SkinRect, SkinCut(), SkinSides(), ClientFill());
  else  // a fixed entry is stretched
    FPart.Geometry = AnySizeGeometry(ResizeMode() == SkinResize::Fixed ? TRect{} : ClRect);
}

void TspSkinButton::CalcSize(int& AWidth, int& AHeight) {
  if (FUseSkinSize || ResizeMode() == SkinResize::BothWays) {
    TspSkinCustomControl::CalcSize(AWidth, AHeight);
    return;
  }
  if (Skinned()) NewClRect = GrownClientRect(ClRect, SkinRect, AWidth, AHeight);
}

void TspSkinButton::ChangeSkinData() {
  StopAnimation();
  StopMorph();
  TspSkinCustomControl::ChangeSkinData();
  if (MorphEnabled() && Skinned() && (FocusedAndCanFocus() || FMouseIn)) FMorphKf = 1;
}

// Painting

TspPartState TspSkinButton::PaintState() {
  TspButtonStateFlags flags;
  flags.Enabled = Enabled();
  flags.HasDisabledLook = !IsNullRect(FPart.Rects.Disabled);
  flags.Down = FDown;
  flags.MouseIn = FMouseIn;
  flags.FocusedAndCanFocus = FocusedAndCanFocus();
  flags.PressedByMouse = FPressedByMouse;
  flags.Grouped = FGroupIndex != 0;
  flags.Animating = AnimationRunning();
  flags.MorphedToActive = MorphEnabled() && FMorphKf >= 1;
  return ButtonPartState(flags);
}

void TspSkinButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  int width = Width();
  int height = Height();
  CalcSize(width, height);
  TBitmap image(Width(), Height());
  if (FPart.Picture.Get() == nullptr) {  // no entry, or not a button's: the default look
    if (DrawDefault()) CreateControlDefaultImage(&image);
  } else if (MorphEnabled() && Enabled() && FMorphKf > 0 && FMorphKf < 1) {
    PaintMorph(image);
  } else {
    CreateButtonImage(&image, PaintState());
  }
  DrawControlImage(image);
}

void TspSkinButton::PaintMorph(TBitmap& Image) {
  TBitmap active(Image.Width(), Image.Height());
  CreateButtonImage(&Image, TspPartState::Normal);
  CreateButtonImage(&active, TspPartState::Hot);
  MorphImages(Image, active, FMorphKf, FMorphKind);
}

void TspSkinButton::CreateButtonImage(TBitmap* B, TspPartState State) {
  const TRect all{0, 0, B->Width(), B->Height()};
  DrawSkinPart(*B->Canvas(), all, FPart, State);
  const TRect content = FUseSkinSize || ResizeMode() == SkinResize::BothWays
                            ? NewClRect
                            : GrownClientRect(ClRect, PartLook(FPart.Rects, State).Rect, all.Right, all.Bottom);
  DrawContent(*B->Canvas(), content, State, true);
}

void TspSkinButton::CreateControlDefaultImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  const TspPartState state = PaintState();
  const TRect all{0, 0, B->Width(), B->Height()};
  DrawDefaultPart(*B->Canvas(), all, state);
  DrawContent(*B->Canvas(), InflateRect(all, -1, -1), state, false);
}

void TspSkinButton::DrawContent(TCanvas& Canvas, const TRect& R, TspPartState State, bool Skinned) {
  const bool down = State == TspPartState::Down;
  const bool active = IsActiveState(State);
  TFont* font = Canvas.Font();
  AssignTextFont(*font, Skinned ? &FFont : nullptr);
  if (!Skinned)
    font->SetColor(Enabled() ? DefaultFont()->Color() : clBtnShadow);
  else if (!Enabled())
    font->SetColor(FDisabledFontColor);
  else if (FUseSkinFontColor)
    font->SetColor(down ? FDownFontColor : active ? FActiveFontColor : FFont.Color);
  if (Skinned && FShowFocus && Focused()) Canvas.DrawFocusRect(R);
  if (HasImage(FImageList, FImageIndex))
    DrawImageAndText(&Canvas, R, FMargin, 0, false, Enabled(), down, FImageList, FImageIndex, Caption(), FLayout,
                     FSpacing);
  else
    DrawGlyphAndText(&Canvas, R, FMargin, 0, false, down, GetGlyphNum(down, active, Enabled(), FNumGlyphs),
                     FNumGlyphs, &FGlyph, Caption(), FLayout, FSpacing);
}

// Morph and animation

void TspSkinButton::ChangeLook() {
  if (MorphEnabled() && Skinned())
    StartMorph();
  else
    Repaint();
}

void TspSkinButton::StartMorph() { FMorphTimer.Start(ControlTiming::MorphStep); }

void TspSkinButton::StopMorph() { FMorphTimer.Stop(); }

void TspSkinButton::MorphTick() {
  const bool towardsActive = FMouseIn || FocusedAndCanFocus();
  bool done = true;
  if (MorphEnabled())
    FMorphKf = NextMorphFactor(FMorphKf, towardsActive, done);
  else
    FMorphKf = towardsActive ? 1 : 0;
  if (done) StopMorph();
  Repaint();
}

void TspSkinButton::StartAnimation(bool Forward) {
  if (!EffectsEnabled() || !Skinned() || IsNullRect(FAnimateSkinRect)) return;
  if (!CanAnimate(FAnimateSkinRect, FFrameCount, FAnimateInterval,
                  RectWidth(FAnimateSkinRect) > RectWidth(SkinRect)))
    return;
  FAnimForward = Forward;
  FFrame = Forward ? 1 : FFrameCount;
  FAnimationTimer.Start(static_cast<unsigned>(FAnimateInterval));
}

void TspSkinButton::StopAnimation() {
  FAnimationTimer.Stop();
  FFrame = 0;
}

void TspSkinButton::AnimationTick() {
  if (FAnimForward ? FFrame <= FFrameCount : FFrame >= 0) {
    FFrame += FAnimForward ? 1 : -1;
    Repaint();
  } else {
    StopAnimation();
  }
}

void TspSkinButton::RepeatTick() {
  FRepeatTimer.Start(static_cast<unsigned>(std::max(FRepeatInterval, 1)));
  ButtonClick();
}

// Clicks

void TspSkinButton::ButtonClick() {
  if (FCanFocused)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TspSkinCustomControl::Click();
}

void TspSkinButton::Click() {
  if (Action() == nullptr) TspSkinCustomControl::Click();
}

void TspSkinButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TspSkinCustomControl::ActionChange(Sender, CheckDefaults);
  const auto* action = dynamic_cast<const TCustomAction*>(Sender);
  if (action == nullptr || !FGlyph.Empty() || action->ActionList() == nullptr) return;
  TCustomImageList* images = action->ActionList()->Images();
  if (!HasImage(images, action->ImageIndex())) return;
  images->GetBitmap(action->ImageIndex(), &FGlyph);
  Repaint();
}

void TspSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    StopAnimation();
    FPressedByMouse = true;
    if (!FDown) {
      FMouseIn = true;
      SetDown(true);
      if (FRepeatMode && FGroupIndex == 0)
        FRepeatTimer.Start(ControlTiming::FirstRepeatDelay);
      else if (FGroupIndex != 0)
        ButtonClick();
      FUpAllowed = false;
    } else if (FGroupIndex != 0) {
      FUpAllowed = true;
    }
  }
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    FPressedByMouse = false;
    if (FGroupIndex == 0) {
      FRepeatTimer.Stop();
      const bool click = FMouseIn;
      SetDown(false);  // released outside: up without a click
      if (click) ButtonClick();
    } else if (FDown && FAllowAllUp && FUpAllowed && FMouseIn) {
      SetDown(false);
      ButtonClick();
    }
  }
  if (HandleAllocated() && Visible()) TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

// Messages

void TspSkinButton::MouseEntered() {
  FMouseIn = true;
  const bool showing = FGroupIndex != 0 ? FDown : FocusedAndCanFocus() && !FDown;
  if (!showing) {
    if (FDown) {
      FMorphKf = 1;
      Repaint();
    } else {
      StartAnimation(true);
      ChangeLook();
    }
  }
  if (FDown && FPressedByMouse && FRepeatMode && FGroupIndex == 0)
    FRepeatTimer.Start(static_cast<unsigned>(std::max(FRepeatInterval, 1)));
}

void TspSkinButton::MouseLeft() {
  // A default button keeps its hot look while the focus is on a control that is no button.
  if (!(FDefault && FActive && FCanFocused && !Focused())) FMouseIn = false;
  const bool showing = FGroupIndex != 0 ? FDown : FocusedAndCanFocus() && !FDown;
  if (!showing) {
    StartAnimation(false);
    ChangeLook();
  }
  if (FDown && FPressedByMouse && FRepeatMode && FGroupIndex == 0) FRepeatTimer.Stop();
}

void TspSkinButton::FocusTaken() {
  if (!FCanFocused) return;
  StartAnimation(true);
  ChangeLook();
}

void TspSkinButton::FocusLost() {
  if (!FCanFocused) return;
  StartAnimation(false);
  ChangeLook();
}

void TspSkinButton::EnabledChanged() {
  if (MorphEnabled()) {
    StopMorph();
    FMorphKf = 0;
  }
  FMouseIn = false;
  Repaint();
}

void TspSkinButton::FocusChanged(TWinControl* Focused) {
  const bool toButton = dynamic_cast<TspSkinButton*>(Focused) != nullptr;
  FActive = toButton ? Focused == this : FDefault;
  if (!FDefault || !FCanFocused || Focused == this) return;
  if (toButton) {
    FMouseIn = false;
    ChangeLook();
  } else {
    FMouseIn = true;  // the default button looks hot while no button has the focus
    FMorphKf = 1;
    Repaint();
  }
}

void TspSkinButton::DialogKey(TMessage& Message) {
  const bool noShift = KeyDataToShiftState(Message.LParam).Empty();
  // A hidden or disabled button answers neither key.
  const bool enter = Message.WParam == VK_RETURN && FActive && Enabled() && CanFocus();
  const bool escape = Message.WParam == VK_ESCAPE && FCancel && FCanFocused && noShift && CanFocus();
  if (enter || escape) {
    ButtonClick();
    Message.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinButton::DialogChar(TMessage& Message) {
  if (IsAccel(static_cast<uint16_t>(Message.WParam), Caption()) && CanFocus() && FCanFocused) {
    SetFocus();
    ButtonClick();
    Message.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

bool TspSkinButton::HandleKeys(TMessage& Message) {
  const bool spaceReleased = FSpacePress.Completes(Message);
  switch (Message.Msg) {
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) {
        SetDown(true);
        if (FRepeatMode) ButtonClick();
        return true;
      }
      if (Message.WParam == VK_RETURN) {
        ButtonClick();
        return true;
      }
      return false;
    case WM_KEYUP:
      if (Message.WParam != VK_SPACE) return false;
      if (spaceReleased) {
        SetDown(false);
        ButtonClick();
      }
      return true;
    default: return ClickFocusDrops(*this, Message, FInSetFocus);
  }
}

void TspSkinButton::WndProc(TMessage& Message) {
  if (FCanFocused && HandleKeys(Message)) return;
  TspSkinCustomControl::WndProc(Message);
}

void TspSkinButton::Dispatch(TMessage& Message) {
  if (FMorphTimer.Is(Message)) return MorphTick();
  if (FAnimationTimer.Is(Message)) return AnimationTick();
  if (FRepeatTimer.Is(Message)) return RepeatTick();
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(Message);
      MouseEntered();
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      MouseLeft();
      return;
    case WM_SETFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      FocusTaken();
      return;
    case WM_KILLFOCUS:
      FRepeatTimer.Stop();
      if (FDown && FGroupIndex == 0) FDown = false;  // a held button goes up, without repaint
      TspSkinCustomControl::Dispatch(Message);
      FocusLost();
      return;
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      EnabledChanged();
      return;
    case CM_FOCUSCHANGED:
      FocusChanged(reinterpret_cast<TWinControl*>(Message.LParam));
      TspSkinCustomControl::Dispatch(Message);
      return;
    case CM_TEXTCHANGED: Repaint(); return;
    case CM_DIALOGKEY: DialogKey(Message); return;
    case CM_DIALOGCHAR: DialogChar(Message); return;
    case WM_ERASEBKGND: PaintOnErase(Message); return;
    default: TspSkinCustomControl::Dispatch(Message);
  }
}
