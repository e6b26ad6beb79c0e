#pragma once
// A tool button with a menu part, without windows: where its 15-pixel track strip lies
// and which point opens the menu, the look of the button part and of the strip in each
// state, and which skin entries the button draws from.

#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/SkinData.h"

#include "base/Geometry.h"

#include <initializer_list>
#include <string>

// The strip's side: at the right edge, or (the new style only) at the bottom.
enum TspTrackPosition { sptpRight, sptpBottom };

inline constexpr int32_t MenuTrackStripSize = 15;

// The strip of a button of Size at Position, and the rest of the button beside it.
TRect TrackStrip(TSize Size, TspTrackPosition Position);
TRect ButtonPart(TSize Size, TspTrackPosition Position);

// The entries of plain tool buttons, which have no track part of their own: the button
// cuts its strip itself.
bool IsPlainToolButtonEntry(const std::string& Name);

// Where a button's own entry has its track part: the entry's track rectangle, moved with
// the right edge (WidthOnly) or the bottom edge (HeightOnly) by the button's growth
// beyond the entry's SkinRect.
TRect EntryTrackRect(const TRect& TrackButtonRect, const TRect& SkinRect, int32_t ResizeMode, TSize Size);

// The states the button part and the strip are drawn in: while its menu is open
// (Tracking) a button in track mode shows its part hot and the strip pressed, one without
// it is pressed whole; otherwise both show the button's State.
struct TspMenuButtonStates {
  TspPartState Button = TspPartState::Normal;
  TspPartState Strip = TspPartState::Normal;
};
TspMenuButtonStates MenuButtonStates(bool Tracking, bool TrackMode, TspPartState State);

// A button entry fitted to any size as a nine-part image cut at the entry's own corner
// points with its side and client stretching: the parts of resizable tool buttons and the
// cells of an images menu.
TspPartGeometry NinePartGeometry(const TspDataSkinCustomControl& Entry);

// The first control entry of Names that a loaded Data has; nullptr for none.
const TspDataSkinControl* FirstControlEntry(const TspSkinData* Data, std::initializer_list<const char*> Names);
