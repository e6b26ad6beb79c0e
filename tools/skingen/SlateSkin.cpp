#include "SlateSkin.h"

#include "SlateStyle.h"

TRect SlateImage(TPictureAtlas& Atlas, int32_t Width, int32_t Height, TColor Backdrop,
                 const std::function<void(TPixelPainter&, const TRect&)>& Paint) {
  const TRect r = Atlas.Allocate(Width, Height);
  TPixelPainter painter(Atlas.Canvas());
  painter.Fill(r, Backdrop);
  Paint(painter, r);
  return r;
}

TRect SlateKeyedGlyph(TPictureAtlas& Atlas, int32_t Width, int32_t Height, const TPixelGlyph& Glyph,
                      TColor Colour, TColor Over) {
  return SlateImage(Atlas, Width, Height, Slate::Key, [&](TPixelPainter& p, const TRect& r) {
    const int32_t left = r.Left + (Width - Glyph.Width()) / 2,
                  top = r.Top + (Height - Glyph.Height()) / 2;
    for (int32_t y = 0; y < Glyph.Height(); ++y)
      for (int32_t x = 0; x < Glyph.Width(); ++x)
        if (const int weight = Glyph.Weight(x, y); weight > 0)
          p.Pixel(left + x, top + y, MixColors(Over, Colour, weight));
  });
}

TRect SlateGlyphFace(TPictureAtlas& Atlas, int32_t Width, int32_t Height, TColor Under,
                     TColor Backing, int Radius, const TPixelGlyph& Glyph, TColor GlyphColour) {
  return SlateImage(Atlas, Width, Height, Under, [&](TPixelPainter& p, const TRect& r) {
    if (Backing != Under) p.RoundFill(r, Radius, Backing);
    p.GlyphCentred(Glyph, r, GlyphColour);
  });
}

void KeyOutside(TPixelPainter& P, const TRect& R, const TRect& Box, int Radius) {
  for (int32_t y = R.Top; y < R.Bottom; ++y)
    for (int32_t x = R.Left; x < R.Right; ++x)
      if (RoundRectCoverage(Box, Radius, cnAll, x, y) == 0) P.Pixel(x, y, Slate::Key);
}

void PaintSlateSkin(TSkinBuilder& Skin) {
  using namespace Slate;
  TspSkinColors& colors = Skin.Colors;
  colors.cBtnFace = Face;
  colors.cBtnText = Text;
  colors.cWindow = Window;
  colors.cWindowText = Text;
  colors.cHighLight = Accent;
  colors.cHighLightText = Window;
  colors.cBtnHighLight = Window;
  colors.cBtnShadow = RGBColor(150, 162, 174);
  colors.c3DLight = FaceLight;
  colors.c3DDkShadow = OutlineActive;

  PaintSlateFrame(Skin);
  PaintSlateMenus(Skin);
  PaintSlateButtons(Skin);
  PaintSlatePanels(Skin);
  PaintSlateFields(Skin);
  PaintSlateLists(Skin);
  PaintSlateBars(Skin);
}
