#pragma once
// The timers of the frame's components start stopped: their owner starts each when it has
// work for it.

#include "classlib/Timer.h"

inline TTimer* NewStoppedTimer(TComponent* Owner, unsigned Interval, TNotifyEvent OnTimer) {
  auto* timer = new TTimer(Owner, false);
  timer->SetInterval(Interval);
  timer->OnTimer = OnTimer;
  return timer;
}
