#include "SelectionManager.h"

#include "base/Exceptions.h"

int32_t TSelectionManager::GetCount() const {
  return FRows ? static_cast<int32_t>(FRows->size()) : 0;
}

int32_t TSelectionManager::GetItem(int32_t index) const {
  CheckRange(index, GetCount());
  return (*FRows)[static_cast<size_t>(index)];
}
