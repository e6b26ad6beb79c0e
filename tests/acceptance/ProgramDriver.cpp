#include "ProgramDriver.h"

#include "RuntimePath.h"
#include "Screenshot.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Input goes one message at a time; a short pause lets the program follow as a person's
// hand would, so that what a message starts (a menu opening) is there for the next one.
constexpr DWORD kInputPauseMs = 30;

const char kProgramFile[] = "Velorandquistmar.exe";

// Copies the files of a folder that match mask into to, which is made first.
void CopyFolderFiles(const std::string& from, const std::string& mask, const std::string& to) {
  const std::string folder = ExcludeTrailingBackslash(to);
  ASSERT_TRUE(DirectoryExists(folder) || CreateDir(folder)) << to;
  TSearchRec rec;
  ASSERT_EQ(FindFirst(from + mask, faAnyFile, rec), 0) << from << mask;
  do {
    if (rec.Attr & faDirectory) continue;
    EXPECT_TRUE(CopyFileA((from + rec.Name).c_str(), (to + rec.Name).c_str(), FALSE)) << from << rec.Name;
  } while (FindNext(rec) == 0);
  FindClose(rec);
}

struct TChildSearch {
  const std::string& ClassName;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectChild(HWND Window, LPARAM Data) {
  auto& search = *reinterpret_cast<TChildSearch*>(Data);
  if (search.ClassName.empty() || WindowClass(Window) == search.ClassName) search.Found.push_back(Window);
  return TRUE;
}

// Shown forms of the processes with the caption; with an empty one, every captioned form.
struct TTopSearch {
  std::vector<DWORD> ProcessIds;
  const std::string& Caption;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectTopWindow(HWND Window, LPARAM Data) {
  auto& search = *reinterpret_cast<TTopSearch*>(Data);
  DWORD owner = 0;
  GetWindowThreadProcessId(Window, &owner);
  // The application's own window carries the title too, but only for the taskbar.
  if (std::find(search.ProcessIds.begin(), search.ProcessIds.end(), owner) != search.ProcessIds.end() &&
      IsWindowVisible(Window) && WindowClass(Window) != "TApplication" &&
      (search.Caption.empty() ? !WindowText(Window).empty() : WindowText(Window) == search.Caption))
    search.Found.push_back(Window);
  return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& Condition, int TimeoutMs) {
  for (const DWORD start = GetTickCount(); !Condition(); Sleep(20))
    if (static_cast<int>(GetTickCount() - start) > TimeoutMs) return false;
  return true;
}

std::string WindowText(HWND Window) {
  // WM_GETTEXT crosses the process boundary; GetWindowTextA would not ask the window.
  const auto length = static_cast<size_t>(SendMessageA(Window, WM_GETTEXTLENGTH, 0, 0));
  std::string text(length + 1, '\0');
  const auto copied =
      static_cast<size_t>(SendMessageA(Window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

std::string WindowClass(HWND Window) {
  char name[128] = {};
  GetClassNameA(Window, name, sizeof name);
  return name;
}

std::vector<HWND> ChildWindows(HWND Parent, const std::string& ClassName) {
  TChildSearch search{ClassName, {}};
  EnumChildWindows(Parent, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND FindChild(HWND Parent, const std::string& ClassName, const std::string& Text) {
  for (HWND child : ChildWindows(Parent, ClassName))
    if (WindowText(child) == Text) return child;
  return nullptr;
}

RECT ChildRect(HWND Parent, HWND Child) {
  RECT r{};
  GetWindowRect(Child, &r);
  MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void PostClick(HWND Window, POINT At, WPARAM Keys) {
  POINT screen = At;
  ClientToScreen(Window, &screen);
  // Controls that follow the pointer ask the system where it is.
  SetCursorPos(screen.x, screen.y);
  const LPARAM place = MAKELPARAM(At.x, At.y);
  PostMessageA(Window, WM_MOUSEMOVE, Keys, place);
  PostMessageA(Window, WM_LBUTTONDOWN, Keys | MK_LBUTTON, place);
  PostMessageA(Window, WM_LBUTTONUP, Keys, place);
  Sleep(kInputPauseMs);
}

void PostClick(HWND Window) {
  RECT client{};
  GetClientRect(Window, &client);
  PostClick(Window, {client.right / 2, client.bottom / 2});
}

void PostKey(HWND Window, WORD Key) {
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(Key, MAPVK_VK_TO_VSC) << 16);
  PostMessageA(Window, WM_KEYDOWN, Key, down);
  PostMessageA(Window, WM_KEYUP, Key, down | static_cast<LPARAM>(0xC0000000));
  Sleep(kInputPauseMs);
}

void PostText(HWND Window, const std::string& Text) {
  for (char c : Text) PostMessageA(Window, WM_CHAR, static_cast<uint8_t>(c), 1);
  Sleep(kInputPauseMs);
}

HWND FocusOfThread(HWND Window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(Window, nullptr), &info) && info.hwndFocus != nullptr)
    return info.hwndFocus;
  return Window;
}

void PostMenuKeys(HWND Form, std::initializer_list<WORD> Keys) {
  PostMessageA(Form, WM_SYSCOMMAND, SC_KEYMENU, 0);
  Sleep(kInputPauseMs);
  for (WORD key : Keys) PostKey(Form, key);
}

TProgramDriver::TProgramDriver(std::string ShotPrefix) : FShotPrefix(std::move(ShotPrefix)) {
  const std::string built = IncludeTrailingBackslash(RuntimePath(VQ_BUILT_PROGRAM_FOLDER));
  // The program and its languages only: other tests run the built program where it is,
  // and its "Settings.ini" stays there.
  CopyFolderFiles(built, kProgramFile, ProgramFolder());
  CopyFolderFiles(built + "languages\\", "*.lng", ProgramFolder() + "languages\\");
  EXPECT_TRUE(CreateDir(ExcludeTrailingBackslash(MusicFolder())));
}

TProgramDriver::~TProgramDriver() {
  // Each started process still running is ended by its own handle, the last one first.
  while (!FProcesses.empty()) FProcesses.pop_back();
}

TStartedProcess& TProgramDriver::Start() {
  FProcesses.push_back(std::make_unique<TStartedProcess>(ProgramFolder() + kProgramFile, MusicFolder()));
  EXPECT_TRUE(FProcesses.back()->Started()) << "the program did not start";
  return *FProcesses.back();
}

std::vector<HWND> TProgramDriver::Windows(const std::string& Caption) const {
  TTopSearch search{{}, Caption, {}};
  for (const auto& process : FProcesses) search.ProcessIds.push_back(process->ProcessId());
  EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND TProgramDriver::WaitForWindow(const std::string& Caption, const std::string& ShotName, int TimeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> windows = Windows(Caption);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      TimeoutMs);
  if (found != nullptr && std::find(FShot.begin(), FShot.end(), found) == FShot.end()) {
    FShot.push_back(found);
    // A window just shown may still be painting its first picture.
    Sleep(200);
    Screenshot(found, ShotName);
  }
  return found;
}

std::vector<std::string> TProgramDriver::UnexpectedWindows() {
  std::vector<std::string> captions;
  const std::string anyCaption;
  TTopSearch search{{}, anyCaption, {}};
  for (const auto& process : FProcesses)
    if (process->Running()) search.ProcessIds.push_back(process->ProcessId());
  EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
  for (HWND window : search.Found) {
    if (std::find(FShot.begin(), FShot.end(), window) != FShot.end()) continue;
    FShot.push_back(window);
    captions.push_back(WindowText(window));
    Screenshot(window, "unexpected-" + IntToStr(static_cast<int64_t>(captions.size())));
  }
  return captions;
}

bool TProgramDriver::WaitForWindowGone(HWND Window, int TimeoutMs) const {
  return WaitUntil([&] { return !IsWindow(Window) || !IsWindowVisible(Window); }, TimeoutMs);
}

void TProgramDriver::Screenshot(HWND Window, const std::string& ShotName) const {
  SaveWindowScreenshot(Window, FShotPrefix + "-" + ShotName);
}

std::map<std::string, std::string> FolderFiles(const std::string& Folder) {
  std::map<std::string, std::string> files;
  TSearchRec rec;
  if (FindFirst(Folder + "*", faAnyFile, rec) != 0) return files;
  do {
    if (rec.Attr & faDirectory) continue;
    try {
      files[rec.Name] = ReadFileBytes(Folder + rec.Name);
    } catch (const Exception&) {
      files[rec.Name] = "(held open by the program, " + IntToStr(rec.Size) + " bytes)";
    }
  } while (FindNext(rec) == 0);
  FindClose(rec);
  return files;
}
