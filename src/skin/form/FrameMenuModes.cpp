// Keys while a skin menu is open: skinned menus never take the focus, so the frame holds
// the application's message handler and hands the key presses to the innermost menu
// level; main-menu mode, in which the main menu (on the menu bar, or the frame's own
// items) is driven from the keyboard; and the form's shortcuts, which the main menu takes.
#include "DynamicSkinForm.h"

#include "MainMenuItemRow.h"
#include "SkinButtonObjects.h"
#include "SkinDisplayObjects.h"
#include "SkinMainMenuBar.h"
#include "SkinMainMenuItem.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuItem.h"
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
  if (FMainMenuBar != nullptr) FMainMenuBar->ResetItems();
  if (OnMainMenuExit) OnMainMenuExit(this);
}

void TspDynamicSkinForm::ReleaseMenuObject() {
  for (TspSkinMainMenuItem* item : MainMenuItems())
    if (item->Down) {
      item->SetDown(false);
      return;
    }
  for (const auto& object : FObjects) {
    auto* button = dynamic_cast<TspSkinButtonObject*>(object.get());
    if (button != nullptr && button->MenuItem != nullptr && button->Down) {
      button->SetDown(false);
      return;
    }
  }
  for (const auto& object : FObjects) {
    auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get());
    if (animate != nullptr && animate->MenuTracking) {
      animate->MenuClosed();
      return;
    }
  }
}

void TspDynamicSkinForm::StartMainMenuMode() {
  if (FMainMenuBar != nullptr) {
    FMainMenuBar->EnterKeyboardMode();
    return;
  }
  TspSkinMainMenuItem* first = nullptr;
  for (TspSkinMainMenuItem* item : MainMenuItems()) {
    if (item->Down) {
      first = item;
      break;
    }
    if (first == nullptr && KeysReach(*item)) first = item;
  }
  if (first != nullptr) {
    first->MouseEnter();
    FMainMenuMode = true;
    HookApplicationMessages();
  }
  // Fired also when there is nothing to drive (the mode then stays off).
  if (OnMainMenuEnter) OnMainMenuEnter(this);
}

void TspDynamicSkinForm::EnterMainMenuMode(TObject* Sender) {
  if (FMainMenuMode) return;
  FMainMenuMode = true;
  HookApplicationMessages();
  if (OnMainMenuEnter) OnMainMenuEnter(Sender);
}

void TspDynamicSkinForm::EndMainMenuMode() {
  FMainMenuMode = false;
  if (FSkinMenu->Active()) FSkinMenu->CloseMenu();
  if (FMainMenuBar != nullptr) {
    FMainMenuBar->ResetItems();
  } else {
    // The item keeps no light: pressed, or hot from the keys.
    for (TspSkinMainMenuItem* item : MainMenuItems())
      if (item->Down || item->Active) {
        item->MouseLeave();
        break;
      }
  }
  UnhookApplicationMessages();
  if (OnMainMenuExit) OnMainMenuExit(this);
}

