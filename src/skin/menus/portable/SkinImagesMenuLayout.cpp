#include "SkinImagesMenuLayout.h"

#include "base/IntMath.h"
#include "base/KeyCodes.h"

#include <algorithm>

using IntMath::Saturated;

namespace {

constexpr int32_t CellPadding = 10;  // around an image, 5 on each side
constexpr int32_t RowGap = 1;
constexpr int32_t PlainBorder = 5;

}  // namespace

TPoint TspImagesMenuFrame::Origin() const {
  return Skinned ? ItemsRect.TopLeft() : TPoint{PlainBorder, PlainBorder};
}

TSize TspImagesMenuFrame::WindowSize(TSize Content) const {
  if (!Skinned) return {Saturated(int64_t{Content.cx} + 2 * PlainBorder), Saturated(int64_t{Content.cy} + 2 * PlainBorder)};
  return {Saturated(int64_t{Content.cx} + Picture.cx - (int64_t{ItemsRect.Right} - ItemsRect.Left)),
          Saturated(int64_t{Content.cy} + Picture.cy - (int64_t{ItemsRect.Bottom} - ItemsRect.Top))};
}

void TspImagesMenuLayout::Arrange(const TspImagesGridMetrics& M) {
  const int64_t cellWidth = int64_t{M.Image.cx} + CellPadding;
  const int64_t cellHeight = int64_t{M.Image.cy} + CellPadding;
  const int64_t rowWidth = std::max(M.Columns, 1) * cellWidth;
  const int64_t left = M.Origin.X;
  int64_t x = left;
  int64_t y = M.Origin.Y;
  Rects.clear();
  for (const TspImagesItemKind kind : Kinds) {
    if (kind == TspImagesItemKind::Image) {
      Rects.push_back({Saturated(x), Saturated(y), Saturated(x + cellWidth), Saturated(y + cellHeight)});
      x += cellWidth;
      if (x + cellWidth > left + rowWidth) {
        x = left;
        y += cellHeight + RowGap;
      }
      continue;
    }
    if (x != left) y += cellHeight + RowGap;  // the row begun ends
    const int64_t height = kind == TspImagesItemKind::Header && M.HeaderHeight > 0 ? M.HeaderHeight : cellHeight;
    Rects.push_back({Saturated(left), Saturated(y), Saturated(left + rowWidth), Saturated(y + height)});
    y += height + RowGap;
    x = left;
  }
  const int64_t height = Rects.empty() ? 0 : int64_t{Rects.back().Bottom} - Rects.front().Top;
  FContent = {Saturated(rowWidth), Saturated(height)};
}

int32_t TspImagesMenuLayout::ItemAt(TPoint P) const {
  for (int32_t i = 0; i < Count() && i < static_cast<int32_t>(Rects.size()); ++i)
    if (Choosable(i) && PtInRect(Rects[static_cast<size_t>(i)], P)) return i;
  return -1;
}

int32_t TspImagesMenuLayout::FirstItem() const {
  return Count() > 0 && Kinds.front() == TspImagesItemKind::Header ? 1 : 0;
}

int32_t TspImagesMenuLayout::Vertical(int32_t Hot, int32_t Step) const {
  const TRect& from = Rects[static_cast<size_t>(Hot)];
  for (int32_t i = Hot + Step; i >= 0 && i < Count(); i += Step) {
    if (!Choosable(i)) continue;
    const TRect& r = Rects[static_cast<size_t>(i)];
    const bool beyond = Step < 0 ? r.Top < from.Top : r.Top > from.Top;
    const bool inColumn = Kinds[static_cast<size_t>(i)] == TspImagesItemKind::Button || r.Left == from.Left;
    if (beyond && inColumn) return i;
  }
  return Hot;
}

int32_t TspImagesMenuLayout::ArrowTarget(int32_t Hot, uint16_t Key) const {
  const bool arrow =
      Key == VirtualKey::Left || Key == VirtualKey::Up || Key == VirtualKey::Right || Key == VirtualKey::Down;
  if (!arrow) return Hot;
  if (Rects.size() != Kinds.size()) return Hot;  // not laid out
  const int32_t first = FirstItem(), last = Count() - 1;
  // The first item is none when the only item is a header.
  const int32_t firstOrNone = first <= last ? first : -1;
  const bool backward = Key == VirtualKey::Up || Key == VirtualKey::Left;
  if (Hot < 0 || Hot > last) return backward ? last : firstOrNone;
  switch (Key) {
    case VirtualKey::Up: return Vertical(Hot, -1);
    case VirtualKey::Down: return Vertical(Hot, +1);
    case VirtualKey::Right:
      for (int32_t i = Hot + 1; i <= last; ++i)
        if (Choosable(i)) return i;
      return firstOrNone != -1 ? firstOrNone : Hot;
    default:
      if (Hot > first)
        for (int32_t i = Hot - 1; i >= 0; --i)
          if (Choosable(i)) return i;
      return last;
  }
}

TPoint ImagesMenuPosition(const TRect& Anchor, TSize Size, const TRect& WorkArea) {
  int64_t x = Anchor.Left;
  int64_t y = Anchor.Bottom;
  if (y + Size.cy > WorkArea.Bottom) y = int64_t{Anchor.Top} - Size.cy;
  if (x + Size.cx > WorkArea.Right) x = int64_t{WorkArea.Right} - Size.cx;
  return {Saturated(std::max<int64_t>(x, WorkArea.Left)), Saturated(std::max<int64_t>(y, WorkArea.Top))};
}

TspImagesCellLook ImagesCellLook(bool Selected, bool Hot, bool HeldOnItem) {
  if (Selected && !HeldOnItem) return TspImagesCellLook::Pressed;
  if (Hot) return HeldOnItem ? TspImagesCellLook::Pressed : TspImagesCellLook::Hot;
  return TspImagesCellLook::None;
}
