#include "FormPlacement.h"

#include "classlib/Form.h"

void CenterFormOnForm(TCustomForm* other, TCustomForm* form) {
  int centreX = GetSystemMetrics(SM_CXVIRTUALSCREEN) / 2;
  int centreY = GetSystemMetrics(SM_CYVIRTUALSCREEN) / 2;
  if (other != nullptr) {
    centreX = other->Left() + other->Width() / 2;
    centreY = other->Top() + other->Height() / 2;
  }
  form->SetBounds(centreX - form->Width() / 2, centreY - form->Height() / 2, form->Width(), form->Height());
}
