#include "ListBoxGeometry.h"

#include "base/IntMath.h"

#include <algorithm>

using IntMath::Saturated;

using IntMath::Saturated;

namespace {

int32_t Rows(int32_t Height, int32_t ItemHeight) { return Height / std::max(ItemHeight, 1); }

TRect Widened(const TRect& R, int64_t DW, int64_t DH) {
  return {R.Left, R.Top, Saturated(R.Right + DW), Saturated(R.Bottom + DH)};
}

TRect Moved(const TRect& R, int64_t DX, int64_t DY) {
  return {Saturated(R.Left + DX), Saturated(R.Top + DY), Saturated(R.Right + DX), Saturated(R.Bottom + DY)};
}

int32_t Width(const TRect& R) { return Saturated(int64_t{R.Right} - R.Left); }
int32_t Height(const TRect& R) { return Saturated(int64_t{R.Bottom} - R.Top); }

TspListBoxPlaces SkinnedPlaces(const TspListBoxFrame& Frame, const TspListBoxBars& Bars) {
  const TRect list = Frame.ListRect;
  TspListBoxPlaces places{list, {}, {}};
  int32_t reserved = 0;
  if (Frame.Columns == 0 && Bars.Horizontal) {
    reserved = Bars.Horizontal->cy;
    places.HorizontalBar = Bounds(list.Left, Saturated(int64_t{list.Bottom} - reserved), Width(list), reserved);
  }
  if (!Bars.Vertical) return places;
  const TSize bar = *Bars.Vertical;
  if (Frame.Columns < 1) {
    const int32_t left = Saturated(int64_t{list.Right} - bar.cx);
    places.VerticalBar = Bounds(left, list.Top, bar.cx, Saturated(int64_t{Height(list)} - reserved));
    places.Inner = {list.Left, list.Top, left, Saturated(int64_t{list.Bottom} - reserved)};
  } else {
    const int32_t top = Saturated(int64_t{list.Bottom} - bar.cy);
    places.VerticalBar = Bounds(list.Left, top, Width(list), bar.cy);
    places.Inner = {list.Left, list.Top, list.Right, top};
  }
  return places;
}

// A default bar with the frame pixel beyond it.
constexpr int32_t DefaultBarReach = DefaultScrollBarThickness + 1;

TspListBoxPlaces DefaultPlaces(const TspListBoxFrame& Frame, const TspListBoxBars& Bars) {
  const int32_t w = Frame.Width;
  const int32_t h = Frame.Height;
  const int32_t c = Frame.CaptionHeight;
  const TRect acrossBottom = Bounds(1, h - DefaultBarReach, w - 2, DefaultScrollBarThickness);
  TspListBoxPlaces places{{2, c + 1, w - 2, h - 2}, {}, {}};
  int32_t reserved = 0;
  if (Frame.Columns == 0 && Bars.Horizontal) {
    places.HorizontalBar = acrossBottom;
    reserved = DefaultScrollBarThickness - 1;
  }
  if (!Bars.Vertical) return places;
  if (Frame.Columns >= 1) {
    places.VerticalBar = acrossBottom;
    places.Inner = {2, c + 1, w - 2, acrossBottom.Top};
  } else {
    places.VerticalBar = Bounds(w - DefaultBarReach, c, DefaultScrollBarThickness, h - 1 - c - reserved);
    places.Inner = {2, c + 1, w - DefaultBarReach, h - 2 - reserved};
  }
  return places;
}

// A caption button without a skin: square, 17 pixels at most, 3 less than the caption.
int32_t DefaultCaptionButtonSize(int32_t CaptionHeight) { return std::min(17, CaptionHeight - 3); }

}  // namespace

TspListBoxPlaces ListBoxPlaces(const TspListBoxFrame& Frame, const TspListBoxBars& Bars) {
  TspListBoxPlaces places = Frame.Skinned ? SkinnedPlaces(Frame, Bars) : DefaultPlaces(Frame, Bars);
  for (TRect* r : {&places.Inner, places.VerticalBar ? &*places.VerticalBar : nullptr,
                   places.HorizontalBar ? &*places.HorizontalBar : nullptr})
    if (r != nullptr) *r = {r->Left, r->Top, std::max(r->Left, r->Right), std::max(r->Top, r->Bottom)};
  return places;
}

TRect PictureRect(const TRect& R, const TRect& SkinRect) { return Moved(R, SkinRect.Left, SkinRect.Top); }

TRect SkinListRect(const TRect& ClRect, const TRect& SkinRect, int32_t Width, int32_t Height) {
  return Widened(ClRect, int64_t{Width} - ::Width(SkinRect), int64_t{Height} - ::Height(SkinRect));
}

