#pragma once
// Helpers for skin data tests: an in-memory INI file built from text, and a section's
// keys and values as a map.

#include "base/IniFiles.h"
#include "base/Strings.h"

#include <map>
#include <string>

class TSkinIniText : public TMemIniFile {
public:
  explicit TSkinIniText(const std::string& text = {}) {
    TStringList lines;
    lines.SetText(text);
    SetStrings(lines);
  }
};

// A skin data object of class C for entry id, loaded from the INI text.
template <class C>
C Loaded(const std::string& id, const std::string& text) {
  TSkinIniText ini(text);
  C object(id);
  object.LoadFromFile(ini);
  return object;
}

// The section's "key=value" lines as a map; keys keep their spelling.
inline std::map<std::string, std::string> SectionMap(TCustomIniFile& ini,
                                                     const std::string& section) {
  TStringList values;
  ini.ReadSectionValues(section, values);
  std::map<std::string, std::string> result;
  for (int i = 0; i < values.Count(); ++i) result[values.Names(i)] = values.ValueFromIndex(i);
  return result;
}
