#pragma once
// A watch over a test that could hang: past its time it ends the test program with a
// failure, so that a hang fails the run instead of blocking it.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

class TDeadline {
public:
  TDeadline(std::chrono::seconds limit, std::string what)
      : FWhat(std::move(what)), FWatch([this, limit] { Watch(limit); }) {}
  ~TDeadline() {
    {
      std::lock_guard<std::mutex> lock(FMutex);
      FDone = true;
    }
    FWake.notify_one();
    FWatch.join();
  }
  TDeadline(const TDeadline&) = delete;
  TDeadline& operator=(const TDeadline&) = delete;

private:
  void Watch(std::chrono::seconds limit) {
    std::unique_lock<std::mutex> lock(FMutex);
    if (FWake.wait_for(lock, limit, [this] { return FDone; })) return;
    std::fprintf(stderr, "FAILED: still running after %d s: %s\n", static_cast<int>(limit.count()),
                 FWhat.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }

  std::string FWhat;
  std::mutex FMutex;
  std::condition_variable FWake;
  bool FDone = false;
  std::thread FWatch;  // last: it starts once the rest is made
};
