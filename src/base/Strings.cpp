#include "Strings.h"

#include "Exceptions.h"
#include "UpdateScope.h"
#include "Locale.h"
#include "Streams.h"
#include "StrUtils.h"

#include <algorithm>

// --- TStrings ------------------------------------------------------------------------

void TStrings::Put(int index, const std::string& s) {
  TObject* object = GetObject(index);
  Delete(index);
  InsertObject(index, s, object);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

int TStrings::Add(const std::string& s) {
  int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& strings) {
  WithUpdate(*this, [&] {
    for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Get(i), strings.GetObject(i));
  });
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  WithUpdate(*this, [&] {
    std::string s = Get(curIndex);
    TObject* object = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, object);
  });
}

void TStrings::Exchange(int index1, int index2) {
  WithUpdate(*this, [&] {
    std::string s1 = Get(index1);
    TObject* o1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, o1);
  });
}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const {
  return AnsiCompareText(a, b);
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    std::string line = Get(i);
    size_t eq = line.find('=');
    if (eq != std::string::npos && CompareStrings(line.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

std::string TStrings::Names(int index) const {
  std::string line = Get(index);
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
  std::string line = Get(index);
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::string TStrings::Values(const std::string& name) const {
  int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index < 0) {
    Add(name + "=" + value);
  } else {
    Put(index, name + "=" + value);
  }
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(const std::string& text) {
  WithUpdate(*this, [&] {
    Clear();
    for (const std::string& line : SplitLines(text)) Add(line);
  });
}

std::string TStrings::DelimitedText() const {
  if (Count() == 1 && Get(0).empty()) return std::string(2, FQuoteChar);
  std::string result;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) result += FDelimiter;
    std::string item = Get(i);
    bool needsQuotes = std::any_of(item.begin(), item.end(), [&](char c) {
      return static_cast<unsigned char>(c) <= ' ' || c == FQuoteChar || c == FDelimiter;
    });
    if (!needsQuotes) {
      result += item;
      continue;
    }
    result += FQuoteChar;
    for (char c : item) {
      if (c == FQuoteChar) result += FQuoteChar;
      result += c;
    }
    result += FQuoteChar;
  }
  return result;
}

void TStrings::SetDelimitedText(const std::string& text) {
  WithUpdate(*this, [&] {
    Clear();
    size_t i = 0;
    while (i < text.size()) {
      std::string item;
      if (text[i] == FQuoteChar) {
        // A quoted item ends at a quote that is not doubled; what follows it up to the
        // delimiter starts the next item.
        for (++i; i < text.size(); ++i) {
          if (text[i] == FQuoteChar) {
            if (i + 1 < text.size() && text[i + 1] == FQuoteChar) {
              item += FQuoteChar;
              ++i;
            } else {
              ++i;
              break;
            }
          } else {
            item += text[i];
          }
        }
      } else {
        size_t end = text.find(FDelimiter, i);
        if (end == std::string::npos) end = text.size();
        item = text.substr(i, end - i);
        i = end;
      }
      Add(item);
      if (i < text.size() && text[i] == FDelimiter) {
        ++i;
        if (i == text.size()) Add(std::string());  // a trailing delimiter ends an empty item
      }
    }
  });
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TStrings::LoadFromStream(TStream& stream) {
  int64_t remaining = std::max<int64_t>(stream.Size() - stream.Position(), 0);
  std::string text(static_cast<size_t>(CheckedInt32(remaining)), '\0');
  if (!text.empty()) stream.ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
  SetText(text);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

void TStrings::SaveToStream(TStream& stream) const {
  std::string text = Text();
  if (!text.empty()) stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent* Source) {
  if (auto* strings = dynamic_cast<const TStrings*>(Source)) {
    if (strings == this) return;
    WithUpdate(*this, [&] {
      Clear();
      FDelimiter = strings->FDelimiter;
      FQuoteChar = strings->FQuoteChar;
      AddStrings(*strings);
    });
    return;
  }
  TPersistent::Assign(Source);
}

void TStrings::Error(const std::string& message, int index) const {
  throw EStringListError(message + " (" + std::to_string(index) + ")");
}

// --- TStringList ---------------------------------------------------------------------

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) Error("List index out of bounds", index);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return FItems[index].Text;
}

void TStringList::Put(int index, const std::string& s) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index);
  Changing();
  FItems[index].Text = s;
  Changed();
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return FItems[index].Object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  FItems[index].Object = object;
  Changed();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  if (index < 0 || index > Count()) Error("List index out of bounds", index);
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
  Changing();
  FItems.insert(FItems.begin() + index, Item{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

void TStringList::SetText(const std::string& text) {
  if (FSorted) {
    TStrings::SetText(text);  // each line finds its place
    return;
  }
  // The lines are moved in at once, with the same change notices as adding them one by one.
  std::vector<std::string> lines = SplitLines(text);
  WithUpdate(*this, [&] {
    Clear();
    if (lines.empty()) return;
    Changing();
    FItems.reserve(lines.size());
    for (std::string& line : lines) FItems.push_back(Item{std::move(line), nullptr});
    Changed();
  });
}

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = Count();
  if (FSorted && Find(s, index)) {
    switch (FDuplicates) {
      case dupIgnore:
        return index;
      case dupError:
        throw EStringListError("String list does not allow duplicates");
      case dupAccept:
        break;
    }
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(FItems[index1], FItems[index2]);
  Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
  return FCaseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

int TStringList::IndexOf(const std::string& s) const {
  if (!FSorted) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
  int low = 0, high = Count() - 1;
  bool found = false;
  while (low <= high) {
    int mid = low + (high - low) / 2;
    int c = CompareStrings(FItems[mid].Text, s);
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) low = mid;  // any match will do
      }
    }
  }
  index = low;
  return found;
}

void TStringList::Sort() {
  Changing();
  // Each line's key is made once; comparing keys costs a fraction of a locale comparison.
  std::vector<std::pair<std::string, size_t>> keyed;
  keyed.reserve(FItems.size());
  for (size_t i = 0; i < FItems.size(); ++i) keyed.emplace_back(AnsiSortKey(FItems[i].Text, !FCaseSensitive), i);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Item> sorted;
  sorted.reserve(FItems.size());
  for (const auto& entry : keyed) sorted.push_back(std::move(FItems[entry.second]));
  FItems = std::move(sorted);
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == FSorted) return;
  if (sorted) Sort();
  FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == FCaseSensitive) return;
  FCaseSensitive = caseSensitive;
  if (FSorted) Sort();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
