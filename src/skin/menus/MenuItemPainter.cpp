#include "MenuItemPainter.h"

#include "SkinMenu.h"
#include "SkinMenuItem.h"
#include "SkinPopupWindow.h"

#include "skin/controls/MeasuredText.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/EffectBmp.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"

#include "classlib/Keyboard.h"

#include <algorithm>
#include <utility>

namespace {

constexpr UINT TextFlags = DT_CENTER | DT_VCENTER;
constexpr int SkinTextEnd = 16;      // between the text and the skin's text rectangle's end
constexpr int SkinlessTextEnd = 19;  // between the text and the skinless item's end
constexpr int SkinlessGutter = 19;   // a skinless item's image column without an image list

void FillRect(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(R);
}

TPoint Centre(const TRect& R) { return {R.Left + RectWidth(R) / 2, R.Top + RectHeight(R) / 2}; }

// Source (a rectangle of Picture) as a transparent glyph, centred in Target but never left
// of or above it.
void DrawSkinGlyph(TCanvas* Canvas, TBitmap* Picture, const TRect& Source, const TRect& Target) {
  const int w = RectWidth(Source), h = RectHeight(Source);
  if (Picture == nullptr || IsNullRect(Source) || !IsDrawableImageSize(w, h)) return;
  TBitmap glyph(w, h);
  glyph.Canvas()->CopyRect({0, 0, w, h}, Picture->Canvas(), Source);
  glyph.SetTransparent(true);
  Canvas->Draw(Target.Left + std::max(0, (RectWidth(Target) - w) / 2),
               Target.Top + std::max(0, (RectHeight(Target) - h) / 2), &glyph);
}

// The items of the skinned window's system menu are known by their names.
bool DrawSystemGlyph(TCanvas* Canvas, const std::string& Name, TPoint At, TColor Color) {
  using TGlyph = void (*)(TCanvas*, int, int, TColor);
  static const std::pair<const char*, TGlyph> glyphs[] = {
      {"DSF_CLOSE", DrawCloseImage},     {"TRAY_DSF_CLOSE", DrawCloseImage},     {"DSF_MINITEM", DrawMinimizeImage},
      {"DSF_MAXITEM", DrawMaximizeImage}, {"DSF_RESTORE", DrawRestoreImage},      {"TRAY_DSF_RESTORE", DrawRestoreImage},
      {"DSF_ROLLUP", DrawRollUpImage},    {"DSF_MINTOTRAY", DrawMinimizeToTrayImage}};
  for (auto [name, glyph] : glyphs)
    if (Name == name) {
      glyph(Canvas, At.X, At.Y, Color);
      return true;
    }
  return false;
}

// The skin's check and radio glyphs and where they go; without them the marks are drawn.
struct TMarkGlyphs {
  TBitmap* Picture = nullptr;
  TRect Check, Radio;
  TRect Target;
};

// With the canvas and its colour set up, draws what every look shares: the texts, the
// image or the marks.
class TItemContent {
public:
  TItemContent(TspSkinMenuItem& Item, TCanvas* Canvas, UINT Flags)
      : FItem(Item), FMenuItem(*Item.MenuItem), FCanvas(Canvas), FFlags(Flags) {}

  // The caption from Left, the shortcut ending at Right, both centred in Band, each in a
  // box of its measured width; the level keeps room beside its widest text.
  void DrawTexts(int Left, int Right, const TRect& Band) {
    const UINT flags = FFlags | MeasuredBoxFlags;
    TRect caption{Left, 0, Right, 0};
    FCanvas->DrawText(FMenuItem.Caption(), caption, DT_CALCRECT);
    const int height = RectHeight(caption);
    caption.Top = Band.Top + RectHeight(Band) / 2 - height / 2;
    caption.Bottom = caption.Top + height;
    caption.Right += 2;
    FCanvas->DrawText(FMenuItem.Caption(), caption, flags);
    const std::string shortCut = ShortCutToText(FMenuItem.ShortCut());
    if (shortCut.empty()) return;
    TRect size;
    FCanvas->DrawText(shortCut, size, DT_CALCRECT);
    TRect at{Right - RectWidth(size), caption.Top, Right, caption.Bottom};
    FCanvas->DrawText(shortCut, at, flags);
  }

