#include "SkinImages.h"

#include "classlib/DeviceContexts.h"

namespace {

// Up to this many tiles a tiled copy is drawn tile by tile; past it a pattern brush
// fills the whole copy at once, whatever the count (a one-pixel tile over a large area
// would otherwise take a copy per pixel).
constexpr int64_t TilesCopiedOneByOne = 16;

// One tile of a tiled copy: its source, stretched along an axis that is not tiled.
TSize TileSize(const TPieceCopy& Copy) {
  return {Copy.TiledAcross ? Copy.Source.Width() : Copy.Dest.Width(),
          Copy.TiledDown ? Copy.Source.Height() : Copy.Dest.Height()};
}

// One fill of Copy's part within Reach with a pattern brush of one tile, the pattern laid
// from Dest's top-left corner. The brush copies as SRCCOPY does.
void FillWithTile(TCanvas& Canvas, TBitmap* Picture, const TPieceCopy& Copy, const TRect& Reach) {
  const TRect area = IntersectRect(Copy.Dest, Reach);
  if (IsRectEmpty(area)) return;
  const auto [width, height] = TileSize(Copy);
  TBitmap tile(width, height);
  tile.Canvas()->CopyRect(TRect{0, 0, width, height}, Picture->Canvas(), Copy.Source);
  const TGdiObject<HBRUSH> pattern(CreatePatternBrush(tile.Handle()));
  if (!pattern) return;
  HDC dc = Canvas.Handle();
  POINT origin{Copy.Dest.Left, Copy.Dest.Top};  // the brush origin is in device units
  LPtoDP(dc, &origin, 1);
  POINT previous{};
  SetBrushOrgEx(dc, ((origin.x % width) + width) % width, ((origin.y % height) + height) % height, &previous);
  const RECT r = ToRECT(area);
  FillRect(dc, &r, pattern.get());
  SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
}

// Carries out a plan on Target; CopyRect stretches a piece whose sizes differ.
void DrawPlan(TBitmap* Target, TBitmap* Picture, const TPiecePlan& Plan) {
  if (Plan.empty() || Target == nullptr || Target->Empty() || Picture == nullptr || Picture->Empty()) return;
  TCanvas& target = *Target->Canvas();
  const TRect whole{0, 0, Target->Width(), Target->Height()};
  for (const TPieceCopy& copy : Plan) DrawPiece(target, Picture, copy, whole);
}

void DrawBand(TBitmap* Target, TBitmap* Picture, const TBandPlan& Band) {
  if (Band.Drawn) DrawImage(Target, Picture, Band.Image);
}

}  // namespace

void DrawPiece(TCanvas& Canvas, TBitmap* Picture, const TPieceCopy& Copy, const TRect& Reach) {
  if (!Copy.TiledAcross && !Copy.TiledDown) {
    if (!IsRectEmpty(IntersectRect(Reach, Copy.Dest))) Canvas.CopyRect(Copy.Dest, Picture->Canvas(), Copy.Source);
    return;
  }
  // A tile stretched past what a bitmap may be (a broken skin's geometry) is drawn tile
  // by tile: no more of them reach into Reach than it is long.
  const TSize tile = TileSize(Copy);
  if (TileCount(Copy, Reach) > TilesCopiedOneByOne && IsDrawableImageSize(tile.cx, tile.cy))
    return FillWithTile(Canvas, Picture, Copy, Reach);
  ForEachTile(Copy, Reach,
              [&](const TPieceCopy& tile) { Canvas.CopyRect(tile.Dest, Picture->Canvas(), tile.Source); });
}

void DrawImage(TBitmap* Target, TBitmap* Picture, const TImagePlan& Image) {
  if (Target == nullptr) return;
  Target->SetSize(Image.Width, Image.Height);
  DrawPlan(Target, Picture, Image.Copies);
}

void DrawPlanWithinClip(TCanvas& Canvas, TBitmap* Picture, const TPiecePlan& Plan) {
  if (Plan.empty() || Picture == nullptr || Picture->Empty()) return;
  const TRect reach = Canvas.ClipRect();
  for (const TPieceCopy& copy : Plan) DrawPiece(Canvas, Picture, copy, reach);
}

void CreateSkinImage(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint& NewLT, TPoint& NewRT,
                     TPoint& NewLB, TPoint& NewRB, TRect& NewClRect, TBitmap* B, TBitmap* Picture,
                     const TRect& R, int Width, int Height, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                     TspStretchType StretchType) {
  const TSkinCut cut{LT, RT, LB, RB, ClRect};
  const TSkinCut newCut = CutForSize(cut, R, Width, Height);
  NewLT = newCut.LT;
  NewRT = newCut.RT;
  NewLB = newCut.LB;
  NewRB = newCut.RB;
  NewClRect = newCut.ClRect;
  if (B == nullptr) return;
  B->SetSize(Width, Height);
  DrawPlan(
      B, Picture,
      SkinImagePlan(cut, newCut, R, Width, Height, {LeftStretch, TopStretch, RightStretch, BottomStretch},
                    DrawClient, {StretchEffect, StretchType}));
}

