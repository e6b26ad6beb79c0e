#pragma once
// The skinned panel's rules without windows: where a rectangle of its skin entry lies
// at the panel's size, its caption strip and client rectangle with and without a skin,
// the caption's place by alignment, its height rolled up, the frame line of a
// transparent panel with a caption, and the status bar's size grip.

#include "SkinPartLook.h"

#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinTypes.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// How a panel without a skin entry draws its border.
enum TspSkinBorderStyle : uint8_t { bvFrame, bvRaised, bvLowered, bvNone };

// The glyphs of a caption's glyph strip: 1 or 2, the second one shown while the control
// is disabled. A value outside comes to the nearer end (the strip is divided by it).
class TspSkinPanelNumGlyphs {
public:
  constexpr TspSkinPanelNumGlyphs(int32_t Value = 1) : FValue(std::clamp<int32_t>(Value, 1, 2)) {}
  constexpr operator int32_t() const { return FValue; }
  // The glyph (1-based) that shows.
  constexpr int32_t GlyphNum(bool Enabled) const { return !Enabled && FValue == 2 ? 2 : 1; }

private:
  int32_t FValue;
};

// Where R (relative to SkinRect's corner) lies on a control of Width x Height whose
// entry is cut at Cut, by its resize mode: a rectangle in a corner moves with that
// corner, one across the stretching middle grows with it (BothWays by its corners'
// zones, WidthOnly across, HeightOnly downwards); other modes leave it.
TRect MapSkinRect(const TRect& R, const TRect& SkinRect, const TSkinCut& Cut, int32_t ResizeMode, int32_t Width,
                  int32_t Height);

// The caption strip drawn without a skin: the top CaptionHeight pixels, inside the
// one-pixel border unless the border style is bvFrame.
TRect DefaultCaptionStrip(TspSkinBorderStyle Style, int32_t Width, int32_t CaptionHeight);
// The part of a caption strip its text and image take: right of a check box (20 pixels)
// and left of a roll-up arrow (10 pixels).
TRect CaptionTextArea(TRect Strip, bool CheckedMode, bool RollUpMode);
// Where a caption block BlockWidth wide starts in R: Inset pixels in from the left, ending
// at the right edge, or centred (moved by Inset too).
int32_t CaptionBlockLeft(TAlignment Alignment, const TRect& R, int32_t BlockWidth, int32_t Inset);

// What decides a panel's client rectangle.
struct TspPanelClientRules {
  int32_t Width = 0;
  int32_t Height = 0;
  bool Skinned = false;  // a skin entry
  bool TransparentMode = false;
  bool CaptionMode = false;
  int32_t CaptionTextHeight = 0;  // a transparent panel's caption row
  bool Designing = false;
  bool HasBackground = false;  // the entry has a background picture
  TspSkinBorderStyle BorderStyle = bvFrame;
  int32_t ResizeMode = SkinResize::Fixed;
  TRect NewClRect;  // the entry's client rectangle at the current size
  int32_t DefaultCaptionHeight = 22;
};
// The client rectangle, Rect (the inherited one) adjusted: a transparent skinned panel
// keeps 2 pixels clear (and its caption row); a skinned one gives its children the whole
// area when it has a background picture or draws no border, else the entry's client
// rectangle; without a skin the border and the caption strip are left out.
TRect PanelClientRect(const TRect& Rect, const TspPanelClientRules& Rules);

// The height of a rolled-up panel: down to its caption (with a skin: what lies outside
// the entry's client rectangle).
int32_t RolledUpHeight(bool Skinned, int32_t Height, const TRect& NewClRect, int32_t DefaultCaptionHeight);

// The two polylines around a transparent panel with a caption (Width x Height, its
// caption row RowHeight high, the caption ending at CaptionRight): a line from the left
// edge to the caption, and one from after it round the panel back to the left edge.
std::pair<std::vector<TPoint>, std::vector<TPoint>> CaptionFrameLines(int32_t Width, int32_t Height,
                                                                      int32_t RowHeight, int32_t CaptionRight);

// The status bar's size grip in its client rectangle CR (which leaves the grip out): a
// picture Gripper wide and high against CR's bottom-right corner, or without one a
// square as high as CR.
TRect GripRect(const TRect& CR, const TRect& Gripper, bool HasGripPicture);
// How far the grip narrows the client rectangle CR.
int32_t GripWidth(const TRect& CR, const TRect& Gripper, bool HasGripPicture);
// The client rectangle CR narrowed by the grip. Edges computed from a broken skin's sizes
// stop at the ends of the 32-bit range, here and in GripRect.
TRect ClientRectBesideGrip(const TRect& CR, const TRect& Gripper, bool HasGripPicture);
// The diagonal lines of a grip drawn without a picture in R, shadow and light in turns:
// each pair 3 pixels apart, from R's bottom edge to its right edge.
std::vector<std::pair<TPoint, TPoint>> GripLines(const TRect& R);
