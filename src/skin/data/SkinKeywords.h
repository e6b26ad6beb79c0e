#pragma once
// Keyword enumerations of the skin INI text. Each member is named by its keyword; a
// reader compares the text exactly and case-sensitively with every keyword, an absent
// key reads as the enumeration's absent keyword, and text that matches none gives the
// enumeration's own fall-back member.

#include "base/IniFiles.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum TspStretchType : uint8_t { stfull, sthorz, stvert };
enum TspMorphKind : uint8_t {
  mkdefault,
  mkgradient,
  mkleftgradient,
  mkrightgradient,
  mkleftslide,
  mkrightslide,
  mkpush
};
enum TspInActiveEffect : uint8_t {
  iebrightness,
  iedarkness,
  iegrayscale,
  ienoise,
  iesplitblur,
  ieinvert
};
enum TspFramesPlacement : uint8_t { fphorizontal, fpvertical };
enum TspRegulatorKind : uint8_t { rkround, rkhorizontal, rkvertical };
enum TspGaugeKind : uint8_t { gkhorizontal, gkvertical };
enum TspStdButtonCommand : uint8_t {
  cmclose,
  cmmaximize,
  cmminimize,
  cmsysmenu,
  cmdefault,
  cmrollup,
  cmminimizetotray
};

// The keywords of an enumeration, in member order, with its absent and fall-back members.
template <class E>
struct TSkinKeywords;

template <>
struct TSkinKeywords<TspStretchType> {
  static constexpr std::array<const char*, 3> Words{"stfull", "sthorz", "stvert"};
  static constexpr TspStretchType Absent = stfull;
  static constexpr TspStretchType Unmatched = sthorz;
};

template <>
struct TSkinKeywords<TspMorphKind> {
  static constexpr std::array<const char*, 7> Words{
      "mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
      "mkleftslide", "mkrightslide", "mkpush"};
  static constexpr TspMorphKind Absent = mkdefault;
  static constexpr TspMorphKind Unmatched = mkdefault;
};

template <>
struct TSkinKeywords<TspInActiveEffect> {
  static constexpr std::array<const char*, 6> Words{"iebrightness", "iedarkness", "iegrayscale",
                                                    "ienoise",      "iesplitblur", "ieinvert"};
  static constexpr TspInActiveEffect Absent = iebrightness;
  static constexpr TspInActiveEffect Unmatched = iegrayscale;
};

template <>
struct TSkinKeywords<TspFramesPlacement> {
  static constexpr std::array<const char*, 2> Words{"fphorizontal", "fpvertical"};
  static constexpr TspFramesPlacement Absent = fphorizontal;
  static constexpr TspFramesPlacement Unmatched = fpvertical;
};

template <>
struct TSkinKeywords<TspRegulatorKind> {
  static constexpr std::array<const char*, 3> Words{"rkround", "rkhorizontal", "rkvertical"};
  static constexpr TspRegulatorKind Absent = rkround;
  static constexpr TspRegulatorKind Unmatched = rkvertical;
};

template <>
struct TSkinKeywords<TspGaugeKind> {
  static constexpr std::array<const char*, 2> Words{"gkhorizontal", "gkvertical"};
  static constexpr TspGaugeKind Absent = gkhorizontal;
  static constexpr TspGaugeKind Unmatched = gkvertical;
};

template <>
struct TSkinKeywords<TspStdButtonCommand> {
  static constexpr std::array<const char*, 7> Words{"cmclose",   "cmmaximize", "cmminimize",
                                                    "cmsysmenu", "cmdefault",  "cmrollup",
                                                    "cmminimizetotray"};
  static constexpr TspStdButtonCommand Absent = cmdefault;
  static constexpr TspStdButtonCommand Unmatched = cmminimizetotray;
};

template <class E>
concept TSkinKeywordEnum = requires { TSkinKeywords<E>::Words; };

// The member whose keyword equals Text, else the enumeration's fall-back member.
template <TSkinKeywordEnum E>
E SkinKeywordValue(const std::string& Text) {
  const auto& words = TSkinKeywords<E>::Words;
  for (size_t i = 0; i < words.size(); ++i)
    if (Text == words[i]) return static_cast<E>(i);
  return TSkinKeywords<E>::Unmatched;
}

// The keyword of Value; a value outside the enumeration writes the fall-back keyword.
template <TSkinKeywordEnum E>
const char* SkinKeyword(E Value) {
  const auto& words = TSkinKeywords<E>::Words;
  size_t index = static_cast<size_t>(Value);
  return words[index < words.size() ? index : static_cast<size_t>(TSkinKeywords<E>::Unmatched)];
}

template <TSkinKeywordEnum E>
E ReadSkinKeyword(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident) {
  return SkinKeywordValue<E>(
      IniFile.ReadString(Section, Ident, SkinKeyword(TSkinKeywords<E>::Absent)));
}

template <TSkinKeywordEnum E>
void WriteSkinKeyword(TCustomIniFile& IniFile, const std::string& Section,
                      const std::string& Ident, E Value) {
  IniFile.WriteString(Section, Ident, SkinKeyword(Value));
}

TspStretchType ReadStretchType(TCustomIniFile& IniFile, const std::string& Section,
                               const std::string& Ident);
void WriteStretchType(TCustomIniFile& IniFile, const std::string& Section,
                      const std::string& Ident, TspStretchType Value);
TspMorphKind ReadMorphKind(TCustomIniFile& IniFile, const std::string& Section,
                           const std::string& Ident);
void WriteMorphKind(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                    TspMorphKind Value);
TspInActiveEffect ReadInActiveEffect(TCustomIniFile& IniFile, const std::string& Section,
                                     const std::string& Ident);
