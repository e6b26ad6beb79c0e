#pragma once
// A synthetic skin picture for the nine-part image builders in which every pixel tells
// where it came from, and a pixel-by-pixel check of a built image against the builders'
// rules as the destination table states them.

#include "skin/data/SkinImagePlans.h"

#include "base/PixelImage.h"

#include <string>
#include <vector>

// One skin element to build and the size to build it at.
struct TNinePartCase {
  const char* Name;
  TRect R;
  TSkinCut Cut;
  int32_t Width;
  int32_t Height;
  TSkinSides Sides;
  bool DrawClient;
  TSkinClientFill Fill;
};

// Elements at R = (3, 2, 23, 18) of a 30 x 22 picture, cut into pieces that all have
// area (unless a case says otherwise), built at sizes and with flags that cover tiles cut
// short, tiles that end exactly at the edge, stretching, the three client stretch types,
// sizes below the element's own, zero-length strips and no client part.
std::vector<TNinePartCase> NinePartCases();
inline constexpr int32_t NinePartPictureWidth = 30;
inline constexpr int32_t NinePartPictureHeight = 22;

// The picture of PictureWidth x PictureHeight that holds the element at R: each piece
// of the cut in blue = its number (1 .. 13) * 16, red = the column and green = the row
// within R; outside R blue is 240.
TPixelImage NinePartPicture(const TNinePartCase& Case, int32_t PictureWidth, int32_t PictureHeight);

// Where Image (Case.Width x Case.Height, built with the cut for its size) differs from
// what the builders must make of the picture: each destination pixel shows the last
// piece drawn over it, from the right column and row where the piece is copied or tiled
// and from inside the piece where it is stretched; pixels no piece reaches stay black.
// At most a few descriptions; none when every pixel is right.
std::vector<std::string> NinePartMismatches(const TNinePartCase& Case, const TPixelImage& Image);

// Carries out a plan on Target the way StretchBlt with COLORONCOLOR does (each pixel
// from the nearest source pixel), a tiled copy tile by tile; source pixels outside
// Picture read as black.
void RenderPlan(const TPiecePlan& Plan, const TPixelImage& Picture, TPixelImage& Target);
