#pragma once
// Windows only. TspSkinEntryGeometry: the geometry a skinned control, windowed or
// windowless, copies from its skin entry: the entry's rectangle SkinRect in a skin
// picture, its four corner points and client rectangle (relative to SkinRect), how its
// sides and client part stretch, and the resize mode they give; and the same cut fitted
// to the control's current size (New...).

#include "SkinPartPainter.h"

#include "skin/data/SkinImagePlans.h"
#include "skin/data/win32/SkinBitmaps.h"

class TspSkinEntryGeometry {
public:
  // -1 no skin rectangle, 1 both ways, 2 the width only, 3 the height only, 0 the
  // entry's own size.
  int32_t ResizeMode() const { return FResizeMode; }
  // The client rectangle at the current size, as of the last fitting.
  const TRect& CurrentClientRect() const { return NewClRect; }

protected:
  TspSkinEntryGeometry() = default;
  ~TspSkinEntryGeometry() = default;

  // Copies Entry's geometry, its picture in Data (none for an index outside the
  // pictures) and the resize mode they give.
  void TakeGeometry(TspSkinData* Data, const TspDataSkinCustomControl& Entry);
  // An entry of another kind: no picture and a Fixed resize mode; the geometry stays.
  void DropGeometry();
  // Fits AWidth x AHeight to the entry by the resize mode and computes the cut for it;
  // nothing without a skin rectangle (NoRect).
  void FitGeometry(int& AWidth, int& AHeight);
  // R of APicture drawn into B (the control's image) by the resize mode: copied
  // (Fixed), the nine-part image (BothWays), the horizontal (WidthOnly) or vertical
  // (HeightOnly) three-part image.
  void DrawGeometryImage(TBitmap* B, const TspSkinBitmap& APicture, const TRect& R) const;

  // The entry's cut, sides and client fill.
  TSkinCut SkinCut() const { return {LTPoint, RTPoint, LBPoint, RBPoint, ClRect}; }
  TSkinSides SkinSides() const { return {LeftStretch, TopStretch, RightStretch, BottomStretch}; }
  TSkinClientFill ClientFill() const { return {StretchEffect, StretchType}; }

  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect SkinRect;
  TRect ClRect;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  TRect NewClRect;
  TspSkinBitmap Picture;
  bool StretchEffect = false;
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  TspStretchType StretchType = stfull;

private:
  int32_t FResizeMode = SkinResize::Fixed;
};
