#include "FrameCore.h"

#include "CaptionButtons.h"
#include "FrameArithmetic.h"

#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"

#include <algorithm>

using FrameArithmetic::Add;
using FrameArithmetic::Saturated;

namespace {

// Without a skin, a frame needs room for its caption buttons and a little caption.
constexpr int32_t DefaultMinWidth = 130;

}  // namespace

TspFrameSkin FrameSkinOf(const TspSkinData* Skin) {
  if (Skin == nullptr || Skin->Empty()) return {};
  return {Skin, {Skin->Picture.Width(), Skin->Picture.Height()},
          {Skin->RollUpPicture.Width(), Skin->RollUpPicture.Height()}, &Skin->Mask};
}

void TspFrameCore::SetSkin(const TspFrameSkin& Skin) {
  FSkin = Skin;
  UpdateGeometry(FGeometry.Width, FGeometry.Height);
}

bool TspFrameCore::SkinFormUsable() const {
  return Options.SupportNCArea && SkinInUse() && !IsNullRect(FSkin.Info->ClRect);
}

bool TspFrameCore::FrameShown() const {
  return Options.SupportNCArea && Options.BorderStyle != bsNone && !(Options.MDIChild && State.Maximized());
}

void TspFrameCore::UpdateGeometry(int32_t Width, int32_t Height) {
  FGeometry = TspFrameGeometry{};
  FGeometry.Width = Width;
  FGeometry.Height = Height;
  FSizeGripRect = NullRect();
  FMask = TspFrameMask();
  if (!SkinInUse()) return;
  FGeometry = SkinFrameGeometry(*FSkin.Info, FSkin.Picture, Width, Height);
  if (!IsNullRect(FSkin.Info->SizeGripArea)) FSizeGripRect = AnchorSkinRect(FSkin.Info->SizeGripArea);
  if (HasMask()) FMask = TspFrameMask(*FSkin.Info, *FSkin.Mask, FGeometry);
}

TRect TspFrameCore::AnchorSkinRect(const TRect& R) const {
  if (!SkinInUse()) return R;
  return ::AnchorSkinRect(R, FrameCut(*FSkin.Info), FSkin.Picture, {FGeometry.Width, FGeometry.Height});
}

TspDefaultFrameLayout TspFrameCore::DefaultLayout() const {
  return DefaultFrameLayout(FGeometry.Width, Options.BorderStyle,
                            VisibleCaptionButtons(Options.BorderIcons, Options.HideCaptionButtons), Options.ShowIcon,
                            IconSize);
}

TspFrameCore::TInsets TspFrameCore::NonClientInsets() const {
  if (!FrameShown()) return {};
  if (SkinFormUsable()) {
    const TRect& cl = FSkin.Info->ClRect;
    const TSize picture = FSkin.Picture;
    return {cl.Left, cl.Top, int64_t{picture.cx} - cl.Right, int64_t{picture.cy} - cl.Bottom};
  }
  return {DefaultBorderWidth, int64_t{GetDefaultCaptionHeight()} + DefaultBorderWidth, DefaultBorderWidth,
          DefaultBorderWidth};
}

