#include "CommonControls.h"

#include "base/Exceptions.h"

namespace {

const char kLibrary[] = "comctl32.dll";

HANDLE gLoadingThread = nullptr;

DWORD WINAPI LoadLibraryThread(void*) {
  LoadLibraryA(kLibrary);
  return 0;
}

template <class Function>
void Resolve(HMODULE library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  if (function == nullptr) throw EOutOfResources(std::string("The common controls lack ") + name);
}

TCommonControlsApi LoadCommonControls() {
  if (gLoadingThread != nullptr) {
    WaitForSingleObject(gLoadingThread, INFINITE);
    CloseHandle(gLoadingThread);
    gLoadingThread = nullptr;
  }
  // Loaded by the thread already, this only finds it.
  HMODULE library = LoadLibraryA(kLibrary);
  if (library == nullptr) throw EOutOfResources("Cannot load the common controls");
  TCommonControlsApi api{};
  Resolve(library, "ImageList_Create", api.ImageListCreate);
  Resolve(library, "ImageList_Destroy", api.ImageListDestroy);
  Resolve(library, "ImageList_GetImageCount", api.ImageListGetImageCount);
  Resolve(library, "ImageList_Add", api.ImageListAdd);
  Resolve(library, "ImageList_AddMasked", api.ImageListAddMasked);
  Resolve(library, "ImageList_Remove", api.ImageListRemove);
  Resolve(library, "ImageList_Draw", api.ImageListDraw);
  Resolve(library, "ImageList_GetIcon", api.ImageListGetIcon);
  decltype(&::InitCommonControlsEx) initialise = nullptr;
  Resolve(library, "InitCommonControlsEx", initialise);
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  if (!initialise(&classes)) throw EOutOfResources("Cannot register the common controls");
  return api;
}

}  // namespace

void StartLoadingCommonControls() {
  if (gLoadingThread == nullptr) gLoadingThread = CreateThread(nullptr, 0, LoadLibraryThread, nullptr, 0, nullptr);
}

const TCommonControlsApi& CommonControls() {
  static const TCommonControlsApi api = LoadCommonControls();
  return api;
}
