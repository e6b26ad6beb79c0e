#include "Bitmap.h"

#include "base/BmpCodec.h"
#include "base/Exceptions.h"
#include "base/Filer.h"
#include "base/Streams.h"

#include <algorithm>
#include <cstring>
#include <vector>

static_assert(sizeof(TPoint) == sizeof(POINT) && sizeof(TRect) == sizeof(RECT));

// TGraphic

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::Changed() {
  if (OnChange) {
    TNotifyEvent handler = OnChange;
    handler(this);
  }
}

// TBitmapCanvas

namespace {

// Memory DCs bitmap canvases gave back, kept for the next ones: making a DC costs a trip
// through the system's GDI, giving one back only a return to the state it was made in.
class TMemoryDCPool {
public:
  TMemoryDCPool() = default;
  TMemoryDCPool(const TMemoryDCPool&) = delete;
  TMemoryDCPool& operator=(const TMemoryDCPool&) = delete;
  ~TMemoryDCPool() {
    for (HDC dc : FFree) DeleteDC(dc);
  }

  HDC Take() {
    if (!FFree.empty()) {
      HDC dc = FFree.back();
      FFree.pop_back();
      return dc;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc != nullptr && SaveDC(dc) != kMadeState) {  // the state it goes back to
      DeleteDC(dc);
      return nullptr;
    }
    return dc;
  }

  // Everything the canvas set or selected goes: the DC is as it was made.
  void Give(HDC DC) {
    if (FFree.size() < kKept && RestoreDC(DC, kMadeState) && SaveDC(DC) == kMadeState)
      FFree.push_back(DC);
    else
      DeleteDC(DC);
  }

private:
  static constexpr int kMadeState = 1;
  static constexpr size_t kKept = 16;
  std::vector<HDC> FFree;
};

TMemoryDCPool& MemoryDCs() {
  thread_local TMemoryDCPool pool;
  return pool;
}

}  // namespace

TBitmapCanvas::~TBitmapCanvas() { FreeContext(); }

void TBitmapCanvas::CreateHandle() {
  if (FBitmap.FHandle == nullptr) return;  // an empty bitmap has nothing to draw on
  HDC dc = MemoryDCs().Take();
  if (dc == nullptr) throw EOutOfResources("Out of system resources");
  FOldBitmap = SelectObject(dc, FBitmap.FHandle);
  SetOwnedHandle(dc);
}

void TBitmapCanvas::ReleaseOwnedHandle(HDC DC) {
  SelectObject(DC, FOldBitmap);
  FOldBitmap = nullptr;
  MemoryDCs().Give(DC);
}

void TBitmapCanvas::FreeContext() { FreeHandle(); }

// TBitmap

TBitmap::TBitmap() : FCanvas(*this) {}

TBitmap::TBitmap(int Width, int Height, TPixelFormat Format) : FCanvas(*this) {
  FPixelFormat = Format;
  SetSize(Width, Height);
}

TBitmap::~TBitmap() {
  FCanvas.FreeContext();
  if (FHandle != nullptr) DeleteObject(FHandle);
}

void TBitmap::Replace(int NewWidth, int NewHeight, TPixelFormat Format, bool KeepPixels) {
  NewWidth = std::max(NewWidth, 0);
  NewHeight = std::max(NewHeight, 0);
  HBITMAP handle = nullptr;
  uint8_t* bits = nullptr;
  const int bitsPerPixel = Format == pf32bit ? 32 : 24;
  if (NewWidth > 0 && NewHeight > 0) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = NewWidth;
    info.bmiHeader.biHeight = -NewHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (handle == nullptr) throw EOutOfResources("Out of system resources");
    bits = static_cast<uint8_t*>(memory);
    const size_t newStride = static_cast<size_t>(TPixelImage::StrideFor(NewWidth, bitsPerPixel));
    std::memset(bits, 0, newStride * static_cast<size_t>(NewHeight));
    if (KeepPixels && FBits != nullptr) {
      GdiFlush();
      const int oldBytes = BitsPerPixel() / 8;
      const int newBytes = bitsPerPixel / 8;
      const int rows = std::min(NewHeight, FHeight);
      const int columns = std::min(NewWidth, FWidth);
      for (int y = 0; y < rows; ++y) {
        const uint8_t* from = FBits + static_cast<size_t>(y) * Stride();
        uint8_t* to = bits + static_cast<size_t>(y) * newStride;
        for (int x = 0; x < columns; ++x) std::memcpy(to + x * newBytes, from + x * oldBytes, 3);
      }
    }
  }
  FCanvas.FreeContext();
  if (FHandle != nullptr) DeleteObject(FHandle);
  FHandle = handle;
  FBits = bits;
  FWidth = handle != nullptr ? NewWidth : 0;
  FHeight = handle != nullptr ? NewHeight : 0;
  FPixelFormat = Format;
  Changed();
}

