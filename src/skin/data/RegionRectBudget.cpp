#include "RegionRectBudget.h"

#include "base/Exceptions.h"

#include <algorithm>

size_t TRegionRectBudget::HeldBy(uintptr_t Window) const {
  const auto held =
      std::find_if(FWindows.begin(), FWindows.end(), [&](const TWindowRects& W) { return W.Window == Window; });
  return held != FWindows.end() ? held->Rects : 0;
}

size_t TRegionRectBudget::LeftFor(uintptr_t Window) const { return FMost - (FHeld - HeldBy(Window)); }

void TRegionRectBudget::Hold(uintptr_t Window, size_t Rects) {
  if (Rects > LeftFor(Window)) throw ERangeError("A window region past the budget of the skin's regions");
  FHeld -= HeldBy(Window);
  std::erase_if(FWindows, [&](const TWindowRects& W) { return W.Window == Window; });
  if (Rects == 0) return;
  FWindows.push_back({Window, Rects});
  FHeld += Rects;
}
