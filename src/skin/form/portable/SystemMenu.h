#pragma once
// The contents of the skinned frame's system menu and tray menu for the window's state:
// which standard items exist, their names, captions and shortcut texts, and what each
// runs when clicked. The window class turns the descriptions into menu items.

#include "FrameTypes.h"
#include "WindowStates.h"

#include "skin/data/ResourceStrData.h"

#include <string>
#include <vector>

enum class TspSystemMenuCommand : uint8_t {
  Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close, TrayRestore, Separator
};

struct TspSystemMenuItem {
  TspSystemMenuCommand Command = TspSystemMenuCommand::Separator;
  std::string Name;      // "DSF_MINITEM", ...; empty for a separator
  std::string Caption;   // "-" for a separator
  std::string ShortCut;  // the close items': "Alt+F4", "Ctrl+F4" in an MDI child
  // Inserted before the user's own items, not after them (a user system menu only).
  bool AtTop = false;
  friend bool operator==(const TspSystemMenuItem&, const TspSystemMenuItem&) = default;
};

// What the menu is built for.
struct TspSystemMenuContext {
  TspFrameState State;
  TspBorderIcons BorderIcons;
  bool MDIChild = false;
  // The skin's strings; nullptr: the built-in captions.
  const TspResourceStrData* Strings = nullptr;
};

// The default system menu: minimize, maximize, restore, roll-up and to-tray as the state
// and border icons allow, a separator when any of them is there, then close.
std::vector<TspSystemMenuItem> DefaultSystemMenuItems(const TspSystemMenuContext& Context);
// The standard items added to a user-supplied system menu, with built-in captions, in
// the order they are added. A minimized window gets close alone of the last two.
std::vector<TspSystemMenuItem> UserSystemMenuItems(const TspSystemMenuContext& Context);
// True for the names of the standard items, which a rebuild of a user menu replaces.
bool IsStandardSystemMenuItem(const std::string& Name);
// The tray icon's menu: restore, a separator, close.
std::vector<TspSystemMenuItem> TrayMenuItems(const TspResourceStrData* Strings, bool MDIChild);

// What a click on an item runs. Restore unrolls a window that was rolled up in its
// present state, and restores it otherwise.
TspFrameAction SystemMenuAction(TspSystemMenuCommand Command, const TspFrameState& State,
                                bool AlwaysMinimizeToTray);
