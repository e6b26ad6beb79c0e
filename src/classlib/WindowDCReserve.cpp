#include "WindowDCReserve.h"

namespace {

// The main window's windows take over 40 as it first paints: one each for its client
// area, more for the frames some of them draw.
constexpr int kMainWindowDCs = 48;

DWORD WINAPI ReserveMainWindowDCs(void*) {
  ReserveWindowDCs(kMainWindowDCs);
  return 0;
}

}  // namespace

std::vector<HDC> ReserveWindowDCs(int Count) {
  std::vector<HDC> dcs;
  // A message-only window: it has no place on the screen, and making it costs little.
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (window == nullptr) return dcs;
  // All held at once, so that each is a DC of its own.
  for (int i = 0; i < Count; ++i)
    if (HDC dc = GetDCEx(window, nullptr, DCX_CACHE)) dcs.push_back(dc);
  for (HDC dc : dcs) ReleaseDC(window, dc);
  DestroyWindow(window);
  return dcs;
}

void StartReservingWindowDCs() {
  if (HANDLE thread = CreateThread(nullptr, 0, ReserveMainWindowDCs, nullptr, 0, nullptr)) CloseHandle(thread);
}
