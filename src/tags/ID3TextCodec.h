#pragma once
// ID3v2 text of encodings 1 to 3 and 8-bit text, converted through the system's ANSI
// code page (see AnsiCodePage): decoding turns a character the code page has no form for
// into a '?' (a UTF-16 surrogate pair into one '?').

#include "base/StrUtils.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

// The encoding byte of ID3v2 text: 8-bit text, UTF-16 with a byte-order mark, UTF-16
// big-endian, UTF-8.
inline constexpr uint8_t Encoding8Bit = 0, EncodingUtf16 = 1, EncodingUtf16BigEndian = 2,
                         EncodingUtf8 = 3;
// Whether text of the encoding takes two bytes a unit, its terminator too.
constexpr bool IsUtf16Encoding(uint8_t encoding) {
  return encoding == EncodingUtf16 || encoding == EncodingUtf16BigEndian;
}

// Decodes the bytes from offset start up to offset end (exclusive) by the frame's
// encoding byte and replaces the whole array with the result.
// - Encoding 1 (and 0 or above 3): UTF-16 whose byte-order mark FE FF says big-endian,
//   anything else little-endian; a leading mark is dropped.
// - Encoding 2: UTF-16 big-endian (a leading mark is dropped).
// - Encoding 3: UTF-8 (a leading mark is dropped); invalid sequences are kept byte for
//   byte. Kept as ID3v2.4 defines encoding 3: taking its bytes as 8-bit text unchanged
//   would show every character outside ASCII as two or more wrong ones.
// The first unit is dropped only when it is a byte-order mark: text written without one
// keeps its first character.
// An odd last byte of UTF-16 text is ignored. UTF-16 text shorter than one unit (or an
// end before the start) is refused with the error "Negative length not allowed!" and
// the data stays as it is. ERangeError when the range lies outside the array.
// characters, when given, receives the characters decoded, also those the code page has
// no form for (a byte that is not UTF-8 as the character it is in 8-bit text); it is
// left empty when the text is refused.
void Utf16ToAnsi(TBytes& data, int32_t start, int32_t end, uint8_t encoding,
                 std::u16string* characters = nullptr);

// Turns a text field of a frame body, in the frame's encoding byte, into 8-bit text in
// place; encoding 0 and empty text stay as they are. characters, when given, receives
// the characters decoded (see Utf16ToAnsi), none for encoding 0 and empty text.
void DecodeFrameText(TBytes& text, uint8_t encoding, std::u16string* characters = nullptr);
// 8-bit text (of the ANSI code page) as a frame body holds it in the given encoding: 1
// is UTF-16 little-endian after the byte-order mark FF FE, 2 UTF-16 big-endian, 3
// UTF-8; 0 and the encodings ID3v2.4 does not define keep the bytes.
TBytes EncodeFrameText(const TBytes& text, uint8_t encoding);
// Characters as a frame body holds them in the given encoding; in encoding 0 and those
// ID3v2.4 does not define, as 8-bit text.
TBytes EncodeFrameText(const std::u16string& characters, uint8_t encoding);
// The encoding a frame body written now holds its texts (8-bit text of the ANSI code
// page) in, one for all of them: 0 where every byte stands for the ISO-8859-1 character
// of its number, which encoding 0 means to every reader and which reads back as the same
// text, else UTF-16 after a byte-order mark (1). Code page 1252's 0x80..0x9F ("\x80" is
// the euro sign), and on other systems their letters, take UTF-16: as 8-bit text other
// programs would read them as other characters.
uint8_t EncodingToWrite(std::initializer_list<std::span<const uint8_t>> texts);
