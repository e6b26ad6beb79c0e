#include "SkinBarData.h"

TSkinKeyTable<TspDataSkinScrollBarControl> TspDataSkinScrollBarControl::Keys() {
  using T = TspDataSkinScrollBarControl;
  static constexpr TSkinKey<T> keys[] = {
      {"trackarea", &T::TrackArea},
      {"upbuttonrect", &T::UpButtonRect},
      {"activeupbuttonrect", &T::ActiveUpButtonRect},
      {"downupbuttonrect", &T::DownUpButtonRect},
      {"downbuttonrect", &T::DownButtonRect},
      {"activedownbuttonrect", &T::ActiveDownButtonRect},
      {"downdownbuttonrect", &T::DownDownButtonRect},
      {"thumbrect", &T::ThumbRect},
      {"activethumbrect", &T::ActiveThumbRect},
      {"downthumbrect", &T::DownThumbRect},
      {"thumboffset1", &T::ThumbOffset1},
      {"thumboffset2", &T::ThumbOffset2},
      {"thumbtransparent", &T::ThumbTransparent},
      {"thumbtransparentcolor", &T::ThumbTransparentColor},
      {"thumbstretcheffect", &T::ThumbStretchEffect},
      {"thumbminsize", &T::ThumbMinSize},
      {"thumbminpagesize", &T::ThumbMinPageSize},
      {"glyphrect", &T::GlyphRect},
      {"activeglyphrect", &T::ActiveGlyphRect},
      {"downglyphrect", &T::DownGlyphRect},
      {"glyphtransparent", &T::GlyphTransparent},
      {"glyphtransparentcolor", &T::GlyphTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinTrackBarControl> TspDataSkinTrackBarControl::Keys() {
  using T = TspDataSkinTrackBarControl;
  static constexpr TSkinKey<T> keys[] = {
      {"activeskinrect", &T::ActiveSkinRect},
      {"trackarea", &T::TrackArea},
      {"buttonrect", &T::ButtonRect},
      {"activebuttonrect", &T::ActiveButtonRect},
      {"vertical", &T::Vertical},
      {"buttontransparent", &T::ButtonTransparent},
      {"buttontransparentcolor", &T::ButtonTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinGaugeControl> TspDataSkinGaugeControl::Keys() {
  using T = TspDataSkinGaugeControl;
  static constexpr TSkinKey<T> keys[] = {
      {"progressarea", &T::ProgressArea},
      {"progressrect", &T::ProgressRect},
      {"beginoffset", &T::BeginOffset},
      {"endoffset", &T::EndOffset},
      {"vertical", &T::Vertical},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"progresstransparent", &T::ProgressTransparent},
      {"progresstransparentcolor", &T::ProgressTransparentColor},
      {"progressstretch", &T::ProgressStretch},
      {"animationskinrect", &T::AnimationSkinRect},
      {"animationcountframes", &T::AnimationCountFrames},
      {"animationtimerinterval", &T::AnimationTimerInterval},
      {"progressanimationskinrect", &T::ProgressAnimationSkinRect},
      {"progressanimationcountframes", &T::ProgressAnimationCountFrames},
      {"progressanimationtimerinterval", &T::ProgressAnimationTimerInterval},
      {"animationbeginoffset", &T::AnimationBeginOffset},
      {"animationendoffset", &T::AnimationEndOffset},
  };
  return keys;
}

void TspDataSkinUpDownControl::LoadFromFile(TCustomIniFile& IniFile) {
  TKeyedSkinData::LoadFromFile(IniFile);
  ClearGeometry();
}

void TspDataSkinUpDownControl::SaveToFile(TCustomIniFile& IniFile) {
  ClearGeometry();
  TKeyedSkinData::SaveToFile(IniFile);
}

void TspDataSkinUpDownControl::ClearGeometry() {
  LTPoint = RTPoint = LBPoint = RBPoint = TPoint{};
  ClRect = TRect{};
}

TSkinKeyTable<TspDataSkinUpDownControl> TspDataSkinUpDownControl::Keys() {
  using T = TspDataSkinUpDownControl;
  static constexpr TSkinKey<T> keys[] = {
      {"upbuttonrect", &T::UpButtonRect},
      {"activeupbuttonrect", &T::ActiveUpButtonRect},
      {"downupbuttonrect", &T::DownUpButtonRect},
      {"downbuttonrect", &T::DownButtonRect},
      {"activedownbuttonrect", &T::ActiveDownButtonRect},
      {"downdownbuttonrect", &T::DownDownButtonRect},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinSplitterControl> TspDataSkinSplitterControl::Keys() {
  using T = TspDataSkinSplitterControl;
  static constexpr TSkinKey<T> keys[] = {
      {"gripperrect", &T::GripperRect},
      {"grippertransparent", &T::GripperTransparent},
      {"grippertransparentcolor", &T::GripperTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinSlider> TspDataSkinSlider::Keys() {
  using T = TspDataSkinSlider;
  static constexpr TSkinKey<T> keys[] = {
      {"bgcolor", &T::BGColor},
      {"hrulerrect", &T::HRulerRect},
      {"hthumbrect", &T::HThumbRect},
      {"vrulerrect", &T::VRulerRect},
      {"vthumbrect", &T::VThumbRect},
      {"edgesize", &T::EdgeSize},
      {"pointscolor", &T::PointsColor},
  };
  return keys;
}
