#include "SkinDisplayObjects.h"

#include "DynamicSkinForm.h"

#include "skin/controls/SkinEffects.h"
#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinRects.h"

#include <algorithm>

// User object

void TspUserObject::Draw(TCanvas* Cnvs, bool) { Parent->DoPaint(IDName, Cnvs, ObjectRect); }

// Animated object

TspSkinAnimateObject::TspSkinAnimateObject(TspDynamicSkinForm* AParent, const TspDataSkinAnimate* AData)
    : TspActiveSkinObject(AParent, AData),
      TimerInterval(std::max(AData->TimerInterval, AnimationTick)),
      CountFrames(std::max(AData->CountFrames, 1)),
      Cycle(AData->Cycle),
      DownSkinRect(AData->DownSkinRect),
      RestoreLooks{AData->RestoreRect, AData->RestoreActiveRect, AData->RestoreDownRect, AData->RestoreInActiveRect} {
  Kind = TspFrameObjectKind::Animate;
  Command = AData->Command;
  ButtonStyle = AData->ButtonStyle;
}

bool TspSkinAnimateObject::InRestoreState() const { return ::InRestoreState(Command, Parent->Core().State); }

void TspSkinAnimateObject::Draw(TCanvas* Cnvs, bool) {
  const TspAnimateLooks looks =
      AnimateLooksFor({SkinRect, ActiveSkinRect, DownSkinRect, InActiveSkinRect}, RestoreLooks, InRestoreState());
  const TspAnimateLook look =
      AnimateLook(looks, {MenuTracking, WindowActive(), Down, MouseIn, Play.FrameIndex, CountFrames});
  Play.FrameIndex = look.FrameIndex;
  CopyPicturePart(*Cnvs, ObjectRect, ActivePicture, look.Rect);
}

bool TspSkinAnimateObject::AnimationStep() {
  if (!Active || (Down && HasDownLook())) return false;
  if (AnimateTick(Play, Active, CountFrames, TimerInterval, Cycle)) Parent->RedrawObject(this);
  return true;
}

void TspSkinAnimateObject::ShowHoverChange() {
  if (Down && HasDownLook())
    Parent->RedrawObject(this);
  else
    Parent->StartAnimationTimer();
}

void TspSkinAnimateObject::MouseEnter() {
  MouseIn = true;
  if (ButtonStyle) {
    Active = Play.Increasing = true;
    ShowHoverChange();
  }
  Parent->DoMouseEnter(IDName);
}

void TspSkinAnimateObject::MouseLeave() {
  if (!MouseIn) return;
  MouseIn = false;
  if (ButtonStyle) {
    // It plays back to its first frame.
    Active = true;
    Play.Increasing = false;
    ShowHoverChange();
  }
  Parent->DoMouseLeave(IDName);
}

void TspSkinAnimateObject::MouseDown(int X, int Y, TMouseButton Button) {
  TspActiveSkinObject::MouseDown(X, Y, Button);
  if (Button != mbLeft) return;
  if (HasDownLook()) {
    Play.FrameIndex = CountFrames;
    Down = true;
    Parent->RedrawObject(this);
  }
  // The system menu opens on the press, as from a caption button.
  if (Command == cmsysmenu && MouseIn && ButtonStyle) ExecuteCommand();
}

void TspSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button) {
  TspActiveSkinObject::MouseUp(X, Y, Button);
  if (MenuTracking || Button != mbLeft) return;
  if (HasDownLook()) {
    Down = false;
    Parent->RedrawObject(this);
    Parent->StartAnimationTimer();
  }
  if (Command != cmsysmenu && MouseIn && ButtonStyle) ExecuteCommand();
}

void TspSkinAnimateObject::DblClick() {
  if (Command == cmsysmenu) Parent->Form()->Close();
}

void TspSkinAnimateObject::ExecuteCommand() {
  switch (Command) {
    case cmsysmenu:
      MenuItem = Parent->GetSystemMenuItems();
      TrackMenu();
      return;
    case cmdefault: TrackMenu(); return;
    default: {
      const TspFrameCore& core = Parent->Core();
      Parent->Perform(
          CaptionButtonAction(Command, core.State, core.Options.AlwaysMinimizeToTray, core.Options.SupportNCArea));
    }
  }
}

void TspSkinAnimateObject::TrackMenu() {
  if (MenuItem == nullptr || MenuItem->Count() == 0) return;
  // Set first: a menu that cannot show closes at once and clears it again.
  MenuTracking = true;
  Parent->RedrawObject(this);
  DropDownMenu(MenuItem, PopupUp);
}

