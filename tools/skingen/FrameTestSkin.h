#pragma once
// The frame test skin: the flat-colour test skin's entries (each rectangle one flat colour
// that no other rectangle shares) around a window frame that carries every kind of frame
// object, for the window-frame tests. Text is never what a pixel test looks at.
//
// - The frame picture (400 x 140): the caption row (the caption, and the buttons
//   rectangle, which lies right of the middle so it moves with the right edge), the
//   main-menu row below it, the client part and a bottom band with the value and display
//   objects and the size-grip area. Each band, part and object place is a colour of its
//   own; the inactive frame picture repeats the parts in other colours, the inactive
//   effect (invert, which no flat colour survives unchanged) is on, and the mask cuts the
//   corners.
// - The caption: an active look, a text frame behind its text (inactive and active) and a
//   three-frame activation animation, frames one above the other.
// - In the bottom band's left corner, moving down with the bottom edge: "trackbarobject",
//   "switchobject", "framegaugeobject" (four frames side by side), "regulatorobject"
//   (round, four frames one above the other), "gaugeobject", "labelobject". In its right
//   corner, moving with the right-bottom corner: "userobject", "animateobject" (three
//   frames, a pressed and an inactive look, plays on hover), "bitlabelobject" (symbol
//   cells of their own colours), "pushbutton" and the grouped "groupbutton1" and
//   "groupbutton2", then the size-grip area, as large as the status bar's grip.
// - The roll-up picture (200 x 28) with a mask that cuts its corners: "rollupcaption"
//   widens between the roll-up points, "unrollbutton" (cmrollup, its normal look in the
//   roll-up picture) keeps to the right end.
// - The skin area "clientarea" grows with the window in both directions.

#include "SkinBuilder.h"

inline constexpr const char* FrameTestSkinName = "Flat frame";

void PaintFrameTestSkin(TSkinBuilder& Skin);
