#pragma once
// Check and radio boxes without windows: where the check image and the caption lie, the
// looks of a check image in each check state, and the state a click leads to.

#include "SkinPartLook.h"

#include "classlib/portable/ControlEnums.h"

#include <array>

// The check image and caption of a skinned box Width wide: the entry's text area
// widened with the box, the check image area moved with it when it lies right of the
// text, and the check image (CheckImage's size) centred in its area.
struct TspCheckRadioRects {
  TRect CheckImage;
  TRect Text;
};
TspCheckRadioRects CheckRadioRects(const TRect& SkinRect, const TRect& TextArea, const TRect& CheckImageArea,
                                   TSize CheckImage, int32_t Width);

// The look without a skin in a box Height high: a square box of DefaultCheckBoxSize near
// the left edge, its radio dot or check mark, and the caption from DefaultCaptionLeft on.
inline constexpr int32_t DefaultCheckBoxSize = 14;
TRect DefaultCheckBoxRect(int32_t Height);
TPoint DefaultRadioDot(int32_t Height);   // where DrawRadioImage draws
TPoint DefaultCheckMark(int32_t Height);  // where DrawCheckImage draws
inline constexpr int32_t DefaultCaptionLeft = 22;

// A skinned box draws its check image at this x when flat, with the caption this far
// right of the image.
inline constexpr int32_t FlatCheckImageLeft = 3;
inline constexpr int32_t FlatCaptionGap = 4;

// The normal, hot and disabled looks of the check image per state, indexed by
// TCheckBoxState.
std::array<TspPartRects, 3> CheckImageLooks(const TspDataSkinCheckRadioControl& Entry);

// The state a click leads to: a check box toggles between checked and unchecked, or
// with AllowGrayed goes unchecked, grayed, checked, unchecked; a radio box is checked.
TCheckBoxState ClickedCheckState(TCheckBoxState State, bool Radio, bool AllowGrayed);
