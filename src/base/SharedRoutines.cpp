#include "SharedRoutines.h"

#include "Exceptions.h"
#include "StrUtils.h"
#include "UpdateScope.h"
#include "Strings.h"

#include <algorithm>

namespace {

void CheckStart(int start) {
  if (start < 1) throw ERangeError("Range check error");
}

}  // namespace

int NthCharOfSetPos(const std::string& text, const std::string& charSet, int start, int8_t n) {
  CheckStart(start);
  if (n < 1) return 0;
  const std::string set = UpperCase(charSet);
  int hits = 0;
  for (size_t i = static_cast<size_t>(start) - 1; i < text.size(); ++i)
    if (set.find(UpCase(text[i])) != std::string::npos && ++hits == n)
      return static_cast<int>(i) + 1;
  return 0;
}

int SplitToStrings(const std::string& text, char separator, TStrings& list) {
  WithUpdate(list, [&] {
    list.Clear();
    size_t from = 0;
    for (size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
      list.Add(text.substr(from, at - from));
    list.Add(text.substr(from));
  });
  return list.Count();
}

int CountChar(const std::string& text, char ch) {
  return static_cast<int>(std::count(text.begin(), text.end(), ch));
}

void StripChar(std::string& s, char ch, uint8_t mode) {
  if (mode != smLeading && mode != smTrailing && mode != smBoth) return;
  if (mode != smTrailing) {
    if (s.size() == 1 && s[0] == ch) {
      s.clear();
      return;
    }
    size_t lead = 0;
    while (s.size() - lead > 1 && s[lead] == ch) ++lead;
    s.erase(0, lead);
  }
  if (mode != smLeading) {
    size_t end = s.size();
    while (end > 1 && s[end - 1] == ch) --end;
    s.erase(end);
  }
}

std::string ValueAfterEquals(const std::string& line) {
  size_t eq = line.find('=');
  return Trim(eq == std::string::npos ? line : line.substr(eq + 1));
}

bool IsDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
}

uint32_t PowerInt(uint32_t base, uint8_t exponent) {
  uint64_t result = 1;
  for (uint8_t i = 0; i < exponent; ++i) {
    result *= base;
    if (result > UINT32_MAX) throw EIntOverflow("Integer overflow");
  }
  return static_cast<uint32_t>(result);
}

int NthBytePos(const TBytes& a, uint8_t value, int start, uint8_t n) {
  CheckStart(start);
  if (n == 0) return 0;
  int hits = 0;
  for (size_t i = static_cast<size_t>(start) - 1; i < a.size(); ++i)
    if (a[i] == value && ++hits == n) return static_cast<int>(i) + 1;
  return 0;
}

bool TrimByteArray(TBytes& a, uint8_t value) {
  if (a.empty()) return false;
  size_t low = 0, high = a.size() - 1;
  while (high > low && a[high] == value) --high;
  while (low < high && a[low] == value) ++low;
  if (low == high && a[low] == value) {
    a.clear();
    return true;
  }
  size_t length = high - low + 1;
  if (length == a.size()) return false;
  a.erase(a.begin() + static_cast<std::ptrdiff_t>(high) + 1, a.end());
  a.erase(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(low));
  return true;
}

bool RemoveByte(TBytes& a, uint8_t value, int start, bool all) {
  int at = NthBytePos(a, value, start, 1);
  if (at == 0) return false;
  if (!all) {
    a.erase(a.begin() + (at - 1));
    return true;
  }
  // Every value from the first hit on, compacted in one pass.
  auto from = a.begin() + (at - 1);
  a.erase(std::remove(from, a.end(), value), a.end());
  return true;
}

void InsertByte(TBytes& a, uint8_t value, int position) {
  CheckRange(int64_t{position} - 1, static_cast<int64_t>(a.size()) + 1);
  a.insert(a.begin() + (position - 1), value);
}
