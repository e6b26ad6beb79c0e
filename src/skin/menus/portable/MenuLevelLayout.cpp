#include "MenuLevelLayout.h"

#include "base/IntMath.h"
#include "base/KeyCodes.h"

#include "skin/data/SkinRects.h"

#include <algorithm>

using IntMath::Saturated;

namespace {

constexpr int32_t SeparatorHeight = 4;
constexpr int32_t SkinlessInset = 3;       // items rectangle inside a window without skin
constexpr int32_t SkinlessItemExtra = 4;   // what a skinless item needs beside its text
constexpr int32_t TextAllowance = 16;      // beside the widest text, always

// Coordinate C of the skin picture Extent wide, moved to a window Size wide with its
// distance to the far edge kept.
int32_t FromFarEdge(int32_t Size, int32_t Extent, int32_t C) {
  return Saturated(int64_t{Size} - (int64_t{Extent} - C));
}

}  // namespace

int32_t MenuItemHeight(const TspDataSkinMenuItem* ItemSkin, bool Separator, int32_t DefaultHeight) {
  if (Separator)
    return ItemSkin != nullptr && !IsNullRect(ItemSkin->DividerRect) ? RectHeight(ItemSkin->DividerRect)
                                                                      : SeparatorHeight;
  return ItemSkin != nullptr && !IsNullRect(ItemSkin->SkinRect) ? RectHeight(ItemSkin->SkinRect) : DefaultHeight;
}

TspLevelAllowance LevelAllowance(const TspDataSkinPopupWindow* PopupSkin, TSize PictureSize,
                                 const TspDataSkinMenuItem* ItemSkin) {
  // Items with an entry lay their texts out in its text rectangle, in any frame.
  const int64_t itemExtra =
      ItemSkin != nullptr
          ? int64_t{ItemSkin->TextRect.Left} + RectWidth(ItemSkin->SkinRect) - ItemSkin->TextRect.Right
          : SkinlessItemExtra;
  if (PopupSkin == nullptr) return {Saturated(itemExtra + 2 * SkinlessInset), 2 * SkinlessInset};
  const TRect& items = PopupSkin->ItemsRect;
  return {Saturated(itemExtra + items.Left + (int64_t{PictureSize.cx} - items.Right)),
          Saturated(int64_t{items.Top} + (int64_t{PictureSize.cy} - items.Bottom))};
}

TspLevelGeometry LevelGeometry(const TspDataSkinPopupWindow* PopupSkin, TSize PictureSize, TSize WindowSize) {
  const int32_t w = WindowSize.cx, h = WindowSize.cy;
  if (PopupSkin == nullptr)
    return {{}, {}, {}, {}, {SkinlessInset, SkinlessInset, w - SkinlessInset, h - SkinlessInset}};
  const TspDataSkinPopupWindow& s = *PopupSkin;
  const int32_t pw = PictureSize.cx, ph = PictureSize.cy;
  return {s.LTPoint,
          {FromFarEdge(w, pw, s.RTPoint.X), s.RTPoint.Y},
          {s.LBPoint.X, FromFarEdge(h, ph, s.LBPoint.Y)},
          {FromFarEdge(w, pw, s.RBPoint.X), FromFarEdge(h, ph, s.RBPoint.Y)},
          {s.ItemsRect.Left, s.ItemsRect.Top, FromFarEdge(w, pw, s.ItemsRect.Right),
           FromFarEdge(h, ph, s.ItemsRect.Bottom)}};
}

TSize TspMenuLevelLayout::Measure(const TspLevelMeasures& M) {
  TopIndex = 0;
  VisibleCount = Count();
  ScrollMode = false;
  ScrollByCount = false;
  const int64_t width =
      int64_t{M.TextWidth} + TextAllowance + M.ImageColumnWidth + M.Allowance.Width;
  int64_t height = M.Allowance.Height;
  for (const TspMenuSlot& slot : Slots) height += slot.Height;
  if (M.MaxItemsInWindow > 0 && Count() > M.MaxItemsInWindow) {
    height = int64_t{M.MaxItemsInWindow} * M.PlainItemHeight + M.Allowance.Height + 2 * MenuScrollMarkerHeight;
    ScrollMode = true;
    ScrollByCount = true;
  }
  if (height > M.WorkAreaHeight) {
    height = M.WorkAreaHeight;
    ScrollMode = true;
  }
  return {Saturated(width), Saturated(height)};
}

void TspMenuLevelLayout::Arrange() {
  int64_t y = ItemsRect.Top, bottom = ItemsRect.Bottom;
  if (ScrollMode) {
    y += MenuScrollMarkerHeight;
    bottom -= MenuScrollMarkerHeight;
  }
  VisibleCount = 0;
  for (int32_t i = 0; i < Count(); ++i) Slots[i].InView = false;
  for (int32_t i = std::max(TopIndex, 0); i < Count(); ++i) {
    TspMenuSlot& slot = Slots[i];
    if (y + slot.Height > bottom) break;
    slot.Rect = {ItemsRect.Left, Saturated(y), ItemsRect.Right, Saturated(y + slot.Height)};
    slot.InView = true;
    ++VisibleCount;
    y += slot.Height;
  }
}

