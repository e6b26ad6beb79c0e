#include "GridSkin.h"

#include "skin/controls/SkinPartPainter.h"

#include "classlib/Canvas.h"

TGridSkin::TGridSkin(TspSkinData* Data, const TspDataSkinGridControl& Entry)
    : FPicture(SkinActiveBitmap(Data, Entry.PictureIndex)),
      FBackground(SkinActiveBitmap(Data, Entry.BGPictureIndex)),
      FCells(WithFallbacks({Entry.FixedCellRect, Entry.SelectCellRect, Entry.FocusCellRect, Entry.DisabledCellRect})),
      FFixedLeftOffset(Entry.FixedCellLeftOffset),
      FFixedRightOffset(Entry.FixedCellRightOffset),
      FCellLeftOffset(Entry.CellLeftOffset),
      FCellRightOffset(Entry.CellRightOffset),
      FFixedStretch(Entry.FixedCellStretchEffect),
      FCellStretch(Entry.CellStretchEffect),
      FFixedTextRect(Entry.FixedCellTextRect),
      FCellTextRect(Entry.CellTextRect),
      FFixedFont{Entry.FixedFontName, Entry.FixedFontHeight, Entry.FixedFontStyle, Entry.FixedFontColor},
      FCellFont{Entry.FontName, Entry.FontHeight, Entry.FontStyle, Entry.FontColor},
      FFocusFontColor(Entry.FocusFontColor),
      FBGColor(Entry.BGColor) {
  const TBitmap* picture = FPicture.Get();
  FSkinned = !IsRectEmpty(FCells.Fixed) && picture != nullptr && !picture->Empty();
}

void AssignSkinFont(TFont& Font, const TGridFontLook& Look, uint8_t Charset) {
  // Set on a font of its own and taken over at once: one change of Font, not four.
  TFont skinFont;
  skinFont.SetName(Look.Name);
  skinFont.SetHeight(Look.Height);
  skinFont.SetStyle(Look.Style);
  skinFont.SetCharset(Charset);
  skinFont.SetColor(Font.Color());
  Font.Assign(&skinFont);
}

TBitmap* TGridSkin::Background() const {
  TBitmap* picture = FBackground.Get();
  return picture != nullptr && !picture->Empty() ? picture : nullptr;
}

int32_t TGridSkin::LeftOffset(TGridCellKind Kind) const {
  return Kind == TGridCellKind::Fixed ? FFixedLeftOffset : FCellLeftOffset;
}

int32_t TGridSkin::RightOffset(TGridCellKind Kind) const {
  return Kind == TGridCellKind::Fixed ? FFixedRightOffset : FCellRightOffset;
}

bool TGridSkin::StretchEffect(TGridCellKind Kind) const {
  return Kind == TGridCellKind::Fixed ? FFixedStretch : FCellStretch;
}

const TRect& TGridSkin::TextRect(TGridCellKind Kind) const {
  return Kind == TGridCellKind::Fixed ? FFixedTextRect : FCellTextRect;
}

TBitmap* TGridCellImages::Image(const TGridSkin& Skin, TGridCellKind Kind, bool Highlighted, TColor FocusedColor,
                                int32_t Width, int32_t Height) {
  const TKey key{Kind, Highlighted, Width, Height};
  if (auto found = FImages.find(key); found != FImages.end()) return found->second.get();
  if (IsRectEmpty(Skin.CellRect(Kind)) || !IsDrawableImageSize(Width, Height)) return nullptr;

  TspSkinPart part;
  part.Picture = Skin.Picture();
  part.Rects.Normal = Skin.CellRect(Kind);
  part.Geometry.Fit = TspPartFit::Horizontal;
  part.Geometry.StartOffset = Skin.LeftOffset(Kind);
  part.Geometry.EndOffset = Skin.RightOffset(Kind);
  part.Geometry.Fill.StretchEffect = Skin.StretchEffect(Kind);
  auto image = std::make_unique<TBitmap>(Width, Height, pf32bit);
  const TRect whole{0, 0, Width, Height};
  if (!DrawSkinPart(*image->Canvas(), whole, part, TspPartState::Normal)) return nullptr;
  if (Highlighted) {
    image->Canvas()->Brush()->SetColor(FocusedColor);
    image->Canvas()->FrameRect(whole);
  }
  if (FImages.size() >= MaxImages) FImages.clear();
  return FImages.emplace(key, std::move(image)).first->second.get();
}
