#pragma once
// TspGraphicSkinControl: the base of the windowless skinned controls (the speed
// buttons), the twin of the windowed TspSkinControl: the same skin binding and
// off-screen paint (TspSkinControlCore), put into its parent's paint. Without children
// of its own it only repaints when its parent's background changes under a blend.

#include "SkinControlCore.h"

class TspGraphicSkinControl : public TspSkinControlCore<TGraphicControl> {
public:
  explicit TspGraphicSkinControl(TComponent* AOwner) : TspSkinControlCore(AOwner) {}

  void Dispatch(TMessage& Message) override;
};
