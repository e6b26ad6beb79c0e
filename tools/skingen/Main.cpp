// skingen: paints the program's own skin and the test skins into a folder.
//
//   skingen <output folder>
#include "SkinOutputs.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"

#include <algorithm>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skingen <output folder>\n");
    return 2;
  }
  // The runtime's paths use "\" on every system.
  std::string folder = argv[1];
  std::replace(folder.begin(), folder.end(), '/', '\\');
  try {
    WriteSkinOutputs(IncludeTrailingBackslash(folder));
  } catch (const Exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
