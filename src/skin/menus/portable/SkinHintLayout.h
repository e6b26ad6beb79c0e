#pragma once
// A skinned hint's size and place without windows: the window around its text (and, in
// the titled form, its bold title and image), framed by the skin's hint picture or by two
// plain pixels, and moved back onto the screen near its right and bottom edges.
//
// The skin's sizes are untrusted: sums are saturated, never overflowing.

#include "base/Geometry.h"

#include <optional>

// The skin's hint picture: its size, the text area and the four corner points.
struct TspHintSkinCut {
  TSize Picture;
  TRect ClRect;
  TPoint LT, RT, LB, RB;
};

// The hint window for some content, and with a skin the picture's cut moved to its size.
struct TspHintFrame {
  TSize Size;
  TRect NewClRect;
  TPoint NewLT, NewRT, NewLB, NewRB;
};

// The plain hint adds 5 pixels of width inside a skin's frame, the titled one 10.
inline constexpr int32_t PlainHintMargin = 5;
inline constexpr int32_t TitledHintMargin = 10;

// The window around Content. Without a skin (nullptr) 2 pixels on each side. With one
// the picture's borders around it and Margin more in width; where a corner point moved
// with the size would cross its partner (a small text in a large picture), the window
// grows until they meet.
TspHintFrame HintFrame(TSize Content, const TspHintSkinCut* Skin, int32_t Margin);

// The content of a titled hint: the text's extent, the title above it (Title 0 x 0 for
// none) 10 pixels apart, and an image (nullopt for none) 10 pixels left of both, at
// least 5 pixels below the title.
TSize TitledHintContent(TSize Text, TSize Title, std::optional<TSize> Image);

// Where a hint of Size asked for at At goes: left by its width + 2 when it would pass the
// screen's right edge, up by its height + 2 when it would pass its bottom.
TPoint HintPosition(TPoint At, TSize Size, TSize Screen);
