#include "SkinControlClasses.h"

#include "GraphicSkinCustomControl.h"
#include "SkinBevel.h"
#include "SkinButton.h"
#include "SkinCheckRadioBox.h"
#include "SkinCustomControl.h"
#include "SkinGroupBox.h"
#include "SkinScrollBar.h"
#include "SkinSpeedButton.h"
#include "SkinStatusBar.h"
#include "SkinStatusPanel.h"
#include "SkinStdLabel.h"

#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"
#include "classlib/portable/ControlEnums.h"

#include <iterator>

namespace {

constexpr const char* kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
static_assert(std::size(kButtonLayoutNames) == blGlyphBottom + 1);
constexpr const char* kSkinBorderStyleNames[] = {"bvFrame", "bvRaised", "bvLowered", "bvNone"};
static_assert(std::size(kSkinBorderStyleNames) == bvNone + 1);
constexpr const char* kEllipsTypeNames[] = {"spetNone", "spetEndEllips", "spetPathEllips"};
static_assert(std::size(kEllipsTypeNames) == spetPathEllips + 1);
constexpr const char* kEllipsType2Names[] = {"spetNoneEllips", "spetEllips"};
static_assert(std::size(kEllipsType2Names) == spetEllips + 1);

// The properties of the skin binding (TspSkinControlCore), windowed or not.
template <class C>
TPropertyTableBuilder<C>& DefineSkinBinding(TPropertyTableBuilder<C>&& Builder) {
  return Builder.String("HintTitle", &C::SetHintTitle)
      .Integer("HintImageIndex", &C::SetHintImageIndex)
      .Reference("HintImageList", &C::SetHintImageList)
      .Boolean("DrawDefault", &C::SetDrawDefault)
      .Reference("SkinData", &C::SetSkinData)
      .String("AreaName", &C::SetAreaName)
      .String("SkinDataName", &C::SetSkinDataName)
      .Boolean("AlphaBlend", &C::SetAlphaBlend)
      .Integer("AlphaBlendValue", &C::SetAlphaBlendValue)
      .Boolean("UseSkinCursor", &C::SetUseSkinCursor);
}

// The properties of the entry geometry's defaults (TspSkinCustomControlCore).
template <class C>
TPropertyTableBuilder<C>& DefineSkinDefaults(TPropertyTableBuilder<C>&& Builder) {
  return Builder.Object("DefaultFont", &C::DefaultFont)
      .Boolean("UseSkinFont", &C::SetUseSkinFont)
      .Integer("DefaultWidth", &C::SetDefaultWidth)
      .Integer("DefaultHeight", &C::SetDefaultHeight);
}

void RegisterBases(TClassRegistry& Registry) {
  DefineSkinBinding(Registry.DefinePersistent<TspSkinControl, TCustomControl>("TspSkinControl"));
  DefineSkinDefaults(Registry.DefinePersistent<TspSkinCustomControl, TspSkinControl>("TspSkinCustomControl"))
      .Boolean("UseActiveFontColor", &TspSkinCustomControl::SetUseActiveFontColor);
  DefineSkinBinding(Registry.DefinePersistent<TspGraphicSkinControl, TGraphicControl>("TspGraphicSkinControl"));
  DefineSkinDefaults(Registry.DefinePersistent<TspGraphicSkinCustomControl, TspGraphicSkinControl>(
      "TspGraphicSkinCustomControl"));
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

void RegisterLabels(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinStdLabel, TCustomLabel>("TspSkinStdLabel")
      .Enum("EllipsType", &TspSkinStdLabel::SetEllipsType, kEllipsTypeNames)
      .Boolean("UseSkinFont", &TspSkinStdLabel::SetUseSkinFont)
      .Boolean("UseSkinColor", &TspSkinStdLabel::SetUseSkinColor)
      .Object("DefaultFont", &TspSkinStdLabel::DefaultFont)
      .Reference("SkinData", &TspSkinStdLabel::SetSkinData)
      .String("SkinDataName", &TspSkinStdLabel::SetSkinDataName)
      .Event("OnFocusControl", &TspSkinStdLabel::OnFocusControl);
  Registry.DefineComponent<TspSkinLabel, TspSkinCustomControl>("TspSkinLabel")
      .Enum("EllipsType", &TspSkinLabel::SetEllipsType, kEllipsType2Names)
      .Boolean("UseSkinSize", &TspSkinLabel::SetUseSkinSize)
      .Boolean("UseSkinFontColor", &TspSkinLabel::SetUseSkinFontColor)
      .Enum("BorderStyle", &TspSkinLabel::SetBorderStyle, kSkinBorderStyleNames)
      .Enum("Alignment", &TspSkinLabel::SetAlignment, kAlignmentNames)
      .Boolean("AutoSize", &TspSkinLabel::SetAutoSize);
  Registry.DefineComponent<TspSkinStatusPanel, TspSkinLabel>("TspSkinStatusPanel")
      .Object("Glyph", &TspSkinStatusPanel::Glyph)
      .Integer("NumGlyphs", &TspSkinStatusPanel::SetNumGlyphs)
      .Reference("ImageList", &TspSkinStatusPanel::SetImageList)
      .Integer("ImageIndex", &TspSkinStatusPanel::SetImageIndex);
  Registry.DefineComponent<TspSkinBevel, TBevel>("TspSkinBevel")
      .Reference("SkinData", &TspSkinBevel::SetSkinData)
      .String("SkinDataName", &TspSkinBevel::SetSkinDataName)
      .Boolean("DividerMode", &TspSkinBevel::SetDividerMode);
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

void RegisterSpeedButton(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinSpeedButton, TspGraphicSkinCustomControl>("TspSkinSpeedButton")
      .Boolean("Down", &TspSkinSpeedButton::SetDown)
      .Integer("GroupIndex", &TspSkinSpeedButton::SetGroupIndex)
      .Boolean("AllowAllUp", &TspSkinSpeedButton::SetAllowAllUp)
      .Boolean("Flat", &TspSkinSpeedButton::SetFlat)
      .Object("Glyph", &TspSkinSpeedButton::Glyph)
      .Integer("NumGlyphs", &TspSkinSpeedButton::SetNumGlyphs)
      .Reference("ImageList", &TspSkinSpeedButton::SetImageList)
      .Integer("ImageIndex", &TspSkinSpeedButton::SetImageIndex)
      .Enum("Layout", &TspSkinSpeedButton::SetLayout, kButtonLayoutNames)
      .Integer("Margin", &TspSkinSpeedButton::SetMargin)
      .Integer("Spacing", &TspSkinSpeedButton::SetSpacing)
      .Boolean("ShowCaption", &TspSkinSpeedButton::SetShowCaption)
      .Integer("WidthWithCaption", &TspSkinSpeedButton::SetWidthWithCaption)
      .Integer("WidthWithoutCaption", &TspSkinSpeedButton::SetWidthWithoutCaption)
      .Boolean("RepeatMode", &TspSkinSpeedButton::SetRepeatMode)
      .Integer("RepeatInterval", &TspSkinSpeedButton::SetRepeatInterval)
      .Boolean("UseSkinSize", &TspSkinSpeedButton::SetUseSkinSize)
      .Boolean("UseSkinFontColor", &TspSkinSpeedButton::SetUseSkinFontColor);
}

}  // namespace

void RegisterSkinControlClasses(TClassRegistry& Registry) {
  RegisterBases(Registry);
  RegisterButton(Registry);
  RegisterPanels(Registry);
  RegisterLabels(Registry);
  RegisterCheckRadioBox(Registry);
  RegisterScrollBar(Registry);
  RegisterSpeedButton(Registry);
}
