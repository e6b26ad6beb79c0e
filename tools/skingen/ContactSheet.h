#pragma once
// The contact sheet of a skin, for review: every picture of the skin enlarged three
// times on a dark ground, labelled with its file name, each rectangle its entries name in
// it outlined in the colour of its entry.

#include "skin/data/SkinData.h"

#include "base/PixelImage.h"

inline constexpr int32_t ContactSheetScale = 3;

TPixelImage ContactSheet(const TspSkinData& Skin);
