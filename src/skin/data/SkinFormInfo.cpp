#include "SkinFormInfo.h"

#include "SkinKeyTable.h"
#include "SkinRects.h"

#include <algorithm>

namespace {

using T = TspSkinFormInfo;

constexpr TSkinKey<T> FormInfoKeys[] = {
    {"lefttoppoint", &T::LTPoint},
    {"righttoppoint", &T::RTPoint},
    {"leftbottompoint", &T::LBPoint},
    {"rightbottompoint", &T::RBPoint},
    {"clientrect", &T::ClRect},
    {"bgpictureindex", &T::BGPictureIndex, -1},
    {"mdibgpictureindex", &T::MDIBGPictureIndex, -1},
    {"leftstretch", &T::LeftStretch},
    {"rightstretch", &T::RightStretch},
    {"topstretch", &T::TopStretch},
    {"bottomstretch", &T::BottomStretch},
    {"stretcheffect", &T::StretchEffect},
    {"stretchtype", &T::StretchType},
    {"mdibgstretcheffect", &T::MDIBGStretchEffect},
    {"mdibgstretchtype", &T::MDIBGStretchType},
    {"buttonsrect", &T::ButtonsRect},
    {"captionrect", &T::CaptionRect},
    {"buttonsoffset", &T::ButtonsOffset},
    {"buttonsinleft", &T::ButtonsInLeft},
    {"maskrectarea", &T::MaskRectArea},
    {"hittestlefttoppoint", &T::HitTestLTPoint},
    {"hittestrighttoppoint", &T::HitTestRTPoint},
    {"hittestleftbottompoint", &T::HitTestLBPoint},
    {"hittestrightbottompoint", &T::HitTestRBPoint},
    {"rollupleftpoint", &T::RollUpLeftPoint},
    {"rolluprightpoint", &T::RollUpRightPoint},
    {"mainmenurect", &T::MainMenuRect},
    {"iconrect", &T::IconRect},
    {"mainmenupopupup", &T::MainMenuPopupUp},
    {"borderwidth", &T::BorderWidth},
    {"formminwidth", &T::FormMinWidth},
    {"mditabstransparent", &T::MDITabsTransparent},
    {"mainmenubartransparent", &T::MainMenuBarTransparent},
    {"cursorindex", &T::CursorIndex, -1},
    {"autorenderinginactiveimage", &T::AutoRenderingInActiveImage},
    {"inactiveeffect", &T::InActiveEffect},
    {"sizegriparea", &T::SizeGripArea},
    {"statusbarname", &T::StatusBarName},
};

// The mask covers at least the client area, and hit-testing falls back on the corners.
void FitMaskGeometry(TspSkinFormInfo& Info) {
  TRect& area = Info.MaskRectArea;
  const TRect& client = Info.ClRect;
  if (IsNullRect(area)) {
    area = client;
  } else {
    area.Left = std::min(area.Left, client.Left);
    area.Top = std::min(area.Top, client.Top);
    area.Right = std::max(area.Right, client.Right);
    area.Bottom = std::max(area.Bottom, client.Bottom);
  }
  const std::pair<TPoint*, const TPoint*> pairs[] = {{&Info.HitTestLTPoint, &Info.LTPoint},
                                                     {&Info.HitTestRTPoint, &Info.RTPoint},
                                                     {&Info.HitTestLBPoint, &Info.LBPoint},
                                                     {&Info.HitTestRBPoint, &Info.RBPoint}};
  for (auto [hitTest, corner] : pairs)
    if (IsNullPoint(*hitTest)) *hitTest = *corner;
}

void PullCornersOntoClientRect(TspSkinFormInfo& Info) {
  const TRect& r = Info.ClRect;
  Info.LTPoint = {std::max(Info.LTPoint.X, r.Left), std::max(Info.LTPoint.Y, r.Top)};
  Info.RTPoint = {std::min(Info.RTPoint.X, r.Right), std::max(Info.RTPoint.Y, r.Top)};
  Info.LBPoint = {std::max(Info.LBPoint.X, r.Left), std::min(Info.LBPoint.Y, r.Bottom)};
  Info.RBPoint = {std::min(Info.RBPoint.X, r.Right), std::min(Info.RBPoint.Y, r.Bottom)};
}

}  // namespace

TSkinKeyTable<TspSkinFormInfo> SkinFormInfoKeys() { return FormInfoKeys; }

void LoadSkinFormInfo(TCustomIniFile& IniFile, bool HasMask, TspSkinFormInfo& Info) {
  ReadSkinKeys(IniFile, "FORMINFO", Info, SkinFormInfoKeys());
  if (HasMask) FitMaskGeometry(Info);
  if (Info.RBPoint.X != Info.LTPoint.X && Info.RBPoint.Y != Info.LTPoint.Y)
    PullCornersOntoClientRect(Info);
}
