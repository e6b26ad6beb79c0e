// Keys while a skin menu is open: skinned menus never take the focus, so the frame holds
// the application's message handler and hands the key presses to the innermost menu
// level; main-menu mode, in which the main menu (on the menu bar, or the frame's own
// items) is driven from the keyboard; and the form's shortcuts, which the main menu takes.
#include "FrameMenuModes.h"

#include "DynamicSkinForm.h"

#include "MainMenuItemRow.h"
#include "SkinButtonObjects.h"
#include "SkinDisplayObjects.h"
#include "SkinMainMenuBar.h"
#include "SkinMainMenuItem.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

#include <utility>

void TspFrameMenuModes::SkinMenuOpen() {
  if (!FMainMenuMode) HookApplicationMessages();
  if (FMenuOpen) return;
  FMenuOpen = true;
  if (FFrame.OnSkinMenuOpen) FFrame.OnSkinMenuOpen(&FFrame);
}

void TspFrameMenuModes::SkinMenuClose() {
  FMenuOpen = false;
  ReleaseMenuObject();
  UnhookApplicationMessages();
  if (FFrame.OnSkinMenuClose) FFrame.OnSkinMenuClose(&FFrame);
  if (!FMainMenuMode) return;
  FMainMenuMode = false;
  if (FFrame.MainMenuBar() != nullptr) FFrame.MainMenuBar()->ResetItems();
  if (FFrame.OnMainMenuExit) FFrame.OnMainMenuExit(&FFrame);
}

void TspFrameMenuModes::ReleaseMenuObject() {
  for (TspSkinMainMenuItem* item : FFrame.MainMenuItems())
    if (item->Down) {
      item->SetDown(false);
      return;
    }
  for (int i = 0; i < FFrame.ObjectCount(); ++i) {
    auto* button = dynamic_cast<TspSkinButtonObject*>(FFrame.Objects(i));
    if (button != nullptr && button->MenuItem != nullptr && button->Down) {
      button->SetDown(false);
      return;
    }
  }
  for (int i = 0; i < FFrame.ObjectCount(); ++i) {
    auto* animate = dynamic_cast<TspSkinAnimateObject*>(FFrame.Objects(i));
    if (animate != nullptr && animate->MenuTracking) {
      animate->MenuClosed();
      return;
    }
  }
}

