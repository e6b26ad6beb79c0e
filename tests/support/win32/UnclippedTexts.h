#pragma once
// Painting with the program's texts drawn unclipped, and one text not at all. A picture
// painted so, set against one painted as the program asks or one without the text, tells
// whether a text's box cut it and where its glyphs end, whatever the font draws.

#include "ImportPatch.h"

#include "base/PixelImage.h"

#include <string>

class TUnclippedTexts {
public:
  // While it lives, DrawTextA draws with DT_NOCLIP added and ExtTextOutA without
  // ETO_CLIPPED (an opaque background is still filled); a text equal to LeftOut (none
  // when empty) is not drawn. One at a time.
  explicit TUnclippedTexts(std::string LeftOut = {});
  ~TUnclippedTexts();
  TUnclippedTexts(const TUnclippedTexts&) = delete;
  TUnclippedTexts& operator=(const TUnclippedTexts&) = delete;

private:
  TImportPatch FDrawText;
  TImportPatch FExtTextOut;
};

// The last column in which two pictures of one size differ, -1 when none.
int32_t LastDifferingColumn(const TPixelImage& A, const TPixelImage& B);
