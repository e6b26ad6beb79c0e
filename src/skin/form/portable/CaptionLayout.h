#pragma once
// The caption object's geometry: how its skin image is resized to the caption's current
// size (by the frame edge it lies on), where its text and the frame behind the text go,
// and which frame of its animation strip shows. Text and frame positions are relative to
// the caption's top-left corner.

#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinTypes.h"

// The resize zone of a caption from its skin rectangle and the skin's corner points:
// 0 the caption keeps its skin size; 1 top edge and 2 bottom edge (resized across, with
// fixed left and right ends); 3 left edge and 4 right edge (resized downwards, with
// fixed top and bottom ends). Negative fixed parts count as 0.
struct TspCaptionZone {
  int Zone = 0;
  int32_t FixedStart = 0;  // left or top
  int32_t FixedEnd = 0;    // right or bottom
  friend bool operator==(const TspCaptionZone&, const TspCaptionZone&) = default;
};
TspCaptionZone CaptionZone(const TRect& SkinRect, TSize ObjectSize, const TSkinCut& Corners);

// The caption image of ObjectSize cut from the skin rectangle R: stretched whole when the
// skin's corner points coincide or both fixed parts are 0, else resized along its edge
// with the fixed ends copied and the middle stretched (StretchEffect) or tiled.
TImagePlan CaptionImagePlan(const TspCaptionZone& Zone, const TRect& R, TSize ObjectSize, const TSkinCut& Corners,
                            bool StretchEffect);

// The caption's text geometry, from its skin entry.
struct TspCaptionText {
  TRect SkinRect;       // the caption's skin rectangle
  TRect TextRect;       // relative to the caption; empty: no text
  TRect FrameRect;      // the frame behind the text; empty: no frame
  TRect FrameTextRect;  // where the text sits in the frame
  TAlignment Alignment = taCenter;
  bool FullFrame = false;  // the frame spans the whole caption
};

// The rectangle the text is fitted into: TextRect whose right edge keeps its distance
// to the caption's right end, moved into the frame when there is one. A caption text
// wider than it is cut with an ellipsis.
TRect CaptionTextRect(const TspCaptionText& C, TSize ObjectSize);

// Where a text of TextSize and the frame behind it are drawn. Nothing is drawn for an
// empty text rectangle; no frame without a frame rectangle or when its width would be
// below 1. The frame is FrameRect's picture widened to FrameDest's width.
struct TspCaptionTextPlace {
  bool DrawText = false;
  TPoint TextOrigin;
  bool DrawFrame = false;
  TRect FrameDest;
  friend bool operator==(const TspCaptionTextPlace&, const TspCaptionTextPlace&) = default;
};
TspCaptionTextPlace CaptionTextPlace(const TspCaptionText& C, TSize ObjectSize, TSize TextSize);

// Frame FrameIndex (1 to FrameCount) of an animation strip: the frames lie one above the
// other when the strip is taller than the caption, else side by side (AnimationFrameRect).
TRect CaptionAnimationFrame(const TRect& Strip, int32_t FrameCount, int32_t FrameIndex, TSize ObjectSize);
