#pragma once
// Locale-dependent string operations. Windows uses the user's locale; elsewhere they
// follow code page 1252.

#include <cstdint>
#include <string>
#include <string_view>

std::string AnsiUpperCase(const std::string& s);
std::string AnsiLowerCase(const std::string& s);
// Locale comparison: <0, 0, >0. Ignoring case, it copies neither text.
int AnsiCompareText(std::string_view a, std::string_view b);
int AnsiCompareStr(const std::string& a, const std::string& b);
inline bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }
// A key whose byte order (std::string's comparison) is the order of AnsiCompareText
// (ignoreCase) or AnsiCompareStr: a sort makes one per text instead of comparing texts
// by the locale n log n times.
std::string AnsiSortKey(std::string_view text, bool ignoreCase);
// The locale's decimal separator.
char DecimalSeparator();

// The default ANSI code page of a Windows locale identifier (LCID); the system's ANSI
// code page when the locale gives none. Unicode-only locales answer 0.
int CodePageOfLocale(uint32_t locale);
// The GDI font character set of that code page; false, leaving charset alone, when the
// code page has none.
bool CharsetOfLocale(uint32_t locale, uint8_t& charset);

// Text of the system's ANSI code page (code page 1252 outside Windows) as UTF-16, and
// UTF-16 as such text: a character the code page has no form for becomes '?', never a
// look-alike.
std::u16string AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::u16string& text);

// The leading and the trailing half of a UTF-16 surrogate pair.
constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
