#pragma once
// Decoding ID3v2 text of encodings 1 to 3 into 8-bit text: characters up to U+00FF
// become that byte, any other character a '?' (a UTF-16 surrogate pair one '?').

#include "base/StrUtils.h"

#include <cstdint>

// Decodes the bytes from offset start up to offset end (exclusive) by the frame's
// encoding byte and replaces the whole array with the result.
// - Encoding 1 (and 0 or above 3): UTF-16 whose byte-order mark FE FF says big-endian,
//   anything else little-endian; a leading mark is dropped.
// - Encoding 2: UTF-16 big-endian (a leading mark is dropped).
// - Encoding 3: UTF-8 (a leading mark is dropped); invalid sequences are kept byte for
//   byte.
// An odd last byte of UTF-16 text is ignored. UTF-16 text shorter than one unit (or an
// end before the start) is refused with the error "Negative length not allowed!" and
// the data stays as it is. ERangeError when the range lies outside the array.
void Utf16ToAnsi(TBytes& data, int32_t start, int32_t end, uint8_t encoding);
