#pragma once
// Skin data that belongs to no single entry: the named areas of SKINAREAS, the popup
// (menu) window, the hint window and the skin's replacement colours. These are only
// read; they have no writer.

#include "SkinKeyTable.h"
#include "SkinKeywords.h"
#include "SkinTypes.h"

#include "base/Object.h"

#include <string>
#include <vector>

// A named rectangle of the skin picture.
class TspDataSkinArea : public TObject {
public:
  TspDataSkinArea(const std::string& AIDName, const TRect& ARect)
      : IDName(AIDName), AreaRect(ARect) {}

  std::string IDName;
  TRect AreaRect;
};

// Splits an area entry "name:l,t,r,b" at its first ":" into the name and the rectangle
// (rectangle codec). An entry without ":" gives an empty name and an empty rectangle.
void GetAreaNameAndRect(const std::string& S, std::string& AIDName, TRect& ARect);
// Appends an area of that name and rectangle to AreaList.
void AddArea(std::vector<TspDataSkinArea>& AreaList, const std::string& AIDName, const TRect& ARect);
// Adds one area per entry of the SKINAREAS list, in entry order.
void LoadAreas(TCustomIniFile& IniFile, std::vector<TspDataSkinArea>& AreaList);

// Section POPUPWINDOW: the frame of popup menu windows.
class TspDataSkinPopupWindow : public TObject {
public:
  void LoadFromFile(TCustomIniFile& IniFile);
  static TSkinKeyTable<TspDataSkinPopupWindow> Keys();

  int32_t WindowPictureIndex = -1;  // an index into the skin's active pictures; -1 none
  int32_t MaskPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ItemsRect;
  TColor ScrollMarkerColor = 0;
  TColor ScrollMarkerActiveColor = 0;
  int32_t CursorIndex = -1;
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = stfull;
};

// Section HINTWINDOW: the frame and font of hint windows.
class TspDataSkinHintWindow : public TObject {
public:
  void LoadFromFile(TCustomIniFile& IniFile);
  static TSkinKeyTable<TspDataSkinHintWindow> Keys();

  int32_t WindowPictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = stfull;
};

// Section SKINCOLORS: ten colours that stand in for system colours. Every colour the
// section lacks loads as 0, not as its system colour.
class TspSkinColors : public TObject {
public:
  // The system colours.
  void SetDefault();
  void LoadFromFile(TCustomIniFile& IniFile);
  static TSkinKeyTable<TspSkinColors> Keys();

  TColor cBtnFace = 0;
  TColor cBtnText = 0;
  TColor cWindow = 0;
  TColor cWindowText = 0;
  TColor cHighLight = 0;
  TColor cHighLightText = 0;
  TColor cBtnHighLight = 0;
  TColor cBtnShadow = 0;
  TColor c3DLight = 0;
  TColor c3DDkShadow = 0;
};
