#pragma once
// The rectangles of the window regions a skin gives its windows, held against one budget
// for all of them together. Wine's cost of a window region adds up over every window that
// has one: a form of 20 panels, each shaped by a checkerboard mask of 7,248 rectangles
// (within what one region may hold), took 2 s to take a skin, and 40 smaller ones 44 s.
// Windows are named by a number (their handle); a window's rectangles come back to the
// budget when it is reshaped, and when it is gone.

#include <cstddef>
#include <cstdint>
#include <vector>

class TRegionRectBudget {
public:
  explicit TRegionRectBudget(size_t Most) : FMost(Most) {}

  // What a region of Window may hold: the budget less what the other windows hold.
  size_t LeftFor(uintptr_t Window) const;
  // Window holds Rects rectangles from now on, in place of what it held (0: no region).
  // Rects is at most LeftFor(Window).
  void Hold(uintptr_t Window, size_t Rects);
  // Gives back the rectangles of every window Gone(Window) says no longer exists.
  template <class TGone>
  void ForgetGone(TGone Gone) {
    std::erase_if(FWindows, [&](const TWindowRects& W) {
      if (!Gone(W.Window)) return false;
      FHeld -= W.Rects;
      return true;
    });
  }
  size_t Held() const { return FHeld; }

private:
  struct TWindowRects {
    uintptr_t Window;
    size_t Rects;
  };
  size_t HeldBy(uintptr_t Window) const;

  size_t FMost;
  size_t FHeld = 0;
  std::vector<TWindowRects> FWindows;  // those that hold a region
};
