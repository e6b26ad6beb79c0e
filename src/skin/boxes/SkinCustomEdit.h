#pragma once
// TspSkinCustomEdit: a native single-line edit (through TspCustomEdit) whose frame is
// drawn from the skin entry SkinDataName ("edit", "buttonedit") in the window's
// non-client area, with an optional button at its right end that raises OnButtonClick.
// The native control's client area is only the text area; the edit paints its client
// background itself (the part of the skin's frame behind the text) and can blend frame
// and background over its parent. It looks its entry up again before every layout, paint
// and bounds change, so a skin change needs only ChangeSkinData to take the new fonts
// and height. TspSkinEdit (SkinEdit.h) publishes it.

#include "CustomEdit.h"
#include "SkinEntryLink.h"

#include "skin/boxes/portable/EditLayout.h"
#include "skin/controls/SkinChangeParticipant.h"

#include <string>

class TspSkinCustomEdit : public TspCustomEdit, public TspSkinChangeParticipant {
public:
  explicit TspSkinCustomEdit(TComponent* AOwner);

  // The background without a skin.
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  // The font without a skin (and with one when UseSkinFont is off): any change of it is
  // taken by Font then.
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  // Font and height from the skin entry (else the height fits the font).
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // The size without a skin; 0 leaves that side as it is.
  int32_t DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int32_t Value);
  int32_t DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int32_t Value);
  // A button at the right end (the skin entry "buttonedit" draws one); the window is
  // made again.
  bool ButtonMode() const { return FButtonMode; }
  void SetButtonMode(bool Value);
  // Not owned; cleared when that component goes. Setting a loaded skin takes it at once.
  TspSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  // Frame and background cross-faded with the parent by AlphaBlendValue (255: the edit
  // alone).
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { SetRecreating(FAlignment, Value); }

  // The index of the skin entry as of the last lookup; -1 for none.
  int32_t SkinIndex() const { return FLink.Index(); }
  // Text area and button as of now (the entry looked up first).
  TspEditLayout Layout();
  bool ButtonPressed() const { return FButtonPressed; }
  bool MouseOverButton() const { return FMouseOverButton; }

  void PrepareSkinDataChange() override { FLink.Forget(); }
  // Takes the new skin: fonts, colours, height, and a new window for the new frame.
  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Invalidate() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnButtonClick;

protected:
  void CreateParams(TCreateParams& Params) override;

private:
  // The skin lookup: the entry and the values of an "edit" entry.
  void GetSkinData() { FLink.LookUp(FSkinData, FSkinDataName); }
  const TspEditSkin* Skin() const { return FLink.Skin(); }
  bool Skinned() const { return Skin() != nullptr; }

  // Font and colours.
  void UpdateFontColor();
  int32_t FontFitHeight();
  void DefaultFontChanged(TObject* Sender);

  // The frame: painted on WM_NCPAINT into the window DC (nullptr), or into a given DC;
  // ExcludeText leaves the text area as it is.
  void RepaintFrame();
  void PaintFrame(HDC DC, bool ExcludeText);
  void DrawFrameImage(TBitmap& Image, const TspEditLayout& Layout);
  void DrawFixedHeightFrame(TCanvas& Canvas, const TspEditLayout& Layout);
  void DrawVariableHeightFrame(TCanvas& Canvas, const TspEditLayout& Layout);
  void DrawDefaultFrame(TCanvas& Canvas, const TspEditLayout& Layout);
  TspPartState FrameState();
  // The client area: the part of the frame behind the text, then the text.
  void PaintClientBackground(HDC DC);
  // WM_PAINT: the native control's, or the text of a disabled edit drawn here.
  void PaintClient(TMessage& Message);
  void DrawDisabledText(HDC DC);

  // The non-client area and its button.
  void CalcClientArea(TMessage& Message);
  void HitTest(TMessage& Message);
  void HandleNonClientMouse(TMessage& Message);
  void ButtonReleased();
  void SetMouseOverButton(bool Value);
  bool HandlePaintToDC(TMessage& Message);

  TColor FDefaultColor = clWindow;
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  int32_t FDefaultWidth = 0;
  int32_t FDefaultHeight = 0;
  bool FButtonMode = false;
  TspSkinData* FSkinData = nullptr;
  std::string FSkinDataName = "edit";
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 0;
  TAlignment FAlignment = taLeftJustify;

  TspSkinEntryLink<TspDataSkinEditControl, TspEditSkin, EditSkinOf> FLink;
  bool FMouseOver = false;
  bool FButtonPressed = false;
  bool FMouseOverButton = false;
  bool FPainting = false;  // within WM_PAINT (the erase of its paint comes then)
};
