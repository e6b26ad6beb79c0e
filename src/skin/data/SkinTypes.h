#pragma once
// The value types of the skin description model: the runtime's geometry, colours and
// text styles, and the transparent colour new skin entries start with.

#include "base/Colors.h"
#include "base/Geometry.h"
#include "base/TextStyles.h"

inline constexpr TColor DefaultTransparentColor = clFuchsia;
