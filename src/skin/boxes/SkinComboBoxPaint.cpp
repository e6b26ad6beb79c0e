// TspSkinCustomComboBox's looks: the face by state from the entry's pictures (three-part
// at the skin's size, nine-part at any size) or in plain colours, the button copied from
// the entry, stretched from a button entry or drawn plain, the selected item with its
// picture, image and text, and the flat tool button.
#include "BoxPainting.h"
#include "ItemDrawing.h"
#include "SkinComboBox.h"

#include "skin/boxes/portable/ListBoxGeometry.h"
#include "skin/boxes/portable/TabStops.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"

namespace {

TspSkinPart OnePicture(const TspSkinBitmap& Picture, const TRect& R, const TspPartGeometry& Geometry) {
  return {Picture, {}, {R, {}, {}, {}, {}}, Geometry};
}

// The button entry of Data the first of Names names; none when that is of another kind.
const TspDataSkinButtonControl* ButtonEntry(const TspSkinData* Data, std::initializer_list<const char*> Names) {
  return dynamic_cast<const TspDataSkinButtonControl*>(FirstControlEntry(Data, Names));
}

}  // namespace

TspPartState TspSkinCustomComboBox::ButtonState() const {
  if (!Enabled()) return TspPartState::Disabled;
  if (!FButtonHot) return TspPartState::Normal;
  return FButtonPressed ? TspPartState::Down : TspPartState::Hot;
}

void TspSkinCustomComboBox::CreateControlDefaultImage(TBitmap* B) {
  CalcRects();
  if (FToolButtonStyle) {
    DrawToolButton(B);
    return;
  }
  TCanvas& canvas = *B->Canvas();
  const TRect client = ClientRect();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(client);
  canvas.Brush()->SetColor(clBtnShadow);
  canvas.FrameRect(client);
  canvas.Brush()->SetColor(FDefaultColor);
  canvas.FillRect(InflateRect(client, -1, -1));
  DrawDefaultButton(canvas);
  if (FEdit == nullptr) DrawItem(canvas, false);
}

void TspSkinCustomComboBox::CreateControlSkinImage(TBitmap* B) {
  CalcRects();
  if (FToolButtonStyle) {
    DrawToolButton(B);
    return;
  }
  TCanvas& canvas = *B->Canvas();
  const TspComboLook face = ComboFaceLook(LookState(), !IsRectEmpty(FSkin.DisabledSkinRect));
  const TRect look = face == TspComboLook::Active     ? FSkin.ActiveSkinRect
                     : face == TspComboLook::Disabled ? FSkin.DisabledSkinRect
                                                      : SkinRect;
  const TRect client = ClientRect();
  if (!FUseSkinSize)
    DrawSkinPart(canvas, client, OnePicture(Picture, look, ClientRectGeometry(ClRect)), TspPartState::Normal);
  else if (face != TspComboLook::Normal)
    DrawSkinPart(canvas, client,
                 OnePicture(Picture, look, HorizontalGeometry(LTPoint.X, RectWidth(SkinRect) - RTPoint.X, StretchEffect)),
                 TspPartState::Normal);
  else
    TspSkinCustomControl::CreateControlSkinImage(B);
  if (FUseSkinSize)
    DrawSkinButton(canvas);
  else
    DrawStretchedButton(canvas);
  if (FEdit == nullptr) DrawItem(canvas, true);
}

void TspSkinCustomComboBox::DrawDefaultButton(TCanvas& Canvas) {
  const TspPartState state = ButtonState();
  DrawDefaultPart(Canvas, FButtonRect, state == TspPartState::Disabled ? TspPartState::Normal : state, true,
                  DefaultCellDownFill);
  DrawArrowImage(&Canvas, FButtonRect, Enabled() ? clBlack : clBtnShadow, ArrowCode::Down);
}

void TspSkinCustomComboBox::DrawSkinButton(TCanvas& Canvas) {
  // The face's picture shows the normal button; the other states are copied over it.
  TspSkinPart part;
  part.Picture = Picture;
  part.Rects = {{}, FSkin.ActiveButtonRect, FSkin.DownButtonRect, {}, FSkin.UnenabledButtonRect};
  DrawSkinPart(Canvas, FButtonRect, part, ButtonState());
}

void TspSkinCustomComboBox::DrawStretchedButton(TCanvas& Canvas) {
  const TspDataSkinButtonControl* entry = ButtonEntry(SkinData(), {"combobutton", "editbutton", "resizebutton"});
  if (entry == nullptr) return;
  const TspPartState state = ButtonState();
  DrawSkinPart(Canvas, FButtonRect, ControlSkinPart(SkinData(), *entry), state);
  const TColor colour = state == TspPartState::Down       ? entry->DownFontColor
                        : state == TspPartState::Hot      ? entry->ActiveFontColor
                        : state == TspPartState::Disabled ? entry->DisabledFontColor
                                                          : entry->FontColor;
  DrawArrowImage(&Canvas, OffsetRect(FButtonRect, 0, state == TspPartState::Down ? 1 : 0), colour, ArrowCode::Down);
}

