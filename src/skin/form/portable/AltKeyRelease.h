#pragma once
// Whether the system's keyboard-menu request asks for the main menu. The system asks when
// the Alt key comes up with no key pressed since Alt went down, as far as it saw: a key
// that one of the frame's Alt shortcuts took (Alt+Space's system menu, an accelerator of
// the main menu) never reached it. Alt coming up after such a key is no request of its
// own, and taken for one it would close the menu the shortcut had just opened, whichever
// of the two keys the user let go first.

#include <cstdint>

class TspAltKeyRelease {
public:
  // A key went down; whether an Alt shortcut of the frame took it.
  void KeyPressed(bool TakenByAltShortcut) { FTaken = TakenByAltShortcut; }
  // The system's keyboard-menu request, with the character it came for (0 for Alt coming
  // up alone): whether the main menu should take the keys. The one request that follows a
  // taken key is not.
  bool AsksForMainMenu(uint32_t Character);

private:
  bool FTaken = false;
};
