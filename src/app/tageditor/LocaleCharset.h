#pragma once
// The font character set of a Windows locale, for the text frames' choice between
// 8-bit text (0, ANSI_CHARSET) and Unicode (anything else).

#include <cstdint>

// The character set of the locale's ANSI code page. When it has none, the user is told
// and the answer is 1 (DEFAULT_CHARSET), so the text is treated as needing Unicode.
uint8_t LocaleToCharset(uint32_t locale);
