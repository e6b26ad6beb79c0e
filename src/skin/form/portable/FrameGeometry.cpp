#include "FrameGeometry.h"

#include "FrameArithmetic.h"

#include "skin/data/SkinRects.h"

using FrameArithmetic::Add;
using FrameArithmetic::Offset;

namespace {

// Moves the right-hand and lower corner points with the window's size.
void StretchCorners(TPoint LT, TPoint RT, TPoint LB, TPoint RB, int64_t dw, int64_t dh, TPoint& NewLT,
                    TPoint& NewRT, TPoint& NewLB, TPoint& NewRB) {
  NewLT = LT;
  NewRT = Offset(RT, dw, 0);
  NewLB = Offset(LB, 0, dh);
  NewRB = Offset(RB, dw, dh);
}

TRect StretchRect(const TRect& R, int64_t dw, int64_t dh) {
  return {R.Left, R.Top, Add(R.Right, dw), Add(R.Bottom, dh)};
}

enum TCornerArea { caLeftTop, caRightTop, caLeftBottom, caRightBottom, caNone };

}  // namespace

TspFrameGeometry SkinFrameGeometry(const TspSkinFormInfo& Info, TSize Picture, int32_t Width, int32_t Height) {
  const int64_t dw = int64_t{Width} - Picture.cx;
  const int64_t dh = int64_t{Height} - Picture.cy;
  TspFrameGeometry g;
  g.Width = Width;
  g.Height = Height;
  StretchCorners(Info.LTPoint, Info.RTPoint, Info.LBPoint, Info.RBPoint, dw, dh, g.LTPoint, g.RTPoint, g.LBPoint,
                 g.RBPoint);
  StretchCorners(Info.HitTestLTPoint, Info.HitTestRTPoint, Info.HitTestLBPoint, Info.HitTestRBPoint, dw, dh,
                 g.HitTestLTPoint, g.HitTestRTPoint, g.HitTestLBPoint, g.HitTestRBPoint);
  g.ClRect = StretchRect(Info.ClRect, dw, dh);
  g.MaskRect = StretchRect(Info.MaskRectArea, dw, dh);
  g.CaptionRect = IsNullRect(Info.CaptionRect) ? Info.CaptionRect : StretchRect(Info.CaptionRect, dw, 0);
  g.ButtonsRect = Picture.cx / 2 < Info.ButtonsRect.Left ? Offset(Info.ButtonsRect, dw, 0) : Info.ButtonsRect;
  g.MainMenuRect = Info.MainMenuRect;
  if (IsResizableFrame(Info)) {
    g.MainMenuRect = StretchRect(Info.MainMenuRect, dw, 0);
    // A bar in the lower left corner area belongs to the bottom edge.
    const TRect lowerLeft = Rect(0, Info.LBPoint.Y, Info.LBPoint.X, Picture.cy);
    if (PtInRect(lowerLeft, Info.MainMenuRect.TopLeft())) g.MainMenuRect = Offset(g.MainMenuRect, 0, dh);
  }
  return g;
}

bool IsResizableFrame(const TspSkinFormInfo& Info) { return Info.LTPoint != Info.RBPoint; }

TSkinCut FrameCut(const TspSkinFormInfo& Info) {
  return {Info.LTPoint, Info.RTPoint, Info.LBPoint, Info.RBPoint, Info.ClRect};
}

TSkinCut MaskCut(const TspSkinFormInfo& Info) {
  return {Info.LTPoint, Info.RTPoint, Info.LBPoint, Info.RBPoint, Info.MaskRectArea};
}

TRect AnchorSkinRect(const TRect& R, const TSkinCut& Cut, TSize Picture, TSize Size) {
  const int64_t dw = int64_t{Size.cx} - Picture.cx;
  const int64_t dh = int64_t{Size.cy} - Picture.cy;
  const TRect areas[] = {Rect(0, 0, Cut.LT.X, Cut.LT.Y), Rect(Cut.RT.X, 0, Picture.cx, Cut.RT.Y),
                         Rect(0, Cut.LB.Y, Cut.LB.X, Picture.cy), Rect(Cut.RB.X, Cut.RB.Y, Picture.cx, Picture.cy)};
  bool anyArea = false;
  for (const TRect& area : areas) anyArea = anyArea || !IsNullRect(area);
  if (!anyArea) return R;

  const TPoint moves[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};  // in units of (dw, dh)
  for (int a = caLeftTop; a <= caRightBottom; ++a)
    if (RectInRect(R, areas[a])) return Offset(R, moves[a].X * dw, moves[a].Y * dh);

  const auto areaOf = [&](TPoint P) {
    for (int a = caLeftTop; a <= caRightBottom; ++a)
      if (PtInRect(areas[a], P)) return static_cast<TCornerArea>(a);
    return caNone;
  };
  const TCornerArea first = areaOf(R.TopLeft());
  const TCornerArea last = areaOf(R.BottomRight());
  if (first == caLeftTop && last == caRightBottom) return StretchRect(R, dw, dh);
  if (first == caLeftTop && last == caRightTop) return StretchRect(R, dw, 0);
  if (first == caLeftBottom && last == caRightBottom) return Offset(StretchRect(R, dw, 0), 0, dh);
  if (first == caLeftTop && last == caLeftBottom) return StretchRect(R, 0, dh);
  if (first == caRightTop && last == caRightBottom) return StretchRect(Offset(R, dw, 0), 0, dh);
  return R;
}

int32_t GetDefaultCaptionHeight(TFormBorderStyle BorderStyle) {
  return BorderStyle == bsToolWindow || BorderStyle == bsSizeToolWin ? 15 : 19;
}

int32_t GetDefaultButtonSize(TFormBorderStyle BorderStyle) {
  return BorderStyle == bsToolWindow || BorderStyle == bsSizeToolWin ? 13 : 17;
}

TSize SmallIconSize(TSize SmallIcon, TSize CaptionButton) {
  return SmallIcon.cx == 0 || SmallIcon.cy == 0 ? CaptionButton : SmallIcon;
}

TspDefaultFrameLayout DefaultFrameLayout(int32_t Width, TFormBorderStyle BorderStyle,
                                         TSet<TspStdButtonCommand> Visible, bool ShowIcon, TSize IconSize) {
  constexpr int32_t ButtonTop = 4;
  const int32_t size = GetDefaultButtonSize(BorderStyle);
  TspDefaultFrameLayout layout;
  layout.CaptionRect =
      Rect(DefaultBorderWidth, DefaultBorderWidth, Width - DefaultBorderWidth, GetDefaultCaptionHeight(BorderStyle));
  // The caption buttons run leftwards from the right border.
  int32_t x = layout.CaptionRect.Right;
  for (TspStdButtonCommand command : {cmclose, cmmaximize, cmminimize, cmrollup, cmminimizetotray}) {
    if (!Visible.Contains(command)) continue;
    layout.ButtonRects[command] = Rect(x - size, ButtonTop, x, ButtonTop + size);
    x -= size;
  }
  layout.CaptionRect.Right = x;
  if (Visible.Contains(cmsysmenu)) {
    const TSize button = ShowIcon ? IconSize : TSize{size, size};
    const TRect r = Bounds(layout.CaptionRect.Left, ButtonTop, button.cx, button.cy);
    layout.ButtonRects[cmsysmenu] = r;
    layout.CaptionRect.Left = r.Right;
  }
  return layout;
}
