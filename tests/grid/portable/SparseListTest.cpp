#include "grid/portable/SparseArrays.h"
#include "grid/portable/StringGridCells.h"
#include "grid/portable/StringGridStrings.h"
#include "grid/portable/StringSparseList.h"
#include "grid/portable/GridModel.h"

#include "base/Exceptions.h"
#include "base/Filer.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

void* Tag(intptr_t n) { return reinterpret_cast<void*>(n); }

TEST(SparsePointerArray, StoresOnlyWhatIsWrittenAndRefusesIndexesOutside) {
  TSparsePointerArray array(SPASmall);
  EXPECT_EQ(array.Get(5), nullptr);
  array.Put(40, nullptr);
  EXPECT_EQ(array.SectionCount(), 0);
  EXPECT_EQ(array.HighBound(), -1);

  array.Put(40, Tag(1));
  array.Put(3, Tag(2));
  EXPECT_EQ(array.SectionCount(), 2);
  EXPECT_EQ(array.Get(40), Tag(1));
  EXPECT_EQ(array.Get(40), Tag(1));  // the cached read
  EXPECT_EQ(array.HighBound(), 40);
  // Clearing the highest item finds the next one below, across empty sections.
  array.Put(40, nullptr);
  EXPECT_EQ(array.Get(40), nullptr);
  EXPECT_EQ(array.HighBound(), 3);

  const int32_t capacity = array.Capacity();
  EXPECT_EQ(capacity, 0xFFFF * 16);
  EXPECT_THROW(array.Put(-1, Tag(3)), ERangeError);
  EXPECT_THROW(array.Put(capacity, Tag(3)), ERangeError);
  EXPECT_EQ(array.Get(-1), nullptr);
  EXPECT_EQ(array.Get(capacity), nullptr);
  array.Put(capacity - 1, Tag(4));
  EXPECT_EQ(array.Get(capacity - 1), Tag(4));
  EXPECT_EQ(TSparsePointerArray(SPALarge).Capacity(), 0xFFFF * 256);
}

TEST(SparsePointerArray, WalksSetSlotsInOrderUntilTheVisitStops) {
  TSparsePointerArray array(SPASmall);
  for (int32_t index : {300, 2, 17}) array.Put(index, Tag(index));
  std::vector<int32_t> seen;
  EXPECT_EQ(array.ForAll([&](int32_t index, void* item) {
    EXPECT_EQ(item, Tag(index));
    seen.push_back(index);
    return index == 17 ? 9 : 0;
  }), 9);
  EXPECT_EQ(seen, (std::vector<int32_t>{2, 17}));
}

// The list's rules over a plain vector whose size is the count.
class TPlainList {
public:
  void* Get(int32_t i) const { return i < Count() ? FItems[i] : nullptr; }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  void Put(int32_t i, void* item) {
    if (i >= Count()) FItems.resize(i + 1);
    FItems[i] = item;
    FItems.resize(HighBound() + 1);
  }
  void Delete(int32_t i) {
    if (i < Count()) FItems.erase(FItems.begin() + i);
  }
  void Insert(int32_t i, void* item) {
    if (i < Count())
      FItems.insert(FItems.begin() + i, item);
    else
      Put(i, item);
  }
  void Exchange(int32_t a, int32_t b) {
    const int32_t count = Count();
    if (std::max(a, b) >= count) FItems.resize(std::max(a, b) + 1);
    std::swap(FItems[a], FItems[b]);
    FItems.resize(std::max(count, HighBound() + 1));
  }
  void Move(int32_t a, int32_t b) {
    if (a == b) return;
    void* item = Get(a);
    Delete(a);
    Insert(b, item);
  }

private:
  int32_t HighBound() const {
    for (int32_t i = Count() - 1; i >= 0; --i)
      if (FItems[i] != nullptr) return i;
    return -1;
  }
  std::vector<void*> FItems;
};

TEST(SparseList, ListOperationsFollowThePlainListRules) {
  std::mt19937 random(7);
  for (TSPAQuantum quantum : {SPASmall, SPALarge}) {
    TSparseList list(quantum);
    TPlainList expected;
    for (int step = 0; step < 4000; ++step) {
      const auto a = static_cast<int32_t>(random() % 70);
      const auto b = static_cast<int32_t>(random() % 70);
      void* item = random() % 3 == 0 ? nullptr : Tag(step + 1);
      switch (random() % 5) {
        case 0: list.Put(a, item), expected.Put(a, item); break;
        case 1: list.Delete(a), expected.Delete(a); break;
        case 2: list.Insert(a, item), expected.Insert(a, item); break;
        case 3: list.Exchange(a, b), expected.Exchange(a, b); break;
        default: list.Move(a, b), expected.Move(a, b); break;
      }
      ASSERT_EQ(list.Count(), expected.Count()) << "step " << step;
      for (int32_t i = 0; i < 142; ++i) ASSERT_EQ(list.Get(i), expected.Get(i)) << "step " << step << " index " << i;
    }
  }
}

