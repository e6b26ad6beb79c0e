// The controls a client-area frame places in the skin's areas, and hides while rolled up.
#include "ClientAreaControls.h"

#include "skin/form/portable/ClientFrame.h"
#include "skin/form/portable/FrameCore.h"

#include "skin/controls/GraphicSkinControl.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"

#include "classlib/Form.h"

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
    FPlaced.push_back({control, rect});
  }
}

void TspClientAreaControls::LayOut(const TspFrameCore& Core, TspSkinData* Skin) {
  const bool resizable = Skin != nullptr && !Skin->Empty() && IsResizableFrame(*Skin);
  for (const TPlaced& placed : FPlaced) {
    placed.Control->SetBoundsRect(resizable ? Core.AnchorSkinRect(placed.AreaRect) : placed.AreaRect);
    if (auto* windowed = dynamic_cast<TWinControl*>(placed.Control)) windowed->Realign();
  }
}

void TspClientAreaControls::HideForRollUp() {
  if (FHidden.empty())
    for (int i = 0; i < FForm.ControlCount(); ++i) {
      TControl* control = FForm.Controls(i);
      if (!control->Visible()) continue;
      FHidden.push_back(control);
    }
  for (TControl* control : FHidden) control->Hide();
}

void TspClientAreaControls::ShowAfterUnroll() {
  const std::vector<TControl*> hidden = std::move(FHidden);
  FHidden.clear();
  for (TControl* control : hidden) control->Show();
}
