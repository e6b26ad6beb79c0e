#include "WindowStates.h"

#include "FrameArithmetic.h"

#include "skin/data/SkinRects.h"

#include <algorithm>

using FrameArithmetic::Saturated;

TspStateChange SetWindowState(TspFrameState& State, TspWindowState Value, bool ApplicationMainForm,
                              bool SupportNCArea) {
  TspStateChange change;
  if (Value == State.WindowState) return change;
  const bool wasMaximized = State.Maximized();
  // The main form, and a window without NC support, minimize the application. Only the
  // main form keeps its state (it shows as it was when the application comes back); a
  // secondary window records that it is minimized.
  const bool minimizing = Value == TspWindowState::Minimized;
  const bool minimizesApplication = minimizing && (ApplicationMainForm || !SupportNCArea);
  if (!(minimizing && ApplicationMainForm)) State.WindowState = Value;
  switch (Value) {
    case TspWindowState::Normal:
      // A roll-up made while maximized belongs to the maximized window only.
      change.UnrollFirst = wasMaximized && State.RollUpState && !State.RestoreRollUp;
      State.RestoreRollUp = false;
      change.Action = TspFrameAction::Restore;
      break;
    case TspWindowState::Maximized:
      State.RestoreRollUp = State.RollUpState;
      change.Action = TspFrameAction::Maximize;
      break;
    case TspWindowState::Minimized:
      change.Action = TspFrameAction::Minimize;
      change.MinimizeApplication = minimizesApplication;
      break;
  }
  return change;
}

TRect MaximizeTarget(const TspMonitorAreas& Areas, bool MaximizeOnFullScreen) {
  if (MaximizeOnFullScreen) return Areas.Monitor;
  const TRect& work = Areas.WorkArea;
  if (RectWidth(work) == RectWidth(Areas.Monitor) && RectHeight(work) == RectHeight(Areas.Monitor))
    return InflateRect(work, -1, -1);
  return work;
}

TRect Maximize(TspFrameState& State, const TRect& Bounds, const TRect& Target) {
  if (IsNullRect(State.RestoreRect)) State.RestoreRect = Bounds;
  return Target;
}

TRect Restore(TspFrameState& State, const TRect& Bounds, TspPositionInMonitor Position,
              const TspMonitorAreas& Areas) {
  State.MaximizedRollUp = false;
  const bool firstShow = State.FirstShowPending;
  State.FirstShowPending = false;
  TRect result = Bounds;
  if (!IsNullRect(State.RestoreRect))
    result = firstShow ? PlaceInMonitor(Position, State.RestoreRect, Areas) : State.RestoreRect;
  State.RestoreRect = NullRect();
  return result;
}

TRect Minimize(TspFrameState& State, const TRect& Bounds, TSize MinSize, const TRect& Area,
               const std::vector<TPoint>& Taken) {
  if (IsNullRect(State.RestoreRect)) State.RestoreRect = Bounds;
  const TPoint slot = MinimizedSlot(Area, MinSize, Taken);
  return {slot.X, slot.Y, Saturated(int64_t{slot.X} + MinSize.cx), Saturated(int64_t{slot.Y} + MinSize.cy)};
}

TPoint MinimizedSlot(const TRect& Area, TSize Size, const std::vector<TPoint>& Taken) {
  const auto slotAt = [&](int64_t column, int64_t row) {
    return TPoint{Saturated(Area.Left + column * Size.cx), Saturated(Area.Bottom - (row + 1) * Size.cy)};
  };
  if (Size.cx < 1 || Size.cy < 1) return slotAt(0, 0);
  const int64_t perRow = std::max<int64_t>(1, RectWidth(Area) / Size.cx);
  const int64_t rows = std::max<int64_t>(1, RectHeight(Area) / Size.cy);
  // Only as many slots as there are taken ones (and one more) can be in question.
  const int64_t candidates = std::min<int64_t>(perRow * rows, static_cast<int64_t>(Taken.size()) + 1);
  for (int64_t k = 0; k < candidates; ++k) {
    const TPoint slot = slotAt(k % perRow, k / perRow);
    if (std::find(Taken.begin(), Taken.end(), slot) == Taken.end()) return slot;
  }
  return slotAt(0, 0);
}

TRect PlaceInMonitor(TspPositionInMonitor Position, const TRect& Bounds, const TspMonitorAreas& Areas) {
  if (Position == sppDefault) return Bounds;
  const TRect& area = Position == sppScreenCenter ? Areas.Monitor : Areas.WorkArea;
  const int64_t width = RectWidth(Bounds), height = RectHeight(Bounds);
  const int32_t left = Saturated(area.Left + int64_t{RectWidth(area)} / 2 - width / 2);
  const int32_t top = Saturated(area.Top + int64_t{RectHeight(area)} / 2 - height / 2);
  return {left, top, Saturated(left + width), Saturated(top + height)};
}

TRect FirstShowBounds(TspFrameState& State, const TRect& Bounds, TspPositionInMonitor Position,
                      const TspMonitorAreas& Areas) {
  if (!State.FirstShowPending) return Bounds;
  State.FirstShowPending = false;
  return State.Normal() ? PlaceInMonitor(Position, Bounds, Areas) : Bounds;
}

TspRollUpStep RollUp(TspFrameState& State, bool Value, const TspRollUpContext& Context) {
  if (!Context.Allowed || State.Minimized() || Value == State.RollUpState) return {};
  // A window rolled up before it was maximized stays so until it is restored.
  if (State.Maximized() && State.RollUpState && !State.MaximizedRollUp) return {};
  if (!Context.SupportNCArea && Value && !Context.HasRollUpPicture) return {};
  if (State.Maximized()) State.MaximizedRollUp = Value;
  State.RollUpState = Value;
  if (Value) State.HeightBeforeRollUp = Context.Height;
  if (!Context.SupportNCArea)
    return Value ? TspRollUpStep{TspRollUpStep::ClientFrameRollUp, 0}
                 : TspRollUpStep{TspRollUpStep::ClientFrameUnroll, State.HeightBeforeRollUp};
  if (Value) return {TspRollUpStep::ShrinkToMinHeight, 0};
  if (Context.ClientHeight > 0) return {TspRollUpStep::SetClientHeight, Context.ClientHeight};
  return {TspRollUpStep::SetHeight, State.HeightBeforeRollUp};
}

TspFrameAction NonClientCaptionDoubleClick(const TspFrameState& State, bool Sizeable, TspBorderIcons BorderIcons) {
  if (Sizeable && State.Minimized()) return TspFrameAction::Restore;
  if (Sizeable && State.Normal() && !State.RollUpState && BorderIcons.Contains(TspBorderIcon::biMaximize))
    return TspFrameAction::Maximize;
  if (Sizeable && State.Maximized() && !State.MaximizedRollUp) return TspFrameAction::Restore;
  return State.RollUpState ? TspFrameAction::Unroll : TspFrameAction::RollUp;
}

TspFrameAction ClientCaptionDoubleClick(const TspFrameState& State, bool Sizeable) {
  if (State.RollUpState) return TspFrameAction::Unroll;
  if (!Sizeable) return TspFrameAction::RollUp;
  return State.Normal() ? TspFrameAction::Maximize : TspFrameAction::Restore;
}
