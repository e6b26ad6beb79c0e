#include "MagneticEdges.h"

#include "FrameArithmetic.h"

#include <cstdlib>

using FrameArithmetic::Saturated;

namespace {

// One edge along one axis: Position is the window's coordinate that puts the edge on the
// area's edge. A near edge that is not stuck snaps there and notes the cursor; a stuck
// edge stays there until the cursor has moved more than Distance from that note, and
// then follows the cursor.
int64_t Stick(int64_t X, int64_t Position, bool& Stuck, int32_t& StickAt, int32_t Cursor, int32_t Distance) {
  const bool near = Position - Distance < X && X < Position + Distance;
  if (near && !Stuck) {
    X = Position;
    StickAt = Cursor;
  } else if (Stuck) {
    X = std::llabs(int64_t{Cursor} - StickAt) > Distance ? Cursor + Position - StickAt : Position;
  }
  Stuck = near;
  return X;
}

}  // namespace

void TspMagneticEdges::MagneticMove(int32_t& X, int32_t& Y, int32_t Width, int32_t Height, int32_t Distance,
                                    const TRect& Area, TPoint Cursor) {
  int64_t x = Stick(X, Area.Left, FLeft, FStick.X, Cursor.X, Distance);
  int64_t y = Stick(Y, Area.Top, FTop, FStick.Y, Cursor.Y, Distance);
  x = Stick(x, int64_t{Area.Right} - Width, FRight, FStick.X, Cursor.X, Distance);
  y = Stick(y, int64_t{Area.Bottom} - Height, FBottom, FStick.Y, Cursor.Y, Distance);
  X = Saturated(x);
  Y = Saturated(y);
}

TRect TspMagneticEdges::Moving(const TRect& Proposed, const TRect& Current, bool StayPut, bool Magnetic,
                               int32_t Distance, const TRect& Area, TPoint Cursor) {
  if (StayPut) return Current;
  if (!Magnetic) return Proposed;
  int32_t x = Proposed.Left, y = Proposed.Top;
  const int32_t width = Current.Width(), height = Current.Height();
  MagneticMove(x, y, width, height, Distance, Area, Cursor);
  return {x, y, Saturated(int64_t{x} + width), Saturated(int64_t{y} + height)};
}
