#pragma once
// Skin data of window-frame objects: the caption, caption buttons, menu items, menu bar
// items and buttons, labels, gauges, track bars and the like. Each object reads the INI
// section named by its IDName. A new object holds zeros and empty values except where a
// constructor says otherwise; loading gives every key its absent value.

#include "SkinKeyTable.h"
#include "SkinKeywords.h"
#include "SkinTypes.h"

#include "base/Object.h"
#include "base/Strings.h"

#include <string>

class TspDataSkinObject : public TObject {
public:
  explicit TspDataSkinObject(const std::string& AIDName) : IDName(AIDName) {}

  virtual void LoadFromFile(TCustomIniFile& IniFile);
  // Erases the section IDName and writes every key of the class chain back.
  virtual void SaveToFile(TCustomIniFile& IniFile);

  static TSkinKeyTable<TspDataSkinObject> Keys();

  std::string IDName;
  std::string Hint;
  bool SkinRectInAPicture = false;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool Morphing = false;
  TspMorphKind MorphKind = mkdefault;
  int32_t ActivePictureIndex = -1;  // an index into the skin's active pictures; -1 none
  int32_t CursorIndex = -1;         // a skin cursor; -1 none
  bool RollUp = false;
};

// Type keyword "userobject": a bare rectangle with its own small key set in place of
// the base keys.
class TspDataUserObject : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;
  void LoadFromFile(TCustomIniFile& IniFile) override;
  void SaveToFile(TCustomIniFile& IniFile) override;

  static TSkinKeyTable<TspDataSkinObject> Keys();
};

// An object that never morphs: loading clears Morphing whatever its section says.
template <class Fields>
class TStillSkinObject : public TKeyedSkinData<Fields, TspDataSkinObject> {
public:
  using TKeyedSkinData<Fields, TspDataSkinObject>::TKeyedSkinData;

  void LoadFromFile(TCustomIniFile& IniFile) override {
    TKeyedSkinData<Fields, TspDataSkinObject>::LoadFromFile(IniFile);
    this->Morphing = false;
  }
};

// Type keyword "switch".
class TspDataSkinSwitch : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;
};

// Type keyword "gauge".
class TspDataSkinGauge : public TKeyedSkinData<TspDataSkinGauge, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinGauge> Keys();

  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  TspGaugeKind Kind = gkhorizontal;
};

// Type keyword "framegauge".
class TspDataSkinFrameGaugeObject
    : public TKeyedSkinData<TspDataSkinFrameGaugeObject, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinFrameGaugeObject> Keys();

  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  int32_t CountFrames = 0;
  TspFramesPlacement FramesPlacement = fphorizontal;
};

// Type keyword "frameregulator".
class TspDataSkinFrameRegulatorObject
    : public TKeyedSkinData<TspDataSkinFrameRegulatorObject, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinFrameRegulatorObject> Keys();

  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  int32_t CountFrames = 0;
  TspFramesPlacement FramesPlacement = fphorizontal;
  TspRegulatorKind Kind = rkround;
};

// Type keyword "trackbar".
class TspDataSkinTrackBar : public TStillSkinObject<TspDataSkinTrackBar> {
public:
  using TStillSkinObject::TStillSkinObject;
  static TSkinKeyTable<TspDataSkinTrackBar> Keys();

  TRect ButtonRect, ActiveButtonRect;
  TPoint BeginPoint, EndPoint;
  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  bool MouseDownChangeValue = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;
};

// Type keyword "animate".
class TspDataSkinAnimate : public TStillSkinObject<TspDataSkinAnimate> {
public:
  using TStillSkinObject::TStillSkinObject;
  static TSkinKeyTable<TspDataSkinAnimate> Keys();

  int32_t CountFrames = 0;
  bool Cycle = false;
  bool ButtonStyle = false;
  int32_t TimerInterval = 0;
  TspStdButtonCommand Command = cmclose;
  TRect DownSkinRect;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

// Type keyword "button".
class TspDataSkinButton : public TKeyedSkinData<TspDataSkinButton, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinButton> Keys();

