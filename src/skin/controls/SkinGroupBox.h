#pragma once
// TspSkinGroupBox: a skinned panel that shows its caption strip, drawn from the skin
// entry "groupbox".

#include "SkinPanel.h"

class TspSkinGroupBox : public TspSkinPanel {
public:
  explicit TspSkinGroupBox(TComponent* AOwner) : TspSkinPanel(AOwner) {
    SetSkinDataName("groupbox");
    SetCaptionMode(true);
  }
};
