#pragma once
// What the flat-colour test skins paint with: TFlatPainter hands out the skin's colours
// in order and the rectangles of its one atlas ("flat.bmp"), each rectangle painted a
// colour that no other rectangle of the skin shares, so that a single pixel on the
// screen tells which rectangle a control drew.

#include "SkinBuilder.h"

#include "base/Colors.h"
#include "base/Geometry.h"
#include "base/PixelImage.h"

#include <cstdint>
#include <span>

inline constexpr TColor FlatKeyColor = RGBColor(255, 0, 255);
inline constexpr const char* FlatFont = "Tahoma";

// Colour number Index of a flat skin; distinct for Index 0 .. 728, never black, white or
// FlatKeyColor. Raises ERangeError past that.
TColor FlatColor(int Index);

class TFlatPainter {
public:
  explicit TFlatPainter(TSkinBuilder& Skin);

  int Picture() const { return FPicture; }
  TColor NextColor() { return FlatColor(FNext++); }

  // A rectangle of one new colour.
  TRect Rect(int32_t Width, int32_t Height);
  // The same, for an image drawn with its bottom-left pixel as the transparent colour:
  // that one pixel is FlatKeyColor.
  TRect Keyed(int32_t Width, int32_t Height);
  // Cells of CellWidth x CellHeight, Columns across and Rows down, each a colour of its
  // own, row by row: frames of an animation, symbols of a bitmap font.
  TRect Grid(int32_t CellWidth, int32_t CellHeight, int Columns, int Rows);
  // Frames side by side.
  TRect Strip(int32_t FrameWidth, int32_t Height, int Frames) {
    return Grid(FrameWidth, Height, Frames, 1);
  }
  void NewRow() { FAtlas.NewRow(); }

  // A picture of Width x Height with each of Parts filled, in order, in a new colour.
  TPixelImage PaintPicture(int32_t Width, int32_t Height, std::span<const TRect> Parts);

private:
  int FPicture;
  TPictureAtlas& FAtlas;
  int FNext = 0;
};

// Font colours stay dark: text is never what a pixel test looks at.
template <class T>
void DarkFont(T& Entry) {
  Entry.FontName = FlatFont;
  Entry.FontHeight = 13;
  Entry.FontColor = clBlack;
}

// A window mask that cuts 2-pixel squares off the four corners.
TPixelImage CornerMask(int32_t Width, int32_t Height);
