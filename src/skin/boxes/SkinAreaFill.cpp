#include "SkinAreaFill.h"

#include "skin/data/win32/SkinImages.h"

bool InPicture(TBitmap* Picture, const TRect& R) {
  return Picture != nullptr && !IsRectEmpty(R) &&
         IntersectRect(R, TRect{0, 0, Picture->Width(), Picture->Height()}) == R;
}

bool FillAreaFromPicture(TCanvas& Canvas, TBitmap* Picture, const TRect& Source, int Width, int Height,
                         TSkinClientFill Fill) {
  if (!InPicture(Picture, Source) || Width < 1 || Height < 1) return false;
  const TRect tile{0, 0, Source.Width(), Source.Height()};
  DrawPlanWithinClip(Canvas, Picture, SkinClientPlan(tile, {0, 0, Width, Height}, Source, Width, Height, Fill, false));
  return true;
}

void FillAreaWithColor(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(Color);
  Canvas.FillRect(R);
}
