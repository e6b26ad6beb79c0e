#include "SkinCustomControl.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinRegions.h"
#include "skin/data/win32/WindowShape.h"

#include "classlib/Bitmap.h"
#include "classlib/DeviceContexts.h"

#include "base/DispatchScope.h"

void TspSkinCustomControl::GetSkinData() {
  TspSkinCustomControlCore::GetSkinData();
  if (!Skinned()) return;
  const auto* entry = dynamic_cast<const TspDataSkinCustomControl*>(SkinEntry());
  MaskPicture = entry != nullptr ? SkinActiveBitmap(SkinData(), entry->MaskPictureIndex) : TspSkinBitmap{};
}

void TspSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  GetSkinData();
  const bool skinned = Skinned();
  if (skinned && (AWidth != Width() || AHeight != Height())) CalcSize(AWidth, AHeight);
  const TSize old{Width(), Height()};
  TspSkinCustomControlCore::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!skinned) return;
  if (old != TSize{Width(), Height()}) {
    SetControlRegion();
    Repaint();
  }
  if (StretchEffect) NotifyChildrenBackgroundChanged();
}

void TspSkinCustomControl::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  const TSize size = SkinSize();
  const TSize old{Width(), Height()};
  if (size != old) SetBounds(Left(), Top(), size.cx, size.cy);
  if (Skinned() && old != TSize{Width(), Height()}) return;  // the resize set the region and repainted
  SetControlRegion();
  Repaint();
}

void TspSkinCustomControl::SetControlRegion() {
  if (!HandleAllocated()) return;
  TBitmap* mask = MaskPicture.Get();
  TRegion region;
  if (Skinned() && ResizeMode() != SkinResize::NoRect && mask != nullptr && !mask->Empty()) {
    int width = Width();
    int height = Height();
    CalcSize(width, height);
    const size_t most = RegionRectsLeftFor(Handle());
    if (ResizeMode() == SkinResize::Fixed)
      region = CreateMaskRegion(mask, most);
    else
      region = CreateSkinRegion({{LTPoint, RTPoint, LBPoint, RBPoint, ClRect},
                                 {NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect},
                                 mask,
                                 Width(),
                                 Height(),
                                 most});
  }
  ShapeWindow(Handle(), std::move(region), true);
}

bool TspSkinCustomControl::HasSkinRegion() { return HandleAllocated() && HasWindowRegion(Handle()); }

void TspSkinCustomControl::CreateWnd() {
  TspSkinCustomControlCore::CreateWnd();
  GetSkinData();
  SetControlRegion();
}

bool TspSkinCustomControl::PaintsBordersDirect() const {
  return Skinned() && PaintBordersDirect && ResizeMode() == SkinResize::BothWays && !AlphaBlend();
}

void TspSkinCustomControl::CreateSkinImageFromPicture(TBitmap* B, const TspSkinBitmap& APicture, const TRect& R) {
  // The direct paint draws it; a blended control draws itself whole off-screen instead.
  if (!PaintsBordersDirect()) TspSkinCustomControlCore::CreateSkinImageFromPicture(B, APicture, R);
}

void TspSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  int width = Width();
  int height = Height();
  CalcSize(width, height);
  if (PaintsBordersDirect())
    PaintBordersAndClient();
  else
    TspSkinCustomControlCore::Paint();
}

void TspSkinCustomControl::PaintBordersAndClient() {
  TBitmap* picture = Picture.Get();
  if (picture == nullptr || picture->Empty()) return;
  const int width = Width();
  const int height = Height();
  const TBorderPlans bands =
      SkinBorderPlans({LTPoint, RTPoint, LBPoint, RBPoint, ClRect}, {NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect},
                      SkinRect, width, height, {LeftStretch, TopStretch, RightStretch, BottomStretch});
  TCanvas* canvas = Canvas();
  // Drawn as another control's background, only the bands that reach the copy are made.
  const bool paintCopy = ControlState().Contains(csPaintCopy);
  const TRect reach = canvas->ClipRect();
  const auto reaches = [&](const TBandPlan& band, int x, int y) {
    return !paintCopy || (band.Drawn && !IsRectEmpty(IntersectRect(reach, Bounds(x, y, band.Image.Width, band.Image.Height))));
  };
  TBitmap top;
  if (reaches(bands.Top, 0, 0)) {
    if (bands.Top.Drawn) DrawImage(&top, picture, bands.Top.Image);
    CreateControlSkinImage(&top);  // a descendant's caption lands on the top border
  }
  if (PaintClientPart) {
    const TSavedDC saved(canvas->Handle());
    IntersectClipRect(canvas->Handle(), NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom);
    DrawPlanWithinClip(*canvas, picture, SkinClientPlan(ClRect, NewClRect, SkinRect, width, height, ClientFill(), true));
  }
  if (!top.Empty()) canvas->Draw(0, 0, &top);
  const int topHeight = top.Empty() && bands.Top.Drawn ? bands.Top.Image.Height : top.Height();
  const auto drawBand = [&](const TBandPlan& band, int x, int y) {
    if (!band.Drawn || !reaches(band, x, y)) return;
    TBitmap image;
    DrawImage(&image, picture, band.Image);
    canvas->Draw(x, y, &image);
  };
  drawBand(bands.Left, 0, topHeight);
  drawBand(bands.Right, width - bands.Right.Image.Width, topHeight);
  drawBand(bands.Bottom, 0, height - bands.Bottom.Image.Height);
}
