#pragma once
// Where the top-level items of a main menu go: in a row from the left, in the window's
// frame (main-menu items of the frame) or on a menu bar control, each item as wide as its
// caption needs; an item that passes the row's limit is hidden. On the bar also the items
// area, the chevron that offers the hidden items, and the caption buttons of a maximized
// MDI child at the area's ends.

#include "skin/data/SkinTypes.h"

#include <cstdint>
#include <span>
#include <vector>

// The width of an item drawn from a skin entry whose look is SkinRect with its caption in
// TextRect: the rest of the look kept, the text area as wide as the caption (TextWidth)
// and 2 pixels.
int32_t SkinMenuItemWidth(const TRect& SkinRect, const TRect& TextRect, int32_t TextWidth);
// The width of an item drawn without a skin entry: 6 pixels each side of the caption.
int32_t DefaultMenuItemWidth(int32_t TextWidth);

// One item's place in its row. An item that does not fit is not drawn.
struct TspMenuItemPlace {
  TRect Rect;
  bool Fits = true;
  friend bool operator==(const TspMenuItemPlace&, const TspMenuItemPlace&) = default;
};
// Items of Sizes laid side by side from Origin, left to right, each starting where the one
// before ends; an item whose right edge passes Limit does not fit (nor does any after it).
std::vector<TspMenuItemPlace> PlaceMenuItems(TPoint Origin, std::span<const TSize> Sizes, int32_t Limit);

// The bar's area for its items and buttons, for a bar Width x Height: with a skin the
// entry's items rectangle, its right edge kept as far from the bar's right edge as it is
// from the skin rectangle's; without one the bar less 2 pixels all round.
TRect MenuBarItemsArea(bool Skinned, const TRect& SkinRect, const TRect& ItemsRect, int32_t Width, int32_t Height);
// The chevron at the area's right end (5 pixels wide) that ScrollMenu keeps free.
inline constexpr int32_t MenuBarChevronWidth = 5;
TRect MenuBarChevronRect(const TRect& Area);
// The right edge items may reach: the area's, less the chevron with ScrollMenu.
int32_t MenuBarItemsLimit(const TRect& Area, bool ScrollMenu);

// The caption buttons of a maximized MDI child on the bar, in the bar's list order: the
// system-menu button, then close, maximize and minimize. A button drawn from a skin entry
// keeps the width and height of its skin rectangle and is centred in the area's height;
// one without is a square as tall as the area.
struct TspMenuBarButtonSize {
  bool Skinned = false;
  TSize Size;  // of the skin rectangle, when Skinned
};
// The buttons' rectangles: the system-menu button at the area's left end, the other three
// from its right end leftwards. Area shrinks past each by 2 pixels more, leaving the
// items what is between.
std::vector<TRect> PlaceMenuBarButtons(TRect& Area, std::span<const TspMenuBarButtonSize> Buttons);
