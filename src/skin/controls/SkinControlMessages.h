#pragma once
// The private message every windowed skinned control answers: its parent's background
// changed, so whatever it shows of it must be drawn again.

#include <cstdint>

// WM_USER + 260. WParam and LParam 0.
inline constexpr uint32_t SP_PARENT_BACKGROUND_CHANGED = 1284;
