#pragma once
// TTimer: fires OnTimer every Interval milliseconds while Enabled, from whatever message
// loop runs. Its handler may change or free the timer. Its window is made when it first
// runs or is asked for: a timer that waits stopped costs none.

#include "Messages.h"

#include "base/Component.h"

class TTimer : public TComponent {
public:
  // Runs at once unless made stopped (Enabled false).
  explicit TTimer(TComponent* AOwner, bool Enabled = true);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Milliseconds; a change restarts the timer, 0 stops it.
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);

  // The window that receives the timer's WM_TIMER; sending it one runs a tick as the
  // system would (nothing while disabled), so that tests never wait for the clock.
  HWND Handle();

  TNotifyEvent OnTimer;

protected:
  virtual void Timer();

private:
  void WndProc(TMessage& Message);
  void UpdateTimer();

  HWND FWindow = nullptr;
  bool FEnabled;
  unsigned FInterval = 1000;
};

// A timer made stopped, ticking OnTimer every Interval milliseconds once its owner starts
// it: most timers wait until their owner has work for them.
TTimer* NewStoppedTimer(TComponent* Owner, unsigned Interval, TNotifyEvent OnTimer);
