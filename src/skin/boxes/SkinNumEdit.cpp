#include "SkinNumEdit.h"

#include "skin/boxes/portable/NumEditRules.h"

#include "classlib/SystemSeams.h"

#include "base/Locale.h"

void TspSkinNumEdit::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_MOUSEWHEEL) {
    TspCustomEdit::Dispatch(Message);
    return;
  }
  const TNotifyEvent& step = GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0 ? OnStepDown : OnStepUp;
  if (step) step(this);
}

void TspSkinNumEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key != VK_UP && Key != VK_DOWN) {
    TspCustomEdit::KeyDown(Key, Shift);
    return;
  }
  const TNotifyEvent& step = Key == VK_UP ? OnStepUp : OnStepDown;
  Key = 0;
  if (step) step(this);
}

void TspSkinNumEdit::KeyPress(char& Key) {
  if (!IsValidNumEditChar(Key, Text(), {DecimalSeparator(), FDecimalInput, FTypingEnabled})) {
    Key = '\0';
    Seams::Beep(0);
  }
  if (Key != '\0') TspCustomEdit::KeyPress(Key);
}
