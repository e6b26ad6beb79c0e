#include "ProgramClasses.h"

#include "app/win32/SkinnedWindowClasses.h"

#include "grid/GridClasses.h"

#include "classlib/ClassRegistry.h"

void RegisterProgramClasses() {
  RegisterSkinnedWindowClasses();
  TClassRegistry& registry = TClassRegistry::Instance();
  if (registry.FindClass("TDynSkinStringGrid") == nullptr) RegisterGridClasses(registry);
}
