#pragma once
// The system's common controls library: the tab control and image lists. Loading it is
// the costliest step of a start before any window exists, and no window needs it before
// the main window's controls are made: StartLoadingCommonControls begins the load on a
// thread of its own, and CommonControls waits for it where the library is first used.

#include "base/win32/WinApi.h"

#include <commctrl.h>

// The library's functions the class library calls.
struct TCommonControlsApi {
  decltype(&::ImageList_Create) ImageListCreate;
  decltype(&::ImageList_Destroy) ImageListDestroy;
  decltype(&::ImageList_GetImageCount) ImageListGetImageCount;
  decltype(&::ImageList_Add) ImageListAdd;
  decltype(&::ImageList_AddMasked) ImageListAddMasked;
  decltype(&::ImageList_Remove) ImageListRemove;
  decltype(&::ImageList_Draw) ImageListDraw;
  decltype(&::ImageList_GetIcon) ImageListGetIcon;
};

// Starts loading the library; called once, as the program starts.
void StartLoadingCommonControls();

// The library's functions, its window classes registered (the tab control among them).
// Loads the library here when no load was started. Raises EOutOfResources when the system
// cannot load it.
const TCommonControlsApi& CommonControls();
