#pragma once
// The one way the project includes <windows.h>: ANSI functions are called by their "A"
// names, and the generic-name macros that would rename class-library members
// (TCanvas::TextOut, DeleteFile, ...) are removed.

#ifndef _WIN32
#error "base/win32/WinApi.h is for the Windows build only"
#endif

#include <windows.h>

#undef DeleteFile
#undef CopyFile
#undef MoveFile
#undef TextOut
#undef DrawText
#undef GetObject
#undef LoadBitmap
#undef LoadIcon
#undef LoadCursor
#undef CreateFont
#undef CreateWindow
#undef SendMessage
#undef PostMessage
#undef MessageBox
#undef GetMessage
#undef DispatchMessage
#undef PeekMessage
#undef GetCurrentDirectory
#undef SetCurrentDirectory
#undef FindWindow
#undef GetClassName
#undef GetWindowText
#undef SetWindowText
#undef LoadString
#undef CreateDC
#undef GetProp
#undef SetProp
#undef RemoveProp
#undef RegisterClass
#undef CreateEvent
#undef GetUserName
#undef GetCommandLine
#undef Yield
