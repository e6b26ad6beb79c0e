#include "FramePainting.h"

#include "FrameArithmetic.h"

#include "skin/data/SkinRects.h"

#include <algorithm>

bool SkinFramePaintable(const TspFrameCore& Core) {
  return Core.SkinFormUsable() && Core.LastWidth() >= Core.GetMinWidth() && Core.LastHeight() >= Core.GetMinHeight();
}

TspBandOrigins BorderBandOrigins(const TBorderPlans& Bands, int32_t Width, int32_t Height) {
  const auto width = [](const TBandPlan& B) { return B.Drawn ? B.Image.Width : 0; };
  const auto height = [](const TBandPlan& B) { return B.Drawn ? B.Image.Height : 0; };
  const int32_t top = height(Bands.Top);
  return {{0, 0}, {0, top}, {Width - width(Bands.Right), top}, {0, Height - height(Bands.Bottom)}};
}

TspBandDraw ObjectBandDraw(const TRect& ObjectRect, const TRect& ClRect) {
  if (ObjectRect.Bottom <= ClRect.Top) return {false, ObjectRect};
  return {true, FrameArithmetic::Offset(ObjectRect, 0, -int64_t{ClRect.Bottom})};
}

TspBandDraw MainMenuItemBandDraw(const TRect& ItemRect, const TRect& MainMenuRect, const TRect& ClRect) {
  if (MainMenuRect.Top <= ClRect.Top) return {false, ItemRect};
  return {true, FrameArithmetic::Offset(ItemRect, 0, -int64_t{ClRect.Bottom})};
}

bool TspObjectPaintBudget::Take(const TRect& Rect, TSize Target) {
  if (Rect.Right <= 0 || Rect.Bottom <= 0 || Rect.Left >= Target.cx || Rect.Top >= Target.cy) return false;
  if (IsNullRect(Rect)) return false;
  const int64_t pixels = int64_t{RectWidth(Rect)} * RectHeight(Rect);
  if (pixels > FLeft) return false;
  FLeft -= pixels;
  return true;
}

std::vector<TspCaptionStripe> DefaultCaptionStripes(const TRect& CaptionRect, int32_t CaptionHeight) {
  const int32_t start = CaptionRect.Left - DefaultBorderWidth + 2;
  const int32_t end = CaptionRect.Right - DefaultBorderWidth - 3;
  std::vector<TspCaptionStripe> stripes;
  for (int32_t y = 2; y <= CaptionHeight - 4; ++y) stripes.push_back({y, start, end, (y - 2) % 2 == 0});
  return stripes;
}

TPoint DefaultCaptionTextOrigin(const TRect& CaptionRect, int32_t CaptionHeight, TSize TextSize) {
  const int32_t middle = (CaptionRect.Left + CaptionRect.Right) / 2 - DefaultBorderWidth;
  return {middle - (TextSize.cx + 5) / 2, CaptionHeight / 2 - TextSize.cy / 2};
}

TRect DefaultClientRect(int32_t Width, int32_t Height, int32_t CaptionHeight) {
  const int32_t b = DefaultBorderWidth;
  return Rect(b, CaptionHeight + b, Width - b, Height - b);
}

TspClientFill ClientBackgroundFill(TSize Picture, TSize Client, TSize Window, bool StretchEffect,
                                   TspStretchType StretchType) {
  // The picture's size comes from the skin: never a divisor unless positive.
  if (Client.cx < 1 || Client.cy < 1 || Picture.cx < 1 || Picture.cy < 1) return {};
  TspClientFill fill;
  if (!StretchEffect)
    fill = {Rect(0, 0, Picture.cx, Picture.cy), Client.cx / Picture.cx + 1, Client.cy / Picture.cy + 1};
  else if (StretchType == stfull)
    fill = {Rect(0, 0, Window.cx, Window.cy), 1, 1};
  else if (StretchType == stvert)
    fill = {Rect(0, 0, Window.cx, Picture.cy), 1, Window.cy / Picture.cy + 1};
  else
    fill = {Rect(0, 0, Picture.cx, Window.cy), Window.cx / Picture.cx + 1, 1};
  return IsNullRect(fill.Cell) ? TspClientFill{} : fill;
}

TPoint LogoOrigin(TSize Client, TSize Logo) {
  return {std::max(0, Client.cx / 2 - Logo.cx / 2), std::max(0, Client.cy / 2 - Logo.cy / 2)};
}

TspClientFramePicture ClientFramePictureKind(const TspFrameCore& Core) {
  if (!Core.SkinInUse()) return TspClientFramePicture::Plain;
  const TspFrameSkin& skin = Core.Skin();
  if (Core.State.RollUpState && Core.HasRollUpPicture()) return TspClientFramePicture::RollUpPicture;
  if (skin.Info->LTPoint == TPoint{} && skin.Info->RBPoint == TPoint{}) return TspClientFramePicture::FramePicture;
  return TspClientFramePicture::FrameImage;
}

TspFormRegion FormRegionKind(const TspFrameCore& Core) {
  const TspFrameOptions& o = Core.Options;
  if (o.BorderStyle == bsNone && o.SupportNCArea) return TspFormRegion::None;
  const bool maximizedMDIChild = o.MDIChild && Core.State.Maximized();
  const TPixelImage* mask = Core.Skin().Mask;
  if (Core.SkinInUse() && mask != nullptr && !mask->Empty() && !maximizedMDIChild)
    return o.SupportNCArea ? TspFormRegion::MaskBands : TspFormRegion::WholeMask;
  return TspFormRegion::Rectangle;
}
