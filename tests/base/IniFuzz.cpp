// Fuzz target: INI text through the document model, reads and writes.
#include "base/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TIniDocument document;
  document.SetText(text);
  for (const std::string& section : document.Sections()) {
    for (const std::string& key : document.SectionKeys(section)) {
      std::string value;
      document.ReadValue(section, key, value);
      document.WriteValue(section, key, value + "x");
    }
    document.WriteValue(section, "added", "1");
  }
  document.WriteValue("new", "k", "v");
  TIniDocument reread;
  reread.SetText(document.Text());
  if (!reread.SectionExists("new")) __builtin_trap();
  if (!document.Sections().empty()) document.EraseSection(document.Sections().front());
  return 0;
}
