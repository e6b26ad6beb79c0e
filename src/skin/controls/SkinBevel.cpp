#include "SkinBevel.h"

#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelData.h"

TspSkinBevel::TspSkinBevel(TComponent* AOwner) : TBevel(AOwner) {}

void TspSkinBevel::SetSkinData(TspSkinData* Value) {
  SetReference(FSkinData, Value);
  ChangeSkinData();
}

void TspSkinBevel::SetDividerMode(bool Value) {
  FDividerMode = Value;
  Repaint();
}

void TspSkinBevel::Notification(TComponent* AComponent, TOperation Operation) {
  TBevel::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSkinData) FSkinData = nullptr;
}

void TspSkinBevel::ChangeSkinData() {
  FIndex = FSkinData == nullptr || FSkinData->Empty() ? -1 : FSkinData->GetControlIndex(FSkinDataName);
  if (FIndex == -1) {
    FLightColor = clBtnHighlight;
    FDarkColor = clBtnShadow;
  } else if (const auto* entry =
                 dynamic_cast<const TspDataSkinBevel*>(FSkinData->CtrlList[static_cast<size_t>(FIndex)].get())) {
    FLightColor = entry->LightColor;
    FDarkColor = entry->DarkColor;
  }
  Repaint();
}

void TspSkinBevel::Paint() {
  if (!FDividerMode) {
    PaintShape(FLightColor, FDarkColor);
    return;
  }
  Canvas()->Pen()->SetWidth(1);
  const TColor first = Style() == bsLowered ? FDarkColor : FLightColor;
  const TColor second = Style() == bsLowered ? FLightColor : FDarkColor;
  const int w = Width(), h = Height();
  switch (Shape()) {
    case bsTopLine:
    case bsBottomLine: BevelRect({2, h / 2 - 1, w - 2, h / 2}, first, second); break;
    case bsBox:
    case bsFrame:
    case bsLeftLine:
    case bsRightLine: BevelRect({w / 2 - 1, 2, w / 2, h - 2}, first, second); break;
    case bsSpacer: break;
  }
}
