#include "ValueObjects.h"

#include "FrameArithmetic.h"

#include "skin/data/SkinRects.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

using FrameArithmetic::Saturated;

namespace {

// Rounded to the nearest whole number, halves to even.
int64_t Rounded(double Value) { return static_cast<int64_t>(std::clamp(std::nearbyint(Value), -9.0e18, 9.0e18)); }

// Value kept between A and B, in whichever order they come.
int64_t Between(int64_t Value, int64_t A, int64_t B) { return std::clamp(Value, std::min(A, B), std::max(A, B)); }

// One of CountFrames - 1 equal parts of Length, at least 1.
int64_t StepOf(int64_t Length, int32_t CountFrames) { return std::max<int64_t>(1, Length / (CountFrames - 1)); }

// A turn of more than this between two moves crossed the bottom, where the angle jumps.
constexpr int64_t CrossingJump = 301;

}  // namespace

double ValueFraction(int32_t Value, int32_t Min, int32_t Max) {
  if (Min == Max) return 0;
  return std::clamp((static_cast<double>(Value) - Min) / (static_cast<double>(Max) - Min), 0.0, 1.0);
}

int32_t ValueAtFraction(double Fraction, int32_t Min, int32_t Max) {
  const int64_t value = Min + Rounded((static_cast<double>(Max) - Min) * Fraction);
  return static_cast<int32_t>(Between(value, Min, Max));
}

bool TspTrack::Vertical() const {
  return std::abs(int64_t{EndPoint.Y} - BeginPoint.Y) >= std::abs(int64_t{EndPoint.X} - BeginPoint.X);
}

TPoint TrackButtonPos(const TspTrack& Track, int32_t Value) {
  const double kf = ValueFraction(Value, Track.MinValue, Track.MaxValue);
  const TPoint& b = Track.BeginPoint;
  const TPoint& e = Track.EndPoint;
  if (!Track.Vertical()) return {Saturated(b.X + Rounded((static_cast<double>(e.X) - b.X) * kf)), b.Y};
  return {b.X, Saturated(e.Y + Rounded((1 - kf) * (static_cast<double>(b.Y) - e.Y)))};
}

int32_t TrackValueAt(const TspTrack& Track, TPoint P) {
  const TPoint& b = Track.BeginPoint;
  const TPoint& e = Track.EndPoint;
  const bool vertical = Track.Vertical();
  const double length = vertical ? static_cast<double>(b.Y) - e.Y : static_cast<double>(e.X) - b.X;
  if (length == 0) return Track.MinValue;
  const double kf =
      vertical ? 1 - (static_cast<double>(P.Y) - e.Y) / length : (static_cast<double>(P.X) - b.X) / length;
  return ValueAtFraction(std::clamp(kf, 0.0, 1.0), Track.MinValue, Track.MaxValue);
}

TRect TrackButtonRect(TPoint Pos, TSize ButtonSize) {
  const int64_t left = int64_t{Pos.X} - ButtonSize.cx / 2;
  const int64_t top = int64_t{Pos.Y} - ButtonSize.cy / 2;
  return {Saturated(left), Saturated(top), Saturated(left + ButtonSize.cx), Saturated(top + ButtonSize.cy)};
}

TPoint TrackClickPos(const TspTrack& Track, TPoint P) {
  const TPoint& b = Track.BeginPoint;
  const TPoint& e = Track.EndPoint;
  if (Track.Vertical()) return {b.X, static_cast<int32_t>(Between(P.Y, e.Y, b.Y))};
  return {static_cast<int32_t>(Between(P.X, b.X, e.X)), b.Y};
}

std::optional<TPoint> TrackDragPos(const TspTrack& Track, TPoint ButtonPos, TPoint DragPoint, TPoint Mouse) {
  const TPoint& b = Track.BeginPoint;
  const TPoint& e = Track.EndPoint;
  if (Track.Vertical()) {
    const int64_t y = int64_t{ButtonPos.Y} + (int64_t{Mouse.Y} - DragPoint.Y);
    if (y != Between(y, e.Y, b.Y)) return std::nullopt;
    return TPoint{ButtonPos.X, static_cast<int32_t>(y)};
  }
  const int64_t x = int64_t{ButtonPos.X} + (int64_t{Mouse.X} - DragPoint.X);
  if (x != Between(x, b.X, e.X)) return std::nullopt;
  return TPoint{static_cast<int32_t>(x), ButtonPos.Y};
}

