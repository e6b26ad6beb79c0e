#pragma once
// TspGraphicSkinCustomControl: a windowless skinned control with the geometry of its
// skin entry (TspSkinCustomControlCore), the twin of the windowed TspSkinCustomControl
// without a window region: its size follows the entry as the resize mode allows.

#include "GraphicSkinControl.h"
#include "SkinCustomControlCore.h"

class TspGraphicSkinCustomControl : public TspSkinCustomControlCore<TspGraphicSkinControl> {
public:
  explicit TspGraphicSkinCustomControl(TComponent* AOwner) : TspSkinCustomControlCore(AOwner) {}

  // Reloads from the new skin: without an entry the default size is applied, with one
  // the size is fitted to it.
  void ChangeSkinData() override;
  // The size asked is fitted to the skin entry first.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
};
