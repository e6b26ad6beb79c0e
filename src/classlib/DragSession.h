#pragma once
// The one drag that runs at a time. A hidden window holds the mouse capture while the
// drag waits for its threshold and while it runs: it asks the control under the pointer
// (windowed or windowless) whether it takes the drop, shows the cursor that says so and
// ends the drag with a drop or without. TControl's BeginDrag, EndDrag and Dragging come
// here.

#include "Control.h"

#include "portable/DragRules.h"

#include <cstdint>

class TDragSession {
public:
  // See TControl::BeginDrag.
  static void Begin(TControl* Source, bool Immediate, int Threshold);
  // Ends the drag when it is Source's.
  static void End(TControl* Source, bool Drop);
  // The control whose drag runs, nullptr when none (or when it is ending).
  static TControl* Source();
  // Ends a running drag without a drop (Escape); whether one ran.
  static bool Cancel();
  // A control being freed: its own drag ends unnoticed; as a target it is forgotten.
  static void ControlRemoved(TControl* Control);

  TDragSession(const TDragSession&) = delete;
  TDragSession& operator=(const TDragSession&) = delete;
  ~TDragSession();

private:
  TDragSession(TControl* Source, TPoint Start, TSize Threshold);
  void HandleMessage(TMessage& Message);
  // A pointer move: starts the waiting drag past the threshold, then asks the targets.
  void Moved(TPoint P);
  // The drag starts with the pointer at P: OnStartDrag, then the target there is asked.
  void Start(TPoint P);
  void MoveTo(TPoint P);
  // Ends the drag and frees the session; Release: the button went up (a drag still
  // waiting hands the release to its control, whose click it is).
  void Finish(bool Drop, TPoint P, bool Release, WPARAM Keys);
  void ShowCursor() const;
  // What targets are told dragged: the source's own drag object, else the source.
  TObject* Dragged() const;
  // Whether this session still runs after an event handler ran.
  static bool Alive(uint64_t Serial);
  TPoint ScreenPoint(LPARAM LParam) const;

  TControl* FSource;
  TDragObject* FObject = nullptr;
  HWND FWindow = nullptr;
  TPoint FStart;
  TSize FThreshold;
  bool FStarted = false;
  bool FEnding = false;
  uint64_t FSerial;
  TDragTargetTracker<TControl> FTargets;
};