void TspDynamicSkinForm::LeaveMenuFromKeyboard() {
  FMenuOpen = false;
  if (FMainMenuBar != nullptr) {
    FMainMenuBar->ReleaseDownItem();
  } else {
    for (TspSkinMainMenuItem* item : MainMenuItems())
      if (item->Down) {
        item->SetDown(false);
        item->MouseEnter();
        break;
      }
  }
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

void TspDynamicSkinForm::StepMainMenu(bool Forward) {
  if (FMainMenuBar == nullptr)
    StepMainMenuItems(MainMenuItems(), Forward);
  else if (Forward)
    FMainMenuBar->NextItem();
  else
    FMainMenuBar->PriorItem();
}

bool TspDynamicSkinForm::PressMainMenuItem() {
  if (FMainMenuBar != nullptr) return FMainMenuBar->PressHotItem();
  return PressHotMainMenuItem(MainMenuItems(), FMenuOpen);
}

bool TspDynamicSkinForm::FindMainMenuAccelerator(uint16_t Key) {
  if (FMainMenuBar != nullptr) return FMainMenuBar->FindAccelItem(Key);
  return FindAccelMainMenuItem(MainMenuItems(), Key, FMenuOpen);
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
  // The main form's menus show an MDI child's keys.
  if (FCore.Options.MDIChild)
    if (TspDynamicSkinForm* main = GetDynamicSkinForm(Application->MainForm());
        main != nullptr && main != this && (main->FMenuOpen || main->FMainMenuMode || main->FSkinMenu->Active())) {
      main->MenuKeyDown(Key);
      return;
    }
  if (FMainMenuMode && FindMainMenuAccelerator(Key)) return;
  if (FMainMenuMode && Key == VK_ESCAPE && !FMenuOpen) {
    EndMainMenuMode();
    return;
  }
  const std::vector<TspSkinPopupWindow*>& levels = FSkinMenu->PopupWindows();
  if (FMainMenuMode && Key == VK_LEFT && levels.size() <= 1) {
    StepMainMenu(false);
    return;
  }
  if (FMainMenuMode && Key == VK_RIGHT) {
    // Right opens the hot item's submenu where it has one; else the next item comes.
    const TspSkinPopupWindow* last = levels.empty() ? nullptr : levels.back();
    const int hot = last != nullptr ? last->ItemIndex() : -1;
    if (hot < 0 || !last->Items(hot)->HasChildren()) {
      StepMainMenu(true);
      return;
    }
  }
  if (Key == VK_RETURN || Key == VK_DOWN) {
    if (FMainMenuMode && PressMainMenuItem()) return;
    if (!levels.empty()) levels.back()->ProcessKey(Key);
    return;
  }
  if (!levels.empty()) levels.back()->ProcessKey(Key);
  // Escape left no level open: the menu is over, or in main-menu mode its item stays hot.
  if (Key != VK_ESCAPE || !FSkinMenu->PopupWindows().empty()) return;
  if (FMainMenuMode)
    LeaveMenuFromKeyboard();
  else if (FMenuOpen)
    SkinMenuClose();
}

TMainMenu* TspDynamicSkinForm::ShortCutMenu() const {
  if (FMainMenuBar != nullptr && FMainMenuBar->MainMenu() != nullptr) return FMainMenuBar->MainMenu();
  return FMainMenu;
}

void TspDynamicSkinForm::FormShortCut(TWMKey& Msg, bool& Handled) {
  if (OnShortCut) {
    const TShortCutEvent handler = OnShortCut;
    handler(Msg, Handled);
    if (Handled) return;
  }
  const TShiftState shift = KeyDataToShiftState(Msg.KeyData);
  // A new press of Alt is a request of its own (Wine names the key left or right Alt).
  if (Msg.CharCode == VK_MENU || Msg.CharCode == VK_LMENU || Msg.CharCode == VK_RMENU) FAltTakenBySystemMenu = false;
  if (Msg.CharCode == VK_SPACE && shift == TShiftState{ssAlt}) {
    ShowSystemMenuFromKeyboard();
    FAltTakenBySystemMenu = true;
    FShortCutHandledByMenu = false;
    Handled = true;
    return;
  }
  FShortCutHandledByMenu = false;
  // With the form's own menu detached, the main menu takes its shortcuts here.
  TMainMenu* menu = ShortCutMenu();
  if (menu == nullptr) return;
  if (shift.Contains(ssAlt) && Msg.CharCode != VK_F4 && FindMainMenuAccelerator(Msg.CharCode)) {
    Handled = true;
    return;
  }
  FShortCutHandledByMenu = menu->IsShortCut(Msg);
  Handled = FShortCutHandledByMenu;
  // The menu of the active MDI child merged into the bar takes its shortcuts as well, of a
  // child in any state: the bar shows that menu whether the child is maximized or not, and
  // a shortcut shown there must work. Its accelerators need no second search: the bar's
  // items, which the search above went through, are the merged ones.
  if (TMainMenu* child = FMainMenuBar != nullptr ? FMainMenuBar->ChildMenu() : nullptr; !Handled && child != nullptr)
    Handled = child->IsShortCut(Msg);
}
