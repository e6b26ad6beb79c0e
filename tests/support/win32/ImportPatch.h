#pragma once
// Swapping a system function the test program imports for a stand-in of the test's own,
// in the program's import table (the program's code calls through it).

#include "base/win32/WinApi.h"

// Points every import-table entry of the program that holds From at To (a function the
// program does not use has none).
void PatchImports(void* From, void* To);

// The system's own function Name of Module (e.g. "user32.dll"), as the import table holds it.
template <class F>
F SystemFunction(const char* Module, const char* Name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(Module), Name)));
}
