#include "SkinObjectData.h"

#include "SkinRects.h"

#include <utility>

void TspDataSkinObject::LoadFromFile(TCustomIniFile& IniFile) {
  ReadSkinKeys(IniFile, IDName, *this, Keys());
}

void TspDataSkinObject::SaveToFile(TCustomIniFile& IniFile) {
  IniFile.EraseSection(IDName);
  WriteSkinKeys(IniFile, IDName, *this, Keys());
}

TSkinKeyTable<TspDataSkinObject> TspDataSkinObject::Keys() {
  using T = TspDataSkinObject;
  static constexpr TSkinKey<T> keys[] = {
      {"hint", &T::Hint},
      {"rollup", &T::RollUp},
      {"activepictureindex", &T::ActivePictureIndex, -1},
      {"skinrectinapicture", &T::SkinRectInAPicture},
      {"cursorindex", &T::CursorIndex, -1},
      {"skinrect", &T::SkinRect},
      {"activeskinrect", &T::ActiveSkinRect},
      {"inactiveskinrect", &T::InActiveSkinRect},
      {"morphing", &T::Morphing},
      {"morphkind", &T::MorphKind},
  };
  return keys;
}

void TspDataUserObject::LoadFromFile(TCustomIniFile& IniFile) {
  ReadSkinKeys<TspDataSkinObject>(IniFile, IDName, *this, Keys());
}

void TspDataUserObject::SaveToFile(TCustomIniFile& IniFile) {
  IniFile.EraseSection(IDName);
  WriteSkinKeys<TspDataSkinObject>(IniFile, IDName, *this, Keys());
}

