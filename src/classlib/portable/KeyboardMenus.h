#pragma once
// Where a control's context menu goes when the keyboard asks for it (the context-menu
// key, Shift+F10), as the system places one.

#include "base/Geometry.h"

// The menu's point in the control's client coordinates: below the left end of Anchor
// (the focused cell, the caret's line) as far as that lies in the client area, so that
// the menu leaves it in sight; the middle of the client area when there is no anchor or
// it lies out of view.
TPoint KeyboardMenuPlace(const TRect& Client, const TRect& Anchor);
