#pragma once
// Windows only. How a list item's image and text are drawn, in the list box's items and
// in the combo box's own item area alike.

#include "classlib/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

class TCustomImageList;

// Draws image Index of Images at the left edge of Text, centred vertically, and returns
// how far the text moves right for it (its width and 2); nothing and 0 when there is no
// image list or it lacks that image.
int DrawItemImage(TCanvas& Canvas, TCustomImageList* Images, int Index, const TRect& Text);
// Writes S at X with its tab characters at Stops (tab origin 0), centred vertically in
// Text.
void DrawTabbedItemText(TCanvas& Canvas, const std::string& S, int X, const TRect& Text,
                        const std::vector<int32_t>& Stops);
