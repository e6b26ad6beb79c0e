// TspListBox's items: the painter without a skin, the one that fits the skin's item
// pictures to any item height, and the one for items as high as the skin's item picture.
// Each draws an item off-screen at its own size, then copies it to its place.
#include "ItemDrawing.h"
#include "ListBox.h"
#include "SkinListBox.h"

#include "skin/boxes/portable/TabStops.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinData.h"

namespace {

TspSkinPart ItemPicture(const TspSkinBitmap& Picture, const TRect& R, const TspPartGeometry& Geometry) {
  return {Picture, {}, {R, {}, {}, {}, {}}, Geometry};
}

}  // namespace

void TspListBox::DrawItemBy(TCanvas& Canvas, int Index, const TRect& R, TOwnerDrawState State) {
  if (FListOwner == nullptr || Index < 0 || Index >= Count() || R.Width() < 1 || R.Height() < 1) return;
  TBitmap item(R.Width(), R.Height());
  if (!FListOwner->Skinned())
    DrawDefaultItem(item, Index, State);
  else if (!DrawSkinItem(item, Index, State, FListOwner->UseSkinItemHeight()))
    return;
  Canvas.Draw(R.Left, R.Top, &item);
}

void TspListBox::DrawDefaultItem(TBitmap& Item, int Index, TOwnerDrawState State) {
  TCanvas& canvas = *Item.Canvas();
  const TRect whole{0, 0, Item.Width(), Item.Height()};
  FListOwner->AssignItemFont(*canvas.Font(), false, true);
  const bool selected = State.Contains(odSelected);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(selected ? clHighlight : clWindow);
  if (selected) canvas.Font()->SetColor(clHighlightText);
  canvas.FillRect(whole);
  DrawItemContent(canvas, Index, {whole.Right, whole.Bottom}, State, {2, 0, whole.Right - 2, whole.Bottom});
  if (State.Contains(odFocused)) canvas.DrawFocusRect(whole);
}

bool TspListBox::DrawSkinItem(TBitmap& Item, int Index, TOwnerDrawState State, bool SkinHeight) {
  const TspDataSkinListBox& skin = FListOwner->FSkin;
  const TspSkinBitmap& picture = FListOwner->Picture;
  if (picture.Get() == nullptr) return false;
  TCanvas& canvas = *Item.Canvas();
  const TRect whole{0, 0, Item.Width(), Item.Height()};
  const bool selected = State.Contains(odSelected);
  const bool focused = State.Contains(odFocused);
  const TRect look = focused && (selected || !SkinHeight) ? skin.FocusItemRect
                     : selected                           ? skin.ActiveItemRect
                                                          : skin.ItemRect;
  TspPartGeometry geometry;
  if (SkinHeight) {
    geometry.Fit = TspPartFit::Horizontal;
    geometry.StartOffset = skin.ItemLeftOffset;
    geometry.EndOffset = skin.ItemRightOffset;
    // A plain item keeps its picture's middle as it is.
    geometry.Fill.StretchEffect = (selected || focused) && FListOwner->StretchEffect;
  } else {
    geometry = ClientRectGeometry(InflateRect(skin.ItemTextRect, -1, -1));
  }
  DrawSkinPart(canvas, whole, ItemPicture(picture, look, geometry), TspPartState::Normal);

  const bool useSkinFont = FListOwner->UseSkinFont();
  FListOwner->AssignItemFont(*canvas.Font(), useSkinFont, useSkinFont || !SkinHeight);
  canvas.Font()->SetColor(focused ? skin.FocusFontColor : selected ? skin.ActiveFontColor : skin.FontColor);
  const TRect text = SkinItemTextRect(skin.ItemTextRect, skin.ItemRect, whole.Right, whole.Bottom);
  const bool showsFocus = focused && (skin.ShowFocus || (SkinHeight && !selected));
  if (!DrawItemContent(canvas, Index, {whole.Right, whole.Bottom}, State, text) && showsFocus) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FListOwner->SkinData()->SkinColors.cBtnFace);
    canvas.DrawFocusRect(whole);
  }
  return true;
}

bool TspListBox::DrawItemContent(TCanvas& Canvas, int Index, TSize Size, TOwnerDrawState State, const TRect& Text) {
  if (FListOwner->OnDrawItem) {
    FListOwner->OnDrawItem(&Canvas, Index, Size.cx, Size.cy, Text, State);
    return true;
  }
  const int imageIndex = FListOwner->ImageIndex() >= 0 ? FListOwner->ImageIndex() : Index;
  const int shift = DrawItemImage(Canvas, FListOwner->Images(), imageIndex, Text);
  Canvas.Brush()->SetStyle(bsClear);
  const std::string text = Items()->Get(Index);
  const std::vector<int32_t> stops = ParseTabStops(*FListOwner->TabWidths());
  if (stops.empty() || Columns() != 0) {
    TRect r{Text.Left + shift - FHorizontalOffset, Text.Top, Text.Right, Text.Bottom};
    Canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  } else {
    DrawTabbedItemText(Canvas, text, Text.Left + shift + 2, Text, stops);
  }
  return false;
}
