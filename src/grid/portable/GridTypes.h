#pragma once
// The grid's basic types: cells, ranges of cells, options, draw states, the mouse-held
// states and the scroll codes and keys the grid answers.

#include "base/KeyCodes.h"
#include "base/Set.h"

#include <cstdint>

// A cell: column X, row Y.
struct TGridCoord {
  int32_t X = 0;
  int32_t Y = 0;
  friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A range of cells; Right and Bottom are included.
struct TGridRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TSet<TGridOption>;
// The options' identifiers in form resources, in the order of their values.
inline constexpr const char* kGridOptionNames[] = {
    "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine",     "goRangeSelect",
    "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
    "goEditing",       "goTabs",          "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"};
static_assert(sizeof(kGridOptionNames) / sizeof(kGridOptionNames[0]) == goThumbTracking + 1);

inline constexpr TGridOptions DefaultGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine,
                                                 goHorzLine, goRowSelect};

enum TGridDrawStateFlag {
  gdFixed,
  gdFocused,
  gdHighlighted,
  gdSelected,
  gdNotSelected,
  gdReserved,
  gdDisabled
};
using TGridDrawState = TSet<TGridDrawStateFlag>;

// What a held mouse button is doing.
enum TGridState : uint8_t {
  gsNormal,
  gsSelecting,
  gsRowSizing,
  gsColSizing,
  gsRowMoving,
  gsColMoving
};

// The scroll bars, as the scroll messages number them.
enum TGridBar { gbHorizontal = 0, gbVertical = 1 };

// Scroll codes, with the values of the system's scroll messages.
enum TGridScrollCode {
  scLineUp = 0,
  scLineDown = 1,
  scPageUp = 2,
  scPageDown = 3,
  scThumbPosition = 4,
  scThumbTrack = 5,
  scTop = 6,
  scBottom = 7
};

// The keys the grid moves by.
namespace GridKey = VirtualKey;

// The modifier keys held with a key.
struct TGridKeyShift {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};
