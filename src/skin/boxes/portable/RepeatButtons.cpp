#include "RepeatButtons.h"

int TspRepeatButtons::ButtonAt(TPoint P) const {
  for (int i = 0; i < Count(); ++i)
    if (PtInRect(Button(i).R, P)) return i;
  return -1;
}

bool TspRepeatButtons::Pauses(int Index) const { return Index == FRepeating && Button(Index).Down; }

void TspRepeatButtons::Enter(int Index) {
  for (int i = 0; i < Count(); ++i) FButtons[static_cast<std::size_t>(i)].MouseIn = i == Index;
  FHost.RepeatButtonsChanged();
  if (Pauses(Index)) FHost.StartRepeatTimer(ResumeInterval);
}

void TspRepeatButtons::Leave(int Index) {
  FButtons[static_cast<std::size_t>(Index)].MouseIn = false;
  FHost.RepeatButtonsChanged();
  if (Pauses(Index)) FHost.StopRepeatTimer();
}

void TspRepeatButtons::MouseMove(TPoint P) {
  FPrevious = FActive;
  FActive = ButtonAt(P);
  // While a button is held, the others do not react.
  if (FCaptured != -1 && FActive != FCaptured) FActive = -1;
  if (FActive == FPrevious) return;
  if (FPrevious != -1) Leave(FPrevious);
  if (FActive != -1) Enter(FActive);
}

int TspRepeatButtons::MouseDown(TPoint P) {
  MouseMove(P);
  if (FActive == -1) return -1;
  FCaptured = FActive;
  TspRepeatButton& button = FButtons[static_cast<std::size_t>(FCaptured)];
  button.MouseIn = true;
  button.Down = true;
  FHost.RepeatButtonsChanged();
  return FCaptured;
}

void TspRepeatButtons::StartRepeat() {
  if (FCaptured == -1) return;
  FRepeating = FCaptured;
  FFirstDelay = true;
  FHost.StartRepeatTimer(ControlTiming::FirstRepeatDelay);
}

int TspRepeatButtons::MouseUp() {
  const int released = FCaptured;
  if (released == -1) return -1;
  FCaptured = -1;
  if (FRepeating != -1) {
    FHost.StopRepeatTimer();
    FRepeating = -1;
  }
  TspRepeatButton& button = FButtons[static_cast<std::size_t>(released)];
  button.Down = false;
  if (released != FActive) button.MouseIn = false;
  FHost.RepeatButtonsChanged();
  return released;
}

int TspRepeatButtons::Tick() {
  if (FRepeating == -1 || !Button(FRepeating).MouseIn) return -1;
  if (FFirstDelay) {
    FFirstDelay = false;
    FHost.StartRepeatTimer(RepeatInterval);
    return -1;
  }
  return FRepeating;
}

void TspRepeatButtons::MouseEnter() {
  FActive = -1;
  FPrevious = -1;
}

void TspRepeatButtons::MouseLeave(int KeptHot) {
  FPrevious = FActive;
  if (FActive != KeptHot) FActive = -1;
  bool changed = false;
  for (int i = 0; i < Count(); ++i) {
    if (i == KeptHot || !Button(i).MouseIn) continue;
    FButtons[static_cast<std::size_t>(i)].MouseIn = false;
    changed = true;
    if (Pauses(i)) FHost.StopRepeatTimer();
  }
  if (changed) FHost.RepeatButtonsChanged();
}
