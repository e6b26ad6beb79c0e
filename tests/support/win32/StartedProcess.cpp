#include "StartedProcess.h"

TStartedProcess::TStartedProcess(const std::string& path, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string line = "\"";  // appended piece by piece: GCC 12 warns falsely on "x" + string
  line += path;
  line += "\"";
  FStarted = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                            &FInfo) != 0;
}

TStartedProcess::~TStartedProcess() {
  if (!FStarted) return;
  if (Running()) TerminateProcess(FInfo.hProcess, 99);
  WaitForSingleObject(FInfo.hProcess, 5000);
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

bool TStartedProcess::Running() const {
  return FStarted && WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD TStartedProcess::ExitCode(int TimeoutMs) const {
  if (!FStarted) return STILL_ACTIVE;
  WaitForSingleObject(FInfo.hProcess, static_cast<DWORD>(TimeoutMs));
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(FInfo.hProcess, &code);
  return code;
}

void TStartedProcess::Quit() const { PostThreadMessageA(FInfo.dwThreadId, WM_QUIT, 0, 0); }
