#pragma once
// The private messages a skinned window frame answers besides the skin data's and those
// every skinned control answers (painting into a given DC).

#include "skin/controls/SkinControlMessages.h"

#include <cstdint>

// Answered 12852 when the window is not skinnable and the system is Vista or later, else
// 12853.
inline constexpr uint32_t SP_QUERY_SKIN_STATE = 0xB1B2;
