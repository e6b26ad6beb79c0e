#include "SkinButtonData.h"

TSkinKeyTable<TspDataSkinButtonControl> TspDataSkinButtonControl::Keys() {
  using T = TspDataSkinButtonControl;
  static constexpr TSkinKey<T> keys[] = {
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"disabledfontcolor", &T::DisabledFontColor},
      {"downfontcolor", &T::DownFontColor},
      {"morphing", &T::Morphing},
      {"morphkind", &T::MorphKind},
      {"activeskinrect", &T::ActiveSkinRect},
      {"downskinrect", &T::DownSkinRect},
      {"focusedskinrect", &T::FocusedSkinRect},
      {"disabledskinrect", &T::DisabledSkinRect},
      {"animateskinrect", &T::AnimateSkinRect},
      {"framecount", &T::FrameCount},
      {"animateinterval", &T::AnimateInterval, 25},
      {"showfocus", &T::ShowFocus},
      {"menumarkerflatrect", &T::MenuMarkerFlatRect},
      {"menumarkerrect", &T::MenuMarkerRect},
      {"menumarkeractiverect", &T::MenuMarkerActiveRect},
      {"menumarkerdownrect", &T::MenuMarkerDownRect},
      {"menumarkertransparentcolor", &T::MenuMarkerTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinMenuButtonControl> TspDataSkinMenuButtonControl::Keys() {
  using T = TspDataSkinMenuButtonControl;
  static constexpr TSkinKey<T> keys[] = {
      {"trackbuttonrect", &T::TrackButtonRect},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinCheckRadioControl> TspDataSkinCheckRadioControl::Keys() {
  using T = TspDataSkinCheckRadioControl;
  static constexpr TSkinKey<T> keys[] = {
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"unenabledfontcolor", &T::UnenabledFontColor},
      {"framefontcolor", &T::FrameFontColor},
      {"morphing", &T::Morphing},
      {"morphkind", &T::MorphKind},
      {"activeskinrect", &T::ActiveSkinRect},
      {"checkimagearea", &T::CheckImageArea},
      {"textarea", &T::TextArea},
      {"checkimagerect", &T::CheckImageRect},
      {"grayedcheckimagerect", &T::GrayedCheckImageRect},
      {"uncheckimagerect", &T::UncheckImageRect},
      {"activecheckimagerect", &T::ActiveCheckImageRect},
      {"activegrayedcheckimagerect", &T::ActiveGrayedCheckImageRect},
      {"activeuncheckimagerect", &T::ActiveUncheckImageRect},
      {"unenabledcheckimagerect", &T::UnenabledCheckImageRect},
      {"unenabledgrayedcheckimagerect", &T::UnenabledGrayedCheckImageRect},
      {"unenableduncheckimagerect", &T::UnenabledUncheckImageRect},
  };
  return keys;
}
