#pragma once
// Where the parts of each entry lie, shared by the program's own skin and the flat-colour
// test skin: the test skin keeps the program's sizes, so tests see the layout users get.
// The painters allocate and paint the pictures; these only set corner points, areas and
// part rectangles (relative to each entry's skin rectangle).

#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinViewData.h"
#include "skin/data/SkinWindowData.h"

#include "base/Geometry.h"

// The window frame pictures, their client part and the caption band (between the rounded
// corners and above the corner points' row, so it widens with the window).
inline constexpr int32_t FrameWidth = 96;
inline constexpr int32_t FrameHeight = 72;
inline constexpr TRect FrameClient{4, 28, 92, 68};
inline constexpr TRect CaptionBand{8, 1, 88, 27};

// Scroll bars and their thumbs.
inline constexpr int32_t ScrollBarSize = 16;
inline constexpr int32_t ScrollBarLength = 100;
inline constexpr int32_t ThumbThickness = 10;
inline constexpr int32_t ThumbLength = 24;

// The buttons in the header band of a list box with a caption.
inline constexpr TRect ListCheckButton{60, 3, 72, 18};
inline constexpr TRect ListDownButton{73, 3, 85, 18};
inline constexpr TRect ListUpButton{86, 3, 98, 18};

// SkinRect, corner points Inset pixels in from each of its corners and the client
// rectangle Client.
template <class TEntry>
void SetCut(TEntry& C, const TRect& SkinRect, int32_t Inset, const TRect& Client) {
  const int32_t w = SkinRect.Width(), h = SkinRect.Height();
  C.SkinRect = SkinRect;
  C.LTPoint = {Inset, Inset};
  C.RTPoint = {w - Inset, Inset};
  C.LBPoint = {Inset, h - Inset};
  C.RBPoint = {w - Inset, h - Inset};
  C.ClRect = Client;
}

// The same with the client rectangle Inset pixels in from each side.
template <class TEntry>
void SetNinePart(TEntry& C, const TRect& SkinRect, int32_t Inset) {
  SetCut(C, SkinRect, Inset,
         {Inset, Inset, SkinRect.Width() - Inset, SkinRect.Height() - Inset});
}

// The frame's corner points, client and caption rectangles and caption button row.
void SetFrameLayout(TspSkinFormInfo& Form);
// The main menu bar (60 x 22) and the entries it names.
void SetMenuBarLayout(TspDataSkinMainMenuBar& Bar);
// Popup window (40 x 40) and hint window (30 x 24) pictures.
void SetPopupLayout(TspDataSkinPopupWindow& Popup);
void SetHintLayout(TspDataSkinHintWindow& Hint);
// Check and radio boxes (100 x 20): the mark at the left, the text beside it.
void SetCheckRadioLayout(TspDataSkinCheckRadioControl& C);
// Spin edits 50 wide and Height high: two stacked buttons at the right end.
void SetSpinEditLayout(TspDataSkinSpinEditControl& S, int32_t Height);
// List boxes with a caption (100 x 60): the header band and its three buttons.
void SetCaptionListLayout(TspDataSkinListBox& L);
// The scroll-bar entries a list box's bars draw from.
void NameListBars(TspDataSkinListBox& L);
// Scroll bars: a button at each end, the track between, thumbs with whole rounded ends.
void SetScrollBarLayout(TspDataSkinScrollBarControl& S, bool Vertical);
// Up-down buttons: 17 x 30 one above the other, or 34 x 20 side by side.
void SetUpDownLayout(TspDataSkinUpDownControl& U, bool Vertical);
// Gauges Length long and Thickness thick with 4-pixel ends.
void SetGaugeLayout(TspDataSkinGaugeControl& G, bool Vertical, int32_t Length, int32_t Thickness);
// Track bars (20 x 60 or 60 x 20) with 6-pixel ends.
void SetTrackBarLayout(TspDataSkinTrackBarControl& T, bool Vertical);
// Splitters (6 x 40 or 40 x 6) with 4-pixel ends.
void SetSplitterLayout(TspDataSkinSplitterControl& S, bool Vertical);
