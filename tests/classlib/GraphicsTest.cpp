#include "DefinedProperties.h"
#include "UiTest.h"

#include "classlib/Bitmap.h"
#include "classlib/ImageList.h"

#include "base/Exceptions.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Fill(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FillRect(r);
}

TColor PixelOf(TBitmap& bitmap, int x, int y) {
  const uint8_t* p = bitmap.ScanLine(y) + x * (bitmap.PixelFormat() == pf32bit ? 4 : 3);
  return RGBColor(p[2], p[1], p[0]);
}

TEST(Graphics, ColorToRGBResolvesSystemColoursAtRunTime) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clInfoBk), static_cast<TColor>(GetSysColor(COLOR_INFOBK)));
  EXPECT_EQ(ColorToRGB(RGBColor(1, 2, 3)), RGBColor(1, 2, 3));
}

TEST(Graphics, FontSizeAndHeightAndItsHandleLife) {
  TFont font;
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  font.SetHeight(-11);
  EXPECT_EQ(font.Size(), 8);
  font.SetHeight(16);  // a cell height gives a negative size
  EXPECT_EQ(font.Size(), -12);

  HFONT first = font.Handle();
  LOGFONTA lf{};
  ASSERT_EQ(GetObjectA(first, sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfHeight, 16);
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetStyle({fsBold, fsItalic});
  EXPECT_EQ(changes, 1);
  EXPECT_NE(GetObjectType(first), 0u);  // retired, not yet deleted
  HFONT second = font.Handle();
  EXPECT_NE(second, first);
  EXPECT_EQ(GetObjectType(first), 0u);  // deleted once the new one exists
  GetObjectA(second, sizeof lf, &lf);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic);
  font.SetColor(clRed);  // the colour lives on the DC: same GDI font
  EXPECT_EQ(font.Handle(), second);
  EXPECT_EQ(changes, 2);
}

// A canvas on a memory DC, and two fonts of different heights for it to switch between.
struct TCanvasWithTwoFonts {
  TPixelDC Memory{40, 40};
  HGDIOBJ OriginalFont = GetCurrentObject(Memory.DC(), OBJ_FONT);
  TCanvas Canvas;
  TFont Small, Large;

  TCanvasWithTwoFonts() {
    Canvas.SetHandle(Memory.DC());
    Small.SetHeight(-8);
    Large.SetHeight(-30);
  }
  ~TCanvasWithTwoFonts() { Canvas.SetHandle(nullptr); }
};

