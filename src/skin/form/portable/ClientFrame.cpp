#include "ClientFrame.h"

#include "skin/data/SkinRects.h"

#include <algorithm>

TspClientSizeChange ClientSizeFromFramePicture(TSize ClientSize, TSize Picture, bool ResizableFrame,
                                               int32_t MinWidth, int32_t MinHeight) {
  if (!ResizableFrame) return {Picture, true};
  if (MinWidth != 0 && MinHeight != 0) return {ClientSize, false};
  return {{std::max(ClientSize.cx, Picture.cx), std::max(ClientSize.cy, Picture.cy)}, false};
}

bool RollUpFrameStretches(const TspSkinFormInfo& Info) { return Info.RollUpRightPoint.X > Info.RollUpLeftPoint.X; }

TRect ClientFrameRollUpBounds(const TRect& Window, TSize RollUpPicture, const TspSkinFormInfo& Info) {
  const int32_t width = RollUpFrameStretches(Info) ? RectWidth(Window) : RollUpPicture.cx;
  return Bounds(Window.Left, Window.Top, width, RollUpPicture.cy);
}

TImagePlan RollUpImagePlan(TSize Image, const TspSkinFormInfo& Info, int32_t Width) {
  const TRect whole = Rect(0, 0, Image.cx, Image.cy);
  if (!RollUpFrameStretches(Info)) return HSkinImagePlan(0, 0, whole, Image.cx, false);
  // Roll-up points outside the picture are taken to its edges.
  const int32_t left = std::clamp(Info.RollUpLeftPoint.X, 0, std::max(Image.cx, 0));
  const int32_t right = std::clamp(Info.RollUpRightPoint.X, left, std::max(Image.cx, left));
  return HSkinImagePlan(left, Image.cx - right, whole, Width, false);
}
