#pragma once
// A program started by a test in a folder of its choice, ended when the object goes if
// it still runs: the one process it started, nothing else.

#include "base/win32/WinApi.h"

#include <string>

class TStartedProcess {
public:
  // Starts the program file at path with folder as its current folder.
  TStartedProcess(const std::string& path, const std::string& folder);
  ~TStartedProcess();
  TStartedProcess(const TStartedProcess&) = delete;
  TStartedProcess& operator=(const TStartedProcess&) = delete;

  bool Started() const { return FStarted; }
  bool Running() const;
  // Its exit code once it ended within TimeoutMs; STILL_ACTIVE when it runs on.
  DWORD ExitCode(int TimeoutMs = 10000) const;
  // Ends its message loop: the quit message goes to its main thread.
  void Quit() const;
  DWORD ProcessId() const { return FInfo.dwProcessId; }
  DWORD ThreadId() const { return FInfo.dwThreadId; }

private:
  bool FStarted = false;
  PROCESS_INFORMATION FInfo{};
};
