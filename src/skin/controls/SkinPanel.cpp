#include "SkinPanel.h"

#include "DefaultBorder.h"
#include "MeasuredText.h"

#include "skin/controls/portable/CheckRadioLayout.h"
#include "skin/controls/portable/SkinControlGeometry.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/ImageList.h"

#include "base/DispatchScope.h"

#include <algorithm>

namespace {

// Rectangle R of Picture as a bitmap of its own, drawn later with its bottom-left pixel
// left out; empty when the picture does not hold R.
void CutOut(TBitmap& Target, TBitmap* Picture, const TRect& R) {
  if (Picture == nullptr || IsNullRect(R) || !IsDrawableImageSize(RectWidth(R), RectHeight(R))) return;
  Target.SetSize(RectWidth(R), RectHeight(R));
  Target.Canvas()->CopyRect(TRect{0, 0, RectWidth(R), RectHeight(R)}, Picture->Canvas(), R);
}

}  // namespace

TspSkinPanel::TspSkinPanel(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable});
  PaintBordersDirect = true;
  SetSkinDataName("panel");
  SetBounds(Left(), Top(), 150, 150);
}

// Properties

void TspSkinPanel::Changed() { Repaint(); }

void TspSkinPanel::ChangedAndRealigned() {
  Repaint();
  Realign();
}

void TspSkinPanel::SetTransparentMode(bool Value) {
  if (Value == FTransparentMode) return;
  FTransparentMode = Value;
  Repaint();
  const TComponentState state = ComponentState();
  if (!state.Contains(csDesigning) && !state.Contains(csLoading)) NotifyChildrenBackgroundChanged();
}

void TspSkinPanel::SetCaptionMode(bool Value) {
  FCaptionMode = Value;
  ChangedAndRealigned();
}

void TspSkinPanel::SetCaptionImageList(TCustomImageList* Value) {
  SetReference(FCaptionImageList, Value);
  Repaint();
}

void TspSkinPanel::SetCaptionImageIndex(int32_t Value) {
  if (Value == FCaptionImageIndex) return;
  FCaptionImageIndex = Value;
  Repaint();
}

void TspSkinPanel::SetGlyph(TBitmap* Value) {
  FGlyph.Assign(Value);
  Repaint();
}

void TspSkinPanel::SetNumGlyphs(int32_t Value) {
  FNumGlyphs = Value;
  Repaint();
}

void TspSkinPanel::SetSpacing(int32_t Value) {
  FSpacing = Value;
  Repaint();
}

void TspSkinPanel::SetCheckedMode(bool Value) {
  FCheckedMode = Value;
  Repaint();
}

void TspSkinPanel::SetChecked(bool Value) {
  // A child's OnExit (disabled with the focus) may free the child or the panel: both stay
  // whole, and every child is reached.
  const TDispatchScope running(this);
  FChecked = Value;
  if (FCheckedMode) Repaint();
  if (FAutoEnabledControls && FCheckedMode)
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(Value);
  if (OnChecked) OnChecked(this);
}

void TspSkinPanel::SetRollUpMode(bool Value) {
  FRollUpMode = Value;
  if (!Skinned() && FCaptionMode) Repaint();
}

