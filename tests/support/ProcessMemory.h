#pragma once
// The peak working set of a process: the most of its memory it has held in RAM so far;
// under Windows also its working set now.
#include <cstdint>

#ifdef _WIN32
#include "base/win32/WinApi.h"

#include <psapi.h>

inline PROCESS_MEMORY_COUNTERS MemoryCounters(HANDLE Process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  return GetProcessMemoryInfo(Process, &counters, sizeof counters) ? counters : PROCESS_MEMORY_COUNTERS{};
}

inline uint64_t PeakWorkingSetBytes(HANDLE Process = GetCurrentProcess()) {
  return MemoryCounters(Process).PeakWorkingSetSize;
}

// What the process holds in RAM now: after memory is freed, less than before.
inline uint64_t WorkingSetBytes() { return MemoryCounters(GetCurrentProcess()).WorkingSetSize; }
#else
#include <sys/resource.h>

inline uint64_t PeakWorkingSetBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<uint64_t>(usage.ru_maxrss) * 1024;  // kilobytes on Linux
}
#endif

inline double Megabytes(uint64_t Bytes) { return static_cast<double>(Bytes) / (1024.0 * 1024.0); }
