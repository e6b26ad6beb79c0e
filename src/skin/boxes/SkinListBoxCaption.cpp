// TspSkinCustomListBox's frame and caption band: the frame images with and without a
// skin entry, the caption with its glyph, and the up, down and check buttons with their
// repeat.
#include "SkinListBox.h"

#include "skin/controls/SkinPartPainter.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"

bool TspSkinCustomListBox::CaptionButtonsLive() const {
  return FCaptionMode && (!Skinned() || !IsRectEmpty(FSkin.UpButtonRect) || !IsRectEmpty(FSkin.DownButtonRect));
}

void TspSkinCustomListBox::CreateControlSkinImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlSkinImage(B);
  if (!FCaptionMode) {
    for (int i = 0; i < FButtons.Count(); ++i) FButtons.SetRect(i, {});
    return;
  }
  PlaceSkinCaption();
  TCanvas& canvas = *B->Canvas();
  if (!IsRectEmpty(FCaptionRect)) {
    const TspSkinFontData font{FSkin.CaptionFontName, FSkin.CaptionFontStyle, FSkin.CaptionFontHeight,
                               FSkin.CaptionFontColor};
    AssignSkinTextFont(*canvas.Font(), *DefaultFont(), &font, SkinData());
    canvas.Font()->SetColor(font.Color);
    const int32_t top = FCaptionRect.Top + FCaptionRect.Height() / 2 - canvas.TextHeight(Caption()) / 2;
    DrawCaptionText(canvas, FCaptionRect, 2, top, 0);
  }
  for (int i = 0; i < FButtons.Count(); ++i) DrawCaptionButton(canvas, i);
}

void TspSkinCustomListBox::CreateControlDefaultImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas& canvas = *B->Canvas();
  if (FCaptionMode)
    PlaceDefaultCaption();
  else
    for (int i = 0; i < FButtons.Count(); ++i) FButtons.SetRect(i, {});
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnShadow);
  canvas.FrameRect(ClientRect());
  if (!FCaptionMode) return;
  canvas.Font()->Assign(&FDefaultCaptionFont);
  if (SkinData() != nullptr && SkinData()->ResourceStrData() != nullptr)
    canvas.Font()->SetCharset(SkinData()->ResourceStrData()->CharSet());
  DrawCaptionText(canvas, FCaptionRect, 0, (FDefaultCaptionHeight - 2) / 2 - canvas.TextHeight(Caption()) / 2, 1);
  canvas.Pen()->SetColor(clBtnShadow);
  canvas.MoveTo(1, FDefaultCaptionHeight - 1);
  canvas.LineTo(Width() - 1, FDefaultCaptionHeight - 1);
  for (int i = 0; i < FButtons.Count(); ++i) DrawCaptionButton(canvas, i);
}

void TspSkinCustomListBox::PlaceSkinCaption() {
  const int32_t dw = Width() - RectWidth(SkinRect);
  const int32_t dh = Height() - RectHeight(SkinRect);
  const TspCaptionCut cut{LTPoint, RTPoint, RBPoint};
  FCaptionRect = MovedCaptionRect(FSkin.CaptionRect, cut, dw);
  FButtons.SetRect(CaptionUpButton, MovedCaptionButton(FSkin.UpButtonRect, cut, dw, dh));
  FButtons.SetRect(CaptionDownButton, MovedCaptionButton(FSkin.DownButtonRect, cut, dw, dh));
  FButtons.SetRect(CaptionCheckButton, MovedCaptionButton(FSkin.CheckButtonRect, cut, dw, dh));
}

void TspSkinCustomListBox::PlaceDefaultCaption() {
  FCaptionRect = DefaultCaptionRect(Width(), FDefaultCaptionHeight);
  const TspCaptionButtonRects buttons = DefaultCaptionButtons(Width(), FDefaultCaptionHeight);
  for (int i = 0; i < FButtons.Count(); ++i) FButtons.SetRect(i, buttons[static_cast<size_t>(i)]);
}

int32_t TspSkinCustomListBox::CaptionWidth(TCanvas& Canvas) {
  int32_t width = Canvas.TextWidth(Caption());
  if (!FGlyph.Empty()) width += FGlyph.Width() / FNumGlyphs + FSpacing;
  return width;
}

