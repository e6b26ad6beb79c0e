#include "AltKeyRelease.h"

#include <utility>

bool TspAltKeyRelease::AsksForMainMenu(uint32_t Character) {
  return Character != 0 || !std::exchange(FTaken, false);
}
