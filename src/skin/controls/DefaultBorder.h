#pragma once
// Windows only. The one-pixel border a panel or label draws without a skin, by its
// border style: a shadow frame, raised, lowered, or none.

#include "skin/controls/portable/PanelLayout.h"

class TCanvas;

// Draws the border on R's edges and shrinks R inside it.
void DrawDefaultBorder(TCanvas& Canvas, TRect& R, TspSkinBorderStyle Style);
