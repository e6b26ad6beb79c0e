#pragma once
// TspFrameMenuModes: the skinned frame's menu keys. Skinned menus never take the focus, so
// while one is open (or the main menu is driven from the keyboard, main-menu mode) the
// frame holds the application's message handler and hands the key presses to the
// innermost menu level or to the main menu's items (on the menu bar, or the frame's own).
// It also answers the form's shortcuts: the frame's own handler, Alt+Space, then the main
// menu's accelerators and shortcuts.

#include "skin/form/portable/AltKeyRelease.h"

#include "classlib/Application.h"
#include "classlib/Menus.h"

#include <cstdint>

class TObject;
class TspDynamicSkinForm;

class TspFrameMenuModes {
public:
  explicit TspFrameMenuModes(TspDynamicSkinForm& Frame) : FFrame(Frame) {}
  TspFrameMenuModes(const TspFrameMenuModes&) = delete;
  TspFrameMenuModes& operator=(const TspFrameMenuModes&) = delete;

  bool MenuOpen() const { return FMenuOpen; }
  bool MainMenuMode() const { return FMainMenuMode; }
  // A skin menu opened on the window, or closed.
  void SkinMenuOpen();
  void SkinMenuClose();
  // Hooking the application's message handler, and giving it back while it is still ours.
  void HookApplicationMessages();
  void UnhookApplicationMessages();
  // Main-menu mode: entering hooks the application's messages and fires OnMainMenuEnter
  // with Sender (once); ending closes an open menu and lets the hook go.
  void EnterMainMenuMode(TObject* Sender);
  void EndMainMenuMode();
  // The Alt key alone, or Alt with a character no accelerator took (the system's key
  // menu command); LParam as it came. Whether the frame took it.
  bool SystemKeyMenu(LPARAM LParam);
  // The form's OnShortCut.
  void FormShortCut(TWMKey& Msg, bool& Handled);
  // Alt+Key: the top-level item with that accelerator becomes hot and opens.
  bool FindMainMenuAccelerator(uint16_t Key);
  // The frame goes: no mode is left on, and the hook goes.
  void Reset();

private:
  // The Alt key alone: the menu bar, or the first item in the frame, takes the keys.
  void StartMainMenuMode();
  // Escape closed the last level in main-menu mode: the item stays hot, the mode on.
  void LeaveMenuFromKeyboard();
  // The arrows: the hot item moves to the next (or previous) item the keys may reach.
  void StepMainMenu(bool Forward);
  // Enter and Down: the hot item opens its menu (or runs its command); false for none.
  bool PressMainMenuItem();
  // The menu whose shortcuts and accelerators the form's keys reach: the bar's, else
  // the frame's MainMenu.
  TMainMenu* ShortCutMenu() const;
  // The object whose menu closed goes up.
  void ReleaseMenuObject();
  void ApplicationMessageWhileMenuOpen(MSG& Msg, bool& Handled);
  void MenuKeyDown(uint16_t Key);

  TspDynamicSkinForm& FFrame;
  bool FMenuOpen = false;
  bool FMainMenuMode = false;
  bool FApplicationHooked = false;
  TApplication::TMessageEvent FSavedApplicationMessage;
  // Alt+Space and the accelerators take their key from the system, which then takes the
  // Alt key's release for Alt alone: that release leaves their menus open.
  TspAltKeyRelease FAltKeyRelease;
};
