// Swapping an imported system function for a test's stand-in.
#include "ImportPatch.h"

#include <cstdint>

void PatchImports(void* From, void* To) {
  auto* base = reinterpret_cast<uint8_t*>(GetModuleHandleA(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); module->Name != 0;
       ++module)
    for (auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk); entry->u1.Function != 0;
         ++entry) {
      if (reinterpret_cast<void*>(entry->u1.Function) != From) continue;
      DWORD protection = 0;
      VirtualProtect(&entry->u1.Function, sizeof entry->u1.Function, PAGE_READWRITE, &protection);
      entry->u1.Function = reinterpret_cast<decltype(entry->u1.Function)>(To);
      VirtualProtect(&entry->u1.Function, sizeof entry->u1.Function, protection, &protection);
    }
}
