#include "SingleInstance.h"

#include "base/Exceptions.h"

#include <cstdint>

namespace {

// The block holds one 32-bit window handle.
constexpr DWORD kBlockSize = sizeof(uint32_t);

// The mapping and view of this process, kept until the program ends.
struct TInstanceBlock {
  HANDLE Mapping = nullptr;
  void* View = nullptr;

  ~TInstanceBlock() { Release(); }
  void Release() {
    if (View != nullptr) UnmapViewOfFile(View);
    if (Mapping != nullptr) CloseHandle(Mapping);
    View = nullptr;
    Mapping = nullptr;
  }
};

TInstanceBlock Block;

void* MapBlock(HANDLE mapping) { return MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize); }

void BringToFront(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
}

}  // namespace

bool IsAlreadyRunning(HWND windowHandle, const std::string& name) {
  ReleaseSingleInstance();
  HANDLE mapping =
      CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, name.c_str());
  const DWORD error = GetLastError();
  if (mapping == nullptr) RaiseLastOSError(error);
  if (error == ERROR_ALREADY_EXISTS) {
    CloseHandle(mapping);
    Block.Mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
    if (Block.Mapping != nullptr) Block.View = MapBlock(Block.Mapping);
    // Without a view the other instance goes unseen; this one ends all the same.
    if (Block.View != nullptr) {
      const uint32_t stored = *static_cast<const uint32_t*>(Block.View);
      BringToFront(reinterpret_cast<HWND>(static_cast<uintptr_t>(stored)));
    }
    return true;
  }
  Block.Mapping = mapping;
  Block.View = MapBlock(mapping);
  // Without a view the block stays empty: a later start still ends, but cannot bring this
  // instance to the front.
  if (Block.View != nullptr)
    *static_cast<uint32_t*>(Block.View) = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(windowHandle));
  return false;
}

void ReleaseSingleInstance() { Block.Release(); }
