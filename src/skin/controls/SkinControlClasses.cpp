#include "SkinControlClasses.h"

#include "SkinCustomControl.h"

#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"

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

}  // namespace

void RegisterSkinControlClasses(TClassRegistry& Registry) { RegisterBases(Registry); }
