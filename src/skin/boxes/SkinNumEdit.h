#pragma once
// TspSkinNumEdit: the edit field that takes only numbers: digits, one minus sign
// anywhere and, with DecimalInput, one of the locale's decimal separators. A refused
// character beeps (through the beep seam). The Up and Down keys and the wheel are step
// requests for whoever assigned OnStepUp and OnStepDown (the combo box in numeric mode);
// the edit itself does not step.

#include "CustomEdit.h"

class TspSkinNumEdit : public TspCustomEdit {
public:
  using TspCustomEdit::TspCustomEdit;

  // False: only control characters other than Backspace are taken.
  bool TypingEnabled() const { return FTypingEnabled; }
  void SetTypingEnabled(bool Value) { FTypingEnabled = Value; }
  bool DecimalInput() const { return FDecimalInput; }
  void SetDecimalInput(bool Value) { FDecimalInput = Value; }

  void Dispatch(TMessage& Message) override;

  // VK_UP and the wheel turned towards the user; VK_DOWN and the wheel turned away.
  TNotifyEvent OnStepUp;
  TNotifyEvent OnStepDown;

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;

private:
  bool FTypingEnabled = true;
  bool FDecimalInput = false;
};
