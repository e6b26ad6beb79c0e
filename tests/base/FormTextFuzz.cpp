// Fuzz target: form text through the parser; every object reached in the tree.
#include "base/Exceptions.h"
#include "base/FormText.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

size_t CountObjects(const TFormObject& object) {
  size_t count = 1;
  for (const TFormObject& child : object.Children) count += CountObjects(child);
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const TFormObject root = ParseFormText(text);
    if (CountObjects(root) == 0 || root.Name.empty()) __builtin_trap();
  } catch (const EParserError&) {
  }
  return 0;
}
