#pragma once
// Windows only. What the skinned controls with a caption share: the font of their text,
// and the morph between their normal and active images.

#include "skin/data/SkinKeywords.h"
#include "skin/data/SkinTypes.h"

#include <string>

class TBitmap;
class TFont;
class TspSkinData;

// The font an entry names for a control's text.
struct TspSkinFont {
  std::string Name;
  int32_t Height = 0;
  TFontStyles Style;
};

// Font := the entry's font when Skin is given, else Default's name, height and style;
// its character set that of Data's resource strings when Data has them, else Default's.
// The colour is left to the caller.
void SetSkinControlFont(TFont& Font, const TFont& Default, const TspSkinFont* Skin, TspSkinData* Data);

// From := From morphed towards To (of the same size) by Kf, 0 From to 1 To, with the
// routine of Kind.
void MorphImages(TBitmap& From, TBitmap& To, double Kf, TspMorphKind Kind);
