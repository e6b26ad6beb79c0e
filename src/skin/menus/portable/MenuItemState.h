#pragma once
// The state of one drawn menu item without windows: hot, open, in view, highlighted by a
// key, and its animation (a strip of frames or a cross-fade between the normal and the
// hot look), stepped by the level's animation timer. Also the fade-in of a new level.

#include "skin/data/SkinObjectData.h"

#include <cstdint>
#include <functional>

struct TspMenuItemState {
  bool Active = false;       // hot
  bool Opened = false;       // its submenu is open
  bool InView = true;        // laid out between the level's markers
  bool KeySelected = false;  // hot without the pointer: by a key, an accelerator or at opening
  int32_t FrameIndex = 0;    // animation frame; 0 and the frame count + 1 are resting states
  double MorphKf = 0;        // cross-fade from the normal (0) to the hot look (1)

  // Drawn with the hot look.
  bool ShowsActive() const { return Active || Opened; }
  // Whether a cross-fade still has to run towards the look the item shows. An item out of
  // view needs none: it is put to rest (not hot, not open, normal look).
  bool NeedsMorph();
  // One tick of the level's animation timer: a cross-fade step of 0.2 towards the look
  // shown (Morphs), else one frame forwards while hot, backwards while not (Animates, with
  // FrameCount frames). Whether the item changed and is to be drawn again.
  bool AnimationStep(bool Morphs, bool Animates, int32_t FrameCount);
};

// Whether the entry's frame animation can play: a strip, a frame count and an interval.
bool MenuItemAnimates(const TspDataSkinMenuItem& Entry);
// Frame Frame (1 .. the frame count) of the entry's strip: side by side when the strip is
// no taller than the item's skin rectangle, else one above the other. Empty outside.
TRect MenuItemFrameRect(const TspDataSkinMenuItem& Entry, int32_t Frame);

// A fade-in: from 0 towards Target, Step more at once and then each time at least
// MinElapsed milliseconds passed on Clock since the last step (the caller waits in
// place), each value handed to SetAlpha. Ends with Target.
struct TspFade {
  int32_t Step = 10;
  uint32_t MinElapsed = 6;  // more than 5 ms
};
void RunFadeIn(uint8_t Target, const TspFade& Fade, const std::function<uint32_t()>& Clock,
               const std::function<void(uint8_t)>& SetAlpha);
