#pragma once
// TspSkinCustomTabSheet and its published form TspSkinTabSheet: the pages of a skinned
// page control. A sheet paints its own background so that it continues the skinned page
// body: its WallPaper tiled when it has one, else what the page control fills its body
// with (the skin's background picture or the client part of its entry, else clBtnFace),
// from the sheet's own top-left corner. It also holds its tab's close-button state, which
// the page control reads and writes.

#include "skin/boxes/portable/TabTracker.h"

#include "classlib/Bitmap.h"
#include "classlib/PageControl.h"

class TspSkinPageControl;

class TspSkinCustomTabSheet : public TTabSheet {
 public:
  explicit TspSkinCustomTabSheet(TComponent* AOwner);

  // Owned; setting it copies the picture.
  TBitmap* WallPaper() { return &FWallPaper; }
  void SetWallPaper(TBitmap* Value) { FWallPaper.Assign(Value); }
  TspCloseButtonState& CloseButton() { return FCloseButton; }

  // Fills the sheet's area in DC; nothing without a size or a parent.
  void PaintSheetBackground(HDC DC);
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  TspSkinPageControl* SkinPageControl() const;

  TBitmap FWallPaper;
  TspCloseButtonState FCloseButton;
};

class TspSkinTabSheet : public TspSkinCustomTabSheet {
 public:
  using TspSkinCustomTabSheet::TspSkinCustomTabSheet;
};
