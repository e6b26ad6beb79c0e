#include "MenuBarLayout.h"

#include "FrameArithmetic.h"

#include "skin/data/SkinRects.h"

using FrameArithmetic::Saturated;

namespace {

constexpr int32_t ButtonGap = 2;

// The place of a button Size big whose left edge is Left, centred in Area's height, or a
// square as tall as Area without a skin.
TRect ButtonPlace(int64_t Left, const TRect& Area, const TspMenuBarButtonSize& Button) {
  if (!Button.Skinned) {
    const int64_t side = RectHeight(Area);
    return {Saturated(Left), Area.Top, Saturated(Left + side), Area.Bottom};
  }
  const int64_t top = int64_t{Area.Top} + RectHeight(Area) / 2 - Button.Size.cy / 2;
  return {Saturated(Left), Saturated(top), Saturated(Left + Button.Size.cx), Saturated(top + Button.Size.cy)};
}

int64_t ButtonWidth(const TRect& Area, const TspMenuBarButtonSize& Button) {
  return Button.Skinned ? Button.Size.cx : RectHeight(Area);
}

}  // namespace

int32_t SkinMenuItemWidth(const TRect& SkinRect, const TRect& TextRect, int32_t TextWidth) {
  return Saturated(int64_t{TextWidth} + RectWidth(SkinRect) - RectWidth(TextRect) + 2);
}

int32_t DefaultMenuItemWidth(int32_t TextWidth) { return Saturated(int64_t{TextWidth} + 12); }

std::vector<TspMenuItemPlace> PlaceMenuItems(TPoint Origin, std::span<const TSize> Sizes, int32_t Limit) {
  std::vector<TspMenuItemPlace> places;
  places.reserve(Sizes.size());
  int64_t left = Origin.X;
  for (const TSize& size : Sizes) {
    const int64_t right = left + size.cx;
    places.push_back({{Saturated(left), Origin.Y, Saturated(right), Saturated(int64_t{Origin.Y} + size.cy)},
                      right <= Limit});
    left = right;
  }
  return places;
}

TRect MenuBarItemsArea(bool Skinned, const TRect& SkinRect, const TRect& ItemsRect, int32_t Width, int32_t Height) {
  if (!Skinned) return {2, 2, Saturated(int64_t{Width} - 2), Saturated(int64_t{Height} - 2)};
  const int64_t rightMargin = int64_t{RectWidth(SkinRect)} - ItemsRect.Right;
  return {ItemsRect.Left, ItemsRect.Top, Saturated(Width - rightMargin), ItemsRect.Bottom};
}

TRect MenuBarChevronRect(const TRect& Area) {
  return {Saturated(int64_t{Area.Right} - MenuBarChevronWidth), Area.Top, Area.Right, Area.Bottom};
}

int32_t MenuBarItemsLimit(const TRect& Area, bool ScrollMenu) {
  return ScrollMenu ? Saturated(int64_t{Area.Right} - MenuBarChevronWidth) : Area.Right;
}

std::vector<TRect> PlaceMenuBarButtons(TRect& Area, std::span<const TspMenuBarButtonSize> Buttons) {
  if (Buttons.size() != 4) return {};
  std::vector<TRect> places;
  places.push_back(ButtonPlace(Area.Left, Area, Buttons[0]));
  Area.Left = Saturated(int64_t{places.back().Right} + ButtonGap);
  for (const TspMenuBarButtonSize& button : Buttons.subspan(1)) {
    places.push_back(ButtonPlace(int64_t{Area.Right} - ButtonWidth(Area, button), Area, button));
    Area.Right = Saturated(int64_t{places.back().Left} - ButtonGap);
  }
  return places;
}
