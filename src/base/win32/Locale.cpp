#include "base/Locale.h"

#include "base/StrUtils.h"
#include "base/win32/WinApi.h"

#include <cstring>
#include <stdexcept>

namespace {

int Compare(DWORD flags, std::string_view a, std::string_view b) {
  int r = CompareStringA(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(a.size()),
                         b.data(), static_cast<int>(b.size()));
  return r - CSTR_EQUAL;  // CSTR_LESS_THAN 1, CSTR_EQUAL 2, CSTR_GREATER_THAN 3
}

}  // namespace

std::string AnsiUpperCase(const std::string& s) {
  std::string r = s;
  if (!r.empty()) CharUpperBuffA(r.data(), static_cast<DWORD>(r.size()));
  return r;
}

std::string AnsiLowerCase(const std::string& s) {
  std::string r = s;
  if (!r.empty()) CharLowerBuffA(r.data(), static_cast<DWORD>(r.size()));
  return r;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
  return Compare(NORM_IGNORECASE, a, b);
}

int AnsiCompareStr(const std::string& a, const std::string& b) { return Compare(0, a, b); }

// The locale's own sort key: the system orders keys as it orders the texts.
std::string AnsiSortKey(std::string_view text, bool ignoreCase) {
  if (text.empty()) return {};
  const DWORD flags = LCMAP_SORTKEY | (ignoreCase ? NORM_IGNORECASE : 0);
  const int length = static_cast<int>(text.size());
  std::string key(static_cast<size_t>(LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0)), '\0');
  const int written = key.empty() ? 0 : LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, key.data(),
                                                     static_cast<int>(key.size()));
  if (written <= 0) throw std::runtime_error("no sort key for a text");
  key.resize(static_cast<size_t>(written));
  return key;
}

char DecimalSeparator() {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 1)
    return buffer[0];
  return '.';
}

int CodePageOfLocale(uint32_t locale) {
  char buffer[6] = {};
  GetLocaleInfoA(locale, LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer);
  std::string text(buffer, strnlen(buffer, sizeof buffer));
  return StrToIntDef(text, static_cast<int32_t>(GetACP()));
}

bool CharsetOfLocale(uint32_t locale, uint8_t& charset) {
  CHARSETINFO info = {};
  auto codePage = static_cast<uintptr_t>(static_cast<uint32_t>(CodePageOfLocale(locale)));
  if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(codePage), &info, TCI_SRCCODEPAGE))
    return false;
  charset = static_cast<uint8_t>(info.ciCharset);
  return true;
}

std::u16string AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::u16string wide(static_cast<size_t>(length > 0 ? length : 0), u'\0');
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                        length);
  return wide;
}

std::string WideToAnsi(const std::u16string& text) {
  if (text.empty()) return {};
  // A surrogate pair is one character, outside every ANSI code page: one '?', where the
  // system would give one for each half.
  std::u16string folded;
  folded.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const bool pair = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
    folded.push_back(pair ? u'\uFFFD' : text[i]);
    if (pair) ++i;
  }
  // No "best fit": a character the code page lacks is '?', not a look-alike.
  const DWORD flags = WC_NO_BEST_FIT_CHARS;
  const auto* wide = reinterpret_cast<const wchar_t*>(folded.data());
  const int size = static_cast<int>(folded.size());
  const int length = WideCharToMultiByte(CP_ACP, flags, wide, size, nullptr, 0, "?", nullptr);
  std::string ansi(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (length > 0)
    WideCharToMultiByte(CP_ACP, flags, wide, size, ansi.data(), length, "?", nullptr);
  return ansi;
}