  // The item's own picture, else its image of the level's list: centred in ImageRect, or
  // at X centred in Band; a checked item's is framed. Whether there was one.
  bool DrawImage(const TRect* ImageRect, int X, const TRect& Band, TColor Color) {
    TCustomImageList* images = FItem.Parent->Images();
    TBitmap* own = FMenuItem.Bitmap();
    const int index = FMenuItem.ImageIndex();
    const bool listed = images != nullptr && index >= 0 && index < images->Count();
    if (own->Empty() && !listed) return false;
    const int w = own->Empty() ? images->Width() : own->Width();
    const int h = own->Empty() ? images->Height() : own->Height();
    const TPoint at = ImageRect != nullptr
                          ? TPoint{Centre(*ImageRect).X - w / 2, Centre(*ImageRect).Y - h / 2}
                          : TPoint{X, Band.Top + (RectHeight(Band) - h) / 2};
    if (!own->Empty())
      FCanvas->Draw(at.X, at.Y, own);
    else
      images->Draw(FCanvas, at.X, at.Y, index, FMenuItem.Enabled());
    if (FMenuItem.Checked()) {
      FCanvas->Brush()->SetStyle(bsClear);
      FCanvas->Pen()->SetColor(Color);
      FCanvas->Rectangle({at.X - 1, at.Y - 1, at.X + w + 1, at.Y + h + 1});
    }
    return true;
  }

  // Without an image: a system menu glyph, else the check or radio mark of a checked
  // item with At its top-left (drawn marks Shift pixels further right), or the skin's.
  void DrawMarks(TPoint At, int Shift, TColor Color, const TMarkGlyphs* Glyphs) {
    if (DrawSystemGlyph(FCanvas, FMenuItem.Name(), At, Color) || !FMenuItem.Checked()) return;
    if (FMenuItem.RadioItem()) {
      if (Glyphs != nullptr && !IsNullRect(Glyphs->Radio))
        DrawSkinGlyph(FCanvas, Glyphs->Picture, Glyphs->Radio, Glyphs->Target);
      else
        DrawMenuRadio(FCanvas, At.X + Shift, At.Y + 1, Color);
    } else if (Glyphs != nullptr && !IsNullRect(Glyphs->Check)) {
      DrawSkinGlyph(FCanvas, Glyphs->Picture, Glyphs->Check, Glyphs->Target);
    } else {
      DrawMenuCheck(FCanvas, At.X + Shift, At.Y, Color);
    }
  }

private:
  TspSkinMenuItem& FItem;
  TMenuItem& FMenuItem;
  TCanvas* FCanvas;
  UINT FFlags;
};

class TItemPainter {
public:
  explicit TItemPainter(TspSkinMenuItem& Item)
      : FItem(Item),
        FLevel(*Item.Parent),
        FMenu(*FLevel.Menu()),
        FWidth(RectWidth(Item.ItemRect)),
        FHeight(RectHeight(Item.ItemRect)) {}

  void Paint(TBitmap& Image) {
    Image.SetSize(FWidth, FHeight);
    if (FItem.MenuItem == nullptr) {  // its menu item was freed while the level shows
      FillRect(Image.Canvas(), {0, 0, FWidth, FHeight}, clWindow);
      return;
    }
    if (FItem.ItemSkin == nullptr) {
      PaintSkinless(Image);
      return;
    }
    const TspDataSkinMenuItem& skin = *FItem.ItemSkin;
    const bool active = FItem.ShowsActive();
    if (FItem.IsSeparator())
      PaintDivider(Image);
    else if (FItem.HasAnimation() && FItem.FrameIndex >= 1 && FItem.FrameIndex <= skin.FrameCount)
      PaintSkin(Image, active, MenuItemFrameRect(skin, FItem.FrameIndex));
    else if (FItem.HasMorph() && FItem.MorphKf != (active ? 1.0 : 0.0))
      PaintMorph(Image);
    else
      PaintSkin(Image, active, {});
  }

private:
  UINT Flags() const { return FMenu.Form() != nullptr ? FMenu.Form()->DrawTextBiDiModeFlags(TextFlags) : TextFlags; }

  // The three-part image of Source stretched over the item; false when the skin has none.
  bool DrawThreePart(TBitmap& Image, const TRect& Source, int LeftOffset, int RightOffset, bool Stretch) {
    TBitmap* picture = FItem.Picture.Get();
    if (picture == nullptr || IsNullRect(Source)) return false;
    TBitmap part;
    CreateHSkinImage(LeftOffset, RightOffset, &part, picture, Source, FWidth, FHeight, Stretch);
    if (part.Empty()) return false;
    Image.Canvas()->CopyRect({0, 0, FWidth, FHeight}, part.Canvas(), {0, 0, part.Width(), part.Height()});
    return true;
  }

