#include "EditContextMenu.h"

#include "skin/boxes/portable/EditMenuRules.h"
#include "skin/controls/SkinFormHost.h"
#include "skin/data/SkinData.h"
#include "skin/menus/SkinPopupMenu.h"

#include "classlib/Application.h"
#include "classlib/Clipboard.h"
#include "classlib/Edit.h"
#include "classlib/Form.h"

namespace {

void RunEditCommand(TCustomEdit& Edit, TspEditMenuItem Item) {
  switch (Item) {
    case TspEditMenuItem::Undo: Edit.Undo(); return;
    case TspEditMenuItem::Cut: Edit.Cut(); return;
    case TspEditMenuItem::Copy: Edit.Copy(); return;
    case TspEditMenuItem::Paste: Edit.Paste(); return;
    case TspEditMenuItem::Delete: Edit.ClearSelection(); return;
    case TspEditMenuItem::SelectAll: Edit.SelectAll(); return;
    case TspEditMenuItem::Separator1:
    case TspEditMenuItem::Separator2: return;
  }
}

// The form whose frame shows the menu: an MDI child's menus show on the main window.
TCustomForm* MenuForm(TCustomEdit& Edit) {
  TCustomForm* form = GetParentForm(&Edit);
  if (form != nullptr && form->FormStyle() == fsMDIChild) return Application->MainForm();
  return form;
}

}  // namespace

TspSkinPopupMenu* PopupEditContextMenu(TCustomEdit& Edit, bool ReadOnly, TPoint At) {
  TCustomForm* form = MenuForm(Edit);
  TspSkinFormHost* host = GetSkinForm(form);
  const TspSkinData* data = host != nullptr ? host->SkinData() : nullptr;
  const TspResourceStrData* strings = data != nullptr ? data->ResourceStrData() : nullptr;
  const int start = Edit.SelStart();
  const auto enabled = EditMenuEnabled({Edit.CanUndo(), start, start + Edit.SelLength(),
                                        static_cast<int32_t>(Edit.Text().size()), Clipboard().HasFormat(CF_TEXT),
                                        ReadOnly});
  auto* menu = new TspSkinPopupMenu(&Edit);
  menu->SetComponentForm(form);
  for (int i = 0; i < EditMenuItemCount; ++i) {
    const auto item = static_cast<TspEditMenuItem>(i);
    const auto role = EditMenuItemRole(item);
    auto* menuItem = new TMenuItem(menu);
    menuItem->SetCaption(role ? SkinString(strings, *role) : "-");
    menuItem->SetEnabled(enabled[static_cast<size_t>(i)]);
    menuItem->OnClick = [&Edit, item](TObject*) { RunEditCommand(Edit, item); };
    menu->Items()->Add(menuItem);
  }
  menu->PopupForControl(&Edit, At.X, At.Y);
  return menu;
}