TEST(Graphics, AFontSwitchedBackTakesUpTheHandleItLetGoAndKeepsNoOlderOne) {
  TCanvasWithTwoFonts fonts;
  TCanvas& canvas = fonts.Canvas;
  TFont& font = *canvas.Font();
  TFont &small = fonts.Small, &large = fonts.Large;
  font.Assign(&small);
  HFONT smallHandle = font.Handle();
  const int smallWidth = canvas.TextWidth("WWW");
  font.Assign(&large);
  HFONT largeHandle = font.Handle();
  EXPECT_NE(largeHandle, smallHandle);
  EXPECT_NE(GetObjectType(smallHandle), 0u);  // kept while it may come back
  const int largeWidth = canvas.TextWidth("WWW");
  EXPECT_GT(largeWidth, smallWidth);
  // Back and forth, as a grid paints its fixed and its other cells: no new handle, and the
  // canvas measures and draws with the one the attributes name.
  for (int i = 0; i < 3; ++i) {
    font.Assign(&small);
    EXPECT_EQ(font.Handle(), smallHandle);
    EXPECT_EQ(GetCurrentObject(canvas.Handle(), OBJ_FONT), smallHandle);
    EXPECT_EQ(canvas.TextWidth("WWW"), smallWidth);
    font.Assign(&large);
    EXPECT_EQ(font.Handle(), largeHandle);
    EXPECT_EQ(canvas.TextWidth("WWW"), largeWidth);
  }
  // A third face: a new handle; the large one is kept, the small one (two changes back)
  // deleted, so that a canvas painting in many fonts holds two at most.
  TFont courierFace;
  courierFace.Assign(&large);
  courierFace.SetName("Courier New");
  font.Assign(&courierFace);
  HFONT courier = font.Handle();
  EXPECT_NE(courier, largeHandle);
  EXPECT_NE(courier, smallHandle);
  EXPECT_EQ(GetObjectType(smallHandle), 0u);
  EXPECT_NE(GetObjectType(largeHandle), 0u);
  LOGFONTA lf{};
  GetObjectA(courier, sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, "Courier New");
  EXPECT_EQ(lf.lfHeight, -30);
  // Only the face counts: a colour change keeps the handle, a height change back does not
  // reach the deleted one.
  font.SetColor(clRed);
  EXPECT_EQ(font.Handle(), courier);
  font.Assign(&small);
  GetObjectA(font.Handle(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -8);
}

// Switching between two fonts selects each once: the one let go stays selected (it is
// kept) until the next is needed. A font let go for good leaves the DC before it goes.
TEST(Graphics, ACanvasSwitchingFontsSelectsOnlyWhatItDrawsWith) {
  TCanvasWithTwoFonts fonts;
  TPixelDC& memory = fonts.Memory;
  const HGDIOBJ original = fonts.OriginalFont;
  TCanvas& canvas = fonts.Canvas;
  TFont& font = *canvas.Font();
  TFont &small = fonts.Small, &large = fonts.Large;
  font.Assign(&small);
  HFONT smallHandle = static_cast<HFONT>(GetCurrentObject(canvas.Handle(), OBJ_FONT));
  font.Assign(&large);
  font.SetColor(clRed);
  EXPECT_EQ(GetCurrentObject(memory.DC(), OBJ_FONT), smallHandle);
  EXPECT_NE(GetCurrentObject(canvas.Handle(), OBJ_FONT), smallHandle);
  EXPECT_EQ(GetTextColor(memory.DC()), RGB(255, 0, 0));
  font.SetHeight(-12);  // a face of its own: the large one goes
  EXPECT_EQ(GetCurrentObject(memory.DC(), OBJ_FONT), original);
  LOGFONTA lf{};
  GetObjectA(GetCurrentObject(canvas.Handle(), OBJ_FONT), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -12);
  canvas.SetHandle(nullptr);
  EXPECT_EQ(GetCurrentObject(memory.DC(), OBJ_FONT), original);
}

TEST(Graphics, AssigningEqualAttributesKeepsTheirGdiObjects) {
  TBrush brush;
  brush.SetColor(clRed);
  TBrush source;
  source.SetColor(clRed);
  HBRUSH red = brush.Handle();
  int brushChanges = 0;
  brush.OnChange = [&](TObject*) { ++brushChanges; };
  brush.Assign(&source);  // as an owner-drawn list does for every item
  EXPECT_EQ(brushChanges, 0);
  EXPECT_EQ(brush.Handle(), red);
  source.SetStyle(bsClear);
  brush.Assign(&source);
  EXPECT_EQ(brushChanges, 1);
  EXPECT_EQ(brush.Style(), bsClear);
  EXPECT_NE(brush.Handle(), red);

  TPen pen;
  pen.SetColor(clBlue);
  TPen xorPen;
  xorPen.SetColor(clBlue);
  xorPen.SetMode(pmXor);
  HPEN blue = pen.Handle();
  int penChanges = 0;
  pen.OnChange = [&](TObject*) { ++penChanges; };
  pen.Assign(&xorPen);
  EXPECT_EQ(penChanges, 1);
  EXPECT_EQ(pen.Mode(), pmXor);
  EXPECT_EQ(pen.Handle(), blue);  // the mode lives on the DC
  pen.Assign(&xorPen);
  EXPECT_EQ(penChanges, 1);
  xorPen.SetWidth(3);
  pen.Assign(&xorPen);
  EXPECT_EQ(penChanges, 2);
  EXPECT_NE(pen.Handle(), blue);
}

TEST(Graphics, CanvasRealisesItsAttributesAndLetsThemGoOnChange) {
  TPixelDC memory(40, 40);
  TCanvas canvas;
  canvas.SetHandle(memory.DC());
  canvas.Pen()->SetColor(clRed);
  HDC dc = canvas.Handle();
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen()->Handle());
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), canvas.Brush()->Handle());
  HPEN red = canvas.Pen()->Handle();
  canvas.Pen()->SetColor(clBlue);
  EXPECT_NE(GetCurrentObject(dc, OBJ_PEN), red);  // deselected before it is deleted
  canvas.MoveTo(0, 5);
  canvas.LineTo(10, 5);
  EXPECT_EQ(memory.Pixel(9, 5), clBlue);
  EXPECT_NE(memory.Pixel(10, 5), clBlue);  // the end point is not drawn
  canvas.SetHandle(nullptr);
  EXPECT_NE(GetCurrentObject(memory.DC(), OBJ_PEN), canvas.Pen()->Handle());
  EXPECT_THROW(canvas.Handle(), EInvalidOperation);
}

