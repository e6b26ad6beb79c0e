#pragma once
// The up-down control's rules without windows: the value it steps within its range, where
// its two buttons lie, and which skin rectangle shows a button in its state.

#include "skin/data/SkinBarData.h"

#include "classlib/portable/ControlEnums.h"

#include <cstdint>

// The button indexes of an up-down control (the order of its repeat buttons).
inline constexpr int UpButton = 0;
inline constexpr int DownButton = 1;

// Position within Min .. Max. A position outside the range is refused rather than
// clamped, so a step past either end changes nothing.
class TspUpDownRange {
public:
  int32_t Min() const { return FMin; }
  int32_t Max() const { return FMax; }
  int32_t Position() const { return FPosition; }
  // Stores Value and returns true when it lies within Min .. Max; false changes nothing.
  // Wide, so that a position and a step add up without overflowing.
  bool SetPosition(int64_t Value);
  // The position follows into the new range (raised to Min, lowered to Max).
  void SetMin(int32_t Value);
  void SetMax(int32_t Value);

private:
  int32_t FMin = 0;
  int32_t FMax = 100;
  int32_t FPosition = 0;
};

struct TspUpDownRects {
  TRect Up;
  TRect Down;
};

// The buttons of a control Width x Height drawn without the skin's own layout: halves
// side by side, down on the left (udHorizontal), or one above the other, up on top.
TspUpDownRects UpDownButtonRects(TUDOrientation Orientation, int32_t Width, int32_t Height);

// The ArrowCode of a button's arrow.
int UpDownArrowCode(TUDOrientation Orientation, int Button);

// The skin rectangles of a button in its hot and pressed look: a pressed look the entry
// lacks is its hot one.
struct TspUpDownLooks {
  TRect Active;
  TRect Pressed;
};
TspUpDownLooks UpDownLooks(const TspDataSkinUpDownControl& Entry, int Button);
// What is copied over the control's skin image for a button: its pressed look while it is
// held with the pointer on it, its hot look while the pointer is on it, else nothing
// (an empty rectangle).
TRect UpDownLookRect(const TspUpDownLooks& Looks, bool MouseIn, bool Down);
