#pragma once
// The name format engine. A rename format is made of the placeholders "<A>" (artist),
// "<T>" (title), "<L>" (album), "<Y>" (year), "<N>" (track number), "<G>" (genre) and
// "<X>" (unused) joined by " - "; it tells how many sections a name should have, which
// of them is the track number and which are capitalised word by word.

#include "base/StrUtils.h"

#include <cstdint>
#include <functional>
#include <string>

// What the engine needs of a format; the settings hold the one of the selected format.
struct TRenameFormatLayout {
  TBytes SectionCapsFlags;     // per placeholder place: 1 for "<A>", else 0
  int32_t NumberPosition = 0;  // 1-based place of "<N>", 0 when there is none
  int32_t PlaceholderCount = 0;

  // The flag of section 1, 2, ...; 0 outside the places.
  uint8_t GetSectionCapsFlag(int32_t section) const;
};

TRenameFormatLayout ParseNameFormat(const std::string& format);

// A format's example text: the literal text before each placeholder and the example of
// its letter; text after the last placeholder is dropped, but a final "\" gives " \".
std::string FormatExampleText(const std::string& format,
                              const std::function<std::string(char letter)>& example);

// The running number of a formatted name: two digits below 100 selected rows, three
// from 100 on; no padding outside 1 to 99.
std::string FormatNumberText(int64_t number, int32_t selectedCount);

// Rebuilds a name by the format: letters "A" to "Z" lowered, every section cleaned
// (dots dropped, "_" to blank, "[" "]" to "(" ")", accents to "'") and capitalised,
// a digit run split out as a section of its own while the name has fewer sections
// than the format, the track-number section replaced by numberText (or numberText put
// in front when it holds no digit), and the sections joined by " - ".
std::string FormatName(const std::string& name, const TRenameFormatLayout& layout,
                       bool allWordsCaps, const std::string& numberText);