void TspSkinCustomListBox::DrawCaptionText(TCanvas& Canvas, const TRect& R, int32_t Margin, int32_t TextTop,
                                           int32_t GlyphRaise) {
  int32_t x = CaptionTextLeft(FAlignment, R, CaptionWidth(Canvas), Margin);
  if (!FGlyph.Empty()) {
    DrawGlyph(&Canvas, x, R.Top + R.Height() / 2 - FGlyph.Height() / 2 - GlyphRaise, &FGlyph, FNumGlyphs,
              FNumGlyphs.GlyphNum(Enabled()));
    x += FGlyph.Width() / FNumGlyphs + FSpacing;
  }
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.TextOut(x, TextTop, Caption());
}

void TspSkinCustomListBox::DrawCaptionButton(TCanvas& Canvas, int Button) {
  const TspRepeatButton& button = FButtons.Button(Button);
  if (IsRectEmpty(button.R)) return;
  const TspPartState state = !button.MouseIn ? TspPartState::Normal
                             : button.Down   ? TspPartState::Down
                                             : TspPartState::Hot;
  if (Skinned()) {
    TspSkinPart part;
    part.Picture = Picture;
    switch (Button) {
      case CaptionUpButton:
        part.Rects = {PictureRect(FSkin.UpButtonRect, SkinRect), FSkin.ActiveUpButtonRect, FSkin.DownUpButtonRect, {}, {}};
        break;
      case CaptionDownButton:
        part.Rects = {PictureRect(FSkin.DownButtonRect, SkinRect), FSkin.ActiveDownButtonRect,
                      FSkin.DownDownButtonRect, {}, {}};
        break;
      default:
        part.Rects = {PictureRect(FSkin.CheckButtonRect, SkinRect), FSkin.ActiveCheckButtonRect,
                      FSkin.DownCheckButtonRect, {}, {}};
    }
    DrawSkinPart(Canvas, button.R, part, state);
    return;
  }
  DrawDefaultPart(Canvas, button.R, state, false);
  if (Button == CaptionCheckButton)
    DrawCheckImage(&Canvas, button.R.Left + 4, button.R.Top + 4, clBlack);
  else
    DrawArrowImage(&Canvas, button.R, clBlack, Button == CaptionUpButton ? ArrowCode::Up : ArrowCode::Down);
}

// The buttons with the mouse

void TspSkinCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // Any mouse button presses a caption button.
  if (CaptionButtonsLive()) {
    const int pressed = FButtons.MouseDown({X, Y});
    const bool steps = (pressed == CaptionUpButton && !OnUpButtonClick) ||
                       (pressed == CaptionDownButton && !OnDownButtonClick);
    if (steps) FButtons.StartRepeat();
  }
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseMove(Shift, X, Y);
  if (CaptionButtonsLive()) FButtons.MouseMove({X, Y});
}

void TspSkinCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const int released = FCaptionMode ? FButtons.MouseUp() : -1;
  if (released != -1) {
    const TNotifyEvent& click = released == CaptionUpButton     ? OnUpButtonClick
                                : released == CaptionDownButton ? OnDownButtonClick
                                                                : OnCheckButtonClick;
    // The application's click only over the button; let go elsewhere, the button's step.
    if (FButtons.Button(released).MouseIn && click)
      click(this);
    else
      StepButton(released);
  }
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TspSkinCustomListBox::StepButton(int Button) {
  if (Button == CaptionCheckButton) {
    FListBox->Click();
    return;
  }
  const std::optional<int32_t> index = Button == CaptionUpButton
                                           ? StepUpIndex(FListBox->ItemIndex())
                                           : StepDownIndex(FListBox->ItemIndex(), FListBox->Count());
  if (index) FListBox->SetItemIndex(*index);
}

void TspSkinCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      if (FCaptionMode) Repaint();
      return;
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(Message);
      if (CaptionButtonsLive()) FButtons.MouseMove({-1, -1});
      return;
    case CM_MOUSELEAVE:
      // Only the step buttons lose their hot look; the check button keeps it until the
      // pointer comes back.
      TspSkinCustomControl::Dispatch(Message);
      if (FCaptionMode) FButtons.MouseLeave(CaptionCheckButton);
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(Message);
      if (FStepTimer.Is(Message)) {
        const int stepping = FButtons.Tick();
        if (stepping != -1) StepButton(stepping);
      }
      return;
    default: TspSkinCustomControl::Dispatch(Message);
  }
}
