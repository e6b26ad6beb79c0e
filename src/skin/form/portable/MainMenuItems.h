#pragma once
// The state rules of a main menu's top-level items, drawn in the window's frame or on a
// menu bar: hiding an item that does not fit (and giving it back its enabled state), the
// look an item shows, stepping from item to item by the arrow keys, and the order of a
// main menu merged with an MDI child's.

#include "skin/data/SkinTypes.h"

#include <cstdint>
#include <span>
#include <vector>

// Whether an item fits its row, and the enabled state it had before it stopped fitting:
// an item that does not fit is disabled, so that nothing reaches it.
struct TspMenuItemFit {
  bool Fits = true;
  bool SavedEnabled = true;
};
// Applies a layout's answer: an item that stops fitting saves Enabled and is disabled; one
// that fits again gets the saved state back.
void UpdateMenuItemFit(TspMenuItemFit& Fit, bool& Enabled, bool FitsNow);

// The face an item shows and the colour of its caption.
enum class TspMenuItemFace : uint8_t {
  Normal,     // its skin rectangle
  Active,     // its hot rectangle
  Down,       // its pressed rectangle: the submenu is open
  Morph,      // the normal face cross-faded towards the hot one by the morph factor
  Animation,  // a frame of its animation strip
};
enum class TspMenuItemFontColor : uint8_t { Normal, Active, Down, Disabled };
struct TspMenuItemLookState {
  bool Down = false;
  bool Active = false;           // hot
  bool MenuItemEnabled = true;   // the menu item's own state, not the object's
  bool MorphRunning = false;     // a cross-fade runs between the normal and the hot face
  bool Animates = false;         // the item has a frame animation the skin allows
  int32_t Frame = 0;             // 0 normal, 1 .. FrameCount a frame, above it the hot face
  int32_t FrameCount = 0;
};
struct TspMenuItemLook {
  TspMenuItemFace Face = TspMenuItemFace::Normal;
  TspMenuItemFontColor FontColor = TspMenuItemFontColor::Normal;
  friend bool operator==(const TspMenuItemLook&, const TspMenuItemLook&) = default;
};
TspMenuItemLook MenuItemLook(const TspMenuItemLookState& State);

// The pressed rectangle of an entry: DownRect, else the hot one, else the normal one.
TRect MenuItemDownRect(const TRect& DownRect, const TRect& ActiveSkinRect, const TRect& SkinRect);
// Whether an animation strip lies side by side: it is no taller than the item's look.
bool MenuItemStripSideBySide(const TRect& AnimateSkinRect, const TRect& SkinRect);

// Stepping along the row by the arrow keys. Eligible items are those the keys may reach;
// the current item is the first eligible one that is hot or pressed.
struct TspMenuStepItem {
  bool Eligible = false;
  bool Current = false;
};
// Leave: the current item (-1 for none); Enter: the next eligible item after it (before
// it when not Forward), wrapping round; without a current item the first eligible one;
// -1 when no item is eligible.
struct TspMenuStep {
  int Leave = -1;
  int Enter = -1;
  friend bool operator==(const TspMenuStep&, const TspMenuStep&) = default;
};
TspMenuStep StepMenuItems(std::span<const TspMenuStepItem> Items, bool Forward);

// A main menu merged with an MDI child's: the main menu's items whose group index none of
// the child's items has, then all of the child's, ordered by group index (stable).
struct TspMergedMenuItem {
  bool FromChild = false;
  int Index = 0;  // in its own menu
  friend bool operator==(const TspMergedMenuItem&, const TspMergedMenuItem&) = default;
};
std::vector<TspMergedMenuItem> MergedMenuOrder(std::span<const uint8_t> MainGroups,
                                               std::span<const uint8_t> ChildGroups);
