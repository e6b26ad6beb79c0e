#pragma once
// Every text the test program draws through the system's text functions while a recorder
// lives, measured on the device context it was drawn on (so in the font the drawing
// control chose) against the room it had there: the rectangle it was drawn in and the
// context's clipping. A text that needs more than its room shows cut off. What a text
// needs is its measured box and every pixel its glyphs draw, which may reach past it.

#include "base/Geometry.h"
#include "base/win32/WinApi.h"

#include <string>
#include <vector>

struct TDrawnText {
  std::string Text;  // as drawn, accelerator marks included
  TRect Needed;      // where the whole text lies, in the context's logical coordinates
  TRect Room;        // where it can show: the rectangle given, within the clipping
  bool Wraps = false;  // broken into lines at the room's width
  // Whether the whole text shows: its width within the room (and, for text that wraps,
  // its height).
  bool Fits() const;
};

class TTextDrawRecorder {
public:
  // Puts recording functions in place of DrawTextA, TextOutA, ExtTextOutA and
  // TabbedTextOutA in the program's import table; one recorder at a time.
  TTextDrawRecorder();
  // Puts the system's functions back.
  ~TTextDrawRecorder();
  TTextDrawRecorder(const TTextDrawRecorder&) = delete;
  TTextDrawRecorder& operator=(const TTextDrawRecorder&) = delete;

  // Texts that could stand where a drawn text equal to For stands (the other items of a
  // combo box, the other captions a box takes): when For is drawn, each of them is
  // measured with the same context, flags and room, and recorded after it.
  void SetStandIns(const std::string& For, const std::vector<std::string>& Texts);

  std::vector<TDrawnText> Drawn;
};
