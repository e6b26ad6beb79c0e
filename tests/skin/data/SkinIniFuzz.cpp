// Fuzz target: skin INI text through every skin data loader, read as a skin load reads
// it, through one budget for the whole input: its lines and sections as parsed, its own
// entry lists, and its first section as several entries of every class (many entries
// naming one section is how a small skin once took gigabytes). Whatever the input, the
// values read stay within the budget. One entry class, picked by the input's last byte,
// is also saved and must load again from what it wrote (saving every class would make
// each input many times slower).
#include "skin/data/SkinDataFactory.h"
#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinIniBudget.h"
#include "skin/data/SkinIniCodecs.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinWindowData.h"

#include "base/Exceptions.h"
#include "base/IniFiles.h"
#include "base/Strings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Saving goes through the INI writer one key at a time, which slows down with the
// section's size; long symbol lists are loaded but not saved.
template <class Data>
bool HasLongSymbolList(const Data& data) {
  constexpr int MaxSavedSymbolLines = 64;
  if (auto* label = dynamic_cast<const TspDataSkinBitLabelControl*>(&data))
    return label->Symbols.Count() > MaxSavedSymbolLines;
  if (auto* label = dynamic_cast<const TspDataSkinBitLabel*>(&data))
    return label->Symbols.Count() > MaxSavedSymbolLines;
  return false;
}

// A malformed rectangle or point refuses the skin with a conversion error.
template <class Read>
void ReadRefusingMalformedValues(Read read) {
  try {
    read();
  } catch (const EConvertError&) {
  }
}

template <class Data>
void Load(std::unique_ptr<Data> (*create)(const std::string&, const std::string&),
          const std::string& keyword, const std::string& section, TCustomIniFile& ini,
          bool saveAndReload) {
  auto data = create(keyword, section);
  try {
    data->LoadFromFile(ini);
  } catch (const EConvertError&) {
    return;  // a refused skin
  }
  if (!saveAndReload || HasLongSymbolList(*data)) return;
  TMemIniFile saved;
  data->SaveToFile(saved);
  auto reloaded = create(keyword, section);
  reloaded->LoadFromFile(saved);  // what a class writes it must read back
}

void LoadSkin(TCustomIniFile& ini, uint8_t lastByte) {
  CheckSkinIniFile(ini);
  TStringList pictures;
  ReadStrings(ini, "PICTURES", "activepictures", pictures);
  TspDataSkinPopupWindow popup;
  TspDataSkinHintWindow hint;
  TspSkinColors colors;
  std::vector<TspDataSkinArea> areas;
  TspSkinFormInfo formInfo;
  ReadRefusingMalformedValues([&] { LoadSkinFormInfo(ini, lastByte % 2 == 0, formInfo); });
  ReadRefusingMalformedValues([&] { popup.LoadFromFile(ini); });
  ReadRefusingMalformedValues([&] { hint.LoadFromFile(ini); });
  ReadRefusingMalformedValues([&] { colors.LoadFromFile(ini); });
  ReadRefusingMalformedValues([&] { LoadAreas(ini, areas); });
  std::vector<std::unique_ptr<TspDataSkinObject>> objects;
  std::vector<std::unique_ptr<TspDataSkinControl>> controls;
  ReadRefusingMalformedValues([&] { LoadSkinObjectList(ini, objects); });
  ReadRefusingMalformedValues([&] { LoadSkinControlList(ini, controls); });

  // One section per input keeps the instrumented build fast enough to fuzz.
  TStringList sections;
  ini.ReadSections(sections);
  if (sections.Count() == 0) return;
  const std::string section = sections.Strings(0);
  const size_t classes = SkinControlTypeKeywords().size() + SkinObjectTypeKeywords().size();
  const size_t saved = lastByte % classes;
  constexpr int EntriesPerClass = 2;
  for (int copy = 0; copy < EntriesPerClass; ++copy) {
    size_t index = 0;
    for (const char* keyword : SkinControlTypeKeywords())
      Load(&CreateSkinControlData, keyword, section, ini, copy == 0 && index++ == saved);
    for (const char* keyword : SkinObjectTypeKeywords())
      Load(&CreateSkinObjectData, keyword, section, ini, copy == 0 && index++ == saved);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  int64_t parsed = 0;
  try {
    parsed = SkinIniTextCharge(input);
  } catch (const ESkinTooLarge&) {
    return 0;  // refused before it is parsed: its lines alone would take more than any skin may
  }
  TMemIniFile text;
  text.SetText(input);
  TspBudgetedSkinIni ini(text, MaxSkinLoadCharge - parsed);
  try {
    LoadSkin(ini, data[size - 1]);
  } catch (const ESkinTooLarge&) {
    // refused: it would take more than any skin may
  }
  // The read that crossed the budget is the last one charged.
  if (parsed + ini.Charged() > MaxSkinLoadCharge + SkinValueOverhead + static_cast<int64_t>(size)) std::abort();
  return 0;
}