void TspSkinAnimateObject::MenuClosed() {
  MenuTracking = Down = false;
  Play.FrameIndex = 1;
  Parent->RedrawObject(this);
  Parent->StartAnimationTimer();
}

void TspSkinAnimateObject::Rewind() {
  if (MenuTracking) return;
  Active = MouseIn = Down = false;
  Play.FrameIndex = 1;
  Play.Increasing = true;
}

// Label

TspSkinLabelObject::TspSkinLabelObject(TspDynamicSkinForm* AParent, const TspDataSkinLabel* AData)
    : TspActiveSkinObject(AParent, AData),
      Text(AData->TextValue),
      FontName(AData->FontName),
      FontStyle(AData->FontStyle),
      FontHeight(AData->FontHeight),
      FontColor(AData->FontColor),
      ActiveFontColor(AData->ActiveFontColor),
      Alignment(AData->Alignment) {}

bool TspSkinLabelObject::HoverChangesLook() const {
  return !IsNullRect(ActiveSkinRect) || ActiveFontColor != FontColor;
}

bool TspSkinLabelObject::MakeImage(TBitmap& Image, bool ActiveLook) const {
  const int32_t width = RectWidth(ObjectRect), height = RectHeight(ObjectRect);
  if (!IsDrawableImageSize(width, height)) return false;
  Image.SetSize(width, height);
  const TRect whole = Rect(0, 0, width, height);
  TCanvas* canvas = Image.Canvas();
  const bool activeRect = ActiveLook && !IsNullRect(ActiveSkinRect);
  if (TBitmap* picture = activeRect ? ActivePicture.Get() : LookPicture(SkinRectInAPicture))
    canvas->CopyRect(whole, picture->Canvas(), activeRect ? ActiveSkinRect : SkinRect);
  TFont* font = canvas->Font();
  font->SetName(FontName);
  font->SetStyle(FontStyle);
  font->SetHeight(FontHeight);
  font->SetColor(ActiveLook ? ActiveFontColor : FontColor);
  canvas->Brush()->SetStyle(bsClear);
  const TPoint at = LabelTextOrigin(whole, canvas->TextExtent(Text), Alignment);
  canvas->TextRect(whole, at.X, at.Y, Text);
  return true;
}

void TspSkinLabelObject::Draw(TCanvas* Cnvs, bool) {
  TBitmap inactive, active;
  const bool morphing = MorphRunning();
  const bool showActive = Active && HoverChangesLook();
  if (!MakeImage(inactive, false)) return;
  if ((morphing || showActive) && MakeImage(active, true)) {
    if (!morphing) {
      Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &active);
      return;
    }
    MorphImages(inactive, active, MorphKf, MorphKind);
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &inactive);
}

// Bitmap-font label

TspSkinBitLabelObject::TspSkinBitLabelObject(TspDynamicSkinForm* AParent, const TspDataSkinBitLabel* AData)
    : TspActiveSkinObject(AParent, AData),
      Text(AData->TextValue),
      SymbolWidth(AData->SymbolWidth),
      SymbolHeight(AData->SymbolHeight),
      Transparent(AData->Transparent),
      TransparentColor(AData->TransparentColor),
      FCells(AData->Symbols) {
  Symbols.Assign(&AData->Symbols);
}

void TspSkinBitLabelObject::Draw(TCanvas* Cnvs, bool) {
  const int32_t width = RectWidth(SkinRect), height = RectHeight(SkinRect);
  TBitmap image;
  if (!CutImage(image, LookPicture(SkinRectInAPicture), SkinRect)) return;
  for (const TspSymbolCopy& symbol :
       BitLabelSymbols(Text, FCells, {SymbolWidth, SymbolHeight}, ActiveSkinRect.TopLeft(), width))
    CopyPicturePart(*image.Canvas(), Bounds(symbol.Dest.X, symbol.Dest.Y, RectWidth(symbol.Source), height),
                    ActivePicture, symbol.Source);
  if (!Transparent) {
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &image);
    return;
  }
  // The symbols' transparent colour shows the label's background.
  TBitmap background;
  CutImage(background, LookPicture(SkinRectInAPicture), SkinRect);
  image.SetTransparent(true);
  image.SetTransparentColor(TransparentColor);
  background.Canvas()->Draw(0, 0, &image);
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &background);
}
