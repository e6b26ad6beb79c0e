#pragma once
// TspSkinHintWindow: the window that shows hints, framed by the skin's hint picture (its
// HINTWINDOW section) or drawn in the tooltip colours without a skin, plain or with a bold
// title and an image beside the text. It takes every setting from the active hint
// component of the main form (TspSkinHint) at each activation and shows nothing without
// one. It fades in through layered alpha, or where layered windows are missing blends
// itself with the screen it covers.
//
// The application makes one of these for the hints of controls; each hint component owns
// one more for its timed hints.

#include "skin/menus/portable/SkinHintLayout.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Bitmap.h"
#include "classlib/HintWindow.h"

#include <cstdint>
#include <string>

class TCustomImageList;
class TspSkinHint;

class TspSkinHintWindow : public THintWindow {
public:
  explicit TspSkinHintWindow(TComponent* AOwner);

  // Shows Hint with its top-left corner at R's (R's size is not used), moved back onto
  // the screen near its edges; in the titled form when the active hint component holds a
  // title or an image list for it.
  void ActivateHint(const TRect& R, const std::string& Hint) override;
  // The same with a bold title above the text and image ImageIndex of Images beside it.
  void ActivateHintWithTitle(const TRect& R, const std::string& Hint, const std::string& Title,
                             TCustomImageList* Images, int32_t ImageIndex);
  // The window's size for Text (lines already broken), with the frame the last
  // activation chose; it also moves the skin's cut to that size for painting.
  TSize CalcHintSize(const std::string& Text);
  TSize CalcTitledHintSize(const std::string& Text, const std::string& Title, TCustomImageList* Images,
                           int32_t ImageIndex);

  // The component whose settings the last activation took; nullptr once it is freed.
  TspSkinHint* HintComponent() const { return FHint; }
  // Whether the last activation drew from a skin, and in the titled form.
  bool Skinned() const { return FPicture.Get() != nullptr; }
  bool Titled() const { return FTitled; }
  // WS_EX_LAYERED is set, and the alpha last given to it.
  bool Layered() const { return FLayered; }
  int32_t Alpha() const { return FAlpha; }

  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;

private:
  // Everything an activation takes from the hint component, kept for painting.
  struct TLook {
    bool UseSkinFont = true;
    bool BlendWithScreen = false;  // translucent without layered windows
    uint8_t AlphaBlendValue = 200;
  };

  void Show(const TRect& R, const std::string& Hint);
  // Takes the component's skin when it has a hint picture, else none.
  void TakeSkin();
  bool SkinFont() const { return Skinned() && FLook.UseSkinFont; }
  void SwitchAlpha(const TPoint& At);
  void SetHintRegion();
  void FadeIn();
  TSize TextExtent(const std::string& Text);
  bool HasImage() const;

  void PaintBackground(TBitmap& Buffer);
  void PaintPlainText(TCanvas& Canvas);
  void PaintTitledText(TCanvas& Canvas);
  TColor TextColor() const;

  TspSkinHint* FHint = nullptr;
  // The skin of the hint picture; its entry is read only while the picture lasts.
  TspSkinData* FSkinData = nullptr;
  TspSkinBitmap FPicture, FMask;
  TspHintFrame FFrame;  // the size and, with a skin, the picture's cut moved to it
  TLook FLook;
  TFont FTextFont;
  TBitmap FScreenCapture;  // the screen under the window, for the imitated translucence
  bool FLayered = false;
  int32_t FAlpha = 0;
  bool FTitled = false;
  std::string FTitle;
  TCustomImageList* FImages = nullptr;
  int32_t FImageIndex = 0;
};
