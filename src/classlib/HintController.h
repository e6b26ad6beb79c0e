#pragma once
// The application's hints: when the pointer rests on a control with a hint, the hint
// shows after a pause in the application's hint window and goes after the hide pause,
// when the pointer leaves its area, or when a key or button is pressed.

#include "HintWindow.h"

#include <string>

class TApplication;

// What the application's OnShowHint may change before a hint shows.
struct THintInfo {
  TControl* HintControl = nullptr;  // the control whose hint this is
  TPoint HintPos;                   // the hint window's top-left corner, on the screen
  int HintMaxWidth = 0;             // where the hint's lines break
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // on the screen: leaving it ends the hint
  TPoint CursorPos;  // the pointer in the hint control's client coordinates
  int HideTimeout = 0;  // milliseconds until the hint goes; 0 keeps it
};

// How far the current cursor's image reaches below its hot spot, so that a hint placed
// that far below the pointer starts under the cursor: the rows of the cursor's mask down
// to the last one that is not blank, less the hot spot's row. The mask is read only as
// far as it reaches; the system's cursor height when the cursor cannot be read or is
// blank.
int CursorBottomMargin();

using TShowHintEvent = TDelegate<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class THintController {
public:
  explicit THintController(TApplication& Application) : FApplication(Application) {}
  THintController(const THintController&) = delete;
  THintController& operator=(const THintController&) = delete;

  // The pointer moved over (or left) the library's windows.
  void PointerMoved();
  // The hint timer fired: the pause or the hide pause is over.
  void TimerExpired();
  // Hides the hint and forgets the control: its hint waits for the pointer to move again.
  void Cancel();
  // Frees the hint window; the next hint makes one of the current class.
  void ReleaseWindow();
  // The hint window (or anything else the application owned) is going.
  void ComponentRemoved(TComponent* Component);

private:
  enum class TPhase { Idle, Waiting, Showing, Done };
  bool Show();
  void HideWindow();
  void StartTimer(int Milliseconds);
  void StopTimer();

  TApplication& FApplication;
  THintWindow* FWindow = nullptr;
  // The control under the pointer when the pause began; only compared, never used, as
  // it may have gone since.
  const TControl* FControl = nullptr;
  TPhase FPhase = TPhase::Idle;
  TRect FCursorRect;
  int FHideTimeout = 0;
};
