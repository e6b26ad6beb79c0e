// The skinned grid's side of its in-place editor: making it, dressing it for a cell in
// the skin's colour and font, and when it may show.
#include "SkinGrid.h"

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

TDynSkinInplaceEdit* TDynSkinCustomGrid::CreateEditor() {
  auto* editor = new TDynSkinInplaceEdit(this);
  editor->SetGrid(this);
  editor->SetParent(this);
  return editor;
}

void TDynSkinCustomGrid::UpdateEditor() {
  TDynSkinInplaceEdit& editor = *InplaceEdit();
  GetSkinData();
  // A background picture shows through the editor; an editor once transparent stays so.
  editor.SetTransparent(editor.Transparent() || (FSkin.Skinned() && FSkin.Background() != nullptr));
  TGridModel::UpdateEditor();
  TFont& font = *editor.Font();
  if (!FSkin.Skinned()) {
    editor.SetColor(clWindow);
    font.Assign(Font());
  } else {
    editor.SetColor(FSkin.BGColor());
    if (FUseSkinFont)
      AssignSkinFont(font, FSkin.CellFont(), Font()->Charset());
    else
      font.Assign(Font());
    font.SetColor(FSkin.CellFont().Color);
  }
  const TspResourceStrData* strings = SkinData() != nullptr ? SkinData()->ResourceStrData() : nullptr;
  font.SetCharset(strings != nullptr ? strings->CharSet() : Font()->Charset());
  editor.UpdateContents();
  SetCanEditModify(GetEditLimit() != -1);
  editor.SelectAll();
}

bool TDynSkinCustomGrid::CanEditShow() const {
  return !ComponentState().Contains(csDestroying) && TGridModel::CanEditShow();
}

bool TDynSkinCustomGrid::GridHasFocus() const {
  HWND window = GridWindow();
  HWND focus = GetFocus();
  return window != nullptr && focus != nullptr && (focus == window || IsChild(window, focus));
}

bool TDynSkinCustomGrid::UnderEditor(int32_t ACol, int32_t ARow) const {
  return ACol == InplaceCol() && ARow == InplaceRow() && Options().Contains(goEditing) && EditorShowing();
}
