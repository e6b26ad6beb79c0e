// Fuzz target: form text through the parser. Whatever it accepts keeps what the form
// reader relies on: object, class and property names are identifiers (property names
// dotted paths of them), and every line number lies within the text, in reading order.
#include "base/Component.h"
#include "base/Exceptions.h"
#include "base/FormText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool IsPropertyPath(const std::string& name) {
  size_t start = 0;
  for (size_t dot; (dot = name.find('.', start)) != std::string::npos; start = dot + 1)
    if (!IsValidIdent(name.substr(start, dot - start))) return false;
  return IsValidIdent(name.substr(start));
}

void CheckObject(const TFormObject& object, int lastLine) {
  if (!IsValidIdent(object.Name) || !IsValidIdent(object.ClassName)) __builtin_trap();
  if (object.Line < 1 || object.Line > lastLine) __builtin_trap();
  int line = object.Line;
  for (const TFormProperty& property : object.Properties) {
    if (!IsPropertyPath(property.Name)) __builtin_trap();
    if (property.Line < line || property.Line > lastLine) __builtin_trap();
    line = property.Line;
  }
  for (const TFormObject& child : object.Children) {
    if (child.Line < line) __builtin_trap();
    CheckObject(child, lastLine);
    line = child.Line;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const TFormObject root = ParseFormText(text);
    // Each CR or LF ends at most one line.
    const auto lineEnds = std::count_if(text.begin(), text.end(),
                                        [](char c) { return c == '\r' || c == '\n'; });
    CheckObject(root, static_cast<int>(lineEnds) + 1);
  } catch (const EParserError&) {
  }
  return 0;
}
