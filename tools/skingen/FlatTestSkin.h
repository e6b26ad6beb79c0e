#pragma once
// The flat-colour test skin. Every rectangle an entry names is one flat colour that no
// other rectangle of the skin shares, so a single pixel on the screen tells which
// rectangle a control drew: read the rectangle from the loaded skin and the colour from
// its picture. Its sizes follow the program's own skin (menu bar 22, status bar 19,
// scroll bars 16 pixels).
//
// - Images that controls draw with their bottom-left pixel as the transparent colour
//   (check and radio marks, menu marks, the status bar's grip, menu markers) have
//   FlatKeyColor in that one pixel only; entries with a fixed transparent colour name
//   FlatKeyColor and do not use it inside their images.
// - The frame picture's bands (top, left, right, bottom), its client part and the
//   caption's rectangle are each a colour of their own; the frame, the popup window and
//   the hint window have masks that cut 2-pixel squares off their corners.
// - Menu items: "menuitem" has a frame animation (three frames side by side) and
//   morphing; "mainmenubaritem" an animation only; "MAINMENUITEM", the items a window
//   draws in its own frame, morphing only. With the skin data's effects off, all paint
//   their plain looks.
// - The entries the program's windows look up besides the required ones are there too:
//   "combobutton", "menuheader" and "menuitembutton".

#include "FlatPainter.h"

#include "skin/data/SkinObjectData.h"

#include <string>

inline constexpr const char* FlatTestSkinName = "Flat colours";

void PaintFlatTestSkin(TSkinBuilder& Skin);

// The parts the frame test skin shares, each painting in F's next colours: the ten skin
// colours; a caption at SkinRect of its frame picture (its active look in the atlas, its
// text 6 pixels in from the left); the caption buttons (every look in the atlas, 28 x 21,
// the system-menu button 22 x 21); and everything but the frame (the menu bar and its
// items and buttons, popup and hint windows, menu items and all controls).
void PaintFlatSkinColors(TSkinBuilder& Skin, TFlatPainter& F);
TspDataSkinCaption& PaintFlatCaption(TSkinBuilder& Skin, TFlatPainter& F, const std::string& IDName,
                                     const TRect& SkinRect);
void PaintFlatCaptionButtons(TSkinBuilder& Skin, TFlatPainter& F);
void PaintFlatMenusAndControls(TSkinBuilder& Skin, TFlatPainter& F);