TspFillParts ValueFillParts(TSize Size, int32_t Split, bool Vertical) {
  const int32_t w = std::max(0, Size.cx);
  const int32_t h = std::max(0, Size.cy);
  if (Vertical) {
    const int32_t s = std::clamp(Split, 0, h);
    return {{0, s, w, h}, {0, 0, w, s}};
  }
  const int32_t s = std::clamp(Split, 0, w);
  return {{0, 0, s, h}, {s, 0, w, h}};
}

int32_t GaugeProgress(TspGaugeKind Kind, TSize Size, int32_t Value, int32_t Min, int32_t Max) {
  const double kf = ValueFraction(Value, Min, Max);
  return Saturated(Kind == gkhorizontal ? Rounded(Size.cx * kf) : Rounded(Size.cy * (1 - kf)));
}

int32_t FrameObjectIndex(int32_t CountFrames, int32_t Min, int32_t Max, int32_t Value) {
  if (CountFrames < 2) return 1;
  const int64_t step = (int64_t{Max} - Min) / (CountFrames - 1);
  if (step == 0) return 1;
  const int64_t index = std::abs(int64_t{Value} - Min) / step + 1;
  return static_cast<int32_t>(std::clamp<int64_t>(index, 1, CountFrames));
}

TSize StripFrameSize(const TRect& Strip, int32_t CountFrames, TspFramesPlacement Placement) {
  if (CountFrames < 1) return {};
  if (Placement == fphorizontal) return {RectWidth(Strip) / CountFrames, RectHeight(Strip)};
  return {RectWidth(Strip), RectHeight(Strip) / CountFrames};
}

TRect StripFrameRect(TPoint Origin, TSize FrameSize, int32_t Index, TspFramesPlacement Placement) {
  const int64_t before = int64_t{Index} - 1;
  const int64_t left = Origin.X + (Placement == fphorizontal ? before * FrameSize.cx : 0);
  const int64_t top = Origin.Y + (Placement == fphorizontal ? 0 : before * FrameSize.cy);
  return {Saturated(left), Saturated(top), Saturated(left + FrameSize.cx), Saturated(top + FrameSize.cy)};
}

int32_t RegulatorPosition(TspRegulatorKind Kind, TPoint P, TSize Size, int32_t LastAngle) {
  if (Kind == rkhorizontal) return P.X;
  if (Kind == rkvertical) return Saturated(-int64_t{P.Y});
  const int32_t w = std::max(0, Size.cx);
  const int32_t h = std::max(0, Size.cy);
  // Up is positive, as in the ordinary counter-clockwise angle.
  const double dx = static_cast<double>(std::clamp(P.X, 0, w)) - w / 2;
  const double dy = static_cast<double>(h / 2) - std::clamp(P.Y, 0, h);
  if (dx == 0 && dy == 0) return LastAngle;
  const double side = std::asin(std::abs(dy) / std::hypot(dx, dy)) * 180 / std::numbers::pi;
  const double theta = dx >= 0 ? (dy >= 0 ? side : 360 - side) : (dy >= 0 ? 180 - side : 180 + side);
  const int32_t angle = 270 - static_cast<int32_t>(std::nearbyint(theta));
  return angle < 0 ? angle + 360 : angle;
}

TspRegulatorDrag BeginRegulatorDrag(int32_t Value, int32_t Pos) { return {Pos, Pos, Value}; }

std::optional<int32_t> RegulatorDragStep(const TspRegulator& Regulator, TspRegulatorDrag& Drag, int32_t Pos) {
  const int64_t lastPos = std::exchange(Drag.LastPos, Pos);
  const int32_t count = Regulator.CountFrames;
  // The steps divide by the number of frames less one.
  if (count < 2) return std::nullopt;
  bool up = false;
  if (Regulator.Kind == rkround && std::abs(Pos - lastPos) >= CrossingJump) {
    up = Pos < lastPos;
  } else {
    const int64_t range = Regulator.Kind == rkround       ? 360
                          : Regulator.Kind == rkhorizontal ? Regulator.FrameSize.cx
                                                           : Regulator.FrameSize.cy;
    if (std::abs(int64_t{Pos} - Drag.StartPos) < StepOf(range, count)) return std::nullopt;
    up = Pos >= Drag.StartPos;
  }
  Drag.StartPos = Pos;
  const int64_t valueStep = StepOf(int64_t{Regulator.MaxValue} - Regulator.MinValue, count);
  const int64_t value = int64_t{Drag.DownValue} + (up ? valueStep : -valueStep);
  Drag.DownValue = static_cast<int32_t>(Between(value, Regulator.MinValue, Regulator.MaxValue));
  return Drag.DownValue;
}
