#pragma once
// A skin folder generated for tests and benchmarks: a skin INI file with the entry lists
// of a full skin, and the BMP pictures it names, drawn from a formula so that a test can
// tell every pixel.

#include "base/Colors.h"

#include <cstdint>
#include <string>
#include <vector>

struct TSyntheticSkin {
  int32_t PictureWidth = 147;  // odd, so the 1-bit mask's rows are padded
  int32_t PictureHeight = 120;
  int ActivePictureCount = 3;
  int32_t ActivePictureWidth = 61;
  int32_t ActivePictureHeight = 40;
};

// Writes "skin.ini" and its pictures into Folder (ending in "\"); returns the INI path.
std::string WriteSyntheticSkin(const std::string& Folder, const TSyntheticSkin& Skin = {});

// Pixel (X, Y) of the main picture (Picture -1) or of active picture Picture.
TColor SyntheticPixel(int Picture, int32_t X, int32_t Y);
// The mask: black (inside the window) but for a two-pixel margin.
bool SyntheticMaskInside(const TSyntheticSkin& Skin, int32_t X, int32_t Y);

// The SKINOBJECTS and SKINCONTROLS entries as "IDName:keyword", in list order. Besides a
// full skin's entries they hold entries that create nothing (an unknown keyword, no
// colon, a second colon) and a second "button" control.
const std::vector<std::string>& SyntheticObjectEntries();
const std::vector<std::string>& SyntheticControlEntries();
