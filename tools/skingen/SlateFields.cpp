// Text fields of the Slate skin: edits (with and without a button), the memo, the view
// controls and the spin edits, each white in a thin border that turns to the accent when
// hot or focused.
#include "SlateStyle.h"

#include "skin/data/SkinEditData.h"
#include "skin/data/SkinViewData.h"

namespace {

using namespace Slate;

constexpr int32_t FieldWidth = 40;

// The three dots of an edit's button.
void Ellipsis(TPixelPainter& P, const TRect& R, TColor Colour) {
  const int32_t x = R.Left + (R.Width() - 8) / 2, y = R.Top + (R.Height() - 2) / 2;
  for (int32_t i = 0; i < 3; ++i) P.Fill(Bounds(x + 3 * i, y, 2, 2), Colour);
}

struct TEditSize {
  const char* IDName;
  int32_t Height;
  bool WithButton;
};

void PaintEdits(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  for (const TEditSize& size :
       {TEditSize{"edit", 21, false}, TEditSize{"tooledit", 21, false},
        TEditSize{"statusedit", 17, false}, TEditSize{"buttonedit", 21, true},
        TEditSize{"toolbuttonedit", 21, true}, TEditSize{"statusbuttonedit", 17, true}}) {
    const int32_t h = size.Height;
    const int32_t margin = h > 17 ? 3 : 2;
    // The button takes the right end, past the point where the field stops stretching.
    const TRect button{21, 2, FieldWidth - 2, h - 2};
    const auto face = [&](const TBoxStyle& style, TColor dots) {
      return SlateImage(atlas, FieldWidth, h, Face, [&](TPixelPainter& p, const TRect& r) {
        p.Box(r, style);
        if (size.WithButton) Ellipsis(p, OffsetRect(button, r.Left, r.Top), dots);
      });
    };
    auto& e = Skin.AddControl<TspDataSkinEditControl>(size.IDName, "edit");
    e.PictureIndex = Atlas;
    e.SkinRect = face(FieldNormal, TextMuted);
    e.ActiveSkinRect = face(FieldActive, TextMuted);
    e.DisabledSkinRect = face(FieldDisabled, TextDisabled);
    e.LTPoint = {4, 0};
    e.RTPoint = {size.WithButton ? 20 : FieldWidth - 4, 0};
    e.ClRect = {3, margin, size.WithButton ? 20 : FieldWidth - 3, h - margin};
    e.FontName = FontName;
    e.FontHeight = FontHeight;
    e.FontColor = e.ActiveFontColor = Text;
    e.DisabledFontColor = TextDisabled;
    if (size.WithButton) {
      e.ButtonRect = button;
      const auto overlay = [&](TColor backing, TColor under, TColor dots) {
        return SlateImage(atlas, button.Width(), button.Height(), under,
                          [&](TPixelPainter& p, const TRect& r) {
                            if (backing != under) p.RoundFill(r, 2, backing);
                            Ellipsis(p, r, dots);
                          });
      };
      e.ActiveButtonRect = overlay(AccentLight, Window, Text);
      e.DownButtonRect = overlay(AccentSoft, Window, Text);
      e.UnenabledButtonRect = overlay(FieldDisabledFill, FieldDisabledFill, TextDisabled);
    }
  }
}

void PaintMemoAndViews(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  const auto face = [&](const TBoxStyle& style) {
    return SlateImage(atlas, FieldWidth, FieldWidth, Face,
                      [&](TPixelPainter& p, const TRect& r) { p.Box(r, style); });
  };
  auto& memo = Skin.AddControl<TspDataSkinMemoControl>("memo", "memo");
  memo.PictureIndex = Atlas;
  SetCut(memo, face(FieldNormal), 4, {2, 2, FieldWidth - 2, FieldWidth - 2});
  memo.ActiveSkinRect = face(FieldActive);
  memo.DisabledSkinRect = face(FieldDisabled);
  memo.FontName = FontName;
  memo.FontHeight = FontHeight;
  memo.FontColor = memo.ActiveFontColor = Text;
  memo.DisabledFontColor = TextDisabled;
  memo.BGColor = memo.ActiveBGColor = Window;

  const auto view = [&](auto& v) {
    v.PictureIndex = Atlas;
    v.SkinRect = memo.SkinRect;
    v.FontName = FontName;
    v.FontHeight = FontHeight;
    v.FontColor = Text;
    v.BGColor = Window;
  };
  view(Skin.AddControl<TspDataSkinListView>("listview", "listview"));
  view(Skin.AddControl<TspDataSkinTreeView>("treeview", "treeview"));
  view(Skin.AddControl<TspDataSkinRichEdit>("richedit", "richedit"));
}

// Spin edits: a field with two small stacked arrow buttons at its right end.
void PaintSpinEdits(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  constexpr int32_t width = 50;
  for (const TEditSize& size :
       {TEditSize{"spinedit", 21, false}, TEditSize{"toolspinedit", 21, false},
        TEditSize{"statusspinedit", 17, false}}) {
    auto& s = Skin.AddControl<TspDataSkinSpinEditControl>(size.IDName, "spinedit");
    SetSpinEditLayout(s, size.Height);
    const TRect up = s.UpButtonRect, down = s.DownButtonRect;
    const auto face = [&](const TBoxStyle& style) {
      return SlateImage(atlas, width, size.Height, Face, [&](TPixelPainter& p, const TRect& r) {
        p.Box(r, style);
        p.GlyphCentred(Glyphs::SmallUp, OffsetRect(up, r.Left, r.Top), TextMuted);
        p.GlyphCentred(Glyphs::SmallDown, OffsetRect(down, r.Left, r.Top), TextMuted);
      });
    };
    const auto overlay = [&](const TRect& part, const TPixelGlyph& glyph, TColor backing) {
      return SlateGlyphFace(atlas, part.Width(), part.Height(), Window, backing, 2, glyph, Text);
    };
    s.PictureIndex = Atlas;
    s.SkinRect = face(FieldNormal);
    s.ActiveSkinRect = face(FieldActive);
    s.ActiveUpButtonRect = overlay(up, Glyphs::SmallUp, AccentLight);
    s.DownUpButtonRect = overlay(up, Glyphs::SmallUp, AccentSoft);
    s.ActiveDownButtonRect = overlay(down, Glyphs::SmallDown, AccentLight);
    s.DownDownButtonRect = overlay(down, Glyphs::SmallDown, AccentSoft);
    s.FontName = FontName;
    s.FontHeight = FontHeight;
    s.FontColor = s.ActiveFontColor = Text;
    s.DisabledFontColor = TextDisabled;
  }
}

}  // namespace

void PaintSlateFields(TSkinBuilder& Skin) {
  const int atlas = Skin.AddAtlas("fields.bmp", 256, Face);
  PaintEdits(Skin, atlas);
  PaintMemoAndViews(Skin, atlas);
  PaintSpinEdits(Skin, atlas);
}