TSkinKeyTable<TspDataSkinObject> TspDataUserObject::Keys() {
  using T = TspDataSkinObject;
  static constexpr TSkinKey<T> keys[] = {
      {"rollup", &T::RollUp},
      {"skinrect", &T::SkinRect},
      {"cursorindex", &T::CursorIndex, -1},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinGauge> TspDataSkinGauge::Keys() {
  using T = TspDataSkinGauge;
  static constexpr TSkinKey<T> keys[] = {
      {"minvalue", &T::MinValue},
      {"maxvalue", &T::MaxValue},
      {"kind", &T::Kind},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinFrameGaugeObject> TspDataSkinFrameGaugeObject::Keys() {
  using T = TspDataSkinFrameGaugeObject;
  static constexpr TSkinKey<T> keys[] = {
      {"minvalue", &T::MinValue},
      {"maxvalue", &T::MaxValue},
      {"countframes", &T::CountFrames},
      {"framesplacement", &T::FramesPlacement},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinFrameRegulatorObject> TspDataSkinFrameRegulatorObject::Keys() {
  using T = TspDataSkinFrameRegulatorObject;
  static constexpr TSkinKey<T> keys[] = {
      {"minvalue", &T::MinValue},
      {"maxvalue", &T::MaxValue},
      {"countframes", &T::CountFrames},
      {"framesplacement", &T::FramesPlacement},
      {"kind", &T::Kind},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinTrackBar> TspDataSkinTrackBar::Keys() {
  using T = TspDataSkinTrackBar;
  static constexpr TSkinKey<T> keys[] = {
      {"buttonrect", &T::ButtonRect},
      {"activebuttonrect", &T::ActiveButtonRect},
      {"beginpoint", &T::BeginPoint},
      {"endpoint", &T::EndPoint},
      {"minvalue", &T::MinValue},
      {"maxvalue", &T::MaxValue},
      {"mousedownchangevalue", &T::MouseDownChangeValue},
      {"buttontransparent", &T::ButtonTransparent},
      {"buttontransparentcolor", &T::ButtonTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinAnimate> TspDataSkinAnimate::Keys() {
  using T = TspDataSkinAnimate;
  static constexpr TSkinKey<T> keys[] = {
      {"countframes", &T::CountFrames, 1},
      {"cycle", &T::Cycle},
      {"buttonstyle", &T::ButtonStyle},
      {"timerinterval", &T::TimerInterval, 50},
      {"command", &T::Command},
      {"downskinrect", &T::DownSkinRect},
      {"restorerect", &T::RestoreRect},
      {"restoreactiverect", &T::RestoreActiveRect},
      {"restoredownrect", &T::RestoreDownRect},
      {"restoreinactiverect", &T::RestoreInActiveRect},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinButton> TspDataSkinButton::Keys() {
  using T = TspDataSkinButton;
  static constexpr TSkinKey<T> keys[] = {
      {"downrect", &T::DownRect},
      {"disableskinrsect", &T::DisableSkinRect},  // spelled so in every stored skin
      {"groupindex", &T::GroupIndex, -1},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinStdButton> TspDataSkinStdButton::Keys() {
  using T = TspDataSkinStdButton;
  static constexpr TSkinKey<T> keys[] = {
      {"command", &T::Command},
      {"restorerect", &T::RestoreRect},
      {"restoreactiverect", &T::RestoreActiveRect},
      {"restoredownrect", &T::RestoreDownRect},
      {"restoreinactiverect", &T::RestoreInActiveRect},
  };
  return keys;
}

void TspDataSkinMenuItem::LoadFromFile(TCustomIniFile& IniFile) {
  TKeyedSkinData::LoadFromFile(IniFile);
  for (auto [normal, active] : {std::pair{&CheckImageRect, &ActiveCheckImageRect},
                                std::pair{&RadioImageRect, &ActiveRadioImageRect},
                                std::pair{&ArrowImageRect, &ActiveArrowImageRect}})
    if (IsNullRect(*active)) *active = *normal;
}

TSkinKeyTable<TspDataSkinMenuItem> TspDataSkinMenuItem::Keys() {
  using T = TspDataSkinMenuItem;
  static constexpr TSkinKey<T> keys[] = {
      {"itemleftoffset", &T::ItemLeftOffset},
      {"itemrightoffset", &T::ItemRightOffset},
      {"dividerrect", &T::DividerRect},
      {"dividerleftoffset", &T::DividerLeftOffset},
      {"dividerrightoffset", &T::DividerRightOffset},
      {"textrect", &T::TextRect},
      {"imagerect", &T::ImageRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"unenabledfontcolor", &T::UnenabledFontColor},
      {"stretcheffect", &T::StretchEffect},
      {"inactivestretcheffect", &T::InActiveStretchEffect},
      {"dividerstretcheffect", &T::DividerStretchEffect},
      {"animateskinrect", &T::AnimateSkinRect},
      {"framecount", &T::FrameCount},
      {"animateinterval", &T::AnimateInterval, 25},
      {"inactiveanimation", &T::InActiveAnimation},
      {"useimagecolor", &T::UseImageColor},
      {"imagecolor", &T::ImageColor},
      {"activeimagecolor", &T::ActiveImageColor},
      {"inactivetransparent", &T::InActiveTransparent},
      {"checkimagerect", &T::CheckImageRect},
      {"activecheckimagerect", &T::ActiveCheckImageRect},
      {"radioimagerect", &T::RadioImageRect},
      {"activeradioimagerect", &T::ActiveRadioImageRect},
      {"arrowimagerect", &T::ArrowImageRect},
      {"activearrowimagerect", &T::ActiveArrowImageRect},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinMainMenuItem> TspDataSkinMainMenuItem::Keys() {
  using T = TspDataSkinMainMenuItem;
  static constexpr TSkinKey<T> keys[] = {
      {"itemleftoffset", &T::ItemLeftOffset},
      {"itemrightoffset", &T::ItemRightOffset},
      {"downrect", &T::DownRect},
      {"textrect", &T::TextRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"downfontcolor", &T::DownFontColor},
      {"unenabledfontColor", &T::UnenabledFontColor},  // spelled so in every stored skin
      {"stretcheffect", &T::StretchEffect},
      {"animateskinrect", &T::AnimateSkinRect},
      {"framecount", &T::FrameCount},
      {"animateinterval", &T::AnimateInterval, 25},
      {"inactiveanimation", &T::InActiveAnimation},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinLabel> TspDataSkinLabel::Keys() {
  using T = TspDataSkinLabel;
  static constexpr TSkinKey<T> keys[] = {
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"alignment", &T::Alignment},
      {"textvalue", &T::TextValue},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinBitLabel> TspDataSkinBitLabel::Keys() {
  using T = TspDataSkinBitLabel;
  static constexpr TSkinKey<T> keys[] = {
      {"textvalue", &T::TextValue},
      {"symbolwidth", &T::SymbolWidth},
      {"symbolheight", &T::SymbolHeight},
      {"symbols", &T::Symbols},
      {"transparent", &T::Transparent},
      {"transparentcolor", &T::TransparentColor, DefaultTransparentColor},
  };
  return keys;
}

// Listed in writing order; the order in which the keys are read makes no difference.
TSkinKeyTable<TspDataSkinCaption> TspDataSkinCaption::Keys() {
  using T = TspDataSkinCaption;
  static constexpr TSkinKey<T> keys[] = {
      {"defaultcaption", &T::DefaultCaption},
      {"textrect", &T::TextRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"alignment", &T::Alignment},
      {"light", &T::Light},
      {"lightcolor", &T::LightColor},
      {"activelightcolor", &T::ActiveLightColor},
      {"shadow", &T::Shadow},
      {"shadowcolor", &T::ShadowColor},
      {"activeshadowcolor", &T::ActiveShadowColor},
      {"framerect", &T::FrameRect},
      {"activeframerect", &T::ActiveFrameRect},
      {"frametextrect", &T::FrameTextRect},
      {"frameleftoffset", &T::FrameLeftOffset},
      {"framerightoffset", &T::FrameRightOffset},
      {"stretcheffect", &T::StretchEffect},
      {"animateskinrect", &T::AnimateSkinRect},
      {"framecount", &T::FrameCount},
      {"animateinterval", &T::AnimateInterval, 25},
      {"inactiveanimation", &T::InActiveAnimation},
      {"fullframe", &T::FullFrame},
  };
  return keys;
}
