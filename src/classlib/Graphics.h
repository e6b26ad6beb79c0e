#pragma once
// Fonts, pens and brushes: drawing attributes that own one GDI handle each, made on
// demand. ColorToRGB resolves system colours.

#include "base/Colors.h"
#include "base/Delegate.h"
#include "base/Persistent.h"
#include "base/Set.h"
#include "base/TextStyles.h"
#include "base/win32/WinApi.h"

#include <string>

// The RGB value of a colour; a system colour is looked up with GetSysColor.
TColor ColorToRGB(TColor Color);

// A drawing attribute with one GDI object. When a change needs a new object the old one
// is retired and deleted only after the next one is made, so a listener of OnChange can
// deselect it from its DC (or ask for the new handle) before it goes; a descendant may
// keep it instead, to take it up again (KeepRetired).
class TGraphicsObject : public TPersistent {
public:
  TGraphicsObject() = default;
  ~TGraphicsObject() override;
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;

  bool HandleAllocated() const { return FHandle != nullptr; }
  // Whether the change OnChange tells of let the GDI object go to be deleted: a DC must
  // deselect it then. A kept object, or a change that needs no new one, may stay selected.
  bool RetiringHandle() const { return FRetiring; }

  TNotifyEvent OnChange;

protected:
  HGDIOBJ GetHandle();
  // The object for the current attributes: new, or one the descendant kept.
  virtual HGDIOBJ MakeHandle() = 0;
  // A change let Handle go: true when the descendant keeps it (and deletes it later).
  virtual bool KeepRetired(HGDIOBJ Handle) {
    (void)Handle;
    return false;
  }
  // Fires OnChange; HandleAffected retires the current GDI object first.
  void Changed(bool HandleAffected);

private:
  HGDIOBJ FHandle = nullptr;
  HGDIOBJ FRetired = nullptr;
  bool FRetiring = false;
};

class TFont : public TGraphicsObject {
public:
  TFont() = default;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  // Negative: character height; positive: cell height (both in pixels).
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  // Points at PixelsPerInch; setting it sets a (negative) character height.
  int Size() const;
  void SetSize(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  uint8_t Charset() const { return FCharset; }
  void SetCharset(uint8_t Value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }

  HFONT Handle() { return static_cast<HFONT>(GetHandle()); }
  void Assign(const TPersistent* Source) override;
  ~TFont() override;

protected:
  // A canvas painting in two fonts switches back and forth between them by assignment:
  // the font such a switch let go last is kept and taken up again when the attributes
  // come back to it, instead of being made anew (which costs more than drawing a short
  // text). A change of one attribute retires the font as any drawing attribute's.
  HGDIOBJ MakeHandle() override;
  bool KeepRetired(HGDIOBJ Handle) override;

private:
  // What the GDI font is made from (the colour is not).
  struct TFace {
    std::string Name;
    int Height = 0;
    TFontStyles Style;
    uint8_t Charset = 0;
    friend bool operator==(const TFace&, const TFace&) = default;
  };
  TFace Face() const { return {FName, FHeight, FStyle, FCharset}; }

  struct TKeptFont {
    HGDIOBJ Handle = nullptr;
    TFace Face;
  };
  TFace FMadeFace;  // of the current handle
  bool FSwitching = false;  // an assignment is changing the font
  TKeptFont FKept[2];  // the last let go first; the second goes when a new one is made
  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  uint8_t FCharset = DEFAULT_CHARSET;
  int FPixelsPerInch = 96;
};

// Pen styles in the order of the PS_* values.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };

class TPen : public TGraphicsObject {
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  // The raster operation the canvas sets with the pen (not part of the GDI pen).
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);
  int Rop2() const;

  HPEN Handle() { return static_cast<HPEN>(GetHandle()); }
  void Assign(const TPersistent* Source) override;

protected:
  HGDIOBJ MakeHandle() override;

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  HBRUSH Handle() { return static_cast<HBRUSH>(GetHandle()); }
  void Assign(const TPersistent* Source) override;

protected:
  HGDIOBJ MakeHandle() override;

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};
