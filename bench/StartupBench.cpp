// bench_startup: the time from starting the program to its main window's first full
// paint, in an empty folder and in a folder of 999 MP3 files, against a bare Win32
// program that opens and paints one window (bench_bare_window), started the same way in
// the same run. Each program runs from a copy in a folder of its own, so "Settings.ini"
// lands there; each figure is the best of several rounds, the three starts taking turns. Among 999 files the program
// warns of its file limit before it paints: the warning's own time, from its window
// showing until it is gone, is printed apart. The program's peak working set at its first
// full paint is printed for both folders.
#include "base/win32/WinApi.h"

#include "ProcessMemory.h"
#include "TempFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 10;
constexpr int kListedFiles = 999;
constexpr auto kTimeout = std::chrono::seconds(60);
// Goals: each start against the bare window's, and the working set among 999 files
// against the one in an empty folder.
constexpr double kEmptyGoal = 2.0;
constexpr double kFullGoal = 3.0;
constexpr double kMemoryGoal = 1.5;

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

// Asked of every child window at each look while the program starts: the update region
// takes one round trip to the window server where GetUpdateRect takes two, so the looking
// holds up the program's own calls to the server less.
bool NothingLeftToPaint(HWND window) {
  static const HRGN update = CreateRectRgn(0, 0, 0, 0);
  return GetUpdateRgn(window, update, FALSE) == NULLREGION;
}

// A child of another process costs several round trips for each question (its update
// region, its and its parents' visibility): the rare child with something to paint is
// asked whether it shows, not every child.
BOOL CALLBACK FindChildLeftToPaint(HWND child, LPARAM data) {
  if (NothingLeftToPaint(child) || !IsWindowVisible(child)) return TRUE;
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

// The program's hidden-sized application window carries the same caption as its main
// window and shows nothing: only a window with room to show something counts as painted.
bool HasArea(HWND window) {
  RECT bounds;
  return GetWindowRect(window, &bounds) && bounds.right > bounds.left && bounds.bottom > bounds.top;
}

std::string WindowCaption(HWND window) {
  char text[256];
  return std::string(text, static_cast<size_t>(GetWindowTextA(window, text, sizeof text)));
}

using TClock = std::chrono::steady_clock;

double MillisecondsBetween(TClock::time_point From, TClock::time_point To) {
  return std::chrono::duration<double, std::milli>(To - From).count();
}

// One start: until the window is fully painted, the part of it that other windows of the
// program were shown (the warning at the file limit), and the peak working set then.
struct TStart {
  double Milliseconds = 0;
  double OtherWindows = 0;
  uint64_t PeakWorkingSet = 0;
};

// Starts program in folder and measures the time until its window captioned caption is
// shown and fully painted; a message the program shows on the way (the warning at the
// file limit) is answered at once by closing it, and the time while one is shown is
// noted apart. The program is then closed, and ended should it not go.
TStart StartUntilPainted(const std::string& program, const std::string& folder, const std::string& caption) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const auto start = TClock::now();
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process))
    throw std::runtime_error("cannot start " + program);
  TStart result;
  HWND painted = nullptr;
  std::set<HWND> answered;
  auto previous = start;
  bool otherShown = false;  // at the previous look
  while (painted == nullptr && TClock::now() - start < kTimeout) {
    bool other = false;
    for (HWND window : VisibleTopWindows(process.dwProcessId)) {
      if (WindowCaption(window) != caption) {
        other = true;
        if (answered.insert(window).second) PostMessageA(window, WM_CLOSE, 0, 0);
      } else if (HasArea(window) && FullyPainted(window)) {
        painted = window;
      }
    }
    const auto now = TClock::now();
    if (otherShown || other) result.OtherWindows += MillisecondsBetween(previous, now);
    otherShown = other;
    previous = now;
    if (painted == nullptr) Sleep(1);
  }
  result.Milliseconds = MillisecondsBetween(start, TClock::now());
  result.PeakWorkingSet = PeakWorkingSetBytes(process.hProcess);
  if (painted != nullptr) PostMessageA(painted, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (painted == nullptr) throw std::runtime_error(program + " showed no painted window '" + caption + "'");
  return result;
}

// The fastest of several starts, with the largest peak working set any of them reached.
struct TBestStart {
  TStart Best;
  bool Started = false;

  void Add(const TStart& next) {
    const uint64_t peak = std::max(Best.PeakWorkingSet, next.PeakWorkingSet);
    if (!Started || next.Milliseconds < Best.Milliseconds) Best = next;
    Best.PeakWorkingSet = peak;
    Started = true;
  }
};

void ReportRatio(const char* What, double Ratio, double Goal) {
  std::printf("%-36s %6.2fx  goal <= %.1fx  %s\n", What, Ratio, Goal, Ratio <= Goal ? "met" : "MISSED");
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
    // The three take turns in each round, so that a change in the machine's load meets
    // the floor and the program alike.
    TBestStart bareWindow, emptyStarts, fullStarts;
    for (int round = 0; round < kRounds; ++round) {
      bareWindow.Add(StartUntilPainted(own + "bench_bare_window.exe", empty.Path(), "Bare window"));
      emptyStarts.Add(StartUntilPainted(program, empty.Path(), title));
      fullStarts.Add(StartUntilPainted(program, full.Path(), title));
    }
    const double bare = bareWindow.Best.Milliseconds;
    const TStart& emptyFolder = emptyStarts.Best;
    const TStart& fullFolder = fullStarts.Best;
    std::printf("start to first full paint, best of %d:\n", kRounds);
    std::printf("bare Win32 window:                   %8.1f ms\n", bare);
    std::printf("main window, empty folder:           %8.1f ms\n", emptyFolder.Milliseconds);
    std::printf("main window, %d files:              %8.1f ms\n", kListedFiles, fullFolder.Milliseconds);
    std::printf("  of which the limit warning showed: %8.1f ms\n", fullFolder.OtherWindows);
    ReportRatio("empty folder / bare window", emptyFolder.Milliseconds / bare, kEmptyGoal);
    ReportRatio("999 files / bare window", fullFolder.Milliseconds / bare, kFullGoal);
    std::printf("%-36s %6.2fx\n", "  999 files without the warning", (fullFolder.Milliseconds - fullFolder.OtherWindows) / bare);
    std::printf("peak working set at the first full paint:\n");
    std::printf("main window, empty folder:           %8.1f MB\n", Megabytes(emptyFolder.PeakWorkingSet));
    std::printf("main window, %d files:              %8.1f MB\n", kListedFiles, Megabytes(fullFolder.PeakWorkingSet));
    ReportRatio("999 files / empty folder", static_cast<double>(fullFolder.PeakWorkingSet) /
                                                static_cast<double>(std::max<uint64_t>(emptyFolder.PeakWorkingSet, 1)),
                kMemoryGoal);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bench_startup: %s\n", error.what());
    return 1;
  }
}
