#include "SkinPopupMenu.h"

#include "SkinMenu.h"

#include "skin/controls/SkinFormHost.h"
#include "skin/data/SkinData.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/Form.h"

#include "base/DispatchScope.h"

TspSkinPopupMenu::TspSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

void TspSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TPopupMenu::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FComponentForm) FComponentForm = nullptr;
}

void TspSkinPopupMenu::Popup(int X, int Y) { Open(nullptr, Rect(X, Y, X, Y), false, false); }

void TspSkinPopupMenu::PopupFromRect(const TRect& R, bool PopupUp) { Open(nullptr, R, PopupUp, false); }

void TspSkinPopupMenu::PopupFromRectForControl(TControl* AControl, const TRect& R, bool PopupUp) {
  Open(AControl, R, PopupUp, false);
}

void TspSkinPopupMenu::PopupForControl(TControl* AControl, int X, int Y) {
  Open(AControl, Rect(X, Y, X, Y), false, true);
}

TspSkinFormHost* TspSkinPopupMenu::FindSkinForm() const {
  if (FComponentForm != nullptr) return GetSkinForm(FComponentForm);
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form == nullptr && Owner() != nullptr) form = dynamic_cast<TCustomForm*>(Owner()->Owner());
  TspSkinFormHost* host = GetSkinForm(form);
  // An MDI child's menus show through the main window's frame.
  if (host != nullptr && form->FormStyle() == fsMDIChild) return GetSkinForm(Application->MainForm());
  return host;
}

void TspSkinPopupMenu::Open(TControl* Opener, const TRect& R, bool PopupUp, bool NeedsSkin) {
  // Its handlers may free the menu or the opener: both stay whole meanwhile.
  const TDispatchScope running(this);
  // The application fills or enables the items here, whether or not the menu can show.
  DoPopup(this);
  if (FreePending()) return;
  TspSkinFormHost* host = FindSkinForm();
  if (host != nullptr && FSkinData == nullptr)
    SetSkinData(host->MenusSkinData() != nullptr ? host->MenusSkinData() : host->SkinData());
  bool opened = false;
  if (host != nullptr && !(NeedsSkin && FSkinData == nullptr)) {
    TspSkinMenu* engine = host->SkinMenu();
    if (engine->Active()) host->SkinMenuClose();
    host->SkinMenuOpen();
    FPopupPoint = R.TopLeft();
    const bool hasItems = Items()->Count() > 0;
    opened = engine->Popup(Opener, FSkinData, 0, R, Items(), PopupUp);
    if (FreePending()) return;
    // A menu that opened and closed again while it showed has told its opener already.
    if (!opened && hasItems) return;
    if (opened && OnMenuClose) engine->OnMenuClose = OnMenuClose;
    // Nothing to show: the frame lets the keyboard go again.
    if (!opened) host->SkinMenuClose();
  }
  // The opener learns that no menu is open even when none could open (the engine itself
  // tells nobody then), so that a button that opened it does not stay pressed.
  if (!opened && Opener != nullptr) Opener->Perform(SP_MENU_CLOSED, 0, 0);
}

void RegisterSkinPopupMenuClass(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinPopupMenu, TPopupMenu>("TspSkinPopupMenu")
      .Reference("SkinData", &TspSkinPopupMenu::SetSkinData)
      .Event("OnMenuClose", &TspSkinPopupMenu::OnMenuClose);
}
