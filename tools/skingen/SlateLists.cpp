// Lists of the Slate skin: list boxes (plain, with a caption band, with check marks) and
// combo boxes. Items are white; the selected one takes the selection blue while the list
// has the focus and a quiet grey while it has not.
#include "SlateStyle.h"

#include "skin/data/SkinEditData.h"

namespace {

using namespace Slate;

constexpr TColor HeaderFill = RGBColor(240, 243, 246);
constexpr TColor SelectionIdle = RGBColor(222, 229, 237);
constexpr TColor CaptionText = RGBColor(44, 62, 80);

struct TItems {
  TRect Normal, Selected, Focused;
};

TItems PaintItems(TPictureAtlas& Atlas, int32_t Width, int32_t Height) {
  const auto item = [&](TColor fill) {
    return SlateImage(Atlas, Width, Height, Window, [&](TPixelPainter& p, const TRect& r) {
      if (fill != Window) p.RoundFill(r, 2, fill);
    });
  };
  return {item(Window), item(SelectionIdle), item(Selection)};
}

// A mark of the check list box, drawn on the white item.
TRect ListCheck(TPictureAtlas& Atlas, bool Checked) {
  return SlateImage(Atlas, 15, 15, Window, [&](TPixelPainter& p, const TRect& r) {
    const TRect box = InflateRect(r, -1, -1);
    p.Box(box, {Checked ? Accent : RGBColor(140, 153, 166), Checked ? Accent : Window,
                Checked ? Accent : Window, 2});
    if (Checked) p.GlyphCentred(Glyphs::CheckMark, box, Window);
  });
}

struct TListKind {
  const char* IDName;
  const char* Keyword;
  bool Caption;
};

void PaintListBoxes(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  const TRect plain = SlateImage(atlas, 40, 40, Face,
                                 [](TPixelPainter& p, const TRect& r) { p.Box(r, FieldNormal); });
  // With a caption: a header band whose right end holds the check, down and up buttons.
  const TRect &check = ListCheckButton, &down = ListDownButton, &up = ListUpButton;
  const TRect captioned = SlateImage(atlas, 100, 60, Face, [&](TPixelPainter& p, const TRect& r) {
    p.Box(r, FieldNormal);
    p.RoundFill({r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 21}, 2, HeaderFill, cnTop);
    p.HLine(r.Left + 1, r.Right - 1, r.Top + 21, Line);
    p.GlyphCentred(Glyphs::MenuCheck, OffsetRect(check, r.Left, r.Top), TextMuted);
    p.GlyphCentred(Glyphs::ChevronDown, OffsetRect(down, r.Left, r.Top), TextMuted);
    p.GlyphCentred(Glyphs::ChevronUp, OffsetRect(up, r.Left, r.Top), TextMuted);
  });
  const auto button = [&](const TRect& part, const TPixelGlyph& glyph, TColor backing) {
    return SlateGlyphFace(atlas, part.Width(), part.Height(), HeaderFill, backing, 2, glyph, Text);
  };
  atlas.NewRow();
  const TItems items = PaintItems(atlas, 40, 18);
  const TRect checked = ListCheck(atlas, true), unchecked = ListCheck(atlas, false);

  for (const TListKind& kind :
       {TListKind{"listbox", "listbox", false}, TListKind{"captionlistbox", "listbox", true},
        TListKind{"checklistbox", "checklistbox", false},
        TListKind{"captionchecklistbox", "checklistbox", true}}) {
    const bool isCheck = std::string(kind.Keyword) == "checklistbox";
    auto& l = isCheck ? Skin.AddControl<TspDataSkinCheckListBox>(kind.IDName, kind.Keyword)
                      : Skin.AddControl<TspDataSkinListBox>(kind.IDName, kind.Keyword);
    l.PictureIndex = Atlas;
    if (kind.Caption) {
      l.SkinRect = captioned;
      SetCaptionListLayout(l);
      l.CaptionFontName = FontName;
      l.CaptionFontHeight = FontHeight;
      l.CaptionFontStyle = {fsBold};
      l.CaptionFontColor = CaptionText;
      l.ActiveCheckButtonRect = button(check, Glyphs::MenuCheck, HotNeutral);
      l.DownCheckButtonRect = button(check, Glyphs::MenuCheck, DownNeutral);
      l.ActiveDownButtonRect = button(down, Glyphs::ChevronDown, HotNeutral);
      l.DownDownButtonRect = button(down, Glyphs::ChevronDown, DownNeutral);
      l.ActiveUpButtonRect = button(up, Glyphs::ChevronUp, HotNeutral);
      l.DownUpButtonRect = button(up, Glyphs::ChevronUp, DownNeutral);
    } else {
      SetCut(l, plain, 4, {2, 2, 38, 38});
    }
    l.ItemRect = items.Normal;
    l.ActiveItemRect = items.Selected;
    l.FocusItemRect = items.Focused;
    l.ItemLeftOffset = l.ItemRightOffset = 2;
    l.ItemTextRect = {isCheck ? 20 : 3, 0, 37, 18};
    NameListBars(l);
    l.FontName = FontName;
    l.FontHeight = FontHeight;
    l.FontColor = l.ActiveFontColor = l.FocusFontColor = Text;
    if (auto* c = dynamic_cast<TspDataSkinCheckListBox*>(&l)) {
      c->CheckImageRect = checked;
      c->UncheckImageRect = unchecked;
      c->ItemCheckRect = {2, 1, 17, 16};
    }
  }
}

void PaintComboBoxes(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  constexpr int32_t width = 60;
  struct TComboSize {
    const char* IDName;
    int32_t Height;
  };
  for (const TComboSize& size :
       {TComboSize{"combobox", 21}, TComboSize{"captioncombobox", 21},
        TComboSize{"toolcombobox", 21}, TComboSize{"statuscombobox", 17}}) {
    atlas.NewRow();
    const int32_t h = size.Height, margin = h > 17 ? 3 : 2;
    const TRect button{41, 2, width - 2, h - 2};
    const auto face = [&](const TBoxStyle& style, TColor arrow) {
      return SlateImage(atlas, width, h, Face, [&](TPixelPainter& p, const TRect& r) {
        p.Box(r, style);
        p.GlyphCentred(Glyphs::ChevronDown, OffsetRect(button, r.Left, r.Top), arrow);
      });
    };
    const auto overlay = [&](TColor backing, TColor under, TColor arrow) {
      return SlateGlyphFace(atlas, button.Width(), button.Height(), under, backing, 2,
                            Glyphs::ChevronDown, arrow);
    };
    auto& c = Skin.AddControl<TspDataSkinComboBox>(size.IDName, "combobox");
    c.PictureIndex = Atlas;
    c.SkinRect = face(FieldNormal, TextMuted);
    c.ActiveSkinRect = face(FieldActive, TextMuted);
    c.DisabledSkinRect = face(FieldDisabled, TextDisabled);
    c.LTPoint = {4, 0};
    c.RTPoint = {40, 0};  // the right end, with the button, keeps its size
    c.ClRect = {3, margin, 40, h - margin};
    c.ButtonRect = button;
    c.ActiveButtonRect = overlay(AccentLight, Window, Text);
    c.DownButtonRect = overlay(AccentSoft, Window, Text);
    c.UnenabledButtonRect = overlay(FieldDisabledFill, FieldDisabledFill, TextDisabled);
    const TItems items = PaintItems(atlas, c.ClRect.Width(), c.ClRect.Height());
    c.ItemRect = items.Normal;
    c.ActiveItemRect = items.Normal;
    c.FocusItemRect = items.Focused;
    c.ItemLeftOffset = c.ItemRightOffset = 3;
    c.ItemTextRect = {2, 0, c.ClRect.Width() - 2, c.ClRect.Height()};
    c.FontName = FontName;
    c.FontHeight = FontHeight;
    c.FontColor = c.ActiveFontColor = c.FocusFontColor = Text;
    c.ListBoxName = "listbox";
  }
}

}  // namespace

void PaintSlateLists(TSkinBuilder& Skin) {
  const int atlas = Skin.AddAtlas("lists.bmp", 256, Face);
  PaintListBoxes(Skin, atlas);
  PaintComboBoxes(Skin, atlas);
}
