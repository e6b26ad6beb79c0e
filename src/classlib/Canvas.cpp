#include "Canvas.h"

#include "Bitmap.h"

#include "base/Exceptions.h"

TCanvas::TCanvas() {
  FBrush.SetColor(clWhite);
  FFont.OnChange = Event(this, &TCanvas::AttributeChanged);
  FPen.OnChange = Event(this, &TCanvas::AttributeChanged);
  FBrush.OnChange = Event(this, &TCanvas::AttributeChanged);
}

TCanvas::~TCanvas() {
  // Descendants release their DCs in their own destructors; a borrowed DC gets its
  // original objects back here, before the font, pen and brush are deleted.
  DeselectAll();
}

void TCanvas::AttributeChanged(TObject* Sender) {
  if (Sender == &FFont) {
    // A new colour of the font still selected is only the DC's text colour.
    if (FState.Contains(csFontValid) && FFont.HandleAllocated()) {
      SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont.Color())));
      return;
    }
    // A font kept alive (one of two a canvas switches between, or the same one in a new
    // colour) stays selected until the next is: selecting a font costs about as much as
    // drawing a short text.
    if (FFont.RetiringHandle()) Deselect(FOriginalFont);
    FState.Exclude(csFontValid);
    FState.Exclude(csTextColorValid);
  } else if (Sender == &FPen) {
    Deselect(FOriginalPen);
    FState.Exclude(csPenValid);
  } else {
    Deselect(FOriginalBrush);
    FState.Exclude(csBrushValid);
  }
}

// The others stay selected: a grid switching fonts per part selects one object, not three.
void TCanvas::Deselect(HGDIOBJ& Original) {
  if (FHandle != nullptr && Original != nullptr) SelectObject(FHandle, Original);
  Original = nullptr;
}

void TCanvas::DeselectAll() {
  for (HGDIOBJ* original : {&FOriginalFont, &FOriginalPen, &FOriginalBrush}) Deselect(*original);
  FState = {};
}

void TCanvas::SetHandle(HDC Value) {
  if (Value == FHandle) return;
  FreeHandle();
  FHandle = Value;
  FOwnsHandle = false;
}

void TCanvas::SetOwnedHandle(HDC Value) {
  FreeHandle();
  FHandle = Value;
  FOwnsHandle = Value != nullptr;
}

void TCanvas::FreeHandle() {
  DeselectAll();
  HDC old = FHandle;
  const bool owned = FOwnsHandle;
  FHandle = nullptr;
  FOwnsHandle = false;
  if (old != nullptr && owned) ReleaseOwnedHandle(old);
}

void TCanvas::RequireHandle() {
  if (FHandle == nullptr) CreateHandle();
  if (FHandle == nullptr) throw EInvalidOperation("Canvas does not allow drawing");
}

void TCanvas::RequireFont() {
  RequireHandle();
  if (FState.Contains(csFontValid)) return;
  HGDIOBJ old = SelectObject(FHandle, FFont.Handle());
  if (FOriginalFont == nullptr) FOriginalFont = old;
  SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont.Color())));
  FState.Include(csFontValid);
}

void TCanvas::RequirePen() {
  RequireHandle();
  if (FState.Contains(csPenValid)) return;
  HGDIOBJ old = SelectObject(FHandle, FPen.Handle());
  if (FOriginalPen == nullptr) FOriginalPen = old;
  SetROP2(FHandle, FPen.Rop2());
  FState.Include(csPenValid);
}

void TCanvas::RequireBrush() {
  RequireHandle();
  if (FState.Contains(csBrushValid)) return;
  HGDIOBJ old = SelectObject(FHandle, FBrush.Handle());
  if (FOriginalBrush == nullptr) FOriginalBrush = old;
  if (FBrush.Style() == bsSolid) {
    SetBkColor(FHandle, static_cast<COLORREF>(ColorToRGB(FBrush.Color())));
    SetBkMode(FHandle, OPAQUE);
  } else {
    SetBkMode(FHandle, TRANSPARENT);
  }
  FState.Include(csBrushValid);
}

HDC TCanvas::Handle() {
  RequireFont();
  RequirePen();
  RequireBrush();
  return FHandle;
}

