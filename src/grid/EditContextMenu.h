#pragma once
// Windows only. The skinned context menu of an edit: Undo, Cut, Copy, Paste, Delete and
// Select All, captioned from the skin strings of its window's frame (the built-in
// English texts without them), enabled for the edit's selection and the clipboard, and
// shown through the skin menu engine of its window's frame.

#include "base/Geometry.h"

class TCustomEdit;
class TspSkinPopupMenu;

// Builds the menu, owned by Edit, and opens it at the screen point At with Edit as its
// opener (which hears SP_MENU_ITEM_EXECUTED after a command ran). A ReadOnly edit
// offers no command that would change its text.
TspSkinPopupMenu* PopupEditContextMenu(TCustomEdit& Edit, bool ReadOnly, TPoint At);
