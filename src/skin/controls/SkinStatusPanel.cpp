#include "SkinStatusPanel.h"

#include "ButtonGlyphs.h"
#include "DefaultBorder.h"

#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinImages.h"

#include "classlib/ImageList.h"

#include <algorithm>

TspSkinStatusPanel::TspSkinStatusPanel(TComponent* AOwner) : TspSkinLabel(AOwner) {
  SetSkinDataName("statuspanel");
  SetWidth(120);
}

void TspSkinStatusPanel::Changed() {
  Repaint();
  if (AutoSize()) AdjustSize();
}

void TspSkinStatusPanel::SetGlyph(TBitmap* Value) {
  FGlyph.Assign(Value);
  Changed();
}

void TspSkinStatusPanel::SetNumGlyphs(int32_t Value) {
  FNumGlyphs = std::max(Value, 1);  // the strip is divided by it
  Changed();
}

void TspSkinStatusPanel::SetImageList(TCustomImageList* Value) { SetReference(FImageList, Value); }

void TspSkinStatusPanel::SetImageIndex(int32_t Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Repaint();
}

void TspSkinStatusPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinLabel::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

int32_t TspSkinStatusPanel::GlyphRoom(int32_t Gap) {
  if (HasImage(FImageList, FImageIndex)) return FImageList->Width() + Gap;
  return FGlyph.Empty() ? 0 : FGlyph.Width() / FNumGlyphs + Gap;
}

int32_t TspSkinStatusPanel::AutoSizeDeltaFor(const std::string& Text) {
  GetSkinData();
  if (Skinned() && ResizeMode() == SkinResize::Fixed) return 0;
  int width = Width();
  int height = Height();
  CalcSize(width, height);
  const int32_t room = Skinned() ? RectWidth(CurrentClientRect()) : Width() - 4;
  return CaptionTextWidth(Text) + GlyphRoom(3) - room;
}

void TspSkinStatusPanel::DrawGlyphIn(TCanvas& Canvas, TRect& R) {
  if (HasImage(FImageList, FImageIndex)) {
    FImageList->Draw(&Canvas, R.Left, R.Top + RectHeight(R) / 2 - FImageList->Height() / 2, FImageIndex, Enabled());
  } else if (!FGlyph.Empty()) {
    const int glyph = !Enabled() && FNumGlyphs >= 2 ? 2 : 1;
    DrawGlyph(&Canvas, R.Left, R.Top + RectHeight(R) / 2 - FGlyph.Height() / 2, &FGlyph, FNumGlyphs, glyph);
  }
  R.Left += GlyphRoom(2);
}

void TspSkinStatusPanel::CreateControlDefaultImage(TBitmap* B) {
  TCanvas& canvas = *B->Canvas();
  TRect r{0, 0, B->Width(), B->Height()};
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(r);
  DrawDefaultBorder(canvas, r, BorderStyle());
  TRect text{3, 3, B->Width() - 3, B->Height() - 3};
  DrawGlyphIn(canvas, text);
  DrawCaption(canvas, text);
}

void TspSkinStatusPanel::CreateControlSkinImage(TBitmap* B) {
  CreateSkinImageFromPicture(B, Picture, SkinRect);
  TRect text = ContentRect(B->Width(), B->Height());
  DrawGlyphIn(*B->Canvas(), text);
  DrawCaption(*B->Canvas(), text);
}

void TspSkinStatusPanel::Dispatch(TMessage& Message) {
  TspSkinLabel::Dispatch(Message);
  if (Message.Msg == CM_ENABLEDCHANGED) Repaint();  // the disabled glyph
}
