#pragma once
// Where a button puts its glyph and caption, which glyph of its strip and which state
// picture it shows, and how its morph between the normal and the hot picture steps:
// the button's rules without windows. The speed buttons place theirs the same way.

#include "SkinPartLook.h"

#include <cstdint>

enum TspButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The top-left corners of the glyph and of the caption.
struct TspButtonPlaces {
  TPoint Glyph;
  TPoint Text;
};

// Places a glyph of GW x GH and a caption of TW x TH in R: Margin pixels from the
// glyph's edge of R, the caption Spacing pixels beyond the glyph; with Margin -1 the
// two together are centred. The spacing counts also for a lone glyph or caption.
TspButtonPlaces CalcButtonLayout(TspButtonLayout Layout, const TRect& R, int32_t GW, int32_t GH, int32_t TW,
                                 int32_t TH, int32_t Margin, int32_t Spacing);

// The glyph of a strip of NumGlyphs (1-based) for a state: 3 down and hot, 4 hot, 1
// enabled, 2 disabled (when the strip has it).
int32_t GetGlyphNum(bool ADown, bool AActive, bool AEnabled, int32_t NumGlyphs);

// The state rectangles of a button-type entry as a button shows them: a missing hot
// picture is the normal one and a missing pressed picture the hot one; while a frame
// animation runs, frame Frame of the FrameCount frames of Strip (side by side when the
// strip is wider than the normal picture) shows in place of the hot picture (Forward)
// or of the normal one.
TspPartRects AnimatedButtonRects(TspPartRects Rects, bool Animating, const TRect& Strip, int32_t FrameCount,
                                 int32_t Frame, bool Forward);

// What decides the picture a push button shows.
struct TspButtonStateFlags {
  bool Enabled = true;
  bool HasDisabledLook = false;  // the skin has a disabled picture
  bool Down = false;
  bool MouseIn = false;
  bool FocusedAndCanFocus = false;
  bool PressedByMouse = false;
  bool Grouped = false;
  bool Animating = false;
  bool MorphedToActive = false;  // morphing is on and has reached the hot picture
};

// The state a button's picture shows (Hot is its active picture; a look the skin lacks
// falls back through PartLook): disabled with a disabled picture; down while the mouse
// is in, while held by the keyboard, or when grouped; focused unless an animation runs;
// normal when neither focused nor under the mouse (hot when a finished morph left it
// there); else hot.
TspPartState ButtonPartState(const TspButtonStateFlags& Flags);

// One 20 ms step of a morph towards the hot picture (TowardsActive) or back: the factor
// moves by 0.2 while it has not reached its end; Done is set once it has, and the
// factor is then exactly 1 or 0.
double NextMorphFactor(double Kf, bool TowardsActive, bool& Done);
