#include "MenuItemState.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinRects.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double MorphStep = 0.2;

// Sums of fifths stop a hair short of the ends; the ends are resting looks.
double SnappedKf(double Kf) {
  Kf = std::clamp(Kf, 0.0, 1.0);
  if (Kf < 1e-9) return 0;
  if (Kf > 1 - 1e-9) return 1;
  return Kf;
}

bool SideBySide(const TspDataSkinMenuItem& Entry) {
  return RectHeight(Entry.AnimateSkinRect) <= RectHeight(Entry.SkinRect);
}

}  // namespace

bool TspMenuItemState::NeedsMorph() {
  if (!InView) {
    if (MorphKf != 0) {
      Active = false;
      Opened = false;
      MorphKf = 0;
    }
    return false;
  }
  return ShowsActive() ? MorphKf < 1 : MorphKf > 0;
}

bool TspMenuItemState::AnimationStep(bool Morphs, bool Animates, int32_t FrameCount) {
  if (Morphs && NeedsMorph()) {
    MorphKf = SnappedKf(MorphKf + (ShowsActive() ? MorphStep : -MorphStep));
    return true;
  }
  return Animates && StepAnimationFrame(FrameIndex, FrameCount, Active);
}

bool MenuItemAnimates(const TspDataSkinMenuItem& Entry) {
  return CanAnimate(Entry.AnimateSkinRect, Entry.FrameCount, Entry.AnimateInterval, SideBySide(Entry));
}

TRect MenuItemFrameRect(const TspDataSkinMenuItem& Entry, int32_t Frame) {
  return AnimationFrameRect(Entry.AnimateSkinRect, Entry.FrameCount, Frame, SideBySide(Entry));
}

void RunFadeIn(uint8_t Target, const TspFade& Fade, const std::function<uint32_t()>& Clock,
               const std::function<void(uint8_t)>& SetAlpha) {
  const int32_t step = std::max(Fade.Step, 1);
  int32_t alpha = 0;
  uint32_t last = 0;  // the first step comes at once
  while (alpha < Target) {
    const uint32_t now = Clock();
    if (now - last < Fade.MinElapsed) continue;  // unsigned: the tick count may wrap
    alpha = std::min<int32_t>(alpha + step, Target);
    SetAlpha(static_cast<uint8_t>(alpha));
    last = now;
  }
}
