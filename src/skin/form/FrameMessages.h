#pragma once
// The private messages a skinned window frame answers besides the skin data's and those
// every skinned control answers (painting into a given DC).

#include "skin/controls/SkinControlMessages.h"

#include <cstdint>

// Answered 12852 when the window is not skinnable and the system is Vista or later, else
// 12853.
inline constexpr uint32_t SP_QUERY_SKIN_STATE = 0xB1B2;

// The MDI cooperation of skinned frames: the main form asks its children to fit a
// maximized frame to its client window again; a child tells the main form that its frame
// maximized, or left that state (or goes).
inline constexpr uint32_t SP_UPDATE_MAXIMIZED_MDI_CHILD = 1230;
inline constexpr uint32_t SP_MDI_CHILD_MAXIMIZED = 1231;
inline constexpr uint32_t SP_MDI_CHILD_RESTORED = 1232;
