#include "CustomControls.h"

#include "base/Exceptions.h"
#include "base/ScopeExit.h"

#include <algorithm>
#include <vector>

namespace {

// Control canvases holding a DC they took themselves. Never freed: canvases may still
// let their DCs go while static objects are destroyed at exit.
std::vector<TControlCanvas*>& CanvasesWithContext() {
  static auto* canvases = new std::vector<TControlCanvas*>;
  return *canvases;
}

}  // namespace

// TControlCanvas

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle() {
  HWND window = nullptr;
  int dx = 0;
  int dy = 0;
  if (auto* windowed = dynamic_cast<TWinControl*>(&FControl)) {
    window = windowed->Handle();
  } else {
    TWinControl* parent = FControl.Parent();
    if (parent == nullptr) throw EInvalidOperation("Control '" + FControl.Name() + "' has no parent window");
    window = parent->Handle();
    dx = FControl.Left();
    dy = FControl.Top();
  }
  HDC dc = GetDC(window);
  if (dc == nullptr) throw EOutOfResources("Out of system resources");
  if (dx != 0 || dy != 0) SetViewportOrgEx(dc, dx, dy, nullptr);
  IntersectClipRect(dc, 0, 0, FControl.Width(), FControl.Height());
  FWindow = window;
  SetOwnedHandle(dc);
  CanvasesWithContext().push_back(this);
}

void TControlCanvas::ReleaseOwnedHandle(HDC DC) {
  auto& canvases = CanvasesWithContext();
  canvases.erase(std::remove(canvases.begin(), canvases.end(), this), canvases.end());
  ReleaseDC(FWindow, DC);
  FWindow = nullptr;
}

void FreeDeviceContexts() {
  const std::vector<TControlCanvas*> canvases = CanvasesWithContext();
  for (TControlCanvas* canvas : canvases)
    if (canvas->LockCount() == 0) canvas->ReleaseContext();
}

void FreeWindowDeviceContexts(HWND Window) {
  const std::vector<TControlCanvas*> canvases = CanvasesWithContext();
  for (TControlCanvas* canvas : canvases)
    if (canvas->FWindow == Window) canvas->ReleaseContext();
}

void PaintOnCanvas(TCanvas& Canvas, HDC DC, const TDelegate<void()>& Paint) {
  Canvas.Lock();
  Canvas.SetHandle(DC);
  TScopeExit release([&] {
    Canvas.SetHandle(nullptr);
    Canvas.Unlock();
  });
  Paint();
}

// TCustomControl

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(*this) {}

void TCustomControl::PaintWindow(HDC DC) {
  PaintOnCanvas(FCanvas, DC, [this] { Paint(); });
}

// TGraphicControl

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(*this) {}

void TGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PAINT) {
    HandlePaint(Message);
    return;
  }
  TControl::Dispatch(Message);
}

void TGraphicControl::SetParent(TWinControl* AParent) {
  if (AParent != Parent()) FCanvas.ReleaseContext();
  TControl::SetParent(AParent);
}

void TGraphicControl::BoundsChanged(bool SizeChanged) {
  if (FCanvas.LockCount() == 0) FCanvas.ReleaseContext();
  TControl::BoundsChanged(SizeChanged);
}

void TGraphicControl::HandlePaint(TMessage& Message) {
  if (Message.WParam == 0) return;  // only ever painted into its parent's DC
  PaintOnCanvas(FCanvas, reinterpret_cast<HDC>(Message.WParam), [this] { Paint(); });
}