  void PaintBackground(TBitmap& Image, bool Active, const TRect& Source, bool Stretch) {
    const TspDataSkinMenuItem& skin = *FItem.ItemSkin;
    TBitmap* background = FLevel.BackgroundImage();
    if (!Active && skin.InActiveTransparent && background != nullptr) {
      Image.Canvas()->CopyRect({0, 0, FWidth, FHeight}, background->Canvas(), FItem.ItemRect);
      return;
    }
    if (!DrawThreePart(Image, Source, skin.ItemLeftOffset, skin.ItemRightOffset, Stretch))
      FillRect(Image.Canvas(), {0, 0, FWidth, FHeight}, clWindow);
  }

  void PaintDivider(TBitmap& Image) {
    const TspDataSkinMenuItem& skin = *FItem.ItemSkin;
    if (!DrawThreePart(Image, skin.DividerRect, skin.DividerLeftOffset, skin.DividerRightOffset,
                       skin.DividerStretchEffect))
      PaintBackground(Image, false, skin.SkinRect, skin.InActiveStretchEffect);
  }

  void PaintMorph(TBitmap& Image) {
    TBitmap normal, hot;
    PaintSkin(normal, false, {});
    PaintSkin(hot, true, {});
    const auto from = TspEffectBmp::CreateFromHBitmap(normal.Handle());
    const auto to = TspEffectBmp::CreateFromHBitmap(hot.Handle());
    using TMorph = void (TEffectPixels::*)(const TEffectPixels&, double);
    static constexpr TMorph morphs[] = {&TEffectPixels::Morph,          &TEffectPixels::MorphGrad,
                                        &TEffectPixels::MorphLeftGrad,  &TEffectPixels::MorphRightGrad,
                                        &TEffectPixels::MorphLeftSlide, &TEffectPixels::MorphRightSlide,
                                        &TEffectPixels::MorphPush};
    const size_t kind = FItem.ItemSkin->MorphKind;
    ((*from).*morphs[kind < std::size(morphs) ? kind : 0])(*to, FItem.MorphKf);
    from->Draw(Image.Canvas()->Handle(), 0, 0);
  }

  // The skin's look, Active or not, from Frame of the animation strip when it is not empty.
  void PaintSkin(TBitmap& Image, bool Active, const TRect& Frame) {
    Image.SetSize(FWidth, FHeight);
    const TspDataSkinMenuItem& skin = *FItem.ItemSkin;
    const bool framed = !IsNullRect(Frame);
    const TRect source = framed ? Frame : Active ? skin.ActiveSkinRect : skin.SkinRect;
    const bool stretch = Active || (framed && !skin.InActiveStretchEffect) ? skin.StretchEffect
                                                                           : skin.InActiveStretchEffect;
    PaintBackground(Image, Active, source, stretch);

    TMenuItem& menuItem = *FItem.MenuItem;
    TCanvas* canvas = Image.Canvas();
    const int imageColumn = !IsNullRect(skin.ImageRect)       ? 0
                            : FLevel.Images() != nullptr ? FLevel.ImageColumnWidth()
                                                         : PlainImageColumnWidth;
    TRect text = skin.TextRect;
    text.Right = FWidth - (RectWidth(skin.SkinRect) - skin.TextRect.Right);
    TFont* font = canvas->Font();
    FLevel.AssignItemFont(*font);
    canvas->Brush()->SetStyle(bsClear);
    TColor colour = Active ? skin.ActiveFontColor : menuItem.Enabled() ? skin.FontColor : skin.UnenabledFontColor;
    font->SetColor(colour);

    if (menuItem.OnDrawItem) {
      menuItem.OnDrawItem(&FItem, canvas, text, Active);
      return;
    }
    const std::string& caption = menuItem.Caption();
    if (!menuItem.Enabled() && caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') {
      PaintSectionHeader(Image, caption.substr(1, caption.size() - 2));
      return;
    }
    TItemContent content(FItem, canvas, Flags());
    content.DrawTexts(text.Left + imageColumn, text.Right - SkinTextEnd, text);
    if (FItem.HasChildren()) {
      const TRect arrow = Active ? skin.ActiveArrowImageRect : skin.ArrowImageRect;
      if (IsNullRect(skin.ArrowImageRect))
        DrawMenuArrow(canvas, text.Right - 7, Centre(text).Y - 4, colour);
      else
        DrawSkinGlyph(canvas, FItem.Picture.Get(), arrow,
                      {text.Right - RectWidth(arrow) - 5, text.Top, text.Right, text.Bottom});
    }
    if (skin.UseImageColor) colour = Active ? skin.ActiveImageColor : skin.ImageColor;
    const TRect* imageRect = IsNullRect(skin.ImageRect) ? nullptr : &skin.ImageRect;
    if (content.DrawImage(imageRect, text.Left + 2, text, colour)) return;
    const TPoint at = imageRect != nullptr ? TPoint{Centre(*imageRect).X - 4, Centre(*imageRect).Y - 4}
                                           : TPoint{text.Left + 2, Centre(text).Y - 4};
    const TMarkGlyphs glyphs{FItem.Picture.Get(), Active ? skin.ActiveCheckImageRect : skin.CheckImageRect,
                             Active ? skin.ActiveRadioImageRect : skin.RadioImageRect,
                             imageRect != nullptr ? *imageRect
                                                  : TRect{skin.TextRect.Left + 2, skin.TextRect.Top,
                                                          skin.TextRect.Left + 16, skin.TextRect.Bottom}};
    content.DrawMarks(at, 0, colour, &glyphs);
  }

