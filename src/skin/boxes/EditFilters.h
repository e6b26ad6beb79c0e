#pragma once
// Windows only. What the skinned edits and the memo do with editing messages before the
// system's edit sees them. A read-only skinned edit keeps its native control writable
// (so that it keeps its colours and caret) and drops every message that would change
// the text instead; the clipboard keys become the clipboard commands, which the native
// control would otherwise carry out by itself past those rules.

#include "classlib/Messages.h"

class TWinControl;

// Whether a read-only edit drops Message: a typed character other than Ctrl+C, Delete
// (also with Shift, which cuts), Alt+Backspace (which undoes), and the commands cut,
// paste, clear and undo.
bool ReadOnlyDrops(const TMessage& Message);

// Shift+Insert, Shift+Delete and Ctrl+Insert sent to Edit as WM_PASTE, WM_CUT and
// WM_COPY, and Alt+Backspace as WM_UNDO, so that they pass the same filters as the
// menu's and the typed commands. Returns true when Message was such a key (it is then
// handled).
bool RouteClipboardKey(TWinControl& Edit, TMessage& Message);

// Ctrl+A selects the whole text, in every skinned edit alike (the system's edit does it
// only in some versions and kinds); the character it types (1) is dropped. True when
// Message was that key or its character.
bool RouteSelectAllKey(TWinControl& Edit, TMessage& Message);
