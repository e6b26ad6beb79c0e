#pragma once
// The skinned frame's own window state and its transitions: maximizing, minimizing and
// restoring move and size the window directly, and the frame can be rolled up to its
// caption. Each transition updates the state and returns the bounds or step the window
// then carries out; nothing here touches a window.

#include "FrameTypes.h"

#include "base/Geometry.h"

#include <cstdint>
#include <vector>

// The monitor nearest to a window: all of it and its work area (without the task bar).
struct TspMonitorAreas {
  TRect Monitor;
  TRect WorkArea;
};

struct TspFrameState {
  TspWindowState WindowState = TspWindowState::Normal;
  bool RollUpState = false;
  bool MaximizedRollUp = false;  // the roll-up was made while maximized
  bool RestoreRollUp = false;    // the window was rolled up when it was maximized
  int32_t HeightBeforeRollUp = 0;
  TRect RestoreRect;  // the bounds before maximizing or minimizing; empty when none is saved
  bool FirstShowPending = true;

  bool Normal() const { return WindowState == TspWindowState::Normal; }
  bool Minimized() const { return WindowState == TspWindowState::Minimized; }
  bool Maximized() const { return WindowState == TspWindowState::Maximized; }
};

// What SetWindowState asks of the window once the state is updated.
struct TspStateChange {
  TspFrameAction Action = TspFrameAction::None;  // Restore, Maximize or Minimize; None: nothing
  bool UnrollFirst = false;          // a roll-up made while maximized is undone before restoring
  bool MinimizeApplication = false;  // the whole application minimizes instead of the window
};
// The application's main form and a window without NC support minimize the application;
// the main form's own state then stays as it was, a secondary window's becomes minimized.
TspStateChange SetWindowState(TspFrameState& State, TspWindowState Value, bool ApplicationMainForm,
                              bool SupportNCArea);

// The area a maximized window fills: the whole monitor, or its work area shrunk by one
// pixel on every side when it covers the whole monitor (so that a hidden task bar can
// still be reached).
TRect MaximizeTarget(const TspMonitorAreas& Areas, bool MaximizeOnFullScreen);
// Keeps Bounds as the restore rectangle unless one is saved, and gives Target.
TRect Maximize(TspFrameState& State, const TRect& Bounds, const TRect& Target);
// The bounds to restore: the saved restore rectangle, placed by Position on the first
// show; Bounds when none is saved. Empties the restore rectangle.
TRect Restore(TspFrameState& State, const TRect& Bounds, TspPositionInMonitor Position,
              const TspMonitorAreas& Areas);
// Keeps Bounds as the restore rectangle unless one is saved, and gives the minimized
// window: MinSize at the first free slot of Area.
TRect Minimize(TspFrameState& State, const TRect& Bounds, TSize MinSize, const TRect& Area,
               const std::vector<TPoint>& Taken);
// Minimized windows lie in slots of Size from Area's bottom-left corner rightwards, row
// over row upwards. The first slot whose top-left corner is not in Taken; the first
// slot when every slot is taken or the slots have no size.
TPoint MinimizedSlot(const TRect& Area, TSize Size, const std::vector<TPoint>& Taken);

// Bounds centred in the whole monitor (sppScreenCenter) or its work area
// (sppDesktopCenter); unchanged for sppDefault.
TRect PlaceInMonitor(TspPositionInMonitor Position, const TRect& Bounds, const TspMonitorAreas& Areas);
// The first show: clears FirstShowPending and centres a normal window by Position.
// Later shows keep Bounds.
TRect FirstShowBounds(TspFrameState& State, const TRect& Bounds, TspPositionInMonitor Position,
                      const TspMonitorAreas& Areas);

// What a roll-up needs to know of the window.
struct TspRollUpContext {
  bool Allowed = false;  // biRollUp is on, and a skin is in use or NC support is on
  bool SupportNCArea = true;
  bool HasRollUpPicture = false;  // without NC support only such a skin can roll up
  int32_t Height = 0;             // the window's height now
  int32_t ClientHeight = 0;       // the component's ClientHeight; above 0 it wins on unrolling
};
// The step RollUp asks the window to carry out.
struct TspRollUpStep {
  enum TKind : uint8_t {
    Ignored,             // nothing changes, no event
    ShrinkToMinHeight,   // NC: the height becomes the minimum height of the rolled-up frame
    SetClientHeight,     // NC: the client height becomes ClientHeight
    SetHeight,           // NC: the height becomes Height
    ClientFrameRollUp,   // no NC: the client-area frame rolls up
    ClientFrameUnroll,   // no NC: the client-area frame unrolls; a resizable one to Height
  };
  TKind Kind = Ignored;
  int32_t Height = 0;
};
// Ignored while minimized, while maximized and rolled up from before, when the state
// would not change, and when a frame without NC support and without roll-up picture is
// asked to roll up.
TspRollUpStep RollUp(TspFrameState& State, bool Value, const TspRollUpContext& Context);

// A double-click on the caption in the non-client area.
TspFrameAction NonClientCaptionDoubleClick(const TspFrameState& State, bool Sizeable, TspBorderIcons BorderIcons);
// A double-click on a caption object of the client-area frame (no NC support).
TspFrameAction ClientCaptionDoubleClick(const TspFrameState& State, bool Sizeable);
