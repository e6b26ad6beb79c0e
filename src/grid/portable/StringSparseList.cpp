#include "StringSparseList.h"

#include "base/Exceptions.h"
#include "base/Filer.h"
#include "base/Streams.h"

#include <climits>
#include <memory>
#include <utility>
#include <vector>

struct TStringSparseList::TStrItem {
  TObject* Object = nullptr;
  std::string Text;
};

namespace {

void WriteInt32(TStream& Stream, int32_t Value) {
  const auto bits = static_cast<uint32_t>(Value);
  const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                            static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
  Stream.WriteBuffer(bytes, 4);
}

[[noreturn]] void ListDataError() { throw EReadError("Invalid string list data"); }

// Reads the bytes of a "List" value, checking every count and length against them.
class TListDataReader {
public:
  explicit TListDataReader(std::vector<uint8_t> Data) : FData(std::move(Data)) {}

  size_t Remaining() const { return FData.size() - FPos; }
  int32_t Int32() {
    if (Remaining() < 4) ListDataError();
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | FData[FPos + i];
    FPos += 4;
    return static_cast<int32_t>(bits);
  }
  std::string Text() {
    const int32_t length = Int32();
    if (length < 0 || static_cast<size_t>(length) > Remaining()) ListDataError();
    std::string text(reinterpret_cast<const char*>(FData.data() + FPos), static_cast<size_t>(length));
    FPos += static_cast<size_t>(length);
    return text;
  }

private:
  std::vector<uint8_t> FData;
  size_t FPos = 0;
};

}  // namespace

TStringSparseList::TStringSparseList(TSPAQuantum Quantum) : FList(Quantum) {}

TStringSparseList::~TStringSparseList() {
  FList.ForAll([](int32_t, void* item) {
    delete static_cast<TStrItem*>(item);
    return 0;
  });
}

TStringSparseList::TStrItem* TStringSparseList::Item(int index) const {
  return static_cast<TStrItem*>(FList.Get(index));
}

void TStringSparseList::Changed() {
  if (OnChange) OnChange(this);
}

std::string TStringSparseList::Get(int index) const {
  const TStrItem* item = Item(index);
  return item ? item->Text : std::string();
}

TObject* TStringSparseList::GetObject(int index) const {
  const TStrItem* item = Item(index);
  return item ? item->Object : nullptr;
}

void TStringSparseList::Put(int index, const std::string& s) {
  TStrItem* item = Item(index);
  if (item != nullptr) {
    if (s.empty() && item->Object == nullptr) {
      FList.Put(index, nullptr);
      delete item;
    } else {
      item->Text = s;
    }
  } else if (!s.empty()) {
    auto added = std::make_unique<TStrItem>(TStrItem{nullptr, s});
    FList.Put(index, added.get());
    added.release();
  }
  Changed();
}

void TStringSparseList::PutObject(int index, TObject* object) {
  if (TStrItem* item = Item(index)) {
    item->Object = object;
  } else if (object != nullptr) {
    auto added = std::make_unique<TStrItem>(TStrItem{object, std::string()});
    FList.Put(index, added.get());
    added.release();
  }
  Changed();
}

void TStringSparseList::Insert(int index, const std::string& s) {
  auto added = std::make_unique<TStrItem>(TStrItem{nullptr, s});
  FList.Insert(index, added.get());
  added.release();
  Changed();
}

void TStringSparseList::Delete(int index) {
  TStrItem* removed = Item(index);
  FList.Delete(index);
  delete removed;
  Changed();
}

void TStringSparseList::Clear() {
  FList.ForAll([](int32_t, void* item) {
    delete static_cast<TStrItem*>(item);
    return 0;
  });
  FList.Clear();
  Changed();
}

void TStringSparseList::Exchange(int index1, int index2) { FList.Exchange(index1, index2); }

void TStringSparseList::Move(int curIndex, int newIndex) {
  FList.Move(curIndex, newIndex);
  Changed();
}

void TStringSparseList::DefineProperties(TFiler& Filer) {
  TStrings::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "List", [this](TStream& Stream) { ReadList(Stream); },
      [this](TStream& Stream) { WriteList(Stream); }, Count() > 0);
}

void TStringSparseList::WriteList(TStream& Stream) const {
  int32_t count = 0;
  FList.ForAll([&count](int32_t, void*) {
    ++count;
    return 0;
  });
  WriteInt32(Stream, count);
  FList.ForAll([&Stream](int32_t index, void* item) {
    const std::string& text = static_cast<TStrItem*>(item)->Text;
    WriteInt32(Stream, index);
    WriteInt32(Stream, static_cast<int32_t>(text.size()));
    Stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    return 0;
  });
}

void TStringSparseList::ReadList(TStream& Stream) {
  const int64_t available = Stream.Size() - Stream.Position();
  if (available < 0 || available > INT32_MAX) ListDataError();
  std::vector<uint8_t> bytes(static_cast<size_t>(available));
  Stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));

  TListDataReader reader(std::move(bytes));
  const int32_t count = reader.Int32();
  // Each item takes at least its index and its length.
  if (count < 0 || static_cast<size_t>(count) > reader.Remaining() / 8) ListDataError();
  std::vector<std::pair<int32_t, std::string>> items;
  items.reserve(static_cast<size_t>(count));
  int32_t previous = -1;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t index = reader.Int32();
    if (index <= previous || index >= FList.Capacity()) ListDataError();
    items.emplace_back(index, reader.Text());
    previous = index;
  }
  if (reader.Remaining() != 0) ListDataError();

  Clear();
  for (const auto& [index, text] : items) Put(index, text);
}
