#include "MemoLayout.h"

#include "skin/data/SkinRects.h"

#include <algorithm>
#include <limits>

namespace {

// Skin coordinates are untrusted: sums are worked in 64 bits and saturated back.
int32_t Saturate(int64_t Value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

TspMemoSkin MemoSkinOf(const TspDataSkinMemoControl& Entry) {
  TspMemoSkin skin;
  skin.PictureIndex = Entry.PictureIndex;
  skin.SkinRect = Entry.SkinRect;
  skin.ActiveSkinRect = IsNullRect(Entry.ActiveSkinRect) ? Entry.SkinRect : Entry.ActiveSkinRect;
  skin.DisabledSkinRect = Entry.DisabledSkinRect;
  skin.ClRect = Entry.ClRect;
  skin.Cut = {Entry.LTPoint, Entry.RTPoint, Entry.LBPoint, Entry.RBPoint, Entry.ClRect};
  skin.Sides = {Entry.LeftStretch, Entry.TopStretch, Entry.RightStretch, Entry.BottomStretch};
  skin.Fill = {Entry.StretchEffect, Entry.StretchType};
  skin.FontName = Entry.FontName;
  skin.FontStyle = Entry.FontStyle;
  skin.FontHeight = Entry.FontHeight;
  skin.FontColor = Entry.FontColor;
  skin.ActiveFontColor = Entry.ActiveFontColor;
  skin.BGColor = Entry.BGColor;
  skin.ActiveBGColor = Entry.ActiveBGColor;
  return skin;
}

TspPartState MemoState(bool Enabled, bool MouseOver, bool Focused) {
  if (!Enabled) return TspPartState::Disabled;
  return MouseOver || Focused ? TspPartState::Hot : TspPartState::Normal;
}

TspPartRects MemoRects(const TspMemoSkin& Skin) {
  TspPartRects rects;
  rects.Normal = Skin.SkinRect;
  rects.Hot = Skin.ActiveSkinRect;
  rects.Disabled = Skin.DisabledSkinRect;
  return rects;
}

TRect MemoInnerRect(const TRect& Client, const TspMemoSkin& Skin) {
  const int64_t left = int64_t{Client.Left} + Skin.ClRect.Left, top = int64_t{Client.Top} + Skin.ClRect.Top;
  const int64_t right = int64_t{Client.Right} - (int64_t{RectWidth(Skin.SkinRect)} - Skin.ClRect.Right);
  const int64_t bottom = int64_t{Client.Bottom} - (int64_t{RectHeight(Skin.SkinRect)} - Skin.ClRect.Bottom);
  return {Saturate(left), Saturate(top), Saturate(std::max(left, right)), Saturate(std::max(top, bottom))};
}

TRect MemoFormattingRect(const TRect& Client, const TspMemoSkin* Skin, bool BitMapBG) {
  int64_t left = Client.Left, top = Client.Top, right = Client.Right, bottom = Client.Bottom;
  if (Skin == nullptr) {
    left += BitMapBG ? 3 : 6;
    top += 2;
    right -= 4;
    bottom -= 2;
  } else {
    left += int64_t{Skin->ClRect.Left} + (BitMapBG ? 1 : 3);
    top += int64_t{Skin->ClRect.Top} + (BitMapBG ? 1 : 2);
    right -= int64_t{RectWidth(Skin->SkinRect)} - Skin->ClRect.Right + 3;
    bottom -= int64_t{RectHeight(Skin->SkinRect)} - Skin->ClRect.Bottom + 2;
  }
  right = std::max(right, left);
  bottom = std::max(bottom, top);
  return {Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}

TspExternalBar MemoExternalBar(const TspNativeScroll& Native, bool Vertical) {
  // A vertical range counts lines (Max is the last one); a horizontal one pixels.
  const int64_t extent = int64_t{Native.Max} + (Vertical ? 1 : 0);
  if (extent <= Native.Page) return {};
  return {true, Native.Max, Native.Page, Native.Position};
}

int32_t MemoDisabledLineCount(int32_t Height, int32_t LineHeight, int32_t LinesFromFirstVisible) {
  const int32_t fitting = std::max(1, Height / std::max(1, LineHeight));
  return std::clamp(LinesFromFirstVisible, 0, fitting);
}
