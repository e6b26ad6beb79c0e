#pragma once
// TCanvas: drawing on a device context with the canvas's own font, pen and brush,
// which Handle() selects into the DC before it is used. A canvas either borrows a DC
// (SetHandle) or makes one on demand (descendants override CreateHandle).

#include "Graphics.h"

#include "base/Geometry.h"

#include <string>
#include <vector>

class TGraphic;

class TCanvas : public TPersistent {
public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC with font, pen and brush selected; made on demand by descendants. Raises
  // EInvalidOperation when there is none.
  HDC Handle();
  // The DC set up for a block transfer: the brush (pattern copy modes paint with it) and
  // the colours that turn one-bit pixels into colour and back. A transfer draws no text
  // and no line, so no font or pen is made for it.
  HDC TransferHandle();
  // Borrows a DC (nullptr: none); the previous DC's selections are undone first.
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* Font() { return &FFont; }
  TPen* Pen() { return &FPen; }
  TBrush* Brush() { return &FBrush; }
  DWORD CopyMode() const { return FCopyMode; }
  void SetCopyMode(DWORD Value) { FCopyMode = Value; }

  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);  // the end point is not drawn
  void Polyline(const std::vector<TPoint>& Points);
  void Polygon(const std::vector<TPoint>& Points);
  void Rectangle(const TRect& R);
  void Ellipse(const TRect& R);
  // The part of the canvas that drawing reaches (the clip box); empty where none does.
  TRect ClipRect();
  void FillRect(const TRect& R);   // with the brush
  void FrameRect(const TRect& R);  // one pixel wide, with the brush
  void DrawFocusRect(const TRect& R);
  void TextOut(int X, int Y, const std::string& Text);
  // Text at (X, Y) clipped to R; R is filled with the brush unless it is bsClear.
  void TextRect(const TRect& R, int X, int Y, const std::string& Text);
  // DrawTextA with the canvas's font (and its brush's background mode) in R; with
  // DT_CALCRECT R becomes the text's extent. Returns the text's height.
  int DrawText(const std::string& Text, TRect& R, UINT Flags);
  TSize TextExtent(const std::string& Text);
  int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
  int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
  // Draws a graphic at its own size; a transparent bitmap leaves its transparent colour out.
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  // Copies Source's rectangle into Dest, stretching (COLORONCOLOR) with CopyMode.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Color);

  // Marks the canvas in use so that a cached DC is not taken away meanwhile.
  void Lock() { ++FLockCount; }
  void Unlock() { --FLockCount; }
  int LockCount() const { return FLockCount; }

protected:
  // Descendants that make their own DC give it here (through SetOwnedHandle).
  virtual void CreateHandle() {}
  // Descendants that own their DC release it here; the selections are undone before.
  virtual void ReleaseOwnedHandle(HDC) {}
  void SetOwnedHandle(HDC Value);
  // Undoes the selections and lets an owned DC go.
  void FreeHandle();

private:
  // csTextColorValid: the font's colour is the DC's text colour, its font not selected.
  enum TStateFlag { csFontValid, csPenValid, csBrushValid, csTextColorValid };
  void RequireHandle();
  void RequireFont();
  void RequirePen();
  void RequireBrush();
  // Puts the DC's original object back in place of the canvas's own.
  void Deselect(HGDIOBJ& Original);
  void DeselectAll();
  // Only what changed is selected anew.
  void AttributeChanged(TObject* Sender);

  HDC FHandle = nullptr;
  bool FOwnsHandle = false;
  TSet<TStateFlag> FState;
  HGDIOBJ FOriginalFont = nullptr;
  HGDIOBJ FOriginalPen = nullptr;
  HGDIOBJ FOriginalBrush = nullptr;
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  DWORD FCopyMode = SRCCOPY;
  int FLockCount = 0;
};

// Draws Width nested one-pixel frames, top and left edges in TopColor, bottom and right
// in BottomColor, and shrinks Rect by Width on each side.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// DrawText's flag that aligns a line as Alignment says.
inline UINT DrawTextAlignment(TAlignment Alignment) {
  static constexpr UINT Flags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  return Flags[Alignment];
}

// Win32 rectangle conversions.
inline RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
