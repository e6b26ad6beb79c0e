#pragma once
// Rules of the frame drawn inside the client area, for windows without NC support: the
// window's client size follows the frame picture, and the frame rolls up to the skin's
// roll-up picture, which stretches with the window when its roll-up right point lies
// right of its left point.

#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinImagePlans.h"

// The client size after a skin loads or the frame unrolls. A resizable frame grows the
// client to the picture's size where it is smaller (unless both MinWidth and MinHeight
// are set); a fixed frame takes exactly the picture's size and stops being sizeable.
struct TspClientSizeChange {
  TSize ClientSize;
  bool Fixed = false;  // Sizeable becomes False
};
TspClientSizeChange ClientSizeFromFramePicture(TSize ClientSize, TSize Picture, bool ResizableFrame,
                                               int32_t MinWidth, int32_t MinHeight);

bool RollUpFrameStretches(const TspSkinFormInfo& Info);
// The rolled-up window: a stretching roll-up frame keeps the width and takes the roll-up
// picture's height; any other takes the picture's size.
TRect ClientFrameRollUpBounds(const TRect& Window, TSize RollUpPicture, const TspSkinFormInfo& Info);
// The roll-up picture or mask at the window's Width: widened between the roll-up points
// (the ends copied, the middle tiled) when the frame stretches, else at its own size.
TImagePlan RollUpImagePlan(TSize Image, const TspSkinFormInfo& Info, int32_t Width);
