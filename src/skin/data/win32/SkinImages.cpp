#include "SkinImages.h"

namespace {

// Carries out a plan on Target; CopyRect stretches a piece whose sizes differ.
void DrawPlan(TBitmap* Target, TBitmap* Picture, const TPiecePlan& Plan) {
  if (Plan.empty() || Target == nullptr || Target->Empty() || Picture == nullptr || Picture->Empty()) return;
  TCanvas* target = Target->Canvas();
  TCanvas* source = Picture->Canvas();
  for (const TPieceCopy& copy : Plan) target->CopyRect(copy.Dest, source, copy.Source);
}

void DrawBand(TBitmap* Target, TBitmap* Picture, const TBandPlan& Band) {
  if (Band.Drawn) DrawImage(Target, Picture, Band.Image);
}

}  // namespace

void DrawImage(TBitmap* Target, TBitmap* Picture, const TImagePlan& Image) {
  if (Target == nullptr) return;
  Target->SetSize(Image.Width, Image.Height);
  DrawPlan(Target, Picture, Image.Copies);
}

void DrawPlanWithinClip(TCanvas& Canvas, TBitmap* Picture, const TPiecePlan& Plan) {
  if (Plan.empty() || Picture == nullptr || Picture->Empty()) return;
  const TRect reach = Canvas.ClipRect();
  for (const TPieceCopy& copy : Plan)
    if (!IsRectEmpty(IntersectRect(reach, copy.Dest))) Canvas.CopyRect(copy.Dest, Picture->Canvas(), copy.Source);
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
