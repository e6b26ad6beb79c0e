#pragma once
// What loading and painting a hostile skin may take, above what a sound paint takes
// (well under a second) and below what the faults these bounds guard against took: a
// control a few thousand pixels wide and high loaded, sized and painted within 2
// seconds (tile by tile, a one-pixel tile took 20 to 50; a checkerboard mask's region
// made in one call took 10, and showing the window with it 90 more), with the process's
// peak memory risen by less than 160 MB (a plan of every tile took 280 to 410; bitmaps
// of 70,000 one-pixel pictures, 138 before the system refused more).

#include "Deadline.h"
#include "ProcessMemory.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

inline constexpr int HostilePaintSeconds = 2;
inline constexpr uint64_t HostilePaintMemory = uint64_t{160} << 20;

// Runs Run, ending the test program should it take longer than the bound, and gives how
// far the process's peak working set rose meanwhile (a lower bound: an earlier, higher
// peak hides part of the rise).
inline uint64_t RunWithinDeadline(const std::string& What, const std::function<void()>& Run) {
  const uint64_t before = PeakWorkingSetBytes();
  {
    const TDeadline deadline(std::chrono::seconds(HostilePaintSeconds), What);
    Run();
  }
  return PeakWorkingSetBytes() - before;
}
