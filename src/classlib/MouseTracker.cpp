#include "MouseTracker.h"

#include "WindowClasses.h"

namespace {

TControl* gCaptureControl = nullptr;  // a windowless control whose parent holds the capture
TControl* gMouseControl = nullptr;

HWND WindowOf(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control))
    return windowed->HandleAllocated() ? windowed->Handle() : nullptr;
  TWinControl* parent = control->Parent();
  return parent != nullptr && parent->HandleAllocated() ? parent->Handle() : nullptr;
}

// The deepest control at P in Window's client area, or nullptr when P lies outside it.
TControl* ControlUnder(TWinControl* window, TPoint p) {
  for (;;) {
    if (!PtInRect(window->ClientRect(), p)) return nullptr;
    TControl* child = window->ControlAtPos(p, true, true);
    if (child == nullptr) return window;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed == nullptr) return child;
    p = windowed->ScreenToClient(window->ClientToScreen(p));
    window = windowed;
  }
}

void StartLeaveTracking(HWND window) {
  TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
  TrackMouseEvent(&track);
}

}  // namespace

TControl* GetCaptureControl() {
  TWinControl* holder = FindControl(GetCapture());
  if (holder == nullptr) return nullptr;
  if (gCaptureControl != nullptr && gCaptureControl->Parent() == holder) return gCaptureControl;
  return holder;
}

// A new capture takes the mouse from any other at once: releasing it first would cost
// two more trips to the window server on every press (and a made-up mouse move).
void SetCaptureControl(TControl* Control) {
  if (Control != nullptr && Control->FreePending()) return;  // freed: it takes nothing
  gCaptureControl = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) {
    SetCapture(windowed->Handle());
    return;
  }
  if (Control == nullptr || Control->Parent() == nullptr) {
    ReleaseCapture();
    return;
  }
  gCaptureControl = Control;
  SetCapture(Control->Parent()->Handle());
}

namespace MouseTracking {

TControl* MouseControl() { return gMouseControl; }

void MessageHandled(HWND Window, UINT Msg, LPARAM LParam) {
  TWinControl* window = FindControl(Window);
  if (window == nullptr) return;
  TControl* under = nullptr;
  if (Msg == WM_MOUSELEAVE) {
    // The pointer left Window; a control tracked elsewhere meanwhile stays.
    if (gMouseControl == nullptr || WindowOf(gMouseControl) != Window) return;
  } else {
    under = ControlUnder(window, PointFromLParam(LParam));
    if (Msg == WM_MOUSEMOVE) StartLeaveTracking(Window);
  }
  TControl* capture = GetCaptureControl();
  TControl* target = capture != nullptr && under != capture ? nullptr : under;
  if (target == gMouseControl) return;
  TControl* old = gMouseControl;
  gMouseControl = target;
  if (old != nullptr) old->Perform(CM_MOUSELEAVE);
  // The leave handler may have freed the new control; then it is forgotten already.
  if (target != nullptr && gMouseControl == target) target->Perform(CM_MOUSEENTER);
}

void ControlRemoved(TControl* Control) {
  if (gMouseControl == Control) gMouseControl = nullptr;
  if (gCaptureControl == Control) {
    gCaptureControl = nullptr;
    TWinControl* parent = Control->Parent();
    if (parent != nullptr && parent->HandleAllocated() && GetCapture() == parent->Handle())
      ReleaseCapture();
  }
}

}  // namespace MouseTracking
