#pragma once
// TspComboEdit: the combo box's edit part, the edit base that can keep its selection
// shown while it has not the focus.

#include "CustomEdit.h"

class TspComboEdit : public TspCustomEdit {
public:
  using TspCustomEdit::TspCustomEdit;
  void SetHideSelection(bool Value) { SetRecreating(FHideSelection, Value); }

protected:
  void CreateParams(TCreateParams& Params) override {
    TspCustomEdit::CreateParams(Params);
    if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  }

private:
  bool FHideSelection = true;
};
