#include "MainMenuItemSkin.h"

#include "skin/form/portable/MenuBarLayout.h"

#include "skin/controls/SkinEffects.h"
#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinImages.h"

#include "classlib/Bitmap.h"
#include "classlib/Menus.h"

TspMainMenuItemSkin::TspMainMenuItemSkin(TspSkinData* Data, const TspDataSkinMainMenuItem& Entry)
    : SkinRect(Entry.SkinRect),
      ActiveSkinRect(Entry.ActiveSkinRect),
      TextRect(Entry.TextRect),
      AnimateSkinRect(Entry.AnimateSkinRect),
      ItemLeftOffset(Entry.ItemLeftOffset),
      ItemRightOffset(Entry.ItemRightOffset),
      StretchEffect(Entry.StretchEffect),
      FrameCount(Entry.FrameCount),
      AnimateInterval(Entry.AnimateInterval),
      InActiveAnimation(Entry.InActiveAnimation),
      Morphing(Entry.Morphing),
      MorphKind(Entry.MorphKind),
      FontName(Entry.FontName),
      FontHeight(Entry.FontHeight),
      FontStyle(Entry.FontStyle),
      FontColors{Entry.FontColor, Entry.ActiveFontColor, Entry.DownFontColor, Entry.UnenabledFontColor} {
  if (Data != nullptr && IsPictureIndex(Entry.ActivePictureIndex, Data->ActivePictures.size()))
    Picture = SkinActiveBitmap(Data, Entry.ActivePictureIndex);
  else
    ActiveSkinRect = NullRect();
  DownRect = MenuItemDownRect(Entry.DownRect, ActiveSkinRect, SkinRect);
  // Without a hot face there is nothing to fade to.
  if (IsNullRect(ActiveSkinRect)) Morphing = false;
}

TSize TspMainMenuItemSkin::ItemSize(int32_t TextWidth) const {
  return {SkinMenuItemWidth(SkinRect, TextRect, TextWidth), RectHeight(SkinRect)};
}

TRect TspMainMenuItemSkin::CaptionRect(int32_t Width) const {
  TRect r = TextRect;
  r.Right = TextRect.Right + (Width - RectWidth(SkinRect));
  return r;
}

bool TspMainMenuItemSkin::Animates(const TspSkinData* Data) const {
  return SkinEffectsEnabled(Data) &&
         CanAnimate(AnimateSkinRect, FrameCount, AnimateInterval, MenuItemStripSideBySide(AnimateSkinRect, SkinRect));
}

void TspMainMenuItemSkin::AssignFont(TFont& Font) const {
  Font.SetName(FontName);
  Font.SetHeight(FontHeight);
  Font.SetStyle(FontStyle);
}

TColor TspMainMenuItemSkin::FontColor(TspMenuItemFontColor Color) const {
  return FontColors[static_cast<size_t>(Color)];
}

TRect TspMainMenuItemSkin::FaceRect(TspMenuItemFace Face, int32_t Frame) const {
  switch (Face) {
    case TspMenuItemFace::Down: return DownRect;
    case TspMenuItemFace::Active: return IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
    case TspMenuItemFace::Animation:
      return AnimationFrameRect(AnimateSkinRect, FrameCount, Frame,
                                MenuItemStripSideBySide(AnimateSkinRect, SkinRect));
    default: return SkinRect;
  }
}

bool TspMainMenuItemSkin::PaintFace(TBitmap& Image, TspMenuItemFace Face, int32_t Frame, double MorphKf,
                                    bool Stretch, int32_t Width) const {
  TBitmap* picture = Picture.Get();
  const TRect face = FaceRect(Face, Frame);
  if (picture == nullptr || IsNullRect(face) || !IsDrawableImageSize(Width, RectHeight(face))) return false;
  CreateHSkinImage(ItemLeftOffset, ItemRightOffset, &Image, picture, face, Width, RectHeight(face), Stretch);
  if (Face != TspMenuItemFace::Morph) return true;
  // Faces of different heights cannot blend: the normal one shows until the fade ends.
  TBitmap to;
  if (RectHeight(ActiveSkinRect) != RectHeight(face)) return true;
  CreateHSkinImage(ItemLeftOffset, ItemRightOffset, &to, picture, ActiveSkinRect, Width, RectHeight(face), Stretch);
  MorphImages(Image, to, MorphKf, MorphKind);
  return true;
}

int32_t MenuCaptionWidth(const TFont& Font, const std::string& Caption) {
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->Font()->Assign(&Font);
  TRect r{0, 0, 0, 0};
  measure.Canvas()->DrawText(Caption, r, DT_SINGLELINE | DT_CALCRECT);
  return RectWidth(r);
}

void DrawMenuCaption(TCanvas& Canvas, const std::string& Caption, const TRect& R, TColor Color, UINT Flags) {
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.Font()->SetColor(Color);
  TRect r = R;
  Canvas.DrawText(Caption, r, Flags | DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void RunMainMenuCommand(TMenuItem& Item) {
  if (TMenu* menu = Item.GetParentMenu())
    menu->DispatchCommand(Item.Command());
  else
    Item.Click();
}
