#include "TrayIconRules.h"

#include <algorithm>

std::string TrayTip(const std::string& Hint, bool ShowHint) {
  if (!ShowHint) return {};
  return Hint.substr(0, TrayTipLength);
}

int32_t TrayIconIndex(int32_t Index, int32_t Count) {
  if (Count < 1) return 0;
  return std::clamp(Index, 0, Count - 1);
}

int32_t NextTrayIconIndex(int32_t Index, int32_t Count) { return Index + 1 < Count ? Index + 1 : 0; }

void TspTrayClicks::LeftDown() {
  FTiming = true;
  FWaitClick = true;
}

bool TspTrayClicks::LeftUp() {
  bool clickNow = false;
  if (FWaitClick) {
    FClickPending = true;
    if (!FTiming) {
      FClickPending = false;
      clickNow = true;
    }
  }
  FWaitClick = false;
  return clickNow;
}

void TspTrayClicks::DoubleClick() {
  FClickPending = false;
  FDblClicked = true;
}

bool TspTrayClicks::TimeUp() {
  FTiming = false;
  const bool click = !FDblClicked && FClickPending;
  if (click) FClickPending = false;
  FDblClicked = false;
  return click;
}
