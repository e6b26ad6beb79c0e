#pragma once
// Skin data of edits, memos, list boxes, check list boxes, combo boxes and spin edits.

#include "SkinControlData.h"

// Type keyword "edit".
class TspDataSkinEditControl
    : public TKeyedSkinData<TspDataSkinEditControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinEditControl> Keys();

  TRect ActiveSkinRect, DisabledSkinRect;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  TColor DisabledFontColor = 0;
  TColor ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnenabledButtonRect;
};

// Type keyword "memo": an edit with background colours.
class TspDataSkinMemoControl
    : public TKeyedSkinData<TspDataSkinMemoControl, TspDataSkinEditControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinMemoControl> Keys();

  TColor BGColor = 0;
  TColor ActiveBGColor = 0;
};

// Type keyword "listbox".
class TspDataSkinListBox : public TKeyedSkinData<TspDataSkinListBox, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinListBox> Keys();

  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int32_t ItemLeftOffset = 0;
  int32_t ItemRightOffset = 0;
  TRect ItemTextRect;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 14;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor FocusFontColor = 0;
  TRect CaptionRect;
  std::string CaptionFontName = "Arial";
  TFontStyles CaptionFontStyle;
  int32_t CaptionFontHeight = 14;
  TColor CaptionFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  // IDNames of the "scrollbar" entries for the horizontal bar, the vertical bar and the
  // horizontal bar when both are shown.
  std::string HScrollBarName, VScrollBarName, BothHScrollBarName;
  bool ShowFocus = false;
};

// Type keyword "checklistbox".
class TspDataSkinCheckListBox
    : public TKeyedSkinData<TspDataSkinCheckListBox, TspDataSkinListBox> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinCheckListBox> Keys();

  TRect UncheckImageRect, CheckImageRect, ItemCheckRect;
};

// Type keyword "combobox".
class TspDataSkinComboBox : public TKeyedSkinData<TspDataSkinComboBox, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinComboBox> Keys();

  TRect ItemRect, FocusItemRect, ActiveItemRect;
  int32_t ItemLeftOffset = 0;
  int32_t ItemRightOffset = 0;
  TRect ItemTextRect;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 14;
  TColor FontColor = 0;
  TColor FocusFontColor = 0;
  TColor ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnenabledButtonRect;
  bool ItemStretchEffect = false;
  bool FocusItemStretchEffect = false;
  TRect ActiveSkinRect, DisabledSkinRect;
  bool ShowFocus = false;
  std::string ListBoxName;  // the "listbox" entry of the drop-down list; empty none
};

// Type keyword "spinedit".
class TspDataSkinSpinEditControl
    : public TKeyedSkinData<TspDataSkinSpinEditControl, TspDataSkinCustomControl> {
public:
  using TKeyedSkinData::TKeyedSkinData;
  static TSkinKeyTable<TspDataSkinSpinEditControl> Keys();

  TRect ActiveSkinRect;
  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int32_t FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor DisabledFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};
