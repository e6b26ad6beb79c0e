#pragma once
// Frame animations of skin entries: FrameCount frames of equal size in one strip of the
// entry's picture, side by side or one above the other, shown AnimateInterval
// milliseconds each. Counts and intervals come from the skin and are checked here: a
// frame count or interval below 1 means no animation, and a frame smaller than a pixel
// is never drawn.

#include "skin/data/SkinTypes.h"

#include <cstdint>

// Whether an entry's strip animates at all: a count and an interval of at least 1 and
// frames of at least a pixel.
bool CanAnimate(const TRect& Strip, int32_t FrameCount, int32_t Interval, bool SideBySide);

// Frame Frame (1 .. FrameCount) of Strip: with SideBySide the strip's width is split into
// FrameCount frames (any rest at the right is not used), else its height. Empty for a
// frame outside 1 .. FrameCount, a count below 1 or frames smaller than a pixel.
TRect AnimationFrameRect(const TRect& Strip, int32_t FrameCount, int32_t Frame, bool SideBySide);

// One tick of a frame animation that rests on frame 0 (the normal look) and on
// FrameCount + 1 (the hot look): a frame towards the hot look while Hot, else back
// towards the normal one. Whether the frame changed.
bool StepAnimationFrame(int32_t& Frame, int32_t FrameCount, bool Hot);

// One step of a cross-fade between a normal look (0) and a hot one (1): a fifth towards 1
// when Forward, else towards 0, kept on whole fifths so that five steps always end
// exactly on a look.
double NextMorphKf(double Kf, bool Forward);

// The pace of the skinned controls' own timers, in milliseconds: one step of a morph (the
// fade from one look of a control to another), and how long a held button waits before
// it starts repeating.
namespace ControlTiming {
inline constexpr unsigned MorphStep = 20;
inline constexpr unsigned FirstRepeatDelay = 500;
}  // namespace ControlTiming
