// The window's shape: the region a skin's mask gives the window for its size (the mask
// rectangle and the border mask bands around it, or the whole mask without NC support,
// or the roll-up mask of a rolled-up client-area frame).
#include "FrameRegion.h"

#include "skin/form/portable/ClientFrame.h"
#include "skin/form/portable/FrameCore.h"
#include "skin/form/portable/FramePainting.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinBitmaps.h"
#include "skin/data/win32/SkinImages.h"

#include "classlib/Form.h"

#include <utility>

TspFrameRegion::TCut TspFrameRegion::CutOf(const TspFrameCore& Core, const TspSkinData* Skin) const {
  return {FForm.HandleAllocated() ? FForm.Handle() : nullptr, Core.LastWidth(), Core.LastHeight(),
          FormRegionKind(Core), Skin, Skin != nullptr ? Skin->SkinGeneration() : 0};
}

size_t TspFrameRegion::MostRects() const {
  return FForm.HandleAllocated() ? RegionRectsLeftFor(FForm.Handle()) : MaxSkinRegionRects;
}

void TspFrameRegion::Give(TRegion Region, std::optional<TCut> Cut) {
  FSetCut.reset();
  FSetBeforeFirstShow = false;
  if (!FForm.HandleAllocated()) return;
  if (!ShapeWindow(FForm.Handle(), std::move(Region), true)) return;
  // A region past what the skin's budget leaves the window was not given.
  FSet = HasWindowRegion(FForm.Handle());
  if (FSet) FSetCut = Cut;
}

void TspFrameRegion::Drop() {
  FSetCut.reset();
  FSetBeforeFirstShow = false;
  if (!FSet) return;
  FSet = false;
  if (FForm.HandleAllocated()) ShapeWindow(FForm.Handle(), nullptr, true);
}

void TspFrameRegion::SetFormRegion(const TspFrameCore& Core, TspSkinData* Skin, bool Skinnable) {
  // An ordinary frame is the system's, whole.
  if (!Skinnable) {
    Drop();
    return;
  }
  const TCut cut = CutOf(Core, Skin);
  const bool showSizeMessage = std::exchange(FSetBeforeFirstShow, false);
  if (FSet && FSetCut == cut && (showSizeMessage || !FForm.Showing())) return;
  const int width = Core.LastWidth(), height = Core.LastHeight();
  const size_t most = MostRects();
  TRegion region;
  switch (FormRegionKind(Core)) {
    case TspFormRegion::None: Drop(); return;
    case TspFormRegion::WholeMask:
      region = CreateMaskRegion(SkinBitmap(Skin, &TspSkinData::Mask).Get(), most);
      break;
    case TspFormRegion::MaskBands: {
      const TSkinCut cut = MaskCut(*Skin);
      const TSkinCut sized = CutForSize(cut, Rect(0, 0, Core.Skin().Picture.cx, Core.Skin().Picture.cy), width, height);
      region = CreateSkinRegion({cut, sized, SkinBitmap(Skin, &TspSkinData::Mask).Get(), width, height, most});
      break;
    }
    case TspFormRegion::Rectangle:
      if (width > 0 && height > 0) region.reset(CreateRectRgn(0, 0, width, height));
      break;
  }
  Give(std::move(region), cut);
}

void TspFrameRegion::SetBeforeFirstShow(const TspFrameCore& Core, TspSkinData* Skin) {
  SetFormRegion(Core, Skin, true);
  FSetBeforeFirstShow = FSet && FSetCut.has_value();
}

void TspFrameRegion::SetRollUpFormRegion(TspSkinData* Skin) {
  TBitmap* mask = SkinBitmap(Skin, &TspSkinData::RollUpMask).Get();
  if (mask == nullptr || mask->Empty()) {
    Drop();
    return;
  }
  TBitmap widened;
  DrawImage(&widened, mask, RollUpImagePlan({mask->Width(), mask->Height()}, *Skin, FForm.Width()));
  Give(CreateMaskRegion(&widened, MostRects()), std::nullopt);
}
