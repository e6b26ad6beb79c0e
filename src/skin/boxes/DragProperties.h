#pragma once
// The drag and dock settings form resources give the skinned boxes. The class library
// has no dragging or docking: the controls keep the values and nothing more.

#include "classlib/Control.h"

enum TDragKind { dkDrag, dkDock };
inline constexpr const char* kDragKindNames[] = {"dkDrag", "dkDock"};
enum TDragMode { dmManual, dmAutomatic };
inline constexpr const char* kDragModeNames[] = {"dmManual", "dmAutomatic"};
inline constexpr TCursor crDrag = -12;