TEST(Graphics, ACanvasSelectsAnewOnlyTheAttributeThatChangedAndAColourNotEvenThat) {
  TPixelDC memory(60, 30);
  memory.Fill(clWhite);
  TCanvas canvas;
  canvas.SetHandle(memory.DC());
  canvas.Brush()->SetStyle(bsClear);
  canvas.Font()->SetHeight(-20);
  HDC dc = canvas.Handle();
  HFONT font = canvas.Font()->Handle();
  HPEN pen = canvas.Pen()->Handle();
  // A colour is set on the DC: the font stays selected.
  canvas.Font()->SetColor(clRed);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(clRed));
  canvas.TextOut(2, 2, "||||");
  int red = 0;
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 30; ++y) red += memory.Pixel(x, y) == clRed;
  EXPECT_GT(red, 0);
  // A new font leaves the pen and brush selected, and its own colour goes with it.
  canvas.Font()->SetHeight(-10);
  EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), canvas.Brush()->Handle());
  canvas.Pen()->SetColor(clBlue);
  EXPECT_NE(GetCurrentObject(dc, OBJ_PEN), pen);
  canvas.Handle();
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen()->Handle());
  EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(clRed));
  canvas.SetHandle(nullptr);  // everything back as the DC had it
  EXPECT_NE(GetCurrentObject(memory.DC(), OBJ_FONT), canvas.Font()->Handle());
  EXPECT_NE(GetCurrentObject(memory.DC(), OBJ_PEN), canvas.Pen()->Handle());
  EXPECT_NE(GetCurrentObject(memory.DC(), OBJ_BRUSH), canvas.Brush()->Handle());
}

// A copy between canvases makes no font or pen, yet paints one-bit pixels in the target's
// font and brush colours and pattern modes with its brush, as a copy with them all would.
TEST(Graphics, CopyingTakesTheTargetsColoursAndBrushWithoutAFontOrPen) {
  const uint8_t rows[4] = {0x40, 0, 0, 0};  // one-bit rows of two bytes: the second pixel white
  TGdiObject<HBITMAP> mask(CreateBitmap(2, 2, 1, 1, rows));
  TMemoryDC maskDC(nullptr);
  const HGDIOBJ old = SelectObject(maskDC.DC(), mask.get());
  TCanvas source;
  source.SetHandle(maskDC.DC());
  TPixelDC pixels(4, 4);
  TCanvas target;
  target.SetHandle(pixels.DC());
  target.Font()->SetColor(clRed);
  target.Brush()->SetColor(clLime);
  target.CopyRect(Rect(0, 0, 2, 2), &source, Rect(0, 0, 2, 2));
  EXPECT_EQ(pixels.Pixel(0, 0), clRed);   // bit 0: the text colour
  EXPECT_EQ(pixels.Pixel(1, 0), clLime);  // bit 1: the background colour
  EXPECT_EQ(pixels.Pixel(0, 1), clRed);
  EXPECT_FALSE(target.Font()->HandleAllocated());
  EXPECT_FALSE(target.Pen()->HandleAllocated());

  TPixelDC white(2, 2);
  white.Fill(clWhite);
  TCanvas whiteCanvas;
  whiteCanvas.SetHandle(white.DC());
  target.SetCopyMode(MERGECOPY);  // the source and the target's brush together
  target.Brush()->SetColor(clBlue);
  target.CopyRect(Rect(2, 2, 4, 4), &whiteCanvas, Rect(0, 0, 2, 2));
  EXPECT_EQ(pixels.Pixel(3, 3), clBlue);
  source.SetHandle(nullptr);
  SelectObject(maskDC.DC(), old);
}

