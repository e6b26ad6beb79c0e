#pragma once
// Where the tabs of an MDI tabs bar go: side by side from the window-list button's strip
// on the left, each as wide as the bar shares out (up to a default width, down to a
// minimum past which tabs are hidden and listed by a button on the right), a dragged tab
// shifted by the drag and kept inside the bar, where a dropped tab lands, and the parts
// inside one tab.

#include "skin/data/SkinTypes.h"

#include <cstdint>
#include <vector>

// The strip each menu button takes at an end of the bar.
inline constexpr int32_t MDITabsButtonWidth = 15;

struct TspMDITabPlace {
  TRect TabRect;         // empty for a hidden tab
  bool Visible = false;  // the tab fits in the bar
  friend bool operator==(const TspMDITabPlace&, const TspMDITabPlace&) = default;
};

struct TspMDITabsLayout {
  std::vector<TspMDITabPlace> Tabs;
  int32_t HiddenCount = 0;
  int32_t RightLimit = 0;  // a dragged tab stays left of it
};

// Count tabs in a bar Width x Height. Each tab gets an equal share of the width after the
// left button's strip, at most DefaultTabWidth; below MinTabWidth (0: no minimum) the
// tabs take MinTabWidth and only those that fit between the two buttons' strips show. A
// share below DefaultTabWidth lets the last tab reach the bar's right end. No tabs, no
// layout.
TspMDITabsLayout LayOutMDITabs(int32_t Width, int32_t Height, int32_t Count, int32_t DefaultTabWidth,
                               int32_t MinTabWidth);

// A dragged tab's rectangle: R moved by Offset, kept between 0 and RightLimit.
TRect MovedMDITabRect(const TRect& R, int32_t Offset, int32_t RightLimit);

// Where tab Moved, dragged by Offset to MovedRect, lands: leftwards the lowest index before
// it whose visible tab's centre lies right of MovedRect's left edge, rightwards the highest
// index after it whose centre lies left of its right edge; -1 for no change.
int32_t MDITabDropIndex(const std::vector<TspMDITabPlace>& Tabs, int32_t Moved, const TRect& MovedRect,
                        int32_t Offset);

// The visible tab at bar point P, or -1.
int32_t MDITabAt(const std::vector<TspMDITabPlace>& Tabs, TPoint P);

// Inside a tab of Width x Height (tab coordinates): the text's area, and the close button
// of CloseSize at the right end, centred vertically.
TRect MDITabTextRect(int32_t Width, int32_t Height, bool CloseButton, int32_t CloseSize);
TRect MDITabCloseRect(int32_t Width, int32_t Height, int32_t CloseSize);
