#include "NameRules.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"
#include "base/Strings.h"

#include <algorithm>

namespace {

constexpr int kSwitchPlaces = 5;

}  // namespace

int32_t SectionCount(const std::string& name) { return CountChar(name, '-') + 1; }

std::string PaddedNumber(int64_t number, int width) {
  std::string digits = IntToStr(number);
  if (number >= 1 && number <= 99 && static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
  return digits;
}

std::string TrackNumberText(int64_t number, int32_t selectedCount) {
  return PaddedNumber(number, number <= 9 && selectedCount < 10 ? 2 : 3);
}

std::string AddTrackNumber(const std::string& name, int64_t number, int32_t selectedCount) {
  return TrackNumberText(number, selectedCount) + " - " + name;
}

std::string RemoveNameSections(const std::string& name, const TRemoveSectionFlags& removed) {
  TStringList sections;
  SplitToStrings(name, '-', sections);
  std::string rebuilt;
  for (int i = 0; i < sections.Count(); ++i) {
    if (i < static_cast<int>(removed.size()) && removed[static_cast<size_t>(i)]) continue;
    if (!rebuilt.empty()) rebuilt += '-';
    rebuilt += sections.Strings(i);
  }
  return Trim(rebuilt);
}

std::string CutTextTillNumber(const std::string& name) {
  auto digit = std::find_if(name.begin(), name.end(), IsDigit);
  return Trim(digit == name.end() ? name : std::string(digit, name.end()));
}

bool SwitchItemsValid(const TSwitchItems& items) {
  for (uint8_t value = 0; value <= UnchangedSection; ++value)
    if (std::count(items.begin(), items.end(), value) % 2 != 0) return false;
  return true;
}

std::string SwitchNameSections(const std::string& name, const TSwitchItems& items) {
  TStringList sections, switched;
  const int count = SplitToStrings(name, '-', sections);
  switched.Assign(&sections);
  const int places = std::min(kSwitchPlaces, count);
  for (int place = 0; place < places; ++place) {
    uint8_t before = items[static_cast<size_t>(place)];
    if (before == UnchangedSection) continue;
    for (int from = 0; from < places; ++from)
      if (items[static_cast<size_t>(kSwitchPlaces + from)] == before) {
        switched.SetStrings(place, sections.Strings(from));
        break;
      }
  }
  // Each section gets a blank on its inner sides, so that the result reads "A - B".
  std::string rebuilt;
  for (int i = 0; i < count; ++i) {
    const std::string section = switched.Strings(i);
    if (!rebuilt.empty()) rebuilt += '-';
    if (!section.empty() && i > 0 && section.front() != ' ') rebuilt += ' ';
    rebuilt += section;
    if (!section.empty() && i + 1 < count && section.back() != ' ') rebuilt += ' ';
  }
  return Trim(rebuilt);
}
