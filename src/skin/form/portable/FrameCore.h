#pragma once
// TspFrameCore: the window-free half of the skinned-window component. It keeps the
// component's frame options and window state, the skin the frame is drawn from and the
// frame geometry of the window's current size, and answers what the window procedure
// asks of the frame: the client area (WM_NCCALCSIZE), what lies under a point
// (WM_NCHITTEST) and the size limits (WM_GETMINMAXINFO).

#include "FrameGeometry.h"
#include "FrameMask.h"
#include "WindowStates.h"

class TspSkinData;

// The component's properties that the frame rules read, with the component's defaults.
struct TspFrameOptions {
  bool SupportNCArea = true;
  bool Sizeable = true;
  TFormBorderStyle BorderStyle = bsSizeable;  // the form's
  bool MDIChild = false;                      // the form is an MDI child
  TspBorderIcons BorderIcons{TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimize,
                             TspBorderIcon::biMaximize, TspBorderIcon::biRollUp};
  bool HideCaptionButtons = false;
  bool ShowIcon = false;
  int32_t MinWidth = 0;  // size limits; 0 means none
  int32_t MinHeight = 0;
  int32_t MaxWidth = 0;
  int32_t MaxHeight = 0;
  int32_t ClientWidth = 0;  // above 0: the client size after each skin load
  int32_t ClientHeight = 0;
  bool MaximizeOnFullScreen = false;
  TspPositionInMonitor PositionInMonitor = sppDefault;
  bool AlwaysMinimizeToTray = false;
  bool Magnetic = false;
  uint8_t MagneticSize = 10;
};

// The parts of a loaded skin that the frame reads; not owned. Without Info no skin is in
// use and the default frame is drawn.
struct TspFrameSkin {
  const TspSkinFormInfo* Info = nullptr;
  TSize Picture;                       // the frame picture's size
  TSize RollUpPicture;                 // the roll-up picture's size; empty: none
  const TPixelImage* Mask = nullptr;   // the frame's mask picture; nullptr or empty: none
};
// The view of Skin: none for nullptr or an empty skin.
TspFrameSkin FrameSkinOf(const TspSkinData* Skin);

// What the frame's skin objects say about the point being tested.
struct TspHitObjects {
  bool ObjectHot = false;          // an object is under the mouse
  bool OverCaptionObject = false;  // the point is over a shown caption object
  bool InSizeMove = false;         // a size or move loop is running
};

class TspFrameCore {
public:
  TspFrameOptions Options;
  TspFrameState State;
  // The window icon's size on the system-menu button: the system's small-icon size, or
  // its caption-button size when it reports none (SmallIconSize).
  TSize IconSize{16, 16};

  // The skin of the frame. Set again whenever the skin loads or clears; the geometry is
  // recomputed for the last size.
  void SetSkin(const TspFrameSkin& Skin);
  const TspFrameSkin& Skin() const { return FSkin; }
  bool SkinInUse() const { return FSkin.Info != nullptr; }
  bool HasRollUpPicture() const { return FSkin.RollUpPicture.cx > 0 && FSkin.RollUpPicture.cy > 0; }
  // The skin's frame goes in the non-client area: NC support, and a skin in use whose
  // client rectangle is not empty.
  bool SkinFormUsable() const;
  // The frame is drawn at all: NC support, a border, and not a maximized MDI child.
  bool FrameShown() const;

  // Recomputes the geometry for a window of Width x Height (LastWidth, LastHeight).
  void UpdateGeometry(int32_t Width, int32_t Height);
  int32_t LastWidth() const { return FGeometry.Width; }
  int32_t LastHeight() const { return FGeometry.Height; }
  // The skin's frame geometry at the last size; all empty while no skin is in use.
  const TspFrameGeometry& Geometry() const { return FGeometry; }
  // The skin's size grip at the last size; empty without skin or grip area.
  const TRect& SizeGripRect() const { return FSizeGripRect; }
  // A skin rectangle anchored to the last size; R itself while no skin is in use.
  TRect AnchorSkinRect(const TRect& R) const;

  int32_t GetDefaultCaptionHeight() const { return ::GetDefaultCaptionHeight(Options.BorderStyle); }
  // The default frame at the last width, with the caption buttons the options show.
  TspDefaultFrameLayout DefaultLayout() const;

  // WM_NCCALCSIZE: the client rectangle inside the window rectangle Window.
  TRect NonClientClientRect(const TRect& Window) const;
  // The window's size whose client area inside this frame is ClientWidth wide and
  // ClientHeight high; a dimension of 0 or less keeps Size's.
  TSize SizeForClient(TSize Size, int32_t ClientWidth, int32_t ClientHeight) const;
  // The screen position of frame point (0, 0): the form's top-left corner, or for an MDI
  // child its client origin less the frame's client offset.
  TPoint FrameOrigin(TPoint FormTopLeft, TPoint ClientOrigin) const;
  // Where the client area starts in frame coordinates.
  TPoint FrameClientOffset() const;

  // WM_NCHITTEST with NC support: SkinHitTest with a skin in use, else DefaultHitTest.
  int32_t NonClientHitTest(TPoint P, const TspHitObjects& Objects) const;
  int32_t SkinHitTest(TPoint P, const TspHitObjects& Objects) const;
  int32_t DefaultHitTest(TPoint P, const TspHitObjects& Objects) const;
  // WM_NCHITTEST without NC support; P in client coordinates, which are the frame's.
  int32_t ClientAreaHitTest(TPoint P, const TspHitObjects& Objects) const;

  // The tracking limits. The maximum is the monitor area's size (the whole monitor with
  // MaximizeOnFullScreen), lowered to MaxWidth and MaxHeight when they are set. A frame
  // in the client area that is rolled up may shrink to its roll-up picture.
  int32_t GetMinWidth() const;
  int32_t GetMinHeight() const;
  int32_t GetMaxWidth(const TspMonitorAreas& Areas) const;
  int32_t GetMaxHeight(const TspMonitorAreas& Areas) const;
  TSize MinSize() const { return {GetMinWidth(), GetMinHeight()}; }
  // The window's size after a skin loads: grown to the minimum size where it is smaller;
  // a rolled-up or minimized window at the minimum height, a minimized one also at the
  // minimum width.
  TSize SizeAfterSkinLoad(TSize Size) const;
  // What RollUp needs to know of this frame for a window Height high: a frame rolls up
  // with biRollUp when it has NC support or a skin in use.
  TspRollUpContext RollUpContext(int32_t Height) const;

private:
  // The frame's widths around the client area (untrusted skin sizes, hence 64 bits).
  struct TInsets {
    int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  };
  TInsets NonClientInsets() const;
  bool HasMask() const { return FSkin.Mask != nullptr && !FSkin.Mask->Empty(); }
  // A frame in the client area rolled up to the skin's roll-up picture: its limits are
  // the picture's, not the frame picture's.
  bool RolledUpToPicture() const {
    return !Options.SupportNCArea && State.RollUpState && SkinInUse() && HasRollUpPicture();
  }
  // True when P lies on the sizing border: one of the points a border width away is
  // outside the window's shape. WithMask reads the skin's mask where it has one.
  bool OnSizingBorder(TPoint P, bool WithMask) const;
  // The corner and edge bands of the sizing border; 0 for none.
  int32_t BorderHitCode(TPoint P) const;

  TspFrameSkin FSkin;
  TspFrameGeometry FGeometry;
  TRect FSizeGripRect;
  TspFrameMask FMask;
};
