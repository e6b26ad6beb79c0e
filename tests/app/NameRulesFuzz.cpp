// Fuzz target: the name format engine and the name-building rules on arbitrary names,
// formats and options. Layout: option byte (bit 0 all words caps, bit 1 ignore case,
// bit 2 replace all), start number (signed byte), selected rows / 4, ten switch items,
// remove flags, then the lines format, name, find text and replacement.
#include "app/settings/NameFormat.h"
#include "app/settings/NameRules.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"
#include "base/Strings.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr size_t kHeaderSize = 14;

std::string Line(const TStrings& lines, int index) {
  return index < lines.Count() ? lines.Strings(index) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeaderSize) return 0;
  const bool allWordsCaps = data[0] & 1;
  const TReplaceFlags replaceFlags =
      (data[0] & 2 ? rfIgnoreCase : 0) | (data[0] & 4 ? rfReplaceAll : 0);
  const int64_t start = static_cast<int8_t>(data[1]);
  const int32_t rows = data[2] * 4;
  TSwitchItems items{};
  for (size_t i = 0; i < items.size(); ++i) items[i] = static_cast<uint8_t>(data[3 + i] % 6);
  TRemoveSectionFlags removed{};
  for (size_t i = 0; i < removed.size(); ++i) removed[i] = (data[13] >> i) & 1;
  TStringList lines;
  lines.SetText(
      std::string(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize));
  const std::string format = Line(lines, 0), name = Line(lines, 1);

  const TRenameFormatLayout layout = ParseNameFormat(format);
  if (layout.PlaceholderCount != CountChar(format, '<') ||
      layout.NumberPosition > layout.PlaceholderCount ||
      layout.SectionCapsFlags.size() < static_cast<size_t>(layout.PlaceholderCount))
    __builtin_trap();
  FormatExampleText(format, [](char letter) { return std::string(1, letter); });

  const std::string formatted =
      FormatName(name, layout, allWordsCaps, FormatNumberText(start, rows));
  // Without a sign in the number every pass ends cleaned: nothing the cleaning removes
  // or converts is left.
  if (start >= 0 && formatted.find_first_of("._[]`\xB4") != std::string::npos) __builtin_trap();

  AddTrackNumber(name, start, rows);
  const std::string cut = CutTextTillNumber(name);
  if (!cut.empty() && cut != Trim(name) && (cut[0] < '0' || cut[0] > '9')) __builtin_trap();
  RemoveNameSections(name, removed);
  if (SwitchItemsValid(items)) SwitchNameSections(name, items);
  StringReplace(name, Line(lines, 2), Line(lines, 3), replaceFlags);
  return 0;
}
