#pragma once
// The skin library's own words: system-menu captions, caption-button hints and the edit
// context menu. A TspResourceStrData holds a NAME=Text table an application can replace
// or translate; without one the library's built-in English strings are shown.

#include "base/Component.h"
#include "base/Strings.h"

#include <cstdint>
#include <string>

// The roles the skinned controls show a library string in.
enum TspSkinStringRole : uint8_t {
  ssMinimizeCaption,
  ssMaximizeCaption,
  ssCloseCaption,
  ssRestoreCaption,
  ssMinimizeToTrayCaption,
  ssRollUpCaption,
  ssMinimizeHint,
  ssMaximizeHint,
  ssCloseHint,
  ssMinimizeToTrayHint,
  ssRollUpHint,
  ssSystemMenuHint,
  ssEditUndo,
  ssEditCopy,
  ssEditCut,
  ssEditPaste,
  ssEditDelete,
  ssEditSelectAll,
};

// The table key of a role ("MI_MINCAPTION") and the identifier of its built-in string.
const char* SkinStringKey(TspSkinStringRole Role);
int SkinStringIdentifier(TspSkinStringRole Role);
// A built-in string by identifier (65264-65271, 65286-65295); empty for any other.
std::string BuiltInSkinString(int Identifier);

class TspResourceStrData : public TComponent {
public:
  // Filled with the 120 default lines, CharSet 1 (the default character set).
  explicit TspResourceStrData(TComponent* AOwner);

  const TStrings& ResStrings() const { return FResStrings; }
  void SetResStrings(const TStrings& Value) { FResStrings.Assign(&Value); }
  // The table itself, which a form resource fills in place of the default lines.
  TStrings* ResStringsObject() { return &FResStrings; }
  // The character set of the fonts that show these texts.
  uint8_t CharSet() const { return FCharSet; }
  void SetCharSet(uint8_t Value) { FCharSet = Value; }

  // The text after the first "=" of the first line whose name matches Name without
  // regard to case; empty when there is none.
  std::string GetResStr(const std::string& Name) const;

private:
  TStringList FResStrings;
  uint8_t FCharSet = 1;
};

// The text a skinned control shows for Role: the table's entry when the skin data has a
// TspResourceStrData (even an empty entry), else the built-in string.
std::string SkinString(const TspResourceStrData* Strings, TspSkinStringRole Role);