TEST(Graphics, Frame3DDrawsNestedFramesAndShrinksTheRectangle) {
  TPixelDC memory(20, 20);
  memory.Fill(clBlack);
  TCanvas canvas;
  canvas.SetHandle(memory.DC());
  TRect r = Rect(2, 2, 12, 12);
  Frame3D(&canvas, r, clBtnHighlight, clBtnShadow, 2);
  EXPECT_EQ(r, Rect(4, 4, 10, 10));
  EXPECT_EQ(memory.Pixel(2, 2), SysColor(clBtnHighlight));
  EXPECT_EQ(memory.Pixel(3, 6), SysColor(clBtnHighlight));
  EXPECT_EQ(memory.Pixel(11, 11), SysColor(clBtnShadow));
  EXPECT_EQ(memory.Pixel(10, 5), SysColor(clBtnShadow));
  EXPECT_EQ(memory.Pixel(6, 6), clBlack);
}

TEST(Graphics, BitmapPixelsRoundTripThroughBmp) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap bitmap(7, 5, format);
    TCanvas* canvas = bitmap.Canvas();
    Fill(canvas, Rect(0, 0, 7, 5), clWhite);
    Fill(canvas, Rect(1, 1, 4, 3), RGBColor(10, 20, 30));
    canvas->SetPixels(6, 4, RGBColor(200, 100, 50));
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    ASSERT_EQ(loaded.Width(), 7);
    ASSERT_EQ(loaded.Height(), 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_EQ(PixelOf(loaded, x, y), PixelOf(bitmap, x, y)) << x << "," << y;
    EXPECT_EQ(PixelOf(loaded, 2, 2), RGBColor(10, 20, 30));
    EXPECT_EQ(loaded.Canvas()->Pixels(6, 4), RGBColor(200, 100, 50));
    // A form resource's "Data" is the same file.
    TMemoryStream data;
    DefinedProperties(bitmap).Binary.at("Data").WriteData(data);
    EXPECT_EQ(data.Size(), stream.Size());
    data.SetPosition(0);
    TBitmap glyph;
    EXPECT_FALSE(DefinedProperties(glyph).Binary.at("Data").HasData);
    DefinedProperties(glyph).Binary.at("Data").ReadData(data);
    EXPECT_EQ(glyph.Canvas()->Pixels(6, 4), RGBColor(200, 100, 50));
  }
  TMemoryStream junk;
  junk.WriteBuffer("BMxxxxxxxx", 10);
  junk.SetPosition(0);
  TBitmap bitmap(3, 3);
  EXPECT_THROW(bitmap.LoadFromStream(junk), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);  // unchanged after a failed load
}

TEST(Graphics, BitmapHandleCanBeSelectedElsewhereAfterCanvasUse) {
  TBitmap bitmap(4, 4);
  Fill(bitmap.Canvas(), Rect(0, 0, 4, 4), clLime);
  HBITMAP handle = bitmap.Handle();
  ASSERT_NE(handle, nullptr);
  HDC other = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(other, handle);
  EXPECT_NE(old, nullptr);  // Wine refuses a bitmap that another DC still holds
  EXPECT_EQ(static_cast<TColor>(GetPixel(other, 1, 1)), clLime);
  SelectObject(other, old);
  DeleteDC(other);
  // The canvas takes it back for the next drawing.
  Fill(bitmap.Canvas(), Rect(0, 0, 1, 1), clRed);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clLime);
}

