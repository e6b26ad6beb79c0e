// Moving and sizing a skinned window: the system's loop, the magnetic edges, and the
// client-area frame dragged by the mouse.
#include "FrameMover.h"

#include "classlib/Form.h"
#include "classlib/SystemSeams.h"

void TspFrameMover::StickHere() { FMagnetic.SetStickPosition(Seams::CursorPos()); }

TRect TspFrameMover::Moving(const TRect& Proposed, bool StayPut, bool Magnetic, int32_t Distance, const TRect& Area) {
  return FMagnetic.Moving(Proposed, FForm.BoundsRect(), StayPut, Magnetic, Distance, Area, Seams::CursorPos());
}

void TspFrameMover::LoopStarted() {
  FInSizeMove = true;
  ++FLoopsBegun;
  BOOL fullDrag = FALSE;
  SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
  FFullWindowDrag = fullDrag != FALSE;
}

void TspFrameMover::BeginDrag(int X, int Y) {
  FDragging = true;
  FDragPoint = FForm.ClientToScreen({X, Y});
}

namespace {

// Where a window's coordinates have their origin on the screen: its parent's client
// origin for a child window, (0, 0) for any other.
TPoint BoundsOrigin(HWND Window) {
  POINT origin{0, 0};
  if ((GetWindowLongA(Window, GWL_STYLE) & WS_CHILD) != 0) MapWindowPoints(GetParent(Window), nullptr, &origin, 1);
  return {origin.x, origin.y};
}

}  // namespace

void TspFrameMover::DragTo(TPoint Cursor, bool Magnetic, int32_t Distance, const TRect& Area) {
  // The edges stick on the screen, where the cursor is.
  const TPoint origin = BoundsOrigin(FForm.Handle());
  int x = origin.X + FForm.Left() + Cursor.X - FDragPoint.X;
  int y = origin.Y + FForm.Top() + Cursor.Y - FDragPoint.Y;
  if (Magnetic) FMagnetic.MagneticMove(x, y, FForm.Width(), FForm.Height(), Distance, Area, Cursor);
  FDragPoint = Cursor;
  FForm.SetBounds(x - origin.X, y - origin.Y, FForm.Width(), FForm.Height());
}
