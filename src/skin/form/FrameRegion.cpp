// The window's shape: the region a skin's mask gives the window for its size (the mask
// rectangle and the border mask bands around it, or the whole mask without NC support,
// or the roll-up mask of a rolled-up client-area frame). A region handed to the window
// belongs to the system from then on.
#include "DynamicSkinForm.h"

#include "skin/form/portable/ClientFrame.h"
#include "skin/form/portable/FramePainting.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinBitmaps.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinRegions.h"

void TspDynamicSkinForm::SetWindowRegion(TRegion Region) {
  if (Region == nullptr || !FForm->HandleAllocated()) return;
  if (GiveWindowRegion(FForm->Handle(), std::move(Region), true)) FRegionSet = true;
}

void TspDynamicSkinForm::DropWindowRegion() {
  if (!FRegionSet) return;
  FRegionSet = false;
  if (FForm->HandleAllocated()) GiveWindowRegion(FForm->Handle(), nullptr, true);
}

void TspDynamicSkinForm::SetFormRegion() {
  // An ordinary frame is the system's, whole.
  if (!FSkinnable) {
    DropWindowRegion();
    return;
  }
  const int width = FCore.LastWidth(), height = FCore.LastHeight();
  TRegion region;
  switch (FormRegionKind(FCore)) {
    case TspFormRegion::None: DropWindowRegion(); return;
    case TspFormRegion::WholeMask: region = CreateMaskRegion(SkinBitmap(FSkinData, &TspSkinData::Mask).Get()); break;
    case TspFormRegion::MaskBands: {
      const TSkinCut cut = MaskCut(*FSkinData);
      const TSkinCut sized =
          CutForSize(cut, Rect(0, 0, FCore.Skin().Picture.cx, FCore.Skin().Picture.cy), width, height);
      region = CreateSkinRegion({cut, sized, SkinBitmap(FSkinData, &TspSkinData::Mask).Get(), width, height});
      break;
    }
    case TspFormRegion::Rectangle:
      if (width > 0 && height > 0) region.reset(CreateRectRgn(0, 0, width, height));
      break;
  }
  SetWindowRegion(std::move(region));
}

void TspDynamicSkinForm::UpdateRegion(bool Redraw) {
  if (ComponentState().Contains(csDesigning) || FSkinData == nullptr || FSkinData->Empty()) return;
  if (FSkinnable) {
    FCore.UpdateGeometry(FCore.LastWidth(), FCore.LastHeight());
    if (Redraw) UpdateObjectRects();
  }
  SetFormRegion();
  if (FCore.Options.SupportNCArea && !FRegionSet && FSkinnable) RepaintFrame();
  if (FSkinInUse && FSkinData->StretchEffect) NotifyParentBackgroundChanged();
  LayOutClientAreaControls();
}

void TspDynamicSkinForm::SetRollUpFormRegion() {
  TBitmap* mask = SkinBitmap(FSkinData, &TspSkinData::RollUpMask).Get();
  if (mask == nullptr || mask->Empty()) {
    DropWindowRegion();
    return;
  }
  TBitmap widened;
  DrawImage(&widened, mask, RollUpImagePlan({mask->Width(), mask->Height()}, *FSkinData, FForm->Width()));
  SetWindowRegion(CreateMaskRegion(&widened));
}
