#include "ControlInput.h"

#include "classlib/WinControl.h"

#include "base/ScopeExit.h"

#include <utility>

bool ClickFocusDrops(TWinControl& Control, const TMessage& Message, bool& InSetFocus) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (Control.ComponentState().Contains(csDesigning) || Control.Focused()) return false;
      // OnEnter may free the control (which hides it and takes no focus): then the press
      // goes no further.
      {
        InSetFocus = true;
        TScopeExit done([&] { InSetFocus = false; });
        if (Control.CanFocus()) Control.SetFocus();
      }
      return !Control.Focused();
    }
    case CN_COMMAND: return InSetFocus;
    default: return false;
  }
}

bool TspSpaceKeyPress::Completes(const TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) FPressed = true;
      return false;
    case WM_KEYUP: return Message.WParam == VK_SPACE && std::exchange(FPressed, false);
    case WM_KILLFOCUS: FPressed = false; return false;
    default: return false;
  }
}

bool ControlShowing(TControl& Control) {
  TWinControl* parent = Control.Parent();
  return Control.Visible() && parent != nullptr && parent->Showing();
}
