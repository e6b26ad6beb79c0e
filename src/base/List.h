#pragma once
// TList: an ordered list of values (usually non-owning pointers) with checked indexes.

#include "Exceptions.h"

#include <algorithm>
#include <span>
#include <vector>

template <class T>
class TList {
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  int Capacity() const { return static_cast<int>(FItems.capacity()); }
  void SetCapacity(int capacity) {
    if (capacity < Count()) ListIndexError(capacity);
    FItems.reserve(capacity);
  }

  const T& Items(int index) const {
    Check(index);
    return FItems[index];
  }
  void SetItems(int index, T item) {
    Check(index);
    FItems[index] = std::move(item);
  }

  int Add(T item) {
    FItems.push_back(std::move(item));
    return Count() - 1;
  }
  void Insert(int index, T item) {
    CheckListIndex(index, Count() + 1);
    FItems.insert(FItems.begin() + index, std::move(item));
  }
  void Delete(int index) {
    Check(index);
    FItems.erase(FItems.begin() + index);
  }
  // Deletes the items at the indexes, which must ascend, in one pass over the list; an
  // index out of range or out of order deletes nothing and raises EListError.
  void Delete(std::span<const int> ascending) {
    for (size_t i = 0; i < ascending.size(); ++i) {
      Check(ascending[i]);
      if (i > 0 && ascending[i] <= ascending[i - 1]) ListIndexError(ascending[i]);
    }
    size_t kept = 0, next = 0;
    for (size_t i = 0; i < FItems.size(); ++i) {
      if (next < ascending.size() && static_cast<size_t>(ascending[next]) == i) {
        ++next;
        continue;
      }
      if (kept != i) FItems[kept] = std::move(FItems[i]);
      ++kept;
    }
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(kept), FItems.end());
  }
  // Removes the first occurrence; returns its former index or -1.
  int Remove(const T& item) {
    int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
  }
  void Clear() { FItems.clear(); }
  int IndexOf(const T& item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
  }
  void Move(int curIndex, int newIndex) {
    Check(curIndex);
    Check(newIndex);
    T item = std::move(FItems[curIndex]);
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, std::move(item));
  }
  void Exchange(int index1, int index2) {
    Check(index1);
    Check(index2);
    std::swap(FItems[index1], FItems[index2]);
  }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

private:
  void Check(int index) const { CheckListIndex(index, Count()); }

  std::vector<T> FItems;
};
