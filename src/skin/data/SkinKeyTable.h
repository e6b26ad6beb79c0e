#pragma once
// Key tables of the skin data classes: one row per INI key with its value kind, the
// field it fills and the value it gives when absent. The same rows drive loading and
// saving, so the two directions always agree on keys and encodings.

#include "SkinIniCodecs.h"
#include "SkinKeywords.h"
#include "SkinTypes.h"

#include "base/IniFiles.h"
#include "base/Strings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

template <class T>
class TSkinKey {
public:
  // An integer or colour, read with the INI file's ReadInteger.
  constexpr TSkinKey(const char* key, int32_t T::*field, int32_t absent = 0)
      : FKey(key), FField(field), FIntegerAbsent(absent) {}
  // Plain text.
  constexpr TSkinKey(const char* key, std::string T::*field, const char* absent = "")
      : FKey(key), FField(field), FTextAbsent(absent) {}
  // Every other kind, whose absent value its codec fixes: boolean, rectangle, point,
  // font styles, alignment, text lines and the keyword enumerations.
  template <class V>
    requires(!std::is_same_v<V, int32_t> && !std::is_same_v<V, std::string>)
  constexpr TSkinKey(const char* key, V T::*field) : FKey(key), FField(field) {}

  void Read(TCustomIniFile& IniFile, const std::string& Section, T& Object) const {
    std::visit([&](auto field) { ReadValue(IniFile, Section, Object.*field); }, FField);
  }

  void Write(TCustomIniFile& IniFile, const std::string& Section, const T& Object) const {
    std::visit([&](auto field) { WriteValue(IniFile, Section, Object.*field); }, FField);
  }

private:
  void ReadValue(TCustomIniFile& ini, const std::string& section, int32_t& value) const {
    value = ini.ReadInteger(section, FKey, FIntegerAbsent);
  }
  void ReadValue(TCustomIniFile& ini, const std::string& section, std::string& value) const {
    value = ini.ReadString(section, FKey, FTextAbsent);
  }
  void ReadValue(TCustomIniFile& ini, const std::string& section, bool& value) const {
    value = ReadBoolean(ini, section, FKey);
  }
  void ReadValue(TCustomIniFile& ini, const std::string& section, TRect& value) const {
    ReadRect(ini, section, FKey, value);
  }
  void ReadValue(TCustomIniFile& ini, const std::string& section, TPoint& value) const {
    ReadPoint(ini, section, FKey, value);
  }
  void ReadValue(TCustomIniFile& ini, const std::string& section, TFontStyles& value) const {
    value = ReadFontStyles(ini, section, FKey);
  }
  void ReadValue(TCustomIniFile& ini, const std::string& section, TAlignment& value) const {
    value = ReadAlignment(ini, section, FKey);
  }
  void ReadValue(TCustomIniFile& ini, const std::string& section, TStringList& value) const {
    ReadTextLines(ini, section, FKey, value);
  }
  template <TSkinKeywordEnum E>
  void ReadValue(TCustomIniFile& ini, const std::string& section, E& value) const {
    value = ReadSkinKeyword<E>(ini, section, FKey);
  }

  void WriteValue(TCustomIniFile& ini, const std::string& section, int32_t value) const {
    ini.WriteInteger(section, std::string(FKey), value);
  }
  void WriteValue(TCustomIniFile& ini, const std::string& section,
                  const std::string& value) const {
    ini.WriteString(section, std::string(FKey), value);
  }
  void WriteValue(TCustomIniFile& ini, const std::string& section, bool value) const {
    WriteBoolean(ini, section, std::string(FKey), value);
  }
  void WriteValue(TCustomIniFile& ini, const std::string& section, const TRect& value) const {
    WriteRect(ini, section, std::string(FKey), value);
  }
  void WriteValue(TCustomIniFile& ini, const std::string& section, const TPoint& value) const {
    WritePoint(ini, section, std::string(FKey), value);
  }
  void WriteValue(TCustomIniFile& ini, const std::string& section, TFontStyles value) const {
    WriteFontStyles(ini, section, std::string(FKey), value);
  }
  void WriteValue(TCustomIniFile& ini, const std::string& section, TAlignment value) const {
    WriteAlignment(ini, section, std::string(FKey), value);
  }
  void WriteValue(TCustomIniFile& ini, const std::string& section,
                  const TStringList& value) const {
    WriteTextLines(ini, section, std::string(FKey), value);
  }
  template <TSkinKeywordEnum E>
  void WriteValue(TCustomIniFile& ini, const std::string& section, E value) const {
    WriteSkinKeyword(ini, section, std::string(FKey), value);
  }

  std::string_view FKey;  // measured once, not at every read
  std::variant<int32_t T::*, std::string T::*, bool T::*, TRect T::*, TPoint T::*,
               TFontStyles T::*, TAlignment T::*, TStringList T::*, TspStretchType T::*,
               TspMorphKind T::*, TspInActiveEffect T::*, TspFramesPlacement T::*,
               TspRegulatorKind T::*, TspGaugeKind T::*, TspStdButtonCommand T::*>
      FField;
  int32_t FIntegerAbsent = 0;
  std::string_view FTextAbsent = "";
};

template <class T>
using TSkinKeyTable = std::span<const TSkinKey<T>>;

// Reads every key of the table, in table order, from Section into Object.
template <class T>
void ReadSkinKeys(TCustomIniFile& IniFile, const std::string& Section, T& Object,
                  TSkinKeyTable<T> Keys) {
  for (const TSkinKey<T>& key : Keys) key.Read(IniFile, Section, Object);
}

// Writes every key of the table, in table order, from Object into Section.
template <class T>
void WriteSkinKeys(TCustomIniFile& IniFile, const std::string& Section, const T& Object,
                   TSkinKeyTable<T> Keys) {
  for (const TSkinKey<T>& key : Keys) key.Write(IniFile, Section, Object);
}

// A skin data class that adds the keys of Fields::Keys() to those of Parent: loading and
// saving handle Parent's keys first, then its own, in the section named IDName.
template <class Fields, class Parent>
class TKeyedSkinData : public Parent {
public:
  using Parent::Parent;

  void LoadFromFile(TCustomIniFile& IniFile) override {
    Parent::LoadFromFile(IniFile);
    ReadSkinKeys(IniFile, this->IDName, static_cast<Fields&>(*this), Fields::Keys());
  }

  void SaveToFile(TCustomIniFile& IniFile) override {
    Parent::SaveToFile(IniFile);
    WriteSkinKeys(IniFile, this->IDName, static_cast<const Fields&>(*this), Fields::Keys());
  }
};
