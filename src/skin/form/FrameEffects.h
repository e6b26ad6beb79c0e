#pragma once
// The look of an inactive skinned window: the skin's inactive effect carried out on a
// frame band or a caption image.

#include "skin/data/SkinKeywords.h"

class TBitmap;

// Image := Image with Effect (brightened by half, darkened by 0.3, grey, noise of 50,
// split blur of 1, or inverted).
void ApplyInActiveEffect(TBitmap& Image, TspInActiveEffect Effect);
