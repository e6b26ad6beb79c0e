#pragma once
// Controls that paint themselves on a canvas: TCustomControl (windowed) and
// TGraphicControl (windowless, painted into its parent's DC), and TControlCanvas, the
// canvas of a control. Outside painting a control canvas takes a DC of the control's
// window (a windowless control's parent window, moved and clipped to the control) and
// keeps it until the application is idle, the window goes, or the canvas is freed.

#include "Canvas.h"
#include "WinControl.h"

class TControlCanvas : public TCanvas {
public:
  explicit TControlCanvas(TControl& Control) : FControl(Control) {}
  ~TControlCanvas() override;

  TControl& Control() const { return FControl; }
  // Lets a DC the canvas took go (a borrowed one is only forgotten).
  void ReleaseContext() { FreeHandle(); }

protected:
  void CreateHandle() override;
  void ReleaseOwnedHandle(HDC DC) override;

private:
  friend void FreeWindowDeviceContexts(HWND Window);
  TControl& FControl;
  HWND FWindow = nullptr;
};

// Releases the DCs that unlocked control canvases hold (the application does it when idle).
void FreeDeviceContexts();
// Releases the DCs canvases took from Window, locked or not (the window is going).
void FreeWindowDeviceContexts(HWND Window);

class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner);
  TCanvas* Canvas() { return &FCanvas; }

protected:
  // Draws the control on Canvas; empty by default.
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;

private:
  TControlCanvas FCanvas;
};

class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner);
  TCanvas* Canvas() { return &FCanvas; }
  void Dispatch(TMessage& Message) override;
  void SetParent(TWinControl* AParent) override;

protected:
  // Draws the control on Canvas (its DC set to the parent's, moved to the control).
  virtual void Paint() {}
  // A DC the canvas holds was moved and clipped to the old place: it goes.
  void BoundsChanged(bool SizeChanged) override;

private:
  void HandlePaint(TMessage& Message);
  TControlCanvas FCanvas;
};

// Paints with Canvas bound to DC, then unbinds it, also when painting raises.
void PaintOnCanvas(TCanvas& Canvas, HDC DC, const TDelegate<void()>& Paint);
