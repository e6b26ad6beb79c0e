#pragma once
// TspSkinCustomControl: a skinned control with the geometry of its skin entry. The
// entry's rectangle SkinRect in a skin picture is cut at four corner points into a
// nine-part image whose sides and client part are stretched or tiled to the control's
// size; its resize mode says which ways the control may change size at all, and its
// mask picture gives the window its region. Without an entry the control has a default
// font and, when set, a default size.

#include "SkinControl.h"
#include "SkinEntryGeometry.h"

#include "classlib/Graphics.h"

#include <string>

// The text font a skin entry names.
struct TspSkinFontData {
  std::string Name;
  TFontStyles Style;
  int32_t Height = 0;
  TColor Color = 0;
};

// The font of an entry that has one (a button's, panel's or label's).
template <class E>
TspSkinFontData SkinFontOf(const E& Entry) {
  return {Entry.FontName, Entry.FontStyle, Entry.FontHeight, Entry.FontColor};
}

// Font := Default, with SkinFont's name, height and style over it when there is one,
// and the charset of Data's resource strings when it has them.
void AssignSkinTextFont(TFont& Font, const TFont& Default, const TspSkinFontData* SkinFont, TspSkinData* Data);

class TspSkinCustomControl : public TspSkinControl, public TspSkinEntryGeometry {
public:
  explicit TspSkinCustomControl(TComponent* AOwner);

  // The font without a skin entry (Arial, height 14); a change repaints then.
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  // Descendants take their text font from the skin entry.
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // Descendants with a hot font colour in their entry use it.
  bool UseActiveFontColor() const { return FUseActiveFontColor; }
  void SetUseActiveFontColor(bool Value) { FUseActiveFontColor = Value; }
  // The size without a skin entry; 0 leaves that side as it is.
  int32_t DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int32_t Value);
  int32_t DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int32_t Value);

  // Whether the window has a region from the skin's mask now.
  bool HasSkinRegion() const { return FRegionSet; }

  // Reloads from the new skin: without an entry the default size is applied, with one
  // the size is fitted to it; the region is set and the control repainted.
  void ChangeSkinData() override;
  // The size asked is fitted to the skin entry first.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  // Copies the entry's geometry, pictures and cursor after the lookup.
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  // Borders and client part straight onto the canvas for a control that paints them
  // directly (PaintBordersDirect, resize mode 1, no blending); else off-screen.
  void Paint() override;
  void CreateWnd() override;
  void DestroyWnd() override;

  // Runs whenever DefaultFont changes.
  virtual void DefaultFontChanged() {}
  // Fits AWidth x AHeight to the entry by the resize mode and computes the corner points
  // and client rectangle for it (New...); nothing without an entry.
  virtual void CalcSize(int& AWidth, int& AHeight);
  // Gives the window the region of the entry's mask at the current size, or takes a
  // region away when there is no mask.
  virtual void SetControlRegion();

  // Whether this paint puts the borders and client part straight onto the canvas: an
  // entry of resize mode 1 with PaintBordersDirect, and no blending.
  bool PaintsBordersDirect() const;
  // Draws R of APicture into B for the current size by the resize mode: copied (0), the
  // nine-part image (1; nothing while the borders are painted directly), the horizontal
  // (2) or vertical (3) three-part image.
  void CreateSkinImageFromPicture(TBitmap* B, const TspSkinBitmap& APicture, const TRect& R);
  // Font := DefaultFont, with SkinFont's name, height and style over it when there is
  // one and UseSkinFont is set, and the charset of the skin's resource strings when the
  // skin data has them. The colour is the caller's to set.
  void AssignTextFont(TFont& Font, const TspSkinFontData* SkinFont);

  bool PaintBordersDirect = false;
  bool PaintClientPart = true;
  TspSkinBitmap MaskPicture;

private:
  void DefaultFontChange(TObject* Sender);
  void PaintBordersAndClient();

  bool FUseSkinFont = true;
  bool FUseActiveFontColor = false;
  int32_t FDefaultWidth = 0;
  int32_t FDefaultHeight = 0;
  TFont FDefaultFont;
  // The system owns a region it accepted: only this flag is kept.
  bool FRegionSet = false;
};
