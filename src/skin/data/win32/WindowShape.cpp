#include "WindowShape.h"

#include <utility>

bool HasWindowRegion(HWND Window) {
  const TRegion probe(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(Window, probe.get()) != ERROR;
}

bool ShapeWindow(HWND Window, TRegion Region, bool Redraw) {
  // Taking away a region the window does not hold would only redraw it.
  if (Region == nullptr && !HasWindowRegion(Window)) return true;
  return GiveWindowRegion(Window, std::move(Region), Redraw);
}
