#include "SkinWindowData.h"

#include "SkinIniCodecs.h"

#include "base/StrUtils.h"

namespace {

const char* const AreasSection = "SKINAREAS";
const char* const PopupWindowSection = "POPUPWINDOW";
const char* const HintWindowSection = "HINTWINDOW";
const char* const SkinColorsSection = "SKINCOLORS";

}  // namespace

void GetAreaNameAndRect(const std::string& S, std::string& AIDName, TRect& ARect) {
  std::string rect;
  if (SplitSkinEntry(S, AIDName, rect))
    ParseRect(rect, ARect);
  else
    ARect = TRect{};
}

void AddArea(std::vector<TspDataSkinArea>& AreaList, const std::string& AIDName, const TRect& ARect) {
  AreaList.emplace_back(AIDName, ARect);
}

void LoadAreas(TCustomIniFile& IniFile, std::vector<TspDataSkinArea>& AreaList) {
  const int32_t count = ReadSkinListCount(IniFile, AreasSection, "count");
  for (int32_t i = 0; i < count; ++i) {
    std::string name;
    TRect rect;
    GetAreaNameAndRect(IniFile.ReadString(AreasSection, IntToStr(i), ""), name, rect);
    AddArea(AreaList, name, rect);
  }
}

void TspDataSkinPopupWindow::LoadFromFile(TCustomIniFile& IniFile) {
  ReadSkinKeys(IniFile, PopupWindowSection, *this, Keys());
}

TSkinKeyTable<TspDataSkinPopupWindow> TspDataSkinPopupWindow::Keys() {
  using T = TspDataSkinPopupWindow;
  static constexpr TSkinKey<T> keys[] = {
      {"windowpictureindex", &T::WindowPictureIndex, -1},
      {"maskpictureindex", &T::MaskPictureIndex, -1},
      {"lefttoppoint", &T::LTPoint},
      {"righttoppoint", &T::RTPoint},
      {"leftbottompoint", &T::LBPoint},
      {"rightbottompoint", &T::RBPoint},
      {"cursorindex", &T::CursorIndex, -1},
      {"itemsrect", &T::ItemsRect},
      {"scrollmarkercolor", &T::ScrollMarkerColor},
      {"scrollmarkeractivecolor", &T::ScrollMarkerActiveColor},
      {"leftstretch", &T::LeftStretch},
      {"rightstretch", &T::RightStretch},
      {"topstretch", &T::TopStretch},
      {"bottomstretch", &T::BottomStretch},
      {"stretcheffect", &T::StretchEffect},
      {"stretchtype", &T::StretchType},
  };
  return keys;
}

void TspDataSkinHintWindow::LoadFromFile(TCustomIniFile& IniFile) {
  ReadSkinKeys(IniFile, HintWindowSection, *this, Keys());
}

TSkinKeyTable<TspDataSkinHintWindow> TspDataSkinHintWindow::Keys() {
  using T = TspDataSkinHintWindow;
  static constexpr TSkinKey<T> keys[] = {
      {"windowpictureindex", &T::WindowPictureIndex, -1},
      {"maskpictureindex", &T::MaskPictureIndex, -1},
      {"lefttoppoint", &T::LTPoint},
      {"righttoppoint", &T::RTPoint},
      {"leftbottompoint", &T::LBPoint},
      {"rightbottompoint", &T::RBPoint},
      {"clientrect", &T::ClRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"leftstretch", &T::LeftStretch},
      {"rightstretch", &T::RightStretch},
      {"topstretch", &T::TopStretch},
      {"bottomstretch", &T::BottomStretch},
      {"stretcheffect", &T::StretchEffect},
      {"stretchtype", &T::StretchType},
  };
  return keys;
}

void TspSkinColors::SetDefault() {
  cBtnFace = clBtnFace;
  cBtnText = clBtnText;
  cWindow = clWindow;
  cWindowText = clWindowText;
  cHighLight = clHighlight;
  cHighLightText = clHighlightText;
  cBtnHighLight = clBtnHighlight;
  cBtnShadow = clBtnShadow;
  c3DLight = cl3DLight;
  c3DDkShadow = cl3DDkShadow;
}

void TspSkinColors::LoadFromFile(TCustomIniFile& IniFile) {
  ReadSkinKeys(IniFile, SkinColorsSection, *this, Keys());
}

TSkinKeyTable<TspSkinColors> TspSkinColors::Keys() {
  using T = TspSkinColors;
  static constexpr TSkinKey<T> keys[] = {
      {"cbtnface", &T::cBtnFace},
      {"cbtntext", &T::cBtnText},
      {"cwindow", &T::cWindow},
      {"cwindowtext", &T::cWindowText},
      {"chighlight", &T::cHighLight},
      {"chighlighttext", &T::cHighLightText},
      {"cbtnhighlight", &T::cBtnHighLight},
      {"cbtnshadow", &T::cBtnShadow},
      {"c3dlight", &T::c3DLight},
      {"c3ddkshadow", &T::c3DDkShadow},
  };
  return keys;
}
