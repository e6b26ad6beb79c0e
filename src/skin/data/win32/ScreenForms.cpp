// The screen's forms as the targets of the skin messages, installed when the program
// starts: the Windows build's counterpart of the portable "no windows".
#include "classlib/Form.h"
#include "classlib/Screen.h"
#include "skin/data/SkinMessages.h"

namespace {

class TScreenForms : public TspSkinMessageTargets {
public:
  TScreenForms() { SetSkinMessageTargets(this); }
  TComponent* OwnerForm(TComponent* Owner) override { return dynamic_cast<TCustomForm*>(Owner); }
  int FormCount() override { return Screen->FormCount(); }
  TComponent* Forms(int Index) override { return Screen->Forms(Index); }
  // A form still being read hears the message through its window procedure: making its
  // window there would make every control's window as it is read, before the form shows.
  void Send(TComponent* Form, uint32_t Msg, intptr_t WParam, intptr_t LParam) override {
    auto* form = dynamic_cast<TCustomForm*>(Form);
    if (form == nullptr) return;
    if (!form->HandleAllocated() && form->ComponentState().Contains(csLoading))
      form->Perform(Msg, static_cast<WPARAM>(WParam), static_cast<LPARAM>(LParam));
    else
      SendMessageA(form->Handle(), Msg, static_cast<WPARAM>(WParam), static_cast<LPARAM>(LParam));
  }
};

TScreenForms ScreenForms;

}  // namespace
