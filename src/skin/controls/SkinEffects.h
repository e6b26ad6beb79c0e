#pragma once
// Windows only. The skin effects of controls that fade between their normal and active
// pictures: whether the skin allows them, and the blend of the two pictures.

#include "skin/data/SkinKeywords.h"

class TBitmap;
class TspSkinData;

// Whether controls drawing from Data may morph and animate: a loaded skin whose effects
// are on.
bool SkinEffectsEnabled(const TspSkinData* Data);

// From := From morphed towards To (of the same size) by Kf, 0 From to 1 To, with the
// routine of Kind.
void MorphImages(TBitmap& From, TBitmap& To, double Kf, TspMorphKind Kind);
