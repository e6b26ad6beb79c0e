#pragma once
// The small value types of the skin description model. They carry the class library's
// field names so that the Win32 side can map them onto RECT and POINT.

#include <cstdint>
#include <initializer_list>

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;

  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  friend bool operator==(const TRect&, const TRect&) = default;
};

// 0x00BBGGRR, or a system colour: 0xFF000000 plus the system colour index.
using TColor = int32_t;

inline constexpr TColor MakeSystemColor(int32_t index) {
  return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index));
}
inline constexpr TColor clBtnFace = MakeSystemColor(15);
inline constexpr TColor clBtnText = MakeSystemColor(18);
inline constexpr TColor clWindow = MakeSystemColor(5);
inline constexpr TColor clWindowText = MakeSystemColor(8);
inline constexpr TColor clHighlight = MakeSystemColor(13);
inline constexpr TColor clHighlightText = MakeSystemColor(14);
inline constexpr TColor clBtnHighlight = MakeSystemColor(20);
inline constexpr TColor clBtnShadow = MakeSystemColor(16);
inline constexpr TColor cl3DLight = MakeSystemColor(22);
inline constexpr TColor cl3DDkShadow = MakeSystemColor(21);

// Fuchsia, the transparent colour a new skin entry starts with.
inline constexpr TColor DefaultTransparentColor = 0xFF00FF;

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles in one byte.
class TFontStyles {
public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle style : styles) Include(style);
  }
  constexpr bool Contains(TFontStyle style) const { return (FBits & Bit(style)) != 0; }
  constexpr void Include(TFontStyle style) { FBits = static_cast<uint8_t>(FBits | Bit(style)); }
  constexpr bool Empty() const { return FBits == 0; }

  friend bool operator==(const TFontStyles&, const TFontStyles&) = default;

private:
  static constexpr uint8_t Bit(TFontStyle style) { return static_cast<uint8_t>(1u << style); }
  uint8_t FBits = 0;
};

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
