#pragma once
// TspSkinButton: the skinned push button. It shows one state picture of its skin entry
// (normal, hot, pressed, focused, disabled), fades between the normal and the hot one
// when the entry morphs, plays the entry's frame animation, repeats its click while
// held, acts as a dialog's default or cancel button, hands its ModalResult to the form,
// and with a GroupIndex stays down until another button of its group goes down.
//
// Its timers tick on its own window: MorphTimerId every 20 ms, AnimationTimerId every
// AnimateInterval ms, RepeatTimerId first after 500 ms, then every RepeatInterval ms.

#include "ControlInput.h"
#include "SkinControlTimer.h"
#include "SkinCustomControl.h"
#include "SkinPartPainter.h"

#include "skin/controls/portable/ButtonLayout.h"

#include "classlib/Bitmap.h"
#include "classlib/Form.h"

#include <string>

class TCustomImageList;

class TspSkinButton : public TspSkinCustomControl {
public:
  static constexpr UINT_PTR MorphTimerId = 1;
  static constexpr UINT_PTR AnimationTimerId = 2;
  static constexpr UINT_PTR RepeatTimerId = 3;

  explicit TspSkinButton(TComponent* AOwner);

  // An image of ImageList (when ImageIndex names one) shows instead of Glyph.
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  // Off: the entry is drawn at any size instead of fitting the control to it.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  // Off: the caption takes DefaultFont's colour instead of the skin's.
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
  // Clicks repeat while the button is held.
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool Value) { FRepeatMode = Value; }
  int32_t RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int32_t Value) { FRepeatInterval = Value; }
  // A grouped button that is down goes up when clicked again.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // Whether the button takes the focus (its TabStop follows).
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // Buttons of the same parent and GroupIndex (not 0) are down one at a time.
  int32_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t Value);
  // A strip of NumGlyphs glyphs: normal, disabled, down, hot.
  TBitmap* Glyph() { return &FGlyph; }
  void SetGlyph(TBitmap* Value);
  int32_t NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t Value);
  // The glyph's distance from its edge; -1 centres glyph and caption.
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t Value);
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t Value);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout Value);
  // Escape clicks the cancel button, Enter the default one (or the focused button).
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  // Given to the form when the button is clicked.
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  // Whether the button answers Enter now: the focused button, or the default one while
  // no other button has the focus.
  bool Active() const { return FActive; }
  bool MouseIn() const { return FMouseIn; }
  // 0 shows the normal picture, 1 the hot one; between them the morph.
  double MorphKf() const { return FMorphKf; }

  // Carries out the action or OnClick; without an action only.
  void Click() override;
  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap*) override {}  // Paint draws the state pictures
  void Paint() override;
  void CreateWnd() override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Draws the state picture of State into B with the glyph and caption.
  virtual void CreateButtonImage(TBitmap* B, TspPartState State);
  // The click: the form takes ModalResult, then the action or OnClick runs.
  virtual void ButtonClick();

private:
  bool EffectsEnabled() const;
  bool MorphEnabled() const;
  bool FocusedAndCanFocus();
  bool AnimationRunning() const;
  TspPartState PaintState();
  void PaintMorph(TBitmap& Image);
  void DrawContent(TCanvas& Canvas, const TRect& R, TspPartState State, bool Skinned);
  // The hot or normal look now: a morph towards it, or a repaint.
  void ChangeLook();
  void StartMorph();
  void StopMorph();
  void MorphTick();
  void StartAnimation(bool Forward);
  void StopAnimation();
  void AnimationTick();
  void RepeatTick();
  void ReleaseGroup();
  void FocusChanged(TWinControl* Focused);
  void DialogKey(TMessage& Message);
  void DialogChar(TMessage& Message);
  void MouseEntered();
  void MouseLeft();
  void FocusTaken();
  void FocusLost();
  void EnabledChanged();
  bool HandleKeys(TMessage& Message);

  int32_t FFrame = 0;
  bool FAnimForward = false;
  bool FUseSkinFontColor = true;
  bool FUseSkinSize = true;
  bool FRepeatMode = false;
  int32_t FRepeatInterval = 100;
  bool FActive = false;
  bool FAllowAllUp = false;
  bool FUpAllowed = false;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  bool FInSetFocus = false;
  TspSpaceKeyPress FSpacePress;
  bool FCanFocused = true;
  double FMorphKf = 0;
  bool FDown = false;
  bool FMouseIn = false;
  bool FPressedByMouse = false;
  int32_t FGroupIndex = 0;
  TBitmap FGlyph;
  int32_t FNumGlyphs = 1;
  int32_t FMargin = -1;
  int32_t FSpacing = 1;
  TspButtonLayout FLayout = blGlyphLeft;
  TCustomImageList* FImageList = nullptr;
  int32_t FImageIndex = -1;

  // From the skin entry.
  TspSkinFontData FFont;
  TColor FActiveFontColor = 0;
  TColor FDownFontColor = 0;
  TColor FDisabledFontColor = 0;
  bool FMorphing = false;
  TspMorphKind FMorphKind = mkdefault;
  TRect FAnimateSkinRect;
  int32_t FFrameCount = 0;
  int32_t FAnimateInterval = 0;
  bool FShowFocus = false;
  // The entry's state pictures, a running animation's frame in place of one of them.
  TspSkinPart FPart;

  TspControlTimer FMorphTimer{*this, MorphTimerId};
  TspControlTimer FAnimationTimer{*this, AnimationTimerId};
  TspControlTimer FRepeatTimer{*this, RepeatTimerId};
};
