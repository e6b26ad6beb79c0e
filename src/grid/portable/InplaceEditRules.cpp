#include "InplaceEditRules.h"

namespace {

constexpr uint16_t KeyEscape = 0x1B;
constexpr uint16_t KeyInsert = 0x2D;
constexpr uint16_t KeyDelete = 0x2E;

constexpr uint8_t CharBackspace = 8;
constexpr uint8_t CharTab = 9;
constexpr uint8_t CharEnter = 13;
constexpr uint8_t CharCtrlV = 22;
constexpr uint8_t CharCtrlX = 24;
constexpr uint8_t CharEscape = 27;
constexpr uint8_t FirstPrintable = 32;

bool NoModifier(TGridKeyShift Shift) { return !Shift.Shift && !Shift.Ctrl && !Shift.Alt; }

}  // namespace

TEditorKeyAction EditorKeyAction(uint16_t Key, const TEditorKeyState& State) {
  const TGridKeyShift shift = State.Shift;
  const bool toGridAtEnd = State.AlwaysShowEditor;
  switch (Key) {
    case GridKey::Up:
    case GridKey::Down:
    case GridKey::PageUp:
    case GridKey::PageDown:
    case KeyEscape: return TEditorKeyAction::HandToGrid;
    case KeyInsert:
      if (NoModifier(shift)) return TEditorKeyAction::HandToGrid;
      if (shift.Shift && !shift.Ctrl && !shift.Alt && !State.CanModify) return TEditorKeyAction::Drop;
      return TEditorKeyAction::Keep;
    case GridKey::Left:
    case GridKey::Home:
      if (toGridAtEnd && (shift.Ctrl || State.Selection.AtLeftEnd())) return TEditorKeyAction::HandToGrid;
      return TEditorKeyAction::Keep;
    case GridKey::Right:
    case GridKey::End:
      if (toGridAtEnd && (shift.Ctrl || State.Selection.AtRightEnd())) return TEditorKeyAction::HandToGrid;
      return TEditorKeyAction::Keep;
    case GridKey::F2: return TEditorKeyAction::Deselect;
    case GridKey::Tab: return shift.Alt ? TEditorKeyAction::Keep : TEditorKeyAction::HandToGrid;
    case KeyDelete: return State.CanModify ? TEditorKeyAction::Keep : TEditorKeyAction::Drop;
    default: return TEditorKeyAction::Keep;
  }
}

TEditorCharAction EditorCharAction(uint8_t Ch, bool Accepted, bool CanModify) {
  const bool printable = Ch >= FirstPrintable;
  if (printable && !Accepted) return TEditorCharAction::Refuse;
  if (Ch == CharTab || Ch == CharEscape) return TEditorCharAction::Drop;
  if (Ch == CharEnter) return TEditorCharAction::ToggleSelection;
  const bool changesText = printable || Ch == CharBackspace || Ch == CharCtrlV || Ch == CharCtrlX;
  if (changesText && !CanModify) return TEditorCharAction::Drop;
  return TEditorCharAction::Keep;
}

bool TypesIntoEditor(uint8_t Ch, TGridOptions Options) {
  return Options.Contains(goEditing) && (Ch == CharBackspace || Ch >= FirstPrintable);
}

bool IsEditorDoubleClick(uint32_t MessageTime, uint32_t ClickTime, uint32_t DoubleClickTime) {
  // Unsigned: a press before the click wraps to a large difference.
  return ClickTime != 0 && MessageTime - ClickTime < DoubleClickTime;
}
