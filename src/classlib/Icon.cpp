#include "Icon.h"

#include "DeviceContexts.h"

namespace {

TSize IconSize(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return {};
  const TGdiObject<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
  BITMAP bitmap{};
  TSize size;
  // A monochrome icon keeps its image and mask one above the other in hbmMask.
  if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap))
    size = {bitmap.bmWidth, bitmap.bmHeight};
  else if (info.hbmMask != nullptr && GetObjectA(info.hbmMask, sizeof bitmap, &bitmap))
    size = {bitmap.bmWidth, bitmap.bmHeight / 2};
  return size;
}

}  // namespace

TIcon::~TIcon() {
  if (FHandle != nullptr) DestroyIcon(FHandle);
}

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  if (FHandle != nullptr) DestroyIcon(FHandle);
  FHandle = Value;
  const TSize size = IconSize(Value);
  FWidth = size.cx;
  FHeight = size.cy;
  Changed();
}

bool TIcon::LoadFromResourceName(HINSTANCE Instance, const char* Name) {
  HANDLE icon = LoadImageA(Instance, Name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
  if (icon == nullptr) return false;
  SetHandle(static_cast<HICON>(icon));
  return true;
}

void TIcon::Assign(const TPersistent* Source) {
  const auto* icon = dynamic_cast<const TIcon*>(Source);
  if (icon == nullptr) return TGraphic::Assign(Source);
  if (icon != this) SetHandle(icon->FHandle != nullptr ? CopyIcon(icon->FHandle) : nullptr);
}

void TIcon::Draw(TCanvas& Canvas, const TRect& Rect) {
  if (FHandle == nullptr) return;
  DrawIconEx(Canvas.Handle(), Rect.Left, Rect.Top, FHandle, Rect.Width(), Rect.Height(), 0,
             nullptr, DI_NORMAL);
}
