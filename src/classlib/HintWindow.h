#pragma once
// THintWindow: the small window that shows a hint. It floats topmost over everything,
// never takes the activation and lets the mouse through to what lies beneath.

#include "CustomControls.h"

class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);

  // Shows Hint at Rect (screen coordinates, moved inside the desktop when it would
  // leave it), topmost and without taking the activation.
  virtual void ActivateHint(const TRect& Rect, const std::string& Hint);
  // The size Hint needs, as a rectangle at (0, 0), its lines broken at MaxWidth.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& Hint);

  void Dispatch(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};

// How the application makes its hint window: a function creating an object of the class.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);

template <class T>
THintWindow* NewHintWindow(TComponent* AOwner) {
  return new T(AOwner);
}
