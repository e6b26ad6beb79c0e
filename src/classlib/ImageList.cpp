#include "ImageList.h"

#include "CommonControls.h"
#include "DeviceContexts.h"

#include "base/Exceptions.h"

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() {
  if (FHandle != nullptr) CommonControls().ImageListDestroy(FHandle);
}

HIMAGELIST TCustomImageList::Handle() {
  if (FHandle == nullptr) {
    FHandle = CommonControls().ImageListCreate(FWidth, FHeight, ILC_COLOR24 | ILC_MASK, 4, 4);
    if (FHandle == nullptr) throw EOutOfResources("Cannot create an image list");
  }
  return FHandle;
}

void TCustomImageList::SetSize(int NewWidth, int NewHeight) {
  if (NewWidth < 1 || NewHeight < 1 || (NewWidth == FWidth && NewHeight == FHeight)) return;
  FWidth = NewWidth;
  FHeight = NewHeight;
  if (FHandle != nullptr) {
    CommonControls().ImageListDestroy(FHandle);
    FHandle = nullptr;
  }
  Changed();
}

int TCustomImageList::Count() const { return FHandle != nullptr ? CommonControls().ImageListGetImageCount(FHandle) : 0; }

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (Image == nullptr || Image->Empty()) return -1;
  const int index = CommonControls().ImageListAdd(Handle(), Image->Handle(), Mask != nullptr ? Mask->Handle() : nullptr);
  Changed();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (Image == nullptr || Image->Empty()) return -1;
  // The system call blackens the transparent pixels of the bitmap it gets: give it a copy.
  TBitmap copy;
  copy.Assign(Image);
  const int index =
      CommonControls().ImageListAddMasked(Handle(), copy.Handle(), static_cast<COLORREF>(ColorToRGB(MaskColor)));
  Changed();
  return index;
}

void TCustomImageList::Delete(int Index) {
  if (FHandle == nullptr || Index < 0 || Index >= Count()) return;
  CommonControls().ImageListRemove(FHandle, Index);
  Changed();
}

void TCustomImageList::Clear() {
  if (FHandle == nullptr) return;
  CommonControls().ImageListRemove(FHandle, -1);
  Changed();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  if (FHandle == nullptr || Index < 0 || Index >= Count()) return;
  HDC dc = Canvas->Handle();
  if (Enabled)
    CommonControls().ImageListDraw(FHandle, Index, dc, X, Y, ILD_NORMAL);
  else
    DrawDisabled(dc, X, Y, Index);
}

void TCustomImageList::DrawDisabled(HDC DC, int X, int Y, int Index) {
  // The image's shape (its mask: 0 opaque, 1 transparent) is painted as an embossed
  // silhouette: highlight one pixel down and right, shadow on top.
  const TMemoryDC maskDC(DC);
  const TGdiObject<HBITMAP> mask(CreateBitmap(FWidth, FHeight, 1, 1, nullptr));
  const TSelectedObject maskSelected(maskDC.DC(), mask.get());
  PatBlt(maskDC.DC(), 0, 0, FWidth, FHeight, WHITENESS);
  CommonControls().ImageListDraw(FHandle, Index, maskDC.DC(), 0, 0, ILD_MASK);

  const COLORREF oldText = SetTextColor(DC, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(DC, RGB(255, 255, 255));
  constexpr DWORD kPaintWhereSourceIsBlack = 0x00B8074A;  // D = ((D ^ P) & S) ^ P
  const TColor colors[] = {clBtnHighlight, clBtnShadow};
  const int offsets[] = {1, 0};
  for (int i = 0; i < 2; ++i) {
    const TGdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colors[i]))));
    const TSelectedObject brushSelected(DC, brush.get());
    BitBlt(DC, X + offsets[i], Y + offsets[i], FWidth, FHeight, maskDC.DC(), 0, 0,
           kPaintWhereSourceIsBlack);
  }
  SetTextColor(DC, oldText);
  SetBkColor(DC, oldBack);
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
  if (Image == nullptr || FHandle == nullptr || Index < 0 || Index >= Count()) return;
  Image->SetSize(FWidth, FHeight);
  TCanvas* canvas = Image->Canvas();
  canvas->Brush()->SetColor(clBlack);
  canvas->FillRect(Rect(0, 0, FWidth, FHeight));
  CommonControls().ImageListDraw(FHandle, Index, canvas->Handle(), 0, 0, ILD_NORMAL);
}

void TCustomImageList::GetIcon(int Index, TIcon* Icon) {
  if (Icon == nullptr || FHandle == nullptr || Index < 0 || Index >= Count()) return;
  Icon->SetHandle(CommonControls().ImageListGetIcon(FHandle, Index, ILD_NORMAL));
}

void TCustomImageList::Changed() {
  if (OnChange) {
    TNotifyEvent handler = OnChange;
    handler(this);
  }
}
