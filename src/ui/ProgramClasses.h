#pragma once
// Every class the program's form resources name: the skinned window classes and the
// grids, added to the form reader's registry before the first window is read.

// Adds each group the registry does not know yet; later calls change nothing.
void RegisterProgramClasses();
