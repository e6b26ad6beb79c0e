#pragma once
// The rules of the frame's display objects: which look an animated object shows and how
// it plays its strip of frames, where a label's text goes, and which cells of a bitmap
// font a bitmap-font label copies. Coordinates of looks and cells are those of the
// object's active picture; destinations are the object's own.

#include "skin/data/SkinTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TStrings;

// The looks of an animated object: the normal one, the strip of frames, the pressed and
// the inactive-window look.
struct TspAnimateLooks {
  TRect SkinRect, ActiveSkinRect, DownSkinRect, InActiveSkinRect;
};
// In the restore state of its command the restore looks take the others' places, when
// the skin gives a restore look at all.
TspAnimateLooks AnimateLooksFor(const TspAnimateLooks& Normal, const TspAnimateLooks& Restore, bool RestoreState);

// Frame Index (1-based) of the strip: frames of the normal look's size, side by side from
// the strip's top-left corner; empty without a strip.
TRect AnimateFrameRect(const TspAnimateLooks& Looks, int32_t Index);

struct TspAnimateLookState {
  bool MenuTracking = false;  // its drop-down menu is open
  bool WindowActive = true;
  bool Down = false;
  bool MouseIn = false;
  int32_t FrameIndex = 1;
  int32_t CountFrames = 1;
};
// What an animated object shows: with its menu open the pressed look (else its last
// frame, which becomes the current one), an inactive window's look, the pressed look
// under the mouse, else the current frame.
struct TspAnimateLook {
  TRect Rect;
  int32_t FrameIndex = 1;  // the frame the object shows from now on
};
TspAnimateLook AnimateLook(const TspAnimateLooks& Looks, const TspAnimateLookState& S);

// Where an animated object is in its strip: it plays the frames forwards (Increasing) or
// backwards, one frame every TimerInterval milliseconds of the 25-millisecond animation
// timer.
struct TspAnimatePlay {
  int32_t FrameIndex = 1;
  int32_t TimerCount = 25;
  bool Increasing = true;
};
// One tick of the animation timer while Playing; true when the frame changed. Forwards
// the frames wrap to 1 after the last, and without Cycle playing ends on the last;
// backwards they wrap to the last below 1, and playing ends on frame 1.
bool AnimateTick(TspAnimatePlay& Play, bool& Playing, int32_t CountFrames, int32_t TimerInterval, bool Cycle);
// The animation timer's period, which the objects count their frames' time in.
inline constexpr int32_t AnimationTick = 25;

// Where a label's text of TextSize starts in R: at its left, right or centre, centred
// vertically.
TPoint LabelTextOrigin(const TRect& R, TSize TextSize, TAlignment Alignment);

// One symbol of a bitmap font copied from Source (in the active picture) to Dest.
struct TspSymbolCopy {
  TRect Source;
  TPoint Dest;
  friend bool operator==(const TspSymbolCopy&, const TspSymbolCopy&) = default;
};
// Where each character's cell is in a bitmap font's lines of symbols: its column is its
// first place in the first line that holds it, its row that line's. Made once from the
// lines, so that drawing a text looks each character up at once, however many lines the
// skin gives (looking through them for each character took time growing with the text's
// length times the lines').
class TspSymbolCells {
public:
  explicit TspSymbolCells(const TStrings& Symbols);
  // Column and row of C's cell; none when no line holds it.
  std::optional<TPoint> Of(char C) const;

private:
  static constexpr TPoint None{-1, -1};
  std::array<TPoint, 256> FCells;
};

// The symbols of Text on a bitmap Width wide: character i goes to (i * symbol width, 0)
// from its cell, counted from Origin; a character without one leaves a gap. The first
// symbol that would end past Width is cut there and the text ends.
std::vector<TspSymbolCopy> BitLabelSymbols(const std::string& Text, const TspSymbolCells& Cells, TSize Symbol,
                                           TPoint Origin, int32_t Width);
