#include "FreedMemory.h"

#include "base/win32/WinApi.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {

constexpr std::size_t PageSize = 4096;
constexpr std::size_t PoolSize = std::size_t{64} << 20;
// Room before each block for its length, keeping the block 16-byte aligned.
constexpr std::size_t HeaderSize = 16;

unsigned char* Pool = nullptr;  // reserved once, committed a block at a time
std::size_t PoolUsed = 0;
bool Guarding = false;
bool Overflowed = false;  // a block allocated while guarding found no room

bool InPool(const void* Memory) {
  const auto* p = static_cast<const unsigned char*>(Memory);
  return Pool != nullptr && p >= Pool && p < Pool + PoolUsed;
}

LONG CALLBACK StopAtFreedMemory(EXCEPTION_POINTERS* Exception) {
  const EXCEPTION_RECORD& record = *Exception->ExceptionRecord;
  if (record.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record.NumberParameters < 2)
    return EXCEPTION_CONTINUE_SEARCH;
  const auto* address = reinterpret_cast<const void*>(record.ExceptionInformation[1]);
  if (!InPool(address)) return EXCEPTION_CONTINUE_SEARCH;
  std::fprintf(stderr, "Use of freed memory: %s at %p, by code at %p\n",
               record.ExceptionInformation[0] == 0 ? "read" : "write", address, record.ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_CONTINUE_SEARCH;
}

void* AllocateInPool(std::size_t Size) {
  if (Pool == nullptr) {
    Pool = static_cast<unsigned char*>(VirtualAlloc(nullptr, PoolSize, MEM_RESERVE, PAGE_NOACCESS));
    if (Pool == nullptr) return nullptr;
    AddVectoredExceptionHandler(1, StopAtFreedMemory);
  }
  const std::size_t span = (HeaderSize + Size + PageSize - 1) / PageSize * PageSize;
  if (span > PoolSize - PoolUsed) return nullptr;
  unsigned char* start = Pool + PoolUsed;
  if (VirtualAlloc(start, span, MEM_COMMIT, PAGE_READWRITE) == nullptr) return nullptr;
  PoolUsed += span;
  *reinterpret_cast<std::size_t*>(start) = span;
  return start + HeaderSize;
}

}  // namespace

void* operator new(std::size_t Size) {
  if (Size == 0) Size = 1;
  if (Guarding) {
    if (void* memory = AllocateInPool(Size)) return memory;
    Overflowed = true;
  }
  if (void* memory = std::malloc(Size)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* Memory) noexcept {
  if (!InPool(Memory)) {
    std::free(Memory);
    return;
  }
  unsigned char* start = static_cast<unsigned char*>(Memory) - HeaderSize;
  DWORD previous = 0;
  VirtualProtect(start, *reinterpret_cast<std::size_t*>(start), PAGE_NOACCESS, &previous);
}

void operator delete(void* Memory, std::size_t) noexcept { operator delete(Memory); }

TFreedMemoryGuard::TFreedMemoryGuard() {
  if (Guarding) throw std::logic_error("one freed-memory guard at a time");
  Guarding = true;
}

TFreedMemoryGuard::~TFreedMemoryGuard() { Guarding = false; }

bool TFreedMemoryGuard::RanOut() { return Overflowed; }

bool TFreedMemoryGuard::Freed(const void* Memory) {
  MEMORY_BASIC_INFORMATION info{};
  return InPool(Memory) && VirtualQuery(Memory, &info, sizeof info) != 0 && info.Protect == PAGE_NOACCESS;
}
