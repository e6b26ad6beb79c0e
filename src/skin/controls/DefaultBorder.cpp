#include "DefaultBorder.h"

#include "classlib/Canvas.h"

void DrawDefaultBorder(TCanvas& Canvas, TRect& R, TspSkinBorderStyle Style) {
  switch (Style) {
    case bvFrame: Frame3D(&Canvas, R, clBtnShadow, clBtnShadow, 1); break;
    case bvRaised: Frame3D(&Canvas, R, clBtnHighlight, clBtnShadow, 1); break;
    case bvLowered: Frame3D(&Canvas, R, clBtnShadow, clBtnHighlight, 1); break;
    case bvNone: break;
  }
}
