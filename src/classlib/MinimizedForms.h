#pragma once
// The forms that minimizing the application took off the screen. On Windows the system
// hides a minimized window's owned windows by itself; elsewhere (Wine without a window
// manager) they would stay on the screen, and usable.

#include "base/win32/WinApi.h"

#include <vector>

class TMinimizedForms {
public:
  // Hides the top-level forms on the screen, where and as they are. The application
  // window Owner becomes the active window when the active one was among them, so that
  // no key reaches a form off the screen.
  void Hide(HWND Owner);
  // Shows again, where and as they were, those still meant to show: a form closed or
  // freed meanwhile stays away.
  void ShowAgain();
  bool Empty() const { return FWindows.empty(); }

private:
  std::vector<HWND> FWindows;
};
