#include "UpDownModel.h"

#include "skin/data/ArrowCodes.h"

bool TspUpDownRange::SetPosition(int64_t Value) {
  if (Value < FMin || Value > FMax) return false;
  FPosition = static_cast<int32_t>(Value);
  return true;
}

void TspUpDownRange::SetMin(int32_t Value) {
  FMin = Value;
  if (FPosition < FMin) FPosition = FMin;
}

void TspUpDownRange::SetMax(int32_t Value) {
  FMax = Value;
  if (FPosition > FMax) FPosition = FMax;
}

TspUpDownRects UpDownButtonRects(TUDOrientation Orientation, int32_t Width, int32_t Height) {
  if (Orientation == udHorizontal) {
    const int32_t half = Width / 2;
    return {{half, 0, Width, Height}, {0, 0, half, Height}};
  }
  const int32_t half = Height / 2;
  return {{0, 0, Width, half}, {0, half, Width, Height}};
}

int UpDownArrowCode(TUDOrientation Orientation, int Button) {
  if (Orientation == udHorizontal) return Button == UpButton ? ArrowCode::Right : ArrowCode::Left;
  return Button == UpButton ? ArrowCode::Up : ArrowCode::Down;
}

TspUpDownLooks UpDownLooks(const TspDataSkinUpDownControl& Entry, int Button) {
  TspUpDownLooks looks = Button == UpButton ? TspUpDownLooks{Entry.ActiveUpButtonRect, Entry.DownUpButtonRect}
                                            : TspUpDownLooks{Entry.ActiveDownButtonRect, Entry.DownDownButtonRect};
  if (IsRectEmpty(looks.Pressed)) looks.Pressed = looks.Active;
  return looks;
}

TRect UpDownLookRect(const TspUpDownLooks& Looks, bool MouseIn, bool Down) {
  if (!MouseIn) return {};
  return Down ? Looks.Pressed : Looks.Active;
}