TEST(Graphics, ABitmapCanvasDrawsOnAFreshStateWhateverTheCanvasBeforeItLeftSet) {
  HDC used = nullptr;
  {
    TBitmap first(20, 10);
    used = first.Canvas()->Handle();
    SetViewportOrgEx(used, 5, 3, nullptr);
    IntersectClipRect(used, 0, 0, 2, 2);
    SetTextColor(used, RGB(255, 0, 0));
    SetBkMode(used, TRANSPARENT);
    SetROP2(used, R2_NOT);
    SaveDC(used);  // left unbalanced
    SelectObject(used, GetStockObject(BLACK_BRUSH));
  }
  TBitmap second(30, 20);
  const HBITMAP pixels = second.Handle();
  HDC dc = second.Canvas()->Handle();
  EXPECT_EQ(dc, used);  // the DC the first canvas gave back
  POINT origin{-1, -1};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  RECT clip{};
  EXPECT_EQ(GetClipBox(dc, &clip), SIMPLEREGION);
  EXPECT_EQ(FromRECT(clip), Rect(0, 0, 30, 20));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), pixels);
  Fill(second.Canvas(), Rect(0, 0, 30, 20), clLime);
  EXPECT_EQ(PixelOf(second, 0, 0), clLime);
  EXPECT_EQ(PixelOf(second, 29, 19), clLime);
}

// Every pixel of a bitmap, row by row.
std::vector<TColor> PixelsOf(TBitmap& Bitmap) {
  std::vector<TColor> pixels;
  for (int y = 0; y < Bitmap.Height(); ++y)
    for (int x = 0; x < Bitmap.Width(); ++x) pixels.push_back(PixelOf(Bitmap, x, y));
  return pixels;
}

TEST(Graphics, ATransparentDrawOnABitmapLeavesWhatTheSystemsTransparentCopyLeaves) {
  // A picture of many colours, a third of it in the key colour (its red unlike its blue).
  const TColor key = RGBColor(255, 128, 0);
  TBitmap picture(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      Fill(picture.Canvas(), Rect(x, y, x + 1, y + 1), (x + y) % 3 == 0 ? key : RGBColor(30 * x, 40 * y, 200 - 9 * x));
  picture.SetTransparentColor(key);
  picture.SetTransparent(true);
  // Drawn at (2, 1) onto a striped bitmap whose DC has its origin moved and a clip.
  auto drawnOnto = [&](bool bySystem) {
    TBitmap target(20, 12);
    for (int x = 0; x < 20; ++x) Fill(target.Canvas(), Rect(x, 0, x + 1, 12), RGBColor(5 * x, 100, 250 - 5 * x));
    HDC dc = target.Canvas()->Handle();
    SetViewportOrgEx(dc, 3, 2, nullptr);
    IntersectClipRect(dc, 1, 0, 7, 4);
    if (bySystem)
      TransparentBlt(dc, 2, 1, 7, 5, picture.Canvas()->Handle(), 0, 0, 7, 5, static_cast<UINT>(key));
    else
      target.Canvas()->Draw(2, 1, &picture);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SelectClipRgn(dc, nullptr);
    return PixelsOf(target);
  };
  const std::vector<TColor> ours = drawnOnto(false);
  EXPECT_EQ(ours, drawnOnto(true));
  // The picture's (0, 0) lands on (5, 3) of the bitmap, the clip's bottom on row 6.
  EXPECT_EQ(ours[3 * 20 + 6], RGBColor(30, 0, 200 - 9));  // picture (1, 0): copied
  EXPECT_EQ(ours[3 * 20 + 5], RGBColor(25, 100, 225));    // picture (0, 0): the key, left out
  EXPECT_EQ(ours[6 * 20 + 6], RGBColor(30, 100, 220));    // picture (1, 3): clipped away
}

TEST(Graphics, BitmapSizeAssignAndTransparentDrawing) {
  TBitmap bitmap(4, 4);
  Fill(bitmap.Canvas(), Rect(0, 0, 4, 4), clBlue);
  Fill(bitmap.Canvas(), Rect(1, 1, 3, 3), clYellow);
  bitmap.SetSize(6, 2);  // the shared part stays
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clYellow);
  EXPECT_EQ(PixelOf(bitmap, 5, 1), clBlack);

  TBitmap copy;
  copy.Assign(&bitmap);
  Fill(copy.Canvas(), Rect(0, 0, 6, 2), clRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clYellow);  // a deep copy
  EXPECT_EQ(copy.Width(), 6);

  // Transparent: the bottom-left pixel's colour (blue) is left out.
  bitmap.SetSize(4, 4);
  Fill(bitmap.Canvas(), Rect(0, 0, 4, 4), clBlue);
  Fill(bitmap.Canvas(), Rect(1, 1, 3, 3), clYellow);
  bitmap.SetTransparent(true);
  EXPECT_EQ(bitmap.TransparentColor(), clBlue);
  TPixelDC memory(10, 10);
  memory.Fill(clRed);
  TCanvas canvas;
  canvas.SetHandle(memory.DC());
  canvas.Draw(2, 2, &bitmap);
  EXPECT_EQ(memory.Pixel(2, 2), clRed);
  EXPECT_EQ(memory.Pixel(3, 3), clYellow);
  bitmap.SetTransparentColor(clYellow);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  memory.Fill(clRed);
  canvas.StretchDraw(Rect(0, 0, 8, 8), &bitmap);
  EXPECT_EQ(memory.Pixel(0, 0), clBlue);
  EXPECT_EQ(memory.Pixel(3, 3), clRed);  // the yellow middle is left out
  EXPECT_EQ(memory.Pixel(9, 9), clRed);
  canvas.SetHandle(nullptr);
}

