#include "Timer.h"

#include "Application.h"
#include "WindowClasses.h"

#include "base/Exceptions.h"

#include <utility>

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner, bool Enabled) : TComponent(AOwner), FEnabled(Enabled) { UpdateTimer(); }

TTimer::~TTimer() {
  if (FWindow == nullptr) return;
  KillTimer(FWindow, kTimerId);
  DeallocateHWnd(FWindow);
}

HWND TTimer::Handle() {
  // A child of the application's window: timers need no window of their own on top.
  if (FWindow == nullptr) FWindow = AllocateHWnd(Event(this, &TTimer::WndProc), Application->Handle());
  return FWindow;
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FWindow != nullptr) KillTimer(FWindow, kTimerId);
  if (FEnabled && FInterval != 0 && SetTimer(Handle(), kTimerId, FInterval, nullptr) == 0)
    throw EOutOfResources("Not enough timers available");
}

void TTimer::Timer() {
  if (!FEnabled || !OnTimer) return;
  TNotifyEvent handler = OnTimer;
  handler(this);
}

void TTimer::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER) {
    // Nothing of this object is touched after the handler: it may have freed the timer.
    try {
      Timer();
    } catch (...) {
      Application->HandleException(nullptr);
    }
    return;
  }
  Message.Result = DefWindowProcA(FWindow, Message.Msg, Message.WParam, Message.LParam);
}

TTimer* NewStoppedTimer(TComponent* Owner, unsigned Interval, TNotifyEvent OnTimer) {
  auto* timer = new TTimer(Owner, false);
  timer->SetInterval(Interval);
  timer->OnTimer = std::move(OnTimer);
  return timer;
}
