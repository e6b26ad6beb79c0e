#include "MDITabsLayout.h"

#include <algorithm>

namespace {

int32_t CentreX(const TRect& R) { return R.Left + (R.Right - R.Left) / 2; }

}  // namespace

TspMDITabsLayout LayOutMDITabs(int32_t Width, int32_t Height, int32_t Count, int32_t DefaultTabWidth,
                               int32_t MinTabWidth) {
  TspMDITabsLayout layout;
  layout.RightLimit = Width;
  if (Count <= 0) return layout;
  int32_t tabWidth = std::max(std::min((Width - MDITabsButtonWidth) / Count, DefaultTabWidth), 0);
  int32_t shown = Count;
  bool stretchLast = tabWidth < DefaultTabWidth;
  if (MinTabWidth > 0 && tabWidth < MinTabWidth) {
    tabWidth = MinTabWidth;
    shown = std::clamp((Width - 2 * MDITabsButtonWidth) / MinTabWidth, 0, Count);
    layout.RightLimit = Width - MDITabsButtonWidth;
    stretchLast = false;
  }
  for (int32_t i = 0; i < Count; ++i) {
    TspMDITabPlace place;
    if (i < shown) {
      const int32_t left = MDITabsButtonWidth + i * tabWidth;
      place.TabRect = Rect(left, 0, left + tabWidth, Height);
      place.Visible = true;
    } else {
      ++layout.HiddenCount;
    }
    layout.Tabs.push_back(place);
  }
  if (stretchLast) layout.Tabs.back().TabRect.Right = std::max(Width, layout.Tabs.back().TabRect.Left);
  return layout;
}

TRect MovedMDITabRect(const TRect& R, int32_t Offset, int32_t RightLimit) {
  const int32_t width = R.Right - R.Left;
  int32_t left = R.Left + Offset;
  left = std::min(left, RightLimit - width);
  left = std::max(left, 0);
  return Rect(left, R.Top, left + width, R.Bottom);
}

int32_t MDITabDropIndex(const std::vector<TspMDITabPlace>& Tabs, int32_t Moved, const TRect& MovedRect,
                        int32_t Offset) {
  const auto count = static_cast<int32_t>(Tabs.size());
  if (Offset == 0 || Moved < 0 || Moved >= count) return -1;
  const auto tab = [&](int32_t i) { return Tabs[static_cast<size_t>(i)]; };
  if (Offset < 0) {
    for (int32_t i = 0; i < Moved; ++i)
      if (tab(i).Visible && CentreX(tab(i).TabRect) > MovedRect.Left) return i;
    return -1;
  }
  for (int32_t i = count - 1; i > Moved; --i)
    if (tab(i).Visible && CentreX(tab(i).TabRect) < MovedRect.Right) return i;
  return -1;
}

int32_t MDITabAt(const std::vector<TspMDITabPlace>& Tabs, TPoint P) {
  for (size_t i = 0; i < Tabs.size(); ++i) {
    const TRect& r = Tabs[i].TabRect;
    if (Tabs[i].Visible && PtInRect(r, P))
      return static_cast<int32_t>(i);
  }
  return -1;
}

TRect MDITabTextRect(int32_t Width, int32_t Height, bool CloseButton, int32_t CloseSize) {
  return Rect(2, 0, CloseButton ? Width - CloseSize - 5 : Width - 2, Height);
}

TRect MDITabCloseRect(int32_t Width, int32_t Height, int32_t CloseSize) {
  const int32_t left = Width - CloseSize - 3;
  const int32_t top = (Height - CloseSize) / 2;
  return Rect(left, top, left + CloseSize, top + CloseSize);
}
