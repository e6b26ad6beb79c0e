#include "PageControlGeometry.h"

TspTabMargins TabMargins(const TRect& SkinRect, const TRect& ClRect) {
  return {ClRect.Left, ClRect.Top, SkinRect.Width() - ClRect.Right, SkinRect.Height() - ClRect.Bottom};
}

TRect CorrectDisplayRect(TTabPosition Position, const TspTabMargins* Skin, const TRect& Native,
                         int32_t ClientWidth, int32_t ClientHeight) {
  // The native rectangle leaves room for the system's own borders and the selected
  // tab's lift; the skinned frame (or the plain one-pixel frame) takes their place.
  TRect r = Native;
  const int32_t cw = ClientWidth, ch = ClientHeight;
  if (Skin != nullptr) {
    const TspTabMargins& m = *Skin;
    switch (Position) {
      case tpTop: return {m.Left, r.Top - 6 + m.Top, cw - m.Right, ch - m.Bottom};
      case tpBottom: return {m.Left, r.Top - 4 + m.Top, cw - m.Right, r.Bottom + 4 - m.Bottom};
      case tpLeft: return {r.Left + m.Left - 4, r.Top - 4 + m.Top, cw - m.Right, ch - m.Bottom};
      case tpRight: return {m.Left, r.Top - 4 + m.Top, r.Right - m.Right + 4, ch - m.Bottom};
    }
    return r;
  }
  switch (Position) {
    case tpTop: return {1, r.Top - 5, cw - 1, ch - 1};
    case tpBottom: return {1, 1, cw - 1, r.Bottom + 3};
    case tpLeft: return {r.Left - 3, r.Top - 5, cw - 1, ch - 1};
    case tpRight: return {r.Left - 3, r.Top - 5, r.Right + 3, ch - 1};
  }
  return r;
}

TRect CorrectTabRect(TTabPosition Position, TTabStyle Style, bool MultiLine, const TRect& Native) {
  if (Style != tsTabs) return Native;
  switch (Position) {
    case tpTop: return OffsetRect(Native, MultiLine ? 0 : -2, -2);
    case tpBottom: return OffsetRect(Native, MultiLine ? 0 : -2, 2);
    case tpLeft: return OffsetRect(Native, -2, 0);
    case tpRight: return OffsetRect(Native, 2, 0);
  }
  return Native;
}

TRect PageFrameRect(const TRect& D, const TspTabMargins& Margins) {
  return {D.Left - Margins.Left, D.Top - Margins.Top, D.Right + Margins.Right, D.Bottom + Margins.Bottom};
}

TRect TabStripRect(TTabPosition Position, const TRect& F, int32_t Width, int32_t Height) {
  switch (Position) {
    case tpTop: return {0, 0, Width, F.Top};
    case tpBottom: return {0, F.Bottom, Width, Height};
    case tpLeft: return {0, 0, F.Left, Height};
    case tpRight: return {F.Right, 0, Width, Height};
  }
  return {};
}

TRect ActiveTabArea(TTabPosition Position, const TRect& TabRect, int32_t Overlap) {
  TRect r = TabRect;
  switch (Position) {
    case tpTop: r.Bottom += Overlap; break;
    case tpBottom: r.Top -= Overlap; break;
    case tpLeft: r.Right += Overlap; break;
    case tpRight: r.Left -= Overlap; break;
  }
  return r;
}

TRect ActiveTabDrawRect(TTabPosition Position, const TRect& TabRect, int32_t Overlap) {
  if (Position == tpBottom) return OffsetRect(TabRect, 0, -Overlap);
  if (Position == tpRight) return OffsetRect(TabRect, -Overlap, 0);
  return TabRect;
}

TRect TurnedTabRect(TTabPosition Position, const TRect& R, int32_t W, int32_t H) {
  // A quarter turn counter-clockwise (left tabs) takes (x, y) to (y, W - 1 - x), a
  // clockwise one (right tabs) to (H - 1 - y, x).
  if (Position == tpLeft) return {R.Top, W - R.Right, R.Bottom, W - R.Left};
  if (Position == tpRight) return {H - R.Bottom, R.Left, H - R.Top, R.Right};
  return R;
}

TSize TabSpaceImageSize(TTabPosition Position, const TSize* Images, int32_t CloseSize) {
  const bool across = Position == tpTop || Position == tpBottom;
  int32_t room = 1 + CloseSize;
  if (Images != nullptr) room += across ? Images->cx : Images->cy;
  return across ? TSize{room, 1} : TSize{room, room};
}

TspHiddenTabs CountHiddenTabs(std::span<const TRect> Tabs, int32_t Width, int32_t ScrollerWidth) {
  const int32_t limit = Width - ScrollerWidth - 3;
  TspHiddenTabs counts;
  for (const TRect& r : Tabs) {
    if (r.Right > limit || r.Right < 1) ++counts.Hidden;
    if (r.Right < 1) ++counts.ScrolledOut;
  }
  return counts;
}