void TCanvas::MoveTo(int X, int Y) {
  RequireHandle();
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  RequirePen();
  RequireBrush();
  ::LineTo(FHandle, X, Y);
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  RequirePen();
  RequireBrush();
  ::Polyline(FHandle, reinterpret_cast<const POINT*>(Points.data()), static_cast<int>(Points.size()));
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  RequirePen();
  RequireBrush();
  ::Polygon(FHandle, reinterpret_cast<const POINT*>(Points.data()), static_cast<int>(Points.size()));
}

void TCanvas::Rectangle(const TRect& R) {
  RequirePen();
  RequireBrush();
  ::Rectangle(FHandle, R.Left, R.Top, R.Right, R.Bottom);
}

void TCanvas::Ellipse(const TRect& R) {
  RequirePen();
  RequireBrush();
  ::Ellipse(FHandle, R.Left, R.Top, R.Right, R.Bottom);
}

TRect TCanvas::ClipRect() {
  RequireHandle();
  RECT box{};
  return GetClipBox(FHandle, &box) != ERROR ? FromRECT(box) : TRect{};
}

void TCanvas::FillRect(const TRect& R) {
  RequireBrush();
  const RECT r = ToRECT(R);
  ::FillRect(FHandle, &r, FBrush.Handle());
}

void TCanvas::FrameRect(const TRect& R) {
  RequireBrush();
  const RECT r = ToRECT(R);
  ::FrameRect(FHandle, &r, FBrush.Handle());
}

void TCanvas::DrawFocusRect(const TRect& R) {
  RequireBrush();
  const RECT r = ToRECT(R);
  ::DrawFocusRect(FHandle, &r);
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  RequireFont();
  RequireBrush();
  TextOutA(FHandle, X, Y, Text.data(), static_cast<int>(Text.size()));
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const std::string& Text) {
  RequireFont();
  RequireBrush();
  const RECT r = ToRECT(R);
  UINT options = ETO_CLIPPED;
  if (FBrush.Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutA(FHandle, X, Y, options, &r, Text.data(), static_cast<UINT>(Text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& Text, TRect& R, UINT Flags) {
  RequireFont();
  RequireBrush();
  RECT r = ToRECT(R);
  const int height = DrawTextA(FHandle, Text.data(), static_cast<int>(Text.size()), &r, Flags);
  R = FromRECT(r);
  return height;
}

TSize TCanvas::TextExtent(const std::string& Text) {
  RequireFont();
  SIZE size{};
  GetTextExtentPoint32A(FHandle, Text.data(), static_cast<int>(Text.size()), &size);
  return {size.cx, size.cy};
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (Graphic == nullptr || Graphic->Empty()) return;
  Graphic->Draw(*this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  if (Graphic == nullptr || Graphic->Empty()) return;
  Graphic->Draw(*this, R);
}

HDC TCanvas::TransferHandle() {
  RequireBrush();
  if (!FState.Contains(csFontValid) && !FState.Contains(csTextColorValid)) {
    SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont.Color())));
    FState.Include(csTextColorValid);
  }
  return FHandle;
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  HDC target = TransferHandle();
  HDC source = Canvas->TransferHandle();
  // A copy at its own size is a plain block copy: skins paint thousands of tiles, and the
  // stretching mode around each would cost two more calls into the system.
  if (Dest.Width() == Source.Width() && Dest.Height() == Source.Height() && Dest.Width() > 0 && Dest.Height() > 0) {
    BitBlt(target, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), source, Source.Left, Source.Top, FCopyMode);
    return;
  }
  const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), source, Source.Left,
             Source.Top, Source.Width(), Source.Height(), FCopyMode);
  SetStretchBltMode(target, oldMode);
}

TColor TCanvas::Pixels(int X, int Y) {
  RequireHandle();
  return static_cast<TColor>(GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  RequireHandle();
  SetPixel(FHandle, X, Y, static_cast<COLORREF>(ColorToRGB(Color)));
}

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  TPen* pen = Canvas->Pen();
  pen->SetWidth(1);
  --Rect.Bottom;
  --Rect.Right;
  for (int i = 0; i < Width; ++i) {
    pen->SetColor(TopColor);
    Canvas->Polyline({{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}});
    pen->SetColor(BottomColor);
    Canvas->Polyline(
        {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}});
    Rect = InflateRect(Rect, -1, -1);
  }
  ++Rect.Bottom;
  ++Rect.Right;
}
