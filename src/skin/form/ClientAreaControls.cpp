// The controls a client-area frame places in the skin's areas, and hides while rolled up.
#include "ClientAreaControls.h"

#include "skin/form/portable/ClientFrame.h"
#include "skin/form/portable/FrameCore.h"

#include "skin/controls/GraphicSkinControl.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"

#include "classlib/Form.h"

#include <algorithm>

namespace {

// The skin area a skinned control, windowed or not, asks to be laid out in; "" for none.
std::string AreaNameOf(TControl* Control) {
  if (const auto* windowed = dynamic_cast<const TspSkinControl*>(Control)) return windowed->AreaName();
  if (const auto* windowless = dynamic_cast<const TspGraphicSkinControl*>(Control)) return windowless->AreaName();
  return {};
}

}  // namespace

void TspClientAreaControls::Collect(TspSkinData* Skin) {
  FPlaced.clear();
  if (Skin == nullptr || Skin->Empty()) return;
  for (int i = 0; i < FForm.ControlCount(); ++i) {
    TControl* control = FForm.Controls(i);
    const std::string area = AreaNameOf(control);
    if (area.empty()) continue;
    const int index = Skin->GetAreaIndex(area);
    if (index < 0) continue;
    const TRect& rect = Skin->AreaList[static_cast<size_t>(index)].AreaRect;
    if (IsNullRect(rect)) continue;
    control->SetAlign(alNone);
    control->FreeNotification(&FFrame);
    FPlaced.push_back({control, rect});
  }
}

void TspClientAreaControls::LayOut(const TspFrameCore& Core, TspSkinData* Skin) {
  const bool resizable = Skin != nullptr && !Skin->Empty() && IsResizableFrame(*Skin);
  // By index: a control's resize handler may free another, which then leaves the list.
  for (size_t i = 0; i < FPlaced.size(); ++i) {
    const TPlaced placed = FPlaced[i];
    placed.Control->SetBoundsRect(resizable ? Core.AnchorSkinRect(placed.AreaRect) : placed.AreaRect);
    if (auto* windowed = dynamic_cast<TWinControl*>(placed.Control)) windowed->Realign();
  }
}

void TspClientAreaControls::HideForRollUp() {
  if (FHidden.empty())
    for (int i = 0; i < FForm.ControlCount(); ++i) {
      TControl* control = FForm.Controls(i);
      if (!control->Visible()) continue;
      control->FreeNotification(&FFrame);
      FHidden.push_back(control);
    }
  for (TControl* control : FHidden) control->Hide();
}

void TspClientAreaControls::ShowAfterUnroll() {
  // One at a time off the list: showing one may free another that is still on it.
  while (!FHidden.empty()) {
    TControl* control = FHidden.front();
    FHidden.erase(FHidden.begin());
    control->Show();
  }
}

void TspClientAreaControls::Notification(TComponent* AComponent) {
  std::erase_if(FPlaced, [&](const TPlaced& placed) { return placed.Control == AComponent; });
  std::erase(FHidden, AComponent);
}
