#pragma once
// Skin data of scroll bars, track bars, progress gauges, up-down buttons, splitters and
// sliders. Transparent colours start as fuchsia but load as 0 when their key is absent.

#include "SkinControlData.h"

// Type keyword "scrollbar".
class TspDataSkinScrollBarControl
    : public TKeyedSkinData<TspDataSkinScrollBarControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinScrollBarControl> Keys();

  TRect TrackArea;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int32_t ThumbOffset1 = 0;
  int32_t ThumbOffset2 = 0;
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
  bool GlyphTransparent = false;
  TColor GlyphTransparentColor = DefaultTransparentColor;
  bool ThumbTransparent = false;
  TColor ThumbTransparentColor = DefaultTransparentColor;
  bool ThumbStretchEffect = false;
  int32_t ThumbMinSize = 0;
  int32_t ThumbMinPageSize = 0;
};

// Type keyword "trackbar".
class TspDataSkinTrackBarControl
    : public TKeyedSkinData<TspDataSkinTrackBarControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinTrackBarControl> Keys();

  TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = DefaultTransparentColor;
};

// Type keyword "gauge".
class TspDataSkinGaugeControl
    : public TKeyedSkinData<TspDataSkinGaugeControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinGaugeControl> Keys();

  TRect ProgressArea, ProgressRect;
  bool ProgressTransparent = false;
  TColor ProgressTransparentColor = DefaultTransparentColor;
  bool ProgressStretch = false;
  bool Vertical = false;
  int32_t BeginOffset = 0;
  int32_t EndOffset = 0;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 14;
  TColor FontColor = 0;
  TRect AnimationSkinRect;
  int32_t AnimationCountFrames = 0;
  int32_t AnimationTimerInterval = 0;
  TRect ProgressAnimationSkinRect;
  int32_t ProgressAnimationCountFrames = 0;
  int32_t ProgressAnimationTimerInterval = 0;
  int32_t AnimationBeginOffset = 0;
  int32_t AnimationEndOffset = 0;
};

// Type keyword "updown". Its entries carry no corner points and no client rectangle:
// loading and saving keep those fields zero whatever the section holds.
class TspDataSkinUpDownControl
    : public TKeyedSkinData<TspDataSkinUpDownControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  void LoadFromFile(TCustomIniFile& IniFile) override;
  void SaveToFile(TCustomIniFile& IniFile) override;
  static TSkinKeyTable<TspDataSkinUpDownControl> Keys();

  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

private:
  void ClearGeometry();
};

// Type keyword "splitter".
class TspDataSkinSplitterControl
    : public TKeyedSkinData<TspDataSkinSplitterControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinSplitterControl> Keys();

  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = DefaultTransparentColor;
};

// Type keyword "slider".
class TspDataSkinSlider : public TKeyedSkinData<TspDataSkinSlider, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinSlider> Keys();

  TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int32_t EdgeSize = 0;
  TColor BGColor = 0;
  TColor PointsColor = 0;
};
