#pragma once
// The rules of the frame's value objects: a track bar's button between its two track ends,
// the fill of a gauge, the frame a frame gauge or regulator shows for its value, and how
// a regulator turns (round, by the angle around its centre) or slides under the mouse.
// Every coordinate is the object's own (its top-left corner is 0, 0). Ranges and sizes
// come from the skin: equal ends, an empty track or a strip without frames never divide.

#include "skin/data/SkinKeywords.h"
#include "skin/data/SkinTypes.h"

#include <cstdint>
#include <optional>

// Where Value lies between Min and Max, from 0 to 1; 0 when both are equal.
double ValueFraction(int32_t Value, int32_t Min, int32_t Max);
// Min + Fraction of the way to Max, rounded (halves to even) and kept between the two.
int32_t ValueAtFraction(double Fraction, int32_t Min, int32_t Max);

// A track bar's track: BeginPoint is MinValue's end, EndPoint MaxValue's. A horizontal
// track runs from left to right, a vertical one from the bottom (BeginPoint) up.
struct TspTrack {
  TPoint BeginPoint, EndPoint;
  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  // The track's height difference is at least its width difference.
  bool Vertical() const;
};
// The button's centre for Value; BeginPoint when the range is empty.
TPoint TrackButtonPos(const TspTrack& Track, int32_t Value);
// The value of a button centred at P; MinValue on a track without length.
int32_t TrackValueAt(const TspTrack& Track, TPoint P);
// The button's rectangle of ButtonSize centred at Pos.
TRect TrackButtonRect(TPoint Pos, TSize ButtonSize);
// A press on the track outside the button: the place along the track nearest to P.
TPoint TrackClickPos(const TspTrack& Track, TPoint P);
// The button dragged from ButtonPos by the mouse's travel from DragPoint to Mouse, along
// the track; nullopt when that place lies outside the track (the button stays).
std::optional<TPoint> TrackDragPos(const TspTrack& Track, TPoint ButtonPos, TPoint DragPoint, TPoint Mouse);

// Which part of an object of Size shows its active picture up to Split (a column, or a
// row with Vertical): horizontally the part left of it, vertically the part from it
// down. Both rectangles are in the object's coordinates, which its looks share.
struct TspFillParts {
  TRect Active;
  TRect Normal;
};
TspFillParts ValueFillParts(TSize Size, int32_t Split, bool Vertical);

// A gauge's progress: the column (horizontal) or row (vertical) where its fill ends.
int32_t GaugeProgress(TspGaugeKind Kind, TSize Size, int32_t Value, int32_t Min, int32_t Max);

// The 1-based frame a frame gauge or regulator shows for Value: the range split into
// CountFrames - 1 equal steps; 1 with fewer than two frames or steps below 1, never past
// the last frame.
int32_t FrameObjectIndex(int32_t CountFrames, int32_t Min, int32_t Max, int32_t Value);
// The size of one of CountFrames frames of Strip; none without frames.
TSize StripFrameSize(const TRect& Strip, int32_t CountFrames, TspFramesPlacement Placement);
// Frame Index (1-based) of FrameSize at Origin: side by side, or one above the other.
TRect StripFrameRect(TPoint Origin, TSize FrameSize, int32_t Index, TspFramesPlacement Placement);

// The position a regulator follows: for a round one the clockwise angle from straight
// down around the centre of Size (0 down, 90 left, 180 up, 270 right), P clamped into the
// object, and LastAngle for the centre itself, which has no angle; X for a horizontal
// one, -Y for a vertical one.
int32_t RegulatorPosition(TspRegulatorKind Kind, TPoint P, TSize Size, int32_t LastAngle);

// A regulator's value while it is dragged: each move goes at most one value step, once
// the position has gone one angle (or pixel) step from where the last step was made.
struct TspRegulator {
  TspRegulatorKind Kind = rkround;
  int32_t CountFrames = 0;
  TSize FrameSize;  // a sliding regulator's steps divide its frame's width or height
  int32_t MinValue = 0;
  int32_t MaxValue = 0;
};
struct TspRegulatorDrag {
  int32_t StartPos = 0;
  int32_t LastPos = 0;
  int32_t DownValue = 0;
};
// The drag's start at Pos with the regulator at Value.
TspRegulatorDrag BeginRegulatorDrag(int32_t Value, int32_t Pos);
// One move to Pos: the new value after a step, nullopt when none was made. A round
// regulator turned across the bottom (a jump of more than 300 degrees) goes one step,
// up when it turned on from 359 to 0. Fewer than two frames make no steps.
std::optional<int32_t> RegulatorDragStep(const TspRegulator& Regulator, TspRegulatorDrag& Drag, int32_t Pos);
