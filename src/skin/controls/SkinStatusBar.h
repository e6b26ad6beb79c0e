#pragma once
// TspSkinStatusBar: a panel along the bottom of its window, drawn from the skin entry
// "statusbar", that hands its skin data on to the skinned controls on it (its status
// panels). Its size grip in the bottom-right corner sizes the window: the bar answers
// the hit test there with the sizing corner (so the pointer shows it), and a press there
// asks its form to size itself, since the system would size the bar itself otherwise.

#include "SkinPanel.h"

class TspSkinStatusBar : public TspSkinPanel {
public:
  explicit TspSkinStatusBar(TComponent* AOwner);

  // Show the size grip.
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  // Whether the grip is in force; the skinned frame turns it off while its window is
  // maximized and on again when it is restored.
  bool SizeGripActive() const { return FSizeGripActive; }
  void SetSizeGripActive(bool Value);
  // The grip shows and answers while both are set.
  bool GripInForce() const { return FSizeGrip && FSizeGripActive; }
  // Where the grip lies in the bar now.
  TRect GripperArea();

  void SetSkinData(TspSkinData* Value) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void AdjustClientRect(TRect& Rect) override;

private:
  bool HasGripPicture() const;
  void DrawGripLines(TCanvas& Canvas, TColor Shadow, TColor Light);
  void HitTest(TMessage& Message);
  void GripPressed(TMessage& Message);

  bool FSizeGrip = false;
  bool FSizeGripActive = true;
  TRect FGripperRect;
  bool FGripperTransparent = false;
  TColor FGripperTransparentColor = 0;
};
