#pragma once
// How the skinned page control draws one tab, without windows: the values it copies from
// its skin entry with their fall-backs, the picture rectangle and font colour of a tab in
// its state, the room a tab's caption, image and close button take in the tab's bitmap,
// and the looks without a skin.

#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/SkinViewData.h"

#include "classlib/portable/ControlEnums.h"

#include <cstdint>

// A tab's state: the selected one, the one under the pointer, whether the control has
// the focus.
struct TspTabState {
  bool Active = false;
  bool MouseIn = false;
  bool Focused = false;
};

// The entry's values as the page control draws with them: an active tab the entry lacks
// looks like the others, a focused one like the active one as the entry has it. The
// close button's fall-backs (hot: the normal look; pressed: the hot one) are then written
// into Entry itself, so that every later copy carries them.
TspDataSkinTabControl CopyTabSkin(TspDataSkinTabControl& Entry);

// The picture rectangle of a tab: the hot tab's when the pointer is on an inactive tab
// and the entry has one, the focused tab's for the active tab of a focused control, the
// active tab's, else the normal tab's.
TRect TabSourceRect(const TspDataSkinTabControl& Skin, const TspTabState& State);
// Its caption's colour by the same states.
TColor TabFontColor(const TspDataSkinTabControl& Skin, const TspTabState& State);
// How much taller the active tab's picture is than the others' (negative when lower).
int32_t ActiveTabOverlap(const TspDataSkinTabControl& Skin);
// How much a tab of a fixed height grows toward the page: by the active (or, focused,
// the focused) picture's extra height; 0 for inactive tabs and lower pictures.
int32_t FixedHeightTabGrowth(const TspDataSkinTabControl& Skin, const TspTabState& State);
// The rectangle of Source (relative to it) whose corners cut it into a nine-part tab
// image: the tab end offsets wide at the sides, a quarter of the tab height at top and
// bottom.
TRect TabInnerRect(const TspDataSkinTabControl& Skin, const TRect& Source);
// The close button's picture rectangle: pressed, hot or normal.
TRect CloseButtonSource(const TspDataSkinTabControl& Skin, bool MouseIn, bool Pressed);

// How far an inactive tab's caption moves so that it sits in the middle of its lower
// picture: toward the tab's top edge as the bitmap is built (down for top and left tabs,
// up for bottom and right ones); 0 when both pictures are as tall or the tab is active.
int32_t TabCaptionShift(TTabPosition Position, const TspDataSkinTabControl& Skin, bool Active);

// Where the parts of a tab go in its W x H bitmap.
struct TspTabContent {
  TRect Caption;       // what the caption is centred in, the close button's room cut off
  TRect Close;         // the close button's room; empty without close buttons
  int32_t ImageShift;  // how far image and caption move down (or up) with an image
  int32_t ImageWidth;  // the width the image and caption are centred in
};
// Shift from TabCaptionShift; CloseWidth the close size + 2, or 0 without close buttons.
// A skinned tab leaves 3 more pixels before its close button.
TspTabContent TabContentLayout(int32_t W, int32_t H, int32_t Shift, bool HasImage, int32_t CloseWidth,
                               bool Skinned);

// An image ImageW x ImageH and a caption TextW x TextH centred side by side in a
// W x H tab, moved down by Dy: the image's top-left corner and the caption's rectangle.
struct TspImageAndText {
  TPoint Image;
  TRect Text;
};
TspImageAndText TabImageAndTextLayout(int32_t W, int32_t H, int32_t ImageW, int32_t ImageH, int32_t TextW,
                                      int32_t TextH, int32_t Dy);

// A tab without a skin: inactive tabs flat (the hot one in the hot fill), the active tab
// framed in navy on the hot fill, or on the pressed fill while the control has the focus.
TspDefaultLook DefaultTabLook(const TspTabState& State);
