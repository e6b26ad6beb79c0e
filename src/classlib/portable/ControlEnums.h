#pragma once
// Enumerations of the standard controls that window-free rules decide by too (which
// check image, which scroll-bar geometry), with their identifiers as form resources
// write them, in the order of their values.

#include <iterator>

// The three states of a check box.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
inline constexpr const char* kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
static_assert(std::size(kCheckBoxStateNames) == cbGrayed + 1);

// Which way a scroll bar lies.
enum TScrollBarKind { sbHorizontal, sbVertical };
inline constexpr const char* kScrollBarKindNames[] = {"sbHorizontal", "sbVertical"};
static_assert(std::size(kScrollBarKindNames) == sbVertical + 1);

// Which way the two buttons of an up-down control lie.
enum TUDOrientation { udHorizontal, udVertical };
inline constexpr const char* kUDOrientationNames[] = {"udHorizontal", "udVertical"};
static_assert(std::size(kUDOrientationNames) == udVertical + 1);

// Where the tabs of a tab control lie, and how they look.
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
inline constexpr const char* kTabPositionNames[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};
static_assert(std::size(kTabPositionNames) == tpRight + 1);
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
inline constexpr const char* kTabStyleNames[] = {"tsTabs", "tsButtons", "tsFlatButtons"};
static_assert(std::size(kTabStyleNames) == tsFlatButtons + 1);

// The edge of a bevel around a windowed control. Scoped: the skinned panel's border
// styles take the same identifiers with other values.
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
inline constexpr const char* kBevelCutNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
static_assert(std::size(kBevelCutNames) == static_cast<int>(TBevelCut::bvSpace) + 1);
