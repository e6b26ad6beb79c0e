// The locale seams: code page and character set of a locale, and text of the ANSI code
// page to and from UTF-16.
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

TEST(AnsiText, ConvertsThroughCodePage1252) {
  // The ANSI code page is 1252 natively and in the test Wine prefix. Its 0x80..0x9F are
  // typographic characters, not the C1 controls of Latin-1; five of them are unassigned
  // and stand for the control of the same number, as Windows converts them.
  const std::string ansi = "a\x80\x85\x91\x92\x93\x8A\x9F\x81\xE9\xFF";
  const std::u16string wide = u"a\u20AC\u2026\u2018\u2019\u201C\u0160\u0178\u0081\u00E9\u00FF";
  EXPECT_EQ(AnsiToWide(ansi), wide);
  EXPECT_EQ(WideToAnsi(wide), ansi);
  EXPECT_EQ(AnsiToWide(""), u"");
  // Characters the code page has no byte for become '?', also those a "best fit" would
  // bend into a neighbour (A with macron into A, the Cyrillic a into a).
  EXPECT_EQ(WideToAnsi(u"\u0100\u0430\u20AC\u4E2Dz"), "??\x80?z");
  // A character beyond 16 bits is one '?', as is half of one.
  EXPECT_EQ(WideToAnsi(u"\U0001F600x"), "?x");
  EXPECT_EQ(WideToAnsi(std::u16string(1, u'\xD83D') + u"y"), "?y");
}

#ifndef _WIN32
// Natively, text compared without regard to case orders as both texts in lower case do,
// bytes above 0x7F after those below and a text after the texts it begins with.
TEST(AnsiText, CompareTextOrdersAsTheLowerCaseTexts) {
  auto sign = [](int value) { return (value > 0) - (value < 0); };
  for (int x = 0; x < 256; ++x) {
    for (int y = 0; y < 256; ++y) {
      const std::string a = "k" + std::string(1, static_cast<char>(x));
      const std::string b = "K" + std::string(1, static_cast<char>(y));
      for (const std::string& longer : {a + "a", a + std::string(1, '\0')}) {
        ASSERT_EQ(AnsiCompareText(longer, b), sign(AnsiLowerCase(longer).compare(AnsiLowerCase(b))))
            << x << " " << y;
        ASSERT_EQ(AnsiCompareText(b, longer), sign(AnsiLowerCase(b).compare(AnsiLowerCase(longer))))
            << x << " " << y;
      }
      ASSERT_EQ(AnsiCompareText(a, b), sign(AnsiLowerCase(a).compare(AnsiLowerCase(b))))
          << x << " " << y;
    }
  }
}
#endif

}  // namespace

// Sort keys order texts as the locale comparisons do, with and without case: names with
// hyphens and apostrophes (which a word sort weighs apart), digits, accents of code page
// 1252, case twins, prefixes and the empty text.
TEST(LocaleSortKey, OrdersAsTheLocaleComparison) {
  const std::string texts[] = {"",          "a",          "A",           "ab",         "a-b",        "ab-",
                               "a'b",       "co-op",      "coop",        "Coop",       "Track 01",   "Track 1",
                               "Track 10",  "track 2",    "01 - Intro",  "1 - Intro",  "_hidden",    "~tilde",
                               "\xE9t\xE9", "\xC9T\xC9",  "ete",         "\xDF",       "ss",         "Zebra",
                               "zebra  ",   "Artist - Title", "Artist- Title", "Artist -Title", "x.mp3", "x.MP3"};
  auto sign = [](int v) { return (v > 0) - (v < 0); };
  for (const std::string& a : texts)
    for (const std::string& b : texts) {
      SCOPED_TRACE(a + " | " + b);
      EXPECT_EQ(sign(AnsiSortKey(a, true).compare(AnsiSortKey(b, true))), sign(AnsiCompareText(a, b)));
      EXPECT_EQ(sign(AnsiSortKey(a, false).compare(AnsiSortKey(b, false))), sign(AnsiCompareStr(a, b)));
    }
}
