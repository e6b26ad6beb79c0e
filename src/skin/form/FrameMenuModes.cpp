// Keys while a skin menu is open: skinned menus never take the focus, so the frame holds
// the application's message handler and hands the key presses to the innermost menu
// level; and the form's shortcuts, which the frame's main menu takes.
#include "DynamicSkinForm.h"

#include "SkinButtonObjects.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

void TspDynamicSkinForm::SkinMenuOpen() {
  if (!FMainMenuMode) HookApplicationMessages();
  if (FMenuOpen) return;
  FMenuOpen = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TspDynamicSkinForm::SkinMenuClose() {
  FMenuOpen = false;
  ReleaseMenuObject();
  UnhookApplicationMessages();
  if (OnSkinMenuClose) OnSkinMenuClose(this);
  if (!FMainMenuMode) return;
  FMainMenuMode = false;
  if (OnMainMenuExit) OnMainMenuExit(this);
}

void TspDynamicSkinForm::ReleaseMenuObject() {
  for (const auto& object : FObjects) {
    auto* button = dynamic_cast<TspSkinButtonObject*>(object.get());
    if (button != nullptr && button->MenuItem != nullptr && button->Down) {
      button->SetDown(false);
      return;
    }
  }
}

void TspDynamicSkinForm::StartMainMenuMode() {
  // Main-menu mode drives the menu bar or the main-menu item objects, which come with the
  // main menus; without them the mode stays off.
  if (OnMainMenuEnter) OnMainMenuEnter(this);
}

void TspDynamicSkinForm::EndMainMenuMode() {
  FMainMenuMode = false;
  if (FSkinMenu->Active()) FSkinMenu->CloseMenu();
  UnhookApplicationMessages();
  if (OnMainMenuExit) OnMainMenuExit(this);
}

void TspDynamicSkinForm::HookApplicationMessages() {
  if (FApplicationHooked) return;
  FApplicationHooked = true;
  FSavedApplicationMessage = Application->OnMessage;
  Application->OnMessage = Event(this, &TspDynamicSkinForm::ApplicationMessageWhileMenuOpen);
}

void TspDynamicSkinForm::UnhookApplicationMessages() {
  if (!FApplicationHooked) return;
  FApplicationHooked = false;
  // A handler someone installed after this one stays.
  if (Application->OnMessage == Event(this, &TspDynamicSkinForm::ApplicationMessageWhileMenuOpen))
    Application->OnMessage = FSavedApplicationMessage;
  FSavedApplicationMessage = nullptr;
}

void TspDynamicSkinForm::ApplicationMessageWhileMenuOpen(MSG& Msg, bool& Handled) {
  switch (Msg.message) {
    case WM_KEYDOWN:
      MenuKeyDown(static_cast<uint16_t>(Msg.wParam));
      Msg.message = 0;
      Handled = true;
      return;
    case WM_MOUSEWHEEL:
      Msg.message = 0;
      Handled = true;
      return;
    default:
      // Everything else goes on, past the application's own handler too.
      if (FSavedApplicationMessage) FSavedApplicationMessage(Msg, Handled);
  }
}

void TspDynamicSkinForm::MenuKeyDown(uint16_t Key) {
  if (!FSkinMenu->PopupWindows().empty()) FSkinMenu->PopupWindows().back()->ProcessKey(Key);
  // Escape left no level open: the menu is over.
  if (Key == VK_ESCAPE && FSkinMenu->PopupWindows().empty() && FMenuOpen) SkinMenuClose();
}

void TspDynamicSkinForm::FormShortCut(TWMKey& Msg, bool& Handled) {
  if (OnShortCut) {
    const TShortCutEvent handler = OnShortCut;
    handler(Msg, Handled);
    if (Handled) return;
  }
  if (Msg.CharCode == VK_SPACE && KeyDataToShiftState(Msg.KeyData) == TShiftState{ssAlt}) {
    ShowSystemMenuFromKeyboard();
    FShortCutHandledByMenu = false;
    Handled = true;
    return;
  }
  FShortCutHandledByMenu = false;
  // With the form's own menu detached, the frame's main menu takes its shortcuts here.
  if (FMainMenu == nullptr) return;
  FShortCutHandledByMenu = FMainMenu->IsShortCut(Msg);
  Handled = FShortCutHandledByMenu;
}
