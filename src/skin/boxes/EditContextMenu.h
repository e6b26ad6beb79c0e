#pragma once
// Windows only. The skinned context menu of an edit or memo: Undo, Cut, Copy, Paste,
// Delete and Select All, with the captions of the skin's resource strings or the built-in
// English ones, enabled as the edit's state allows, shown by the skin menu engine of the
// window's skinned frame (nothing shows without one). The edit opens it on WM_CONTEXTMENU;
// the menu lives until a command of it ran, the next menu opens or the edit goes.

#include "classlib/Edit.h"

#include <cstdint>
#include <functional>

class TspResourceStrData;
class TspSkinPopupMenu;

class TspEditContextMenu {
public:
  // Edit is the control the menu belongs to (and its owner); ReadOnly tells whether the
  // edit takes changes now.
  TspEditContextMenu(TCustomEdit& Edit, std::function<bool()> ReadOnly);
  TspEditContextMenu(const TspEditContextMenu&) = delete;
  TspEditContextMenu& operator=(const TspEditContextMenu&) = delete;

  // The menu while it lives; nullptr otherwise.
  TspSkinPopupMenu* Menu() const { return FMenu; }

  // A new menu for WM_CONTEXTMENU's point (below the caret from the keyboard), with
  // the captions of Strings (nullptr: the built-in ones). A previous menu still open
  // closes before it goes.
  void Open(const TMessage& Message, const TspResourceStrData* Strings);
  // Handles the edit's messages of the menu: after SP_MENU_ITEM_EXECUTED the menu goes,
  // once that message has returned. True when Message was one of them.
  bool HandleMessage(TMessage& Message);
  // Closes the menu if it still shows, and frees it.
  void Release();

private:
  bool ClipboardHasText() const;

  TCustomEdit& FEdit;
  std::function<bool()> FReadOnly;
  TspSkinPopupMenu* FMenu = nullptr;  // owned by the edit
  uint32_t FSerial = 0;               // of FMenu, so that a late release spares a newer one
};
