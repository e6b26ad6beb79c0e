#include "Label.h"

#include "DeviceContexts.h"
#include "Keyboard.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::Changed(bool Measure) {
  if (Measure) AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Changed(false);
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  Changed(true);
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Changed(false);
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  Changed(true);
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (Value == FShowAccelChar) return;
  FShowAccelChar = Value;
  Changed(true);
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Value == Transparent()) return;
  SetControlStyle(Value ? ControlStyle() - TControlStyle{csOpaque} : ControlStyle() + TControlStyle{csOpaque});
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  SetReference(FFocusControl, Value);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

std::string TCustomLabel::GetLabelText() { return Caption(); }

void TCustomLabel::DoDrawText(TRect& Rect, UINT Flags) {
  std::string text = GetLabelText();
  // An empty text (or a lone accelerator mark) still takes a line's height.
  if ((Flags & DT_CALCRECT) != 0 && (text.empty() || (FShowAccelChar && text == "&"))) text.assign(1, ' ');
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  Flags = DrawTextBiDiModeFlags(Flags);
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  if ((Flags & DT_CALCRECT) != 0 || Enabled()) {
    canvas->DrawText(text, Rect, Flags);
    return;
  }
  // Disabled: engraved, a light copy under a shadow one.
  TRect light = OffsetRect(Rect, 1, 1);
  canvas->Font()->SetColor(clBtnHighlight);
  canvas->DrawText(text, light, Flags);
  canvas->Font()->SetColor(clBtnShadow);
  canvas->DrawText(text, Rect, Flags);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(ClientRect());
  }
  canvas->Brush()->SetStyle(bsClear);
  TRect rect = ClientRect();
  const UINT flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | DrawTextAlignment(FAlignment);
  if (FLayout != tlTop) {
    TRect measured = rect;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int free = rect.Height() - measured.Height();
    rect = OffsetRect(rect, 0, FLayout == tlBottom ? free : free / 2);
  }
  DoDrawText(rect, flags);
}

void TCustomLabel::AdjustBounds() {
  const TComponentState state = ComponentState();
  if (!FAutoSize || state.Contains(csLoading) || state.Contains(csReading)) return;
  TRect rect = ClientRect();
  PaintOnCanvas(*Canvas(), ScreenCompatibleDC(), [&] {
    DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
    // Smoothed glyphs may reach a pixel or two past the text's advance, and the system
    // drops a glyph that clipping would cut: a line keeps a blank's width of room.
    if (!FWordWrap) rect.Right += Canvas()->TextWidth(" ");
  });
  int left = Left();
  const bool keepRightEdge = UseRightToLeftAlignment() ? FAlignment == taLeftJustify : FAlignment == taRightJustify;
  if (keepRightEdge) left += Width() - rect.Width();
  SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Changed(true);
      return;
    case CM_DIALOGCHAR:
      if (FFocusControl != nullptr && Enabled() && FShowAccelChar &&
          IsAccel(static_cast<uint16_t>(Message.WParam), GetLabelText()) && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
        return;
      }
      TGraphicControl::Dispatch(Message);
      return;
    default: TGraphicControl::Dispatch(Message);
  }
}
