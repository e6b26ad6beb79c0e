#pragma once
// TspPopupListBox: the combo box's drop-down list, a skinned list box turned into a
// top-level popup that never takes the activation or the focus. The combo box that owns
// it keeps the focus and drives it with its own mouse capture and keys; Show and Hide
// place it and take it away without activating anything. Where the system has layered
// windows it takes the owning combo box's alpha, and may fade in to it.

#include "SkinListBox.h"


class TspPopupListBox : public TspSkinListBox {
public:
  explicit TspPopupListBox(TComponent* AOwner);

  // Shows the list with its top-left corner at P (screen coordinates) above the other
  // windows, without activating it; a fade runs to its end here, handling the messages
  // that come meanwhile, unless the list is closed or freed during it.
  void Show(TPoint P);
  void Hide();

  // The alpha last given to the layered window (0 after a fade: the next starts from it).
  uint8_t AppliedAlpha() const { return FAlpha; }

  void Dispatch(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;

private:
  void FadeIn(uint8_t Alpha);

  bool FLayered = false;
  uint8_t FAlpha = 0;
};
