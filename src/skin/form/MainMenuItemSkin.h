#pragma once
// TspMainMenuItemSkin: how a top-level main-menu item is drawn from its skin entry, in the
// window's frame ("mainmenuitem") or on the menu bar ("mainmenubaritem"): its faces cut
// from the entry's active picture as three-part images at the item's width, the frames
// of its animation strip, its font and caption colours, and its caption centred in the
// text area, which widens with the caption. Also what items drawn with and without a skin
// share: the caption's width in a font, writing the caption, and running an item's
// command.

#include "skin/form/portable/MainMenuItems.h"

#include "skin/data/SkinKeywords.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Graphics.h"

#include <string>

class TMenuItem;
class TspDataSkinMainMenuItem;

class TspMainMenuItemSkin {
public:
  // A copy of Entry's values; the faces are cut from Data's active picture of the entry
  // (none for an index outside the pictures, and then no hot face either).
  TspMainMenuItemSkin(TspSkinData* Data, const TspDataSkinMainMenuItem& Entry);

  // An item for a caption TextWidth wide: as wide as the look with its text area fitted to
  // the caption, as high as the look.
  TSize ItemSize(int32_t TextWidth) const;
  // The caption's place in an item Width wide (item coordinates).
  TRect CaptionRect(int32_t Width) const;
  // Whether the entry's frame animation may play with Data's effects.
  bool Animates(const TspSkinData* Data) const;
  // The font of the entry's captions.
  void AssignFont(TFont& Font) const;
  TColor FontColor(TspMenuItemFontColor Color) const;

  // Image := the item's face in Look at Width: the face's ends kept, its middle tiled, or
  // stretched with Stretch; a cross-fade by MorphKf for the Morph face, Frame of the strip
  // for the Animation face. False (Image untouched) when the skin gives nothing to cut.
  bool PaintFace(TBitmap& Image, TspMenuItemFace Face, int32_t Frame, double MorphKf, bool Stretch,
                 int32_t Width) const;

  TspSkinBitmap Picture;
  TRect SkinRect, ActiveSkinRect, DownRect, TextRect, AnimateSkinRect;
  int32_t ItemLeftOffset = 0;
  int32_t ItemRightOffset = 0;
  bool StretchEffect = false;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 0;
  bool InActiveAnimation = false;
  bool Morphing = false;
  TspMorphKind MorphKind = mkdefault;
  std::string FontName;
  int32_t FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColors[4] = {};  // by TspMenuItemFontColor

private:
  TRect FaceRect(TspMenuItemFace Face, int32_t Frame) const;
};

// The width of Caption written in Font on one line ("&" marks an accelerator and takes no
// room).
int32_t MenuCaptionWidth(const TFont& Font, const std::string& Caption);
// Writes Caption on one line centred in R with a clear background (Flags add the reading
// order).
void DrawMenuCaption(TCanvas& Canvas, const std::string& Caption, const TRect& R, TColor Color, UINT Flags);

// Runs a top-level item's command as its menu dispatches it (which clicks the item), or
// clicks the item when it is in no menu.
void RunMainMenuCommand(TMenuItem& Item);
