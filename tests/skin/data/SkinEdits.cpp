#include "SkinEdits.h"

#include "skin/data/ZlibStreams.h"

#include "base/Streams.h"

#include <utility>

TspSkinPayload StoredSkinPayload(TspCompressedStoredSkin& Stored) {
  TMemoryStream inflated;
  Stored.DeCompressToStream(inflated);
  inflated.SetPosition(0);
  TspSkinPayload payload;
  ReadSkinPayload(inflated, payload);
  return payload;
}

void EditStoredSkin(TspCompressedStoredSkin& Stored, const TSkinEdit& Edit) {
  TspSkinPayload payload = StoredSkinPayload(Stored);
  Edit(payload);
  TMemoryStream plain, packed;
  WriteSkinPayload(plain, payload);
  CompressStream(plain, packed);
  Stored.ReadData(packed);
}

void SetSkinValue(TspSkinPayload& Skin, const std::string& Section, const std::string& Key, const std::string& Value) {
  TMemIniFile ini;
  ini.SetStrings(Skin.IniText);
  ini.WriteString(Section, Key, Value);
  ini.GetStrings(Skin.IniText);
}

void AddSkinEntry(TspSkinPayload& Skin, const std::string& List, const std::string& Entry) {
  TMemIniFile ini;
  ini.SetStrings(Skin.IniText);
  const int count = ini.ReadInteger(List, "count", 0);
  ini.WriteString(List, "count", std::to_string(count + 1));
  ini.WriteString(List, std::to_string(count), Entry);
  ini.GetStrings(Skin.IniText);
}

void CutToOnePixelTiles(TspSkinPayload& Skin, const std::string& Section) {
  for (const auto& [key, value] : {std::pair{"lefttoppoint", "1,1"}, std::pair{"righttoppoint", "2,1"},
                                   std::pair{"leftbottompoint", "1,2"}, std::pair{"rightbottompoint", "2,2"},
                                   std::pair{"clientrect", "1,1,2,2"}})
    SetSkinValue(Skin, Section, key, value);
}
