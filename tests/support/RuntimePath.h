#pragma once
// A path the build hands to a test ("/" separators) in the runtime's own spelling ("\"),
// which both builds' file routines take.

#include <algorithm>
#include <string>

inline std::string RuntimePath(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}