std::optional<TspBarRange> RowsBarRange(const TspScrollState& Native, int32_t RowCount, int32_t Count,
                                        int32_t InnerHeight, int32_t ItemHeight) {
  if (RowCount > 0 && Count == RowCount) return std::nullopt;
  const int32_t page = Rows(InnerHeight, ItemHeight);
  if (Native.Min >= Native.Max || Native.Position > Native.Max || Count <= page) return std::nullopt;
  return TspBarRange{Native.Min, Native.Max, page, Native.Position};
}

std::optional<TspBarRange> ColumnsBarRange(const TspScrollState& Native, int32_t Columns, int32_t Count,
                                           int32_t InnerHeight, int32_t ItemHeight) {
  const int64_t cells = int64_t{Rows(InnerHeight, ItemHeight)} * Columns;
  if (Native.Min >= Native.Max || Native.Position > Native.Max || Columns > Native.Max || cells >= Count)
    return std::nullopt;
  return TspBarRange{Native.Min, Native.Max, Columns, Native.Position};
}

std::optional<TspBarRange> TextBarRange(int32_t WidestText, int32_t Available, int32_t Position) {
  if (WidestText <= Available) return std::nullopt;
  return TspBarRange{0, WidestText, Available, Position};
}

int32_t AvailableTextWidth(bool Skinned, int32_t InnerWidth, const TRect& ItemTextRect, const TRect& ItemRect,
                           std::optional<int32_t> ImageWidth) {
  int64_t room = Skinned ? int64_t{InnerWidth} + Width(ItemTextRect) - Width(ItemRect) : int64_t{InnerWidth} - 4;
  if (ImageWidth) room -= int64_t{*ImageWidth} + 4;
  return Saturated(room);
}

int32_t HeightForRows(int32_t Rows, int32_t ItemHeight, const TspRowsHeightRules& Rules) {
  int64_t height = int64_t{Rows} * ItemHeight + Rules.HorizontalBarHeight;
  if (Rules.Skinned)
    height += Rules.SkinFrameHeight;
  else
    height += 4 + (Rules.CaptionMode ? Rules.DefaultCaptionHeight : 0);
  return Saturated(height);
}

TspItemSpan VisibleItems(int32_t TopIndex, int32_t Count, int32_t Height, int32_t ItemHeight, int32_t Columns) {
  const int64_t rows = Rows(Height, ItemHeight);
  const int64_t cells = Columns >= 1 ? rows * Columns : rows;
  return {TopIndex, Saturated(std::min<int64_t>(TopIndex + cells, int64_t{Count} - 1))};
}

TRect SkinItemTextRect(const TRect& ItemTextRect, const TRect& ItemRect, int32_t Width, int32_t Height) {
  return Widened(ItemTextRect, int64_t{Width} - ::Width(ItemRect), int64_t{Height} - ::Height(ItemRect));
}

TspCaptionButtonRects DefaultCaptionButtons(int32_t Width, int32_t CaptionHeight) {
  const int32_t b = DefaultCaptionButtonSize(CaptionHeight);
  const TRect up{Width - b - 2, 2, Width - 2, b + 1};
  const TRect down{up.Left - b, 2, up.Left, b + 1};
  const TRect check{down.Left - b, 2, down.Left, b + 1};
  return {up, down, check};
}

TRect DefaultCaptionRect(int32_t Width, int32_t CaptionHeight) {
  const int32_t b = DefaultCaptionButtonSize(CaptionHeight);
  return {3, 2, Width - 3 * b - 3, CaptionHeight - 2};
}

TRect MovedCaptionButton(const TRect& R, const TspCaptionCut& Cut, int32_t DW, int32_t DH) {
  if (R.Top >= Cut.LT.Y) {
    const TRect lowered = Moved(R, 0, DH);
    return lowered.Left >= Cut.RB.X ? Moved(lowered, DW, 0) : lowered;
  }
  return R.Left >= Cut.RT.X ? Moved(R, DW, 0) : R;
}

TRect MovedCaptionRect(const TRect& R, const TspCaptionCut& Cut, int32_t DW) {
  return R.Right >= Cut.RT.X ? Widened(R, DW, 0) : R;
}

int32_t CaptionTextLeft(TAlignment Alignment, const TRect& R, int32_t CaptionWidth, int32_t Margin) {
  switch (Alignment) {
    case taRightJustify: return Saturated(int64_t{R.Right} - CaptionWidth - Margin);
    case taCenter: return Saturated(int64_t{R.Left} + Margin + Width(R) / 2 - CaptionWidth / 2);
    case taLeftJustify: break;
  }
  return Saturated(int64_t{R.Left} + Margin);
}

std::optional<int32_t> StepUpIndex(int32_t ItemIndex) {
  if (ItemIndex <= 0) return std::nullopt;
  return ItemIndex - 1;
}

std::optional<int32_t> StepDownIndex(int32_t ItemIndex, int32_t Count) {
  if (ItemIndex >= Count - 1) return std::nullopt;
  return std::max(ItemIndex + 1, 0);
}
