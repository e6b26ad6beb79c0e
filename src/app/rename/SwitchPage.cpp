#include "SwitchPage.h"

#include "app/language/Translation.h"
#include "app/settings/Config.h"

namespace {

constexpr TSwitchItems kPresets[SwitchPresetCount] = {
    {0, 1, 4, 4, 4, 1, 0, 4, 4, 4},
    {4, 0, 1, 4, 4, 4, 1, 0, 4, 4},
    {4, 4, 0, 1, 4, 4, 4, 1, 0, 4},
    {4, 4, 4, 0, 1, 4, 4, 4, 1, 0},
};

}  // namespace

TSwitchItems SwitchPreset(int preset) {
  return kPresets[preset >= 1 && preset <= SwitchPresetCount ? preset - 1 : 0];
}

void SetSwitchItems(TConfigBase& settings, const TSwitchItems& items) {
  for (int i = 0; i < TConfigBase::SwitchItemCount; ++i) settings.SetSwitchItem(i + 1, items[i]);
}

void SwitchComboChanged(TConfigBase& settings, int combo, int32_t itemIndex) {
  settings.SetSwitchItem(combo, TConfigBase::NormalizeSwitchItem(itemIndex));
}

std::vector<std::string> SwitchComboItems() {
  using enum TLangText;
  std::vector<std::string> items;
  for (TLangText text : {Section1Item, Section2Item, Section3Item, Section4Item, UnchangedItem})
    items.push_back(LangText(text));
  return items;
}
