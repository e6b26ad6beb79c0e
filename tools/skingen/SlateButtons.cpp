// Buttons of the Slate skin: push buttons (and the entries that other controls borrow
// them from), flat tool buttons with and without a menu part, the small delete button,
// and the check and radio boxes.
#include "SlateStyle.h"

#include "skin/data/SkinButtonData.h"

namespace {

using namespace Slate;

constexpr int32_t ButtonWidth = 40;
constexpr int32_t ButtonHeight = 25;
// What the marks of check and radio boxes are blended over: the pages and panels they
// sit on.
constexpr TColor MarkBackdrop = RGBColor(243, 245, 247);
constexpr TColor MarkBorder = RGBColor(140, 153, 166);
constexpr TColor MarkDisabled = RGBColor(176, 190, 204);

struct TButtonFaces {
  TRect Normal, Hot, Down, Focused, Disabled;
};

TRect BoxFace(TPictureAtlas& Atlas, const TBoxStyle* Style, TColor Backdrop = Face) {
  return SlateImage(Atlas, ButtonWidth, ButtonHeight, Backdrop,
                    [&](TPixelPainter& p, const TRect& r) {
                      if (Style) p.Box(r, *Style);
                    });
}

void SetButton(TspDataSkinButtonControl& B, const TButtonFaces& Faces, int Atlas) {
  B.PictureIndex = Atlas;
  SetNinePart(B, Faces.Normal, 4);
  // The gradient runs down the sides and the middle: those stretch, the flat top and
  // bottom rows tile.
  B.LeftStretch = B.RightStretch = true;
  B.StretchEffect = true;
  B.ActiveSkinRect = Faces.Hot;
  B.DownSkinRect = Faces.Down;
  B.FocusedSkinRect = Faces.Focused;
  B.DisabledSkinRect = Faces.Disabled;
  B.FontName = FontName;
  B.FontHeight = FontHeight;
  B.FontColor = B.ActiveFontColor = B.DownFontColor = Text;
  B.DisabledFontColor = TextDisabled;
  B.Morphing = true;
}

void PaintPushButtons(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  const TButtonFaces faces{BoxFace(atlas, &ButtonNormal), BoxFace(atlas, &ButtonHot),
                           BoxFace(atlas, &ButtonDown), BoxFace(atlas, &ButtonFocused),
                           BoxFace(atlas, &ButtonDisabled)};
  for (const char* id : {"button", "resizebutton", "editbutton"})
    SetButton(Skin.AddControl<TspDataSkinButtonControl>(id, "button"), faces, Atlas);
}

// A menu marker: a small chevron drawn with a transparent colour.
TRect MenuMarker(TPictureAtlas& Atlas, TColor Colour) {
  return SlateKeyedGlyph(Atlas, 9, 6, Glyphs::ChevronDown, Colour, Face);
}

void PaintToolButtons(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  const TBoxStyle hot{RGBColor(196, 214, 233), AccentLight, AccentLight, 3};
  const TBoxStyle down{AccentHot, AccentSoft, AccentSoft, 3};
  // Flat until the pointer comes: the normal and disabled faces are the panel itself.
  const TButtonFaces tool{BoxFace(atlas, nullptr),
                          BoxFace(atlas, &hot),
                          BoxFace(atlas, &down),
                          {},
                          BoxFace(atlas, nullptr)};
  for (const char* id : {"toolbutton", "bigtoolbutton", "resizetoolbutton", "vtracktoolbutton",
                         "htracktoolbutton"}) {
    auto& b = Skin.AddControl<TspDataSkinButtonControl>(id, "button");
    SetButton(b, tool, Atlas);
    b.LeftStretch = b.RightStretch = b.StretchEffect = false;
  }

  // Buttons with a menu part: the same faces, and for the split ones a line that sets
  // the 15-pixel track part apart while the button is hot or pressed.
  const int32_t track = ButtonWidth - 15;
  const auto split = [&](const TBoxStyle& style) {
    return SlateImage(atlas, ButtonWidth, ButtonHeight, Face,
                      [&](TPixelPainter& p, const TRect& r) {
                        p.Box(r, style);
                        p.VLine(r.Left + track, r.Top + 3, r.Bottom - 3, style.Border);
                      });
  };
  const TButtonFaces splitFaces{tool.Normal, split(hot), split(down), {}, tool.Disabled};
  const TRect marker = MenuMarker(atlas, TextMuted);
  const TRect markerHot = MenuMarker(atlas, Text);
  struct TMenuButton {
    const char* IDName;
    const TButtonFaces& Faces;
  };
  for (const TMenuButton& m :
       {TMenuButton{"toolmenubutton", tool}, TMenuButton{"bigtoolmenubutton", tool},
        TMenuButton{"toolmenutrackbutton", splitFaces},
        TMenuButton{"bigtoolmenutrackbutton", splitFaces}}) {
    auto& b = Skin.AddControl<TspDataSkinMenuButtonControl>(m.IDName, "menubutton");
    SetButton(b, m.Faces, Atlas);
    b.LeftStretch = b.RightStretch = b.StretchEffect = false;
    b.TrackButtonRect = {track, 0, ButtonWidth, ButtonHeight};
    b.MenuMarkerRect = b.MenuMarkerFlatRect = marker;
    b.MenuMarkerActiveRect = b.MenuMarkerDownRect = markerHot;
    b.MenuMarkerTransparentColor = Key;
  }
}

// The small button that empties the edit beside it: a cross that a rounded backing
// shows up under the pointer. Its size is fixed.
void PaintDeleteButton(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  const auto face = [&](TColor Backing, TColor GlyphColour) {
    return SlateGlyphFace(atlas, 21, 21, Face, Backing, 3, Glyphs::SmallClose, GlyphColour);
  };
  auto& b = Skin.AddControl<TspDataSkinButtonControl>("buttondelete", "button");
  b.PictureIndex = Atlas;
  b.SkinRect = face(Face, TextMuted);
  b.ActiveSkinRect = face(HotNeutral, Text);
  b.DownSkinRect = face(DownNeutral, Text);
  b.DisabledSkinRect = face(Face, TextDisabled);
  b.FontName = FontName;
  b.FontHeight = FontHeight;
  b.FontColor = b.ActiveFontColor = b.DownFontColor = Text;
  b.DisabledFontColor = TextDisabled;
  b.Morphing = true;
}

// One mark of a check or radio box: a 13-pixel box or circle in a 15-pixel image whose
// outside (the bottom-left pixel among it) is the transparent colour.
TRect CheckMark(TPictureAtlas& Atlas, bool Radio, TColor BorderColour, TColor Fill,
                const TPixelGlyph* Mark, TColor MarkColour) {
  return SlateImage(Atlas, 15, 15, MarkBackdrop, [&](TPixelPainter& p, const TRect& r) {
    const TRect box = InflateRect(r, -1, -1);
    const int radius = Radio ? 7 : 2;
    p.Box(box, {BorderColour, Fill, Fill, radius});
    if (Mark) p.GlyphCentred(*Mark, box, MarkColour);
    if (Radio && !Mark && MarkColour != Fill) p.Disc(box.Left + 4, box.Top + 4, 5, MarkColour);
    KeyOutside(p, r, box, radius);
  });
}

void PaintCheckBoxes(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  // The face of a box that is not flat: the panel colour, with the mark at the left.
  const TRect face = SlateImage(atlas, 100, 20, Face, [](TPixelPainter&, const TRect&) {});
  for (const bool radio : {false, true}) {
    auto& c = Skin.AddControl<TspDataSkinCheckRadioControl>(radio ? "radiobox" : "checkbox",
                                                            "checkradio");
    c.PictureIndex = Atlas;
    c.SkinRect = c.ActiveSkinRect = face;
    SetCheckRadioLayout(c);
    c.FontName = FontName;
    c.FontHeight = FontHeight;
    c.FontColor = c.ActiveFontColor = c.FrameFontColor = Text;
    c.UnenabledFontColor = TextDisabled;

    const TPixelGlyph* check = radio ? nullptr : &Glyphs::CheckMark;
    const TPixelGlyph* grayed = radio ? nullptr : &Glyphs::GrayedMark;
    // A radio box is checked by a dot in its colour; a check box by a white mark on it.
    const TColor checkedFill = radio ? Window : Accent;
    const TColor hotFill = radio ? Window : AccentDark;
    c.UncheckImageRect = CheckMark(atlas, radio, MarkBorder, Window, nullptr, Window);
    c.CheckImageRect = CheckMark(atlas, radio, Accent, checkedFill, check, radio ? Accent : Window);
    c.GrayedCheckImageRect =
        CheckMark(atlas, radio, MarkBorder, Window, grayed, radio ? Window : Accent);
    c.ActiveUncheckImageRect = CheckMark(atlas, radio, Accent, Window, nullptr, Window);
    c.ActiveCheckImageRect =
        CheckMark(atlas, radio, AccentDark, hotFill, check, radio ? AccentDark : Window);
    c.ActiveGrayedCheckImageRect =
        CheckMark(atlas, radio, Accent, Window, grayed, radio ? Window : Accent);
    c.UnenabledUncheckImageRect =
        CheckMark(atlas, radio, BorderLight, DisabledFill, nullptr, DisabledFill);
    c.UnenabledCheckImageRect =
        CheckMark(atlas, radio, MarkDisabled, radio ? DisabledFill : MarkDisabled, check,
                  radio ? MarkDisabled : Window);
    c.UnenabledGrayedCheckImageRect = CheckMark(atlas, radio, BorderLight, DisabledFill, grayed,
                                                radio ? DisabledFill : MarkDisabled);
  }
}

}  // namespace

void PaintSlateButtons(TSkinBuilder& Skin) {
  const int atlas = Skin.AddAtlas("buttons.bmp", 256, Face);
  PaintPushButtons(Skin, atlas);
  PaintToolButtons(Skin, atlas);
  PaintDeleteButton(Skin, atlas);
  PaintCheckBoxes(Skin, atlas);
}
