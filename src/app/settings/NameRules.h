#pragma once
// The name-building rules, each on one name without its extension. A section is the
// text between "-" characters, blanks included: a name with k "-" has k + 1 sections.

#include <array>
#include <cstdint>
#include <string>

int32_t SectionCount(const std::string& name);

// A number padded with zeros to width digits when it lies in 1 to 99; any other number
// in plain decimal.
std::string PaddedNumber(int64_t number, int width);

// The running number put in front of a name: two digits for 1 to 9 while fewer than 10
// rows are selected, else three digits up to 99; no padding outside 1 to 99. Kept so:
// with 100 or more rows, 10 to 99 too become 010 to 099, so that the names sort in
// their number's order (a bare "10" would sort after "099" and "100").
std::string TrackNumberText(int64_t number, int32_t selectedCount);
// Track number text + " - " + name.
std::string AddTrackNumber(const std::string& name, int64_t number, int32_t selectedCount);

// Whether section 1 to 7 is to be removed; later sections are always kept.
using TRemoveSectionFlags = std::array<bool, 7>;
// The kept sections joined by "-" (empty ones at the front fall away), trimmed.
std::string RemoveNameSections(const std::string& name, const TRemoveSectionFlags& removed);

// The name from its first digit on, trimmed; without a digit only trimmed.
std::string CutTextTillNumber(const std::string& name);

// Switch items 1 to 10: section numbers 0 to 3 (4 = unchanged); items 1 to 5 place
// sections before switching, 6 to 10 after.
using TSwitchItems = std::array<uint8_t, 10>;
inline constexpr uint8_t UnchangedSection = 4;
// Valid when each value 0 to 4 occurs an even number of times.
bool SwitchItemsValid(const TSwitchItems& items);
// Each of the first five places whose before-item is not 4 takes the section whose
// after-item equals that before-item; the sections are joined by " - ", trimmed.
std::string SwitchNameSections(const std::string& name, const TSwitchItems& items);
