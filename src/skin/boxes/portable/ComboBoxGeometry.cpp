#include "ComboBoxGeometry.h"

#include "base/IntMath.h"

#include <algorithm>

using IntMath::Saturated;

namespace {

int32_t Width(const TRect& R) { return Saturated(int64_t{R.Right} - R.Left); }
int32_t Height(const TRect& R) { return Saturated(int64_t{R.Bottom} - R.Top); }

TRect Moved(const TRect& R, int64_t DX) { return {Saturated(R.Left + DX), R.Top, Saturated(R.Right + DX), R.Bottom}; }
TRect Widened(const TRect& R, int64_t DX) { return {R.Left, R.Top, Saturated(R.Right + DX), R.Bottom}; }
TRect Lowered(const TRect& R, int64_t DY) { return {R.Left, R.Top, R.Right, Saturated(R.Bottom + DY)}; }

}  // namespace

TspComboBoxRects ComboBoxRects(const TspComboBoxFrame& Frame) {
  if (!Frame.Skinned || Frame.ToolButtonStyle) {
    const TRect button{Frame.Width - 19, 2, Frame.Width - 2, Frame.Height - 2};
    return {button, {2, 2, button.Left - 1, Frame.Height - 2}};
  }
  const int64_t dx = int64_t{Frame.Width} - Width(Frame.SkinRect);
  TspComboBoxRects rects{Frame.ButtonRect.Left >= Frame.RTPoint.X ? Moved(Frame.ButtonRect, dx) : Frame.ButtonRect,
                         Widened(Frame.ClRect, dx)};
  if (!Frame.UseSkinSize) {
    const int64_t dy = int64_t{Frame.Height} - Height(Frame.SkinRect);
    rects.Button = Lowered(rects.Button, dy);
    rects.Item = Lowered(rects.Item, dy);
  }
  return rects;
}

TRect ComboEditRect(const TRect& Item, int32_t EditHeight) {
  const int32_t top = Saturated(int64_t{Item.Top} + Height(Item) / 2 - EditHeight / 2);
  return {Item.Left, top, Item.Right, Saturated(int64_t{top} + EditHeight)};
}

TspComboCut FreeWidthCut(const TspComboCut& Cut, const TRect& SkinRect, int32_t Width) {
  const int64_t dx = int64_t{Width} - ::Width(SkinRect);
  return {Cut.LT, {Saturated(Cut.RT.X + dx), Cut.RT.Y}, Widened(Cut.ClRect, dx)};
}

int32_t DropDownRows(int32_t Count, int32_t DropDownCount) { return std::min(Count, DropDownCount); }

TPoint DropDownOrigin(TPoint Below, int32_t BoxHeight, int32_t ListHeight, int32_t WorkAreaBottom) {
  if (int64_t{Below.Y} + ListHeight <= WorkAreaBottom) return Below;
  return {Below.X, Saturated(int64_t{Below.Y} - BoxHeight - ListHeight)};
}

int32_t PageUpIndex(int32_t ItemIndex, int32_t DropDownCount) {
  return Saturated(std::max<int64_t>(int64_t{ItemIndex} - DropDownCount - 1, 0));
}

int32_t PageDownIndex(int32_t ItemIndex, int32_t DropDownCount, int32_t Count) {
  return Saturated(std::min<int64_t>(int64_t{ItemIndex} + DropDownCount - 1, int64_t{Count} - 1));
}

TspComboLook ComboFaceLook(const TspComboLookState& State, bool HasDisabledFace) {
  if (State.HasActiveFace && (State.MouseIn || State.Focused)) return TspComboLook::Active;
  if (HasDisabledFace && !State.Enabled) return TspComboLook::Disabled;
  return TspComboLook::Normal;
}

TspComboLook ComboItemLook(const TspComboLookState& State, bool HasFocusItem, bool HasActiveItem, bool HasItem) {
  if (State.Focused && HasFocusItem) return TspComboLook::Focused;
  if (State.MouseIn && HasActiveItem && State.HasActiveFace) return TspComboLook::Active;
  if (HasItem && State.Enabled) return TspComboLook::Normal;
  return TspComboLook::None;
}

TspComboLook ComboTextLook(const TspComboLookState& State, bool UseActiveFontColor) {
  if (!State.Enabled) return TspComboLook::Disabled;
  if (State.Focused) return TspComboLook::Focused;
  if (UseActiveFontColor && State.MouseIn && State.HasActiveFace) return TspComboLook::Active;
  return TspComboLook::Normal;
}

TspListDrag ListDragAt(int32_t Y, int32_t ListHeight, bool HasBar, bool MovedOverList) {
  if (Y >= 0 && Y <= ListHeight) return TspListDrag::Inside;
  if (!HasBar || !MovedOverList) return TspListDrag::Stay;
  return Y < 0 ? TspListDrag::Up : TspListDrag::Down;
}
