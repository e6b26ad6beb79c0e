#pragma once
// Skin data of push buttons, buttons with a drop-down part, and check and radio boxes.

#include "SkinControlData.h"

// Type keyword "button".
class TspDataSkinButtonControl
    : public TKeyedSkinData<TspDataSkinButtonControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinButtonControl> Keys();

  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor DownFontColor = 0;
  TColor DisabledFontColor = 0;
  bool Morphing = false;
  TspMorphKind MorphKind = mkdefault;
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect, AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 0;
  bool ShowFocus = false;
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = 0;
};

// Type keyword "menubutton": a button with a separate track part.
class TspDataSkinMenuButtonControl
    : public TKeyedSkinData<TspDataSkinMenuButtonControl, TspDataSkinButtonControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinMenuButtonControl> Keys();

  TRect TrackButtonRect;
};

// Type keyword "checkradio".
class TspDataSkinCheckRadioControl
    : public TKeyedSkinData<TspDataSkinCheckRadioControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinCheckRadioControl> Keys();

  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor UnenabledFontColor = 0;
  bool Morphing = false;
  TspMorphKind MorphKind = mkdefault;
  TRect ActiveSkinRect, CheckImageArea, TextArea;
  TRect CheckImageRect, GrayedCheckImageRect, UncheckImageRect;
  TRect ActiveCheckImageRect, ActiveGrayedCheckImageRect, ActiveUncheckImageRect;
  TRect UnenabledCheckImageRect, UnenabledGrayedCheckImageRect, UnenabledUncheckImageRect;
  TColor FrameFontColor = 0;
};