  // A disabled "-Caption-" item in a skinned level: Caption on the skin's menu header
  // (or label) entry; without one only the item's background shows.
  void PaintSectionHeader(TBitmap& Image, const std::string& Text) {
    TspSkinData* data = FMenu.SkinData();
    if (FLevel.PopupSkin() == nullptr || data == nullptr) return;
    const TspDataSkinLabelControl* entry = nullptr;
    for (const char* name : {"menuheader", "label"}) {
      const int index = data->GetControlIndex(name);
      if (index < 0) continue;
      entry = dynamic_cast<const TspDataSkinLabelControl*>(data->CtrlList[static_cast<size_t>(index)].get());
      break;
    }
    TBitmap* picture = entry != nullptr ? SkinActiveBitmap(data, entry->PictureIndex).Get() : nullptr;
    if (picture == nullptr || IsNullRect(entry->SkinRect)) return;
    TBitmap header;
    CreateHSkinImage(entry->LTPoint.X, RectWidth(entry->SkinRect) - entry->RTPoint.X, &header, picture,
                     entry->SkinRect, FWidth, RectHeight(entry->SkinRect), entry->StretchEffect);
    if (header.Empty()) return;
    TCanvas* canvas = header.Canvas();
    canvas->Font()->SetColor(entry->FontColor);
    canvas->Font()->SetName(entry->FontName);
    canvas->Font()->SetHeight(entry->FontHeight);
    canvas->Font()->SetCharset(Image.Canvas()->Font()->Charset());
    canvas->Brush()->SetStyle(bsClear);
    TRect r{0, entry->ClRect.Top, header.Width(), header.Height()};
    canvas->DrawText(Text, r, Flags());
    Image.Canvas()->Draw(0, (FHeight - header.Height()) / 2, &header);
  }

  void PaintSkinless(TBitmap& Image) {
    TCanvas* canvas = Image.Canvas();
    const TRect r2{2, 2, FWidth - 2, FHeight - 2};
    const int gutter = FLevel.Images() != nullptr ? FLevel.ImageColumnWidth() : SkinlessGutter;
    TMenuItem& menuItem = *FItem.MenuItem;
    FLevel.AssignItemFont(*canvas->Font());
    TColor colour = clWindowText;
    if (FItem.ShowsActive() && !FItem.IsSeparator()) {
      DrawDefaultPart(*canvas, {0, 0, FWidth, FHeight}, TspPartState::Hot);
    } else {
      FillRect(canvas, {0, 0, gutter, FHeight}, clBtnFace);
      FillRect(canvas, {gutter, 0, FWidth, FHeight}, clWindow);
      if (!menuItem.Enabled()) colour = clBtnShadow;
    }
    if (FItem.IsSeparator()) {
      canvas->Pen()->SetColor(clBtnShadow);
      canvas->MoveTo(gutter, FHeight / 2);
      canvas->LineTo(FWidth, FHeight / 2);
      return;
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(colour);
    TItemContent content(FItem, canvas, Flags());
    content.DrawTexts(r2.Left + gutter, r2.Right - SkinlessTextEnd, r2);
    const int middle = Centre(r2).Y;
    if (FItem.HasChildren()) DrawMenuArrow(canvas, r2.Right - 7, middle - 4, colour);
    if (!content.DrawImage(nullptr, r2.Left + 2, r2, colour)) content.DrawMarks({r2.Left + 2, middle - 4}, 1, colour, nullptr);
  }

  TspSkinMenuItem& FItem;
  TspSkinPopupWindow& FLevel;
  TspSkinMenu& FMenu;
  int FWidth;
  int FHeight;
};

}  // namespace

void PaintMenuItem(TBitmap& Image, TspSkinMenuItem& Item) { TItemPainter(Item).Paint(Image); }
