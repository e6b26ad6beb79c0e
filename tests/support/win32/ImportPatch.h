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

// Puts To in place of the system function From while it lives.
class TImportPatch {
public:
  TImportPatch(void* From, void* To) : FFrom(From), FTo(To) { PatchImports(From, To); }
  ~TImportPatch() { PatchImports(FTo, FFrom); }
  TImportPatch(const TImportPatch&) = delete;
  TImportPatch& operator=(const TImportPatch&) = delete;

private:
  void* FFrom;
  void* FTo;
};
