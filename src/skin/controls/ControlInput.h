#pragma once
// Input rules the skinned controls share: the focus taken by a click, the space key's
// press, and accelerators only for controls that show.

#include "classlib/Messages.h"

class TControl;
class TWinControl;

// The rule of controls that take the focus when clicked (check boxes, a focusable
// scroll bar): a press on such a control without the focus takes the focus first, and
// is dropped when the control could not take it; a command notification arriving while
// the focus is being taken is dropped too. Applies it to Message on its way into
// Control's window procedure; true when the message must go no further (also when taking
// the focus freed the control). InSetFocus is the control's own flag, set while the focus
// is being taken.
bool ClickFocusDrops(TWinControl& Control, const TMessage& Message, bool& InSetFocus);

// The space key presses a focused button or check box, and its release completes the
// press only when the key went down on the same control. A release whose key-down went
// elsewhere presses nothing: Alt+Space, which the window takes to open its system menu,
// leaves the focused control the release of Space alone.
class TspSpaceKeyPress {
public:
  // Follows Message on its way into the control's window procedure: the space key going
  // down starts a press, the focus going away drops it. Whether Message is the release
  // of the space key that completes a press.
  bool Completes(const TMessage& Message);

private:
  bool FPressed = false;
};

// Whether Control is visible on a parent that shows on screen: only such a control
// answers its caption's accelerator.
bool ControlShowing(TControl& Control);
