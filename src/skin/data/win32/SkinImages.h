#pragma once
// Windows only. The skin image builders: images of any size made from a rectangle R of
// a skin picture that was painted for one size (the cut plans of SkinImagePlans, drawn
// through the class library's canvas), and one glyph of a glyph strip.
//
// Corner points and client rectangles are relative to R's top-left corner; the new ones
// to the new image's. A builder draws nothing from an empty picture.

#include "skin/data/SkinImagePlans.h"

#include "classlib/Bitmap.h"

// Sizes B to Width x Height and draws the nine-part image of R: corners copied, each
// side strip stretched or tiled by its flag, then (with DrawClient) the client part by
// StretchEffect and StretchType. Gives the cut for the new size in NewLT .. NewClRect:
// left and top coordinates stay, right and bottom ones keep their distance to the right
// and bottom edge. B stays undrawn when RB.X = LT.X or RB.Y = LT.Y.
void CreateSkinImage(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint& NewLT, TPoint& NewRT,
                     TPoint& NewLB, TPoint& NewRB, TRect& NewClRect, TBitmap* B, TBitmap* Picture,
                     const TRect& R, int Width, int Height, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                     TspStretchType StretchType);
// The same image; the skinned menus and popup windows call this one.
void CreateSkinImage2(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint& NewLT, TPoint& NewRT,
                      TPoint& NewLB, TPoint& NewRB, TRect& NewClRect, TBitmap* B, TBitmap* Picture,
                      const TRect& R, int Width, int Height, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                      TspStretchType StretchType);

// The nine-part image of R at B's current size, cut at the corners of ClRect, with every
// side and the client part stretched.
void CreateSkinImageFromClientRect(TBitmap* B, TBitmap* Picture, const TRect& R, bool DrawClient,
                                   const TRect& ClRect);

// The four frame bands of the image of Width x Height as bitmaps of their own, in the
// order top, bottom, left, right: top and bottom span the whole width, the left and
// right bands lie between them. A band whose size or strip length is below 1 is left as
// it was.
void CreateSkinBorderImages(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                            TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* LeftBmp,
                            TBitmap* TopBmp, TBitmap* RightBmp, TBitmap* BottomBmp, TBitmap* Picture,
                            const TRect& R, int Width, int Height, bool LeftStretch, bool TopStretch,
                            bool RightStretch, bool BottomStretch);

// The four bands of a mask picture (R = the whole mask) for a new width, every strip
// tiled. Top and bottom bands are as high as the mask's, the side bands as NewClRect.
// Height is not used: the bands' heights follow from the mask and NewClRect.
void CreateSkinBorderMasks(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                           TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask,
                           TBitmap* TopBmp, TBitmap* LeftBmp, TBitmap* RightBmp, TBitmap* BottomBmp,
                           int Width, int Height);

// Sizes B to Width x Height and fills NewClRect with the client part ClRect of R by
// StretchEffect and StretchType; the tiles of sthorz and stvert are drawn whole and may
// reach past NewClRect.
void CreateSkinClientImage(TRect ClRect, TRect NewClRect, TBitmap* B, TBitmap* Picture, const TRect& R,
                           int Width, int Height, bool StretchEffect, TspStretchType StretchType);

// Sizes B to the plan's size and carries the plan's copies out from Picture (nothing
// from an empty picture).
void DrawImage(TBitmap* B, TBitmap* Picture, const TImagePlan& Image);

// Carries a plan's copies out from Picture straight onto Canvas, leaving out the pieces
// and tiles that lie wholly outside what the canvas draws on (its clip box) rather than
// having the clipping throw them away.
void DrawPlanWithinClip(TCanvas& Canvas, TBitmap* Picture, const TPiecePlan& Plan);

// Draws one copy of a plan from Picture onto Canvas, the part that reaches into Reach
// (logical coordinates): a plain copy as it is; a tiled one tile by tile when few of its
// tiles reach there, else by one fill with a pattern brush of a tile, laid from the
// copy's top-left corner. Every tiling of the skin library comes here, so that no tile
// size costs a copy per pixel.
void DrawPiece(TCanvas& Canvas, TBitmap* Picture, const TPieceCopy& Copy, const TRect& Reach);

// Three-part images: B := NewWidth x RectHeight(R) with R's left LeftOffset and right
// RightOffset columns copied unscaled to the ends and the middle stretched or tiled
// between them (NewHeight is not used); the vertical twin B := RectWidth(R) x NewHeight
// (NewWidth is not used).
void CreateHSkinImage(int LeftOffset, int RightOffset, TBitmap* B, TBitmap* Picture, const TRect& R,
                      int NewWidth, int NewHeight, bool StretchEffect);
void CreateVSkinImage(int TopOffset, int BottomOffset, TBitmap* B, TBitmap* Picture, const TRect& R,
                      int NewWidth, int NewHeight, bool StretchEffect);

// Draws glyph GlyphNum (1-based) of NumGlyphs glyphs of equal width side by side in
// Glyph at (X, Y), its transparent colour (the glyph's bottom-left pixel) left out.
// Nothing for an empty strip, fewer than one glyph, a glyph number outside 1 ..
// NumGlyphs or glyphs narrower than a pixel.
void DrawGlyph(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, int NumGlyphs, int GlyphNum);
