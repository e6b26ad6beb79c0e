#pragma once
// The painting tests run beside other test programs, whose windows sit near the screen's
// top-left corner with the pointer over them: a window of ours appearing there would take
// the pointer from them. Ours go to the bottom right instead.

#include "SkinControlTestKit.h"

inline void MoveOutOfTheWay(TSkinTestWindow& Window) {
  TForm* form = Window.Form();
  form->SetBounds(1260 - form->Width(), 1000 - form->Height(), form->Width(), form->Height());
}
