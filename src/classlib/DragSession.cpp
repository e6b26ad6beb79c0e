// The one drag that runs at a time: capture, targets, cursor, drop.
#include "DragSession.h"

#include "MouseTracker.h"
#include "Screen.h"
#include "SystemSeams.h"
#include "WindowClasses.h"

#include "base/ScopeExit.h"

#include <memory>

namespace {

std::unique_ptr<TDragSession> gSession;
uint64_t gNextSerial = 1;

// The control under the screen point P that may take a drop: the enabled, visible
// windowless child there, else the window's own control; nullptr over other windows.
TControl* FindDragTarget(TPoint P) {
  TWinControl* window = FindOwningControl(WindowFromPoint(POINT{P.X, P.Y}));
  if (window == nullptr) return nullptr;
  TControl* child = window->ControlAtPos(window->ScreenToClient(P), false);
  return child != nullptr ? child : window;
}

}  // namespace

TDragSession::TDragSession(TControl* Source, TPoint Start, TSize Threshold)
    : FSource(Source), FStart(Start), FThreshold(Threshold), FSerial(gNextSerial++) {}

TDragSession::~TDragSession() {
  if (FWindow == nullptr) return;
  if (GetCapture() == FWindow) ReleaseCapture();
  DeallocateHWnd(FWindow);
}

void TDragSession::Begin(TControl* Source, bool Immediate, int Threshold) {
  if (gSession != nullptr || Source->DragKind() == dkDock || Source->FreePending()) return;
  const TSize system{GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)};
  std::unique_ptr<TDragSession> session(
      new TDragSession(Source, Seams::CursorPos(), DragThresholdSize(Threshold, system)));
  // Made before the session counts as running: a window that cannot be made leaves none.
  session->FWindow = AllocateHWnd([](TMessage& Message) {
    if (gSession != nullptr) gSession->HandleMessage(Message);
  });
  gSession = std::move(session);
  SetCaptureControl(nullptr);
  SetCapture(gSession->FWindow);
  if (Immediate) gSession->Start(gSession->FStart);
}

void TDragSession::End(TControl* Source, bool Drop) {
  if (gSession == nullptr || gSession->FEnding || gSession->FSource != Source) return;
  gSession->Finish(Drop, Seams::CursorPos(), false, 0);
}

TControl* TDragSession::Source() {
  return gSession != nullptr && !gSession->FEnding ? gSession->FSource : nullptr;
}

bool TDragSession::Cancel() {
  if (gSession == nullptr || gSession->FEnding) return false;
  gSession->Finish(false, Seams::CursorPos(), false, 0);
  return true;
}

void TDragSession::ControlRemoved(TControl* Control) {
  if (gSession == nullptr) return;
  gSession->FTargets.Forget(Control);
  if (gSession->FSource != Control) return;
  if (gSession->FEnding) {
    gSession->FSource = nullptr;  // the end goes on without it
    return;
  }
  gSession.reset();  // a freed control's drag ends unnoticed
}

bool TDragSession::Alive(uint64_t Serial) { return gSession != nullptr && gSession->FSerial == Serial; }

TObject* TDragSession::Dragged() const {
  if (FObject != nullptr) return FObject;
  return FSource;
}

TPoint TDragSession::ScreenPoint(LPARAM LParam) const {
  const TPoint p = PointFromLParam(LParam);
  POINT screen{p.X, p.Y};
  ClientToScreen(FWindow, &screen);
  return {screen.x, screen.y};
}

void TDragSession::HandleMessage(TMessage& Message) {
  if (FEnding) return;  // the capture's release while ending
  switch (Message.Msg) {
    case WM_MOUSEMOVE: Moved(ScreenPoint(Message.LParam)); return;
    case WM_LBUTTONUP: Finish(true, ScreenPoint(Message.LParam), true, Message.WParam); return;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a menu, a message box): no drop.
      if (reinterpret_cast<HWND>(Message.LParam) != FWindow) Finish(false, Seams::CursorPos(), false, 0);
      return;
    case WM_CANCELMODE: Finish(false, Seams::CursorPos(), false, 0); return;
    default: Message.Result = DefWindowProcA(FWindow, Message.Msg, Message.WParam, Message.LParam);
  }
}

void TDragSession::Moved(TPoint P) {
  if (FStarted)
    MoveTo(P);
  else if (DragThresholdPassed(FStart, P, FThreshold))
    Start(P);
}

void TDragSession::Start(TPoint P) {
  FStarted = true;
  const uint64_t serial = FSerial;
  TDragObject* object = nullptr;
  FSource->DoStartDrag(object);
  if (!Alive(serial) || FEnding) return;
  FObject = object;
  MoveTo(P);
}

void TDragSession::MoveTo(TPoint P) {
  const uint64_t serial = FSerial;
  const auto step = FTargets.MoveTo(FindDragTarget(P));
  if (step.Left != nullptr) {
    bool ignored = false;
    const TPoint at = step.Left->ScreenToClient(P);
    step.Left->DragOver(Dragged(), at.X, at.Y, dsDragLeave, ignored);
    if (!Alive(serial) || FEnding) return;
  }
  // The leave handler may have freed the new target; then it was forgotten.
  if (step.Asked != nullptr && step.Asked == FTargets.Target()) {
    bool accept = false;
    const TPoint at = step.Asked->ScreenToClient(P);
    step.Asked->DragOver(Dragged(), at.X, at.Y, step.State, accept);
    if (!Alive(serial) || FEnding) return;
    FTargets.SetAccepted(accept);
  }
  ShowCursor();
}

void TDragSession::ShowCursor() const {
  SetCursor(Screen->Cursors(FTargets.Cursor(FSource->DragCursor(), crNoDrop)));
}

void TDragSession::Finish(bool Drop, TPoint P, bool Release, WPARAM Keys) {
  FEnding = true;
  // Whatever a handler below does or raises, the session goes last; nothing touches
  // it after that.
  TScopeExit endSession([] { gSession.reset(); });
  if (GetCapture() == FWindow) ReleaseCapture();
  if (!FStarted) {
    if (Release) {
      const TPoint at = FSource->ScreenToClient(P);
      FSource->Perform(WM_LBUTTONUP, Keys, PointToLParam(at));
    }
    return;
  }
  TControl* dropTarget = FTargets.DropTarget(Drop);
  if (TControl* left = FTargets.LeftAtEnd(Drop)) {
    bool ignored = false;
    const TPoint at = left->ScreenToClient(P);
    left->DragOver(Dragged(), at.X, at.Y, dsDragLeave, ignored);
  }
  TPoint dropAt{0, 0};
  if (dropTarget != nullptr && dropTarget == FTargets.Target()) {
    dropAt = dropTarget->ScreenToClient(P);
    dropTarget->DragDrop(Dragged(), dropAt.X, dropAt.Y);
  }
  // A handler may have freed the target or the source meanwhile; both are forgotten then.
  if (dropTarget != FTargets.Target()) {
    dropTarget = nullptr;
    dropAt = {0, 0};
  }
  if (FSource != nullptr) FSource->DoEndDrag(dropTarget, dropAt.X, dropAt.Y);
  Screen->RestoreCursor();
}
