#include "SkinCheckRadioBox.h"

#include "ControlInput.h"
#include "SkinEffects.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Bitmap.h"
#include "classlib/ImageList.h"
#include "classlib/Keyboard.h"

#include "base/DispatchScope.h"

#include <vector>

TspSkinCheckRadioBox::TspSkinCheckRadioBox(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("checkbox");
  SetTabStop(false);
  SetBounds(Left(), Top(), 150, 25);
}

// Values

void TspSkinCheckRadioBox::SetChecked(bool Value) {
  // A disabled box keeps its state, but one read from a form takes the stored state: a
  // form that loads a checked box disabled would otherwise show it unchecked.
  if (Value == FChecked || (!Enabled() && !ComponentState().Contains(csLoading))) return;
  ChangeChecked(Value);
}

void TspSkinCheckRadioBox::ChangeChecked(bool Value) {
  FChecked = Value;
  if (Value)
    FState = cbChecked;
  else if (FState == cbChecked)
    FState = cbUnchecked;  // a grayed box stays grayed
  Repaint();
  // A box freed and waiting to go unchecks none of its group. The OnClick of an unchecked
  // sibling may free any box of the group, this one too: they stay whole meanwhile.
  if (Value && FGroupIndex != 0 && Parent() != nullptr && !FreePending()) {
    const TDispatchScope running(this);
    std::vector<TspSkinCheckRadioBox*> group;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* box = dynamic_cast<TspSkinCheckRadioBox*>(Parent()->Controls(i));
      if (box != nullptr && box != this && box->FGroupIndex == FGroupIndex && box->FChecked) group.push_back(box);
    }
    for (TspSkinCheckRadioBox* box : group) box->ChangeChecked(false);
  }
  if ((Value || !FRadio) && OnClick) OnClick(this);
}

void TspSkinCheckRadioBox::SetState(TCheckBoxState Value) {
  FState = Value;
  FChecked = Value == cbChecked;
  Repaint();
  if (Enabled() && OnClick) OnClick(this);
}

void TspSkinCheckRadioBox::Toggle() { SetChecked(FRadio || !FChecked); }

void TspSkinCheckRadioBox::SetRadio(bool Value) {
  FRadio = Value;
  if (!Skinned()) Repaint();
}

void TspSkinCheckRadioBox::SetAllowGrayed(bool Value) {
  FAllowGrayed = Value;
  Repaint();
}

void TspSkinCheckRadioBox::SetFlat(bool Value) {
  FFlat = Value;
  Repaint();
}

void TspSkinCheckRadioBox::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  if (FFlat) Repaint();
}

void TspSkinCheckRadioBox::SetImages(TCustomImageList* Value) {
  SetReference(FImages, Value);
  Repaint();
}

void TspSkinCheckRadioBox::SetImageIndex(int32_t Value) {
  FImageIndex = Value;
  Repaint();
}

void TspSkinCheckRadioBox::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TspSkinCheckRadioBox::Click() {
  // OnClick tells of changes of Checked: a click only carries out the action.
  if (TCustomAction* action = Action()) action->Execute();
}

void TspSkinCheckRadioBox::ActionChange(TObject* Sender, bool CheckDefaults) {
  TspSkinCustomControl::ActionChange(Sender, CheckDefaults);
  const auto* action = dynamic_cast<const TCustomAction*>(Sender);
  if (action != nullptr && !(CheckDefaults && FChecked)) SetChecked(action->Checked());
}

// Skin

void TspSkinCheckRadioBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  FSkin.reset();
  const auto* entry = !Skinned() ? nullptr : dynamic_cast<const TspDataSkinCheckRadioControl*>(SkinEntry());
  if (entry == nullptr) {
    FMorphKf = 0;
    return;
  }
  TCheckSkin& skin = FSkin.emplace();
  skin.Font = SkinFontOf(*entry);
  skin.ActiveFontColor = entry->ActiveFontColor;
  FUnEnabledFontColor = entry->UnenabledFontColor;
  skin.ActiveSkinRect = IsNullRect(entry->ActiveSkinRect) ? SkinRect : entry->ActiveSkinRect;
  skin.CheckImageArea = entry->CheckImageArea;
  skin.TextArea = entry->TextArea;
  skin.CheckImages = CheckImageLooks(*entry);
  skin.CheckImage.Picture = Picture;
  skin.Morphing = entry->Morphing;
  skin.MorphKind = entry->MorphKind;
}

void TspSkinCheckRadioBox::CalcSize(int& AWidth, int& AHeight) {
  if (FFlat) return;  // a flat box takes any size
  TspSkinCustomControl::CalcSize(AWidth, AHeight);
  if (!FSkin) return;
  const TRect image = FSkin->CheckImages[cbChecked].Normal;
  FRects = CheckRadioRects(SkinRect, FSkin->TextArea, FSkin->CheckImageArea, {image.Width(), image.Height()}, AWidth);
}

