#include "SpeedButtonLook.h"

TspPartState SpeedButtonPartState(bool Enabled, bool HasDisabledLook, bool Down, bool MouseIn, bool Grouped,
                                  bool MorphedToActive) {
  if (!Enabled && HasDisabledLook) return TspPartState::Disabled;
  if (Down && (MouseIn || Grouped)) return TspPartState::Down;
  if (MouseIn || MorphedToActive) return TspPartState::Hot;
  return TspPartState::Normal;
}

bool SpeedButtonShowsFlat(bool Flat, bool Down, bool MouseIn, bool Grouped) {
  return Flat && !MouseIn && !(Down && Grouped);
}
