#pragma once
// The frame's value objects: a track bar whose button is dragged along its track, a
// two-state switch, a gauge that fills with its value, and the frame objects that show
// one frame of a strip per value, the frame gauge and the frame regulator (a knob turned
// round or slid). Value changes go to the frame's events by the object's IDName.

#include "ActiveSkinObject.h"

#include "skin/form/portable/ValueObjects.h"

#include "skin/data/SkinObjectData.h"

enum TSwitchState : uint8_t;

class TspSkinTrackBarObject : public TspActiveSkinObject {
public:
  TspSkinTrackBarObject(TspDynamicSkinForm* AParent, const TspDataSkinTrackBar* AData);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;

  // Moves the button's centre to P (object coordinates) and takes the value there.
  void SetButtonPos(TPoint P);

  TspTrack Track;  // its ends and range
  TPoint ButtonPos;
  TPoint OldButtonPos;
  int32_t Value;
  bool Down = false;  // the button is being dragged
  TPoint DragPoint;   // the last mouse point of the drag
  bool Vertical;
  TRect ButtonRect, ActiveButtonRect;  // in the active picture
  bool MouseDownChangeValue = false;   // a press on the track moves the button there
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;

private:
  TRect ButtonPlace() const;
  void DrawButton(TBitmap& Image);
};

class TspSkinSwitchObject : public TspActiveSkinObject {
public:
  TspSkinSwitchObject(TspDynamicSkinForm* AParent, const TspDataSkinSwitch* AData);

  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // On shows (morphing to) the active look.
  void SetState(TSwitchState Value);

  TSwitchState State;
};

// A strip of CountFrames frames (ActiveSkinRect in the active picture), one of which
// shows the value.
class TspSkinFrameObject : public TspActiveSkinObject {
public:
  void Draw(TCanvas* Cnvs, bool UpDate) override;

  int32_t FrameIndex = 1;
  int32_t FrameWidth = 0;
  int32_t FrameHeight = 0;
  int32_t CountFrames;
  TspFramesPlacement FramesPlacement;
  int32_t Value;
  int32_t MinValue;
  int32_t MaxValue;

protected:
  TspSkinFrameObject(TspDynamicSkinForm* AParent, const TspDataSkinObject* AData, int32_t ACountFrames,
                     TspFramesPlacement APlacement, int32_t AMinValue, int32_t AMaxValue, int32_t AValue);
};

class TspSkinFrameGaugeObject : public TspSkinFrameObject {
public:
  TspSkinFrameGaugeObject(TspDynamicSkinForm* AParent, const TspDataSkinFrameGaugeObject* AData);
  // Its looks do not change under the mouse.
  bool HoverChangesLook() const override { return false; }
};

class TspSkinFrameRegulatorObject : public TspSkinFrameObject {
public:
  TspSkinFrameRegulatorObject(TspDynamicSkinForm* AParent, const TspDataSkinFrameRegulatorObject* AData);

  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;

  // Nothing for the present value or one outside the range.
  void SetValue(int32_t AValue);

  bool Down = false;
  TspRegulatorKind Kind;
  TspRegulatorDrag Drag;

private:
  int32_t Position(int X, int Y) const;
};

class TspSkinGaugeObject : public TspActiveSkinObject {
public:
  TspSkinGaugeObject(TspDynamicSkinForm* AParent, const TspDataSkinGauge* AData);

  // Draws nothing at the minimum unless UpDate: the frame picture shows the empty gauge.
  void Draw(TCanvas* Cnvs, bool UpDate) override;
  bool HoverChangesLook() const override { return false; }

  int32_t Value;
  int32_t MinValue;
  int32_t MaxValue;
  TspGaugeKind Kind;
};