void CreateSkinImage2(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint& NewLT, TPoint& NewRT,
                      TPoint& NewLB, TPoint& NewRB, TRect& NewClRect, TBitmap* B, TBitmap* Picture,
                      const TRect& R, int Width, int Height, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                      TspStretchType StretchType) {
  CreateSkinImage(LT, RT, LB, RB, ClRect, NewLT, NewRT, NewLB, NewRB, NewClRect, B, Picture, R, Width, Height,
                  DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect,
                  StretchType);
}

void CreateSkinImageFromClientRect(TBitmap* B, TBitmap* Picture, const TRect& R, bool DrawClient,
                                   const TRect& ClRect) {
  if (B == nullptr) return;
  const TSkinCut cut = CutFromClientRect(ClRect);
  TSkinCut newCut;
  CreateSkinImage(cut.LT, cut.RT, cut.LB, cut.RB, cut.ClRect, newCut.LT, newCut.RT, newCut.LB, newCut.RB,
                  newCut.ClRect, B, Picture, R, B->Width(), B->Height(), DrawClient, true, true, true, true,
                  true, stfull);
}

void CreateSkinBorderImages(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                            TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* LeftBmp,
                            TBitmap* TopBmp, TBitmap* RightBmp, TBitmap* BottomBmp, TBitmap* Picture,
                            const TRect& R, int Width, int Height, bool LeftStretch, bool TopStretch,
                            bool RightStretch, bool BottomStretch) {
  const TBorderPlans bands =
      SkinBorderPlans({LT, RT, LB, RB, ClRect}, {NewLT, NewRT, NewLB, NewRB, NewClRect}, R, Width, Height,
                      {LeftStretch, TopStretch, RightStretch, BottomStretch});
  DrawBand(TopBmp, Picture, bands.Top);
  DrawBand(BottomBmp, Picture, bands.Bottom);
  DrawBand(LeftBmp, Picture, bands.Left);
  DrawBand(RightBmp, Picture, bands.Right);
}

void CreateSkinBorderMasks(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                           TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask,
                           TBitmap* TopBmp, TBitmap* LeftBmp, TBitmap* RightBmp, TBitmap* BottomBmp,
                           int Width, int /*Height*/) {
  if (Mask == nullptr) return;
  const TBorderPlans bands =
      SkinBorderMaskPlans({LT, RT, LB, RB, ClRect}, {NewLT, NewRT, NewLB, NewRB, NewClRect}, Mask->Width(),
                          Mask->Height(), Width);
  DrawBand(TopBmp, Mask, bands.Top);
  DrawBand(BottomBmp, Mask, bands.Bottom);
  DrawBand(LeftBmp, Mask, bands.Left);
  DrawBand(RightBmp, Mask, bands.Right);
}

void CreateSkinClientImage(TRect ClRect, TRect NewClRect, TBitmap* B, TBitmap* Picture, const TRect& R,
                           int Width, int Height, bool StretchEffect, TspStretchType StretchType) {
  if (B == nullptr) return;
  B->SetSize(Width, Height);
  DrawPlan(B, Picture,
           SkinClientPlan(ClRect, NewClRect, R, Width, Height, {StretchEffect, StretchType}, false));
}

void CreateHSkinImage(int LeftOffset, int RightOffset, TBitmap* B, TBitmap* Picture, const TRect& R,
                      int NewWidth, int /*NewHeight*/, bool StretchEffect) {
  DrawImage(B, Picture, HSkinImagePlan(LeftOffset, RightOffset, R, NewWidth, StretchEffect));
}

void CreateVSkinImage(int TopOffset, int BottomOffset, TBitmap* B, TBitmap* Picture, const TRect& R,
                      int /*NewWidth*/, int NewHeight, bool StretchEffect) {
  DrawImage(B, Picture, VSkinImagePlan(TopOffset, BottomOffset, R, NewHeight, StretchEffect));
}

void DrawGlyph(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, int NumGlyphs, int GlyphNum) {
  if (Canvas == nullptr || Glyph == nullptr || Glyph->Empty() || NumGlyphs < 1) return;
  if (GlyphNum < 1 || GlyphNum > NumGlyphs) return;
  const int width = Glyph->Width() / NumGlyphs;
  const int height = Glyph->Height();
  if (width < 1) return;
  TBitmap cell(width, height);
  cell.Canvas()->CopyRect(TRect{0, 0, width, height}, Glyph->Canvas(),
                          Bounds((GlyphNum - 1) * width, 0, width, height));
  cell.SetTransparent(true);
  Canvas->Draw(X, Y, &cell);
}
