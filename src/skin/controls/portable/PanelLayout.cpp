#include "PanelLayout.h"

#include "skin/data/SkinRects.h"

#include "base/IntMath.h"

namespace {

using IntMath::Saturated;

TRect Moved(const TRect& R, int64_t DX, int64_t DY) {
  return {Saturated(R.Left + DX), Saturated(R.Top + DY), Saturated(R.Right + DX), Saturated(R.Bottom + DY)};
}

TRect Grown(const TRect& R, int64_t DX, int64_t DY) {
  return {R.Left, R.Top, Saturated(R.Right + DX), Saturated(R.Bottom + DY)};
}

}  // namespace

TRect MapSkinRect(const TRect& R, const TRect& SkinRect, const TSkinCut& Cut, int32_t ResizeMode, int32_t Width,
                  int32_t Height) {
  const int32_t w = RectWidth(SkinRect), h = RectHeight(SkinRect);
  const int64_t dw = int64_t{Width} - w, dh = int64_t{Height} - h;
  switch (ResizeMode) {
    case SkinResize::BothWays: {
      const TRect topLeft{0, 0, Cut.LT.X, Cut.LT.Y};
      const TRect topRight{Cut.RT.X, 0, w, Cut.RT.Y};
      const TRect bottomLeft{0, Cut.LB.Y, Cut.LB.X, h};
      const TRect bottomRight{Cut.RB.X, Cut.RB.Y, w, h};
      if (RectInRect(R, topLeft)) return R;
      if (RectInRect(R, topRight)) return Moved(R, dw, 0);
      if (RectInRect(R, bottomLeft)) return Moved(R, 0, dh);
      if (RectInRect(R, bottomRight)) return Moved(R, dw, dh);
      const TPoint lt = R.TopLeft(), rb = R.BottomRight();
      if (PointInRect(topLeft, lt) && PointInRect(bottomRight, rb)) return Grown(R, dw, dh);
      if (PointInRect(topLeft, lt) && PointInRect(topRight, rb)) return Grown(R, dw, 0);
      if (PointInRect(bottomLeft, lt) && PointInRect(bottomRight, rb)) return Moved(Grown(R, dw, 0), 0, dh);
      if (PointInRect(topLeft, lt) && PointInRect(bottomLeft, rb)) return Grown(R, 0, dh);
      if (PointInRect(topRight, lt) && PointInRect(bottomRight, rb)) return Grown(Moved(R, dw, 0), 0, dh);
      return R;
    }
    case SkinResize::WidthOnly:
      if (R.Left <= Cut.LT.X && R.Right >= Cut.RT.X) return Grown(R, dw, 0);
      if (R.Left >= Cut.RT.X && R.Right > Cut.RT.X) return Moved(R, dw, 0);
      return R;
    case SkinResize::HeightOnly:
      if (R.Top <= Cut.LT.Y && R.Bottom >= Cut.LB.Y) return Grown(R, 0, dh);
      if (R.Top >= Cut.LB.Y && R.Bottom > Cut.LB.Y) return Moved(R, 0, dh);
      return R;
    default: return R;
  }
}

TRect DefaultCaptionStrip(TspSkinBorderStyle Style, int32_t Width, int32_t CaptionHeight) {
  return Style == bvFrame ? TRect{0, 0, Width, CaptionHeight} : TRect{1, 1, Width - 1, CaptionHeight};
}

TRect CaptionTextArea(TRect Strip, bool CheckedMode, bool RollUpMode) {
  if (CheckedMode) Strip.Left += 20;
  if (RollUpMode) Strip.Right -= 10;
  return Strip;
}

int32_t CaptionBlockLeft(TAlignment Alignment, const TRect& R, int32_t BlockWidth, int32_t Inset) {
  switch (Alignment) {
    case taRightJustify: return Saturated(int64_t{R.Right} - BlockWidth);
    case taCenter: return Saturated(int64_t{R.Left} + Inset + RectWidth(R) / 2 - BlockWidth / 2);
    case taLeftJustify: break;
  }
  return Saturated(int64_t{R.Left} + Inset);
}

TRect PanelClientRect(const TRect& Rect, const TspPanelClientRules& Rules) {
  if (Rules.Skinned && Rules.TransparentMode)
    return {2, Rules.CaptionMode ? Rules.CaptionTextHeight : 2, Rules.Width - 2, Rules.Height - 2};
  if (Rules.Skinned && !Rules.Designing) {
    const bool whole = Rules.HasBackground ||
                       (Rules.BorderStyle == bvNone && !Rules.CaptionMode && Rules.ResizeMode == SkinResize::BothWays);
    return whole ? Rect : Rules.NewClRect;
  }
  TRect r = Rect;
  if (Rules.BorderStyle != bvNone) r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  if (Rules.CaptionMode) r.Top += Rules.DefaultCaptionHeight;
  return r;
}

int32_t RolledUpHeight(bool Skinned, int32_t Height, const TRect& NewClRect, int32_t DefaultCaptionHeight) {
  return Skinned ? Saturated(int64_t{Height} - RectHeight(NewClRect)) : Saturated(int64_t{DefaultCaptionHeight} + 1);
}

std::pair<std::vector<TPoint>, std::vector<TPoint>> CaptionFrameLines(int32_t Width, int32_t Height,
                                                                      int32_t RowHeight, int32_t CaptionRight) {
  const int32_t h = RowHeight / 2;
  return {{{0, h}, {4, h}},
          {{CaptionRight + 2, h}, {Width - 1, h}, {Width - 1, Height - 1}, {0, Height - 1}, {0, h}}};
}

TRect GripRect(const TRect& CR, const TRect& Gripper, bool HasGripPicture) {
  const int64_t right = CR.Right, bottom = CR.Bottom;
  if (HasGripPicture)
    return {CR.Right, Saturated(bottom - RectHeight(Gripper)), Saturated(right + RectWidth(Gripper)), CR.Bottom};
  return {Saturated(right + 2), CR.Top, Saturated(right + RectHeight(CR)), Saturated(bottom - 2)};
}

int32_t GripWidth(const TRect& CR, const TRect& Gripper, bool HasGripPicture) {
  return HasGripPicture ? RectWidth(Gripper) : RectHeight(CR);
}

TRect ClientRectBesideGrip(const TRect& CR, const TRect& Gripper, bool HasGripPicture) {
  return {CR.Left, CR.Top, Saturated(int64_t{CR.Right} - GripWidth(CR, Gripper, HasGripPicture)), CR.Bottom};
}

std::vector<std::pair<TPoint, TPoint>> GripLines(const TRect& R) {
  std::vector<std::pair<TPoint, TPoint>> lines;
  for (int64_t o = 3; R.Left + o + 2 <= R.Right; o += 3) {
    const auto at = [&](int64_t x, int64_t y) { return TPoint{Saturated(x), Saturated(y)}; };
    lines.push_back({at(R.Left + o, R.Bottom), at(R.Right, R.Top + o)});
    lines.push_back({at(R.Left + o + 1, R.Bottom), at(R.Right, R.Top + o + 1)});
  }
  return lines;
}
