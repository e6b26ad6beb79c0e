#pragma once
// Skin data of controls: the base classes every control entry derives from, and the
// frame-strip family (frame gauge, animation, switch, frame regulator). Each object reads
// the INI section named by its IDName.

#include "SkinKeyTable.h"
#include "SkinKeywords.h"
#include "SkinTypes.h"

#include "base/Object.h"

#include <string>

class TspDataSkinControl : public TObject {
public:
  explicit TspDataSkinControl(const std::string& AIDName) : IDName(AIDName) {}

  // Fills the object from the section IDName; an absent key gives its default.
  virtual void LoadFromFile(TCustomIniFile& IniFile);
  // Erases the section IDName and writes every key of the class chain back.
  virtual void SaveToFile(TCustomIniFile& IniFile);

  static TSkinKeyTable<TspDataSkinControl> Keys();

  std::string IDName;
  int32_t PictureIndex = -1;  // an index into the skin's active pictures; -1 none
  int32_t MaskPictureIndex = -1;
  TRect SkinRect;
  int32_t CursorIndex = -1;  // a skin cursor; -1 none
};

// The nine-part geometry the skin image builders cut a skin rectangle by.
class TspDataSkinCustomControl
    : public TKeyedSkinData<TspDataSkinCustomControl, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinCustomControl> Keys();

  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  bool StretchEffect = false;
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  TspStretchType StretchType = stfull;
};

// An image of FramesCount frames laid out side by side or one above the other.
class TspDataSkinFrameControl
    : public TKeyedSkinData<TspDataSkinFrameControl, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  void LoadFromFile(TCustomIniFile& IniFile) override;  // a count below 1 loads as 1
  static TSkinKeyTable<TspDataSkinFrameControl> Keys();

  int32_t FramesCount = 1;
  TspFramesPlacement FramesPlacement = fphorizontal;
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameRegulator
    : public TKeyedSkinData<TspDataSkinFrameRegulator, TspDataSkinFrameControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinFrameRegulator> Keys();

  TspRegulatorKind Kind = rkround;
};
