#include "SkinControlClasses.h"

#include "SkinButton.h"
#include "SkinCustomControl.h"
#include "SkinGroupBox.h"
#include "SkinStatusBar.h"

#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"

#include <iterator>

namespace {

constexpr const char* kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
static_assert(std::size(kButtonLayoutNames) == blGlyphBottom + 1);
constexpr const char* kSkinBorderStyleNames[] = {"bvFrame", "bvRaised", "bvLowered", "bvNone"};
static_assert(std::size(kSkinBorderStyleNames) == bvNone + 1);
constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
static_assert(std::size(kAlignmentNames) == taCenter + 1);

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

void RegisterButton(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinButton, TspSkinCustomControl>("TspSkinButton")
      .Reference("ImageList", &TspSkinButton::SetImageList)
      .Integer("ImageIndex", &TspSkinButton::SetImageIndex)
      .Boolean("UseSkinSize", &TspSkinButton::SetUseSkinSize)
      .Boolean("UseSkinFontColor", &TspSkinButton::SetUseSkinFontColor)
      .Boolean("RepeatMode", &TspSkinButton::SetRepeatMode)
      .Integer("RepeatInterval", &TspSkinButton::SetRepeatInterval)
      .Boolean("AllowAllUp", &TspSkinButton::SetAllowAllUp)
      .Boolean("CanFocused", &TspSkinButton::SetCanFocused)
      .Boolean("Down", &TspSkinButton::SetDown)
      .Integer("GroupIndex", &TspSkinButton::SetGroupIndex)
      .Object("Glyph", &TspSkinButton::Glyph)
      .Integer("NumGlyphs", &TspSkinButton::SetNumGlyphs)
      .Integer("Margin", &TspSkinButton::SetMargin)
      .Integer("Spacing", &TspSkinButton::SetSpacing)
      .Enum("Layout", &TspSkinButton::SetLayout, kButtonLayoutNames)
      .Boolean("Cancel", &TspSkinButton::SetCancel)
      .Boolean("Default", &TspSkinButton::SetDefault)
      .Ident("ModalResult", &TspSkinButton::SetModalResult, ModalResultIdents());
}

void RegisterPanels(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinPanel, TspSkinCustomControl>("TspSkinPanel")
      .Boolean("TransparentMode", &TspSkinPanel::SetTransparentMode)
      .Reference("CaptionImageList", &TspSkinPanel::SetCaptionImageList)
      .Integer("CaptionImageIndex", &TspSkinPanel::SetCaptionImageIndex)
      .Integer("RealHeight", &TspSkinPanel::SetRealHeight)
      .Boolean("AutoEnabledControls", &TspSkinPanel::SetAutoEnabledControls)
      .Boolean("CheckedMode", &TspSkinPanel::SetCheckedMode)
      .Boolean("Checked", &TspSkinPanel::SetChecked)
      .Object("Glyph", &TspSkinPanel::Glyph)
      .Integer("NumGlyphs", &TspSkinPanel::SetNumGlyphs)
      .Integer("Spacing", &TspSkinPanel::SetSpacing)
      .Enum("DefaultAlignment", &TspSkinPanel::SetDefaultAlignment, kAlignmentNames)
      .Integer("DefaultCaptionHeight", &TspSkinPanel::SetDefaultCaptionHeight)
      .Enum("BorderStyle", &TspSkinPanel::SetBorderStyle, kSkinBorderStyleNames)
      .Boolean("CaptionMode", &TspSkinPanel::SetCaptionMode)
      .Boolean("RollUpMode", &TspSkinPanel::SetRollUpMode)
      .Boolean("RollUpState", &TspSkinPanel::SetRollUpState)
      .Event("OnChecked", &TspSkinPanel::OnChecked)
      .Event("OnChangeRollUpState", &TspSkinPanel::OnChangeRollUpState);
  Registry.DefineComponent<TspSkinGroupBox, TspSkinPanel>("TspSkinGroupBox");
  Registry.DefineComponent<TspSkinStatusBar, TspSkinPanel>("TspSkinStatusBar")
      .Boolean("SizeGrip", &TspSkinStatusBar::SetSizeGrip);
}

}  // namespace

void RegisterSkinControlClasses(TClassRegistry& Registry) {
  RegisterBases(Registry);
  RegisterButton(Registry);
  RegisterPanels(Registry);
}
