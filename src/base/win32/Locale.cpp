#include "base/Locale.h"

#include "base/StrUtils.h"
#include "base/win32/WinApi.h"

#include <cstring>

namespace {

int Compare(DWORD flags, const std::string& a, const std::string& b) {
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

int AnsiCompareText(const std::string& a, const std::string& b) {
  return Compare(NORM_IGNORECASE, a, b);
}

int AnsiCompareStr(const std::string& a, const std::string& b) { return Compare(0, a, b); }

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