  int32_t GroupIndex = -1;
  TRect DownRect;
  TRect DisableSkinRect;
};

// Type keyword "stdbutton": a caption button that runs a window command.
class TspDataSkinStdButton : public TKeyedSkinData<TspDataSkinStdButton, TspDataSkinButton> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinStdButton> Keys();

  TspStdButtonCommand Command = cmclose;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

// Type keyword "mainmenubarbutton".
class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
public:
  using TspDataSkinStdButton::TspDataSkinStdButton;
};

// Type keyword "menuitem". An active image rectangle that loads empty takes the value
// of its normal rectangle.
class TspDataSkinMenuItem : public TKeyedSkinData<TspDataSkinMenuItem, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  void LoadFromFile(TCustomIniFile& IniFile) override;
  static TSkinKeyTable<TspDataSkinMenuItem> Keys();

  TRect DividerRect;
  int32_t DividerLeftOffset = 0;
  int32_t DividerRightOffset = 0;
  int32_t ItemLeftOffset = 0;
  int32_t ItemRightOffset = 0;
  std::string FontName;
  int32_t FontHeight = 0;
  TFontStyles FontStyle;
  TColor UnenabledFontColor = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TRect TextRect;
  bool StretchEffect = false;
  bool DividerStretchEffect = false;
  bool InActiveStretchEffect = false;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 0;
  bool InActiveAnimation = false;
  TRect ImageRect;
  bool UseImageColor = false;
  TColor ImageColor = 0;
  TColor ActiveImageColor = 0;
  bool InActiveTransparent = false;
  TRect CheckImageRect, ActiveCheckImageRect;
  TRect RadioImageRect, ActiveRadioImageRect;
  TRect ArrowImageRect, ActiveArrowImageRect;
};

// Type keyword "mainmenuitem".
class TspDataSkinMainMenuItem
    : public TKeyedSkinData<TspDataSkinMainMenuItem, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinMainMenuItem> Keys();

  TRect DownRect;
  std::string FontName;
  int32_t FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor DownFontColor = 0;
  TColor UnenabledFontColor = 0;
  TRect TextRect;
  int32_t ItemLeftOffset = 0;
  int32_t ItemRightOffset = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 0;
  bool InActiveAnimation = false;
};

// Type keyword "mainmenubaritem".
class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
public:
  using TspDataSkinMainMenuItem::TspDataSkinMainMenuItem;
};

// Type keyword "label".
class TspDataSkinLabel : public TKeyedSkinData<TspDataSkinLabel, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinLabel> Keys();

  std::string FontName;
  int32_t FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TAlignment Alignment = taLeftJustify;
  std::string TextValue;
};

// Type keyword "bitlabel": text drawn from a picture of symbol cells.
class TspDataSkinBitLabel : public TStillSkinObject<TspDataSkinBitLabel> {
public:
  using TStillSkinObject::TStillSkinObject;
  static TSkinKeyTable<TspDataSkinBitLabel> Keys();

  TStringList Symbols;  // loading appends the lines of the section
  std::string TextValue;
  int32_t SymbolWidth = 0;
  int32_t SymbolHeight = 0;
  bool Transparent = false;
  TColor TransparentColor = DefaultTransparentColor;
};

// Type keyword "caption": the window caption text and its frame.
class TspDataSkinCaption : public TKeyedSkinData<TspDataSkinCaption, TspDataSkinObject> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinCaption> Keys();

  std::string FontName;
  int32_t FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor ShadowColor = 0;
  TColor ActiveShadowColor = 0;
  bool Shadow = false;
  TAlignment Alignment = taLeftJustify;
  TRect TextRect;
  bool DefaultCaption = false;
  TRect FrameRect, ActiveFrameRect;
  int32_t FrameLeftOffset = 0;
  int32_t FrameRightOffset = 0;
  TRect FrameTextRect;
  bool Light = false;
  TColor LightColor = 0;
  TColor ActiveLightColor = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 0;
  bool InActiveAnimation = false;
  bool FullFrame = false;
};