TRect TspFrameCore::NonClientClientRect(const TRect& Window) const {
  if (!FrameShown()) return Window;
  const TInsets insets = NonClientInsets();
  TRect r = {Add(Window.Left, insets.Left), Add(Window.Top, insets.Top), Add(Window.Right, -insets.Right),
             Add(Window.Bottom, -insets.Bottom)};
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

TSize TspFrameCore::SizeForClient(TSize Size, int32_t ClientWidth, int32_t ClientHeight) const {
  const TInsets insets = NonClientInsets();
  if (ClientWidth > 0) Size.cx = std::max(Add(ClientWidth, insets.Left + insets.Right), 0);
  if (ClientHeight > 0) Size.cy = std::max(Add(ClientHeight, insets.Top + insets.Bottom), 0);
  return Size;
}

TPoint TspFrameCore::FrameOrigin(TPoint FormTopLeft, TPoint ClientOrigin) const {
  if (!Options.MDIChild) return FormTopLeft;
  const TPoint offset = FrameClientOffset();
  return {Saturated(int64_t{ClientOrigin.X} - offset.X), Saturated(int64_t{ClientOrigin.Y} - offset.Y)};
}

// The client area starts where WM_NCCALCSIZE put it.
TPoint TspFrameCore::FrameClientOffset() const {
  if (SkinFormUsable()) return FSkin.Info->ClRect.TopLeft();
  return {DefaultBorderWidth, GetDefaultCaptionHeight() + DefaultBorderWidth};
}

int32_t TspFrameCore::NonClientHitTest(TPoint P, const TspHitObjects& Objects) const {
  return SkinInUse() ? SkinHitTest(P, Objects) : DefaultHitTest(P, Objects);
}

int32_t TspFrameCore::SkinHitTest(TPoint P, const TspHitObjects& Objects) const {
  const int32_t overCaption = Objects.OverCaptionObject ? FrameHit::Caption : FrameHit::Object;
  if (State.RollUpState || State.Minimized()) return overCaption;
  const bool inClient = PtInRect(FGeometry.ClRect, P);
  if (Objects.ObjectHot && !Objects.OverCaptionObject && !inClient && !Objects.InSizeMove) return FrameHit::Object;
  const int32_t inner = inClient ? FrameHit::Client : overCaption;
  if (State.Maximized() || !Options.Sizeable || !OnSizingBorder(P, true)) return inner;
  const int32_t border = BorderHitCode(P);
  return border != 0 ? border : inner;
}

int32_t TspFrameCore::DefaultHitTest(TPoint P, const TspHitObjects& Objects) const {
  const int32_t w = FGeometry.Width, h = FGeometry.Height, b = DefaultBorderWidth;
  const TRect caption = DefaultLayout().CaptionRect;
  const TRect client = Rect(b, GetDefaultCaptionHeight() + b, w - b, h - b);
  if (State.Maximized() || State.RollUpState || !Options.Sizeable || State.Minimized()) {
    if (PtInRect(caption, P)) return FrameHit::Caption;
    return PtInRect(client, P) ? FrameHit::Client : FrameHit::Object;
  }
  if (Objects.ObjectHot) return FrameHit::Object;
  // The left and top edges are 3 pixels wide, the right and bottom ones 2.
  const bool left = P.X < b, top = P.Y < b, right = P.X >= w - 2, bottom = P.Y >= h - 2;
  if (left && top) return FrameHit::TopLeft;
  if (right && top) return FrameHit::TopRight;
  if (left && bottom) return FrameHit::BottomLeft;
  if (right && bottom) return FrameHit::BottomRight;
  if (left) return FrameHit::Left;
  if (top) return FrameHit::Top;
  if (right) return FrameHit::Right;
  if (bottom) return FrameHit::Bottom;
  if (PtInRect(caption, P)) return FrameHit::Caption;
  return PtInRect(client, P) ? FrameHit::Client : FrameHit::Object;
}

int32_t TspFrameCore::ClientAreaHitTest(TPoint P, const TspHitObjects& Objects) const {
  if (!Options.Sizeable || State.Maximized() || State.RollUpState || Objects.ObjectHot || !SkinInUse())
    return FrameHit::Client;
  if (!IsNullRect(FSizeGripRect) && PtInRect(FSizeGripRect, P)) return FrameHit::BottomRight;
  if (!OnSizingBorder(P, false)) return FrameHit::Client;
  const int32_t border = BorderHitCode(P);
  return border != 0 ? border : FrameHit::Client;
}

bool TspFrameCore::OnSizingBorder(TPoint P, bool WithMask) const {
  const bool masked = WithMask && HasMask();
  if (masked && PtInRect(FGeometry.MaskRect, P)) return false;
  const TRect window = Rect(0, 0, FGeometry.Width, FGeometry.Height);
  const auto inside = [&](int64_t x, int64_t y) {
    const TPoint q{Saturated(x), Saturated(y)};
    return masked ? FMask.PointInMask(q) : PtInRect(window, q);
  };
  const int64_t b = SkinInUse() ? FSkin.Info->BorderWidth : 0, x = P.X, y = P.Y;
  return !(inside(x - b, y) && inside(x, y - b) && inside(x + b, y) && inside(x, y + b));
}

int32_t TspFrameCore::BorderHitCode(TPoint P) const {
  const TspFrameGeometry& g = FGeometry;
  const TPoint &lt = g.HitTestLTPoint, &rt = g.HitTestRTPoint, &lb = g.HitTestLBPoint, &rb = g.HitTestRBPoint;
  const TRect& cl = g.ClRect;
  if (P.X <= lt.X && P.Y <= lt.Y) return FrameHit::TopLeft;
  if (P.X >= rt.X && P.Y <= rt.Y) return FrameHit::TopRight;
  if (P.X <= lb.X && P.Y >= lb.Y) return FrameHit::BottomLeft;
  if (P.X >= rb.X && P.Y >= rb.Y) return FrameHit::BottomRight;
  if (PtInRect(Rect(lt.X, 0, rt.X, cl.Top), P)) return FrameHit::Top;
  if (PtInRect(Rect(lb.X, cl.Bottom, rb.X, g.Height), P)) return FrameHit::Bottom;
  if (PtInRect(Rect(0, lt.Y, cl.Left, lb.Y), P)) return FrameHit::Left;
  if (PtInRect(Rect(cl.Right, rt.Y, g.Width, rb.Y), P)) return FrameHit::Right;
  return 0;
}

// A skin's own sizes are untrusted: a client rectangle larger than the picture must not
// give a negative minimum.
int32_t TspFrameCore::GetMinWidth() const {
  const int32_t picture = FSkin.Picture.cx;
  const int32_t minWidth = Options.MinWidth;
  int32_t result;
  if (RolledUpToPicture())
    result = FSkin.RollUpPicture.cx;
  else if (!Options.SupportNCArea)
    result = !SkinInUse() ? 0 : minWidth == 0 ? picture : std::min(picture, minWidth);
  else if (!SkinInUse())
    result = minWidth < 1 ? DefaultMinWidth : minWidth;
  else if (picture < minWidth && !State.Minimized())
    result = minWidth;
  else
    result = FSkin.Info->FormMinWidth >= 1 ? FSkin.Info->FormMinWidth : picture;
  return std::max(result, 0);
}

int32_t TspFrameCore::GetMinHeight() const {
  const int32_t picture = FSkin.Picture.cy;
  const int32_t minHeight = Options.MinHeight;
  // A rolled-up or minimized window shows only its frame.
  const bool frameOnly = State.RollUpState || State.Minimized();
  int32_t result;
  if (RolledUpToPicture()) {
    result = FSkin.RollUpPicture.cy;
  } else if (!Options.SupportNCArea) {
    result = !SkinInUse() ? 0 : minHeight == 0 ? picture : std::min(picture, minHeight);
  } else if (!SkinInUse()) {
    const int32_t frame = GetDefaultCaptionHeight() + 2 * DefaultBorderWidth;
    result = minHeight > frame && !frameOnly ? minHeight : frame;
  } else {
    const int32_t frame = Saturated(int64_t{picture} - RectHeight(FSkin.Info->ClRect));
    result = frame < minHeight && !frameOnly ? minHeight : frame;
  }
  return std::max(result, 0);
}

int32_t TspFrameCore::GetMaxWidth(const TspMonitorAreas& Areas) const {
  const int32_t area = RectWidth(Options.MaximizeOnFullScreen ? Areas.Monitor : Areas.WorkArea);
  return Options.MaxWidth > 0 ? std::min(area, Options.MaxWidth) : area;
}

int32_t TspFrameCore::GetMaxHeight(const TspMonitorAreas& Areas) const {
  const int32_t area = RectHeight(Options.MaximizeOnFullScreen ? Areas.Monitor : Areas.WorkArea);
  return Options.MaxHeight > 0 ? std::min(area, Options.MaxHeight) : area;
}

TspRollUpContext TspFrameCore::RollUpContext(int32_t Height) const {
  const bool allowed =
      (SkinInUse() || Options.SupportNCArea) && Options.BorderIcons.Contains(TspBorderIcon::biRollUp);
  return {allowed, Options.SupportNCArea, HasRollUpPicture(), Height, Options.ClientHeight};
}

TSize TspFrameCore::SizeAfterSkinLoad(TSize Size) const {
  const TSize min = MinSize();
  if (min.cx > Size.cx) Size.cx = min.cx;
  if (min.cy > Size.cy) Size.cy = min.cy;
  if (State.RollUpState || State.Minimized()) Size.cy = min.cy;
  if (State.Minimized()) Size.cx = min.cx;
  return Size;
}
