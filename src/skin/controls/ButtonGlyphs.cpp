#include "ButtonGlyphs.h"

#include "MeasuredText.h"

#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinImages.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/ImageList.h"

#include <functional>

namespace {

void DrawMark(TCanvas& Canvas, const TRect& R, TColor Color, bool ADown, const TspButtonPlaces& P, TSize Glyph,
              const TRect& Text) {
  Canvas.Pen()->SetColor(Color);
  const auto lines = [&](int x1, int x2, int y) {
    for (int dy = 0; dy < 3; ++dy) {
      Canvas.MoveTo(x1, y + dy);
      Canvas.LineTo(x2, y + dy);
    }
  };
  if (Glyph.cx > 0) {
    lines(P.Glyph.X, P.Glyph.X + Glyph.cx, P.Glyph.Y + Glyph.cy - 2);
  } else if (!IsRectEmpty(Text)) {
    lines(P.Text.X, Text.Right, Text.Bottom - 1);
  } else {
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.FillRect(ADown ? TRect{R.Left + 4, R.Top + 5, R.Right - 2, R.Bottom - 3}
                          : TRect{R.Left + 4, R.Top + 4, R.Right - 2, R.Bottom - 4});
  }
}

// The shared work: the caption measured in the room the glyph leaves, both placed,
// the caption drawn, then the glyph by DrawGlyphAt and the mark.
void DrawBlockAndText(TCanvas& Canvas, const TRect& R, int Margin, TColor MarkColor, bool ShowMark, bool ADown,
                      TSize Glyph, const std::string& Caption, TspButtonLayout Layout, int Spacing,
                      const std::function<void(int X, int Y)>& DrawGlyphAt) {
  TSize text{0, 0};
  if (!Caption.empty()) {
    TRect room{0, 0, RectWidth(R), RectHeight(R)};
    if (Layout == blGlyphLeft || Layout == blGlyphRight)
      room.Right -= Glyph.cx;
    else
      room.Bottom -= Glyph.cy;
    Canvas.DrawText(Caption, room, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    text = {room.Width(), room.Height()};
    Canvas.Brush()->SetStyle(bsClear);
  }
  TspButtonPlaces p = CalcButtonLayout(Layout, R, Glyph.cx, Glyph.cy, text.cx, text.cy, Margin, Spacing);
  if (ADown) {
    p.Glyph = {p.Glyph.X + 1, p.Glyph.Y + 1};
    p.Text = {p.Text.X + 1, p.Text.Y + 1};
  }
  TRect textRect{};
  if (!Caption.empty()) {
    textRect = {p.Text.X, p.Text.Y, p.Text.X + text.cx + 2, p.Text.Y + text.cy};
    TRect drawn = textRect;  // the caption's measured box
    Canvas.DrawText(Caption, drawn, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS | MeasuredBoxFlags);
  }
  if (Glyph.cx > 0 && Glyph.cy > 0) DrawGlyphAt(p.Glyph.X, p.Glyph.Y);
  if (ShowMark) DrawMark(Canvas, R, MarkColor, ADown, p, Glyph, textRect);
}

}  // namespace

void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor MarkColor, bool ShowMark, bool ADown,
                      int GlyphNum, int NumGlyphs, TBitmap* Glyph, const std::string& Caption,
                      TspButtonLayout Layout, int Spacing) {
  TSize size{0, 0};
  if (Glyph != nullptr && !Glyph->Empty() && NumGlyphs > 0) size = {Glyph->Width() / NumGlyphs, Glyph->Height()};
  DrawBlockAndText(*Canvas, R, Margin, MarkColor, ShowMark, ADown, size, Caption, Layout, Spacing,
                   [&](int x, int y) { DrawGlyph(Canvas, x, y, Glyph, NumGlyphs, GlyphNum); });
}

bool HasImage(TCustomImageList* ImageList, int ImageIndex) {
  return ImageList != nullptr && ImageIndex >= 0 && ImageIndex < ImageList->Count();
}

void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor MarkColor, bool ShowMark, bool AEnabled,
                      bool ADown, TCustomImageList* ImageList, int ImageIndex, const std::string& Caption,
                      TspButtonLayout Layout, int Spacing) {
  TSize size{0, 0};
  if (HasImage(ImageList, ImageIndex)) size = {ImageList->Width(), ImageList->Height()};
  DrawBlockAndText(*Canvas, R, Margin, MarkColor, ShowMark, ADown, size, Caption, Layout, Spacing,
                   [&](int x, int y) { ImageList->Draw(Canvas, x, y, ImageIndex, AEnabled); });
}
