#pragma once
// Windows only. A glyph (or an image-list image) and a caption drawn together in a
// rectangle by CalcButtonLayout, as push buttons and speed buttons show them: the
// caption word-wrapped in the room the glyph leaves, everything one pixel down and
// right while pressed, and optionally a mark under them.

#include "skin/controls/portable/ButtonLayout.h"

#include "classlib/Graphics.h"

#include <string>

class TBitmap;
class TCanvas;
class TCustomImageList;

// Glyph GlyphNum (1-based) of a strip of NumGlyphs side by side, drawn transparent.
// With ShowMark, three lines in MarkColor under the glyph (or under the caption, or a
// filled block when there is neither).
void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor MarkColor, bool ShowMark, bool ADown,
                      int GlyphNum, int NumGlyphs, TBitmap* Glyph, const std::string& Caption,
                      TspButtonLayout Layout, int Spacing);
// The same with image ImageIndex of ImageList, greyed unless AEnabled; no image for an
// index outside the list.
void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor MarkColor, bool ShowMark, bool AEnabled,
                      bool ADown, TCustomImageList* ImageList, int ImageIndex, const std::string& Caption,
                      TspButtonLayout Layout, int Spacing);
// Whether ImageIndex names an image of ImageList.
bool HasImage(TCustomImageList* ImageList, int ImageIndex);
