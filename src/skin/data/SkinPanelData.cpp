#include "SkinPanelData.h"

TSkinKeyTable<TspDataSkinPanelControl> TspDataSkinPanelControl::Keys() {
  using T = TspDataSkinPanelControl;
  static constexpr TSkinKey<T> keys[] = {
      {"bgpictureindex", &T::BGPictureIndex, -1},
      {"captionrect", &T::CaptionRect},
      {"alignment", &T::Alignment},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"checkimagerect", &T::CheckImageRect},
      {"uncheckimagerect", &T::UncheckImageRect},
      {"markframerect", &T::MarkFrameRect},
      {"framerect", &T::FrameRect},
      {"frametextrect", &T::FrameTextRect},
      {"frameleftoffset", &T::FrameLeftOffset},
      {"framerightoffset", &T::FrameRightOffset},
      {"gripperrect", &T::GripperRect},
      {"grippertransparent", &T::GripperTransparent},
      {"grippertransparentcolor", &T::GripperTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinExPanelControl> TspDataSkinExPanelControl::Keys() {
  using T = TspDataSkinExPanelControl;
  static constexpr TSkinKey<T> keys[] = {
      {"rollhskinrect", &T::RollHSkinRect},
      {"rollvskinrect", &T::RollVSkinRect},
      {"rollleftoffset", &T::RollLeftOffset},
      {"rollrightoffset", &T::RollRightOffset},
      {"rolltopoffset", &T::RollTopOffset},
      {"rollbottomoffset", &T::RollBottomOffset},
      {"rollvcaptionrect", &T::RollVCaptionRect},
      {"rollhcaptionrect", &T::RollHCaptionRect},
      {"closebuttonrect", &T::CloseButtonRect},
      {"closebuttonactiverect", &T::CloseButtonActiveRect},
      {"closebuttondownrect", &T::CloseButtonDownRect},
      {"hrollbuttonrect", &T::HRollButtonRect},
      {"hrollbuttonactiverect", &T::HRollButtonActiveRect},
      {"hrollbuttondownrect", &T::HRollButtonDownRect},
      {"hrestorebuttonrect", &T::HRestoreButtonRect},
      {"hrestorebuttonactiverect", &T::HRestoreButtonActiveRect},
      {"hrestorebuttondownrect", &T::HRestoreButtonDownRect},
      {"vrollbuttonrect", &T::VRollButtonRect},
      {"vrollbuttonactiverect", &T::VRollButtonActiveRect},
      {"vrollbuttondownrect", &T::VRollButtonDownRect},
      {"vrestorebuttonrect", &T::VRestoreButtonRect},
      {"vrestorebuttonactiverect", &T::VRestoreButtonActiveRect},
      {"vrestorebuttondownrect", &T::VRestoreButtonDownRect},
      {"captionrect", &T::CaptionRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"buttonstransparent", &T::ButtonsTransparent},
      {"buttonstransparentcolor", &T::ButtonsTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinScrollBoxControl> TspDataSkinScrollBoxControl::Keys() {
  using T = TspDataSkinScrollBoxControl;
  static constexpr TSkinKey<T> keys[] = {
      {"bgpictureindex", &T::BGPictureIndex, -1},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinStdLabelControl> TspDataSkinStdLabelControl::Keys() {
  using T = TspDataSkinStdLabelControl;
  static constexpr TSkinKey<T> keys[] = {
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor, 16711680},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinLabelControl> TspDataSkinLabelControl::Keys() {
  using T = TspDataSkinLabelControl;
  static constexpr TSkinKey<T> keys[] = {
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinBitLabelControl> TspDataSkinBitLabelControl::Keys() {
  using T = TspDataSkinBitLabelControl;
  static constexpr TSkinKey<T> keys[] = {
      {"skintextrect", &T::SkinTextRect},
      {"symbolwidth", &T::SymbolWidth},
      {"symbolheight", &T::SymbolHeight},
      {"symbols", &T::Symbols},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinBevel> TspDataSkinBevel::Keys() {
  using T = TspDataSkinBevel;
  static constexpr TSkinKey<T> keys[] = {
      {"lightcolor", &T::LightColor},
      {"darkcolor", &T::DarkColor},
  };
  return keys;
}
