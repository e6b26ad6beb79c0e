#pragma once
// A window's placement record as its window lives: the stored size taken at start-up,
// every resize noted ("Changed" once the size or the maximized state differs from what
// was stored), and the record written back at the end only when it changed; and where a
// window goes when it is centred on another.

#include "app/settings/Config.h"

#include "base/Geometry.h"

#include <cstdint>
#include <functional>
#include <optional>

// The skinned window's states, as the record keeps the last one.
enum TSkinWindowState : uint8_t { swNormal = 0, swMinimized = 1, swMaximized = 2 };

// Start-up: setSize gives the window the stored width and height (its resize handler
// runs meanwhile and may note the sizes as new); the stored maximized state outlives
// that, maximize runs when it is set, and the record starts unchanged.
void RestorePlacement(TWindowPlacement& placement,
                      const std::function<void(int32_t width, int32_t height)>& setSize,
                      const std::function<void()>& maximize);

struct TPlacementResize {
  bool MoveToOrigin = false;  // maximized: the window stands at (0, 0)
  bool Changed = false;       // the record has changed since start-up
};

// A resize in a state, with the window's size then. A normal window keeps its size in
// the record; leaving or entering the maximized state is a change too. A minimized
// window changes nothing but the last state.
TPlacementResize PlacementResized(TWindowPlacement& placement, uint8_t state, int32_t width,
                                  int32_t height);

// Writes the record's group of "Settings.ini" when it changed. A failure is reported
// ("Settings file could not be made !") and goes no further, so that the rest of the
// shutdown runs.
void SavePlacement(TConfigBase& settings, TPlacementIndex window);

// A window as centring sees it: its bounds, and while it is maximized or minimized the
// normal bounds it keeps for its restore.
struct TCentredWindow {
  TRect Bounds;
  std::optional<TRect> RestoreBounds;
};

// The window centred on Target (another window, or the virtual screen from its origin):
// left := Target's left + half its width - half the window's width, the halves truncated
// toward zero, and the top likewise. A maximized window fills its screen's work area
// wherever it is centred (and a minimized one keeps its slot), so its normal bounds are
// centred, for the restore, and the bounds it shows stay.
TCentredWindow CentreWindowOn(const TRect& Target, const TCentredWindow& Window);