void TspSkinPanel::SetRollUpState(bool Value) {
  const TDispatchScope running(this);  // as in SetChecked, for the children hidden
  TSizeConstraints& limits = *Constraints();
  const auto restoreConstraints = [&] {
    if (!FConstraintsSaved) return;
    FConstraintsSaved = false;
    limits.SetMaxWidth(FSavedMaxWidth);
    limits.SetMinWidth(FSavedMinWidth);
    limits.SetMaxHeight(FSavedMaxHeight);
    limits.SetMinHeight(FSavedMinHeight);
  };
  if (!FRollUpMode) {
    restoreConstraints();
    FRollUpState = false;
    return;
  }
  if (Value == FRollUpState) return;
  // The originals are set aside once, so that rolling up again cannot overwrite them
  // with the cleared ones.
  if (Value && !FConstraintsSaved) {
    FConstraintsSaved = true;
    FSavedMaxWidth = limits.MaxWidth();
    FSavedMinWidth = limits.MinWidth();
    FSavedMaxHeight = limits.MaxHeight();
    FSavedMinHeight = limits.MinHeight();
  }
  if (Value) {
    limits.SetMaxWidth(0);
    limits.SetMinWidth(0);
    limits.SetMaxHeight(0);
    limits.SetMinHeight(0);
  }
  FRollUpState = Value;
  Roll();
  if (!Value) restoreConstraints();
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TspSkinPanel::Roll() {
  if (FRollUpState) {
    GetSkinData();
    int width = Width();
    int height = Height();
    CalcSize(width, height);
    if (FRealHeight == -1) FRealHeight = Height();
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Hide();
    SetHeight(RolledUpHeight(Skinned(), Height(), NewClRect, FDefaultCaptionHeight));
  } else if (FRealHeight != -1) {
    SetHeight(FRealHeight);
    FRealHeight = -1;
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Show();
  }
}

void TspSkinPanel::SetBorderStyle(TspSkinBorderStyle Value) {
  FBorderStyle = Value;
  if (!Skinned()) Repaint();
  Realign();
}

void TspSkinPanel::SetDefaultCaptionHeight(int32_t Value) {
  FDefaultCaptionHeight = Value;
  if (!Skinned() && FCaptionMode) ChangedAndRealigned();
}

void TspSkinPanel::SetDefaultAlignment(TAlignment Value) {
  FDefaultAlignment = Value;
  if (!Skinned() && FCaptionMode) Repaint();
}

void TspSkinPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FCaptionImageList) FCaptionImageList = nullptr;
}

// Skin and geometry

void TspSkinPanel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  // Another kind of entry has none of these: nothing of an earlier skin's is kept.
  static const TspDataSkinPanelControl none("");
  const auto* panel = dynamic_cast<const TspDataSkinPanelControl*>(SkinEntry());
  const TspDataSkinPanelControl& entry = panel != nullptr ? *panel : none;
  FCaptionRect = entry.CaptionRect;
  FAlignment = entry.Alignment;
  FFont = SkinFontOf(entry);
  FBgPictureIndex = entry.BGPictureIndex;
  FCheckImageRect = entry.CheckImageRect;
  FUncheckImageRect = entry.UncheckImageRect;
  FMarkFrameRect = entry.MarkFrameRect;
  FFrameRect = entry.FrameRect;
  FFrameTextRect = entry.FrameTextRect;
  FFrameLeftOffset = entry.FrameLeftOffset;
  FFrameRightOffset = entry.FrameRightOffset;
}

void TspSkinPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (FRollUpState)
    Roll();  // down to the new skin's caption
  else
    Realign();
}

void TspSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  TspSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Skinned()) Repaint();
}

void TspSkinPanel::CreateParams(TCreateParams& Params) {
  TspSkinCustomControl::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);  // a resize repaints what it must
}

int32_t TspSkinPanel::CaptionTextHeight() {
  TBitmap measure(1, 1);
  SetCaptionFont(*measure.Canvas()->Font(), FFont.Color);
  return measure.Canvas()->TextHeight(Caption().empty() ? std::string(" ") : Caption());
}

void TspSkinPanel::AdjustClientRect(TRect& Rect) {
  TspSkinCustomControl::AdjustClientRect(Rect);
  GetSkinData();
  int width = Width();
  int height = Height();
  CalcSize(width, height);
  TspPanelClientRules rules;
  rules.Width = Width();
  rules.Height = Height();
  rules.Skinned = Skinned();
  rules.TransparentMode = FTransparentMode;
  rules.CaptionMode = FCaptionMode;
  rules.CaptionTextHeight = Skinned() && FTransparentMode && FCaptionMode ? CaptionTextHeight() : 0;
  rules.Designing = ComponentState().Contains(csDesigning);
  rules.HasBackground = FBgPictureIndex != -1;
  rules.BorderStyle = FBorderStyle;
  rules.ResizeMode = ResizeMode();
  rules.NewClRect = NewClRect;
  rules.DefaultCaptionHeight = FDefaultCaptionHeight;
  Rect = PanelClientRect(Rect, rules);
}

