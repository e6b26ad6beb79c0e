#pragma once
// Windows only. The turns of a tab bitmap built in "top" orientation, through effect
// bitmaps: upside down for bottom tabs, a quarter turn for left and right tabs.

class TBitmap;
class TCanvas;

// B turned a quarter counter-clockwise (left) or clockwise (right), drawn with its
// top-left corner at (X, Y).
void DrawRotatedLeft(TCanvas* Cnvs, TBitmap* B, int X, int Y);
void DrawRotatedRight(TCanvas* Cnvs, TBitmap* B, int X, int Y);
// B turned upside down in place.
void FlipBitmapVertically(TBitmap* B);
