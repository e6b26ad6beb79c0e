#pragma once
// Byte routines shared by the ID3 readers and writers: 32-bit numbers in big-endian and
// syncsafe form, ID3 unsynchronisation, and fixed-width text fields. Four-byte values
// are held as they lie in the file.

#include "base/StrUtils.h"

#include <array>
#include <cstdint>
#include <string>

using T4Bytes = std::array<uint8_t, 4>;

uint32_t ReadBigEndian32(const T4Bytes& bytes);
T4Bytes WriteBigEndian32(uint32_t value);
// 7 bits from each byte; when any byte has bit 7 set the bytes cannot be syncsafe and
// are read as a plain big-endian number instead.
uint32_t ReadSyncsafe(const T4Bytes& bytes);
// Bits 27..0 of the value, 7 to a byte; higher bits are dropped.
T4Bytes WriteSyncsafe(uint32_t value);
// The four bytes at a 0-based offset of a buffer; ERangeError when they do not fit.
T4Bytes FourBytesAt(const TBytes& buffer, size_t offset);

// Inserts a 0x00 after every 0xFF that is followed by 0x00 or 0xE0..0xFF; true when the
// data grew.
bool ApplyUnsynchronisation(TBytes& data);
// Drops the 0x00 of every 0xFF 0x00 pair; true when the data shrank.
bool RemoveUnsynchronisation(TBytes& data);

// The count bytes (at most 255) from a 1-based position, cut at the first zero byte.
std::string BytesToString(const TBytes& buffer, int position, int count);
// Copies at most width characters of text into the buffer from a 1-based position; the
// rest of the field keeps its bytes.
void StringToBytes(TBytes& buffer, int position, int width, const std::string& text);
