#include "base/Locale.h"

#include <gtest/gtest.h>

namespace {

// Locales whose answers Windows and the portable table agree on.
struct TLocaleCase {
  uint32_t Locale;
  int CodePage;
  int Charset;  // -1: the code page has no character set
};

const TLocaleCase kLocaleCases[] = {
    {0x0000, 1252, 0},    // none set, as the settings hand it over: the user's locale (English here)
    {0x0409, 1252, 0},    // English (United States)
    {0x0407, 1252, 0},    // German
    {0x0419, 1251, 204},  // Russian
    {0x082C, 1251, 204},  // Azeri (Cyrillic): a sub-language with its own code page
    {0x042C, 1254, 162},  // Azeri (Latin)
    {0x0415, 1250, 238},  // Polish
    {0x0401, 1256, 178},  // Arabic
    {0x0411, 932, 128},   // Japanese
    {0x0804, 936, 134},   // Chinese (PRC)
    {0x0404, 950, 136},   // Chinese (Taiwan)
    {0x041E, 874, 222},   // Thai
    {0x0439, 0, -1},      // Hindi: Unicode only
    {0x0437, 0, -1},      // Georgian: Unicode only
};

TEST(LocaleCodePage, CommonLocalesAndTheirCharsets) {
  for (const TLocaleCase& c : kLocaleCases) {
    SCOPED_TRACE(c.Locale);
    EXPECT_EQ(CodePageOfLocale(c.Locale), c.CodePage);
    uint8_t charset = 77;
    EXPECT_EQ(CharsetOfLocale(c.Locale, charset), c.Charset >= 0);
    EXPECT_EQ(charset, c.Charset >= 0 ? c.Charset : 77);  // untouched on failure
  }
}

TEST(LocaleCodePage, UnknownLocaleFallsBackToTheAnsiCodePage) {
  // Neither build knows a locale 0x2345; both answer the system's ANSI code page, which
  // is 1252 natively and in the test Wine prefix.
  EXPECT_EQ(CodePageOfLocale(0x2345), 1252);
}

}  // namespace
