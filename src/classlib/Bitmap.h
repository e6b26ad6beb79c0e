#pragma once
// TGraphic, the picture kinds a canvas can draw, and TBitmap: a top-down DIB section
// with its own canvas, BMP streaming through the portable codec, and transparency.

#include "Canvas.h"

#include "base/PixelImage.h"

#include <string>

class TStream;

class TGraphic : public TPersistent {
public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Draws the picture stretched into Rect.
  virtual void Draw(TCanvas& Canvas, const TRect& Rect) = 0;

  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  TNotifyEvent OnChange;

protected:
  void Changed();

private:
  bool FTransparent = false;
};

enum TPixelFormat { pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap;

// The canvas of a bitmap: a memory DC made on demand with the bitmap selected.
class TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap& Bitmap) : FBitmap(Bitmap) {}
  ~TBitmapCanvas() override;
  // Deselects the bitmap and deletes the DC; the next drawing makes them again.
  void FreeContext();

protected:
  void CreateHandle() override;
  void ReleaseOwnedHandle(HDC DC) override;

private:
  TBitmap& FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
};

class TBitmap : public TGraphic {
public:
  TBitmap();
  TBitmap(int Width, int Height, TPixelFormat Format = pf24bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Empty() const override { return FWidth == 0 || FHeight == 0; }
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }
  // Keeps the pixels of the part both sizes share; new pixels are black.
  void SetSize(int NewWidth, int NewHeight);
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);

  TCanvas* Canvas() { return &FCanvas; }
  // The DIB section, first deselected from the canvas's DC so that the caller can
  // select it elsewhere (Wine refuses a bitmap that another DC holds). nullptr when empty.
  HBITMAP Handle();
  // Row y (0 = top) of the pixels, after pending GDI drawing has finished.
  uint8_t* ScanLine(int y);

  // The colour drawn as see-through when Transparent: with tmAuto the bottom-left pixel.
  TColor TransparentColor();
  void SetTransparentColor(TColor Value);  // switches to tmFixed
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  void Assign(const TPersistent* Source) override;  // a deep copy
  void Draw(TCanvas& Canvas, const TRect& Rect) override;

  // BMP files; raise EInvalidGraphic for a file that is not one.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream);
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);
  // Copies to and from the portable pixel image (24- or 32-bit).
  void LoadFromPixelImage(const TPixelImage& Image);
  TPixelImage ToPixelImage();

  // "Data": the picture as a BMP file, the way a form resource carries a glyph.
  void DefineProperties(TFiler& Filer) override;

private:
  friend class TBitmapCanvas;
  void Replace(int NewWidth, int NewHeight, TPixelFormat Format, bool KeepPixels);
  // A transparent draw at the bitmap's own size onto a 24-bit bitmap's DC; false where the
  // target is of another kind, for the system's transparent copy to do.
  bool DrawTransparentUnstretched(HDC Target, TPoint At);
  int BitsPerPixel() const { return FPixelFormat == pf32bit ? 32 : 24; }
  int Stride() const { return TPixelImage::StrideFor(FWidth, BitsPerPixel()); }

  HBITMAP FHandle = nullptr;
  uint8_t* FBits = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pf24bit;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  TBitmapCanvas FCanvas;
};
