#pragma once
// The single-instance guard: a named block of shared memory holding the application
// window handle of the instance that made it. A later start finds the block, brings that
// window to the front and ends.

#include "base/win32/WinApi.h"

#include <string>

// True when another instance made the block called name: its application window has been
// restored (when minimised) and brought to the front, and the caller ends at once. False
// for the first instance, whose windowHandle the block now holds until the program ends.
// A block that cannot be made raises EOSError. A block this process held before is
// released first.
bool IsAlreadyRunning(HWND windowHandle, const std::string& name);
// The same guard under the name the program's main routine calls it by.
inline constexpr auto& CheckSingleInstance = IsAlreadyRunning;

// Unmaps and closes this process's block; the program's end does it by itself.
void ReleaseSingleInstance();