TRect TspSkinPanel::GetAdjustedClientRect() {
  TRect r{0, 0, Width(), Height()};
  AdjustClientRect(r);
  return r;
}

// Painting

void TspSkinPanel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (Skinned() && FTransparentMode) {
    PaintTransparent();
    return;
  }
  if (Skinned() && FBorderStyle == bvNone && ResizeMode() == SkinResize::BothWays && !FCaptionMode && PaintBordersDirect &&
      !AlphaBlend()) {
    FillWithClientTile(*Canvas(), Width(), Height(), ClientFill());
    return;
  }
  TspSkinCustomControl::Paint();
}

void TspSkinPanel::FillWithClientTile(TCanvas& Canvas, int Width, int Height, TSkinClientFill Fill) {
  TBitmap* picture = Picture.Get();
  if (picture == nullptr) return;
  DrawPlanWithinClip(Canvas, picture, SkinClientPlan(ClRect, {0, 0, Width, Height}, SkinRect, Width, Height, Fill, true));
}

void TspSkinPanel::CreateControlSkinImage(TBitmap* B) {
  if (FBorderStyle == bvNone && ResizeMode() == SkinResize::BothWays && !FCaptionMode && !StretchEffect) {
    FillWithClientTile(*B->Canvas(), B->Width(), B->Height(), {});
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(B);
  FButtonRect = ResizeMode() <= SkinResize::Fixed ? FCaptionRect
                                  : MapSkinRect(FCaptionRect, SkinRect, SkinCut(), ResizeMode(), Width(), Height());
  if (!Caption().empty() && !IsNullRect(FCaptionRect)) DrawSkinCaption(*B->Canvas(), FButtonRect);
}

void TspSkinPanel::SetCaptionFont(TFont& Font, TColor Color) {
  AssignTextFont(Font, Skinned() ? &FFont : nullptr);
  Font.SetColor(Color);
}

int32_t TspSkinPanel::CaptionImageWidth() {
  if (FCaptionImageList != nullptr && FCaptionImageIndex >= 0 && FCaptionImageIndex < FCaptionImageList->Count())
    return FCaptionImageList->Width();
  return FGlyph.Empty() ? 0 : FGlyph.Width() / FNumGlyphs;
}

void TspSkinPanel::DrawCaptionImage(TCanvas& Canvas, int X, const TRect& Row) {
  if (FCaptionImageList != nullptr && FCaptionImageIndex >= 0 && FCaptionImageIndex < FCaptionImageList->Count()) {
    const int y = Row.Top + RectHeight(Row) / 2 - FCaptionImageList->Height() / 2;
    FCaptionImageList->Draw(&Canvas, X, y, FCaptionImageIndex, Enabled());
  } else if (!FGlyph.Empty()) {
    const int y = Row.Top + RectHeight(Row) / 2 - FGlyph.Height() / 2;
    DrawGlyph(&Canvas, X, y, &FGlyph, FNumGlyphs, FNumGlyphs.GlyphNum(Enabled()));
  }
}

int32_t TspSkinPanel::DrawCaptionBlock(TCanvas& Canvas, const TRect& R, TAlignment Alignment, int32_t Inset,
                                       bool Measured) {
  const std::string caption = Caption();
  const int32_t image = CaptionImageWidth();
  const TSize text = Canvas.TextExtent(caption);
  const int32_t block = text.cx + (image > 0 ? image + FSpacing : 0);
  int32_t x = CaptionBlockLeft(Alignment, R, block, Inset);
  if (image > 0) {
    DrawCaptionImage(Canvas, x, R);
    x += image + FSpacing;
  }
  Canvas.Brush()->SetStyle(bsClear);
  const int32_t y = R.Top + RectHeight(R) / 2 - text.cy / 2;
  if (Measured) {
    TRect box = Bounds(x, y, text.cx, text.cy);
    Canvas.DrawText(caption, box, DT_SINGLELINE | DT_NOPREFIX | MeasuredBoxFlags);
  } else {
    Canvas.TextRect(R, x, y, caption);
  }
  return x + text.cx;
}

void TspSkinPanel::DrawCaptionCheck(TCanvas& Canvas, TRect& R) {
  TBitmap check;
  CutOut(check, Picture.Get(), FChecked ? FCheckImageRect : FUncheckImageRect);
  if (check.Empty()) return;
  check.SetTransparent(true);
  Canvas.Draw(R.Left, R.Top + RectHeight(R) / 2 - check.Height() / 2, &check);
  R.Left += check.Width();
}

void TspSkinPanel::DrawRollUpMark(TCanvas& Canvas, TRect& R, TColor Color) {
  constexpr int ArrowWidth = 10;
  const int32_t width = IsNullRect(FMarkFrameRect) ? ArrowWidth : RectWidth(FMarkFrameRect);
  const TRect mark{R.Right - width, R.Top, R.Right, R.Bottom};
  TBitmap frame;
  CutOut(frame, Picture.Get(), FMarkFrameRect);
  if (!frame.Empty()) Canvas.Draw(mark.Left, mark.Top + RectHeight(mark) / 2 - frame.Height() / 2, &frame);
  DrawArrowImage(&Canvas, mark, Color, FRollUpState ? ArrowCode::Down : ArrowCode::Up);
  R.Right = mark.Left;
}

void TspSkinPanel::DrawSkinCaption(TCanvas& Canvas, TRect R) {
  if (FCheckedMode) DrawCaptionCheck(Canvas, R);
  SetCaptionFont(*Canvas.Font(), FFont.Color);
  if (FRollUpMode) DrawRollUpMark(Canvas, R, FFont.Color);
  if (IsNullRect(FFrameRect)) {
    DrawCaptionBlock(Canvas, R, FAlignment, 0);
    return;
  }
  // The caption on a frame cut from the skin, as wide as the text needs.
  const int32_t image = CaptionImageWidth();
  const int32_t block = Canvas.TextWidth(Caption()) + (image > 0 ? image + FSpacing : 0);
  const int32_t width = block + FFrameLeftOffset + FFrameRightOffset;
  TBitmap frame;
  TBitmap* picture = Picture.Get();
  if (picture != nullptr && IsDrawableImageSize(width, RectHeight(FFrameRect)))
    CreateHSkinImage(FFrameLeftOffset, FFrameRightOffset, &frame, picture, FFrameRect, width,
                     RectHeight(FFrameRect), true);
  const int32_t left = CaptionBlockLeft(FAlignment, R, width, 0);
  const int32_t top = R.Top + RectHeight(R) / 2 - RectHeight(FFrameRect) / 2;
  if (!frame.Empty()) Canvas.Draw(left, top, &frame);
  DrawCaptionBlock(Canvas, {left + FFrameLeftOffset, top, left + width - FFrameRightOffset, top + RectHeight(FFrameRect)},
                   taLeftJustify, 0, true);
}

void TspSkinPanel::PaintTransparent() {
  TBitmap image(Width(), Height());
  TCanvas& canvas = *image.Canvas();
  DrawParentBackground(this, &canvas);
  TBitmap* picture = Picture.Get();
  const TColor frame = picture != nullptr && !IsNullRect(SkinRect)
                           ? picture->Canvas()->Pixels(SkinRect.Left + RectWidth(SkinRect) / 2, SkinRect.Bottom - 1)
                           : clBtnShadow;
  canvas.Pen()->SetColor(frame);
  if (!FCaptionMode) {
    if (FBorderStyle != bvNone) {
      canvas.Brush()->SetStyle(bsClear);
      canvas.Rectangle(TRect{0, 0, Width(), Height()});
    }
  } else {
    // The caption in the colour of the skin's plain labels.
    TColor colour = SkinData()->SkinColors.cBtnText;
    if (const auto* label = dynamic_cast<const TspDataSkinStdLabelControl*>(
            SkinControlEntry(SkinData(), SkinData()->GetControlIndex("stdlabel"))))
      colour = label->FontColor;
    SetCaptionFont(*canvas.Font(), colour);
    TRect row{4, 0, Width() - 4, canvas.TextHeight(Caption().empty() ? std::string(" ") : Caption())};
    if (FCheckedMode) DrawCaptionCheck(canvas, row);
    const int32_t captionRight = DrawCaptionBlock(canvas, row, taLeftJustify, 2);
    if (FBorderStyle != bvNone) {
      const auto lines = CaptionFrameLines(Width(), Height(), RectHeight(row), captionRight);
      canvas.Polyline(lines.first);
      canvas.Polyline(lines.second);
    }
  }
  PaintTransparentExtras(canvas);
  Canvas()->Draw(0, 0, &image);
}

void TspSkinPanel::CreateControlDefaultImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas& canvas = *B->Canvas();
  TRect border{0, 0, B->Width(), B->Height()};
  DrawDefaultBorder(canvas, border, FBorderStyle);
  if (FCaptionMode) DrawDefaultCaption(canvas);
}

