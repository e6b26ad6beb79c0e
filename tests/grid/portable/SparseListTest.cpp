#include "grid/portable/SparseArrays.h"
#include "grid/portable/StringGridCells.h"
#include "grid/portable/StringSparseList.h"

#include "base/Exceptions.h"
#include "base/Streams.h"

#include "DefinedProperties.h"
#include "TestGrid.h"

#include <gtest/gtest.h>

#include <random>
#include <variant>
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
  EXPECT_EQ(TSparsePointerArray(SPALarge).Capacity(), 0xFFFF * 256);

  // The walk visits set slots in index order until the visit stops it.
  array.Put(capacity - 2, Tag(5));
  std::vector<int32_t> seen;
  EXPECT_EQ(array.ForAll([&](int32_t index, void*) {
    seen.push_back(index);
    return index == capacity - 2 ? 9 : 0;
  }), 9);
  EXPECT_EQ(seen, (std::vector<int32_t>{3, capacity - 2}));
}

// The list's rules over a plain vector whose size is the count.
class TPlainList {
public:
  void* Get(int32_t i) const { return i < Count() ? FItems[i] : nullptr; }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  void Put(int32_t i, void* item) {
    FItems.resize(std::max(i + 1, Count()));
    FItems[i] = item;
    FItems.resize(HighBound() + 1);
  }
  void Delete(int32_t i) {
    if (i < Count()) FItems.erase(FItems.begin() + i);
  }
  void Insert(int32_t i, void* item) { i < Count() ? void(FItems.insert(FItems.begin() + i, item)) : Put(i, item); }
  void Exchange(int32_t a, int32_t b) {
    const int32_t count = Count();
    FItems.resize(std::max({a + 1, b + 1, count}));
    std::swap(FItems[a], FItems[b]);
    FItems.resize(std::max(count, HighBound() + 1));
  }
  void Move(int32_t a, int32_t b) {
    void* item = Get(a);
    if (a != b) Delete(a), Insert(b, item);
  }

private:
  int32_t HighBound() const {
    int32_t i = Count() - 1;
    while (i >= 0 && FItems[i] == nullptr) --i;
    return i;
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
}

class TCountedObject : public TObject {};

TEST(StringSparseList, EmptyItemsCostNothingAndEveryChangeButExchangeIsAnnounced) {
  TStringSparseList list(SPASmall);
  int changes = 0;
  list.OnChange = [&](TObject* Sender) { changes += Sender == &list; };
  TCountedObject object;
  list.Put(4, "four");
  list.PutObject(6, &object);
  list.PutObject(9, nullptr);  // nothing to store
  EXPECT_EQ(list.Count(), 7);
  list.Put(6, "");  // keeps its object
  EXPECT_EQ(list.GetObject(6), &object);
  list.Put(4, "");  // nothing left: removed
  list.PutObject(6, nullptr);
  list.Put(6, "");
  EXPECT_EQ(list.Count(), 0);

  list.Put(1, "b");
  list.Insert(0, "a");
  list.Move(0, 3);
  list.Delete(0);
  EXPECT_EQ(list.Get(0), "b");
  EXPECT_EQ(list.Get(2), "a");
  list.Exchange(2, 5);
  EXPECT_EQ(list.Get(5), "a");
  EXPECT_EQ(changes, 11);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes, 12);
  EXPECT_THROW(list.Put(-1, "x"), ERangeError);
}

// Little-endian 32-bit numbers and texts, one after the other.
std::vector<uint8_t> Bytes(std::initializer_list<std::variant<int32_t, std::string>> Parts) {
  std::vector<uint8_t> bytes;
  for (const auto& part : Parts) {
    if (const auto* text = std::get_if<std::string>(&part))
      bytes.insert(bytes.end(), text->begin(), text->end());
    else
      for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(std::get<int32_t>(part)) >> (8 * i)));
  }
  return bytes;
}

