#include "SkinControlClasses.h"

#include "SkinCheckRadioBox.h"
#include "SkinCustomControl.h"
#include "SkinScrollBar.h"

#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"
#include "classlib/portable/ControlEnums.h"

namespace {

void RegisterBases(TClassRegistry& Registry) {
  Registry.DefinePersistent<TspSkinControl, TCustomControl>("TspSkinControl")
      .String("HintTitle", &TspSkinControl::SetHintTitle)
      .Integer("HintImageIndex", &TspSkinControl::SetHintImageIndex)
      .Reference("HintImageList", &TspSkinControl::SetHintImageList)
      .Boolean("DrawDefault", &TspSkinControl::SetDrawDefault)
      .Reference("SkinData", &TspSkinControl::SetSkinData)
      .String("AreaName", &TspSkinControl::SetAreaName)
      .String("SkinDataName", &TspSkinControl::SetSkinDataName)
      .Boolean("AlphaBlend", &TspSkinControl::SetAlphaBlend)
      .Integer("AlphaBlendValue", &TspSkinControl::SetAlphaBlendValue)
      .Boolean("UseSkinCursor", &TspSkinControl::SetUseSkinCursor);
  Registry.DefinePersistent<TspSkinCustomControl, TspSkinControl>("TspSkinCustomControl")
      .Object("DefaultFont", &TspSkinCustomControl::DefaultFont)
      .Boolean("UseSkinFont", &TspSkinCustomControl::SetUseSkinFont)
      .Boolean("UseActiveFontColor", &TspSkinCustomControl::SetUseActiveFontColor)
      .Integer("DefaultWidth", &TspSkinCustomControl::SetDefaultWidth)
      .Integer("DefaultHeight", &TspSkinCustomControl::SetDefaultHeight);
}

void RegisterCheckRadioBox(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinCheckRadioBox, TspSkinCustomControl>("TspSkinCheckRadioBox")
      .Boolean("WordWrap", &TspSkinCheckRadioBox::SetWordWrap)
      .Boolean("AllowGrayed", &TspSkinCheckRadioBox::SetAllowGrayed)
      .Enum("State", &TspSkinCheckRadioBox::SetState, kCheckBoxStateNames)
      .Reference("Images", &TspSkinCheckRadioBox::SetImages)
      .Integer("ImageIndex", &TspSkinCheckRadioBox::SetImageIndex)
      .Boolean("UseSkinFontColor", &TspSkinCheckRadioBox::SetUseSkinFontColor)
      .Boolean("ShowFocus", &TspSkinCheckRadioBox::SetShowFocus)
      .Boolean("CanFocused", &TspSkinCheckRadioBox::SetCanFocused)
      .Boolean("Radio", &TspSkinCheckRadioBox::SetRadio)
      .Boolean("Checked", &TspSkinCheckRadioBox::SetChecked)
      .Integer("GroupIndex", &TspSkinCheckRadioBox::SetGroupIndex)
      .Boolean("Flat", &TspSkinCheckRadioBox::SetFlat);
}

void RegisterScrollBar(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinScrollBar, TspSkinCustomControl>("TspSkinScrollBar")
      .Enum("Kind", &TspSkinScrollBar::SetKind, kScrollBarKindNames)
      .Integer("Min", &TspSkinScrollBar::SetMin)
      .Integer("Max", &TspSkinScrollBar::SetMax)
      .Integer("Position", &TspSkinScrollBar::SetPosition)
      .Integer("SmallChange", &TspSkinScrollBar::SetSmallChange)
      .Integer("LargeChange", &TspSkinScrollBar::SetLargeChange)
      .Integer("PageSize", &TspSkinScrollBar::SetPageSize)
      .Boolean("Both", &TspSkinScrollBar::SetBoth)
      .Integer("BothMarkerWidth", &TspSkinScrollBar::SetBothMarkerWidth)
      .String("BothSkinDataName", &TspSkinScrollBar::SetBothSkinDataName)
      .Boolean("CanFocused", &TspSkinScrollBar::SetCanFocused)
      .Event("OnChange", &TspSkinScrollBar::OnChange)
      .Event("OnLastChange", &TspSkinScrollBar::OnLastChange)
      .Event("OnUpButtonClick", &TspSkinScrollBar::OnUpButtonClick)
      .Event("OnDownButtonClick", &TspSkinScrollBar::OnDownButtonClick)
      .Event("OnPageUp", &TspSkinScrollBar::OnPageUp)
      .Event("OnPageDown", &TspSkinScrollBar::OnPageDown);
}

}  // namespace

void RegisterSkinControlClasses(TClassRegistry& Registry) {
  RegisterBases(Registry);
  RegisterCheckRadioBox(Registry);
  RegisterScrollBar(Registry);
}
