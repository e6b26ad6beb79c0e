#include "SparseArrays.h"

#include "base/Exceptions.h"

#include <algorithm>

namespace {

// The section table's length is a 16-bit number.
constexpr int32_t MaxSections = 0xFFFF;

}  // namespace

TSparsePointerArray::TSparsePointerArray(TSPAQuantum Quantum)
    : FQuantum(Quantum), FShift(Quantum == SPALarge ? 8 : 4), FMask((1 << FShift) - 1) {}

int32_t TSparsePointerArray::Capacity() const { return MaxSections << FShift; }

void* TSparsePointerArray::Slot(int32_t Index) const {
  if (Index < 0) return nullptr;
  const size_t section = static_cast<size_t>(Index >> FShift);
  if (section >= FSections.size() || !FSections[section]) return nullptr;
  return FSections[section][Index & FMask];
}

void* TSparsePointerArray::Get(int32_t Index) const {
  if (Index != FCacheIndex) {
    FCacheValue = Slot(Index);
    FCacheIndex = Index;
  }
  return FCacheValue;
}

void TSparsePointerArray::Put(int32_t Index, void* Item) {
  if (Index < 0 || Index >= Capacity()) throw ERangeError("Sparse array index out of range");
  const size_t section = static_cast<size_t>(Index >> FShift);
  FCacheIndex = -1;
  FCacheValue = nullptr;
  if (Item == nullptr) {
    if (section >= FSections.size() || !FSections[section]) return;
    FSections[section][Index & FMask] = nullptr;
    if (Index == FHighBound) LowerHighBound();
    return;
  }
  if (section >= FSections.size()) FSections.resize(section + 1);
  if (!FSections[section]) FSections[section] = std::make_unique<void*[]>(size_t{1} << FShift);
  FSections[section][Index & FMask] = Item;
  if (Index > FHighBound) FHighBound = Index;
}

// After the highest item was cleared: the next set slot below it, searched downwards.
void TSparsePointerArray::LowerHighBound() {
  for (int32_t i = FHighBound - 1; i >= 0; --i) {
    const size_t section = static_cast<size_t>(i >> FShift);
    if (!FSections[section]) {
      i &= ~FMask;  // skip the whole missing section
      continue;
    }
    if (FSections[section][i & FMask] != nullptr) {
      FHighBound = i;
      return;
    }
  }
  FHighBound = -1;
}

int TSparsePointerArray::ForAll(const TVisit& Visit) const {
  const int32_t slots = FMask + 1;
  for (size_t section = 0; section < FSections.size(); ++section) {
    if (!FSections[section]) continue;
    for (int32_t slot = 0; slot < slots; ++slot) {
      void* item = FSections[section][slot];
      if (item == nullptr) continue;
      if (int result = Visit(static_cast<int32_t>(section << FShift) + slot, item)) return result;
    }
  }
  return 0;
}

int TSparsePointerArray::SectionCount() const {
  int count = 0;
  for (const TSection& section : FSections) count += section ? 1 : 0;
  return count;
}

TSparseList::TSparseList(TSPAQuantum Quantum) : FList(std::make_unique<TSparsePointerArray>(Quantum)) {}

void TSparseList::CheckIndex(int32_t Index) const {
  if (Index < 0 || Index >= Capacity()) throw ERangeError("Sparse list index out of range");
}

void TSparseList::Put(int32_t Index, void* Item) {
  FList->Put(Index, Item);
  FCount = FList->HighBound() + 1;
}

void TSparseList::Delete(int32_t Index) {
  CheckIndex(Index);
  if (Index >= FCount) return;
  for (int32_t i = Index; i < FCount - 1; ++i) FList->Put(i, FList->Get(i + 1));
  FList->Put(FCount - 1, nullptr);
  --FCount;
}

void TSparseList::Insert(int32_t Index, void* Item) {
  CheckIndex(Index);
  if (Index < FCount) {
    // The last item would move out of the array: refuse before anything moves.
    if (FCount >= Capacity()) throw ERangeError("Sparse list is full");
    for (int32_t i = FCount; i > Index; --i) FList->Put(i, FList->Get(i - 1));
    FList->Put(Index, Item);
    ++FCount;
    return;
  }
  Put(Index, Item);
}

void TSparseList::Exchange(int32_t Index1, int32_t Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  void* item1 = FList->Get(Index1);
  void* item2 = FList->Get(Index2);
  FList->Put(Index1, item2);
  FList->Put(Index2, item1);
  FCount = std::max(FCount, FList->HighBound() + 1);
}

void TSparseList::Move(int32_t CurIndex, int32_t NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex == NewIndex) return;
  void* item = FList->Get(CurIndex);
  Delete(CurIndex);
  Insert(NewIndex, item);
}

void TSparseList::Clear() {
  FList = std::make_unique<TSparsePointerArray>(FList->Quantum());
  FCount = 0;
}