TEST(SparseList, RefusesMovesOutOfTheArrayBeforeChangingAnything) {
  TSparseList list(SPASmall);
  const int32_t last = list.Capacity() - 1;
  list.Put(0, Tag(1));
  list.Put(last, Tag(2));
  EXPECT_THROW(list.Insert(0, Tag(3)), ERangeError);
  EXPECT_THROW(list.Delete(-1), ERangeError);
  EXPECT_THROW(list.Move(0, last + 1), ERangeError);
  EXPECT_EQ(list.Get(0), Tag(1));
  EXPECT_EQ(list.Get(last), Tag(2));
  EXPECT_EQ(list.Count(), last + 1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Get(last), nullptr);
}

class TCountedObject : public TObject {};

TEST(StringSparseList, EmptyItemsCostNothingAndEveryChangeIsAnnounced) {
  TStringSparseList list(SPASmall);
  int changes = 0;
  list.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &list);
    ++changes;
  };
  TCountedObject object;
  list.Put(4, "four");
  list.PutObject(6, &object);
  list.PutObject(9, nullptr);  // nothing to store
  EXPECT_EQ(list.Count(), 7);
  EXPECT_EQ(list.Get(4), "four");
  EXPECT_EQ(list.GetObject(6), &object);
  EXPECT_EQ(list.Get(100), "");
  EXPECT_EQ(list.GetObject(100), nullptr);

  list.Put(6, "");  // keeps its object
  EXPECT_EQ(list.GetObject(6), &object);
  list.Put(4, "");  // nothing left: removed
  EXPECT_EQ(list.Count(), 7);
  list.PutObject(6, nullptr);
  list.Put(6, "");
  EXPECT_EQ(list.Count(), 0);

  list.Put(1, "b");
  list.Insert(0, "a");
  list.Move(0, 3);
  EXPECT_EQ(list.Get(1), "b");
  EXPECT_EQ(list.Get(3), "a");
  list.Delete(0);
  EXPECT_EQ(list.Get(2), "a");
  const int beforeExchange = changes;
  list.Exchange(2, 5);
  EXPECT_EQ(changes, beforeExchange);
  EXPECT_EQ(list.Get(5), "a");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes, beforeExchange + 1);
  EXPECT_EQ(changes, 12);
  EXPECT_THROW(list.Put(-1, "x"), ERangeError);
}

// Captures what DefineProperties offers for the "List" property.
class TListFiler : public TFiler {
public:
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                            bool HasData) override {
    EXPECT_EQ(Name, "List");
    Read = ReadData;
    Write = WriteData;
    Has = HasData;
  }
  TStreamProc Read, Write;
  bool Has = false;
};

std::vector<uint8_t> Int32Bytes(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> bytes;
  for (int32_t v : values)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  return bytes;
}

TEST(StringSparseList, ListPropertyReadsBackWhatItWrote) {
  TStringSparseList source(SPASmall);
  TListFiler filer;
  source.DefineProperties(filer);
  EXPECT_FALSE(filer.Has);
  source.Put(2, "two");
  source.Put(700, std::string("a\0b", 3));
  source.Insert(0, "");  // an empty item reads back as nothing
  source.DefineProperties(filer);
  ASSERT_TRUE(filer.Has);
  TMemoryStream stream;
  filer.Write(stream);
  std::vector<uint8_t> expected = Int32Bytes({3, 0, 0, 3, 3});
  for (char c : std::string("two")) expected.push_back(static_cast<uint8_t>(c));
  for (uint8_t b : Int32Bytes({701, 3})) expected.push_back(b);
  for (char c : std::string("a\0b", 3)) expected.push_back(static_cast<uint8_t>(c));
  EXPECT_EQ(stream.Bytes(), expected);

  TStringSparseList copy(SPALarge);
  copy.Put(5, "replaced");
  copy.DefineProperties(filer);
  stream.SetPosition(0);
  filer.Read(stream);
  EXPECT_EQ(copy.Get(5), "");
  EXPECT_EQ(copy.Get(3), "two");
  EXPECT_EQ(copy.Get(701), std::string("a\0b", 3));
  EXPECT_EQ(copy.Count(), 702);
}

