#pragma once
// The program's own skin, "Slate": a calm light look of cool greys with a slate window
// outline and a blue accent, complete for every window and control the program shows.

#include "SkinBuilder.h"

inline constexpr const char* SlateSkinName = "Slate";

// Paints every picture of the skin and fills in every entry.
void PaintSlateSkin(TSkinBuilder& Skin);
