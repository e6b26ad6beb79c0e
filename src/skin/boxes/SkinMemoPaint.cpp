// How the skinned memo paints: its background and frame inside its client area, and the
// lines of a disabled memo.
#include "SkinMemo.h"

#include "BoxPainting.h"

#include "skin/controls/SkinControlCore.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinSystem.h"


namespace {

// The disabled text colour of the skin's "edit" entry; clGrayText without one.
TColor DisabledTextColor(TspSkinData* Data) {
  if (Data == nullptr || Data->Empty()) return clGrayText;
  const auto* edit = dynamic_cast<const TspDataSkinEditControl*>(SkinControlEntry(Data, Data->GetControlIndex("edit")));
  return edit != nullptr ? edit->DisabledFontColor : clGrayText;
}

}  // namespace

TRect TspSkinMemo::StateRect() {
  if (!Skinned()) return {};
  return PartLook(EditFrameRects(*Skin()), EditFrameState(Enabled(), FMouseOver, Focused())).Rect;
}

void TspSkinMemo::PaintBackgroundAndFrame(HDC DC) {
  const TRect client = ClientRect();
  if (client.Width() < 1 || client.Height() < 1) return;
  GetSkinData();
  TDCCanvas target(DC);
  target.Brush()->SetStyle(bsSolid);
  target.Brush()->SetColor(Color());
  if (!FBitMapBG) {
    target.FillRect(Skinned() ? MemoInnerRect(client, *Skin()) : client);
    if (Bordered()) DrawFrame(target, client);
  } else if (FTransparent && FAlphaBlendValue == 255) {
    DrawParentBackground(this, &target);
    if (Bordered()) DrawFrame(target, client);
  } else {
    TBitmap image(client.Width(), client.Height());
    TCanvas& canvas = *image.Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const TRect look = StateRect();
    if (TBitmap* picture = FLink.Picture().Get(); picture != nullptr && !IsNullRect(look))
      CreateSkinClientImage(Skin()->ClRect, client, &image, picture, look, client.Width(), client.Height(),
                            Skin()->Fill.StretchEffect, Skin()->Fill.StretchType);
    if (Bordered()) DrawFrame(canvas, client);
    if (FTransparent)
      DrawBlendedOverParent(this, target, image, client, {0, 0}, FAlphaBlendValue);
    else
      target.Draw(0, 0, &image);
  }
  SetFormattingRect();
}

void TspSkinMemo::DrawFrame(TCanvas& Canvas, const TRect& Client) {
  TBitmap* picture = FLink.Picture().Get();
  const TRect look = StateRect();
  if (picture == nullptr || IsNullRect(look)) {
    DrawDefaultEditBorder(Canvas, Client);
    return;
  }
  // The state picture cut at the corner points into four strips for the memo's size.
  const int32_t width = Client.Width(), height = Client.Height();
  const TSkinCut& cut = Skin()->Cut;
  const TSkinCut sized = CutForSize(cut, look, width, height);
  const TSkinSides& sides = Skin()->Sides;
  TBitmap top, left, right, bottom;
  CreateSkinBorderImages(cut.LT, cut.RT, cut.LB, cut.RB, cut.ClRect, sized.LT, sized.RT, sized.LB, sized.RB,
                         sized.ClRect, &left, &top, &right, &bottom, picture, look, width, height, sides.Left,
                         sides.Top, sides.Right, sides.Bottom);
  const struct {
    TBitmap& Strip;
    TPoint At;
  } strips[] = {{top, {0, 0}},
                {left, {0, top.Height()}},
                {right, {width - right.Width(), top.Height()}},
                {bottom, {0, height - bottom.Height()}}};
  for (const auto& [strip, at] : strips)
    if (!strip.Empty()) Canvas.Draw(at.X, at.Y, &strip);
}

void TspSkinMemo::PaintClient(TMessage& Message) {
  if (FBitMapBG) FScrollWatch.BeforePaint(Handle(), Message);  // the native control erases nothing then
  PaintEditText(*this, Message, FPainting, [&] { TMemo::Dispatch(Message); }, [&](HDC DC) { DrawDisabledLines(DC); });
}

void TspSkinMemo::DrawDisabledLines(HDC DC) {
  GetSkinData();
  TDCCanvas canvas(DC);
  AssignEditFont(*canvas.Font(), *Font(), Skin(), FUseSkinFont, FSkinData);
  canvas.Font()->SetColor(DisabledTextColor(FSkinData));
  canvas.Brush()->SetStyle(bsClear);
  const int32_t lineHeight = std::max(1, canvas.TextHeight("Wq"));
  RECT formatting{};
  SendMessageA(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatting));
  const TRect area = FromRECT(formatting);
  const int first = static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  TStrings& lines = *Lines();
  const int count = MemoDisabledLineCount(ClientHeight(), lineHeight, lines.Count() - first);
  for (int i = 0; i < count; ++i) {
    TRect line = area;
    line.Top += i * lineHeight;
    canvas.DrawText(lines.Get(first + i), line, DrawTextAlignment(Alignment()) | DT_NOPREFIX | DT_EXPANDTABS);
  }
}
