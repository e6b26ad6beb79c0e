#include "SkinLabel.h"

#include "DefaultBorder.h"
#include "MeasuredText.h"
#include "SkinPartPainter.h"

#include "skin/controls/portable/SkinControlGeometry.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/Bitmap.h"

TspSkinLabel::TspSkinLabel(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("label");
  SetBounds(Left(), Top(), 75, 21);
}

void TspSkinLabel::SetEllipsType(TspEllipsType2 Value) {
  if (Value == FEllipsType) return;
  FEllipsType = Value;
  Invalidate();
}

void TspSkinLabel::SetBorderStyle(TspSkinBorderStyle Value) {
  FBorderStyle = Value;
  if (!Skinned()) Repaint();
  Realign();
}

void TspSkinLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Repaint();
}

void TspSkinLabel::SetAutoSize(bool Value) {
  FAutoSize = Value;
  if (Value) AdjustSize();
}

void TspSkinLabel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  // An entry of a fixed size keeps it.
  if (Skinned() && ResizeMode() == SkinResize::Fixed) FAutoSize = false;
  const auto* entry = dynamic_cast<const TspDataSkinLabelControl*>(SkinEntry());
  if (entry == nullptr) return;
  FFont = SkinFontOf(*entry);
}

void TspSkinLabel::CalcSize(int& AWidth, int& AHeight) {
  if (KeepsSkinSize()) {
    TspSkinCustomControl::CalcSize(AWidth, AHeight);
    return;
  }
  if (Skinned()) NewClRect = GrownClientRect(ClRect, SkinRect, AWidth, AHeight);
}

void TspSkinLabel::SetControlRegion() {
  if (FUseSkinSize) TspSkinCustomControl::SetControlRegion();
}

void TspSkinLabel::SetCaptionFont(TFont& Font) {
  AssignTextFont(Font, Skinned() ? &FFont : nullptr);
  if (Skinned() && FUseSkinFontColor) Font.SetColor(FFont.Color);
}

int32_t TspSkinLabel::CaptionTextWidth(const std::string& S) {
  TBitmap measure(1, 1);
  SetCaptionFont(*measure.Canvas()->Font());
  return measure.Canvas()->TextWidth(S) + InkOverhang(*measure.Canvas(), S);
}

TRect TspSkinLabel::ContentRect(int32_t Width, int32_t Height) {
  if (!Skinned()) return {2, 2, Width - 2, Height - 2};
  return KeepsSkinSize() ? NewClRect : GrownClientRect(ClRect, SkinRect, Width, Height);
}

int32_t TspSkinLabel::AutoSizeDeltaFor(const std::string& Text) {
  GetSkinData();
  if (!Skinned()) return CaptionTextWidth(Text) - (Width() - 4);
  if (ResizeMode() == SkinResize::Fixed) return 0;
  int width = Width();
  int height = Height();
  CalcSize(width, height);
  return CaptionTextWidth(Text) - RectWidth(NewClRect);
}

void TspSkinLabel::AdjustSize() {
  if (Align() == alTop || Align() == alBottom || Align() == alClient) return;
  const int32_t delta = GetAutoSizeDelta();
  if (delta != 0) SetWidth(Width() + delta);
}

void TspSkinLabel::DrawCaption(TCanvas& Canvas, const TRect& R) {
  SetCaptionFont(*Canvas.Font());
  std::string text = Caption();
  if (FEllipsType == spetEllips) FitTextToWidth(&Canvas, text, RectWidth(R));
  const TSize size = Canvas.TextExtent(text);
  const int32_t y = R.Top + RectHeight(R) / 2 - size.cy / 2;
  int32_t x = R.Left;
  if (FAlignment == taRightJustify) x = R.Right - size.cx;
  if (FAlignment == taCenter) x = R.Left + RectWidth(R) / 2 - size.cx / 2;
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.TextRect(R, x, y, text);
}

void TspSkinLabel::CreateControlDefaultImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas& canvas = *B->Canvas();
  TRect border{0, 0, B->Width(), B->Height()};
  DrawDefaultBorder(canvas, border, FBorderStyle);
  DrawCaption(canvas, ContentRect(B->Width(), B->Height()));
}

void TspSkinLabel::CreateControlSkinImage(TBitmap* B) {
  if (KeepsSkinSize()) {
    TspSkinCustomControl::CreateControlSkinImage(B);
  } else {
    TspSkinPart part;  // the entry fitted to any size
    part.Picture = Picture;
    part.Rects.Normal = SkinRect;
    part.Geometry = AnySizeGeometry(ClRect);
    DrawSkinPart(*B->Canvas(), TRect{0, 0, B->Width(), B->Height()}, part, TspPartState::Normal);
  }
  DrawCaption(*B->Canvas(), ContentRect(B->Width(), B->Height()));
}

void TspSkinLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      if (FAutoSize) AdjustSize();
      Repaint();
      return;
    case WM_ERASEBKGND: PaintOnErase(Message); return;
    default: TspSkinCustomControl::Dispatch(Message);
  }
}
