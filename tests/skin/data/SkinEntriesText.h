#pragma once
// A loaded skin's entries, window parts and colours as text, as their own writers put
// them: two loads compare equal exactly when they hold the same values.

#include "skin/data/SkinControlData.h"
#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinIniCodecs.h"
#include "skin/data/SkinKeyTable.h"
#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinWindowData.h"

#include "base/IniFiles.h"
#include "base/Strings.h"

#include <memory>
#include <string>
#include <vector>

inline std::string EntriesText(const std::vector<std::unique_ptr<TspDataSkinObject>>& Objects,
                               const std::vector<std::unique_ptr<TspDataSkinControl>>& Controls,
                               const std::vector<TspDataSkinArea>& Areas, const TspSkinFormInfo& FormInfo,
                               const TspDataSkinPopupWindow& Popup, const TspDataSkinHintWindow& Hint,
                               const TspSkinColors& Colors) {
  TMemIniFile out("");
  for (const auto& object : Objects) object->SaveToFile(out);
  for (const auto& control : Controls) control->SaveToFile(out);
  for (const TspDataSkinArea& area : Areas) WriteRect(out, "areas", area.IDName, area.AreaRect);
  WriteSkinKeys(out, "forminfo", FormInfo, SkinFormInfoKeys());
  WriteSkinKeys(out, "popupwindow", Popup, TspDataSkinPopupWindow::Keys());
  WriteSkinKeys(out, "hintwindow", Hint, TspDataSkinHintWindow::Keys());
  WriteSkinKeys(out, "skincolors", Colors, TspSkinColors::Keys());
  TStringList lines;
  out.GetStrings(lines);
  return lines.Text();
}
