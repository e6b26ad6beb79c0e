#pragma once
// A timer of a windowed skinned control, set on the control's own window: each tick
// arrives as WM_TIMER with the timer's id in the control's window procedure (so a test
// drives it by sending that message). A control with several timers gives each its own id.

#include "classlib/Messages.h"

class TWinControl;

class TspControlTimer {
public:
  TspControlTimer(TWinControl& Control, UINT_PTR Id) : FControl(Control), FId(Id) {}
  ~TspControlTimer() { Stop(); }
  TspControlTimer(const TspControlTimer&) = delete;
  TspControlTimer& operator=(const TspControlTimer&) = delete;

  // Ticks every Interval milliseconds from now on (a running timer starts again); a
  // control without a window yet has no timer.
  void Start(unsigned Interval);
  void Stop();
  bool Running() const { return FRunning; }
  // Whether Message is a tick of this timer.
  bool Is(const TMessage& Message) const { return Message.Msg == WM_TIMER && Message.WParam == FId; }

private:
  TWinControl& FControl;
  UINT_PTR FId;
  bool FRunning = false;
};
