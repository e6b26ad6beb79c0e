#include "SkinControl.h"

#include "SkinControlMessages.h"

#include "classlib/DeviceContexts.h"

void TspSkinControl::ParentBackgroundChanged() {
  if (!AlphaBlend()) return;
  Repaint();
  NotifyChildrenBackgroundChanged();
}

void TspSkinControl::NotifyChildrenBackgroundChanged() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      if (windowed->HandleAllocated()) SendMessageA(windowed->Handle(), SP_PARENT_BACKGROUND_CHANGED, 0, 0);
    } else if (dynamic_cast<TGraphicControl*>(child) != nullptr) {
      child->Perform(SP_PARENT_BACKGROUND_CHANGED, 0, 0);
    }
  }
}

bool TspSkinControl::PaintOnErase(TMessage& Message) {
  auto* dc = reinterpret_cast<HDC>(Message.WParam);
  const bool paints = ErasePaints(dc);
  if (paints) PaintWindow(dc);
  Message.Result = 1;
  return paints;
}

bool TspSkinControl::ErasePaints(HDC DC) {
  if (InPaint()) return false;
  return !(HandleAllocated() && WindowFromDC(DC) == Handle() && AwaitsPaint(Handle()));
}

void TspSkinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOVE:
      TCustomControl::Dispatch(Message);
      if (AlphaBlend()) Repaint();  // the blended background moved
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;  // the paint covers the whole control
      return;
    case SP_PARENT_BACKGROUND_CHANGED: ParentBackgroundChanged(); return;
    default: TCustomControl::Dispatch(Message);
  }
}
