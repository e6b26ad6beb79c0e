#include "Button.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  // The system button captures the mouse and reports clicks itself.
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
  FDefault = Value;
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form->HandleAllocated())
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
  else
    SetActive(Value);
}

void TButton::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && FModalResult != mrNone) form->SetModalResult(FModalResult);
  TWinControl::Click();
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) Click();
      return;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
      SetActive(dynamic_cast<TButton*>(focused) != nullptr ? focused == this : FDefault);
      return;
    }
    case CM_DIALOGKEY: HandleDialogKey(Message); return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<uint16_t>(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      TWinControl::Dispatch(Message);
      return;
    default: TWinControl::Dispatch(Message);
  }
}

void TButton::HandleDialogKey(TMessage& Message) {
  const bool pressed = (Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel);
  if (pressed && KeyDataToShiftState(Message.LParam).Empty() && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  TWinControl::Dispatch(Message);
}
