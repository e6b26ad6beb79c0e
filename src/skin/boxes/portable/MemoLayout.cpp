#include "MemoLayout.h"

#include "base/IntMath.h"

#include "skin/data/SkinRects.h"

#include <algorithm>

using IntMath::Saturated;

TspMemoSkin MemoSkinOf(const TspDataSkinMemoControl& Entry) {
  TspMemoSkin skin;
  CopyEditFrameSkin(Entry, skin);
  skin.Cut = {Entry.LTPoint, Entry.RTPoint, Entry.LBPoint, Entry.RBPoint, Entry.ClRect};
  skin.Sides = {Entry.LeftStretch, Entry.TopStretch, Entry.RightStretch, Entry.BottomStretch};
  skin.Fill = {Entry.StretchEffect, Entry.StretchType};
  skin.BGColor = Entry.BGColor;
  skin.ActiveBGColor = Entry.ActiveBGColor;
  return skin;
}

TRect MemoInnerRect(const TRect& Client, const TspMemoSkin& Skin) {
  const int64_t left = int64_t{Client.Left} + Skin.ClRect.Left, top = int64_t{Client.Top} + Skin.ClRect.Top;
  const int64_t right = int64_t{Client.Right} - (int64_t{RectWidth(Skin.SkinRect)} - Skin.ClRect.Right);
  const int64_t bottom = int64_t{Client.Bottom} - (int64_t{RectHeight(Skin.SkinRect)} - Skin.ClRect.Bottom);
  return {Saturated(left), Saturated(top), Saturated(std::max(left, right)),
          Saturated(std::max(top, bottom))};
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
  return {Saturated(left), Saturated(top), Saturated(right), Saturated(bottom)};
}

TspExternalBar MemoExternalBar(const TspNativeScroll& Native, bool Vertical) {
  // A vertical range counts lines (Max is the last one); a horizontal one pixels.
  const int64_t extent = int64_t{Native.Max} + (Vertical ? 1 : 0);
  if (extent <= Native.Page) return {};
  return {true, Native.Max, Native.Page, Native.Position};
}

int32_t MemoDisabledLineCount(int32_t ClientHeight, int32_t LineHeight, int32_t LinesFromFirstVisible) {
  // A memo of one line (or less) still shows that line: one less would show no text.
  const int32_t drawn = std::max(1, ClientHeight / std::max(1, LineHeight) - 1);
  return std::clamp(LinesFromFirstVisible, 0, drawn);
}
