#include "SkinKeywords.h"

TspStretchType ReadStretchType(TCustomIniFile& IniFile, const std::string& Section,
                               const std::string& Ident) {
  return ReadSkinKeyword<TspStretchType>(IniFile, Section, Ident);
}

void WriteStretchType(TCustomIniFile& IniFile, const std::string& Section,
                      const std::string& Ident, TspStretchType Value) {
  WriteSkinKeyword(IniFile, Section, Ident, Value);
}

TspMorphKind ReadMorphKind(TCustomIniFile& IniFile, const std::string& Section,
                           const std::string& Ident) {
  return ReadSkinKeyword<TspMorphKind>(IniFile, Section, Ident);
}

void WriteMorphKind(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                    TspMorphKind Value) {
  WriteSkinKeyword(IniFile, Section, Ident, Value);
}

TspInActiveEffect ReadInActiveEffect(TCustomIniFile& IniFile, const std::string& Section,
                                     const std::string& Ident) {
  return ReadSkinKeyword<TspInActiveEffect>(IniFile, Section, Ident);
}
