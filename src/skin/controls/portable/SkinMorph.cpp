#include "SkinMorph.h"

bool TspMorph::Step(bool Active) {
  const int target = Active ? Steps : 0;
  if (FStep == target) return false;
  FStep += Active ? 1 : -1;
  return true;
}
