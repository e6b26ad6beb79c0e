// bench_startup: the time from starting the program to its main window's first full
// paint, in an empty folder and in a folder of 999 MP3 files, against a bare Win32
// program that opens and paints one window (bench_bare_window), started the same way in
// the same run. Each program runs from a copy in a folder of its own, so "Settings.ini"
// lands there; each figure is the best of several rounds.
#include "base/win32/WinApi.h"

#include "TempFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 5;
constexpr int kListedFiles = 999;
constexpr auto kTimeout = std::chrono::seconds(60);

std::string OwnFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.rfind('\\') + 1);
}

void Copy(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy " + from);
}

// The program and its language files, copied into folder.
std::string InstallProgram(const std::string& built, const std::string& folder) {
  Copy(built + "Velorandquistmar.exe", folder + "Velorandquistmar.exe");
  CreateDirectoryA((folder + "languages").c_str(), nullptr);
  for (const char* language : {"EN.lng", "DE.lng", "ES.lng", "NL.lng"})
    Copy(built + "languages\\" + language, folder + "languages\\" + language);
  return folder + "Velorandquistmar.exe";
}

struct TWindowSearch {
  DWORD Process;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TWindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.Process && IsWindowVisible(window)) search.Found.push_back(window);
  return TRUE;
}

std::vector<HWND> VisibleTopWindows(DWORD process) {
  TWindowSearch search{process, {}};
  EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

bool NothingLeftToPaint(HWND window) {
  RECT update;
  return !GetUpdateRect(window, &update, FALSE);
}

BOOL CALLBACK FindChildLeftToPaint(HWND child, LPARAM data) {
  if (!IsWindowVisible(child) || NothingLeftToPaint(child)) return TRUE;
  *reinterpret_cast<bool*>(data) = false;
  return FALSE;
}

// The window and each of its visible child windows have painted what they show.
bool FullyPainted(HWND window) {
  if (!NothingLeftToPaint(window)) return false;
  bool painted = true;
  EnumChildWindows(window, FindChildLeftToPaint, reinterpret_cast<LPARAM>(&painted));
  return painted;
}

std::string WindowCaption(HWND window) {
  char text[256];
  return std::string(text, static_cast<size_t>(GetWindowTextA(window, text, sizeof text)));
}

// Starts program in folder and returns the milliseconds until its window captioned
// caption is shown and fully painted; a message the program shows on the way (the
// warning at the file limit) is answered at once by closing it. The program is then
// closed, and ended should it not go.
double StartUntilPainted(const std::string& program, const std::string& folder, const std::string& caption) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const auto start = std::chrono::steady_clock::now();
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process))
    throw std::runtime_error("cannot start " + program);
  HWND painted = nullptr;
  std::set<HWND> answered;
  while (painted == nullptr && std::chrono::steady_clock::now() - start < kTimeout) {
    for (HWND window : VisibleTopWindows(process.dwProcessId)) {
      if (WindowCaption(window) != caption) {
        if (answered.insert(window).second) PostMessageA(window, WM_CLOSE, 0, 0);
      } else if (FullyPainted(window)) {
        painted = window;
      }
    }
    if (painted == nullptr) Sleep(1);
  }
  const double elapsed =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (painted != nullptr) PostMessageA(painted, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (painted == nullptr) throw std::runtime_error(program + " showed no painted window '" + caption + "'");
  return elapsed;
}

double BestStart(const std::string& program, const std::string& folder, const std::string& caption) {
  double best = StartUntilPainted(program, folder, caption);
  for (int round = 1; round < kRounds; ++round) best = std::min(best, StartUntilPainted(program, folder, caption));
  return best;
}

}  // namespace

int main() {
  try {
    const std::string own = OwnFolder();
    TempFolder programFolder;
    const std::string program = InstallProgram(own + "..\\bin\\", programFolder.Path());
    TempFolder empty;
    TempFolder full;
    for (int i = 1; i <= kListedFiles; ++i) {
      char name[64];
      std::snprintf(name, sizeof name, "Artist %03d - Title %03d.mp3", i % 37, i);
      full.WriteFile(name, std::string(417, '\0'));
    }
    const std::string title = "Velorandquistmar 0.4.8";
    // One start first, which writes the program's settings and warms the file cache.
    StartUntilPainted(program, empty.Path(), title);
    const double bare = BestStart(own + "bench_bare_window.exe", empty.Path(), "Bare window");
    const double emptyFolder = BestStart(program, empty.Path(), title);
    const double fullFolder = BestStart(program, full.Path(), title);
    std::printf("start to first full paint, best of %d:\n", kRounds);
    std::printf("bare Win32 window:         %8.1f ms\n", bare);
    std::printf("main window, empty folder: %8.1f ms  %5.2fx the bare window (goal 3x)\n", emptyFolder,
                emptyFolder / bare);
    std::printf("main window, %d files:    %8.1f ms  %5.2fx the bare window (goal 5x)\n", kListedFiles,
                fullFolder, fullFolder / bare);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bench_startup: %s\n", error.what());
    return 1;
  }
}
