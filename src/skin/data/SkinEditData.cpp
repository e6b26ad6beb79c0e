#include "SkinEditData.h"

TSkinKeyTable<TspDataSkinEditControl> TspDataSkinEditControl::Keys() {
  using T = TspDataSkinEditControl;
  static constexpr TSkinKey<T> keys[] = {
      {"activeskinrect", &T::ActiveSkinRect},
      {"disabledskinrect", &T::DisabledSkinRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"disabledfontcolor", &T::DisabledFontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"buttonrect", &T::ButtonRect},
      {"activebuttonrect", &T::ActiveButtonRect},
      {"downbuttonrect", &T::DownButtonRect},
      {"unenabledbuttonrect", &T::UnenabledButtonRect},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinMemoControl> TspDataSkinMemoControl::Keys() {
  using T = TspDataSkinMemoControl;
  static constexpr TSkinKey<T> keys[] = {
      {"bgcolor", &T::BGColor},
      {"activebgcolor", &T::ActiveBGColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinListBox> TspDataSkinListBox::Keys() {
  using T = TspDataSkinListBox;
  static constexpr TSkinKey<T> keys[] = {
      {"itemrect", &T::ItemRect},
      {"activeitemrect", &T::ActiveItemRect},
      {"focusitemrect", &T::FocusItemRect},
      {"itemleftoffset", &T::ItemLeftOffset},
      {"itemrightoffset", &T::ItemRightOffset},
      {"itemtextrect", &T::ItemTextRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"focusfontcolor", &T::FocusFontColor},
      {"captionrect", &T::CaptionRect},
      {"captionfontname", &T::CaptionFontName, "Arial"},
      {"captionfontheight", &T::CaptionFontHeight, 14},
      {"captionfontstyle", &T::CaptionFontStyle},
      {"captionfontcolor", &T::CaptionFontColor},
      {"upbuttonrect", &T::UpButtonRect},
      {"activeupbuttonrect", &T::ActiveUpButtonRect},
      {"downupbuttonrect", &T::DownUpButtonRect},
      {"downbuttonrect", &T::DownButtonRect},
      {"activedownbuttonrect", &T::ActiveDownButtonRect},
      {"downdownbuttonrect", &T::DownDownButtonRect},
      {"checkbuttonrect", &T::CheckButtonRect},
      {"activecheckbuttonrect", &T::ActiveCheckButtonRect},
      {"downcheckbuttonrect", &T::DownCheckButtonRect},
      {"vscrollbarname", &T::VScrollBarName, "vscrollbar"},
      {"hscrollbarname", &T::HScrollBarName, "hscrollbar"},
      {"bothhscrollbarname", &T::BothHScrollBarName, "bothhscrollbar"},
      {"showfocus", &T::ShowFocus},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinCheckListBox> TspDataSkinCheckListBox::Keys() {
  using T = TspDataSkinCheckListBox;
  static constexpr TSkinKey<T> keys[] = {
      {"checkimagerect", &T::CheckImageRect},
      {"itemcheckrect", &T::ItemCheckRect},
      {"uncheckimagerect", &T::UncheckImageRect},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinComboBox> TspDataSkinComboBox::Keys() {
  using T = TspDataSkinComboBox;
  static constexpr TSkinKey<T> keys[] = {
      {"activeskinrect", &T::ActiveSkinRect},
      {"disabledskinrect", &T::DisabledSkinRect},
      {"itemrect", &T::ItemRect},
      {"activeitemrect", &T::ActiveItemRect},
      {"focusitemrect", &T::FocusItemRect},
      {"itemleftoffset", &T::ItemLeftOffset},
      {"itemrightoffset", &T::ItemRightOffset},
      {"itemtextrect", &T::ItemTextRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"focusfontcolor", &T::FocusFontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"listboxname", &T::ListBoxName},
      {"buttonrect", &T::ButtonRect},
      {"activebuttonrect", &T::ActiveButtonRect},
      {"downbuttonrect", &T::DownButtonRect},
      {"unenabledbuttonrect", &T::UnenabledButtonRect},
      {"itemstretcheffect", &T::ItemStretchEffect},
      {"focusitemstretcheffect", &T::FocusItemStretchEffect},
      {"showfocus", &T::ShowFocus},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinSpinEditControl> TspDataSkinSpinEditControl::Keys() {
  using T = TspDataSkinSpinEditControl;
  static constexpr TSkinKey<T> keys[] = {
      {"activeskinrect", &T::ActiveSkinRect},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"disabledfontcolor", &T::DisabledFontColor},
      {"upbuttonrect", &T::UpButtonRect},
      {"activeupbuttonrect", &T::ActiveUpButtonRect},
      {"downupbuttonrect", &T::DownUpButtonRect},
      {"downbuttonrect", &T::DownButtonRect},
      {"activedownbuttonrect", &T::ActiveDownButtonRect},
      {"downdownbuttonrect", &T::DownDownButtonRect},
  };
  return keys;
}
