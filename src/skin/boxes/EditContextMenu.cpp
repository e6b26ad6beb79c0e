#include "EditContextMenu.h"

#include "skin/boxes/portable/EditMenuRules.h"
#include "skin/controls/SkinFormHost.h"
#include "skin/data/SkinData.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

#include "classlib/Application.h"
#include "classlib/Clipboard.h"
#include "classlib/Form.h"

#include "base/Exceptions.h"

namespace {

// Posted to the edit after a command of its menu ran: the menu goes then.
UINT ReleaseMessage() {
  static const UINT message = RegisterWindowMessageA("Velorandquistmar.EditContextMenuRelease");
  return message;
}

// The window whose frame shows the menu: the edit's, or for an MDI child the main one's.
TCustomForm* MenuForm(TControl& Edit) {
  TCustomForm* form = GetParentForm(&Edit);
  if (form != nullptr && form->FormStyle() == fsMDIChild) return Application->MainForm();
  return form;
}

// The message's screen point; from the keyboard (-1, -1) below the edit's caret. Right
// clicks on a monitor left of or above the primary one are negative too.
TPoint MenuPoint(TWinControl& Edit, const TMessage& Message) {
  const TPoint p = PointFromLParam(Message.LParam);
  return p == KeyboardMenuRequest ? Edit.ClientToScreen(Edit.KeyboardMenuPoint()) : p;
}

using TEditCommand = void (TCustomEdit::*)();
constexpr TEditCommand ItemCommands[EditMenuItemCount] = {
    &TCustomEdit::Undo,  nullptr, &TCustomEdit::Cut, &TCustomEdit::Copy, &TCustomEdit::Paste,
    &TCustomEdit::ClearSelection, nullptr, &TCustomEdit::SelectAll};

}  // namespace

TspEditContextMenu::TspEditContextMenu(TCustomEdit& Edit, std::function<bool()> ReadOnly)
    : FEdit(Edit), FReadOnly(std::move(ReadOnly)) {}

bool TspEditContextMenu::ClipboardHasText() const {
  if (!Clipboard().HasFormat(CF_TEXT)) return false;
  try {
    return !Clipboard().AsText().empty();
  } catch (const EInvalidOperation&) {
    return false;  // held open by another program: nothing to paste now
  }
}

void TspEditContextMenu::Open(const TMessage& Message, const TspResourceStrData* Strings) {
  Release();
  FMenu = new TspSkinPopupMenu(&FEdit);
  ++FSerial;
  FMenu->SetComponentForm(MenuForm(FEdit));
  const int32_t start = FEdit.SelStart();
  const TspEditMenuInput input{FEdit.CanUndo(), start, start + FEdit.SelLength(),
                               static_cast<int32_t>(FEdit.Text().size()), ClipboardHasText(), FReadOnly()};
  const auto enabled = EditMenuEnabled(input);
  for (int i = 0; i < EditMenuItemCount; ++i) {
    auto* item = new TMenuItem(FMenu);
    const auto role = EditMenuItemRole(static_cast<TspEditMenuItem>(i));
    item->SetCaption(role ? SkinString(Strings, *role) : "-");
    item->SetEnabled(enabled[static_cast<size_t>(i)]);
    if (const TEditCommand command = ItemCommands[i]) item->OnClick = [this, command](TObject*) { (FEdit.*command)(); };
    FMenu->Items()->Add(item);
  }
  const TPoint at = MenuPoint(FEdit, Message);
  FMenu->PopupForControl(&FEdit, at.X, at.Y);
}

bool TspEditContextMenu::HandleMessage(TMessage& Message) {
  if (Message.Msg == SP_MENU_ITEM_EXECUTED) {
    // The menu is still on the engine's way out: it goes once this message is done.
    if (FMenu != nullptr && FEdit.HandleAllocated()) PostMessageA(FEdit.Handle(), ReleaseMessage(), FSerial, 0);
    return true;
  }
  if (Message.Msg != ReleaseMessage()) return false;
  if (Message.WParam == FSerial) Release();
  return true;
}

void TspEditContextMenu::Release() {
  if (FMenu == nullptr) return;
  // A menu still showing closes first: its items are about to go.
  if (TspSkinFormHost* host = GetSkinForm(FMenu->ComponentForm())) {
    TspSkinMenu* engine = host->SkinMenu();
    if (engine != nullptr && engine->Active() && engine->PopupControl() == &FEdit) engine->CloseMenu();
  }
  TspSkinPopupMenu* menu = FMenu;
  FMenu = nullptr;
  menu->Free();
}
