#pragma once
// The focus rule of skinned controls that take the focus when clicked (check boxes, a
// focusable scroll bar): a press on such a control without the focus takes the focus
// first, and is dropped when the control could not take it; a command notification
// arriving while the focus is being taken is dropped too.

#include "classlib/Messages.h"

class TWinControl;

// Applies the rule to Message on its way into Control's window procedure; true when the
// message must go no further. InSetFocus is the control's own flag, set while the
// focus is being taken.
bool ClickFocusDrops(TWinControl& Control, const TMessage& Message, bool& InSetFocus);
