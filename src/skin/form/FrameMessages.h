#pragma once
// The private messages a skinned window frame answers besides the skin data's.

#include <cstdint>

// Answered 12852 when the window is not skinnable and the system is Vista or later, else
// 12853.
inline constexpr uint32_t SP_QUERY_SKIN_STATE = 0xB1B2;
// Paints the frame into the DC in WParam; answered 12851.
inline constexpr uint32_t SP_PAINT_TO_DC = 0xB1C9;
// The same, only with LParam 16802; answered 16802.
inline constexpr uint32_t SP_PAINT_TO_DC_CHECKED = 0xBC4B;
inline constexpr intptr_t PaintToDCCheck = 16802;
