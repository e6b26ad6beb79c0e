#pragma once
// The private messages every windowed skinned control answers: its parent's background
// changed, so whatever it shows of it must be drawn again; and paint into a given DC.

#include <cstdint>

// WM_USER + 260. WParam and LParam 0.
inline constexpr uint32_t SP_PARENT_BACKGROUND_CHANGED = 1284;

// 0xB1C9: paint your frame into the DC in WParam. Nothing in the system sends it; every
// skinned window answers SP_PAINT_TO_DC_ANSWER (some without painting).
inline constexpr uint32_t SP_PAINT_TO_DC = 0xB1C9;
inline constexpr int32_t SP_PAINT_TO_DC_ANSWER = 12851;

// 0xBC4B: SP_PAINT_TO_DC, only when LParam is SP_PAINT_TO_DC_CHECK; answered with that
// value. Any other LParam goes to the default handling.
inline constexpr uint32_t SP_PAINT_TO_DC_CHECKED = 0xBC4B;
inline constexpr int32_t SP_PAINT_TO_DC_CHECK = 16802;
