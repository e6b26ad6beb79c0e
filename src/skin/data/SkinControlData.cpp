#include "SkinControlData.h"

#include <algorithm>

void TspDataSkinControl::LoadFromFile(TCustomIniFile& IniFile) {
  ReadSkinKeys(IniFile, IDName, *this, Keys());
}

void TspDataSkinControl::SaveToFile(TCustomIniFile& IniFile) {
  IniFile.EraseSection(IDName);
  WriteSkinKeys(IniFile, IDName, *this, Keys());
}

TSkinKeyTable<TspDataSkinControl> TspDataSkinControl::Keys() {
  using T = TspDataSkinControl;
  static constexpr TSkinKey<T> keys[] = {
      {"pictureindex", &T::PictureIndex, -1},
      {"maskpictureindex", &T::MaskPictureIndex, -1},
      {"cursorindex", &T::CursorIndex, -1},
      {"skinrect", &T::SkinRect},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinCustomControl> TspDataSkinCustomControl::Keys() {
  using T = TspDataSkinCustomControl;
  static constexpr TSkinKey<T> keys[] = {
      {"lefttoppoint", &T::LTPoint},
      {"righttoppoint", &T::RTPoint},
      {"leftbottompoint", &T::LBPoint},
      {"rightbottompoint", &T::RBPoint},
      {"clientrect", &T::ClRect},
      {"leftstretch", &T::LeftStretch},
      {"topstretch", &T::TopStretch},
      {"rightstretch", &T::RightStretch},
      {"bottomstretch", &T::BottomStretch},
      {"stretcheffect", &T::StretchEffect},
      {"stretchtype", &T::StretchType},
  };
  return keys;
}

void TspDataSkinFrameControl::LoadFromFile(TCustomIniFile& IniFile) {
  TKeyedSkinData::LoadFromFile(IniFile);
  FramesCount = std::max(FramesCount, 1);
}

TSkinKeyTable<TspDataSkinFrameControl> TspDataSkinFrameControl::Keys() {
  using T = TspDataSkinFrameControl;
  static constexpr TSkinKey<T> keys[] = {
      {"framescount", &T::FramesCount, 1},
      {"framesplacement", &T::FramesPlacement},
  };
  return keys;
}

TSkinKeyTable<TspDataSkinFrameRegulator> TspDataSkinFrameRegulator::Keys() {
  using T = TspDataSkinFrameRegulator;
  static constexpr TSkinKey<T> keys[] = {
      {"kind", &T::Kind},
  };
  return keys;
}
