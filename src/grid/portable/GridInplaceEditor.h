#pragma once
// The in-place editor as the grid model drives it: the windowed grid makes one (a text
// box over the focused cell) and the model shows, moves, hides and reads it.

#include "base/Geometry.h"

#include <string>

class TGridInplaceEditor {
public:
  // The text the editor holds.
  virtual std::string EditText() = 0;
  // Whether its window shows.
  virtual bool EditorShowing() = 0;
  // Lays the editor over Rect (grid client coordinates) and shows it, repainting it
  // and what it covered (MoveEditor) or only when it was hidden (UpdateLoc). An empty
  // Rect hides it.
  virtual void UpdateLoc(const TRect& Rect) = 0;
  virtual void MoveEditor(const TRect& Rect) = 0;
  // Hides the window; the grid takes the focus when the editor had it.
  virtual void HideEditorWindow() = 0;
  // Puts the caret after the text, selecting nothing.
  virtual void Deselect() = 0;
  // Types Ch into the editor through the message queue.
  virtual void PostChar(char Ch) = 0;

protected:
  ~TGridInplaceEditor() = default;
};
