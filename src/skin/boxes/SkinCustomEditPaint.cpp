// How the skinned edit paints: its frame in the non-client area, the part of the frame
// behind the text, and the text of a disabled edit.
#include "SkinCustomEdit.h"

#include "BoxPainting.h"

#include "skin/controls/SkinControlCore.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinRects.h"

#include "classlib/DeviceContexts.h"


namespace {

// The edit's button from a button entry: its nine parts with the client part drawn.
TspSkinPart EditButtonPart(TspSkinData* Data, const TspDataSkinControl& Entry) {
  TspSkinPart part = ControlSkinPart(Data, Entry);
  part.Rects = EditButtonRects(part.Rects);
  if (const auto* custom = dynamic_cast<const TspDataSkinCustomControl*>(&Entry)) {
    part.Geometry.Fit = TspPartFit::NinePart;
    part.Geometry.Cut = {custom->LTPoint, custom->RTPoint, custom->LBPoint, custom->RBPoint, custom->ClRect};
    part.Geometry.Sides = {custom->LeftStretch, custom->TopStretch, custom->RightStretch, custom->BottomStretch};
    part.Geometry.Fill = {custom->StretchEffect, custom->StretchType};
    part.Geometry.DrawClient = true;
  }
  return part;
}

// The first of the button entries the skin has; nullptr for none.
const TspDataSkinControl* EditButtonEntry(TspSkinData* Data) {
  return FirstControlEntry(Data, {"editbutton", "resizebutton"});
}

}  // namespace

TspPartState TspSkinCustomEdit::FrameState() { return EditFrameState(Enabled(), FMouseOver, Focused()); }

void TspSkinCustomEdit::PaintFrame(HDC DC, bool ExcludeText) {
  if (Width() < 1 || Height() < 1 || !HandleAllocated()) return;
  const TspEditLayout layout = Layout();
  TBitmap image(Width(), Height());
  DrawFrameImage(image, layout);

  std::optional<TWindowDC> windowDC;
  if (DC == nullptr) DC = windowDC.emplace(Handle(), TWindowDC::WholeWindow).DC();
  TSavedDC saved(DC);
  if (ExcludeText) {
    const TRect& text = layout.EditRect;
    ExcludeClipRect(DC, text.Left, text.Top, text.Right, text.Bottom);
  }
  TDCCanvas canvas(DC);
  if (FAlphaBlend)
    DrawBlendedOverParent(this, canvas, image, {0, 0, Width(), Height()}, {0, 0}, FAlphaBlendValue);
  else
    canvas.Draw(0, 0, &image);
}

void TspSkinCustomEdit::DrawFrameImage(TBitmap& Image, const TspEditLayout& Layout) {
  TCanvas& canvas = *Image.Canvas();
  if (!Skinned())
    DrawDefaultFrame(canvas, Layout);
  else if (FUseSkinFont)
    DrawFixedHeightFrame(canvas, Layout);
  else
    DrawVariableHeightFrame(canvas, Layout);
}

void TspSkinCustomEdit::DrawDefaultFrame(TCanvas& Canvas, const TspEditLayout& Layout) {
  const TRect whole{0, 0, Width(), Height()};
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(FDefaultColor);
  Canvas.FillRect(whole);
  DrawDefaultEditBorder(Canvas, whole);
  if (FButtonMode) DrawDefaultPart(Canvas, Layout.ButtonRect, EditButtonState(FButtonPressed, FMouseOverButton));
}

void TspSkinCustomEdit::DrawFixedHeightFrame(TCanvas& Canvas, const TspEditLayout& Layout) {
  const TspEditSkin& skin = *Skin();
  const TspPartState state = FrameState();
  const TspSkinPart frame{FLink.Picture(), std::nullopt, EditFrameRects(skin),
                          HorizontalGeometry(skin.LeftOffset, skin.RightOffset, skin.StretchEffect)};
  const TRect look = PartLook(frame.Rects, state).Rect;
  if (!DrawSkinPart(Canvas, {0, 0, Width(), RectHeight(look)}, frame, state)) {
    DrawDefaultFrame(Canvas, Layout);
    return;
  }
  if (!FButtonMode) return;
  const TRect overlay = EditButtonOverlay(skin, Enabled(), FButtonPressed, FMouseOverButton);
  TBitmap* picture = FLink.Picture().Get();
  if (!IsNullRect(overlay) && picture != nullptr) Canvas.CopyRect(Layout.ButtonRect, picture->Canvas(), overlay);
}

void TspSkinCustomEdit::DrawVariableHeightFrame(TCanvas& Canvas, const TspEditLayout& Layout) {
  TspSkinPart frame{FLink.Picture(), std::nullopt, EditFrameRects(*Skin()), ClientRectGeometry(Skin()->ClRect)};
  frame.Geometry.DrawClient = false;
  if (!DrawSkinPart(Canvas, {0, 0, Width(), Height()}, frame, FrameState())) {
    DrawDefaultFrame(Canvas, Layout);
    return;
  }
  if (!FButtonMode) return;
  if (const TspDataSkinControl* entry = EditButtonEntry(FSkinData))
    DrawSkinPart(Canvas, Layout.ButtonRect, EditButtonPart(FSkinData, *entry),
                 EditButtonState(FButtonPressed, FMouseOverButton));
}

void TspSkinCustomEdit::PaintClientBackground(HDC DC) {
  GetSkinData();
  const TRect client = ClientRect();
  if (client.Width() < 1 || client.Height() < 1) return;
  TBitmap image(client.Width(), client.Height());
  TCanvas& canvas = *image.Canvas();
  canvas.Brush()->SetColor(FDefaultColor);
  canvas.FillRect(client);
  if (Skinned()) {
    // The part of the frame's state picture behind the text, at the skin's height or
    // stretched to the edit's.
    const TspEditClientStrip strip = EditClientStrip(*Skin(), PartLook(EditFrameRects(*Skin()), FrameState()).Rect);
    TspSkinPart part{FLink.Picture(), std::nullopt, {}, HorizontalGeometry(strip.LeftOffset, strip.RightOffset,
                                                                    Skin()->StretchEffect)};
    part.Rects.Normal = strip.Source;
    const int32_t height = FUseSkinFont ? RectHeight(strip.Source) : client.Height();
    DrawSkinPart(canvas, {0, 0, client.Width(), height}, part, TspPartState::Normal);
  }
  TDCCanvas target(DC);
  if (FAlphaBlend)
    DrawBlendedOverParent(this, target, image, ClientAreaInWindow(), {0, 0}, FAlphaBlendValue);
  else
    target.Draw(0, 0, &image);
}

void TspSkinCustomEdit::PaintClient(TMessage& Message) {
  PaintEditText(*this, Message, FPainting, [&] { TspCustomEdit::Dispatch(Message); },
                [&](HDC DC) { DrawDisabledText(DC); });
}

void TspSkinCustomEdit::DrawDisabledText(HDC DC) {
  GetSkinData();
  TDCCanvas canvas(DC);
  AssignEditFont(*canvas.Font(), FDefaultFont, Skin(), FUseSkinFont, FSkinData);
  canvas.Font()->SetColor(Skinned() ? Skin()->DisabledFontColor : clGrayText);
  canvas.Brush()->SetStyle(bsClear);
  const std::string text = PasswordChar() != '\0' ? std::string(Text().size(), PasswordChar()) : Text();
  const TRect area = ClientRect();
  const int32_t left = EditDisabledTextLeft(FAlignment, area.Width(), canvas.TextWidth(text));
  canvas.TextRect(area, left, 0, text);
}