void TspSkinCheckRadioBox::ChangeSkinData() {
  if (FFlat) {
    GetSkinData();
    Repaint();
    return;
  }
  FMorphTimer.Stop();
  TspSkinCustomControl::ChangeSkinData();
  if (MorphEnabled() && Active()) FMorphKf = 1;
}

void TspSkinCheckRadioBox::ParentBackgroundChanged() {
  if (FFlat)
    Repaint();
  else
    TspSkinCustomControl::ParentBackgroundChanged();
}

// Morph

bool TspSkinCheckRadioBox::Active() { return FMouseIn || (FCanFocused && Focused()); }

bool TspSkinCheckRadioBox::MorphEnabled() const {
  return !FFlat && FSkin && FSkin->Morphing && SkinEffectsEnabled(SkinData());
}

void TspSkinCheckRadioBox::StartMorph() {
  if (MorphEnabled())
    FMorphTimer.Start(ControlTiming::MorphStep);
  else
    Invalidate();
}

void TspSkinCheckRadioBox::MorphTick() {
  bool done = true;
  if (MorphEnabled())
    FMorphKf = NextMorphFactor(FMorphKf, Active(), done);
  else
    FMorphKf = Active() ? 1 : 0;
  if (done) FMorphTimer.Stop();
  Invalidate();
}

void TspSkinCheckRadioBox::SetMouseIn(bool Value) {
  if (Value == FMouseIn) return;
  FMouseIn = Value;
  StartMorph();
}

// Painting

void TspSkinCheckRadioBox::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  TBitmap image(Width(), Height());
  if (FFlat) {
    DrawParentBackground(this, image.Canvas());
    PaintFlat(*image.Canvas());
    Canvas()->Draw(0, 0, &image);
    return;
  }
  if (!FSkin) {
    if (DrawDefault()) CreateControlDefaultImage(&image);
  } else {
    int width = Width(), height = Height();
    CalcSize(width, height);
    if (MorphEnabled() && FMorphKf > 0 && FMorphKf < 1) {
      TBitmap active(Width(), Height());
      CreateCheckImage(image, SkinRect, false);
      CreateCheckImage(active, FSkin->ActiveSkinRect, true);
      MorphImages(image, active, FMorphKf, FSkin->MorphKind);
    } else {
      const bool active = Active();
      CreateCheckImage(image, active ? FSkin->ActiveSkinRect : SkinRect, active);
    }
  }
  DrawControlImage(image);
}

void TspSkinCheckRadioBox::PaintFlat(TCanvas& Canvas) {
  if (!FSkin) {
    DrawDefaultLook(Canvas);
    return;
  }
  const TRect image = PartLook(FSkin->CheckImages[FState], CheckImageState()).Rect;
  const int32_t top = (Height() - image.Height()) / 2;
  DrawSkinCheckImage(Canvas, Bounds(FlatCheckImageLeft, top, image.Width(), image.Height()));
  SetCaptionFont(Canvas, FMouseIn);
  const int32_t captionLeft = FlatCheckImageLeft + FSkin->CheckImages[cbChecked].Normal.Width() + FlatCaptionGap;
  DrawCaption(Canvas, {captionLeft, 0, Width(), Height()});
}

void TspSkinCheckRadioBox::CreateControlDefaultImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  DrawDefaultLook(*B->Canvas());
}

void TspSkinCheckRadioBox::DrawDefaultLook(TCanvas& Canvas) {
  const int32_t height = Height();
  TBrush* brush = Canvas.Brush();
  brush->SetStyle(bsSolid);
  brush->SetColor(FMouseIn ? clNavy : clBtnShadow);
  Canvas.FrameRect(DefaultCheckBoxRect(height));
  const TColor mark = Enabled() ? clBlack : FUnEnabledFontColor;
  const TPoint checkAt = DefaultCheckMark(height);
  if (FRadio) {
    if (FChecked) DrawRadioImage(&Canvas, DefaultRadioDot(height).X, DefaultRadioDot(height).Y, mark);
  } else if (FState != cbUnchecked) {
    DrawCheckImage(&Canvas, checkAt.X, checkAt.Y, FState == cbGrayed ? clGrayText : mark);
  }
  AssignTextFont(*Canvas.Font(), nullptr);
  if (!Enabled()) Canvas.Font()->SetColor(FUnEnabledFontColor);
  DrawCaption(Canvas, {DefaultCaptionLeft, 0, Width(), height});
}

