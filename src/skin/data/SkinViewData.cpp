#include "SkinViewData.h"

TSkinKeyTable<TspDataSkinTabControl> TspDataSkinTabControl::Keys() {
  using T = TspDataSkinTabControl;
  static constexpr TSkinKey<T> keys[] = {
      {"tabrect", &T::TabRect},
      {"activetabrect", &T::ActiveTabRect},
      {"focustabrect", &T::FocusTabRect},
      {"mouseintabrect", &T::MouseInTabRect},
      {"clientrect", &T::ClRect},
      {"bgpictureindex", &T::BGPictureIndex, -1},
      {"lefttoppoint", &T::LTPoint},
      {"righttoppoint", &T::RTPoint},
      {"leftbottompoint", &T::LBPoint},
      {"rightbottompoint", &T::RBPoint},
      {"tableftoffset", &T::TabLeftOffset},
      {"tabrightoffset", &T::TabRightOffset},
      {"tabsbgrect", &T::TabsBGRect},
      {"tabstretcheffect", &T::TabStretchEffect},
      {"leftstretch", &T::LeftStretch},
      {"topstretch", &T::TopStretch},
      {"rightstretch", &T::RightStretch},
      {"bottomstretch", &T::BottomStretch},
      {"stretcheffect", &T::StretchEffect},
      {"stretchtype", &T::StretchType},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"activefontcolor", &T::ActiveFontColor},
      {"focusfontcolor", &T::FocusFontColor},
      {"mouseinfontcolor", &T::MouseInFontColor},
      {"updown", &T::UpDown},
      {"showfocus", &T::ShowFocus},
      {"focusoffsetx", &T::FocusOffsetX},
      {"focusoffsety", &T::FocusOffsetY},
      {"closebuttonrect", &T::CloseButtonRect},
      {"closebuttonactiverect", &T::CloseButtonActiveRect},
      {"closebuttondownrect", &T::CloseButtonDownRect},
      {"buttontransparent", &T::ButtonTransparent},
      {"buttontransparentcolor", &T::ButtonTransparentColor},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinGridControl> TspDataSkinGridControl::Keys() {
  using T = TspDataSkinGridControl;
  static constexpr TSkinKey<T> keys[] = {
      {"fixedcellrect", &T::FixedCellRect},
      {"selectcellrect", &T::SelectCellRect},
      {"focuscellrect", &T::FocusCellRect},
      {"disabledcellrect", &T::DisabledCellRect},
      {"fixedcellleftoffset", &T::FixedCellLeftOffset},
      {"fixedcellrightoffset", &T::FixedCellRightOffset},
      {"fixedcelltextrect", &T::FixedCellTextRect},
      {"cellleftoffset", &T::CellLeftOffset},
      {"cellrightoffset", &T::CellRightOffset},
      {"celltextrect", &T::CellTextRect},
      {"linescolor", &T::LinesColor},
      {"bgcolor", &T::BGColor},
      {"bgpictureindex", &T::BGPictureIndex, -1},
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"selectfontcolor", &T::SelectFontColor},
      {"focusfontcolor", &T::FocusFontColor},
      {"fixedfontname", &T::FixedFontName, "Arial"},
      {"fixedfontheight", &T::FixedFontHeight, 14},
      {"fixedfontstyle", &T::FixedFontStyle},
      {"fixedfontcolor", &T::FixedFontColor},
      {"cellstretcheffect", &T::CellStretchEffect},
      {"fixedcellstretcheffect", &T::FixedCellStretchEffect},
      {"showfocus", &T::ShowFocus},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinMainMenuBar> TspDataSkinMainMenuBar::Keys() {
  using T = TspDataSkinMainMenuBar;
  static constexpr TSkinKey<T> keys[] = {
      {"itemsrect", &T::ItemsRect},
      {"menubaritem", &T::MenuBarItem},
      {"closebutton", &T::CloseButton},
      {"minbutton", &T::MinButton},
      {"maxbutton", &T::MaxButton},
      {"sysmenubutton", &T::SysMenuButton},
      {"trackmarkcolor", &T::TrackMarkColor},
      {"trackmarkactivecolor", &T::TrackMarkActiveColor},
      {"stretcheffect", &T::StretchEffect},
      {"itemtransparent", &T::ItemTransparent},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinControlBar> TspDataSkinControlBar::Keys() {
  using T = TspDataSkinControlBar;
  static constexpr TSkinKey<T> keys[] = {
      {"itemrect", &T::ItemRect},
      {"bgpictureindex", &T::BGPictureIndex, -1},
      {"hgriprect", &T::HGripRect},
      {"vgriprect", &T::VGripRect},
      {"gripoffset1", &T::GripOffset1},
      {"gripoffset2", &T::GripOffset2},
      {"itemstretcheffect", &T::ItemStretchEffect},
      {"itemoffset1", &T::ItemOffset1, 3},
      {"itemoffset2", &T::ItemOffset2, 3},
      {"itemtransparent", &T::ItemTransparent},
      {"itemtransparentcolor", &T::ItemTransparentColor},
      {"griptransparent", &T::GripTransparent},
      {"griptransparentcolor", &T::GripTransparentColor},
  };
  return keys;
}

template <class Self>
TSkinKeyTable<TspDataSkinViewControl<Self>> TspDataSkinViewControl<Self>::Keys() {
  using T = TspDataSkinViewControl<Self>;
  static constexpr TSkinKey<T> keys[] = {
      {"fontname", &T::FontName, "Arial"},
      {"fontheight", &T::FontHeight, 14},
      {"fontstyle", &T::FontStyle},
      {"fontcolor", &T::FontColor},
      {"bgcolor", &T::BGColor},
  };
  return keys;
}

template class TspDataSkinViewControl<TspDataSkinTreeView>;
template class TspDataSkinViewControl<TspDataSkinListView>;
template class TspDataSkinViewControl<TspDataSkinRichEdit>;