void TspFrameMenuModes::StartMainMenuMode() {
  if (FFrame.MainMenuBar() != nullptr) {
    FFrame.MainMenuBar()->EnterKeyboardMode();
    return;
  }
  TspSkinMainMenuItem* first = nullptr;
  for (TspSkinMainMenuItem* item : FFrame.MainMenuItems()) {
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
  if (FFrame.OnMainMenuEnter) FFrame.OnMainMenuEnter(&FFrame);
}

void TspFrameMenuModes::EnterMainMenuMode(TObject* Sender) {
  if (FMainMenuMode) return;
  FMainMenuMode = true;
  HookApplicationMessages();
  if (FFrame.OnMainMenuEnter) FFrame.OnMainMenuEnter(Sender);
}

void TspFrameMenuModes::EndMainMenuMode() {
  FMainMenuMode = false;
  if (FFrame.SkinMenu()->Active()) FFrame.SkinMenu()->CloseMenu();
  if (FFrame.MainMenuBar() != nullptr) {
    FFrame.MainMenuBar()->ResetItems();
  } else {
    // The item keeps no light: pressed, or hot from the keys.
    for (TspSkinMainMenuItem* item : FFrame.MainMenuItems())
      if (item->Down || item->Active) {
        item->MouseLeave();
        break;
      }
  }
  UnhookApplicationMessages();
  if (FFrame.OnMainMenuExit) FFrame.OnMainMenuExit(&FFrame);
}

void TspFrameMenuModes::LeaveMenuFromKeyboard() {
  FMenuOpen = false;
  if (FFrame.MainMenuBar() != nullptr) {
    FFrame.MainMenuBar()->ReleaseDownItem();
  } else {
    for (TspSkinMainMenuItem* item : FFrame.MainMenuItems())
      if (item->Down) {
        item->SetDown(false);
        item->MouseEnter();
        break;
      }
  }
  if (FFrame.OnSkinMenuClose) FFrame.OnSkinMenuClose(&FFrame);
}

void TspFrameMenuModes::StepMainMenu(bool Forward) {
  if (FFrame.MainMenuBar() == nullptr)
    StepMainMenuItems(FFrame.MainMenuItems(), Forward);
  else if (Forward)
    FFrame.MainMenuBar()->NextItem();
  else
    FFrame.MainMenuBar()->PriorItem();
}

bool TspFrameMenuModes::PressMainMenuItem() {
  if (FFrame.MainMenuBar() != nullptr) return FFrame.MainMenuBar()->PressHotItem();
  return PressHotMainMenuItem(FFrame.MainMenuItems(), FMenuOpen);
}

bool TspFrameMenuModes::FindMainMenuAccelerator(uint16_t Key) {
  if (FFrame.MainMenuBar() != nullptr) return FFrame.MainMenuBar()->FindAccelItem(Key);
  return FindAccelMainMenuItem(FFrame.MainMenuItems(), Key, FMenuOpen);
}

bool TspFrameMenuModes::SystemKeyMenu(LPARAM LParam) {
  // The release of the Alt key whose Space or accelerator opened a menu leaves it open.
  if (!FAltKeyRelease.AsksForMainMenu(static_cast<uint32_t>(LParam))) return true;
  if (FMainMenuMode) {
    EndMainMenuMode();
    return true;
  }
  if (FFrame.SkinMenu()->Active()) SkinMenuClose();
  // The Alt key alone, or Alt with a character no accelerator took: the main menu takes
  // the keys from here.
  StartMainMenuMode();
  return true;
}

void TspFrameMenuModes::Reset() {
  FMenuOpen = FMainMenuMode = false;
  UnhookApplicationMessages();
}

void TspFrameMenuModes::HookApplicationMessages() {
  if (FApplicationHooked) return;
  FApplicationHooked = true;
  FSavedApplicationMessage = Application->OnMessage;
  Application->OnMessage = Event(this, &TspFrameMenuModes::ApplicationMessageWhileMenuOpen);
}

void TspFrameMenuModes::UnhookApplicationMessages() {
  if (!FApplicationHooked) return;
  FApplicationHooked = false;
  // A handler someone installed after this one stays.
  if (Application->OnMessage == Event(this, &TspFrameMenuModes::ApplicationMessageWhileMenuOpen))
    Application->OnMessage = FSavedApplicationMessage;
  FSavedApplicationMessage = nullptr;
}

void TspFrameMenuModes::ApplicationMessageWhileMenuOpen(MSG& Msg, bool& Handled) {
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

void TspFrameMenuModes::MenuKeyDown(uint16_t Key) {
  // The main form's menus show an MDI child's keys.
  if (FFrame.Core().Options.MDIChild)
    if (TspDynamicSkinForm* main = GetDynamicSkinForm(Application->MainForm());
        main != nullptr && main != &FFrame &&
        (main->FMenus.FMenuOpen || main->FMenus.FMainMenuMode || main->SkinMenu()->Active())) {
      main->FMenus.MenuKeyDown(Key);
      return;
    }
  if (FMainMenuMode && FindMainMenuAccelerator(Key)) return;
  if (FMainMenuMode && Key == VK_ESCAPE && !FMenuOpen) {
    EndMainMenuMode();
    return;
  }
  const std::vector<TspSkinPopupWindow*>& levels = FFrame.SkinMenu()->PopupWindows();
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
  if (Key != VK_ESCAPE || !FFrame.SkinMenu()->PopupWindows().empty()) return;
  if (FMainMenuMode)
    LeaveMenuFromKeyboard();
  else if (FMenuOpen)
    SkinMenuClose();
}

TMainMenu* TspFrameMenuModes::ShortCutMenu() const {
  if (FFrame.MainMenuBar() != nullptr && FFrame.MainMenuBar()->MainMenu() != nullptr) return FFrame.MainMenuBar()->MainMenu();
  return FFrame.MainMenu();
}

void TspFrameMenuModes::FormShortCut(TWMKey& Msg, bool& Handled) {
  // Every key press the form sees, Alt's own among them, is one the system saw too,
  // unless one of the Alt shortcuts below takes it.
  FAltKeyRelease.KeyPressed(false);
  if (FFrame.OnShortCut) {
    const TShortCutEvent handler = FFrame.OnShortCut;
    handler(Msg, Handled);
    if (Handled) return;
  }
  const TShiftState shift = KeyDataToShiftState(Msg.KeyData);
  if (Msg.CharCode == VK_SPACE && shift == TShiftState{ssAlt}) {
    FAltKeyRelease.KeyPressed(true);
    FFrame.ShowSystemMenuFromKeyboard();
    Handled = true;
    return;
  }
  // With the form's own menu detached, the main menu takes its shortcuts here.
  TMainMenu* menu = ShortCutMenu();
  if (menu == nullptr) return;
  if (shift.Contains(ssAlt) && Msg.CharCode != VK_F4) {
    // Taken before the search: the command of an item without a submenu may free the
    // window, and nothing of it is touched after.
    FAltKeyRelease.KeyPressed(true);
    if (FindMainMenuAccelerator(Msg.CharCode)) {
      Handled = true;
      return;
    }
    FAltKeyRelease.KeyPressed(false);
  }
  Handled = menu->IsShortCut(Msg);
  // The menu of the active MDI child merged into the bar takes its shortcuts as well, of a
  // child in any state: the bar shows that menu whether the child is maximized or not, and
  // a shortcut shown there must work. Its accelerators need no second search: the bar's
  // items, which the search above went through, are the merged ones.
  if (TMainMenu* child = FFrame.MainMenuBar() != nullptr ? FFrame.MainMenuBar()->ChildMenu() : nullptr; !Handled && child != nullptr)
    Handled = child->IsShortCut(Msg);
}
