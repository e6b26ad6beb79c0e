#pragma once
// A string list whose items live in a sparse list: an item that holds neither text nor
// an object costs nothing, so a grid row keeps only the cells written into it.

#include "SparseArrays.h"

#include "base/Strings.h"

#include <string>

class TFiler;
class TStream;

class TStringSparseList : public TStrings {
public:
  explicit TStringSparseList(TSPAQuantum Quantum);
  ~TStringSparseList() override;
  TStringSparseList(const TStringSparseList&) = delete;
  TStringSparseList& operator=(const TStringSparseList&) = delete;

  int Count() const override { return FList.Count(); }
  // A missing item reads as the empty string and nullptr.
  std::string Get(int index) const override;
  TObject* GetObject(int index) const override;
  // Writing "" to an item without an object removes it. Indexes outside the sparse
  // array raise ERangeError.
  void Put(int index, const std::string& s) override;
  // A nullptr object on a missing item stores nothing.
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  // Swaps two items without a change notification.
  void Exchange(int index1, int index2) override;
  // Moves an item, the items between shifting by one; an empty item stays free.
  void Move(int curIndex, int newIndex) override;

  // The stored property "List": the items' texts (objects are not stored).
  void DefineProperties(TFiler& Filer) override;
  // "List" as bytes: the item count, then per item its index and its text, each number
  // a little-endian 32-bit integer and each text its length followed by its bytes.
  void WriteList(TStream& Stream) const;
  // Replaces the items with those of a "List" written by WriteList, read from Stream's
  // position to its end. Raises EReadError, keeping the items, when the data does not
  // hold exactly such a list.
  void ReadList(TStream& Stream);

  // After every change but Exchange.
  TNotifyEvent OnChange;

private:
  struct TStrItem;

  TStrItem* Item(int index) const;
  void Changed();

  TSparseList FList;
};
