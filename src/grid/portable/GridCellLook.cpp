#include "GridCellLook.h"

TGridCellKind GridCellKind(TGridDrawState State) {
  if (State.Contains(gdFixed)) return TGridCellKind::Fixed;
  if (State.Contains(gdDisabled)) return TGridCellKind::Disabled;
  const bool marked = State.Contains(gdSelected) || State.Contains(gdFocused) || State.Contains(gdHighlighted);
  return marked && !State.Contains(gdNotSelected) ? TGridCellKind::Selected : TGridCellKind::Normal;
}

const TRect& TGridCellRects::Of(TGridCellKind Kind) const {
  switch (Kind) {
    case TGridCellKind::Fixed: return Fixed;
    case TGridCellKind::Selected: return Selected;
    case TGridCellKind::Disabled: return Disabled;
    case TGridCellKind::Normal: break;
  }
  return Normal;
}

TGridCellRects WithFallbacks(TGridCellRects Rects) {
  if (IsRectEmpty(Rects.Normal)) Rects.Normal = Rects.Selected;
  if (IsRectEmpty(Rects.Selected)) Rects.Selected = Rects.Normal;
  if (IsRectEmpty(Rects.Disabled)) Rects.Disabled = Rects.Normal;
  return Rects;
}

TRect GridTextRect(const TRect& Cell, const TRect& SkinRect, const TRect& TextRect, int32_t FixedHeight,
                   bool StretchedHeight) {
  if (IsRectEmpty(TextRect)) return Cell;
  const int32_t width = Cell.Width() - SkinRect.Width() + TextRect.Width();
  int32_t height = TextRect.Height();
  if (StretchedHeight) height += Cell.Height() - FixedHeight;
  return Bounds(Cell.Left + TextRect.Left, Cell.Top + TextRect.Top, width, height);
}
