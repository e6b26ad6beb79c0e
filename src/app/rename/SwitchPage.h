#pragma once
// The main window's switch page: ten combo boxes, five naming the sections before the
// switch and five after, each written to its switch item as it changes, and four
// presets that swap two neighbouring sections.

#include "app/settings/NameRules.h"

#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;

inline constexpr int SwitchPresetCount = 4;

// The ten combo items of preset 1 to 4: preset n swaps sections n and n + 1 (first five
// before, last five after; 4 is "Unchanged"). Any other number gives preset 1.
TSwitchItems SwitchPreset(int preset);
// Sets the ten switch items, as the combo boxes show them.
void SetSwitchItems(TConfigBase& settings, const TSwitchItems& items);
// Combo 1 to 10 changed to an item index.
void SwitchComboChanged(TConfigBase& settings, int combo, int32_t itemIndex);
// The five items of every combo box: "Section1" to "Section4" and "Unchanged".
std::vector<std::string> SwitchComboItems();
