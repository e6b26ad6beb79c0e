#include "EditMenuRules.h"

std::optional<TspSkinStringRole> EditMenuItemRole(TspEditMenuItem Item) {
  switch (Item) {
    case TspEditMenuItem::Undo: return ssEditUndo;
    case TspEditMenuItem::Cut: return ssEditCut;
    case TspEditMenuItem::Copy: return ssEditCopy;
    case TspEditMenuItem::Paste: return ssEditPaste;
    case TspEditMenuItem::Delete: return ssEditDelete;
    case TspEditMenuItem::SelectAll: return ssEditSelectAll;
    case TspEditMenuItem::Separator1:
    case TspEditMenuItem::Separator2: break;
  }
  return std::nullopt;
}

std::array<bool, EditMenuItemCount> EditMenuEnabled(const TspEditMenuInput& Input) {
  const bool selection = Input.SelStart < Input.SelEnd;
  const bool allSelected = Input.SelStart == 0 && Input.SelEnd == Input.TextLength;
  const bool editable = !Input.ReadOnly;
  return {Input.CanUndo, true, selection && editable, selection, Input.ClipboardHasText && editable,
          selection && editable, true, !allSelected};
}

std::string SingleLineText(const std::string& Text) { return Text.substr(0, Text.find_first_of("\r\n")); }
