#include "ButtonLayout.h"

#include "SkinAnimation.h"

#include "skin/data/SkinRects.h"

#include <algorithm>
#include <cmath>

TspButtonPlaces CalcButtonLayout(TspButtonLayout Layout, const TRect& R, int32_t GW, int32_t GH, int32_t TW,
                                 int32_t TH, int32_t Margin, int32_t Spacing) {
  const int32_t cx = R.Left + RectWidth(R) / 2;
  const int32_t cy = R.Top + RectHeight(R) / 2;
  TspButtonPlaces p;
  if (Margin != -1) {
    switch (Layout) {
      case blGlyphLeft:
        p.Glyph = {R.Left + Margin, cy - GH / 2};
        p.Text = {p.Glyph.X + GW + Spacing, cy - TH / 2};
        break;
      case blGlyphRight:
        p.Glyph = {R.Right - GW - Margin, cy - GH / 2};
        p.Text = {p.Glyph.X - Spacing - TW, cy - TH / 2};
        break;
      case blGlyphTop:
        p.Glyph = {cx - GW / 2, R.Top + Margin};
        p.Text = {cx - TW / 2, p.Glyph.Y + GH + Spacing};
        break;
      case blGlyphBottom:
        p.Glyph = {cx - GW / 2, R.Bottom - GH - Margin};
        p.Text = {cx - TW / 2, p.Glyph.Y - Spacing - TH};
        break;
    }
    return p;
  }
  const int32_t w = (TW + GW + Spacing) / 2;
  const int32_t h = (TH + GH + Spacing) / 2;
  switch (Layout) {
    case blGlyphLeft:
      p.Glyph = {cx - w, cy - GH / 2};
      p.Text = {cx + w - TW, cy - TH / 2};
      break;
    case blGlyphRight:
      p.Text = {cx - w, cy - TH / 2};
      p.Glyph = {cx + w - GW, cy - GH / 2};
      break;
    case blGlyphTop:
      p.Glyph = {cx - GW / 2, cy - h};
      p.Text = {cx - TW / 2, cy + h - TH};
      break;
    case blGlyphBottom:
      p.Text = {cx - TW / 2, cy - h};
      p.Glyph = {cx - GW / 2, cy + h - GH};
      break;
  }
  return p;
}

int32_t GetGlyphNum(bool ADown, bool AActive, bool AEnabled, int32_t NumGlyphs) {
  if (ADown && AActive && NumGlyphs > 2) return 3;
  if (AActive && NumGlyphs > 3) return 4;
  if (AEnabled) return 1;
  return NumGlyphs > 1 ? 2 : 1;
}

TspPartRects AnimatedButtonRects(TspPartRects Rects, bool Animating, const TRect& Strip, int32_t FrameCount,
                                 int32_t Frame, bool Forward) {
  if (IsNullRect(Rects.Hot)) Rects.Hot = Rects.Normal;
  if (IsNullRect(Rects.Down)) Rects.Down = Rects.Hot;
  if (Animating) {
    const bool sideBySide = RectWidth(Strip) > RectWidth(Rects.Normal);
    (Forward ? Rects.Hot : Rects.Normal) = AnimationFrameRect(Strip, FrameCount, Frame, sideBySide);
  }
  return Rects;
}

TspPartState ButtonPartState(const TspButtonStateFlags& F) {
  if (!F.Enabled && F.HasDisabledLook) return TspPartState::Disabled;
  if (F.Down && (F.MouseIn || (F.FocusedAndCanFocus && !F.PressedByMouse) || F.Grouped))
    return TspPartState::Down;
  if (F.FocusedAndCanFocus && !F.Animating) return TspPartState::Focused;
  if (!F.FocusedAndCanFocus && !F.MouseIn) return F.MorphedToActive ? TspPartState::Hot : TspPartState::Normal;
  return TspPartState::Hot;
}

double NextMorphFactor(double Kf, bool TowardsActive, bool& Done) {
  constexpr double StepsPerUnit = 5;  // steps of 0.2
  Done = TowardsActive ? Kf >= 1 : Kf <= 0;
  if (Done) return TowardsActive ? 1 : 0;
  // Counted in whole steps, so that repeated steps land exactly on 0 and 1.
  const double steps = std::round(Kf * StepsPerUnit) + (TowardsActive ? 1 : -1);
  return std::clamp(steps / StepsPerUnit, 0.0, 1.0);
}
