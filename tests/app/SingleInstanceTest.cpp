#include "app/win32/SingleInstance.h"

#include "classlib/Application.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

constexpr int kFirstInstanceQuit = 10;  // the helper's exit code when told to quit

std::string UniqueName(const std::string& test) {
  return "VelorandquistmarTest" + IntToStr(static_cast<int>(GetCurrentProcessId())) + test;
}

// The window handle the block called name holds; nullptr while there is no such block.
HWND StoredWindow(const std::string& name) {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str());
  if (mapping == nullptr) return nullptr;
  HWND window = nullptr;
  if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(uint32_t))) {
    window = reinterpret_cast<HWND>(static_cast<uintptr_t>(*static_cast<const uint32_t*>(view)));
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
  return window;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

std::string WindowClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string WindowText(HWND window) {
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A program started for a test; ended when the test is over, if it still runs.
class TStartedProcess {
public:
  TStartedProcess(const std::string& commandLine, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    FStarted = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                              &FInfo) != 0;
  }
  ~TStartedProcess() {
    if (!FStarted) return;
    if (Running()) {
      TerminateProcess(FInfo.hProcess, 99);
      WaitForSingleObject(FInfo.hProcess, 5000);
    }
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
  }
  TStartedProcess(const TStartedProcess&) = delete;
  TStartedProcess& operator=(const TStartedProcess&) = delete;

  bool Started() const { return FStarted; }
  DWORD Id() const { return FInfo.dwProcessId; }
  bool Running() const { return WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT; }
  // Its exit code once it ended within timeoutMs; STILL_ACTIVE when it runs on.
  DWORD ExitCodeWithin(int timeoutMs) const {
    WaitForSingleObject(FInfo.hProcess, static_cast<DWORD>(timeoutMs));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(FInfo.hProcess, &code);
    return code;
  }
  // Ends its message loop: the quit message goes to its main thread.
  void Quit() const { PostThreadMessageA(FInfo.dwThreadId, WM_QUIT, 0, 0); }

private:
  bool FStarted = false;
  PROCESS_INFORMATION FInfo{};
};

// The first process's application window, once the block holds it.
HWND WindowOfProcess(const std::string& name, DWORD processId) {
  HWND window = nullptr;
  WaitFor([&] {
    window = StoredWindow(name);
    DWORD owner = 0;
    return window != nullptr && GetWindowThreadProcessId(window, &owner) != 0 && owner == processId;
  });
  return window;
}

// A command line of a program beside this one (appended piece by piece, which keeps GCC 12
// from a false -Wrestrict warning).
std::string CommandLine(const std::string& program, const std::string& arguments = "") {
  std::string line = "\"";
  line += ExtractFilePath(ProgramFileName());
  line += program;
  line += "\" ";
  line += arguments;
  return line;
}

std::string Helper(const std::string& arguments) { return CommandLine("instance_guard_helper.exe", arguments); }

class SingleInstance : public ::testing::Test {
protected:
  ~SingleInstance() override { ReleaseSingleInstance(); }
  TempFolder Folder;
};

TEST_F(SingleInstance, TheFirstInstanceKeepsItsWindowInTheBlockUntilReleased) {
  const std::string name = UniqueName("First");
  HWND window = Application->Handle();
  EXPECT_FALSE(IsAlreadyRunning(window, name));
  EXPECT_EQ(StoredWindow(name), window);
  ReleaseSingleInstance();
  EXPECT_EQ(OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str()), nullptr);
  ReleaseSingleInstance();  // nothing left to release
  EXPECT_FALSE(IsAlreadyRunning(window, name));  // a first instance again
}

TEST_F(SingleInstance, ANameHeldByAnotherKindOfObjectRaisesTheSystemError) {
  const std::string name = UniqueName("Event");
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
  ASSERT_NE(event, nullptr);
  try {
    IsAlreadyRunning(Application->Handle(), name);
    ADD_FAILURE() << "no error";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.ErrorCode(), static_cast<uint32_t>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(e.Message().empty());
  }
  CloseHandle(event);
}

TEST_F(SingleInstance, ABlockThatCannotBeMappedStillEndsTheLaterStart) {
  // A block over a file opened for reading cannot be mapped for writing: the later start
  // reads no window from it, and ends all the same.
  const std::string name = UniqueName("ReadOnly");
  HANDLE file = CreateFileA(Folder.WriteFile("block", "\x01\x02\x03\x04").c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, name.c_str());
  ASSERT_NE(mapping, nullptr);
  HANDLE probe = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(MapViewOfFile(probe, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(uint32_t)), nullptr);
  CloseHandle(probe);

  EXPECT_TRUE(IsAlreadyRunning(Application->Handle(), name));
  ReleaseSingleInstance();
  CloseHandle(mapping);
  CloseHandle(file);
}

TEST_F(SingleInstance, ASecondProcessEndsAtOnceAndTheFirstRunsOn) {
  const std::string name = UniqueName("Processes");
  TStartedProcess first(Helper(name), Folder.Path());
  ASSERT_TRUE(first.Started());
  HWND window = WindowOfProcess(name, first.Id());
  ASSERT_NE(window, nullptr) << "the first process never filled the block";
  EXPECT_EQ(WindowClassOf(window), "TApplication");

  TStartedProcess second(Helper(name), Folder.Path());
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.ExitCodeWithin(10000), 0u);
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(StoredWindow(name), window);  // the second start changed nothing

  first.Quit();
  EXPECT_EQ(first.ExitCodeWithin(10000), static_cast<DWORD>(kFirstInstanceQuit));
  EXPECT_EQ(StoredWindow(name), nullptr);  // the block went with the first instance
}

TEST_F(SingleInstance, ASecondProcessRestoresAMinimisedFirst) {
  const std::string name = UniqueName("Minimized");
  TStartedProcess first(Helper(name + " minimized"), Folder.Path());
  ASSERT_TRUE(first.Started());
  HWND window = WindowOfProcess(name, first.Id());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window) != 0; }));

  TStartedProcess second(Helper(name), Folder.Path());
  EXPECT_EQ(second.ExitCodeWithin(10000), 0u);
  EXPECT_TRUE(WaitFor([&] { return IsIconic(window) == 0; }));
  EXPECT_TRUE(first.Running());
  first.Quit();
  EXPECT_EQ(first.ExitCodeWithin(10000), static_cast<DWORD>(kFirstInstanceQuit));
}

TEST_F(SingleInstance, TheProgramStartedTwiceEndsTheSecondStartWithExitCode0) {
  const std::string program = CommandLine(VQ_BUILT_PROGRAM);
  const std::string name = "Velorandquistmar048";
  ASSERT_EQ(StoredWindow(name), nullptr) << "the program runs already";
  TStartedProcess first(program, Folder.Path());
  ASSERT_TRUE(first.Started());
  HWND window = WindowOfProcess(name, first.Id());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowClassOf(window), "TApplication");
  EXPECT_EQ(WindowText(window), "Velorandquistmar");  // the application's title
  HWND mainWindow = nullptr;
  EXPECT_TRUE(WaitFor([&] {
    mainWindow = FindWindowA(nullptr, "Velorandquistmar 0.4.8");
    return mainWindow != nullptr && IsWindowVisible(mainWindow);
  }));

  TStartedProcess second(program, Folder.Path());
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.ExitCodeWithin(10000), 0u);
  EXPECT_TRUE(first.Running());
  first.Quit();
  EXPECT_EQ(first.ExitCodeWithin(10000), 0u);
}

}  // namespace