int32_t TspMenuLevelLayout::LargestTopIndex() const {
  // The items that fit between the markers, counted from the end: with this top index
  // the last item is in view.
  int64_t room = (int64_t{ItemsRect.Bottom} - MenuScrollMarkerHeight) - (int64_t{ItemsRect.Top} + MenuScrollMarkerHeight);
  int32_t taken = 0;
  for (int32_t i = Count() - 1; i >= 0 && room - Slots[i].Height >= 0; --i) {
    room -= Slots[i].Height;
    ++taken;
  }
  return std::clamp(Count() - taken, 0, std::max(Count() - 1, 0));
}

bool TspMenuLevelLayout::ScrollUp(bool Wrap) {
  int32_t top = TopIndex;
  if (CanScrollUp())
    --top;
  else if (Wrap)
    top = LargestTopIndex();
  if (top == TopIndex) return false;
  TopIndex = top;
  Arrange();
  return true;
}

bool TspMenuLevelLayout::ScrollDown(bool Wrap) {
  int32_t top = TopIndex;
  if (CanScrollDown())
    ++top;
  else if (Wrap)
    top = 0;
  if (top == TopIndex) return false;
  TopIndex = top;
  Arrange();
  return true;
}

int32_t TspMenuLevelLayout::ItemAt(TPoint P) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (Slots[i].InView && PtInRect(Slots[i].Rect, P)) return i;
  return -1;
}

TRect TspMenuLevelLayout::UpMarker() const {
  return {ItemsRect.Left, ItemsRect.Top, ItemsRect.Right, Saturated(int64_t{ItemsRect.Top} + MenuScrollMarkerHeight)};
}

TRect TspMenuLevelLayout::DownMarker() const {
  return {ItemsRect.Left, Saturated(int64_t{ItemsRect.Bottom} - MenuScrollMarkerHeight), ItemsRect.Right,
          ItemsRect.Bottom};
}

TspScrollMarker TspMenuLevelLayout::MarkerAt(TPoint P) const {
  if (PtInRect(UpMarker(), P)) return TspScrollMarker::Up;
  if (PtInRect(DownMarker(), P)) return TspScrollMarker::Down;
  return TspScrollMarker::None;
}

TRect TspMenuLevelLayout::GapBelowItems() const {
  const int32_t last = TopIndex + VisibleCount - 1;
  const int32_t top = VisibleCount > 0 && last < Count() ? Slots[last].Rect.Bottom : UpMarker().Bottom;
  const TRect gap{ItemsRect.Left, top, ItemsRect.Right, DownMarker().Top};
  return IsRectEmpty(gap) ? TRect{} : gap;
}

int32_t TspMenuLevelLayout::NextItem(int32_t ItemIndex, bool PointerScrolling) {
  if (KeyScrolls(PointerScrolling) && IsLastInView(ItemIndex)) ScrollDown(true);
  int32_t start = ItemIndex + 1;
  if (start < 0 || start >= Count()) start = 0;
  for (int32_t i = start; i < Count(); ++i) {
    if (Slots[i].Selectable) return i;
    if (KeyScrolls(PointerScrolling) && IsLastInView(i)) ScrollDown(true);
  }
  return ItemIndex;
}

int32_t TspMenuLevelLayout::PreviousItem(int32_t ItemIndex, bool PointerScrolling) {
  if (KeyScrolls(PointerScrolling) && ItemIndex >= 0 && ItemIndex == TopIndex) ScrollUp(true);
  int32_t start = ItemIndex - 1;
  if (ItemIndex < 0 || start < 0 || start >= Count()) start = Count() - 1;
  for (int32_t i = start; i >= 0; --i) {
    if (Slots[i].Selectable) return i;
    if (KeyScrolls(PointerScrolling) && i == TopIndex) ScrollUp(true);
  }
  return ItemIndex;
}

TspMenuKeyAction MenuKeyAction(uint16_t Key) {
  switch (Key) {
    case VirtualKey::Return: return TspMenuKeyAction::Click;
    case VirtualKey::Escape: return TspMenuKeyAction::CloseLevel;
    case VirtualKey::Left: return TspMenuKeyAction::CloseSubmenu;
    case VirtualKey::Up: return TspMenuKeyAction::Previous;
    case VirtualKey::Right: return TspMenuKeyAction::OpenSubmenu;
    case VirtualKey::Down: return TspMenuKeyAction::Next;
    default: return TspMenuKeyAction::None;
  }
}
