#pragma once
// TspSkinPanel: the container of the skinned controls. Besides its skin picture it can
// show a caption strip (CaptionMode) with a check box that enables its children
// (CheckedMode) and a roll-up arrow that shrinks it to its caption (RollUpMode), let its
// parent show through (TransparentMode), and draw a border of its own without a skin.

#include "SkinCustomControl.h"

#include "skin/controls/portable/PanelLayout.h"

#include "classlib/Bitmap.h"

#include <string>

class TCustomImageList;

class TspSkinPanel : public TspSkinCustomControl {
public:
  explicit TspSkinPanel(TComponent* AOwner);

  // Shows the parent's background instead of the skin picture.
  bool TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(bool Value);
  // The caption strip and what it shows.
  bool CaptionMode() const { return FCaptionMode; }
  virtual void SetCaptionMode(bool Value);
  TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
  void SetCaptionImageList(TCustomImageList* Value);
  int32_t CaptionImageIndex() const { return FCaptionImageIndex; }
  void SetCaptionImageIndex(int32_t Value);
  // A glyph strip of NumGlyphs (the second one disabled) before the caption.
  TBitmap* Glyph() { return &FGlyph; }
  void SetGlyph(TBitmap* Value);
  TspSkinPanelNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t Value);
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t Value);
  // A check box in the caption; with AutoEnabledControls Checked enables the children.
  bool CheckedMode() const { return FCheckedMode; }
  void SetCheckedMode(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool AutoEnabledControls() const { return FAutoEnabledControls; }
  void SetAutoEnabledControls(bool Value) { FAutoEnabledControls = Value; }
  // A roll-up arrow in the caption; RollUpState shrinks the panel to its caption and
  // RealHeight keeps its height meanwhile (-1 while unrolled).
  bool RollUpMode() const { return FRollUpMode; }
  void SetRollUpMode(bool Value);
  bool RollUpState() const { return FRollUpState; }
  void SetRollUpState(bool Value);
  int32_t RealHeight() const { return FRealHeight; }
  void SetRealHeight(int32_t Value) { FRealHeight = Value; }
  // Without a skin: the border, the caption strip's height and the caption's alignment.
  TspSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TspSkinBorderStyle Value);
  int32_t DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  virtual void SetDefaultCaptionHeight(int32_t Value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);

  // The caption font colour of the skin entry (a window reads it for text of its own).
  TColor FontColor() const { return FFont.Color; }
  // The rectangle of the caption at the current size: where a click toggles the check
  // box and the roll-up state.
  const TRect& ButtonRect() const { return FButtonRect; }
  // The client rectangle of the whole panel.
  TRect GetAdjustedClientRect();

  TNotifyEvent OnChecked;
  TNotifyEvent OnChangeRollUpState;

  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ParentBackgroundChanged() override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Runs last in a transparent paint, with the canvas of the picture about to show, for
  // descendants to draw over it; the panel draws nothing more.
  virtual void PaintTransparentExtras(TCanvas& Canvas) { (void)Canvas; }
  // The skin entry's client tile over the whole of Width x Height on Canvas, filled as
  // Fill says.
  void FillWithClientTile(TCanvas& Canvas, int Width, int Height, TSkinClientFill Fill);

  // From the skin entry.
  TspSkinFontData FFont;
  TAlignment FAlignment = taLeftJustify;
  TRect FCaptionRect;
  int32_t FBgPictureIndex = -1;
  TRect FCheckImageRect, FUncheckImageRect, FMarkFrameRect, FFrameRect, FFrameTextRect;
  int32_t FFrameLeftOffset = 0;
  int32_t FFrameRightOffset = 0;

private:
  void Changed();
  void ChangedAndRealigned();
  void Roll();
  // The caption drawn on the skin picture in R, and the one a transparent panel draws.
  void DrawSkinCaption(TCanvas& Canvas, TRect R);
  void PaintTransparent();
  // The font and colour of the caption: the skin's or DefaultFont, the skin's charset.
  void SetCaptionFont(TFont& Font, TColor Color);
  // The image before the caption: from CaptionImageList, else the glyph; its width.
  int32_t CaptionImageWidth();
  void DrawCaptionImage(TCanvas& Canvas, int X, const TRect& Row);
  // Caption block (image, spacing, text) in R placed by Alignment and centred vertically;
  // the right edge of the text. The text is clipped to R, or drawn unclipped where R is
  // the block's Measured size (the caption's frame keeps room beside it).
  int32_t DrawCaptionBlock(TCanvas& Canvas, const TRect& R, TAlignment Alignment, int32_t Inset,
                           bool Measured = false);
  // The height of the caption's text in the caption font.
  int32_t CaptionTextHeight();
  void DrawCaptionCheck(TCanvas& Canvas, TRect& R);
  void DrawRollUpMark(TCanvas& Canvas, TRect& R, TColor Color);
  void DrawDefaultCaption(TCanvas& Canvas);
  bool InCaptionButton(int X, int Y);

  bool FTransparentMode = false;
  // The constraints a roll-up set aside, until the panel unrolls.
  bool FConstraintsSaved = false;
  int32_t FSavedMaxWidth = 0, FSavedMinWidth = 0, FSavedMaxHeight = 0, FSavedMinHeight = 0;
  bool FCheckedMode = false;
  bool FChecked = false;
  bool FAutoEnabledControls = true;
  TBitmap FGlyph;
  TspSkinPanelNumGlyphs FNumGlyphs;
  int32_t FSpacing = 2;
  int32_t FRealHeight = -1;
  bool FRollUpState = false;
  bool FRollUpMode = false;
  bool FCaptionMode = false;
  TspSkinBorderStyle FBorderStyle = bvFrame;
  int32_t FDefaultCaptionHeight = 22;
  TAlignment FDefaultAlignment = taLeftJustify;
  TCustomImageList* FCaptionImageList = nullptr;
  int32_t FCaptionImageIndex = -1;
  TRect FButtonRect;
};
