// The window frame of the Slate skin: the frame pictures and their mask, the caption,
// the caption buttons, the main menu bar with its items, and the buttons a maximized MDI
// child puts on the bar.
#include "SlateStyle.h"

#include "skin/data/SkinViewData.h"

namespace {

using namespace Slate;

constexpr int32_t FrameRadius = 6;
constexpr TColor CaptionTextInactive = RGBColor(128, 138, 148);
constexpr TColor GlyphColor = RGBColor(58, 70, 82);

TPixelImage FramePicture(TColor Outline) {
  TPixelImage image(FrameWidth, FrameHeight);
  TPixelPainter p(image);
  p.Fill({0, 0, FrameWidth, FrameHeight}, Chrome);
  p.Box({0, 0, FrameWidth, FrameHeight}, {Outline, Chrome, Chrome, FrameRadius});
  p.Fill(FrameClient, Face);
  return image;
}

void PaintFramePictures(TSkinBuilder& Skin) {
  // The frame looks the same whether the window is active or not, but for its outline.
  Skin.SetFramePicture(FramePicture(OutlineActive));
  Skin.SetInactiveFramePicture(FramePicture(OutlineInactive));
  Skin.SetFrameMask(
      RoundMask(FrameWidth, FrameHeight, {0, 0, FrameWidth, FrameHeight}, FrameRadius));
  SetFrameLayout(Skin.FormInfo);
}

struct TButtonLooks {
  TRect Normal, Hot, Down, Inactive;
};

// A caption button: the caption band, a rounded backing when hot or pressed, the glyph.
TButtonLooks CaptionButtonLooks(TPictureAtlas& Atlas, int32_t Width, const TPixelGlyph& Glyph,
                                TColor GlyphColour, bool Close) {
  const auto face = [&](TColor backing, TColor colour) {
    return SlateGlyphFace(Atlas, Width, 21, Chrome, backing, 3, Glyph, colour);
  };
  const TColor glyphOnBacking = Close ? Window : GlyphColour;
  return {face(Chrome, GlyphColour), face(Close ? CloseHot : HotNeutral, glyphOnBacking),
          face(Close ? CloseDown : DownNeutral, glyphOnBacking), face(Chrome, TextDisabled)};
}

void AddCaptionButton(TSkinBuilder& Skin, int Atlas, const char* IDName,
                      TspStdButtonCommand Command, const TButtonLooks& Looks,
                      const TButtonLooks* Restore) {
  auto& b = Skin.AddObject<TspDataSkinStdButton>(IDName, "stdbutton");
  b.Command = Command;
  b.SkinRectInAPicture = true;  // drawn from the atlas and laid in the caption's button row
  b.ActivePictureIndex = Atlas;
  b.SkinRect = Looks.Normal;
  b.ActiveSkinRect = Looks.Hot;
  b.DownRect = Looks.Down;
  b.InActiveSkinRect = Looks.Inactive;
  b.Morphing = true;
  if (Restore) {
    b.RestoreRect = Restore->Normal;
    b.RestoreActiveRect = Restore->Hot;
    b.RestoreDownRect = Restore->Down;
    b.RestoreInActiveRect = Restore->Inactive;
  }
}

void PaintCaption(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  auto& caption = Skin.AddObject<TspDataSkinCaption>("caption", "caption");
  caption.SkinRect = CaptionBand;
  caption.ActivePictureIndex = Atlas;
  caption.ActiveSkinRect = SlateImage(atlas, CaptionBand.Width(), CaptionBand.Height(), Chrome,
                                      [](TPixelPainter&, const TRect&) {});
  caption.TextRect = {6, 0, CaptionBand.Width() - 4, CaptionBand.Height()};
  caption.FontName = FontName;
  caption.FontHeight = FontHeight;
  caption.FontStyle = {fsBold};
  caption.FontColor = CaptionTextInactive;
  caption.ActiveFontColor = Text;
  caption.Alignment = taLeftJustify;

  const TButtonLooks close = CaptionButtonLooks(atlas, 28, Glyphs::Close, GlyphColor, true);
  const TButtonLooks maximize = CaptionButtonLooks(atlas, 28, Glyphs::Maximize, GlyphColor, false);
  const TButtonLooks restore = CaptionButtonLooks(atlas, 28, Glyphs::Restore, GlyphColor, false);
  const TButtonLooks minimize = CaptionButtonLooks(atlas, 28, Glyphs::Minimize, GlyphColor, false);
  const TButtonLooks rollUp = CaptionButtonLooks(atlas, 28, Glyphs::RollUp, GlyphColor, false);
  const TButtonLooks rollDown = CaptionButtonLooks(atlas, 28, Glyphs::RollDown, GlyphColor, false);
  const TButtonLooks toTray = CaptionButtonLooks(atlas, 28, Glyphs::ToTray, GlyphColor, false);
  const TButtonLooks system = CaptionButtonLooks(atlas, 22, Glyphs::Note, Accent, false);
  AddCaptionButton(Skin, Atlas, "closebutton", cmclose, close, nullptr);
  AddCaptionButton(Skin, Atlas, "minimizebutton", cmminimize, minimize, &restore);
  AddCaptionButton(Skin, Atlas, "maximizebutton", cmmaximize, maximize, &restore);
  AddCaptionButton(Skin, Atlas, "rollupbutton", cmrollup, rollUp, &rollDown);
  AddCaptionButton(Skin, Atlas, "sysmenubutton", cmsysmenu, system, nullptr);
  AddCaptionButton(Skin, Atlas, "traybutton", cmminimizetotray, toTray, nullptr);
}

// A face of the menu bar's items: hot and pressed items sit in a soft rounded box.
TRect MenuBarItemFace(TPictureAtlas& Atlas, const TBoxStyle* Style) {
  return SlateImage(Atlas, 30, 20, FaceLight, [&](TPixelPainter& p, const TRect& r) {
    if (Style) p.Box(r, *Style);
  });
}

TRect MenuBarButtonFace(TPictureAtlas& Atlas, TColor Backing, const TPixelGlyph& Glyph,
                        TColor GlyphColour) {
  return SlateGlyphFace(Atlas, 16, 16, FaceLight, Backing, 2, Glyph, GlyphColour);
}

void PaintMenuBar(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  auto& bar = Skin.AddControl<TspDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
  bar.PictureIndex = Atlas;
  bar.SkinRect = SlateImage(atlas, 60, 22, FaceLight, [](TPixelPainter&, const TRect&) {});
  SetMenuBarLayout(bar);
  bar.TrackMarkColor = TextMuted;
  bar.TrackMarkActiveColor = Accent;

  const TBoxStyle hot{RGBColor(196, 214, 233), AccentLight, AccentLight, 3};
  const TBoxStyle down{AccentHot, AccentSoft, AccentSoft, 3};
  auto& item = Skin.AddObject<TspDataSkinMainMenuBarItem>("mainmenubaritem", "mainmenubaritem");
  item.ActivePictureIndex = Atlas;
  item.SkinRect = MenuBarItemFace(atlas, nullptr);
  item.ActiveSkinRect = MenuBarItemFace(atlas, &hot);
  item.DownRect = MenuBarItemFace(atlas, &down);
  item.TextRect = {8, 0, 22, 20};
  item.ItemLeftOffset = 4;
  item.ItemRightOffset = 4;
  item.FontName = FontName;
  item.FontHeight = FontHeight;
  item.FontColor = Text;
  item.ActiveFontColor = Text;
  item.DownFontColor = Text;
  item.UnenabledFontColor = TextDisabled;
  item.Morphing = true;

  struct TBarButton {
    const char* IDName;
    TspStdButtonCommand Command;
    const TPixelGlyph& Glyph;
    TColor Colour;
  };
  const TBarButton buttons[] = {{"menubarsysmenubutton", cmsysmenu, Glyphs::Note, Accent},
                                {"menubarclosebutton", cmclose, Glyphs::Close, GlyphColor},
                                {"menubarmaxbutton", cmmaximize, Glyphs::Restore, GlyphColor},
                                {"menubarminbutton", cmminimize, Glyphs::Minimize, GlyphColor}};
  for (const TBarButton& button : buttons) {
    auto& b = Skin.AddObject<TspDataSkinMainMenuBarButton>(button.IDName, "mainmenubarbutton");
    b.Command = button.Command;
    b.SkinRectInAPicture = true;
    b.ActivePictureIndex = Atlas;
    b.SkinRect = MenuBarButtonFace(atlas, FaceLight, button.Glyph, button.Colour);
    b.ActiveSkinRect = MenuBarButtonFace(atlas, HotNeutral, button.Glyph, button.Colour);
    b.DownRect = MenuBarButtonFace(atlas, DownNeutral, button.Glyph, button.Colour);
    b.Morphing = true;
  }
}

}  // namespace

void PaintSlateFrame(TSkinBuilder& Skin) {
  PaintFramePictures(Skin);
  const int atlas = Skin.AddAtlas("caption.bmp", 256, Chrome);
  PaintCaption(Skin, atlas);
  PaintMenuBar(Skin, atlas);
}
