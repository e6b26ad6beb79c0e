#pragma once
// TspSkinControl: the base of every windowed skinned control. It draws from the entry
// its SkinDataName names in a skin data component, or in its own default look when the
// skin has no such entry. Every paint looks the entry up again and draws the whole
// control into an off-screen bitmap first, which is then copied onto the window, or
// with AlphaBlend cross-faded with the parent's background that shows behind it
// (TspSkinControlCore); a window adds the parent-background message it passes on to its
// own children.

#include "SkinControlCore.h"

class TspSkinControl : public TspSkinControlCore<TCustomControl> {
public:
  explicit TspSkinControl(TComponent* AOwner) : TspSkinControlCore(AOwner) {}

  // The parent's background changed: a blended control repaints and tells its children.
  virtual void ParentBackgroundChanged();
  // Tells every windowed and windowless child that this control's look behind it changed.
  void NotifyChildrenBackgroundChanged();

  void Dispatch(TMessage& Message) override;

protected:
  // WM_ERASEBKGND for a control that may be asked to draw itself into a DC outside its
  // own painting (a parent's background being copied): it paints itself there when
  // ErasePaints says so, and says whether it did.
  bool PaintOnErase(TMessage& Message);
  // Whether an erase into DC draws the control: not during its own WM_PAINT, and not
  // when the system erases the window ahead of a paint it still owes (as a window
  // shows), which draws it all anyway.
  bool ErasePaints(HDC DC);
};
