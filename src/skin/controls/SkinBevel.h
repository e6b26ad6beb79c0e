#pragma once
// TspSkinBevel: the class library's bevel drawn in the two line colours of the skin's
// "bevel" entry (the system's highlight and shadow without one), or in divider mode as
// a short groove across its middle.

#include "SkinChangeParticipant.h"

#include "classlib/Bevel.h"

#include <string>

class TspSkinBevel : public TBevel, public TspSkinChangeParticipant {
public:
  explicit TspSkinBevel(TComponent* AOwner);

  // Not owned; cleared when it goes. Setting it takes the skin's colours at once.
  TspSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  // A two-pixel groove across the middle instead of the shape's lines: horizontal for
  // the top and bottom lines, vertical for the other shapes.
  bool DividerMode() const { return FDividerMode; }
  void SetDividerMode(bool Value);

  TColor LightColor() const { return FLightColor; }
  TColor DarkColor() const { return FDarkColor; }

  // The entry's colours, or the system's without an entry; then a repaint.
  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void Paint() override;

private:
  TspSkinData* FSkinData = nullptr;
  std::string FSkinDataName = "bevel";
  bool FDividerMode = false;
  int32_t FIndex = -1;
  TColor FLightColor = clBtnHighlight;
  TColor FDarkColor = clBtnShadow;
};
