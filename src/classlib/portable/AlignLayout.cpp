#include "AlignLayout.h"

#include <algorithm>

namespace {

int Limit(int value, int minimum, int maximum) {
  if (minimum > 0 && value < minimum) return minimum;
  if (maximum > 0 && value > maximum) return maximum;
  return value;
}

// The key that orders children of one alignment from the outside in.
int OutsideFirstKey(TAlign align, const TRect& r) {
  switch (align) {
    case alTop: return r.Top;
    case alBottom: return -r.Bottom;
    case alLeft: return r.Left;
    case alRight: return -r.Right;
    default: return 0;
  }
}

struct TAxisRule {
  int Start;
  int Length;
};

// One axis of ApplyAnchors: near/far say which edges the child is anchored to.
TAxisRule AnchorAxis(bool nearEdge, bool farEdge, int oldStart, int oldLength, int oldParent,
                     int currentStart, int currentLength, int newParent) {
  const int growth = newParent - oldParent;
  if (nearEdge && farEdge) return {oldStart, std::max(oldLength + growth, 0)};
  if (farEdge) return {oldStart + growth, currentLength};
  if (!nearEdge) {
    if (oldParent <= 0) return {currentStart, currentLength};
    const int centre = oldStart + oldLength / 2;
    const int newCentre = static_cast<int>(static_cast<long long>(centre) * newParent / oldParent);
    return {newCentre - currentLength / 2, currentLength};
  }
  return {currentStart, currentLength};
}

}  // namespace

TSize ConstrainSize(TSize Size, const TSizeLimits& Limits) {
  return {Limit(Size.cx, Limits.MinWidth, Limits.MaxWidth),
          Limit(Size.cy, Limits.MinHeight, Limits.MaxHeight)};
}

TAlignedItems PlaceAlignedItems(const TRect& Client, const std::vector<TAlignItem>& Items) {
  std::vector<TRect> result;
  result.reserve(Items.size());
  for (const TAlignItem& item : Items) result.push_back(item.Bounds);

  TRect space = Client;
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<size_t> order;
    for (size_t i = 0; i < Items.size(); ++i)
      if (Items[i].Align == align) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      return OutsideFirstKey(align, Items[a].Bounds) < OutsideFirstKey(align, Items[b].Bounds);
    });
    for (size_t i : order) {
      const TRect& old = Items[i].Bounds;
      const int spaceWidth = std::max(space.Width(), 0);
      const int spaceHeight = std::max(space.Height(), 0);
      TSize wanted{spaceWidth, spaceHeight};
      if (align == alTop || align == alBottom) wanted.cy = old.Height();
      if (align == alLeft || align == alRight) wanted.cx = old.Width();
      TSize size = ConstrainSize(wanted, Items[i].Limits);
      size.cx = std::max(size.cx, 0);
      size.cy = std::max(size.cy, 0);
      TRect placed = Bounds(space.Left, space.Top, size.cx, size.cy);
      switch (align) {
        case alTop: space.Top += size.cy; break;
        case alBottom:
          placed = Bounds(space.Left, space.Bottom - size.cy, size.cx, size.cy);
          space.Bottom -= size.cy;
          break;
        case alLeft: space.Left += size.cx; break;
        case alRight:
          placed = Bounds(space.Right - size.cx, space.Top, size.cx, size.cy);
          space.Right -= size.cx;
          break;
        default: break;
      }
      result[i] = placed;
    }
  }
  // Edge children that overflow the client leave an empty space, never a turned one.
  space.Right = std::max(space.Right, space.Left);
  space.Bottom = std::max(space.Bottom, space.Top);
  return {result, space};
}

std::vector<TRect> AlignItems(const TRect& Client, const std::vector<TAlignItem>& Items) {
  return PlaceAlignedItems(Client, Items).Placed;
}

TRect ApplyAnchors(TAnchors Anchors, const TAnchorRules& Rules, const TRect& Current,
                   TSize ParentSize) {
  const TRect& old = Rules.Bounds;
  const TAxisRule x = AnchorAxis(Anchors.Contains(akLeft), Anchors.Contains(akRight), old.Left,
                                 old.Width(), Rules.ParentSize.cx, Current.Left, Current.Width(),
                                 ParentSize.cx);
  const TAxisRule y = AnchorAxis(Anchors.Contains(akTop), Anchors.Contains(akBottom), old.Top,
                                 old.Height(), Rules.ParentSize.cy, Current.Top, Current.Height(),
                                 ParentSize.cy);
  return Bounds(x.Start, y.Start, x.Length, y.Length);
}