void TspSkinPanel::DrawDefaultCaption(TCanvas& Canvas) {
  const TRect strip = DefaultCaptionStrip(FBorderStyle, Width(), FDefaultCaptionHeight);
  TRect framed = strip;
  if (FBorderStyle == bvFrame) {
    Frame3D(&Canvas, framed, clBtnShadow, clBtnShadow, 1);
    Frame3D(&Canvas, framed, clBtnHighlight, clBtnFace, 1);
  } else {
    Frame3D(&Canvas, framed, clBtnShadow, clBtnHighlight, 1);
    Frame3D(&Canvas, framed, clBtnHighlight, clBtnShadow, 1);
  }
  const TRect text = CaptionTextArea(strip, FCheckedMode, FRollUpMode);
  AssignTextFont(*Canvas.Font(), nullptr);
  if (FCheckedMode) {
    const TRect box =
        Bounds(5, strip.Top + RectHeight(strip) / 2 - DefaultCheckBoxSize / 2, DefaultCheckBoxSize, DefaultCheckBoxSize);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(clBtnShadow);
    Canvas.FrameRect(box);
    if (FChecked) DrawCheckImage(&Canvas, box.Left + 4, box.Top + 3, clBtnText);
  }
  DrawCaptionBlock(Canvas, text, FDefaultAlignment, 2);
  if (FRollUpMode)
    DrawArrowImage(&Canvas, {text.Right, strip.Top, text.Right + 10, strip.Bottom}, clBtnText,
                   FRollUpState ? ArrowCode::Down : ArrowCode::Up);
}

// Messages

bool TspSkinPanel::InCaptionButton(int X, int Y) {
  const TRect target = Skinned() ? FButtonRect : TRect{1, 1, Width() - 1, FDefaultCaptionHeight};
  return PtInRect(target, {X, Y});
}

void TspSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && (FCheckedMode || FRollUpMode) && FCaptionMode && InCaptionButton(X, Y)) {
    if (FCheckedMode) SetChecked(!FChecked);
    if (FRollUpMode) SetRollUpState(!FRollUpState);
  }
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TspSkinPanel::ParentBackgroundChanged() {
  if (!FTransparentMode && !AlphaBlend()) return;
  Repaint();
  NotifyChildrenBackgroundChanged();
}

void TspSkinPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOVE:
      TspSkinCustomControl::Dispatch(Message);
      if (FTransparentMode) {
        Repaint();
        NotifyChildrenBackgroundChanged();
      }
      return;
    case CM_TEXTCHANGED:
      if (FCaptionMode) Repaint();
      return;
    default: TspSkinCustomControl::Dispatch(Message);
  }
}
