#pragma once
// TspSkinLabel: a caption drawn on a skin picture (the entry "label"), aligned and
// optionally shortened with "...", with a border of its own without a skin, and a width
// that can follow its caption. The status panel derives from it.

#include "SkinCustomControl.h"

#include "skin/controls/portable/PanelLayout.h"

#include <string>

enum TspEllipsType2 : uint8_t { spetNoneEllips, spetEllips };

class TspSkinLabel : public TspSkinCustomControl {
public:
  explicit TspSkinLabel(TComponent* AOwner);

  TspEllipsType2 EllipsType() const { return FEllipsType; }
  void SetEllipsType(TspEllipsType2 Value);
  // Off: the entry is drawn at any size instead of fitting the label to it.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  // Off: the caption takes DefaultFont's colour.
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
  TspSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TspSkinBorderStyle Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The width follows the caption (not for a label aligned to the top, the bottom or the
  // whole client area, nor for an entry of a fixed size).
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // The width at which the label shows Text whole (its width as it is where the skin
  // entry fixes the size).
  int32_t WidthToShow(const std::string& Text) { return Width() + AutoSizeDeltaFor(Text); }

  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void SetControlRegion() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;

  // How much wider the label must be for its caption (negative: narrower).
  int32_t GetAutoSizeDelta() { return AutoSizeDeltaFor(Caption()); }
  // The same for any text in the caption's place.
  virtual int32_t AutoSizeDeltaFor(const std::string& Text);
  // Width += GetAutoSizeDelta where the label may change its width.
  void AdjustSize();
  // The caption's font: the skin's (name, style, height and colour) or DefaultFont, the
  // skin's charset.
  void SetCaptionFont(TFont& Font);
  // The caption in R, placed by Alignment and centred vertically.
  void DrawCaption(TCanvas& Canvas, const TRect& R);
  // The width of S in the caption font, with room for glyphs reaching past it.
  int32_t CaptionTextWidth(const std::string& S);
  // The client rectangle at Width x Height, as the paint uses it.
  TRect ContentRect(int32_t Width, int32_t Height);

private:
  bool KeepsSkinSize() const { return FUseSkinSize || ResizeMode() == SkinResize::BothWays; }

  TspEllipsType2 FEllipsType = spetNoneEllips;
  bool FUseSkinSize = true;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = false;
  TspSkinBorderStyle FBorderStyle = bvFrame;
  bool FUseSkinFontColor = true;
  TspSkinFontData FFont;
};
