#pragma once
// Wall-clock timing for the benchmarks.

#include <algorithm>
#include <chrono>
#include <functional>

// How long Work takes, in milliseconds.
inline double Milliseconds(const std::function<void()>& Work) {
  const auto start = std::chrono::steady_clock::now();
  Work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The shortest of Rounds runs of Work, in milliseconds.
inline double BestMilliseconds(int Rounds, const std::function<void()>& Work) {
  double best = Milliseconds(Work);
  for (int round = 1; round < Rounds; ++round) best = std::min(best, Milliseconds(Work));
  return best;
}
