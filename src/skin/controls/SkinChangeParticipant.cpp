#include "SkinChangeParticipant.h"

#include "classlib/WinControl.h"

namespace {

template <class Tell>
void TellParticipants(TspSkinData* Data, TControl* Control, Tell tell) {
  if (Control == nullptr) return;
  auto* participant = dynamic_cast<TspSkinChangeParticipant*>(Control);
  if (participant != nullptr && (Data == nullptr || participant->SkinData() == Data)) tell(*participant);
  // The count is read anew: a control may add children while it takes the new skin.
  if (auto* parent = dynamic_cast<TWinControl*>(Control))
    for (int i = 0; i < parent->ControlCount(); ++i) TellParticipants(Data, parent->Controls(i), tell);
}

}  // namespace

void PrepareChildrenSkinDataChange(TspSkinData* Data, TControl* Control) {
  TellParticipants(Data, Control, [](TspSkinChangeParticipant& p) { p.PrepareSkinDataChange(); });
}

void ChangeChildrenSkinData(TspSkinData* Data, TControl* Control) {
  TellParticipants(Data, Control, [](TspSkinChangeParticipant& p) { p.ChangeSkinData(); });
}
