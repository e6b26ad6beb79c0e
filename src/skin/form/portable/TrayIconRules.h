#pragma once
// The rules of the tray icon: its tip text, which icon of its list it shows and cycles
// to, and how the presses the shell reports become clicks and double-clicks.

#include <cstdint>
#include <string>

// The shell's tip holds 127 characters and its end: a longer hint is cut. No tip when the
// hint is empty or not shown.
inline constexpr size_t TrayTipLength = 127;
std::string TrayTip(const std::string& Hint, bool ShowHint);

// The icon index kept for Index in a list of Count icons: clamped to the last one, 0 for
// an empty list (or none) and below 0.
int32_t TrayIconIndex(int32_t Index, int32_t Count);
// The index that follows Index when cycling through Count icons: 0 after the last.
int32_t NextTrayIconIndex(int32_t Index, int32_t Count);

// A left press starts the double-click time; its release makes a click only once that
// time is over without a double-click, so that a double-click fires only as one. A
// release after the time has run out clicks at once.
class TspTrayClicks {
public:
  // A left button press: the double-click time starts.
  void LeftDown();
  // The release: true when it clicks at once (the time had already run out).
  bool LeftUp();
  // The system reports a double-click: the pending click is dropped.
  void DoubleClick();
  // The double-click time is over: true when the release of the press clicks now.
  bool TimeUp();

private:
  bool FTiming = false;
  bool FWaitClick = false;
  bool FClickPending = false;
  bool FDblClicked = false;
};
