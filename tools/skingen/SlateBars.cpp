// Bars of the Slate skin: the 16-pixel scroll bars with their pill-shaped thumbs, the
// up-down buttons, the page control's tabs and page frame, and the grid's cells.
#include "SlateStyle.h"

#include "skin/data/SkinBarData.h"
#include "skin/data/SkinViewData.h"

namespace {

using namespace Slate;

constexpr TColor ArrowColor = RGBColor(120, 132, 144);
constexpr TColor TrackEdge = RGBColor(226, 230, 235);
constexpr TColor PageBorder = RGBColor(197, 206, 215);
constexpr TColor TabFill = RGBColor(226, 231, 236);
constexpr TColor TabHot = RGBColor(236, 241, 246);

// A scroll button on the track: the arrow alone, on a rounded backing when hot or
// pressed.
TRect ScrollButton(TPictureAtlas& Atlas, const TPixelGlyph& Arrow, TColor Backing) {
  return SlateImage(Atlas, ScrollBarSize, ScrollBarSize, Track,
                    [&](TPixelPainter& p, const TRect& r) {
                      if (Backing != Track) p.RoundFill(InflateRect(r, -1, -1), 2, Backing);
                      p.GlyphCentred(Arrow, r, Backing == Track ? ArrowColor : Text);
                    });
}

TRect Thumb(TPictureAtlas& Atlas, bool Vertical, TColor Colour) {
  return SlateImage(
      Atlas, Vertical ? ThumbThickness : ThumbLength, Vertical ? ThumbLength : ThumbThickness,
      Track, [&](TPixelPainter& p, const TRect& r) { p.RoundFill(r, ThumbThickness / 2, Colour); });
}

struct TScrollKind {
  const char* IDName;
  bool Vertical;
  int32_t Corner;  // the square beside a horizontal bar that meets a vertical one
};

void PaintScrollBars(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  for (const TScrollKind& kind :
       {TScrollKind{"vscrollbar", true, 0}, TScrollKind{"hscrollbar", false, 0},
        TScrollKind{"bothhscrollbar", false, ScrollBarSize}}) {
    atlas.NewRow();
    const bool v = kind.Vertical;
    const TPixelGlyph& back = v ? Glyphs::ChevronUp : Glyphs::ChevronLeft;
    const TPixelGlyph& forth = v ? Glyphs::ChevronDown : Glyphs::ChevronRight;
    const int32_t length = ScrollBarLength + kind.Corner;
    auto& s = Skin.AddControl<TspDataSkinScrollBarControl>(kind.IDName, "scrollbar");
    SetScrollBarLayout(s, v);
    s.PictureIndex = Atlas;
    s.SkinRect =
        SlateImage(atlas, v ? ScrollBarSize : length, v ? length : ScrollBarSize, Track,
                   [&](TPixelPainter& p, const TRect& r) {
                     if (v)
                       p.VLine(r.Left, r.Top, r.Bottom, TrackEdge);
                     else
                       p.HLine(r.Left, r.Right, r.Top, TrackEdge);
                     p.GlyphCentred(back, OffsetRect(s.DownButtonRect, r.Left, r.Top), ArrowColor);
                     p.GlyphCentred(forth, OffsetRect(s.UpButtonRect, r.Left, r.Top), ArrowColor);
                   });
    s.ActiveDownButtonRect = ScrollButton(atlas, back, HotNeutral);
    s.DownDownButtonRect = ScrollButton(atlas, back, DownNeutral);
    s.ActiveUpButtonRect = ScrollButton(atlas, forth, HotNeutral);
    s.DownUpButtonRect = ScrollButton(atlas, forth, DownNeutral);
    s.ThumbRect = Thumb(atlas, v, Slate::Thumb);
    s.ActiveThumbRect = Thumb(atlas, v, ThumbHot);
    s.DownThumbRect = Thumb(atlas, v, ThumbDown);
    s.ThumbStretchEffect = true;
  }
}

void PaintUpDowns(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  for (const bool vertical : {false, true}) {
    // Two small buttons side by side (down at the left) or one above the other.
    const int32_t w = vertical ? 17 : 34, h = vertical ? 30 : 20;
    auto& u = Skin.AddControl<TspDataSkinUpDownControl>(vertical ? "vupdown" : "hupdown", "updown");
    SetUpDownLayout(u, vertical);
    const TRect down = u.DownButtonRect, up = u.UpButtonRect;
    const TPixelGlyph& downGlyph = vertical ? Glyphs::ChevronDown : Glyphs::ChevronLeft;
    const TPixelGlyph& upGlyph = vertical ? Glyphs::ChevronUp : Glyphs::ChevronRight;
    const auto half = [&](const TRect& part, const TPixelGlyph& glyph, const TBoxStyle& style) {
      return SlateImage(atlas, part.Width(), part.Height(), Face,
                        [&](TPixelPainter& p, const TRect& r) {
                          p.Box(r, style);
                          p.GlyphCentred(glyph, r, Text);
                        });
    };
    u.PictureIndex = Atlas;
    u.SkinRect = SlateImage(atlas, w, h, Face, [&](TPixelPainter& p, const TRect& r) {
      for (const auto& [part, glyph] : {std::pair{down, &downGlyph}, std::pair{up, &upGlyph}}) {
        p.Box(OffsetRect(part, r.Left, r.Top), ButtonNormal);
        p.GlyphCentred(*glyph, OffsetRect(part, r.Left, r.Top), Text);
      }
    });
    u.ActiveUpButtonRect = half(up, upGlyph, ButtonHot);
    u.DownUpButtonRect = half(up, upGlyph, ButtonDown);
    u.ActiveDownButtonRect = half(down, downGlyph, ButtonHot);
    u.DownDownButtonRect = half(down, downGlyph, ButtonDown);
  }
}

// The page control: a page framed in one line, inactive tabs a step lower and greyer,
// the active tab in the page's colour with an accent line along its top.
void PaintTabs(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  auto& t = Skin.AddControl<TspDataSkinTabControl>("tab", "tab");
  t.PictureIndex = Atlas;
  SetCut(t,
         SlateImage(atlas, 60, 40, FaceLight,
                    [](TPixelPainter& p, const TRect& r) { p.Frame(r, PageBorder); }),
         3, {1, 1, 59, 39});
  const auto tab = [&](int32_t height, int32_t top, TColor fill, bool accent) {
    return SlateImage(atlas, 60, height, Face, [&](TPixelPainter& p, const TRect& r) {
      // The box runs one row past the image, so the tab has no line along its foot.
      p.Box({r.Left, r.Top + top, r.Right, r.Bottom + 1}, {PageBorder, fill, fill, 3, cnTop});
      if (accent)
        p.RoundFill({r.Left + 1, r.Top + top + 1, r.Right - 1, r.Top + top + 3}, 2, Accent, cnTop);
      p.HLine(r.Left, r.Right, r.Bottom, Face);  // keep the gap below clear
    });
  };
  t.TabRect = tab(22, 2, TabFill, false);
  t.MouseInTabRect = tab(22, 2, TabHot, false);
  t.ActiveTabRect = tab(23, 0, FaceLight, true);
  t.FocusTabRect = t.ActiveTabRect;
  t.TabLeftOffset = t.TabRightOffset = 4;
  t.TabsBGRect = SlateImage(atlas, 8, 8, Face, [](TPixelPainter&, const TRect&) {});
  t.FontName = FontName;
  t.FontHeight = FontHeight;
  t.FontColor = TextMuted;
  t.ActiveFontColor = t.FocusFontColor = t.MouseInFontColor = Text;
  t.UpDown = "hupdown";
  // The close mark alone, or on a rounded backing when hot or pressed; drawn with a
  // transparent colour, so the tab shows around it.
  const auto close = [&](TColor backing, TColor glyph) {
    return SlateImage(atlas, 14, 14, TabFill, [&](TPixelPainter& p, const TRect& r) {
      p.RoundFill(r, 2, backing);
      p.GlyphCentred(Glyphs::SmallClose, r, glyph);
      KeyOutside(p, r, r, 2);
    });
  };
  t.CloseButtonRect = SlateKeyedGlyph(atlas, 14, 14, Glyphs::SmallClose, TextMuted, TabFill);
  t.CloseButtonActiveRect = close(HotNeutral, Text);
  t.CloseButtonDownRect = close(DownNeutral, Text);
  t.ButtonTransparent = true;
  t.ButtonTransparentColor = Key;
}

// Grid cells: a grey heading with a dividing line at each column's right end, white
// cells, the selection blue for selected rows.
void PaintGrid(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  auto& g = Skin.AddControl<TspDataSkinGridControl>("grid", "grid");
  g.PictureIndex = Atlas;
  const auto cell = [&](TColor fill) {
    return SlateImage(atlas, 40, 18, fill, [](TPixelPainter&, const TRect&) {});
  };
  g.FixedCellRect =
      SlateImage(atlas, 40, 18, RGBColor(229, 234, 239), [](TPixelPainter& p, const TRect& r) {
        p.VLine(r.Right - 1, r.Top, r.Bottom, RGBColor(204, 212, 220));
      });
  g.SelectCellRect = cell(Window);
  g.FocusCellRect = cell(Selection);
  g.DisabledCellRect = cell(RGBColor(245, 246, 248));
  g.FixedCellLeftOffset = g.FixedCellRightOffset = 2;
  g.CellLeftOffset = g.CellRightOffset = 2;
  g.FixedCellTextRect = {4, 0, 36, 18};
  g.CellTextRect = {4, 0, 36, 18};
  g.LinesColor = RGBColor(226, 230, 235);
  g.BGColor = Window;
  g.FontName = g.FixedFontName = FontName;
  g.FontHeight = FontHeight;
  g.FixedFontHeight = SmallFontHeight;
  g.FontColor = g.SelectFontColor = g.FocusFontColor = Text;
  g.FixedFontColor = RGBColor(58, 70, 82);
}

}  // namespace

void PaintSlateBars(TSkinBuilder& Skin) {
  const int atlas = Skin.AddAtlas("bars.bmp", 256, Face);
  PaintScrollBars(Skin, atlas);
  PaintUpDowns(Skin, atlas);
  PaintTabs(Skin, atlas);
  PaintGrid(Skin, atlas);
}
