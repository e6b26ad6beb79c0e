#include "WindowShape.h"

#include "skin/data/RegionRectBudget.h"

#include <utility>

namespace {

// The regions of every window shaped here: one budget for all the windows of the skin
// (only one skin is in use at a time).
TRegionRectBudget& RegionBudget() {
  static TRegionRectBudget budget(MaxSkinRegionRects);
  return budget;
}

uintptr_t WindowKey(HWND Window) { return reinterpret_cast<uintptr_t>(Window); }

size_t RectCount(HRGN Region) {
  const DWORD size = GetRegionData(Region, 0, nullptr);
  return size > sizeof(RGNDATAHEADER) ? (size - sizeof(RGNDATAHEADER)) / sizeof(RECT) : 0;
}

}  // namespace

bool HasWindowRegion(HWND Window) {
  const TRegion probe(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(Window, probe.get()) != ERROR;
}

size_t RegionRectsLeftFor(HWND Window) {
  RegionBudget().ForgetGone([](uintptr_t W) { return !IsWindow(reinterpret_cast<HWND>(W)); });
  return RegionBudget().LeftFor(WindowKey(Window));
}

bool ShapeWindow(HWND Window, TRegion Region, bool Redraw) {
  size_t rects = Region != nullptr ? RectCount(Region.get()) : 0;
  if (rects > RegionRectsLeftFor(Window)) {
    Region.reset();
    rects = 0;
  }
  // Taking away a region the window does not hold would only redraw it.
  if (Region == nullptr && !HasWindowRegion(Window)) {
    RegionBudget().Hold(WindowKey(Window), 0);
    return true;
  }
  if (!GiveWindowRegion(Window, std::move(Region), Redraw)) return false;
  RegionBudget().Hold(WindowKey(Window), rects);
  return true;
}
