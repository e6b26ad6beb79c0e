#include "InplaceEditRules.h"

namespace {

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
    case GridKey::Escape: return TEditorKeyAction::HandToGrid;
    case GridKey::Insert:
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
    case GridKey::Delete: return State.CanModify ? TEditorKeyAction::Keep : TEditorKeyAction::Drop;
    default: return TEditorKeyAction::Keep;
  }
}

TEditorCharAction EditorCharAction(uint8_t Ch, bool Accepted, bool CanModify) {
  const bool printable = Ch >= KeyChar::FirstPrintable;
  if (printable && !Accepted) return TEditorCharAction::Refuse;
  if (Ch == KeyChar::Tab || Ch == KeyChar::Escape) return TEditorCharAction::Drop;
  if (Ch == KeyChar::Enter) return TEditorCharAction::ToggleSelection;
  const bool changesText = printable || Ch == KeyChar::Backspace || Ch == KeyChar::CtrlV || Ch == KeyChar::CtrlX;
  if (changesText && !CanModify) return TEditorCharAction::Drop;
  return TEditorCharAction::Keep;
}

bool TypesIntoEditor(uint8_t Ch, TGridOptions Options) {
  return Options.Contains(goEditing) && (Ch == KeyChar::Backspace || Ch >= KeyChar::FirstPrintable);
}

bool IsEditorDoubleClick(uint32_t MessageTime, uint32_t ClickTime, uint32_t DoubleClickTime) {
  // Unsigned: a press before the click wraps to a large difference.
  return ClickTime != 0 && MessageTime - ClickTime < DoubleClickTime;
}
