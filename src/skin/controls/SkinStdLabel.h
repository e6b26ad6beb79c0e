#pragma once
// TspSkinStdLabel: the class library's windowless label with the font and colour of
// the skin's "stdlabel" entry, text cut with an ellipsis when asked, and a disabled look
// in the skin's shadow colour. The program's windows use it for their plain text.

#include "SkinChangeParticipant.h"

#include "classlib/Label.h"

#include <string>

enum TspEllipsType : uint8_t { spetNone, spetEndEllips, spetPathEllips };

class TspSkinStdLabel : public TCustomLabel, public TspSkinChangeParticipant {
public:
  explicit TspSkinStdLabel(TComponent* AOwner);

  // Not owned; cleared when it goes. Setting it takes the skin at once.
  TspSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  // The text cut with "..." at its end or in its middle (a path) where it is too long.
  TspEllipsType EllipsType() const { return FEllipsType; }
  void SetEllipsType(TspEllipsType Value);
  // Take the font's name, style and height, and its colour, from the skin entry.
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool Value) { FUseSkinColor = Value; }
  // Kept with the label; the text is drawn in Font.
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  int32_t SkinIndex() const { return FIndex; }

  // The accelerator goes here instead of moving the focus to FocusControl.
  TNotifyEvent OnFocusControl;

  void PrepareSkinDataChange() override { FIndex = -1; }
  // Takes the entry's font and colour, sizes itself again and repaints.
  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  void DoDrawText(TRect& Rect, UINT Flags) override;

private:
  void ApplySkin();

  TspEllipsType FEllipsType = spetNone;
  int32_t FIndex = -1;
  TspSkinData* FSkinData = nullptr;
  std::string FSkinDataName = "stdlabel";
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  bool FUseSkinColor = true;
};
