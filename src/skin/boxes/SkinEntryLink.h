#pragma once
// Windows only. The skin entry of a skinned control that stands on a class-library
// control rather than on the skinned-control bases (the edit, the memo): the lookup of
// its entry by name in its skin data, the values it copies from an entry of its kind,
// and the entry's picture.

#include "skin/controls/SkinControlCore.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinBitmaps.h"

#include <cstdint>
#include <optional>
#include <string>

template <class Entry, class Values, Values (*CopyValues)(const Entry&)>
class TspSkinEntryLink {
public:
  // Index := the entry named Name in Data (-1 without skin data, with an empty skin or
  // without such an entry); Values and Picture from it when it is an Entry, else none
  // (an entry of another kind is no skin for the control).
  void LookUp(TspSkinData* Data, const std::string& Name) {
    FIndex = Data == nullptr || Data->Empty() ? -1 : Data->GetControlIndex(Name);
    FValues.reset();
    FPicture = {};
    if (const auto* entry = dynamic_cast<const Entry*>(SkinControlEntry(Data, FIndex))) {
      FValues = CopyValues(*entry);
      FPicture = SkinActiveBitmap(Data, entry->PictureIndex);
    }
  }
  // Forgets the entry before the skin changes.
  void Forget() { FIndex = -1; }

  int32_t Index() const { return FIndex; }
  // The copied values; nullptr without an entry of the control's kind.
  const Values* Skin() const { return FValues ? &*FValues : nullptr; }
  const TspSkinBitmap& Picture() const { return FPicture; }

private:
  int32_t FIndex = -1;
  std::optional<Values> FValues;
  TspSkinBitmap FPicture;
};