TEST(StringSparseList, MalformedListDataIsRefusedAndKeepsTheItems) {
  const std::vector<std::vector<uint8_t>> malformed = {
      {1, 0},                                        // count cut short
      Int32Bytes({-1}),                              // negative count
      Int32Bytes({1000}),                            // more items than bytes
      Int32Bytes({1, 4}),                            // item without its length
      Int32Bytes({1, 4, 5, 0x41}),                   // text cut short
      Int32Bytes({1, 4, -2}),                        // negative length
      Int32Bytes({2, 4, 0, 4, 0}),                   // index repeated
      Int32Bytes({2, 4, 0, 3, 0}),                   // index going back
      Int32Bytes({1, -1, 0}),                        // negative index
      Int32Bytes({1, 0xFFFF * 16, 0}),               // index beyond the array
      Int32Bytes({0, 0}),                            // bytes after the list
  };
  for (const std::vector<uint8_t>& bytes : malformed) {
    TStringSparseList list(SPASmall);
    list.Put(1, "kept");
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream.SetPosition(0);
    EXPECT_THROW(list.ReadList(stream), EReadError) << ::testing::PrintToString(bytes);
    EXPECT_EQ(list.Get(1), "kept");
    EXPECT_EQ(list.Count(), 2);
  }
}

class TCellsGrid : public TGridModel {
protected:
  TSize GridClientSize() const override { return {200, 200}; }
};

TEST(StringGridCells, ReadingMakesNothingAndMovesCarryTheTexts) {
  TCellsGrid grid;
  TStringGridCells cells(grid);
  EXPECT_EQ(cells.Cells(1, 3), "");
  EXPECT_EQ(cells.RowListCount(), 0);
  for (int32_t row = 0; row < 5; ++row) cells.SetCells(1, row, "r" + std::to_string(row));
  cells.SetCells(2, 8, "");  // an empty write makes the row's list, but stores nothing
  EXPECT_EQ(cells.RowListCount(), 6);
  EXPECT_EQ(cells.RowList(8)->Count(), 0);

  cells.MoveRow(3, 1);
  EXPECT_EQ(cells.Cells(1, 1), "r3");
  EXPECT_EQ(cells.Cells(1, 2), "r1");
  EXPECT_EQ(cells.Cells(1, 3), "r2");
  EXPECT_EQ(cells.Cells(1, 4), "r4");

  TCountedObject object;
  cells.SetObjects(0, 4, &object);
  cells.MoveColumn(0, 2);
  EXPECT_EQ(cells.Objects(2, 4), &object);
  EXPECT_EQ(cells.Cells(0, 4), "r4");
  EXPECT_EQ(cells.Cells(1, 4), "");
  EXPECT_THROW(cells.SetCells(-1, 0, "x"), ERangeError);
  EXPECT_THROW(cells.SetCells(0, -1, "x"), ERangeError);
}

TEST(StringGridCells, RowsAndColumnsReadAndWriteTheirCellsAsStringLists) {
  TCellsGrid grid;
  grid.SetDataRowCount(3);
  TStringGridCells cells(grid);
  std::vector<std::pair<int32_t, int32_t>> written;
  cells.OnCellChanged = [&](int32_t ACol, int32_t ARow) { written.emplace_back(ACol, ARow); };
  TStrings& row = cells.Rows(2);
  EXPECT_EQ(&row, &cells.Rows(2));
  EXPECT_EQ(row.Count(), 3);
  row.SetStrings(1, "b");
  EXPECT_EQ(cells.Cells(1, 2), "b");
  EXPECT_EQ(row.Add("a"), 0);
  EXPECT_EQ(row.Add("c"), 2);
  EXPECT_EQ(row.Add("d"), -1);  // no empty item left
  EXPECT_EQ(written, (std::vector<std::pair<int32_t, int32_t>>{{1, 2}, {0, 2}, {2, 2}}));
  row.Insert(0, "x");
  row.Delete(0);
  EXPECT_EQ(row.Text(), "a\r\nb\r\nc\r\n");

  TStrings& column = cells.Cols(1);
  EXPECT_EQ(column.Count(), 4);
  TCountedObject object;
  column.SetObjects(3, &object);
  EXPECT_EQ(cells.Objects(1, 3), &object);
  column.Clear();
  EXPECT_EQ(cells.Cells(1, 2), "");
  EXPECT_EQ(cells.Objects(1, 3), nullptr);
  EXPECT_EQ(cells.Cells(0, 2), "a");
  row.Clear();
  EXPECT_EQ(cells.RowList(2)->Count(), 0);
  EXPECT_THROW(cells.Cols(-1), ERangeError);
  TDynSkinStringGridStrings none(cells, 0);
  EXPECT_EQ(none.Count(), 0);
  EXPECT_EQ(none.Get(0), "");
}

}  // namespace
