#include "StrUtils.h"

#include "Exceptions.h"
#include "Locale.h"

#include <algorithm>
#include <limits>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

}  // namespace

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }

std::string TrimLeft(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return s.substr(i);
}

std::string TrimRight(const std::string& s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return s.substr(0, n);
}

std::string LowerCase(const std::string& s) {
  std::string r = s;
  std::transform(r.begin(), r.end(), r.begin(), AsciiLower);
  return r;
}

std::string UpperCase(const std::string& s) {
  std::string r = s;
  std::transform(r.begin(), r.end(), r.begin(), UpCase);
  return r;
}

char UpCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

int CompareText(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int d = static_cast<unsigned char>(UpCase(a[i])) -
            static_cast<unsigned char>(UpCase(b[i]));
    if (d != 0) return d;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool SameText(const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }

std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, TReplaceFlags flags) {
  if (oldPattern.empty()) return s;
  const bool ignoreCase = flags & rfIgnoreCase;
  const std::string haystack = ignoreCase ? AnsiUpperCase(s) : s;
  const std::string needle = ignoreCase ? AnsiUpperCase(oldPattern) : oldPattern;
  std::string result;
  size_t from = 0;
  while (from <= s.size()) {
    size_t at = haystack.find(needle, from);
    if (at == std::string::npos) break;
    result.append(s, from, at - from);
    result += newPattern;
    from = at + oldPattern.size();
    if (!(flags & rfReplaceAll)) break;
  }
  result.append(s, std::min(from, s.size()), std::string::npos);
  return result;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t i = 0;
  while (i < text.size()) {
    // A plain scan: find_first_of looks each character up in the set of two through a
    // library call of its own.
    size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.push_back(text.substr(i, end - i));
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

std::string WrapText(const std::string& line, const std::string& breakStr,
                     const std::set<char>& breakChars, int maxCol) {
  std::string result;
  size_t lineStart = 0;  // start of the current output line within `line`
  while (line.size() - lineStart > static_cast<size_t>(std::max(maxCol, 0))) {
    // The last break character at or before column maxCol of this line; one in the
    // line's first column would leave an empty line and does not count.
    size_t breakAt = std::string::npos;
    for (size_t i = lineStart + 1; i < line.size() && i < lineStart + maxCol; ++i)
      if (breakChars.count(line[i])) breakAt = i;
    if (breakAt == std::string::npos) {
      // A word longer than the width stays whole: break after its first break character.
      for (size_t i = lineStart + std::max(maxCol, 0); i < line.size(); ++i)
        if (breakChars.count(line[i])) {
          breakAt = i;
          break;
        }
      if (breakAt == std::string::npos || breakAt + 1 >= line.size()) break;
    }
    result.append(line, lineStart, breakAt + 1 - lineStart);
    result += breakStr;
    lineStart = breakAt + 1;
  }
  result.append(line, lineStart, std::string::npos);
  return result;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(uint64_t value, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string r;
  do {
    r.insert(r.begin(), kDigits[value & 15]);
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(r.size()) < digits) r.insert(0, digits - r.size(), '0');
  return r;
}

bool TryStrToInt64(const std::string& s, int64_t& value) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  // Accumulate the magnitude as unsigned so that the minimum value parses too.
  // The limit's last digit apart, so that no digit costs a 64-bit division.
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  const uint64_t cutoff = limit / static_cast<unsigned>(base);
  const int lastDigit = static_cast<int>(limit % static_cast<unsigned>(base));
  uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    int d = base == 16 ? HexDigitValue(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (d < 0) return false;
    if (magnitude > cutoff || (magnitude == cutoff && d > lastDigit)) return false;
    magnitude = magnitude * base + d;
  }
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

bool TryStrToInt(const std::string& s, int32_t& value) {
  int64_t wide = 0;
  if (!TryStrToInt64(s, wide) || wide < std::numeric_limits<int32_t>::min() ||
      wide > std::numeric_limits<int32_t>::max())
    return false;
  value = static_cast<int32_t>(wide);
  return true;
}

int32_t StrToInt(const std::string& s) {
  int32_t value = 0;
  if (!TryStrToInt(s, value)) throw EConvertError("'" + s + "' is not a valid integer value");
  return value;
}

int32_t StrToIntDef(const std::string& s, int32_t def) {
  int32_t value = 0;
  return TryStrToInt(s, value) ? value : def;
}

int Pos(const std::string& sub, const std::string& s) { return PosEx(sub, s, 1); }

int PosEx(const std::string& sub, const std::string& s, int offset) {
  if (sub.empty() || offset < 1 || static_cast<size_t>(offset) > s.size()) return 0;
  size_t at = s.find(sub, offset - 1);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(const std::string& s, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || static_cast<size_t>(index) > s.size()) return {};
  return s.substr(index - 1, count);
}

void Delete(std::string& s, int index, int count) {
  if (index < 1 || count <= 0 || static_cast<size_t>(index) > s.size()) return;
  s.erase(index - 1, count);
}

void Insert(const std::string& sub, std::string& s, int index) {
  if (index < 1) index = 1;
  size_t at = std::min(static_cast<size_t>(index - 1), s.size());
  s.insert(at, sub);
}
