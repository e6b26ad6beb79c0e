// Fuzz target: the ID3 byte codecs. Unsynchronisation must undo itself and leave no
// false sync; text decoding must stay inside its array.
#include "tags/ID3Codecs.h"
#include "tags/ID3TextCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBytes input(data, data + size);

  TBytes unsynchronised = input;
  bool grew = ApplyUnsynchronisation(unsynchronised);
  if (grew != (unsynchronised.size() != input.size())) __builtin_trap();
  for (size_t i = 0; i + 1 < unsynchronised.size(); ++i)
    if (unsynchronised[i] == 0xFF && unsynchronised[i + 1] >= 0xE0) __builtin_trap();
  RemoveUnsynchronisation(unsynchronised);
  if (unsynchronised != input) __builtin_trap();

  if (size >= 4) {
    T4Bytes four = {data[0], data[1], data[2], data[3]};
    uint32_t value = ReadBigEndian32(four);
    if (WriteBigEndian32(value) != four) __builtin_trap();
    if (ReadSyncsafe(WriteSyncsafe(value)) != (value & 0x0FFFFFFF)) __builtin_trap();
    ReadSyncsafe(four);
  }

  // The first bytes choose the encoding and the range; the whole input is the text.
  if (size >= 2) {
    for (uint8_t encoding = 0; encoding <= 4; ++encoding) {
      TBytes text = input;
      int32_t start = data[0] % 8, end = static_cast<int32_t>(size) - data[1] % 8;
      if (start <= end && end <= static_cast<int32_t>(size)) {
        Utf16ToAnsi(text, start, end, encoding);
        if (text.size() > size) __builtin_trap();
      }
    }
  }
  return 0;
}
