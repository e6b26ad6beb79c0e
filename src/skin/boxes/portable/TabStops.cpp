#include "TabStops.h"

#include <algorithm>
#include <limits>

namespace {

int32_t TabStopOf(const std::string& Line) {
  if (Line.empty() || !std::all_of(Line.begin(), Line.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  int64_t value = 0;
  for (char c : Line) {
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return 0;
  }
  return static_cast<int32_t>(value);
}

}  // namespace

std::vector<int32_t> ParseTabStops(const TStrings& Lines) {
  std::vector<int32_t> stops;
  const int count = std::min(Lines.Count(), MaxTabStops);
  for (int i = 0; i < count; ++i) stops.push_back(TabStopOf(Lines.Get(i)));
  return stops;
}
