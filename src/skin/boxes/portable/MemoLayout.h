#pragma once
// The skinned memo's rules without windows: the values it copies from its skin entry,
// the formatting rectangle that keeps the text inside the frame it draws in its own
// client area, what its external scroll bars show of the native scroll state, and how
// many lines a disabled memo draws itself.

#include "EditLayout.h"

#include <cstdint>
#include <string>

// What the memo draws with, copied from a "memo" entry. Its background and frame show
// the frame's looks by state (EditFrameState, EditFrameRects).
struct TspMemoSkin : TspEditFrameSkin {
  TSkinCut Cut;  // the corner points (and ClRect) the frame strips are cut at
  TSkinSides Sides;
  TSkinClientFill Fill;
  TColor BGColor = 0, ActiveBGColor = 0;
};

TspMemoSkin MemoSkinOf(const TspDataSkinMemoControl& Entry);

// The part of Client inside the skin's frame: Client less the margins of the skin's
// client rectangle in its skin rectangle. Never inverted.
TRect MemoInnerRect(const TRect& Client, const TspMemoSkin& Skin);

// The rectangle the text is formatted in, within Client, for a bordered memo: inside
// the default frame, or inside the skin's frame (closer to it when the skin's picture is
// the background, BitMapBG). Never inverted.
TRect MemoFormattingRect(const TRect& Client, const TspMemoSkin* Skin, bool BitMapBG);

// A native scroll bar's state (SCROLLINFO) and what an external bar shows of it.
struct TspNativeScroll {
  int32_t Min = 0;
  int32_t Max = 0;
  int32_t Page = 0;
  int32_t Position = 0;
};
struct TspExternalBar {
  bool Enabled = false;
  int32_t Max = 0;  // the range is 0 .. Max
  int32_t PageSize = 0;
  int32_t Position = 0;
};
// Disabled with range 0 .. 0 while everything fits (every line shows, or the width
// does), else the native range from 0 with the native page and position.
TspExternalBar MemoExternalBar(const TspNativeScroll& Native, bool Vertical);

// How many lines a disabled memo draws from its first visible line: one less than the
// lines that fit in its client height (the last may be cut by the formatting margins),
// at least one, and no more than the lines there are from there on.
int32_t MemoDisabledLineCount(int32_t ClientHeight, int32_t LineHeight, int32_t LinesFromFirstVisible);
