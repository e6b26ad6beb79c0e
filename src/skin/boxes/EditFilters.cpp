#include "EditFilters.h"

#include "classlib/WinControl.h"

#include "base/KeyCodes.h"

namespace {

bool KeyDown(UINT Key) { return GetKeyState(static_cast<int>(Key)) < 0; }

// The command a clipboard key stands for; 0 for any other key.
UINT ClipboardCommand(const TMessage& Message) {
  const bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
  if (Message.Msg == WM_SYSKEYDOWN) return Message.WParam == VK_BACK ? WM_UNDO : 0;
  if (Message.Msg != WM_KEYDOWN) return 0;
  if (Message.WParam == VK_INSERT && shift && !ctrl) return WM_PASTE;
  if (Message.WParam == VK_INSERT && ctrl && !shift) return WM_COPY;
  if (Message.WParam == VK_DELETE && shift && !ctrl) return WM_CUT;
  return 0;
}

}  // namespace

bool ReadOnlyDrops(const TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR: return Message.WParam != KeyChar::CtrlC;
    case WM_KEYDOWN: return Message.WParam == VK_DELETE;
    case WM_SYSKEYDOWN: return Message.WParam == VK_BACK;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO: return true;
    default: return false;
  }
}

bool RouteClipboardKey(TWinControl& Edit, TMessage& Message) {
  const UINT command = ClipboardCommand(Message);
  if (command == 0) return false;
  Edit.Perform(command);
  Message.Result = 0;
  return true;
}

bool RouteSelectAllKey(TWinControl& Edit, TMessage& Message) {
  if (Message.Msg == WM_CHAR && Message.WParam == KeyChar::CtrlA) return true;
  if (Message.Msg != WM_KEYDOWN || Message.WParam != 'A' || !KeyDown(VK_CONTROL) || KeyDown(VK_SHIFT) ||
      KeyDown(VK_MENU))
    return false;
  SendMessageA(Edit.Handle(), EM_SETSEL, 0, -1);
  Message.Result = 0;
  return true;
}
