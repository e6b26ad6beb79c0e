#pragma once
// Small buttons pressed with the mouse whose step repeats while one is held: the up-down
// control's two and the list box caption's. The rules without windows: which button the
// pointer is over (a held button keeps the mouse to itself), the hot and pressed flags,
// and the course of the one repeat timer - the first tick after FirstDelay only switches
// to RepeatInterval, each later tick steps; leaving the held button pauses the timer,
// coming back onto it resumes at ResumeInterval; letting go stops it.
//
// The control tells the machine what the mouse does, hears through its host when to
// repaint and what the timer must do, and carries out the steps the machine returns.

#include "base/Geometry.h"
#include "skin/controls/portable/SkinAnimation.h"

#include <cstddef>
#include <vector>

struct TspRepeatButton {
  TRect R;  // where the button lies in the control; an empty one is never hit
  bool MouseIn = false;
  bool Down = false;
};

class TspRepeatButtonsHost {
public:
  // A button's hot or pressed flag changed.
  virtual void RepeatButtonsChanged() = 0;
  // The repeat timer ticks every Interval ms from now on (a running one starts again).
  virtual void StartRepeatTimer(unsigned Interval) = 0;
  virtual void StopRepeatTimer() = 0;

protected:
  ~TspRepeatButtonsHost() = default;
};

class TspRepeatButtons {
public:
  static constexpr unsigned RepeatInterval = 100;
  static constexpr unsigned ResumeInterval = 50;

  TspRepeatButtons(TspRepeatButtonsHost& Host, int Count) : FHost(Host), FButtons(static_cast<std::size_t>(Count)) {}

  int Count() const { return static_cast<int>(FButtons.size()); }
  const TspRepeatButton& Button(int Index) const { return FButtons.at(static_cast<std::size_t>(Index)); }
  void SetRect(int Index, const TRect& R) { FButtons.at(static_cast<std::size_t>(Index)).R = R; }

  // The button under the pointer, the one held and the one whose step repeats; -1 none.
  int Active() const { return FActive; }
  int Captured() const { return FCaptured; }
  int Repeating() const { return FRepeating; }

  // The pointer is at P (control coordinates).
  void MouseMove(TPoint P);
  // The button at P is pressed and held; returns it, or -1 when P is on none.
  int MouseDown(TPoint P);
  // The held button's step repeats from now on (StartRepeatTimer(ControlTiming::FirstRepeatDelay)).
  void StartRepeat();
  // The held button is let go and its repeat stops; returns it (its step is the
  // caller's, wherever the pointer is), or -1 when none was held.
  int MouseUp();
  // A tick of the repeat timer: the button whose step runs now, or -1 (the first tick,
  // a tick while paused, or one left in the queue after the repeat stopped).
  int Tick();
  // The pointer came into the control: no button counts as under it until it moves.
  void MouseEnter();
  // The pointer left the control: no button is hot but KeptHot (-1 for none), which
  // stays the one under the pointer until the next hit test; a held button pauses.
  void MouseLeave(int KeptHot = -1);

private:
  int ButtonAt(TPoint P) const;
  void Enter(int Index);
  void Leave(int Index);
  bool Pauses(int Index) const;

  TspRepeatButtonsHost& FHost;
  std::vector<TspRepeatButton> FButtons;
  int FActive = -1;
  int FPrevious = -1;
  int FCaptured = -1;
  int FRepeating = -1;
  bool FFirstDelay = false;
};
