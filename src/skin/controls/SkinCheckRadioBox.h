#pragma once
// TspSkinCheckRadioBox: the skinned check box, and with Radio the skinned radio button,
// drawn from the skin entry "checkbox" (radio buttons name "radiobox") or in a default
// look. A check box may take a third, grayed state; checking a box of a GroupIndex
// unchecks the other boxes of that group on the same parent. A flat box (the default)
// draws only its check image and caption over its parent's background; a box that is
// not flat draws its entry's picture and fades between its normal and active pictures
// where the skin morphs.
//
// OnClick tells of a change of Checked or State (never of a radio box unchecked); a
// click on the box carries out its action, if it has one.

#include "ControlInput.h"
#include "SkinControlTimer.h"
#include "SkinCustomControl.h"
#include "SkinPartPainter.h"

#include "skin/controls/portable/ButtonLayout.h"
#include "skin/controls/portable/CheckRadioLayout.h"

#include <optional>

class TCustomImageList;

class TspSkinCheckRadioBox : public TspSkinCustomControl {
public:
  explicit TspSkinCheckRadioBox(TComponent* AOwner);

  // Checking a box of a GroupIndex unchecks the checked boxes of that group beside it,
  // enabled or not. A disabled box keeps its value, except while a form resource is
  // read (a stored value does not depend on the order of the properties).
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // Sets Checked to whether Value is cbChecked (without unchecking the group); OnClick
  // fires while the box is enabled.
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Radio() const { return FRadio; }
  void SetRadio(bool Value);
  int32_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t Value) { FGroupIndex = Value; }
  // Clicks on a check box go unchecked, grayed, checked, unchecked.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value);
  // Only the check image and the caption, over the parent's background.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // An image of Images before the caption.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  // The caption in the skin's font colours (else DefaultFont's).
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
  // Draws a focus rectangle, and lets the caption's accelerator take the focus.
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool Value) { FShowFocus = Value; }
  // Takes the focus when clicked, and then the space key.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value) { FCanFocused = Value; }

  void ChangeSkinData() override;
  void ParentBackgroundChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void Paint() override;
  void Click() override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  // What a "checkradio" entry gives the box.
  struct TCheckSkin {
    TspSkinFontData Font;
    TColor ActiveFontColor = 0;
    TRect ActiveSkinRect, CheckImageArea, TextArea;
    TspSkinPart CheckImage;
    std::array<TspPartRects, 3> CheckImages;  // by TCheckBoxState
    bool Morphing = false;
    TspMorphKind MorphKind = mkdefault;
  };

  // Sets the value whatever the box's Enabled: the state follows, a checked grouped box
  // unchecks its group, and OnClick fires unless a radio box was unchecked.
  void ChangeChecked(bool Value);
  // The click action: a check box toggles, a radio box is checked.
  void Toggle();
  bool Active();  // under the pointer, or focused
  bool MorphEnabled() const;
  void StartMorph();
  void MorphTick();
  void SetMouseIn(bool Value);

  void PaintFlat(TCanvas& Canvas);
  void DrawDefaultLook(TCanvas& Canvas);
  void CreateCheckImage(TBitmap& B, const TRect& R, bool AActive);
  void DrawSkinCheckImage(TCanvas& Canvas, const TRect& Dest);
  // The image and caption in R, left-aligned and centred vertically, and the focus
  // rectangle around them.
  void DrawCaption(TCanvas& Canvas, const TRect& R);
  // The entry's font (DefaultFont's without UseSkinFont) in the colour of the state.
  void SetCaptionFont(TCanvas& Canvas, bool AActive);
  TspPartState CheckImageState() const {
    return !Enabled() ? TspPartState::Disabled : FMouseIn ? TspPartState::Hot : TspPartState::Normal;
  }

  bool FShowFocus = false;
  bool FUseSkinFontColor = true;
  bool FWordWrap = false;
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
  TCustomImageList* FImages = nullptr;
  int32_t FImageIndex = 0;
  bool FFlat = true;
  bool FInSetFocus = false;
  TspSpaceKeyPress FSpacePress;
  bool FCanFocused = true;
  bool FMouseIn = false;
  int32_t FGroupIndex = 0;
  bool FChecked = false;
  bool FRadio = false;
  TColor FUnEnabledFontColor = clBlack;  // the entry's, once one supplied it
  std::optional<TCheckSkin> FSkin;
  TspCheckRadioRects FRects;
  double FMorphKf = 0;  // 0 the normal picture .. 1 the active one
  TspControlTimer FMorphTimer{*this, 1};
};
