#include "CheckRadioLayout.h"

#include "skin/data/SkinRects.h"
#include "base/IntMath.h"

using IntMath::Saturated;

namespace {

TRect Widened(const TRect& R, int64_t By) { return {R.Left, R.Top, Saturated(R.Right + By), R.Bottom}; }
TRect Moved(const TRect& R, int64_t By) { return {Saturated(R.Left + By), R.Top, Saturated(R.Right + By), R.Bottom}; }

}  // namespace

TspCheckRadioRects CheckRadioRects(const TRect& SkinRect, const TRect& TextArea, const TRect& CheckImageArea,
                                   TSize CheckImage, int32_t Width) {
  const int64_t grown = int64_t{Width} - RectWidth(SkinRect);
  const TRect area = CheckImageArea.Right > TextArea.Right ? Moved(CheckImageArea, grown) : CheckImageArea;
  const int32_t left = Saturated(int64_t{area.Left} + RectWidth(area) / 2 - CheckImage.cx / 2);
  const int32_t top = Saturated(int64_t{area.Top} + RectHeight(area) / 2 - CheckImage.cy / 2);
  return {{left, top, Saturated(int64_t{left} + CheckImage.cx), Saturated(int64_t{top} + CheckImage.cy)},
          Widened(TextArea, grown)};
}

TRect DefaultCheckBoxRect(int32_t Height) {
  return Bounds(3, Height / 2 - DefaultCheckBoxSize / 2, DefaultCheckBoxSize, DefaultCheckBoxSize);
}

TPoint DefaultRadioDot(int32_t Height) { return {7, Height / 2 - 3}; }

TPoint DefaultCheckMark(int32_t Height) { return {7, Height / 2 - 4}; }

std::array<TspPartRects, 3> CheckImageLooks(const TspDataSkinCheckRadioControl& E) {
  std::array<TspPartRects, 3> looks;
  looks[cbUnchecked] = {E.UncheckImageRect, E.ActiveUncheckImageRect, {}, {}, E.UnenabledUncheckImageRect};
  looks[cbChecked] = {E.CheckImageRect, E.ActiveCheckImageRect, {}, {}, E.UnenabledCheckImageRect};
  looks[cbGrayed] = {E.GrayedCheckImageRect, E.ActiveGrayedCheckImageRect, {}, {}, E.UnenabledGrayedCheckImageRect};
  return looks;
}

TCheckBoxState ClickedCheckState(TCheckBoxState State, bool Radio, bool AllowGrayed) {
  if (Radio) return cbChecked;
  if (AllowGrayed && State == cbUnchecked) return cbGrayed;
  return State == cbChecked ? cbUnchecked : cbChecked;
}
