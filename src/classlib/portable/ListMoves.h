#pragma once
// Moving a control within one of the lists that order them (z-order, tab order, pages).

#include <algorithm>
#include <climits>
#include <vector>

// Moves Item to Index of List, clamped to the list (INT_MAX puts it last); false when
// Item is not in List.
template <class T, class U>
bool MoveInList(std::vector<T*>& List, U* Item, int Index) {
  const auto found = std::find(List.begin(), List.end(), Item);
  if (found == List.end()) return false;
  T* moved = *found;
  List.erase(found);
  List.insert(List.begin() + std::clamp(Index, 0, static_cast<int>(List.size())), moved);
  return true;
}
