// Popup menus and hints of the Slate skin: the popup window with its rounded mask, the
// menu items with their marks, and the hint window with its mask.
#include "SlateStyle.h"

namespace {

using namespace Slate;

constexpr int32_t ItemWidth = 60;
constexpr int32_t ItemHeight = 22;

// A window picture, used whole: a rounded box of Width x Height, and its mask.
struct TWindowPicture {
  int Picture;
  int Mask;
};

TWindowPicture AddWindowPicture(TSkinBuilder& Skin, const char* Name, int32_t Width, int32_t Height,
                                const TBoxStyle& Style) {
  TPixelImage picture(Width, Height);
  TPixelPainter p(picture);
  p.Fill({0, 0, Width, Height}, Style.FillTop);
  p.Box({0, 0, Width, Height}, Style);
  const std::string name(Name);
  return {Skin.AddPicture(name + ".bmp", std::move(picture)),
          Skin.AddPicture(name + "mask.bmp",
                          RoundMask(Width, Height, {0, 0, Width, Height}, Style.Radius), true)};
}

// A mark drawn over menu items, whose soft edges suit the white item.
TRect MenuMark(TPictureAtlas& Atlas, int32_t Width, const TPixelGlyph& Glyph, TColor Colour) {
  return SlateKeyedGlyph(Atlas, Width, 12, Glyph, Colour, Window);
}

void PaintPopupWindow(TSkinBuilder& Skin) {
  const TWindowPicture window = AddWindowPicture(Skin, "menu", 40, 40, {Border, Window, Window, 4});
  TspDataSkinPopupWindow& popup = Skin.PopupWindow.emplace();
  popup.WindowPictureIndex = window.Picture;
  popup.MaskPictureIndex = window.Mask;
  SetPopupLayout(popup);
  popup.ScrollMarkerColor = TextMuted;
  popup.ScrollMarkerActiveColor = Accent;
}

void PaintMenuItems(TSkinBuilder& Skin) {
  const int index = Skin.AddAtlas("menuitems.bmp", 128, Window);
  TPictureAtlas& atlas = Skin.Atlas(index);
  auto& item = Skin.AddObject<TspDataSkinMenuItem>("menuitem", "menuitem");
  item.ActivePictureIndex = index;
  item.SkinRect =
      SlateImage(atlas, ItemWidth, ItemHeight, Window, [](TPixelPainter&, const TRect&) {});
  item.ActiveSkinRect =
      SlateImage(atlas, ItemWidth, ItemHeight, Window, [](TPixelPainter& p, const TRect& r) {
        p.Box(InflateRect(r, 0, -1), {RGBColor(196, 214, 233), AccentLight, AccentLight, 3});
      });
  item.ItemLeftOffset = 5;
  item.ItemRightOffset = 5;
  item.DividerRect = SlateImage(atlas, ItemWidth, 7, Window, [](TPixelPainter& p, const TRect& r) {
    p.HLine(r.Left + 6, r.Right - 6, r.Top + 3, Line);
  });
  item.DividerLeftOffset = 6;
  item.DividerRightOffset = 6;
  item.TextRect = {26, 0, ItemWidth - 8, ItemHeight};
  item.ImageRect = {5, 3, 21, 19};
  item.FontName = FontName;
  item.FontHeight = FontHeight;
  item.FontColor = Text;
  item.ActiveFontColor = Text;
  item.UnenabledFontColor = TextDisabled;
  item.CheckImageRect = MenuMark(atlas, 12, Glyphs::MenuCheck, Text);
  item.RadioImageRect = MenuMark(atlas, 12, Glyphs::RadioDot, Text);
  item.ArrowImageRect = MenuMark(atlas, 8, Glyphs::ChevronRight, TextMuted);
  item.Morphing = true;
}

void PaintHintWindow(TSkinBuilder& Skin) {
  const TWindowPicture window = AddWindowPicture(
      Skin, "hint", 30, 24,
      {RGBColor(150, 163, 176), RGBColor(250, 251, 252), RGBColor(250, 251, 252), 4});
  TspDataSkinHintWindow& hint = Skin.HintWindow.emplace();
  hint.WindowPictureIndex = window.Picture;
  hint.MaskPictureIndex = window.Mask;
  SetHintLayout(hint);
  hint.FontName = FontName;
  hint.FontHeight = FontHeight;
  hint.FontColor = Text;
}

}  // namespace

void PaintSlateMenus(TSkinBuilder& Skin) {
  PaintPopupWindow(Skin);
  PaintMenuItems(Skin);
  PaintHintWindow(Skin);
}
