#pragma once
// The skinned classes the program's windows are read with: skin data, controls, boxes,
// menus and the window frame, added to the form reader's registry.

// Adds each group of skinned classes the registry does not know yet, so that any window
// may ask first and a later call changes nothing.
void RegisterSkinnedWindowClasses();
