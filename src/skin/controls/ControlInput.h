#pragma once
// Input rules the skinned controls share: the focus taken by a click, and accelerators
// only for controls that show.

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

// Whether Control is visible on a parent that shows on screen: only such a control
// answers its caption's accelerator.
bool ControlShowing(TControl& Control);
