#include "SkinPartPainter.h"

#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinImages.h"

#include "classlib/Canvas.h"

#include <algorithm>

namespace {

// R built by the skin image builders into Image for a part drawn Width x Height.
void BuildImage(TBitmap& Image, TBitmap* Picture, const TRect& R, const TspPartGeometry& G, int32_t Width,
                int32_t Height) {
  const TSkinCut& c = G.Cut;
  TSkinCut newCut;
  switch (G.Fit) {
    case TspPartFit::NinePart:
      CreateSkinImage(c.LT, c.RT, c.LB, c.RB, c.ClRect, newCut.LT, newCut.RT, newCut.LB, newCut.RB,
                      newCut.ClRect, &Image, Picture, R, Width, Height, G.DrawClient, G.Sides.Left,
                      G.Sides.Top, G.Sides.Right, G.Sides.Bottom, G.Fill.StretchEffect, G.Fill.StretchType);
      break;
    case TspPartFit::Horizontal:
      CreateHSkinImage(G.StartOffset, G.EndOffset, &Image, Picture, R, Width, Height, G.Fill.StretchEffect);
      break;
    case TspPartFit::Vertical:
      CreateVSkinImage(G.StartOffset, G.EndOffset, &Image, Picture, R, Width, Height, G.Fill.StretchEffect);
      break;
    case TspPartFit::Copy:
    case TspPartFit::Stretch:
      break;
  }
}

}  // namespace

TspSkinPart ControlSkinPart(TspSkinData* Data, const TspDataSkinControl& Entry) {
  TspSkinPart part;
  part.Picture = SkinActiveBitmap(Data, Entry.PictureIndex);
  part.Rects.Normal = Entry.SkinRect;
  if (const auto* button = dynamic_cast<const TspDataSkinButtonControl*>(&Entry))
    part.Rects = ButtonPartRects(*button);
  if (const auto* custom = dynamic_cast<const TspDataSkinCustomControl*>(&Entry))
    part.Geometry = CustomControlGeometry(*custom);
  return part;
}

TspSkinPart ControlSkinPart(TspSkinData* Data, const std::string& Name) {
  if (Data == nullptr || Data->Empty()) return {};
  const int index = Data->GetControlIndex(Name);
  if (index < 0) return {};
  return ControlSkinPart(Data, *Data->CtrlList[static_cast<size_t>(index)]);
}

bool DrawSkinPart(TCanvas& Canvas, const TRect& Dest, const TspSkinPart& Part, TspPartState State) {
  const TspPartLook look = PartLook(Part.Rects, State);
  if (IsNullRect(look.Rect)) return false;
  const bool normalElsewhere = look.From == TspPartState::Normal && Part.NormalPicture.has_value();
  TBitmap* picture = (normalElsewhere ? *Part.NormalPicture : Part.Picture).Get();
  if (picture == nullptr || picture->Empty()) return false;
  const int32_t width = RectWidth(Dest), height = RectHeight(Dest);
  const TRect& r = look.Rect;
  const TSize image = PartImageSize(Part.Geometry, r, width, height);
  if (!IsDrawableImageSize(width, height) || !IsDrawableImageSize(image.cx, image.cy)) return false;

  switch (Part.Geometry.Fit) {
    case TspPartFit::Copy: {
      const int32_t w = std::min(width, RectWidth(r)), h = std::min(height, RectHeight(r));
      Canvas.CopyRect(Bounds(Dest.Left, Dest.Top, w, h), picture->Canvas(), Bounds(r.Left, r.Top, w, h));
      break;
    }
    case TspPartFit::Stretch:
      Canvas.CopyRect(Dest, picture->Canvas(), r);
      break;
    default: {
      TBitmap built;
      if (Part.Geometry.Fit == TspPartFit::NinePart) {
        // What the image leaves undrawn (a client part not drawn) keeps what Dest shows.
        built.SetSize(width, height);
        built.Canvas()->CopyRect(TRect{0, 0, width, height}, &Canvas, Dest);
      }
      BuildImage(built, picture, r, Part.Geometry, width, height);
      // A three-part image keeps R's height (or width) and is stretched to the size drawn.
      Canvas.CopyRect(Dest, built.Canvas(), TRect{0, 0, built.Width(), built.Height()});
    }
  }
  return true;
}

bool DrawSkinPartTransparent(TCanvas& Canvas, const TRect& Dest, const TspSkinPart& Part, TspPartState State,
                             std::optional<TColor> Key) {
  if (!IsDrawableImageSize(RectWidth(Dest), RectHeight(Dest))) return false;
  TBitmap image(RectWidth(Dest), RectHeight(Dest));
  if (!DrawSkinPart(*image.Canvas(), TRect{0, 0, image.Width(), image.Height()}, Part, State)) return false;
  if (Key) image.SetTransparentColor(*Key);
  image.SetTransparent(true);
  Canvas.Draw(Dest.Left, Dest.Top, &image);
  return true;
}

void DrawDefaultLook(TCanvas& Canvas, const TRect& Dest, const TspDefaultLook& Look) {
  if (IsNullRect(Dest)) return;
  TBrush* brush = Canvas.Brush();
  brush->SetStyle(bsSolid);
  brush->SetColor(Look.Fill);
  Canvas.FillRect(Dest);
  if (Look.Frame == clNone) return;
  brush->SetColor(Look.Frame);
  Canvas.FrameRect(Dest);
}

void DrawDefaultPart(TCanvas& Canvas, const TRect& Dest, TspPartState State, bool FramedNormal, TColor DownFill) {
  DrawDefaultLook(Canvas, Dest, DefaultPartLook(State, FramedNormal, DownFill));
}

void DrawPart(TCanvas& Canvas, const TRect& Dest, const TspSkinPart& Part, TspPartState State,
              bool FramedNormal) {
  if (!DrawSkinPart(Canvas, Dest, Part, State)) DrawDefaultPart(Canvas, Dest, State, FramedNormal);
}
