#include "NameFormat.h"

#include "NameRules.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"
#include "base/Strings.h"

#include <algorithm>

namespace {

constexpr char kAcuteAccent = '\xB4';

bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
bool StartsWord(char previous) { return previous == ' ' || previous == '('; }

// The character pass over one trimmed section. Positions are 1-based as in the rules
// they follow. Returns true when it put a "-" into the section, which then needs
// another pass over the whole name.
class TSectionCleaner {
public:
  TSectionCleaner(std::string& text, int32_t section, int32_t sectionCount,
                  const TRenameFormatLayout& layout, bool allWordsCaps,
                  const std::string& numberText)
      : FText(text),
        FSectionCount(sectionCount),
        FLayout(layout),
        FCaps(allWordsCaps || layout.GetSectionCapsFlag(section) == 1),
        FNumberSection(section == layout.NumberPosition),
        FNumberText(numberText) {}

  bool Run() {
    size_t p = 1;
    while (p <= FText.size()) {
      const char c = At(p);
      if (c == '.') {
        FText.erase(p - 1, 1);
      } else if (c == '(' && p < 3 && FNumberSection) {
        FText.erase(p - 1, 1);
        FInBracket = true;
      } else if (c == ')' && FInBracket) {
        FText.erase(p - 1, 1);
        FInBracket = false;
      } else if (IsDigit(c)) {
        FHeldDigit = true;
        switch (DigitRun(p)) {
          case TRunResult::GoOn: break;
          case TRunResult::Split: return true;
          case TRunResult::Replaced: return false;
        }
      } else {
        CleanCharacter(p, c);
        ++p;
      }
    }
    if (FNumberSection && !FHeldDigit) {
      // The next pass sees the number as a section of its own.
      FText = FNumberText + "-" + FText;
      return true;
    }
    return false;
  }

private:
  enum class TRunResult { GoOn, Split, Replaced };

  char At(size_t p) const { return FText[p - 1]; }

  void CleanCharacter(size_t p, char c) {
    switch (c) {
      case '`':
      case kAcuteAccent: FText[p - 1] = '\''; return;
      case '_': FText[p - 1] = ' '; return;
      case '[': FText[p - 1] = '('; return;
      case ']': FText[p - 1] = ')'; return;
      default: break;
    }
    if (!IsLowerLetter(c) || !RaiseAt(p, c)) return;
    FText[p - 1] = UpCase(c);
  }

  bool RaiseAt(size_t p, char c) const {
    if (p == 1) return true;
    if (!StartsWord(At(p - 1))) return false;
    if (c != 'i') return FCaps || p < 4;
    // A lone "i" is a roman numeral or a word of its own: "Part I".
    const bool alone = p == FText.size() || At(p + 1) == ' ' || At(p + 1) == '\'' || At(p + 1) == ')';
    return FCaps || p == 2 || alone;
  }

  // The run of digits from p on; moves p past the run unless the pass ends.
  TRunResult DigitRun(size_t& p) {
    const size_t first = p;
    size_t last = p;
    while (last < FText.size() && IsDigit(At(last + 1))) ++last;
    const size_t runLength = last - first + 1;
    p = last + 1;
    if (FLayout.NumberPosition > 0 && FLayout.PlaceholderCount > FSectionCount) {
      // The name lacks sections: a short run at either end or in the middle of a
      // longer text becomes a section of its own.
      const int64_t length = static_cast<int64_t>(FText.size());
      const int64_t f = static_cast<int64_t>(first), l = static_cast<int64_t>(last);
      if (runLength > 3 || static_cast<int64_t>(runLength) + 2 >= length)
        return TRunResult::GoOn;
      const bool atStart = f < 5 && l < 5;
      const bool inMiddle = f > 4 && l < length - 4;
      const bool atEnd = f > length - 4 && l > length - 4;
      if (!atStart && !inMiddle && !atEnd) return TRunResult::GoOn;
      if (atStart || inMiddle) FText.insert(FText.begin() + static_cast<std::ptrdiff_t>(last), '-');
      if (inMiddle || atEnd) FText.insert(FText.begin() + static_cast<std::ptrdiff_t>(first) - 1, '-');
      return TRunResult::Split;
    }
    if (FNumberSection) {
      FText = FNumberText;
      return TRunResult::Replaced;
    }
    return TRunResult::GoOn;
  }

  std::string& FText;
  const int32_t FSectionCount;
  const TRenameFormatLayout& FLayout;
  const bool FCaps;
  const bool FNumberSection;
  const std::string& FNumberText;
  bool FInBracket = false;
  bool FHeldDigit = false;
};

}  // namespace

uint8_t TRenameFormatLayout::GetSectionCapsFlag(int32_t section) const {
  if (section < 1 || section > static_cast<int64_t>(SectionCapsFlags.size())) return 0;
  return SectionCapsFlags[static_cast<size_t>(section) - 1];
}

TRenameFormatLayout ParseNameFormat(const std::string& format) {
  TRenameFormatLayout layout;
  const size_t places = std::max<size_t>(static_cast<size_t>(CountChar(format, '-')) + 1,
                                         static_cast<size_t>(CountChar(format, '<')));
  layout.SectionCapsFlags.assign(places, 0);
  int32_t place = 0;
  for (size_t at = format.find('<'); at != std::string::npos; at = format.find('<', at + 1)) {
    const char letter = at + 1 < format.size() ? format[at + 1] : '\0';
    if (letter == 'A') layout.SectionCapsFlags[static_cast<size_t>(place)] = 1;
    if (letter == 'N') layout.NumberPosition = place + 1;
    ++place;
  }
  layout.PlaceholderCount = place;
  return layout;
}

std::string FormatExampleText(const std::string& format,
                              const std::function<std::string(char letter)>& example) {
  std::string text;
  size_t literal = 0;
  for (size_t at = format.find('<'); at != std::string::npos; at = format.find('<', literal)) {
    text += format.substr(literal, at - literal);
    text += example(at + 1 < format.size() ? format[at + 1] : '\0');
    literal = at + 3;
  }
  if (!format.empty() && format.back() == '\\') text += " \\";
  return text;
}

std::string FormatNumberText(int64_t number, int32_t selectedCount) {
  return PaddedNumber(number, selectedCount > 99 ? 3 : 2);
}

std::string FormatName(const std::string& name, const TRenameFormatLayout& layout,
                       bool allWordsCaps, const std::string& numberText) {
  std::string rebuilt = LowerCase(name);
  // Each pass that splits a section adds a "-"; splitting stops once the name has the
  // format's sections, so a few passes beyond the placeholder count are never needed.
  const int64_t maxPasses = int64_t{layout.PlaceholderCount} + 2;
  TStringList sections;
  for (int64_t pass = 1;; ++pass) {
    const int32_t count = SplitToStrings(rebuilt, '-', sections);
    bool split = false;
    rebuilt.clear();
    for (int32_t section = 1; section <= count; ++section) {
      std::string text = Trim(sections.Strings(section - 1));
      if (!split)
        split = TSectionCleaner(text, section, count, layout, allWordsCaps, numberText).Run();
      rebuilt += section == 1 ? text : " - " + text;
    }
    if (!split || pass >= maxPasses) return rebuilt;
  }
}
