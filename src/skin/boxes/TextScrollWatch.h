#pragma once
// Windows only. TspTextScrollWatch: the whole repaint that scrolled text needs in an edit
// whose background the native control does not paint (its colour message answers the
// null brush). The native control scrolls by moving the pixels already shown and paints
// only what it uncovered, without erasing it first, so there the new text would land on
// the old. At each paint the watch compares where the text's first character lies (which
// every scroll moves, along or up and down, whatever caused it: keys, typing, a paste,
// Undo, a drag or its timer, a scroll message) with where it lay at the paint before.

#include "classlib/Messages.h"

#include <optional>

class TspTextScrollWatch {
public:
  // On WM_PAINT of Edit, before the native control paints: after a scroll since the last
  // paint, the whole client area is erased and painted in this paint. A paint into a DC
  // that the message gives (a copy of the control) is not watched.
  void BeforePaint(HWND Edit, const TMessage& Message);

private:
  std::optional<LRESULT> FTextOrigin;
};
