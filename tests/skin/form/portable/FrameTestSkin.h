#pragma once
// The skin frame most frame tests share: a 200 x 100 frame picture cut at (20, 30),
// (180, 30), (20, 80) and (180, 80), whose client rectangle (5, 30, 195, 95) leaves
// a 5-pixel border, a 30-pixel caption band and a 5-pixel foot.

#include "skin/data/SkinRects.h"
#include "skin/form/portable/FrameCore.h"

inline TspSkinFormInfo FrameTestInfo() {
  TspSkinFormInfo info;
  info.LTPoint = info.HitTestLTPoint = {20, 30};
  info.RTPoint = info.HitTestRTPoint = {180, 30};
  info.LBPoint = info.HitTestLBPoint = {20, 80};
  info.RBPoint = info.HitTestRBPoint = {180, 80};
  info.ClRect = info.MaskRectArea = Rect(5, 30, 195, 95);
  info.CaptionRect = Rect(10, 4, 190, 26);
  info.BorderWidth = 4;
  return info;
}

inline constexpr TSize FrameTestPicture{200, 100};

inline TspFrameSkin FrameTestSkin(const TspSkinFormInfo& Info, const TPixelImage* Mask = nullptr) {
  return {&Info, FrameTestPicture, {}, Mask};
}
