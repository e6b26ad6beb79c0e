#include "GridExtents.h"

#include "base/Exceptions.h"

void CheckGridExtent(int32_t Value) {
  if (Value < 0 || Value > MaxGridExtent) throw ERangeError("Grid extent out of range");
}

void TGridExtents::SetDefault(int32_t Value) {
  CheckGridExtent(Value);
  FDefault = Value;
  FSizes.clear();
}

bool TGridExtents::Set(int32_t Index, int32_t Value, int32_t Count) {
  CheckRange(Index, Count);
  CheckGridExtent(Value);
  if (FSizes.size() < static_cast<size_t>(Count)) FSizes.resize(static_cast<size_t>(Count), FDefault);
  int32_t& entry = FSizes[static_cast<size_t>(Index)];
  if (entry == Value) return false;
  entry = Value;
  return true;
}

void TGridExtents::Resize(int32_t Count) {
  if (Exists()) FSizes.resize(static_cast<size_t>(Count), FDefault);
}

void TGridExtents::Move(int32_t From, int32_t To) {
  if (Exists()) MoveElement(FSizes, From, To);
}
