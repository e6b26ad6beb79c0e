#pragma once
// Window DCs made ahead of the first paint. The system keeps the DCs windows give back in
// a cache and hands one whose window is gone to any window that asks; under Wine a DC it
// has to make anew costs several round trips to the window server, and a start paints
// three dozen windows, each needing its own (and a framed one a second). The program's
// start has a thread of its own take that many DCs on a window of its own while the main
// thread reads the skin and forms, give them back and destroy the window: the cache then
// holds them, ready.

#include "base/win32/WinApi.h"

#include <vector>

// Takes Count DCs at once on a window of its own, gives them back and destroys the window;
// returns the DCs it took, which now wait in the cache.
std::vector<HDC> ReserveWindowDCs(int Count);

// Starts reserving as many DCs as the main window needs on a thread; called once, as the
// program starts.
void StartReservingWindowDCs();
