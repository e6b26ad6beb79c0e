#pragma once
// The geometry of the skinned window frame (section FORMINFO), in the coordinates of the
// skin's main picture. The frame draws and hit-tests windows from it.

#include "SkinKeyTable.h"
#include "SkinKeywords.h"
#include "SkinTypes.h"

#include <cstdint>
#include <string>

struct TspSkinFormInfo {
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  int32_t BGPictureIndex = -1;  // an index into the active pictures; -1 none
  int32_t MDIBGPictureIndex = -1;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool TopStretch = false;
  bool BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = stfull;
  bool MDIBGStretchEffect = false;
  TspStretchType MDIBGStretchType = stfull;
  TRect ButtonsRect;
  TRect CaptionRect;
  int32_t ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  TRect MaskRectArea;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TPoint RollUpLeftPoint, RollUpRightPoint;
  TRect MainMenuRect;
  TRect IconRect;
  bool MainMenuPopupUp = false;
  int32_t BorderWidth = 0;
  int32_t FormMinWidth = 0;
  bool MDITabsTransparent = false;
  bool MainMenuBarTransparent = false;
  int32_t CursorIndex = -1;
  bool AutoRenderingInActiveImage = false;
  TspInActiveEffect InActiveEffect = iebrightness;
  TRect SizeGripArea;
  std::string StatusBarName;
};

// The FORMINFO keys in reading order, for a tool that writes skins.
TSkinKeyTable<TspSkinFormInfo> SkinFormInfoKeys();

// Reads every FORMINFO key into Info. For a skin with a mask, MaskRectArea then grows to
// hold ClRect (an empty one becomes ClRect) and each hit-test point with a zero
// coordinate takes its corner point. Last, unless the corner points span no width or no
// height, they are pulled onto ClRect's edges.
void LoadSkinFormInfo(TCustomIniFile& IniFile, bool HasMask, TspSkinFormInfo& Info);
