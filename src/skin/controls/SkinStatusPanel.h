#pragma once
// TspSkinStatusPanel: one panel of a skinned status bar, a skinned label (the entry
// "statuspanel") with a glyph or an image-list image before its caption.

#include "SkinLabel.h"

#include "classlib/Bitmap.h"

class TCustomImageList;

class TspSkinStatusPanel : public TspSkinLabel {
public:
  explicit TspSkinStatusPanel(TComponent* AOwner);

  // A strip of NumGlyphs glyphs (the second one shows while disabled).
  TBitmap* Glyph() { return &FGlyph; }
  void SetGlyph(TBitmap* Value);
  int32_t NumGlyphs() const { return FNumGlyphs; }
  // At least 1.
  void SetNumGlyphs(int32_t Value);
  // An image of ImageList (when ImageIndex names one) shows instead of Glyph.
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  int32_t AutoSizeDeltaFor(const std::string& Text) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;

private:
  // The room the glyph or image takes before the caption (with its gap), 0 for none.
  int32_t GlyphRoom(int32_t Gap);
  // Draws the glyph or image at R's left, centred vertically, and moves R.Left past it.
  void DrawGlyphIn(TCanvas& Canvas, TRect& R);
  void Changed();

  TBitmap FGlyph;
  int32_t FNumGlyphs = 1;
  TCustomImageList* FImageList = nullptr;
  int32_t FImageIndex = -1;
};
