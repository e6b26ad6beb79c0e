#include "SkinHintLayout.h"

#include "base/IntMath.h"

#include <algorithm>
#include <utility>

using IntMath::Saturated;

namespace {

// Grows Size (width or height) until the far corner, moved by Size - Picture, no longer
// lies before its near partner; the two pairs of corners one after the other.
int32_t Uncrossed(int64_t Size, int64_t Picture, int32_t Near1, int32_t Far1, int32_t Near2, int32_t Far2) {
  for (const auto& [nearer, farther] : {std::pair{Near1, Far1}, std::pair{Near2, Far2}}) {
    const int64_t moved = farther + (Size - Picture);
    if (moved < nearer) Size += nearer - moved;
  }
  return Saturated(Size);
}

}  // namespace

TspHintFrame HintFrame(TSize Content, const TspHintSkinCut* Skin, int32_t Margin) {
  TspHintFrame frame;
  if (Skin == nullptr) {
    frame.Size = {Saturated(int64_t{Content.cx} + 4), Saturated(int64_t{Content.cy} + 4)};
    return frame;
  }
  const TspHintSkinCut& s = *Skin;
  const int64_t width = int64_t{Content.cx} + s.ClRect.Left + (int64_t{s.Picture.cx} - s.ClRect.Right) + Margin;
  const int64_t height = int64_t{Content.cy} + s.ClRect.Top + (int64_t{s.Picture.cy} - s.ClRect.Bottom);
  frame.Size.cx = Uncrossed(width, s.Picture.cx, s.LT.X, s.RT.X, s.LB.X, s.RB.X);
  frame.Size.cy = Uncrossed(height, s.Picture.cy, s.LT.Y, s.LB.Y, s.RT.Y, s.RB.Y);
  const int32_t dW = Saturated(int64_t{frame.Size.cx} - s.Picture.cx);
  const int32_t dH = Saturated(int64_t{frame.Size.cy} - s.Picture.cy);
  auto moved = [](TPoint P, int32_t DX, int32_t DY) {
    return TPoint{Saturated(int64_t{P.X} + DX), Saturated(int64_t{P.Y} + DY)};
  };
  frame.NewClRect = {s.ClRect.Left, s.ClRect.Top, Saturated(int64_t{s.ClRect.Right} + dW),
                     Saturated(int64_t{s.ClRect.Bottom} + dH)};
  frame.NewLT = s.LT;
  frame.NewRT = moved(s.RT, dW, 0);
  frame.NewLB = moved(s.LB, 0, dH);
  frame.NewRB = moved(s.RB, dW, dH);
  return frame;
}

TSize TitledHintContent(TSize Text, TSize Title, std::optional<TSize> Image) {
  int64_t width = Text.cx;
  int64_t height = Text.cy;
  int64_t titleHeight = 0;
  if (Title.cx > 0 || Title.cy > 0) {
    height += int64_t{Title.cy} + 10;
    width = std::max<int64_t>(width, Title.cx);
    titleHeight = Title.cy;
  }
  if (Image) {
    width += int64_t{Image->cx} + 10;
    height = std::max<int64_t>(height, Image->cy + titleHeight + 5);
  }
  return {Saturated(width), Saturated(height)};
}

TPoint HintPosition(TPoint At, TSize Size, TSize Screen) {
  int64_t x = At.X;
  int64_t y = At.Y;
  if (x + Size.cx > Screen.cx) x -= int64_t{Size.cx} + 2;
  if (y + Size.cy > Screen.cy) y -= int64_t{Size.cy} + 2;
  return {Saturated(x), Saturated(y)};
}
