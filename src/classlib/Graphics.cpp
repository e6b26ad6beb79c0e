#include "Graphics.h"

#include "base/ScopeExit.h"

#include <cstring>
#include <utility>

TColor ColorToRGB(TColor Color) {
  return IsSystemColor(Color) ? static_cast<TColor>(GetSysColor(Color & 0xFF)) : Color;
}

TGraphicsObject::~TGraphicsObject() {
  if (FHandle != nullptr) DeleteObject(FHandle);
  if (FRetired != nullptr) DeleteObject(FRetired);
}

HGDIOBJ TGraphicsObject::GetHandle() {
  if (FHandle == nullptr) {
    FHandle = MakeHandle();
    if (FRetired != nullptr) {
      DeleteObject(FRetired);
      FRetired = nullptr;
    }
  }
  return FHandle;
}

void TGraphicsObject::Changed(bool HandleAffected) {
  bool retiring = false;
  if (HandleAffected && FHandle != nullptr) {
    if (!KeepRetired(FHandle)) {
      if (FRetired != nullptr) DeleteObject(FRetired);
      FRetired = FHandle;
      retiring = true;
    }
    FHandle = nullptr;
  }
  if (OnChange) {
    FRetiring = retiring;
    TScopeExit told([this] { FRetiring = false; });
    TNotifyEvent handler = OnChange;
    handler(this);
  }
}

// TFont

void TFont::SetName(const std::string& Value) {
  if (Value.empty() || Value == FName) return;
  FName = Value;
  Changed(true);
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed(true);
}

int TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed(true);
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed(false);  // the colour is set on the DC, not in the GDI font
}

void TFont::SetCharset(uint8_t Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Changed(true);
}

void TFont::Assign(const TPersistent* Source) {
  const auto* font = dynamic_cast<const TFont*>(Source);
  if (font == nullptr) return TGraphicsObject::Assign(Source);
  const bool sameHandle = FName == font->FName && FHeight == font->FHeight &&
                          FStyle == font->FStyle && FCharset == font->FCharset;
  if (sameHandle && FColor == font->FColor && FPixelsPerInch == font->FPixelsPerInch) return;
  FName = font->FName;
  FHeight = font->FHeight;
  FStyle = font->FStyle;
  FColor = font->FColor;
  FCharset = font->FCharset;
  FPixelsPerInch = font->FPixelsPerInch;
  FSwitching = true;
  TScopeExit switched([this] { FSwitching = false; });
  Changed(!sameHandle);
}

TFont::~TFont() {
  for (const TKeptFont& kept : FKept)
    if (kept.Handle != nullptr) DeleteObject(kept.Handle);
}

bool TFont::KeepRetired(HGDIOBJ Handle) {
  if (!FSwitching) return false;
  // A handle is made between two changes that let one go, and trims the kept ones to one.
  if (FKept[1].Handle != nullptr) DeleteObject(FKept[1].Handle);
  FKept[1] = std::exchange(FKept[0], TKeptFont{Handle, FMadeFace});
  return true;
}

HGDIOBJ TFont::MakeHandle() {
  FMadeFace = Face();
  if (FKept[0].Handle != nullptr && FKept[0].Face == FMadeFace)
    return std::exchange(FKept[0], std::exchange(FKept[1], {})).Handle;
  if (FKept[1].Handle != nullptr && FKept[1].Face == FMadeFace) return std::exchange(FKept[1], {}).Handle;
  // A third face: the font let go before the last one was deselected a change earlier.
  if (FKept[1].Handle != nullptr) DeleteObject(std::exchange(FKept[1], {}).Handle);
  LOGFONTA lf{};
  lf.lfHeight = FHeight;
  lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FStyle.Contains(fsItalic);
  lf.lfUnderline = FStyle.Contains(fsUnderline);
  lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  lf.lfCharSet = FCharset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::strncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

// TPen

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed(true);
}

void TPen::SetWidth(int Value) {
  if (Value < 0 || Value == FWidth) return;
  FWidth = Value;
  Changed(true);
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed(true);
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Changed(false);
}

int TPen::Rop2() const {
  static constexpr int kRop2[] = {R2_COPYPEN, R2_NOT, R2_XORPEN, R2_NOTXORPEN};
  return kRop2[FMode];
}

void TPen::Assign(const TPersistent* Source) {
  const auto* pen = dynamic_cast<const TPen*>(Source);
  if (pen == nullptr) return TGraphicsObject::Assign(Source);
  const bool sameHandle = FColor == pen->FColor && FWidth == pen->FWidth && FStyle == pen->FStyle;
  if (sameHandle && FMode == pen->FMode) return;
  FColor = pen->FColor;
  FWidth = pen->FWidth;
  FStyle = pen->FStyle;
  FMode = pen->FMode;
  Changed(!sameHandle);  // the mode is set on the DC, not in the GDI pen
}

HGDIOBJ TPen::MakeHandle() {
  return CreatePen(static_cast<int>(FStyle), FWidth, static_cast<COLORREF>(ColorToRGB(FColor)));
}

// TBrush

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle == bsSolid) return;
  FColor = Value;
  FStyle = bsSolid;  // choosing a colour means painting with it
  Changed(true);
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed(true);
}

void TBrush::Assign(const TPersistent* Source) {
  const auto* brush = dynamic_cast<const TBrush*>(Source);
  if (brush == nullptr) return TGraphicsObject::Assign(Source);
  if (FColor == brush->FColor && FStyle == brush->FStyle) return;  // keeps the GDI brush
  FColor = brush->FColor;
  FStyle = brush->FStyle;
  Changed(true);
}

HGDIOBJ TBrush::MakeHandle() {
  LOGBRUSH lb{};
  lb.lbStyle = FStyle == bsClear ? BS_NULL : BS_SOLID;
  lb.lbColor = static_cast<COLORREF>(ColorToRGB(FColor));
  return CreateBrushIndirect(&lb);
}