TEST(Graphics, ImageListDrawsNormallyAndGreyed) {
  TImageList images(nullptr);
  images.SetSize(8, 8);
  TBitmap strip(16, 8);
  Fill(strip.Canvas(), Rect(0, 0, 16, 8), clFuchsia);
  Fill(strip.Canvas(), Rect(2, 2, 6, 6), clRed);
  Fill(strip.Canvas(), Rect(10, 2, 14, 6), clLime);
  EXPECT_EQ(images.AddMasked(&strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(PixelOf(strip, 0, 0), clFuchsia);  // the caller's bitmap is untouched

  TPixelDC memory(30, 10);
  memory.Fill(clWhite);
  TCanvas canvas;
  canvas.SetHandle(memory.DC());
  images.Draw(&canvas, 0, 0, 1);
  images.Draw(&canvas, 10, 0, 0, false);
  canvas.SetHandle(nullptr);
  EXPECT_EQ(memory.Pixel(3, 3), clLime);
  EXPECT_EQ(memory.Pixel(0, 0), clWhite);  // transparent
  EXPECT_EQ(memory.Pixel(13, 3), SysColor(clBtnShadow));
  EXPECT_EQ(memory.Pixel(16, 6), SysColor(clBtnHighlight));  // the embossed edge
  EXPECT_EQ(memory.Pixel(10, 0), clWhite);

  TBitmap one;
  images.GetBitmap(0, &one);
  EXPECT_EQ(one.Width(), 8);
  EXPECT_EQ(PixelOf(one, 3, 3), clRed);
  TIcon icon;
  images.GetIcon(1, &icon);
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 8);
  TIcon copy;
  copy.Assign(&icon);
  EXPECT_NE(copy.Handle(), icon.Handle());
  EXPECT_EQ(copy.Height(), 8);
  images.Delete(0);
  EXPECT_EQ(images.Count(), 1);
  images.SetSize(16, 16);
  EXPECT_EQ(images.Count(), 0);
}

}  // namespace
