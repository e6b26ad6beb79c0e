#pragma once
// The skinned combo box's rules without windows: where its button, item area and edit
// part lie with and without a skin, how its cut follows a free width, where and how high
// its drop-down list opens, which picture its face, button and item show, the page steps
// of its keys, and what the pointer does while a held button drags over the list.

#include "base/Geometry.h"

#include <cstdint>

// What the rectangles depend on.
struct TspComboBoxFrame {
  bool Skinned = false;
  bool ToolButtonStyle = false;
  bool UseSkinSize = true;
  int32_t Width = 0;
  int32_t Height = 0;
  // The entry's geometry (relative to SkinRect).
  TRect SkinRect;
  TRect ClRect;
  TRect ButtonRect;
  TPoint RTPoint;
};

struct TspComboBoxRects {
  TRect Button;
  TRect Item;
};

// With a skin (not as a tool button): the entry's button, moved with the width when it
// lies right of the right-top point, and its client rectangle widened with the box;
// without the skin's size both follow the height too. Otherwise a 17-pixel button two
// pixels inside the right edge and the item area from x = 2 to the button's left - 1.
TspComboBoxRects ComboBoxRects(const TspComboBoxFrame& Frame);
// The edit part: the item area's left and width, EditHeight high, centred vertically on it.
TRect ComboEditRect(const TRect& Item, int32_t EditHeight);

// The cut of a combo box drawn at any size without the skin's size: only the right-top
// point and the client rectangle's right edge follow the width.
struct TspComboCut {
  TPoint LT, RT;
  TRect ClRect;
};
TspComboCut FreeWidthCut(const TspComboCut& Cut, const TRect& SkinRect, int32_t Width);

// The drop-down list's rows: as many as items, at most DropDownCount.
int32_t DropDownRows(int32_t Count, int32_t DropDownCount);
// Where the list opens: at Below (the box's bottom-left corner on the screen), or above
// the box when it would pass the work area's bottom edge. Its left edge is never moved.
TPoint DropDownOrigin(TPoint Below, int32_t BoxHeight, int32_t ListHeight, int32_t WorkAreaBottom);

// Page Up moves DropDownCount + 1 items up, Page Down DropDownCount - 1 down, each held
// to the list's ends.
int32_t PageUpIndex(int32_t ItemIndex, int32_t DropDownCount);
int32_t PageDownIndex(int32_t ItemIndex, int32_t DropDownCount, int32_t Count);

// Which of the entry's pictures shows.
enum class TspComboLook { None, Normal, Active, Focused, Disabled };
struct TspComboLookState {
  bool Focused = false;  // the box or its edit part has the focus
  bool MouseIn = false;
  bool Enabled = true;
  bool HasActiveFace = false;  // ActiveSkinRect is not empty
};
// The face: active while the pointer is over the box or it has the focus, disabled while
// disabled, each only when the skin has it; else the normal face.
TspComboLook ComboFaceLook(const TspComboLookState& State, bool HasDisabledFace);
// The item picture: focused when the box has the focus and the skin has one; active
// while the pointer is over a box with an active face and the skin has one; the plain
// one while enabled; else none (the face shows through).
TspComboLook ComboItemLook(const TspComboLookState& State, bool HasFocusItem, bool HasActiveItem, bool HasItem);

// The text colour: disabled while disabled, focused while the box has the focus, active
// (with UseActiveFontColor) while the pointer is over a box with an active face.
TspComboLook ComboTextLook(const TspComboLookState& State, bool UseActiveFontColor);

// While a button press drags over the open list: Up and Down when the pointer is above
// or below it (only for a list with a bar, once the pointer has been over it), Inside on
// it, else Stay.
enum class TspListDrag { Stay, Inside, Up, Down };
TspListDrag ListDragAt(int32_t Y, int32_t ListHeight, bool HasBar, bool MovedOverList);
