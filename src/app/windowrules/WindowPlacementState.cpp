#include "WindowPlacementState.h"

#include "app/messages/SettingsReports.h"

#include "base/IntMath.h"

namespace {

// The WriteSettingsPart groups of the two windows' placements.
constexpr int kPlacementParts[] = {1, 3};  // by TPlacementIndex

// Bounds of the same size whose centre is Target's, both halved as CenterFormOnForm
// halves them.
TRect CentredOn(const TRect& Target, const TRect& Bounds) {
  using IntMath::Saturated;
  const int64_t width = Bounds.Width(), height = Bounds.Height();
  const int64_t left = Target.Left + int64_t{Target.Width()} / 2 - width / 2;
  const int64_t top = Target.Top + int64_t{Target.Height()} / 2 - height / 2;
  return {Saturated(left), Saturated(top), Saturated(left + width), Saturated(top + height)};
}

}  // namespace

void RestorePlacement(TWindowPlacement& placement,
                      const std::function<void(int32_t width, int32_t height)>& setSize,
                      const std::function<void()>& maximize) {
  const bool maximized = placement.Maximized;
  setSize(placement.Width, placement.Height);
  placement.Maximized = maximized;
  if (maximized) maximize();
  placement.Changed = false;
}

TPlacementResize PlacementResized(TWindowPlacement& placement, uint8_t state, int32_t width,
                                  int32_t height) {
  TPlacementResize result;
  if (state == swNormal) {
    if (width == placement.Width && height == placement.Height) {
      if (placement.LastState == swMaximized) placement.Changed = true;
    } else {
      placement.Changed = true;
      placement.Height = height;
      placement.Width = width;
    }
    placement.Maximized = false;
  } else if (state == swMaximized) {
    if (placement.LastState == swNormal) placement.Changed = true;
    placement.Maximized = true;
    result.MoveToOrigin = true;
  }
  placement.LastState = state;
  result.Changed = placement.Changed;
  return result;
}

void SavePlacement(TConfigBase& settings, TPlacementIndex window) {
  if (settings.Placement[window].Changed)
    ReportSettingsResult(settings.WriteSettingsPart(kPlacementParts[window]), settings.StoredSkin);
}

TCentredWindow CentreWindowOn(const TRect& Target, const TCentredWindow& Window) {
  TCentredWindow centred = Window;
  if (Window.RestoreBounds)
    centred.RestoreBounds = CentredOn(Target, *Window.RestoreBounds);
  else
    centred.Bounds = CentredOn(Target, Window.Bounds);
  return centred;
}
