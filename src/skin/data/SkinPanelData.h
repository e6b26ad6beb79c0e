#pragma once
// Skin data of panels, expanding panels, scroll boxes, labels, bitmap-font labels and
// bevels.

#include "SkinControlData.h"

#include "base/Strings.h"

// Type keyword "panel".
class TspDataSkinPanelControl
    : public TKeyedSkinData<TspDataSkinPanelControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinPanelControl> Keys();

  TRect CaptionRect;
  TAlignment Alignment = taCenter;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  int32_t BGPictureIndex = -1;
  TRect CheckImageRect, UncheckImageRect, MarkFrameRect, FrameRect;
  int32_t FrameLeftOffset = 0;
  int32_t FrameRightOffset = 0;
  TRect FrameTextRect;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = DefaultTransparentColor;
};

// Type keyword "expanel": a panel that rolls up horizontally or vertically.
class TspDataSkinExPanelControl
    : public TKeyedSkinData<TspDataSkinExPanelControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinExPanelControl> Keys();

  TRect RollHSkinRect, RollVSkinRect;
  int32_t RollLeftOffset = 0;
  int32_t RollRightOffset = 0;
  int32_t RollTopOffset = 0;
  int32_t RollBottomOffset = 0;
  TRect RollVCaptionRect, RollHCaptionRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  TRect CaptionRect;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  bool ButtonsTransparent = false;
  TColor ButtonsTransparentColor = DefaultTransparentColor;
};

// Type keyword "scrollbox".
class TspDataSkinScrollBoxControl
    : public TKeyedSkinData<TspDataSkinScrollBoxControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinScrollBoxControl> Keys();

  int32_t BGPictureIndex = -1;
};

// Type keyword "stdlabel": a label drawn in the skin's fonts without a picture.
class TspDataSkinStdLabelControl
    : public TKeyedSkinData<TspDataSkinStdLabelControl, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinStdLabelControl> Keys();

  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = 16711680;  // blue
};

// Type keyword "label".
class TspDataSkinLabelControl
    : public TKeyedSkinData<TspDataSkinLabelControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinLabelControl> Keys();

  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
};

// Type keyword "bitlabel": a label drawn from a picture of symbol cells; Symbols holds
// the rows of characters in the order of the cells.
class TspDataSkinBitLabelControl
    : public TKeyedSkinData<TspDataSkinBitLabelControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinBitLabelControl> Keys();

  TRect SkinTextRect;
  int32_t SymbolWidth = 0;
  int32_t SymbolHeight = 0;
  TStringList Symbols;  // loading appends the lines of the section
};

// Type keyword "bevel".
class TspDataSkinBevel : public TKeyedSkinData<TspDataSkinBevel, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinBevel> Keys();

  TColor LightColor = 0;
  TColor DarkColor = 0;
};
