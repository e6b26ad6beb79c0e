#pragma once
// One menu level without windows: how large the level is for its items, where the items
// lie, which of them are in view while a long list scrolls between its two scroll
// markers, how the list scrolls, and which item the Up and Down keys make hot.
//
// Sizes come from the skin and are untrusted: sums are taken in 64 bits and saturated,
// so that no skin value overflows the arithmetic.

#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinWindowData.h"

#include <cstdint>
#include <vector>

// The height of each scroll marker, at the top and the bottom of the items.
inline constexpr int32_t MenuScrollMarkerHeight = 10;

// A level's image column: its image list's width and a gap, or a fixed width without an
// image list.
inline constexpr int32_t ImageColumnGap = 5;
inline constexpr int32_t PlainImageColumnWidth = 16;

// A separator is as high as the entry's divider rectangle, any other item as high as its
// skin rectangle; without an entry, or where the rectangle is empty, 4 and DefaultHeight.
int32_t MenuItemHeight(const TspDataSkinMenuItem* ItemSkin, bool Separator, int32_t DefaultHeight);

// The room a level needs besides its items: Width beyond the widest text, 16 and the image
// column; Height beyond the items.
struct TspLevelAllowance {
  int32_t Width = 0;
  int32_t Height = 0;
};
// From the popup skin (nullptr: none, the skinless frame) with its window picture of
// PictureSize, and the menu item entry (nullptr: none, and the items measure as skinless
// ones), in either frame.
TspLevelAllowance LevelAllowance(const TspDataSkinPopupWindow* PopupSkin, TSize PictureSize,
                                 const TspDataSkinMenuItem* ItemSkin);

// The skin's corner points and items rectangle mapped to a window of WindowSize: left and
// top coordinates stay, right and bottom ones keep their distance to the picture's right
// and bottom edges. Without a popup skin the items lie 3 pixels inside the window.
struct TspLevelGeometry {
  TPoint LT, RT, LB, RB;
  TRect ItemsRect;
};
TspLevelGeometry LevelGeometry(const TspDataSkinPopupWindow* PopupSkin, TSize PictureSize, TSize WindowSize);

// One item as the layout sees it.
struct TspMenuSlot {
  int32_t Height = 0;
  bool Selectable = false;  // enabled and not a separator: keys and the pointer make it hot
  TRect Rect;               // in the level's window
  bool InView = true;
};

// What the size of a level depends on besides its items.
struct TspLevelMeasures {
  int32_t TextWidth = 0;         // the widest item text
  int32_t ImageColumnWidth = 0;  // image list width + ImageColumnGap, or PlainImageColumnWidth
  TspLevelAllowance Allowance;
  int32_t PlainItemHeight = 0;   // the height of an item that is not a separator
  int32_t MaxItemsInWindow = 0;  // most items shown before the level scrolls; 0 or less: no limit
  int32_t WorkAreaHeight = 0;
};

enum class TspScrollMarker { None, Up, Down };

class TspMenuLevelLayout {
public:
  std::vector<TspMenuSlot> Slots;
  TRect ItemsRect;
  bool ScrollMode = false;     // the items do not all fit: the markers show
  bool ScrollByCount = false;  // scroll mode came from the most items a level shows
  int32_t TopIndex = 0;        // the first item in view
  int32_t VisibleCount = 0;    // items in view from TopIndex on

  int32_t Count() const { return static_cast<int32_t>(Slots.size()); }

  // Resets the scrolling and gives the level's size: the items' height, or that of
  // MaxItemsInWindow plain items and the two markers, cut to the work area's height.
  TSize Measure(const TspLevelMeasures& Measures);
  // Lays the items out from TopIndex down within ItemsRect (between the markers in scroll
  // mode) until one would end below it; only those are in view.
  void Arrange();
  // The top index that shows the end of the list.
  int32_t LargestTopIndex() const;

  bool CanScrollUp() const { return TopIndex > 0; }
  bool CanScrollDown() const { return TopIndex + VisibleCount < Count(); }
  // One item up or down and arranged again; at the end of the list, with Wrap, the other
  // end. Whether the list moved.
  bool ScrollUp(bool Wrap);
  bool ScrollDown(bool Wrap);

  // The first item in view whose rectangle holds P, or -1.
  int32_t ItemAt(TPoint P) const;
  TRect UpMarker() const;
  TRect DownMarker() const;
  TspScrollMarker MarkerAt(TPoint P) const;
  // What lies between the last item in view and the down marker (empty when nothing).
  TRect GapBelowItems() const;

  // The hot item after Down from ItemIndex (-1: none): the next selectable item, the walk
  // starting at the top after the last item and never passing the end of the list; the
  // list scrolls along (wrapping) unless the pointer scrolls it (PointerScrolling).
  // ItemIndex when no item qualifies.
  int32_t NextItem(int32_t ItemIndex, bool PointerScrolling);
  // Up: the mirror image, from the last item when none or the first one is hot.
  int32_t PreviousItem(int32_t ItemIndex, bool PointerScrolling);

private:
  bool KeyScrolls(bool PointerScrolling) const { return ScrollMode && !PointerScrolling; }
  bool IsLastInView(int32_t Index) const { return VisibleCount > 0 && Index == TopIndex + VisibleCount - 1; }
};

// What a key does on the deepest open level.
enum class TspMenuKeyAction {
  None,
  Click,         // Enter: choose the hot item
  CloseLevel,    // Escape: close the deepest level
  CloseSubmenu,  // Left: as Escape, only below the first level
  Previous,      // Up
  OpenSubmenu,   // Right: open the hot item's submenu
  Next,          // Down
};
TspMenuKeyAction MenuKeyAction(uint16_t Key);
