#include "base/Locale.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// Code page 1252 case pairs outside ASCII: Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and À..Þ/à..þ (not ×/÷).
unsigned char Upper1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

unsigned char Lower1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

template <class Map>
std::string MapBytes(const std::string& s, Map map) {
  std::string r = s;
  std::transform(r.begin(), r.end(), r.begin(),
                 [&](char c) { return static_cast<char>(map(static_cast<unsigned char>(c))); });
  return r;
}

// The ANSI code page of the locales whose code page is not 1252, as Windows answers
// them: a whole LCID first (sub-languages that differ from their language), then the
// primary language (the low ten bits). Code page 0 marks a Unicode-only locale.
struct TLocaleCodePage {
  uint32_t Id;
  int CodePage;
};

constexpr TLocaleCodePage kLocaleCodePages[] = {
    {0x0404, 950}, {0x0C04, 950}, {0x1404, 950}, {0x0804, 936}, {0x1004, 936},
    {0x0C1A, 1251}, {0x1C1A, 1251}, {0x082C, 1251}, {0x0843, 1251}};

constexpr TLocaleCodePage kLanguageCodePages[] = {
    {0x01, 1256}, {0x02, 1251}, {0x04, 936},  {0x05, 1250}, {0x08, 1253}, {0x0D, 1255},
    {0x0E, 1250}, {0x11, 932},  {0x12, 949},  {0x15, 1250}, {0x18, 1250}, {0x19, 1251},
    {0x1A, 1250}, {0x1B, 1250}, {0x1C, 1250}, {0x1E, 874},  {0x1F, 1254}, {0x20, 1256},
    {0x22, 1251}, {0x23, 1251}, {0x24, 1250}, {0x25, 1257}, {0x26, 1257}, {0x27, 1257},
    {0x29, 1256}, {0x2A, 1258}, {0x2B, 0},    {0x2C, 1254}, {0x2F, 1251}, {0x37, 0},
    {0x39, 0},    {0x3F, 1251}, {0x40, 1251}, {0x43, 1254}, {0x44, 1251}, {0x45, 0},
    {0x46, 0},    {0x47, 0},    {0x49, 0},    {0x4A, 0},    {0x4B, 0},    {0x4C, 0},
    {0x4E, 0},    {0x50, 1251}};

// The GDI character set of each ANSI code page.
struct TCodePageCharset {
  int CodePage;
  uint8_t Charset;
};

constexpr TCodePageCharset kCodePageCharsets[] = {
    {874, 222},  {932, 128},  {936, 134},  {949, 129},  {950, 136},
    {1250, 238}, {1251, 204}, {1252, 0},   {1253, 161}, {1254, 162},
    {1255, 177}, {1256, 178}, {1257, 186}, {1258, 163}, {1361, 130}};

constexpr int kAnsiCodePage = 1252;

// The characters of code page 1252's bytes 0x80..0x9F; its five unassigned bytes stand
// for the control of the same number, as Windows converts them. The other bytes are the
// characters of the same number.
constexpr char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr unsigned char kHighFirst = 0x80, kHighLast = 0x9F;
constexpr char kNoAnsiForm = '?';

char16_t WideOf1252(unsigned char c) {
  return c >= kHighFirst && c <= kHighLast ? k1252High[c - kHighFirst] : c;
}

// The byte of a UTF-16 unit in code page 1252; kNoAnsiForm where it has none.
char AnsiOf(char16_t unit) {
  if (unit <= 0xFF && (unit < kHighFirst || unit > kHighLast)) return static_cast<char>(unit);
  for (unsigned char c = kHighFirst; c <= kHighLast; ++c)
    if (k1252High[c - kHighFirst] == unit) return static_cast<char>(c);
  return kNoAnsiForm;
}

template <size_t N>
const TLocaleCodePage* FindLocale(const TLocaleCodePage (&table)[N], uint32_t id) {
  for (const TLocaleCodePage& row : table)
    if (row.Id == id) return &row;
  return nullptr;
}

int CompareBytes(const std::string& a, const std::string& b) {
  int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CompareLengths(size_t a, size_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

std::string AnsiUpperCase(const std::string& s) { return MapBytes(s, Upper1252); }
std::string AnsiLowerCase(const std::string& s) { return MapBytes(s, Lower1252); }

// The byte order of both texts in lower case, folded a byte at a time.
int AnsiCompareText(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char x = Lower1252(static_cast<unsigned char>(a[i]));
    const unsigned char y = Lower1252(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return CompareLengths(a.size(), b.size());
}

int AnsiCompareStr(const std::string& a, const std::string& b) { return CompareBytes(a, b); }

std::string AnsiSortKey(std::string_view text, bool ignoreCase) {
  std::string key(text);
  return ignoreCase ? MapBytes(key, Lower1252) : key;
}

char DecimalSeparator() { return '.'; }

int CodePageOfLocale(uint32_t locale) {
  const TLocaleCodePage* row = FindLocale(kLocaleCodePages, locale & 0xFFFF);
  if (!row) row = FindLocale(kLanguageCodePages, locale & 0x3FF);
  return row ? row->CodePage : kAnsiCodePage;
}

bool CharsetOfLocale(uint32_t locale, uint8_t& charset) {
  int codePage = CodePageOfLocale(locale);
  for (const TCodePageCharset& row : kCodePageCharsets) {
    if (row.CodePage != codePage) continue;
    charset = row.Charset;
    return true;
  }
  return false;
}

std::u16string AnsiToWide(const std::string& text) {
  std::u16string wide;
  wide.reserve(text.size());
  for (char c : text) wide.push_back(WideOf1252(static_cast<unsigned char>(c)));
  return wide;
}

std::string WideToAnsi(const std::u16string& text) {
  std::string ansi;
  ansi.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    // A surrogate pair is one character, outside every ANSI code page.
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
    ansi.push_back(AnsiOf(text[i]));
  }
  return ansi;
}
