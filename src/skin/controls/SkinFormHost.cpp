#include "SkinFormHost.h"

#include "classlib/Form.h"

TspSkinFormHost* GetSkinForm(TCustomForm* Form) {
  if (Form == nullptr) return nullptr;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* host = dynamic_cast<TspSkinFormHost*>(Form->Components(i))) return host;
  return nullptr;
}

TspSkinFormHost* GetControlSkinForm(TControl* Control) { return GetSkinForm(GetParentForm(Control)); }
