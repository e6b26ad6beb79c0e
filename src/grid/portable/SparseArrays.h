#pragma once
// Sparse storage by 32-bit index: a two-level array of pointers that allocates a section
// of slots only when one of them is first set, and a list with a count over it. The
// string grid keeps its rows and cells in them, so empty rows and cells cost nothing.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Slots per section: small 16, large 256.
enum TSPAQuantum { SPASmall, SPALarge };

class TSparsePointerArray {
public:
  // Calls Visit(Index, Item) for set slots; a non-zero result stops the walk.
  using TVisit = std::function<int(int32_t Index, void* Item)>;

  explicit TSparsePointerArray(TSPAQuantum Quantum);
  TSparsePointerArray(const TSparsePointerArray&) = delete;
  TSparsePointerArray& operator=(const TSparsePointerArray&) = delete;

  TSPAQuantum Quantum() const { return FQuantum; }
  // Indexes 0 .. Capacity() - 1 can be written: the section table holds at most 0xFFFF
  // sections.
  int32_t Capacity() const;
  // The item at Index; nullptr for a slot never set and for any index outside the array.
  void* Get(int32_t Index) const;
  // Raises ERangeError outside 0 .. Capacity() - 1. Writing nullptr where nothing is
  // stored allocates nothing.
  void Put(int32_t Index, void* Item);
  // The highest index that holds an item; -1 when none does.
  int32_t HighBound() const { return FHighBound; }
  // Every set slot in index order until Visit returns non-zero; returns that value, or 0.
  int ForAll(const TVisit& Visit) const;
  // Sections allocated so far.
  int SectionCount() const;

private:
  using TSection = std::unique_ptr<void*[]>;

  void* Slot(int32_t Index) const;
  void LowerHighBound();

  TSPAQuantum FQuantum;
  int FShift;
  int32_t FMask;
  std::vector<TSection> FSections;
  int32_t FHighBound = -1;
  // Reads of one index in a row (the painter reads a row's cells one by one) are
  // answered from here.
  mutable int32_t FCacheIndex = -1;
  mutable void* FCacheValue = nullptr;
};

// A list over a sparse array: Count is one past the highest stored index.
class TSparseList {
public:
  explicit TSparseList(TSPAQuantum Quantum);

  int32_t Count() const { return FCount; }
  int32_t Capacity() const { return FList->Capacity(); }
  void* Get(int32_t Index) const { return FList->Get(Index); }
  // Stores Item; Count becomes one past the highest stored index.
  void Put(int32_t Index, void* Item);
  // Removes the item at Index and moves the items above it down by one; an index at or
  // beyond Count changes nothing.
  void Delete(int32_t Index);
  // Moves the items from Index on up by one and stores Item at Index.
  void Insert(int32_t Index, void* Item);
  void Exchange(int32_t Index1, int32_t Index2);
  void Move(int32_t CurIndex, int32_t NewIndex);
  void Clear();
  int ForAll(const TSparsePointerArray::TVisit& Visit) const { return FList->ForAll(Visit); }

private:
  void CheckIndex(int32_t Index) const;

  std::unique_ptr<TSparsePointerArray> FList;
  int32_t FCount = 0;
};
