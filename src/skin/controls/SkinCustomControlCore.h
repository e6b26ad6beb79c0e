#pragma once
// TspSkinCustomControlCore: what every skinned control with the geometry of its entry
// has, windowed or windowless: the entry's geometry (TspSkinEntryGeometry) taken at
// every lookup and fitted to the size asked, the entry's picture drawn at the control's
// size, and without an entry a default font and, when set, a default size.
// TspSkinCustomControl and TspGraphicSkinCustomControl add the rest.

#include "GraphicSkinControl.h"
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

template <class Base>
class TspSkinCustomControlCore : public Base, public TspSkinEntryGeometry {
public:
  explicit TspSkinCustomControlCore(TComponent* AOwner);

  // The font without a skin entry (Arial, height 14); a change repaints then.
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  // Descendants take their text font from the skin entry.
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // The size without a skin entry; 0 leaves that side as it is.
  int32_t DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int32_t Value);
  int32_t DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int32_t Value);

protected:
  // Copies the entry's geometry, picture and cursor after the lookup.
  void GetSkinData() override;
  // Fills the client rectangle with clBtnFace.
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override { CreateSkinImageFromPicture(B, Picture, SkinRect); }

  // Runs whenever DefaultFont changes.
  virtual void DefaultFontChanged() {}
  // Fits AWidth x AHeight to the entry by the resize mode and computes the corner points
  // and client rectangle for it (New...); nothing without an entry.
  virtual void CalcSize(int& AWidth, int& AHeight);
  // Draws R of APicture into B for the current size by the resize mode: copied (Fixed),
  // the nine-part image (BothWays), the horizontal (WidthOnly) or vertical (HeightOnly)
  // three-part image.
  virtual void CreateSkinImageFromPicture(TBitmap* B, const TspSkinBitmap& APicture, const TRect& R) {
    DrawGeometryImage(B, APicture, R);
  }
  // The size a skin change gives: fitted to the entry, or without one the default size
  // where it is set.
  TSize SkinSize();
  // Font := DefaultFont, with SkinFont's name, height and style over it when there is
  // one and UseSkinFont is set, and the charset of the skin's resource strings when the
  // skin data has them. The colour is the caller's to set.
  void AssignTextFont(TFont& Font, const TspSkinFontData* SkinFont);

private:
  void DefaultFontChange(TObject* Sender);

  TFont FDefaultFont;
  bool FUseSkinFont = true;
  int32_t FDefaultWidth = 0;
  int32_t FDefaultHeight = 0;
};

extern template class TspSkinCustomControlCore<TspSkinControl>;
extern template class TspSkinCustomControlCore<TspGraphicSkinControl>;
