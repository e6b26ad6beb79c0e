#pragma once
// TspClientAreaControls: the controls of a window whose frame is drawn in its client area
// (no NC support). A skinned control that names one of the skin's areas is laid out in it
// (anchored to the window's size on a resizable frame), and a roll-up of such a frame
// hides the window's visible controls until it unrolls.

#include "base/Geometry.h"

#include <vector>

class TControl;
class TCustomForm;
class TspFrameCore;
class TspSkinData;

class TspClientAreaControls {
public:
  explicit TspClientAreaControls(TCustomForm& Form) : FForm(Form) {}

  // The form's controls that name an area of Skin, which each then takes without align.
  void Collect(TspSkinData* Skin);
  void Clear() { FPlaced.clear(); }
  void LayOut(const TspFrameCore& Core, TspSkinData* Skin);
  // The roll-up hides the visible controls (the same ones again if already rolled up);
  // unrolling shows them.
  void HideForRollUp();
  void ShowAfterUnroll();

private:
  struct TPlaced {
    TControl* Control;
    TRect AreaRect;
  };

  TCustomForm& FForm;
  std::vector<TPlaced> FPlaced;
  std::vector<TControl*> FHidden;
};