TEST(StringSparseList, ListPropertyReadsBackWhatItWrote) {
  TStringSparseList source(SPASmall);
  EXPECT_FALSE(DefinedBinaryProperties(source)["List"].HasData);
  source.Put(2, "two");
  source.Put(700, std::string("a\0b", 3));
  source.Insert(0, "");  // an empty item reads back as nothing
  const TDefinedBinaryProperty written = DefinedBinaryProperties(source)["List"];
  ASSERT_TRUE(written.HasData);
  TMemoryStream stream;
  written.WriteData(stream);
  EXPECT_EQ(stream.Bytes(), Bytes({3, 0, 0, 3, 3, "two", 701, 3, std::string("a\0b", 3)}));

  TStringSparseList copy(SPALarge);
  copy.Put(5, "replaced");
  stream.SetPosition(0);
  DefinedBinaryProperties(copy)["List"].ReadData(stream);
  EXPECT_EQ(copy.Get(5), "");
  EXPECT_EQ(copy.Get(3), "two");
  EXPECT_EQ(copy.Get(701), std::string("a\0b", 3));
  EXPECT_EQ(copy.Count(), 702);
}

TEST(StringSparseList, MalformedListDataIsRefusedAndKeepsTheItems) {
  const std::vector<std::vector<uint8_t>> malformed = {
      {1, 0},                                        // count cut short
      Bytes({-1}),                              // negative count
      Bytes({1000}),                            // more items than bytes
      Bytes({1, 4}),                            // item without its length
      Bytes({1, 4, 5, 0x41}),                   // text cut short
      Bytes({1, 4, -2}),                        // negative length
      Bytes({2, 4, 0, 4, 0}),                   // index repeated
      Bytes({2, 4, 0, 3, 0}),                   // index going back
      Bytes({1, -1, 0}),                        // negative index
      Bytes({1, 0xFFFF * 16, 0}),               // index beyond the array
      Bytes({0, 0}),                            // bytes after the list
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

TEST(StringGridCells, ReadingMakesNothingAndMovesCarryTheTexts) {
  TTestGrid grid;
  TStringGridCells cells(grid);
  EXPECT_EQ(cells.Cells(1, 3), "");
  EXPECT_EQ(cells.RowListCount(), 0);
  for (int32_t row = 0; row < 5; ++row) cells.SetCells(1, row, std::to_string(row));
  cells.SetCells(2, 8, "");  // an empty write makes the row's list, but stores nothing
  EXPECT_EQ(cells.RowListCount(), 6);
  EXPECT_EQ(cells.RowList(8)->Count(), 0);

  cells.MoveRow(3, 1);  // rows 1 and 2 move down
  std::string column;
  for (int32_t row = 0; row < 5; ++row) column += cells.Cells(1, row) + " ";
  EXPECT_EQ(column, "0 3 1 2 4 ");

  TCountedObject object;
  cells.SetObjects(0, 4, &object);
  cells.MoveColumn(0, 2);
  EXPECT_EQ(cells.Objects(2, 4), &object);
  EXPECT_EQ(cells.Cells(0, 4), "4");
  EXPECT_THROW(cells.SetCells(-1, 0, "x"), ERangeError);
  EXPECT_THROW(cells.SetCells(0, -1, "x"), ERangeError);
}

TEST(StringGridCells, RowsAndColumnsReadAndWriteTheirCellsAsStringLists) {
  TTestGrid grid;
  grid.SetDataRowCount(3);
  TStringGridCells cells(grid);
  std::vector<std::pair<int32_t, int32_t>> written;
  cells.OnCellChanged = [&](int32_t ACol, int32_t ARow) { written.emplace_back(ACol, ARow); };
  TStrings& row = cells.Rows(2);
  EXPECT_EQ(&row, &cells.Rows(2));
  row.SetStrings(1, "b");
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
  EXPECT_EQ(cells.Objects(1, 3), nullptr);
  EXPECT_EQ(row.Text(), "a\r\n\r\nc\r\n");
  row.Clear();
  EXPECT_EQ(cells.RowList(2)->Count(), 0);
  EXPECT_THROW(cells.Cols(-1), ERangeError);
}

}  // namespace
