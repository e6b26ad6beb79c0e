#pragma once
// The skinned controls, menus and frame objects learn that a handler freed them through
// the class library's free watch.

#include "base/FreeWatch.h"

using TspFreeWatch = TFreeWatch;
