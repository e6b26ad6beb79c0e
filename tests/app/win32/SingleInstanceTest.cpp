#include "app/win32/SingleInstance.h"

#include "classlib/Application.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include "StartedProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

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

bool WaitFor(const std::function<bool()>& condition) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(20))
    if (GetTickCount() - start > 10000) return false;
  return true;
}

std::string ClassAndText(HWND window) {
  char name[64] = {}, text[64] = {};
  GetClassNameA(window, name, sizeof name);
  GetWindowTextA(window, text, sizeof text);
  return std::string(name) + " " + text;
}

// A program relative to this one, started for a test in a folder.
std::string BesideThisProgram(const std::string& program) { return ExtractFilePath(ProgramFileName()) + program; }

// The application window of the process, once the block called name holds it.
HWND BlockWindow(const TStartedProcess& process, const std::string& name) {
  HWND window = nullptr;
  WaitFor([&] {
    window = StoredWindow(name);
    DWORD owner = 0;
    return window != nullptr && GetWindowThreadProcessId(window, &owner) != 0 && owner == process.ProcessId();
  });
  return window;
}

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
  HANDLE file = CreateFileA(Folder.WriteFile("block", "\x01\x02\x03\x04").c_str(), GENERIC_READ,
                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, name.c_str());
  ASSERT_NE(mapping, nullptr);
  HANDLE probe = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
  ASSERT_EQ(MapViewOfFile(probe, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(uint32_t)), nullptr);
  CloseHandle(probe);
  EXPECT_TRUE(IsAlreadyRunning(Application->Handle(), name));
  ReleaseSingleInstance();
  CloseHandle(mapping);
  CloseHandle(file);
}

// Started twice, the program ends the second start with exit code 0 and brings the first
// to the front, restoring it when it was minimised.
TEST_F(SingleInstance, TheProgramStartedTwiceEndsTheSecondStartAndRestoresTheFirst) {
  const std::string name = "Velorandquistmar048";
  ASSERT_EQ(StoredWindow(name), nullptr) << "the program runs already";
  TStartedProcess first(BesideThisProgram(VQ_BUILT_PROGRAM), Folder.Path());
  ASSERT_TRUE(first.Started());
  HWND window = BlockWindow(first, name);
  ASSERT_NE(window, nullptr) << "the first process never filled the block";
  EXPECT_TRUE(WaitFor([&] {
    HWND mainWindow = FindWindowA(nullptr, "Velorandquistmar 0.4.8");
    return mainWindow != nullptr && IsWindowVisible(mainWindow);
  }));
  // The application's window, titled as the main window once that shows (the start gives
  // it the bare product name first, for a moment only).
  EXPECT_EQ(ClassAndText(window), "TApplication Velorandquistmar 0.4.8");
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window) != 0; }));
  TStartedProcess second(BesideThisProgram(VQ_BUILT_PROGRAM), Folder.Path());
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(WaitFor([&] { return IsIconic(window) == 0; }));
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(StoredWindow(name), window);  // the second start changed nothing
  first.Quit();
  EXPECT_EQ(first.ExitCode(), 0u);
  EXPECT_EQ(StoredWindow(name), nullptr);  // the block went with the first instance
}

}  // namespace