void TspSkinCheckRadioBox::CreateCheckImage(TBitmap& B, const TRect& R, bool AActive) {
  CreateSkinImageFromPicture(&B, Picture, R);
  DrawSkinCheckImage(*B.Canvas(), FRects.CheckImage);
  SetCaptionFont(*B.Canvas(), AActive);
  DrawCaption(*B.Canvas(), FRects.Text);
}

void TspSkinCheckRadioBox::DrawSkinCheckImage(TCanvas& Canvas, const TRect& Dest) {
  TspSkinPart part = FSkin->CheckImage;
  part.Rects = FSkin->CheckImages[FState];
  DrawSkinPartTransparent(Canvas, Dest, part, CheckImageState());
}

void TspSkinCheckRadioBox::SetCaptionFont(TCanvas& Canvas, bool AActive) {
  AssignTextFont(*Canvas.Font(), &FSkin->Font);
  TColor colour = AActive ? FSkin->ActiveFontColor : FSkin->Font.Color;
  if (!Enabled())
    colour = FUnEnabledFontColor;
  else if (!FUseSkinFontColor)
    colour = DefaultFont()->Color();
  Canvas.Font()->SetColor(colour);
}

void TspSkinCheckRadioBox::DrawCaption(TCanvas& Canvas, const TRect& R) {
  TRect text = R;
  TRect drawn{R.Left, R.Top, R.Left, R.Top};
  if (FImages != nullptr && FImageIndex >= 0 && FImageIndex < FImages->Count()) {
    const int32_t top = R.Top + (R.Height() - FImages->Height()) / 2;
    FImages->Draw(&Canvas, R.Left, top, FImageIndex, Enabled());
    drawn = Bounds(R.Left, top, FImages->Width(), FImages->Height());
    text.Left += FImages->Width() + 2;
  }
  const std::string caption = Caption();
  Canvas.Brush()->SetStyle(bsClear);
  if (!caption.empty()) {
    TRect measured{0, 0, text.Width(), 0};
    const UINT wrap = FWordWrap ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE;
    Canvas.DrawText(caption, measured, wrap | DT_CALCRECT);
    const int32_t top = std::max(text.Top + (text.Height() - measured.Height()) / 2, 0);
    drawn = Bounds(text.Left, top, std::min(measured.Width(), text.Width()), measured.Height());
    if (FWordWrap) {
      TRect at{text.Left, top, text.Right, top + measured.Height()};
      Canvas.DrawText(caption, at, DT_WORDBREAK | DT_EXPANDTABS);
    } else {
      DrawSingleLineText(&Canvas, caption, text);
    }
  }
  if (FShowFocus && FCanFocused && Focused() && !IsRectEmpty(drawn)) {
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.DrawFocusRect(InflateRect(drawn, 2, 1));
  }
}

// Input

void TspSkinCheckRadioBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) SetMouseIn(true);
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinCheckRadioBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !FMouseIn) return;
  if (ClickedCheckState(FState, FRadio, FAllowGrayed) == cbGrayed)
    SetState(cbGrayed);
  else
    Toggle();
}

void TspSkinCheckRadioBox::WndProc(TMessage& Message) {
  if (FCanFocused) {
    if (FSpacePress.Completes(Message) && Focused()) Toggle();
    if (ClickFocusDrops(*this, Message, FInSetFocus)) return;
  }
  TspSkinCustomControl::WndProc(Message);
}

void TspSkinCheckRadioBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (!FMorphTimer.Is(Message)) break;
      MorphTick();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      SetMouseIn(Message.Msg == CM_MOUSEENTER);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      if (FCanFocused) StartMorph();
      return;
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      if (MorphEnabled()) {
        FMorphTimer.Stop();
        FMorphKf = 0;
      }
      FMouseIn = false;
      Repaint();
      return;
    case CM_DIALOGCHAR:
      if (Enabled() && FCanFocused && ControlShowing(*this) &&
          IsAccel(static_cast<uint16_t>(Message.WParam), Caption())) {
        Message.Result = 1;
        if (FShowFocus && CanFocus()) SetFocus();
        Toggle();
        return;
      }
      break;
    case WM_MOVE:
      TspSkinCustomControl::Dispatch(Message);
      Invalidate();  // a flat box shows what lies behind it
      return;
    case CM_TEXTCHANGED:  // a new caption, as after a change of language
      TspSkinCustomControl::Dispatch(Message);
      Invalidate();
      return;
    case WM_ERASEBKGND:
      if (FFlat)
        Message.Result = 1;  // it draws what lies behind it itself
      else
        PaintOnErase(Message);
      return;
    default: break;
  }
  TspSkinCustomControl::Dispatch(Message);
}
