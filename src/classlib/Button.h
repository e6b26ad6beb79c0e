#pragma once
// TButton: a push button over the system's BUTTON control. The default button answers
// Enter and the cancel button Escape anywhere on the form; a click hands the button's
// ModalResult to the form.

#include "Form.h"

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* AOwner);

  // Enter clicks the default button, unless the focus is on another button (which Enter
  // then clicks); that button is drawn as the default one meanwhile.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  void Click() override;
  void Dispatch(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;

private:
  void SetActive(bool Value);
  void HandleDialogKey(TMessage& Message);

  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;  // answers Enter now
  TModalResult FModalResult = mrNone;
};
