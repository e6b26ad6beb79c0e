#pragma once
// The real program driven from outside, as a user would: a copy of the built program
// and its languages (so "Settings.ini" lands beside the copy) and a working folder, both
// in a fresh temporary folder; the program started there as its own process; its windows found by caption and
// class, input posted to them, their pictures saved; and at the end only the processes
// started here are ended.

#include "StartedProcess.h"
#include "TempFolder.h"

#include "base/win32/WinApi.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Generous time-outs: a loaded test machine may be slow, a working program is fast.
constexpr int kStartTimeoutMs = 20000;
constexpr int kWindowTimeoutMs = 10000;

// Polls Condition every few milliseconds until it holds or TimeoutMs passes.
bool WaitUntil(const std::function<bool()>& Condition, int TimeoutMs = kWindowTimeoutMs);

// --- Windows of another process --------------------------------------------------------

std::string WindowText(HWND Window);
std::string WindowClass(HWND Window);
// Every descendant of Parent of the class (any class when empty), in the order the system
// lists them.
std::vector<HWND> ChildWindows(HWND Parent, const std::string& ClassName = "");
// The first descendant of Parent of the class whose text is Text; nullptr when none.
HWND FindChild(HWND Parent, const std::string& ClassName, const std::string& Text);
// Where Child lies in Parent's client area.
RECT ChildRect(HWND Parent, HWND Child);

// --- Input, posted to the program's queue ------------------------------------------------

// Presses and releases the left button at a point of Window's client area (its centre by
// default), with the keys of Keys (MK_SHIFT, MK_CONTROL) held; the pointer goes there too.
void PostClick(HWND Window, POINT At, WPARAM Keys = 0);
void PostClick(HWND Window);
// Presses and releases a key on Window.
void PostKey(HWND Window, WORD Key);
// Types Text into Window, character by character.
void PostText(HWND Window, const std::string& Text);
// The window with the keyboard focus in Window's thread; Window itself when none has it.
HWND FocusOfThread(HWND Window);
// The menu bar of Form in keyboard mode (as the Alt key starts it), then Keys.
void PostMenuKeys(HWND Form, std::initializer_list<WORD> Keys);

class TProgramDriver {
public:
  // Prepares the temporary folder: prog\ with the program and its languages\, music\.
  // ShotPrefix starts the name of every screenshot taken.
  explicit TProgramDriver(std::string ShotPrefix);
  ~TProgramDriver();
  TProgramDriver(const TProgramDriver&) = delete;
  TProgramDriver& operator=(const TProgramDriver&) = delete;

  std::string ProgramFolder() const { return FRoot / "prog\\"; }
  std::string MusicFolder() const { return FRoot / "music\\"; }
  std::string SettingsPath() const { return ProgramFolder() + "Settings.ini"; }

  // Starts the program once more with the music folder as its current folder.
  TStartedProcess& Start();
  // The process of the first start (after one).
  TStartedProcess& Process() const { return *FProcesses.front(); }

  // The visible top-level windows of the started processes with that caption (forms, not
  // the application's window).
  std::vector<HWND> Windows(const std::string& Caption) const;
  // Waits for such a window and saves its picture (<prefix>-<ShotName>.png) the first time
  // it is found; nullptr after TimeoutMs.
  HWND WaitForWindow(const std::string& Caption, const std::string& ShotName, int TimeoutMs = kWindowTimeoutMs);
  // The captioned windows of the started processes on screen now that no wait found (a
  // message nobody expected), each saved as <prefix>-unexpected-<n>.png.
  std::vector<std::string> UnexpectedWindows();
  // Waits until Window is gone or hidden.
  bool WaitForWindowGone(HWND Window, int TimeoutMs = kWindowTimeoutMs) const;
  // Saves Window's picture as <prefix>-<ShotName>.png (a test failure when nothing shows).
  void Screenshot(HWND Window, const std::string& ShotName) const;

private:
  std::string FShotPrefix;
  TempFolder FRoot;
  std::vector<std::unique_ptr<TStartedProcess>> FProcesses;
  std::vector<HWND> FShot;  // windows whose picture was taken when they were found
};

// The files of a folder, by name, with their bytes; a file that the program holds open
// for itself alone shows as a note with its size.
std::map<std::string, std::string> FolderFiles(const std::string& Folder);
