#include "SkinEntryGeometry.h"

#include "skin/controls/portable/SkinControlGeometry.h"

#include "classlib/Bitmap.h"

void TspSkinEntryGeometry::TakeGeometry(TspSkinData* Data, const TspDataSkinCustomControl& Entry) {
  LTPoint = Entry.LTPoint;
  RTPoint = Entry.RTPoint;
  LBPoint = Entry.LBPoint;
  RBPoint = Entry.RBPoint;
  SkinRect = Entry.SkinRect;
  ClRect = Entry.ClRect;
  StretchEffect = Entry.StretchEffect;
  LeftStretch = Entry.LeftStretch;
  TopStretch = Entry.TopStretch;
  RightStretch = Entry.RightStretch;
  BottomStretch = Entry.BottomStretch;
  StretchType = Entry.StretchType;
  Picture = SkinActiveBitmap(Data, Entry.PictureIndex);
  FResizeMode = SkinResizeMode(SkinRect, SkinCut());
}

void TspSkinEntryGeometry::DropGeometry() {
  Picture = {};
  FResizeMode = SkinResize::Fixed;
}

void TspSkinEntryGeometry::FitGeometry(int& AWidth, int& AHeight) {
  if (FResizeMode == SkinResize::NoRect) return;
  const TSize size = FitSizeToSkin(FResizeMode, SkinRect, AWidth, AHeight);
  const TSkinCut cut = CutForSize(SkinCut(), SkinRect, size.cx, size.cy);
  NewLTPoint = cut.LT;
  NewRTPoint = cut.RT;
  NewLBPoint = cut.LB;
  NewRBPoint = cut.RB;
  NewClRect = cut.ClRect;
  AWidth = size.cx;
  AHeight = size.cy;
}

void TspSkinEntryGeometry::DrawGeometryImage(TBitmap* B, const TspSkinBitmap& APicture, const TRect& R) const {
  if (B == nullptr || B->Empty() || FResizeMode == SkinResize::NoRect) return;
  TspSkinPart part;
  part.Picture = APicture;
  part.Rects.Normal = R;
  part.Geometry = CustomControlGeometry(R, SkinCut(), SkinSides(), ClientFill());
  DrawSkinPart(*B->Canvas(), TRect{0, 0, B->Width(), B->Height()}, part, TspPartState::Normal);
}
