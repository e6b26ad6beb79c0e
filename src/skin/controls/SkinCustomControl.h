#pragma once
// TspSkinCustomControl: a windowed skinned control with the geometry of its skin entry.
// The entry's rectangle SkinRect in a skin picture is cut at four corner points into a
// nine-part image whose sides and client part are stretched or tiled to the control's
// size; its resize mode says which ways the control may change size at all
// (TspSkinCustomControlCore), and its mask picture gives the window its region. A
// panel-like control may paint its borders and client part straight onto the window.

#include "SkinControl.h"
#include "SkinCustomControlCore.h"

class TspSkinCustomControl : public TspSkinCustomControlCore<TspSkinControl> {
public:
  explicit TspSkinCustomControl(TComponent* AOwner) : TspSkinCustomControlCore(AOwner) {}

  // Descendants with a hot font colour in their entry use it.
  bool UseActiveFontColor() const { return FUseActiveFontColor; }
  void SetUseActiveFontColor(bool Value) { FUseActiveFontColor = Value; }
  // Whether the window has a region from the skin's mask now.
  bool HasSkinRegion();

  // Reloads from the new skin: without an entry the default size is applied, with one
  // the size is fitted to it; the region is set and the control repainted.
  void ChangeSkinData() override;
  // The size asked is fitted to the skin entry first.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  // Also takes the entry's mask picture.
  void GetSkinData() override;
  // Borders and client part straight onto the canvas for a control that paints them
  // directly (PaintBordersDirect, resize mode BothWays, no blending); else off-screen.
  void Paint() override;
  void CreateWnd() override;
  // Nothing while the borders are painted directly.
  void CreateSkinImageFromPicture(TBitmap* B, const TspSkinBitmap& APicture, const TRect& R) override;

  // Gives the window the region of the entry's mask at the current size, or takes a
  // region away when there is no mask.
  virtual void SetControlRegion();

  // Whether this paint puts the borders and client part straight onto the canvas: an
  // entry of resize mode BothWays with PaintBordersDirect, and no blending.
  bool PaintsBordersDirect() const;

  bool PaintBordersDirect = false;
  bool PaintClientPart = true;
  TspSkinBitmap MaskPicture;

private:
  void PaintBordersAndClient();

  bool FUseActiveFontColor = false;
};
