#pragma once
// Windows only. What the skinned grid draws with, taken from its "grid" skin entry: the
// cell pictures and how they stretch, where the texts go, the fonts and colours, the
// background picture and colour; and the cell images made from those pictures, kept
// between paints so that a paint only copies them.

#include "grid/portable/GridCellLook.h"

#include "skin/data/SkinViewData.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Bitmap.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

struct TGridFontLook {
  std::string Name = "Arial";
  int32_t Height = 14;
  TFontStyles Style;
  TColor Color = 0;
};

// Font takes Look's name, height and style, and Charset; its colour stays.
void AssignSkinFont(TFont& Font, const TGridFontLook& Look, uint8_t Charset);

class TGridSkin {
public:
  // No skin: cells are filled with the grid's colours.
  TGridSkin() = default;
  // The entry's values; an entry without a fixed-cell rectangle or without a picture
  // leaves the grid unskinned.
  TGridSkin(TspSkinData* Data, const TspDataSkinGridControl& Entry);

  bool Skinned() const { return FSkinned; }
  const TspSkinBitmap& Picture() const { return FPicture; }
  // The picture tiled under the cells; none when it gives no bitmap.
  TBitmap* Background() const;
  const TGridCellRects& Cells() const { return FCells; }
  const TRect& CellRect(TGridCellKind Kind) const { return FCells.Of(Kind); }
  int32_t LeftOffset(TGridCellKind Kind) const;
  int32_t RightOffset(TGridCellKind Kind) const;
  bool StretchEffect(TGridCellKind Kind) const;
  const TRect& TextRect(TGridCellKind Kind) const;
  // The fixed cells' font and the other cells' ("fontcolor" also colours a dragged
  // line's drop marker).
  const TGridFontLook& FixedFont() const { return FFixedFont; }
  const TGridFontLook& CellFont() const { return FCellFont; }
  // The text colour of the enabled, not fixed cells.
  TColor FocusFontColor() const { return FFocusFontColor; }
  TColor BGColor() const { return FBGColor; }

private:
  bool FSkinned = false;
  TspSkinBitmap FPicture;
  TspSkinBitmap FBackground;
  TGridCellRects FCells;
  int32_t FFixedLeftOffset = 0, FFixedRightOffset = 0;
  int32_t FCellLeftOffset = 0, FCellRightOffset = 0;
  bool FFixedStretch = false, FCellStretch = false;
  TRect FFixedTextRect, FCellTextRect;
  TGridFontLook FFixedFont, FCellFont;
  TColor FFocusFontColor = 0;
  TColor FBGColor = 0;
};

// The images of the skin's cell pictures at the sizes cells are drawn, each made once
// through the skinned controls' one paint path: the picture's ends unscaled, its middle
// stretched or tiled to the cell's width; as high as the picture, or stretched to the
// cell's height. A highlighted image carries the focus frame.
class TGridCellImages {
public:
  // Forgets every image (the skin, the focus colour or the height rule changed).
  void Clear() { FImages.clear(); }
  // The image of Kind for a cell Width wide; Height is the cell's height when the
  // picture is stretched to it, else the picture's own height. nullptr when the skin
  // cannot make it.
  TBitmap* Image(const TGridSkin& Skin, TGridCellKind Kind, bool Highlighted, TColor FocusedColor, int32_t Width,
                 int32_t Height);

private:
  using TKey = std::tuple<TGridCellKind, bool, int32_t, int32_t>;
  // A grid keeps a few column widths; a grid of many keeps the images of the last ones.
  static constexpr size_t MaxImages = 64;
  std::map<TKey, std::unique_ptr<TBitmap>> FImages;
};
