// The skinned frame's tray icon: handing it the tray menu and the double-click, and the
// application going to the icon and coming back from it.
#include "FrameTray.h"

#include "DynamicSkinForm.h"
#include "TrayIcon.h"

#include "skin/menus/SkinPopupMenu.h"

#include "skin/data/SkinData.h"

void TspFrameTrayLink::SetIcon(TspTrayIcon* Value, bool Designing) {
  LetGo();
  FFrame.SetReference(FIcon, Value);
  if (Value == nullptr) return;
  if (!FAlwaysShow) Value->SetIconVisible(false);
  if (Designing) return;
  if (Value->PopupMenu() == nullptr) Value->SetPopupMenu(FFrame.TrayMenu());
  if (!Value->OnDblClick) Value->OnDblClick = Event(this, &TspFrameTrayLink::IconDblClick);
}

void TspFrameTrayLink::LetGo() {
  if (FIcon != nullptr && FIcon->OnDblClick == Event(this, &TspFrameTrayLink::IconDblClick))
    FIcon->OnDblClick = nullptr;
}

void TspFrameTrayLink::Notification(TComponent* AComponent) {
  if (AComponent == FIcon) FIcon = nullptr;
}

void TspFrameTrayLink::MinimizeToTray() {
  if (FIcon == nullptr) return;
  // Minimizing the application hides it to the icon.
  FIcon->SetMinimizeToTray(true);
  FIcon->SetIconVisible(true);
  Application->Minimize();
  if (FFrame.OnMinimizeToTray) FFrame.OnMinimizeToTray(&FFrame);
}

void TspFrameTrayLink::RestoreFromTray() {
  if (FIcon == nullptr) return;
  FIcon->SetMinimizeToTray(false);
  // The main form that going to the tray hid comes back with the application.
  FIcon->ShowMainForm();
  Application->Restore();
  if (!FAlwaysShow) FIcon->SetIconVisible(false);
  if (FFrame.OnRestoreFromTray) FFrame.OnRestoreFromTray(&FFrame);
}

void TspFrameTrayLink::IconDblClick(TObject*) { RestoreFromTray(); }
