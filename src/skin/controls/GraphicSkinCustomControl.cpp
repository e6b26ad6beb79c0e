#include "GraphicSkinCustomControl.h"

#include "base/DispatchScope.h"

void TspGraphicSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  GetSkinData();
  const bool skinned = Skinned();
  const TSize old{Width(), Height()};
  if (skinned && (AWidth != old.cx || AHeight != old.cy)) CalcSize(AWidth, AHeight);
  TspSkinCustomControlCore::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (skinned && old != TSize{Width(), Height()}) Repaint();
}

void TspGraphicSkinCustomControl::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  const TSize size = SkinSize();
  if (size != TSize{Width(), Height()})
    SetBounds(Left(), Top(), size.cx, size.cy);  // which repaints
  else
    Repaint();
}
