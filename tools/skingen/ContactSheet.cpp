#include "ContactSheet.h"

#include "PixelPainter.h"
#include "SkinCatalog.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr int32_t SheetWidth = 1600;
constexpr int32_t Gutter = 24;
constexpr int32_t LabelScale = 2;
constexpr int32_t LabelHeight = 5 * LabelScale + 6;
constexpr int NoOutlines = RollUpPicture - 1;  // a picture with nothing drawn from it
constexpr TColor Ground = RGBColor(46, 50, 56);
constexpr TColor LabelColour = RGBColor(226, 230, 234);
constexpr TColor OutlineColours[] = {RGBColor(255, 92, 92),   RGBColor(80, 200, 255),
                                     RGBColor(255, 200, 60),  RGBColor(110, 230, 110),
                                     RGBColor(230, 120, 255), RGBColor(255, 150, 60),
                                     RGBColor(60, 230, 210),  RGBColor(255, 110, 180),
                                     RGBColor(180, 220, 60),  RGBColor(130, 150, 255)};

struct TTile {
  std::string Label;
  const TPixelImage* Image;
  int Picture;  // whose rectangles are outlined on it; none for the mask
  TPoint Origin;
};

TColor EntryColour(const std::string& Entry) {
  uint32_t hash = 0;
  for (unsigned char c : Entry) hash = hash * 31 + c;
  return OutlineColours[hash % std::size(OutlineColours)];
}

void DrawLabel(TPixelPainter& P, const std::string& Text, int32_t X, int32_t Y) {
  for (char c : Text) {
    const TPixelGlyph glyph =
        LabelFontGlyph(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    for (int32_t y = 0; y < glyph.Height(); ++y)
      for (int32_t x = 0; x < glyph.Width(); ++x)
        if (glyph.Weight(x, y) > 0)
          P.Fill(Bounds(X + x * LabelScale, Y + y * LabelScale, LabelScale, LabelScale),
                 LabelColour);
    X += 4 * LabelScale;
  }
}

void DrawEnlarged(TPixelPainter& P, const TPixelImage& Image, TPoint Origin) {
  for (int32_t y = 0; y < Image.Height(); ++y)
    for (int32_t x = 0; x < Image.Width(); ++x)
      P.Fill(Bounds(Origin.X + x * ContactSheetScale, Origin.Y + y * ContactSheetScale,
                    ContactSheetScale, ContactSheetScale),
             Image.Pixel(x, y));
}

std::vector<TTile> Tiles(const TspSkinData& Skin) {
  std::vector<TTile> tiles;
  const auto add = [&](std::string label, const TPixelImage& image, int picture) {
    if (!image.Empty()) tiles.push_back({std::move(label), &image, picture, {}});
  };
  add("frame: " + Skin.PictureName, Skin.Picture, MainPicture);
  add("inactive frame", Skin.InActivePicture, MainPicture);
  add("mask: " + Skin.MaskName, Skin.Mask, NoOutlines);
  add("roll-up: " + Skin.RollUpPictureName, Skin.RollUpPicture, RollUpPicture);
  add("roll-up mask: " + Skin.RollUpMaskName, Skin.RollUpMask, NoOutlines);
  for (size_t i = 0; i < Skin.ActivePictures.size(); ++i) {
    const int index = static_cast<int>(i);
    const std::string name =
        index < Skin.ActivePicturesNames.Count() ? Skin.ActivePicturesNames.Strings(index) : "";
    add(std::to_string(i) + ": " + name, Skin.ActivePictures[i], index);
  }
  return tiles;
}

}  // namespace

TPixelImage ContactSheet(const TspSkinData& Skin) {
  std::vector<TTile> tiles = Tiles(Skin);
  // Flow the tiles in rows no wider than the sheet.
  int32_t x = Gutter, y = Gutter, rowHeight = 0, width = 0;
  for (TTile& tile : tiles) {
    const int32_t w = tile.Image->Width() * ContactSheetScale,
                  h = tile.Image->Height() * ContactSheetScale + LabelHeight;
    if (x > Gutter && x + w + Gutter > SheetWidth) {
      x = Gutter;
      y += rowHeight + Gutter;
      rowHeight = 0;
    }
    tile.Origin = {x, y};
    x += w + Gutter;
    rowHeight = std::max(rowHeight, h);
    width = std::max(width, x);
  }

  TPixelImage sheet(std::max(width, 2 * Gutter), y + rowHeight + Gutter);
  TPixelPainter p(sheet);
  p.Fill({0, 0, sheet.Width(), sheet.Height()}, Ground);
  const TSkinCatalog catalog = CatalogSkin(Skin);
  for (const TTile& tile : tiles) {
    DrawLabel(p, tile.Label, tile.Origin.X, tile.Origin.Y);
    const TPoint origin{tile.Origin.X, tile.Origin.Y + LabelHeight};
    DrawEnlarged(p, *tile.Image, origin);
    // Each outline runs just outside its rectangle, so the picture's own edges stay seen.
    for (const TSkinRectRef& ref : catalog.Rects)
      if (ref.Picture == tile.Picture)
        p.Frame({origin.X + ref.Rect.Left * ContactSheetScale - 1,
                 origin.Y + ref.Rect.Top * ContactSheetScale - 1,
                 origin.X + ref.Rect.Right * ContactSheetScale + 1,
                 origin.Y + ref.Rect.Bottom * ContactSheetScale + 1},
                EntryColour(ref.Entry));
  }
  return sheet;
}
