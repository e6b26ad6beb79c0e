#pragma once
// TspSkinSpeedButton: the windowless tool button, drawn from the skin entry
// "toolbutton" or in a default look. It shows a normal, hot, pressed or disabled
// picture, fades between the normal and the hot one where the skin morphs, plays the
// entry's frame animation, stays down in a group until another button of the group goes
// down, repeats its click while held, and in flat mode shows only its glyph and caption
// over its parent while the pointer is away. The glyph comes from Glyph, an image list,
// or the selected item of a skinned images menu.
//
// Its timers are components of its own, made when they start and freed when they stop:
// the morph every 20 ms, the animation every AnimateInterval ms, and the repeat first
// after 500 ms, then every RepeatInterval ms.

#include "GraphicSkinCustomControl.h"
#include "SkinImagesMenuSource.h"
#include "SkinPartPainter.h"

#include "skin/controls/portable/ButtonLayout.h"

#include "classlib/Bitmap.h"

#include <string>

class TCustomImageList;
class TTimer;

class TspSkinSpeedButton : public TspGraphicSkinCustomControl {
public:
  explicit TspSkinSpeedButton(TComponent* AOwner);
  ~TspSkinSpeedButton() override;

  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // Buttons of the same parent and GroupIndex (not 0) are down one at a time, unless
  // AllowAllUp lets a second click raise the one that is down.
  int32_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // Only glyph and caption over the parent while the pointer is away.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // A strip of NumGlyphs glyphs: normal, disabled, down, hot.
  TBitmap* Glyph() { return &FGlyph; }
  void SetGlyph(TBitmap* Value);
  int32_t NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t Value);
  // An image of ImageList shows when there is no Glyph.
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout Value);
  // The glyph's distance from its edge; -1 centres glyph and caption.
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t Value);
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t Value);
  // Off hides the caption; with both widths set the button takes the width for it.
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  int32_t WidthWithCaption() const { return FWidthWithCaption; }
  void SetWidthWithCaption(int32_t Value) { FWidthWithCaption = Value; }
  int32_t WidthWithoutCaption() const { return FWidthWithoutCaption; }
  void SetWidthWithoutCaption(int32_t Value) { FWidthWithoutCaption = Value; }
  // Clicks repeat while the button is held (ungrouped).
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool Value) { FRepeatMode = Value; }
  int32_t RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int32_t Value) { FRepeatInterval = Value; }
  // Off: the entry is drawn at any size instead of fitting the button to it.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  // Off: the caption takes DefaultFont's colour instead of the skin's.
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }

  // An images menu whose selected item the button shows: its image (UseImagesMenuImage)
  // and then also its caption (UseImagesMenuCaption). A new choice there repaints the
  // button. Not owned; cleared when the menu goes.
  TspImagesMenuSource* SkinImagesMenu() const { return FSkinImagesMenu; }
  void SetSkinImagesMenu(TspImagesMenuSource* Value);
  bool UseImagesMenuImage() const { return FUseImagesMenuImage; }
  void SetUseImagesMenuImage(bool Value) { FUseImagesMenuImage = Value; }
  bool UseImagesMenuCaption() const { return FUseImagesMenuCaption; }
  void SetUseImagesMenuCaption(bool Value) { FUseImagesMenuCaption = Value; }

  bool MouseIn() const { return FMouseIn; }
  // 0 shows the normal picture, 1 the hot one; between them the morph.
  double MorphKf() const { return FMorphKf; }

  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap*) override {}  // Paint draws the state pictures
  void Paint() override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Draws the state picture of State (Hot for the hot picture, Down for the pressed
  // one) into B with the glyph and caption.
  virtual void DrawSkinState(TBitmap* B, TspPartState State);
  // The click: OnClick, or the action without one.
  virtual void ButtonClick();
  // The entry's menu marker, centred in R: the pressed, hot, flat or normal one.
  void DrawMenuMarker(TCanvas& Canvas, const TRect& R, bool AFlat, bool ADown, bool AActive);
  // Whether the button shows only its glyph and caption over its parent now, and that
  // look; a button with a menu part adds its marker.
  virtual bool ShowsFlat();
  virtual void PaintFlat(TCanvas& Canvas);
  // The flat look's glyph and caption in R, in the font and colour of the flat look.
  void PaintFlatContent(TCanvas& Canvas, const TRect& R);
  // Glyph (or image) and caption in R with the canvas's font.
  void DrawContent(TCanvas& Canvas, const TRect& R, bool AMouseIn, bool ADown);
  // Font := the skin entry's text font in the colour of State.
  void AssignStateFont(TFont& Font, TspPartState State);
  // The pointer is over the button; nothing is repainted.
  void SetMouseIn(bool Value) { FMouseIn = Value; }

  // The skin values of a "button" entry; no picture without one.
  struct TButtonSkin {
    TspSkinFontData Font;
    TColor ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    TRect AnimateSkinRect;
    int32_t FrameCount = 0, AnimateInterval = 0;
    TRect MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect, MenuMarkerFlatRect;
    TColor MenuMarkerTransparentColor = 0;
    bool Morphing = false;
    TspMorphKind MorphKind = mkdefault;
  };
  TButtonSkin FSkin;
  // The entry's state pictures, a running animation's frame in place of one of them.
  TspSkinPart FPart;

private:
  bool Grouped() const { return FGroupIndex != 0; }
  bool MorphActive() const;
  TspPartState PaintState();
  void ReleaseGroup();

  void StartMorph();
  void MorphTick(TObject* Sender);
  void StartAnimation(bool Forward);
  void AnimationTick(TObject* Sender);
  void StartRepeat(bool AfterDelay);
  void FirstRepeatTick(TObject* Sender);
  void RepeatTick(TObject* Sender);
  void MouseEntered();
  void MouseLeft();
  void ImagesMenuChanged(TObject* Sender);

  bool FDown = false;
  int32_t FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  TBitmap FGlyph;
  int32_t FNumGlyphs = 1;
  TCustomImageList* FImageList = nullptr;
  int32_t FImageIndex = 0;
  TspButtonLayout FLayout = blGlyphLeft;
  int32_t FMargin = -1;
  int32_t FSpacing = 1;
  bool FShowCaption = true;
  int32_t FWidthWithCaption = 0;
  int32_t FWidthWithoutCaption = 0;
  bool FRepeatMode = false;
  int32_t FRepeatInterval = 100;
  bool FUseSkinSize = true;
  bool FUseSkinFontColor = true;
  TspImagesMenuSource* FSkinImagesMenu = nullptr;
  TComponent* FImagesMenuComponent = nullptr;
  bool FUseImagesMenuImage = false;
  bool FUseImagesMenuCaption = false;

  bool FMouseIn = false;
  bool FMousePressed = false;
  bool FReleaseOnUp = false;  // a press on a grouped button that was down already
  double FMorphKf = 0;
  int32_t FFrameIndex = 0;  // 0: no animation
  bool FAnimationIncreasing = false;
  // Components of the button while they run.
  TTimer* FMorphTimer = nullptr;
  TTimer* FAnimationTimer = nullptr;
  TTimer* FRepeatTimer = nullptr;
};
