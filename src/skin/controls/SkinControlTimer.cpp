#include "SkinControlTimer.h"

#include "classlib/WinControl.h"

#include <algorithm>

void TspControlTimer::Start(unsigned Interval) {
  if (!FControl.HandleAllocated()) return;
  FRunning = SetTimer(FControl.Handle(), FId, std::max(Interval, 1u), nullptr) != 0;
}

void TspControlTimer::Stop() {
  if (FRunning && FControl.HandleAllocated()) KillTimer(FControl.Handle(), FId);
  FRunning = false;
}
