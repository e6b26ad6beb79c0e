#pragma once
// The items of a string list as a vector, for comparing in tests.

#include "base/Strings.h"

#include <string>
#include <vector>

inline std::vector<std::string> Items(const TStrings& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}