void TspSkinCustomComboBox::DrawToolButton(TBitmap* B) {
  TCanvas& canvas = *B->Canvas();
  TspSkinPart part;
  TColor arrow = clBlack;
  if (const auto* entry = Skinned() ? ButtonEntry(SkinData(), {"resizetoolbutton", "resizebutton"}) : nullptr) {
    part = ControlSkinPart(SkinData(), *entry);
    arrow = entry->FontColor;
  }
  const TspPartState state = !Enabled()      ? TspPartState::Disabled
                             : FButtonPressed ? TspPartState::Down
                             : FMouseIn       ? TspPartState::Hot
                                              : TspPartState::Normal;
  DrawPart(canvas, ClientRect(), part, state, false);
  DrawItem(canvas, false);
  DrawArrowImage(&canvas, FButtonRect, Enabled() ? arrow : clBtnShadow, ArrowCode::Down);
}

void TspSkinCustomComboBox::DrawItem(TCanvas& Canvas, bool Pictures) {
  const int index = FDroppedDown ? FCommittedIndex : FListBox->ItemIndex();
  const int width = FItemRect.Width(), height = FItemRect.Height();
  if (index < 0 || index >= FListBox->Items()->Count() || width < 1 || height < 1) return;
  // Drawn on a copy of the face under the item area, in the item's own coordinates.
  TBitmap item(width, height);
  TCanvas& canvas = *item.Canvas();
  const TRect whole{0, 0, width, height};
  canvas.CopyRect(whole, &Canvas, FItemRect);
  const TspComboLookState state = LookState();
  const bool skinned = Skinned() && Pictures;
  TRect text = whole;
  const TspSkinFontData skinFont{FSkin.FontName, FSkin.FontStyle, FSkin.FontHeight, FSkin.FontColor};
  AssignTextFont(*canvas.Font(), Skinned() ? &skinFont : nullptr);
  const TspComboLook textLook = ComboTextLook(state, UseActiveFontColor());
  if (skinned) {
    const TspComboLook look = ComboItemLook(state, !IsRectEmpty(FSkin.FocusItemRect), !IsRectEmpty(FSkin.ActiveItemRect),
                                            !IsRectEmpty(FSkin.ItemRect));
    const bool focused = look == TspComboLook::Focused;
    const TRect picture = focused ? FSkin.FocusItemRect : look == TspComboLook::Active ? FSkin.ActiveItemRect : FSkin.ItemRect;
    if (look != TspComboLook::None) {
      const TspPartGeometry geometry =
          FUseSkinSize ? HorizontalGeometry(FSkin.ItemLeftOffset, FSkin.ItemRightOffset,
                                   focused ? FSkin.FocusItemStretchEffect : FSkin.ItemStretchEffect)
                       : ClientRectGeometry(FSkin.ItemTextRect);
      const TRect at{0, 0, width, FUseSkinSize ? RectHeight(picture) : height};
      DrawSkinPart(canvas, at, OnePicture(Picture, picture, geometry), TspPartState::Normal);
    }
    text = SkinItemTextRect(FSkin.ItemTextRect, FSkin.ItemRect, width, height);
    canvas.Font()->SetColor(textLook == TspComboLook::Disabled ? DisabledFontColour()
                            : textLook == TspComboLook::Focused ? FSkin.FocusFontColor
                            : textLook == TspComboLook::Active  ? FSkin.ActiveFontColor
                                                                : FSkin.FontColor);
  } else if (textLook == TspComboLook::Focused) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(whole);
    canvas.Font()->SetColor(clHighlightText);
  } else {
    canvas.Font()->SetColor(textLook == TspComboLook::Disabled ? DisabledFontColour() : DefaultFont()->Color());
  }
  const bool focused = textLook == TspComboLook::Focused;
  if (OnComboBoxDrawItem) {
    OnComboBoxDrawItem(&canvas, index, width, height, text,
                       focused ? TOwnerDrawState{odSelected, odFocused} : TOwnerDrawState{});
  } else {
    if (focused && (!skinned || FSkin.ShowFocus)) canvas.DrawFocusRect(skinned ? text : whole);
    text.Left += DrawItemImage(canvas, Images(), ImageIndex() >= 0 ? ImageIndex() : index, text);
    canvas.Brush()->SetStyle(bsClear);
    const std::string caption = FListBox->Items()->Get(index);
    const std::vector<int32_t> stops = ParseTabStops(*TabWidths());
    if (stops.empty())
      DrawTextInRect(&canvas, caption, text);
    else
      DrawTabbedItemText(canvas, caption, text.Left + 2, text, stops);
  }
  Canvas.Draw(FItemRect.Left, FItemRect.Top, &item);
}