void TBitmap::SetSize(int NewWidth, int NewHeight) {
  if (NewWidth == FWidth && NewHeight == FHeight) return;
  Replace(NewWidth, NewHeight, FPixelFormat, true);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FPixelFormat) return;
  Replace(FWidth, FHeight, Value, true);
}

HBITMAP TBitmap::Handle() {
  FCanvas.FreeContext();
  return FHandle;
}

uint8_t* TBitmap::ScanLine(int y) {
  CheckRange(y, FHeight);
  GdiFlush();
  return FBits + static_cast<size_t>(y) * Stride();
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  const uint8_t* p = ScanLine(FHeight - 1);
  return RGBColor(p[2], p[1], p[0]);
}

void TBitmap::SetTransparentColor(TColor Value) {
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  FTransparentMode = Value;
  if (Value == tmAuto) FTransparentColor = clDefault;
  Changed();
}

void TBitmap::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBitmap*>(Source);
  if (source == nullptr) return TGraphic::Assign(Source);
  if (source == this) return;
  const TBitmap* from = source;
  Replace(from->FWidth, from->FHeight, from->FPixelFormat, false);
  if (FBits != nullptr) {
    GdiFlush();
    std::memcpy(FBits, from->FBits, static_cast<size_t>(Stride()) * static_cast<size_t>(FHeight));
  }
  FTransparentColor = from->FTransparentColor;
  FTransparentMode = from->FTransparentMode;
  SetTransparent(from->Transparent());
  Changed();
}

namespace {

// A memory DC drawing on a 24-bit device-independent bitmap: its pixels read back as
// they were written.
bool Draws24BitPixels(HDC DC) {
  if (GetObjectType(DC) != OBJ_MEMDC) return false;
  DIBSECTION section{};
  HGDIOBJ bitmap = GetCurrentObject(DC, OBJ_BITMAP);
  return GetObjectA(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBitsPixel == 24;
}

}  // namespace

bool TBitmap::DrawTransparentUnstretched(HDC Target, TPoint At) {
  if (FPixelFormat != pf24bit || !Draws24BitPixels(Target)) return false;
  // What the target shows there, the pixels not of the key colour put over it, and all of
  // it back in one copy: the target's clipping and origin apply as to any copy.
  TBitmap under(FWidth, FHeight);
  HDC copy = under.FCanvas.TransferHandle();
  if (!BitBlt(copy, 0, 0, FWidth, FHeight, Target, At.X, At.Y, SRCCOPY)) return false;
  GdiFlush();
  const TColor key = ColorToRGB(TransparentColor());
  const uint8_t blue = static_cast<uint8_t>(key >> 16), green = static_cast<uint8_t>(key >> 8),
                red = static_cast<uint8_t>(key);
  for (int y = 0; y < FHeight; ++y) {
    const uint8_t* from = FBits + static_cast<size_t>(y) * Stride();
    uint8_t* to = under.FBits + static_cast<size_t>(y) * under.Stride();
    for (int x = 0; x < FWidth; ++x, from += 3, to += 3)
      if (from[0] != blue || from[1] != green || from[2] != red) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
      }
  }
  return BitBlt(Target, At.X, At.Y, FWidth, FHeight, copy, 0, 0, SRCCOPY) != FALSE;
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Rect) {
  if (Empty()) return;
  if (!Transparent()) {
    Canvas.CopyRect(Rect, &FCanvas, TRect{0, 0, FWidth, FHeight});
    return;
  }
  HDC target = Canvas.TransferHandle();
  // The system's transparent copy builds masks each time: at the bitmap's own size the
  // pixels are merged here instead.
  if (Rect.Width() == FWidth && Rect.Height() == FHeight && DrawTransparentUnstretched(target, Rect.TopLeft()))
    return;
  TransparentBlt(target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), FCanvas.TransferHandle(), 0, 0,
                 FWidth, FHeight, static_cast<UINT>(ColorToRGB(TransparentColor())));
}

void TBitmap::LoadFromPixelImage(const TPixelImage& Image) {
  Replace(Image.Width(), Image.Height(), Image.BitsPerPixel() == 32 ? pf32bit : pf24bit, false);
  if (FBits != nullptr) std::memcpy(FBits, Image.Bits(), Image.ByteSize());
  Changed();
}

TPixelImage TBitmap::ToPixelImage() {
  TPixelImage image(FWidth, FHeight, BitsPerPixel());
  if (FBits != nullptr) {
    GdiFlush();
    std::memcpy(image.Bits(), FBits, image.ByteSize());
  }
  return image;
}

void TBitmap::LoadFromStream(TStream& Stream) { LoadFromPixelImage(ReadBmp(Stream)); }

void TBitmap::SaveToStream(TStream& Stream) { WriteBmp(ToPixelImage(), Stream); }

void TBitmap::DefineProperties(TFiler& Filer) {
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& Stream) { LoadFromStream(Stream); }, [this](TStream& Stream) { SaveToStream(Stream); },
      !Empty());
}

void TBitmap::LoadFromFile(const std::string& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TBitmap::SaveToFile(const std::string& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(stream);
}
