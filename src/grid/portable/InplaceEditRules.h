#pragma once
// What the grid's in-place editor does with keys, characters and presses, free of any
// window: the keys it hands back to the grid, what it refuses while its cell may not
// change, Enter's toggling of the selection, and when a press completes a double click.

#include "GridTypes.h"

#include <cstdint>

// The editor's selection, in characters from the text's start.
struct TEditorSelection {
  int32_t Start = 0;
  int32_t End = 0;
  int32_t TextLength = 0;
  bool Empty() const { return Start == End; }
  bool All() const { return Start == 0 && End == TextLength; }
  // Nothing lies left (right) of the caret to move over.
  bool AtLeftEnd() const { return Start == 0 && (Empty() || All()); }
  bool AtRightEnd() const { return (Start == 0 || Empty()) && End == TextLength; }
};

struct TEditorKeyState {
  TGridKeyShift Shift;
  bool AlwaysShowEditor = false;  // goAlwaysShowEditor
  bool CanModify = true;          // the grid's CanEditModify
  TEditorSelection Selection;
};

enum class TEditorKeyAction {
  Keep,        // the grid's OnKeyDown, then the edit itself
  HandToGrid,  // the grid's key handling moves the focused cell
  Drop,        // the cell may not change
  Deselect,    // F2, unless the grid's OnKeyDown makes it another key
};

// The vertical keys, Page Up/Down and Escape go to the grid, and so do Tab (without Alt),
// Insert without a modifier, and Left/Home (Right/End) with goAlwaysShowEditor when Ctrl
// is held or the caret stands at that end. While the cell may not change, Delete (with
// any modifier, Shift+Delete cuts) and Shift+Insert (which pastes) are dropped.
TEditorKeyAction EditorKeyAction(uint16_t Key, const TEditorKeyState& State);

enum class TEditorCharAction {
  Keep,             // the edit types it
  Drop,             // nobody takes it
  Refuse,           // dropped with the system beep: the grid does not accept it
  ToggleSelection,  // Enter: the whole text selected, or, when it is, nothing
};

// Tab and Escape are dropped, Enter toggles the selection; a printable character (32 and
// above) the grid does not accept is refused; while the cell may not change,
// Backspace, Ctrl+V, Ctrl+X and printable characters are dropped.
TEditorCharAction EditorCharAction(uint8_t Ch, bool Accepted, bool CanModify);

// Whether a character typed on the grid opens the editor with it: with goEditing,
// Backspace and the printable characters.
bool TypesIntoEditor(uint8_t Ch, TGridOptions Options);

// Whether a press on the editor at MessageTime completes a double click begun by a press
// on the grid at ClickTime: within DoubleClickTime after it, on a millisecond clock that
// wraps. ClickTime 0 is no press at all.
bool IsEditorDoubleClick(uint32_t MessageTime, uint32_t ClickTime, uint32_t DoubleClickTime);
