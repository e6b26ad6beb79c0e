#pragma once
// TspSkinUpDown: a pair of skinned arrow buttons that steps an integer Position between
// Min and Max by Increment, repeating while a button is held (its timer RepeatTimerId
// ticks on its own window). With UseSkinSize the skin entry ("hupdown" or "vupdown")
// decides the control's size and where its buttons lie, and only the hot and pressed
// looks are copied over its picture; without it the buttons halve the control and are
// drawn from the skin's "resizebutton" entry. Without a skin entry they take the
// skinless controls' default look with black arrows.

#include "skin/boxes/portable/RepeatButtons.h"
#include "skin/boxes/portable/UpDownModel.h"
#include "skin/controls/portable/SkinPartLook.h"
#include "skin/controls/SkinControlTimer.h"
#include "skin/controls/SkinCustomControl.h"

class TspSkinUpDown : public TspSkinCustomControl, private TspRepeatButtonsHost {
 public:
  static constexpr UINT_PTR RepeatTimerId = 1;

  explicit TspSkinUpDown(TComponent* AOwner);

  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value);
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation Value);
  // 0 turns stepping and repeating off; the buttons still click.
  int32_t Increment() const { return FIncrement; }
  void SetIncrement(int32_t Value) { FIncrement = Value; }
  // A value outside Min .. Max is ignored; any other fires OnChange, changed or not.
  int32_t Position() const { return FRange.Position(); }
  void SetPosition(int32_t Value) { ChangePosition(Value); }
  // Moving an end takes Position along without OnChange.
  int32_t Min() const { return FRange.Min(); }
  void SetMin(int32_t Value) { FRange.SetMin(Value); }
  int32_t Max() const { return FRange.Max(); }
  void SetMax(int32_t Value) { FRange.SetMax(Value); }

  // The two buttons (UpButton, DownButton) with their places and states.
  const TspRepeatButtons& Buttons() const { return FButtons; }

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;

 protected:
  // Copies the button rectangles of an up-down entry; an entry of another kind counts as
  // none. The entry's client rectangle is emptied: an up-down has none.
  void GetSkinData() override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void RepeatButtonsChanged() override { Repaint(); }
  void StartRepeatTimer(unsigned Interval) override { FRepeatTimer.Start(Interval); }
  void StopRepeatTimer() override { FRepeatTimer.Stop(); }

  void ChangePosition(int64_t Value);
  // One step of a button: Position up or down by Increment.
  void Step(int Button);
  void Layout();
  TspPartState ButtonState(int Button) const;
  void DrawDefaultButton(TCanvas* Canvas, int Button);
  void DrawResizeButton(TCanvas* Canvas, int Button);
  void DrawArrow(TCanvas* Canvas, int Button, TColor Color);

  bool FUseSkinSize = true;
  TUDOrientation FOrientation = udHorizontal;
  int32_t FIncrement = 1;
  TspUpDownRange FRange;
  // Copied from an up-down entry at each lookup; empty without one.
  TspDataSkinUpDownControl FSkin{""};
  TspRepeatButtons FButtons{*this, 2};
  TspControlTimer FRepeatTimer{*this, RepeatTimerId};
};
