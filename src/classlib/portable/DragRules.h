#pragma once
// The window-free rules of dragging with the mouse: the drag settings as form resources
// write them, when a pressed button has moved far enough to start a drag, which target
// hears which notification as the pointer moves, and whether a release drops.

#include "base/Geometry.h"

#include <iterator>

// dmAutomatic starts a drag when the left button goes down on the control; dmManual
// leaves it to the program (BeginDrag).
enum TDragMode { dmManual, dmAutomatic };
inline constexpr const char* kDragModeNames[] = {"dmManual", "dmAutomatic"};
static_assert(std::size(kDragModeNames) == dmAutomatic + 1);
// What a drag of the control does: drag and drop, or docking it elsewhere.
enum TDragKind { dkDrag, dkDock };
inline constexpr const char* kDragKindNames[] = {"dkDrag", "dkDock"};
static_assert(std::size(kDragKindNames) == dkDock + 1);
// Why a target is asked: the pointer came in, moved over it, or left it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// The distance BeginDrag's Threshold asks for: below 0 the system's.
TSize DragThresholdSize(int Threshold, TSize SystemThreshold);
// Whether the pointer at Now has left Start by the threshold in either direction.
bool DragThresholdPassed(TPoint Start, TPoint Now, TSize Threshold);

// Follows the target under a dragging pointer (nullptr where nothing takes drops). Each
// move says whom to tell that the pointer left and whom to ask, entered or moved over,
// whether it takes the drop; its answer is kept until the next question, and a new
// target has refused until it answers.
template <class T>
class TDragTargetTracker {
public:
  struct TStep {
    T* Left = nullptr;   // told dsDragLeave first
    T* Asked = nullptr;  // then asked with State
    TDragState State = dsDragMove;
  };

  TStep MoveTo(T* Target) {
    TStep step{nullptr, Target, dsDragMove};
    if (Target != FTarget) {
      step.Left = FTarget;
      step.State = dsDragEnter;
      FTarget = Target;
      FAccepted = false;
    }
    return step;
  }
  void SetAccepted(bool Value) { FAccepted = FTarget != nullptr && Value; }

  T* Target() const { return FTarget; }
  bool Accepted() const { return FAccepted; }
  // DragCursor while the target takes the drop, else NoDropCursor.
  int Cursor(int DragCursor, int NoDropCursor) const { return FAccepted ? DragCursor : NoDropCursor; }
  // Where a drag that ends drops: the target when Drop and it takes it, else nowhere.
  T* DropTarget(bool Drop) const { return Drop && FAccepted ? FTarget : nullptr; }
  // The target to tell it was left when the drag ends: any that does not get the drop.
  T* LeftAtEnd(bool Drop) const { return DropTarget(Drop) == nullptr ? FTarget : nullptr; }
  // A target that goes away mid-drag is forgotten.
  void Forget(const T* Target) {
    if (Target != FTarget) return;
    FTarget = nullptr;
    FAccepted = false;
  }

private:
  T* FTarget = nullptr;
  bool FAccepted = false;
};
