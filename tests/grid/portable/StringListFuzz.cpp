// Fuzz target: a string grid row's stored "List" data; what reads back writes the same.
#include "grid/portable/StringSparseList.h"

#include "base/Exceptions.h"
#include "base/Streams.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<int32_t>(size));
  input.SetPosition(0);
  TStringSparseList list(SPASmall);
  try {
    list.ReadList(input);
  } catch (const EReadError&) {
    return 0;
  }
  TMemoryStream first, second;
  list.WriteList(first);
  first.SetPosition(0);
  TStringSparseList copy(SPALarge);
  copy.ReadList(first);
  copy.WriteList(second);
  if (second.Bytes() != first.Bytes()) __builtin_trap();
  return 0;
}
