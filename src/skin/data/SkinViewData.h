#pragma once
// Skin data of tab controls, grids, the main menu bar, control bars, tree views, list
// views and rich edits.

#include "SkinControlData.h"

// Type keyword "tab". It carries the nine-part geometry itself, under the same keys as
// a custom control.
class TspDataSkinTabControl : public TKeyedSkinData<TspDataSkinTabControl, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinTabControl> Keys();

  TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect;
  TRect ClRect, TabsBGRect;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int32_t TabLeftOffset = 0;
  int32_t TabRightOffset = 0;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 14;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor FocusFontColor = 0;
  TColor MouseInFontColor = 0;
  std::string UpDown;  // the "updown" entry of the tab scroller; empty none
  int32_t BGPictureIndex = -1;
  bool TabStretchEffect = false;
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool ShowFocus = false;
  int32_t FocusOffsetX = 0;
  int32_t FocusOffsetY = 0;
  bool StretchEffect = false;
  TspStretchType StretchType = stfull;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = DefaultTransparentColor;
};

// Type keyword "grid".
class TspDataSkinGridControl : public TKeyedSkinData<TspDataSkinGridControl, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinGridControl> Keys();

  TRect FixedCellRect, SelectCellRect, FocusCellRect, DisabledCellRect;
  int32_t FixedCellLeftOffset = 0;
  int32_t FixedCellRightOffset = 0;
  TRect FixedCellTextRect;
  int32_t CellLeftOffset = 0;
  int32_t CellRightOffset = 0;
  TRect CellTextRect;
  TColor LinesColor = 0;
  TColor BGColor = 0;
  int32_t BGPictureIndex = -1;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 14;
  TColor FontColor = 0;
  TColor SelectFontColor = 0;
  TColor FocusFontColor = 0;
  std::string FixedFontName = "Arial";
  TFontStyles FixedFontStyle;
  int32_t FixedFontHeight = 14;
  TColor FixedFontColor = 0;
  bool FixedCellStretchEffect = false;
  bool CellStretchEffect = false;
  bool ShowFocus = false;
};

// Type keyword "mainmenubar". The text fields name object entries: the bar's items and
// its caption buttons; empty means none.
class TspDataSkinMainMenuBar
    : public TKeyedSkinData<TspDataSkinMainMenuBar, TspDataSkinControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinMainMenuBar> Keys();

  TRect ItemsRect;
  std::string MenuBarItem, CloseButton, MaxButton, MinButton, SysMenuButton;
  TColor TrackMarkColor = 0;
  TColor TrackMarkActiveColor = 0;
  bool StretchEffect = false;
  bool ItemTransparent = false;
};

// Type keyword "controlbar".
class TspDataSkinControlBar
    : public TKeyedSkinData<TspDataSkinControlBar, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinControlBar> Keys();

  TRect ItemRect;
  int32_t BGPictureIndex = -1;
  TRect HGripRect, VGripRect;
  int32_t GripOffset1 = 0;
  int32_t GripOffset2 = 0;
  bool ItemStretchEffect = false;
  int32_t ItemOffset1 = 0;
  int32_t ItemOffset2 = 0;
  bool ItemTransparent = false;
  TColor ItemTransparentColor = 0;
  bool GripTransparent = false;
  TColor GripTransparentColor = 0;
};

// The shape shared by the tree view, list view and rich edit entries, which are
// separate classes with the same fields and keys.
template <class Self>
class TspDataSkinViewControl
    : public TKeyedSkinData<TspDataSkinViewControl<Self>, TspDataSkinControl> {
public:
  using TKeyedSkinData<TspDataSkinViewControl<Self>, TspDataSkinControl>::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinViewControl> Keys();

  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 14;
  TColor FontColor = 0;
  TColor BGColor = clWhite;
};

// Type keyword "treeview".
class TspDataSkinTreeView : public TspDataSkinViewControl<TspDataSkinTreeView> {
public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
};

// Type keyword "listview".
class TspDataSkinListView : public TspDataSkinViewControl<TspDataSkinListView> {
public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
};

// Type keyword "richedit".
class TspDataSkinRichEdit : public TspDataSkinViewControl<TspDataSkinRichEdit> {
public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
};
