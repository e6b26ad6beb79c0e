// The grid model's in-place editor: when it shows, over which cell, and how its text
// goes back to the cell.
#include "GridModel.h"

void TGridModel::SetEditorMode(bool Value) {
  if (!Value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (FEditor != nullptr) FEditor->Deselect();
}

void TGridModel::ShowEditor() {
  FEditorMode = true;
  UpdateEdit();
}

void TGridModel::HideEditor() {
  FEditorMode = false;
  HideEdit();
}

void TGridModel::ShowEditorChar(char Ch) {
  ShowEditor();
  if (FEditor != nullptr) FEditor->PostChar(Ch);
}

void TGridModel::InvalidateEditor() {
  FInplace = {-1, -1};
  UpdateEdit();
}

bool TGridModel::CanEditShow() const {
  return FOptions * TGridOptions{goRowSelect, goEditing} == TGridOptions{goEditing} && FEditorMode &&
         FWindow.GridWindowExists() && (FOptions.Contains(goAlwaysShowEditor) || FWindow.GridHasFocus());
}

void TGridModel::UpdateEdit() {
  if (!CanEditShow()) return;
  const bool moved = FInplace != FFocused;
  if (FEditor != nullptr && moved) HideEdit();
  const bool created = FEditor == nullptr;
  if (created) {
    FEditor = CreateEditor();
    if (FEditor == nullptr) return;
  }
  if (created || moved) UpdateEditor();
  // Dressing the editor may have taken the focus or the window away.
  if (CanEditShow()) FEditor->MoveEditor(CellRect(FFocused.X, FFocused.Y));
}

void TGridModel::UpdateEditor() { FInplace = FFocused; }

void TGridModel::HideEdit() {
  if (FEditor == nullptr) return;
  UpdateText();
  FInplace = {-1, -1};
  FEditor->HideEditorWindow();
}

void TGridModel::UpdateText() {
  if (FEditor != nullptr && FInplace.X != -1 && FInplace.Y != -1)
    SetEditText(FInplace.X, FInplace.Y, FEditor->EditText());
}

void TGridModel::EditorDestroyed() {
  FEditor = nullptr;
  FInplace = {-1, -1};
}

void TGridModel::TopLeftChanged() {
  if (FEditorMode && FEditor != nullptr) FEditor->UpdateLoc(CellRect(FFocused.X, FFocused.Y));
}

void TGridModel::EditorOptionsChanged() {
  if (FEditorMode) return;
  if (FOptions.Contains(goAlwaysShowEditor))
    ShowEditor();
  else
    HideEditor();
}
