#pragma once
// TspClientAreaControls: the controls of a window whose frame is drawn in its client area
// (no NC support). A skinned control that names one of the skin's areas is laid out in it
// (anchored to the window's size on a resizable frame), and a roll-up of such a frame
// hides the window's visible controls until it unrolls. A control freed meanwhile leaves
// both lists: Frame hears of it (through their owner or a free notification) and hands it
// to Notification.

#include "base/Geometry.h"

#include <vector>

class TComponent;
class TControl;
class TCustomForm;
class TspFrameCore;
class TspSkinData;

class TspClientAreaControls {
public:
  TspClientAreaControls(TCustomForm& Form, TComponent& Frame) : FForm(Form), FFrame(Frame) {}

  // The form's controls that name an area of Skin, which each then takes without align.
  void Collect(TspSkinData* Skin);
  void Clear() { FPlaced.clear(); }
  void LayOut(const TspFrameCore& Core, TspSkinData* Skin);
  // The roll-up hides the visible controls (the same ones again if already rolled up);
  // unrolling shows them.
  void HideForRollUp();
  void ShowAfterUnroll();
  // A freed control is forgotten. The free notifications asked for stay: the frame may
  // watch the same control for another reason, and a stale one costs nothing.
  void Notification(TComponent* AComponent);

private:
  struct TPlaced {
    TControl* Control;
    TRect AreaRect;
  };

  TCustomForm& FForm;
  TComponent& FFrame;
  std::vector<TPlaced> FPlaced;
  std::vector<TControl*> FHidden;
};
