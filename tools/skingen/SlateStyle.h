#pragma once
// The palette and shared painting helpers of the program's own skin, "Slate": light
// cool greys, a slate outline around each window and one blue accent for focus, hover
// and selection. The Slate*.cpp files paint its parts with them.

#include "PixelPainter.h"
#include "SkinBuilder.h"
#include "SkinLayout.h"

#include <functional>

namespace Slate {

inline constexpr TColor Face = RGBColor(238, 241, 244);       // window and panel background
inline constexpr TColor FaceLight = RGBColor(247, 248, 250);  // menu bar, pages, group boxes
inline constexpr TColor Chrome = RGBColor(226, 231, 236);     // caption band and frame border
inline constexpr TColor Window = RGBColor(255, 255, 255);     // text fields and lists
inline constexpr TColor Text = RGBColor(31, 42, 53);
inline constexpr TColor TextMuted = RGBColor(96, 108, 120);
inline constexpr TColor TextDisabled = RGBColor(160, 169, 178);
inline constexpr TColor Border = RGBColor(168, 179, 190);
inline constexpr TColor BorderLight = RGBColor(205, 213, 220);
inline constexpr TColor Line = RGBColor(214, 220, 226);
inline constexpr TColor Accent = RGBColor(46, 110, 172);
inline constexpr TColor AccentDark = RGBColor(33, 88, 142);
inline constexpr TColor AccentHot = RGBColor(128, 166, 204);    // borders of hot items
inline constexpr TColor AccentLight = RGBColor(222, 234, 246);  // hover fill
inline constexpr TColor AccentSoft = RGBColor(200, 219, 239);   // pressed and selected fill
inline constexpr TColor Selection = RGBColor(207, 225, 243);
inline constexpr TColor HotNeutral = RGBColor(212, 219, 227);
inline constexpr TColor DownNeutral = RGBColor(193, 202, 212);
inline constexpr TColor CloseHot = RGBColor(212, 80, 74);
inline constexpr TColor CloseDown = RGBColor(176, 62, 57);
inline constexpr TColor OutlineActive = RGBColor(108, 124, 140);
inline constexpr TColor OutlineInactive = RGBColor(178, 188, 198);
inline constexpr TColor Track = RGBColor(240, 242, 245);  // scroll bar track
inline constexpr TColor Thumb = RGBColor(190, 199, 208);
inline constexpr TColor ThumbHot = RGBColor(160, 171, 183);
inline constexpr TColor ThumbDown = RGBColor(126, 140, 154);
// Images drawn with a transparent colour: the colour that is left out.
inline constexpr TColor Key = RGBColor(255, 0, 255);

// The push-button looks, shared by every entry drawn as a button: a soft top-to-bottom
// fall of light.
inline constexpr TColor ButtonTop = RGBColor(253, 253, 254);
inline constexpr TColor ButtonBottom = RGBColor(234, 238, 242);
inline constexpr TColor HotTop = RGBColor(250, 252, 254);
inline constexpr TColor HotBottom = RGBColor(224, 235, 246);
inline constexpr TColor DownTop = RGBColor(203, 218, 234);
inline constexpr TColor DownBottom = RGBColor(214, 227, 240);
inline constexpr TColor DownBorder = RGBColor(98, 135, 172);
inline constexpr TColor DisabledFill = RGBColor(244, 246, 248);
inline constexpr TBoxStyle ButtonNormal{Border, ButtonTop, ButtonBottom, 3};
inline constexpr TBoxStyle ButtonHot{AccentHot, HotTop, HotBottom, 3};
inline constexpr TBoxStyle ButtonDown{DownBorder, DownTop, DownBottom, 3};
inline constexpr TBoxStyle ButtonFocused{Accent, ButtonTop, ButtonBottom, 3};
inline constexpr TBoxStyle ButtonDisabled{BorderLight, DisabledFill, DisabledFill, 3};

// Text fields: white with a thin border, the accent when hot or focused.
inline constexpr TColor FieldDisabledFill = RGBColor(246, 247, 249);
inline constexpr TBoxStyle FieldNormal{Border, Window, Window, 3};
inline constexpr TBoxStyle FieldActive{Accent, Window, Window, 3};
inline constexpr TBoxStyle FieldDisabled{BorderLight, FieldDisabledFill, FieldDisabledFill, 3};

inline constexpr const char* FontName = "Tahoma";
inline constexpr int32_t FontHeight = 13;
// The windows' own 8-point size: a grid's fixed cells, whose row numbers fill narrow
// columns.
inline constexpr int32_t SmallFontHeight = 11;

}  // namespace Slate

// Allocates a Width x Height image in Atlas, fills it with Backdrop, lets Paint draw it
// (with the image's rectangle) and returns that rectangle.
TRect SlateImage(TPictureAtlas& Atlas, int32_t Width, int32_t Height, TColor Backdrop,
                 const std::function<void(TPixelPainter&, const TRect&)>& Paint);

// A glyph centred in a Width x Height image drawn with a transparent colour: every pixel
// outside the glyph is Slate::Key, and the glyph's soft edges are blended over Over,
// the colour the image is drawn on.
TRect SlateKeyedGlyph(TPictureAtlas& Atlas, int32_t Width, int32_t Height, const TPixelGlyph& Glyph,
                      TColor Colour, TColor Over);

// A button face of Width x Height on Under: a rounded backing of Radius in Backing (none
// when Backing is Under) and Glyph centred on it in GlyphColour.
TRect SlateGlyphFace(TPictureAtlas& Atlas, int32_t Width, int32_t Height, TColor Under,
                     TColor Backing, int Radius, const TPixelGlyph& Glyph, TColor GlyphColour);

// Sets every pixel of R outside the rounded rectangle Box to Slate::Key, so that the image
// is drawn with the transparent colour around the shape.
void KeyOutside(TPixelPainter& P, const TRect& R, const TRect& Box, int Radius);

// The parts of the skin, each in its own file.
void PaintSlateFrame(TSkinBuilder& Skin);
void PaintSlateMenus(TSkinBuilder& Skin);
void PaintSlateButtons(TSkinBuilder& Skin);
void PaintSlatePanels(TSkinBuilder& Skin);
void PaintSlateFields(TSkinBuilder& Skin);
void PaintSlateLists(TSkinBuilder& Skin);
void PaintSlateBars(TSkinBuilder& Skin);
