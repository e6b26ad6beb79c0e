#pragma once
// How an MDI tabs bar draws its tabs from the skin's "tab" entry, without windows: the
// entry's values with the bar's fall-backs, a tab's picture rectangle and caption colour
// in its state, and the close button's size.

#include "skin/data/SkinViewData.h"

#include <cstdint>

// Entry with each empty look replaced: the active and hot tabs by the normal tab, the hot
// and pressed close buttons by the one before.
TspDataSkinTabControl MDITabsSkinOf(const TspDataSkinTabControl& Entry);

// The active tab's look, else the hot one's, else the normal one's.
TRect MDITabSourceRect(const TspDataSkinTabControl& Skin, bool Active, bool MouseIn);
TColor MDITabFontColor(const TspDataSkinTabControl& Skin, bool Active, bool MouseIn);

// The close button's side: the skin's close look's width, else the default 14.
inline constexpr int32_t DefaultMDITabCloseSize = 14;
int32_t MDITabCloseSize(const TspDataSkinTabControl* Skin);
