#pragma once
// The tab stops list items are written with (the list box's and the combo box's
// TabWidths): one stop a line, at most MaxTabStops.

#include "base/Strings.h"

#include <cstdint>
#include <vector>

inline constexpr int MaxTabStops = 10;

// The first MaxTabStops lines of Lines: a line made only of the digits 0 to 9 gives its
// value, any other line (empty, signed, with a letter, past the 32-bit range) 0.
std::vector<int32_t> ParseTabStops(const TStrings& Lines);
