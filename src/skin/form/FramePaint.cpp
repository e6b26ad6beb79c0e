// Painting the frame: the skin's frame in four border bands with the objects drawn on
// them (and the skin's inactive effect on an inactive window), the plain default frame,
// the client background, and the frame drawn inside the client area of a window without
// NC support.
#include "DynamicSkinForm.h"

#include "ActiveSkinObject.h"
#include "FrameEffects.h"
#include "SkinCaptionObject.h"
#include "SkinMainMenuItem.h"

#include "skin/form/portable/ClientFrame.h"
#include "skin/form/portable/FramePainting.h"
#include "skin/form/portable/MDIClientRules.h"

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinBitmaps.h"
#include "skin/data/win32/SkinImages.h"

#include "classlib/DeviceContexts.h"

#include <algorithm>
#include <limits>

namespace {

// Copies a whole bitmap into DC with its top-left corner at At.
void Blit(HDC DC, TPoint At, TBitmap& Image) {
  if (Image.Empty()) return;
  BitBlt(DC, At.X, At.Y, Image.Width(), Image.Height(), Image.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// A canvas over a DC the caller owns, for as long as it lives.
class TDCCanvas : public TCanvas {
 public:
  explicit TDCCanvas(HDC DC) { SetHandle(DC); }
  ~TDCCanvas() override { SetHandle(nullptr); }
};

// Object's rectangle moved for one draw, put back afterwards.
class TMovedObject {
 public:
  TMovedObject(TspActiveSkinObject& Object, const TRect& Rect) : FObject(Object), FSaved(Object.ObjectRect) {
    Object.ObjectRect = Rect;
  }
  ~TMovedObject() { FObject.ObjectRect = FSaved; }
  TMovedObject(const TMovedObject&) = delete;
  TMovedObject& operator=(const TMovedObject&) = delete;

 private:
  TspActiveSkinObject& FObject;
  TRect FSaved;
};

}  // namespace

void TspDynamicSkinForm::PaintFrameTo(HDC DC) {
  if (FSkinInUse)
    PaintSkinFrame(DC);
  else if (FSkinData == nullptr || !FSkinData->SkinChanging())
    PaintDefaultFrame(DC);
}

bool TspDynamicSkinForm::IsInactiveEffectOn() const {
  return FSkinData != nullptr && !FSkinData->Empty() && FSkinData->AutoRenderingInActiveImage;
}

void TspDynamicSkinForm::TakeFormSizeWhenUnknown() {
  if (FCore.LastWidth() == 0 || FCore.LastHeight() == 0) FCore.UpdateGeometry(FForm->Width(), FForm->Height());
}

// The skin's frame

void TspDynamicSkinForm::PaintSkinFrame(HDC DC) {
  if (!FCore.SkinFormUsable()) return;
  TakeFormSizeWhenUnknown();
  if (!SkinFramePaintable(FCore)) return;
  const int width = FCore.LastWidth(), height = FCore.LastHeight();
  FCore.UpdateGeometry(width, height);
  FObjects.UpdateObjectRects();

  const bool active = IsFormActive();
  TspSkinData* skin = FSkinData;
  const bool inactivePicture = !active && !skin->InActivePicture.Empty();
  TBitmap* picture = SkinBitmap(skin, inactivePicture ? &TspSkinData::InActivePicture : &TspSkinData::Picture).Get();
  const TSkinCut cut = FrameCut(*skin);
  const TRect whole = Rect(0, 0, FCore.Skin().Picture.cx, FCore.Skin().Picture.cy);
  const TBorderPlans plans =
      SkinBorderPlans(cut, CutForSize(cut, whole, width, height), whole, width, height,
                      {skin->LeftStretch, skin->TopStretch, skin->RightStretch, skin->BottomStretch});
  TBitmap top, bottom, left, right;
  const auto band = [&](TBitmap& Band, const TBandPlan& Plan) {
    if (Plan.Drawn) DrawImage(&Band, picture, Plan.Image);
  };
  band(top, plans.Top);
  band(bottom, plans.Bottom);
  band(left, plans.Left);
  band(right, plans.Right);

  const TRect& client = FCore.Geometry().ClRect;
  TspObjectPaintBudget objectPixels;
  const auto drawOnBand = [&](TspActiveSkinObject& Object, const TspBandDraw& Draw) {
    TBitmap& target = Draw.OnBottomBand ? bottom : top;
    if (target.Empty() || !objectPixels.Take(Draw.Rect, {target.Width(), target.Height()})) return;
    TMovedObject moved(Object, Draw.Rect);
    Object.Draw(target.Canvas(), false);
  };
  // The main menu's items first.
  for (TspSkinMainMenuItem* item : MainMenuItems())
    drawOnBand(*item, MainMenuItemBandDraw(item->ObjectRect, FCore.Geometry().MainMenuRect, client));
  for (const auto& object : FObjects) {
    if (!FObjects.ObjectShown(*object) || !object->Visible || dynamic_cast<TspSkinMainMenuItem*>(object.get()) != nullptr)
      continue;
    drawOnBand(*object, ObjectBandDraw(object->ObjectRect, client));
  }

  const TSavedDC saved(DC);
  if (client.Bottom > client.Top) ExcludeClipRect(DC, client.Left, client.Top, client.Right, client.Bottom);
  if (!active && IsInactiveEffectOn())
    for (TBitmap* b : {&top, &bottom, &left, &right}) ApplyInActiveEffect(*b, skin->InActiveEffect);
  const TspBandOrigins at = BorderBandOrigins(plans, width, height);
  Blit(DC, at.Top, top);
  Blit(DC, at.Left, left);
  Blit(DC, at.Right, right);
  Blit(DC, at.Bottom, bottom);
}

// The default frame

void TspDynamicSkinForm::PaintDefaultFrame(HDC DC) {
  if (FSkinData != nullptr && FSkinData->SkinChanging()) return;
  TakeFormSizeWhenUnknown();
  if (FObjects.Empty() && !FSkinInUse) FObjects.CreateDefaultButtonObjects();
  FObjects.UpdateObjectRects();
  const int width = FCore.LastWidth(), height = FCore.LastHeight();
  const int captionHeight = FCore.GetDefaultCaptionHeight();
  const TspDefaultFrameLayout layout = FCore.DefaultLayout();
  const bool active = IsFormActive();

  TBitmap caption;
  if (!IsDrawableImageSize(width - 2 * DefaultBorderWidth, captionHeight)) return;
  caption.SetSize(width - 2 * DefaultBorderWidth, captionHeight);
  TCanvas* canvas = caption.Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(0, 0, caption.Width(), caption.Height()));
  for (const TspCaptionStripe& stripe : DefaultCaptionStripes(layout.CaptionRect, captionHeight)) {
    canvas->Pen()->SetColor(stripe.Highlight ? clBtnHighlight : clBtnShadow);
    canvas->MoveTo(stripe.Start, stripe.Y);
    canvas->LineTo(stripe.End, stripe.Y);
  }
  canvas->Font()->Assign(active ? &FDefCaptionFont : &FDefInActiveCaptionFont);
  if (FSkinData != nullptr && FSkinData->ResourceStrData() != nullptr)
    canvas->Font()->SetCharset(FSkinData->ResourceStrData()->CharSet());
  const TRect captionRect = OffsetRect(layout.CaptionRect, -DefaultBorderWidth, -DefaultBorderWidth);
  const std::string text = CaptionText();
  if (OnCaptionPaint) {
    OnCaptionPaint(canvas, captionRect, active);
  } else if (!text.empty()) {
    const TPoint at = DefaultCaptionTextOrigin(layout.CaptionRect, captionHeight, canvas->TextExtent(text));
    const UINT flags = FForm->DrawTextBiDiModeFlags(DT_SINGLELINE);
    TRect r = Rect(at.X, at.Y, at.X, at.Y);
    // Measured from its top: centring a rectangle without height would lift it.
    canvas->DrawText(text, r, flags | DT_CALCRECT);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(InflateRect(r, 2, 2));
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(text, r, flags | DT_VCENTER);
  }
  for (const auto& object : FObjects) {
    if (!object->Visible) continue;
    TMovedObject moved(*object, OffsetRect(object->ObjectRect, -DefaultBorderWidth, -DefaultBorderWidth));
    object->Draw(canvas, true);
  }

  const TSavedDC saved(DC);
  const TRect client = DefaultClientRect(width, height, captionHeight);
  ExcludeClipRect(DC, client.Left, client.Top, client.Right, client.Bottom);
  Blit(DC, {DefaultBorderWidth, DefaultBorderWidth}, caption);
  TDCCanvas window(DC);
  TRect frame = Rect(0, 0, width, height);
  Frame3D(&window, frame, cl3DLight, cl3DDkShadow, 1);
  Frame3D(&window, frame, clBtnHighlight, clBtnShadow, 1);
  Frame3D(&window, frame, clBtnFace, clBtnFace, 1);
}

void TspDynamicSkinForm::RedrawObject(TspActiveSkinObject* Obj) {
  if (Obj == nullptr || !FObjects.ObjectShown(*Obj) || !FForm->HandleAllocated()) return;
  // Alone it is held to what a paint draws of all objects.
  if (!TspObjectPaintBudget().Take(Obj->ObjectRect, {FCore.LastWidth(), FCore.LastHeight()})) return;
  if (!FCore.Options.SupportNCArea) {
    TWindowDC dc(FForm->Handle());
    TDCCanvas canvas(dc.DC());
    Obj->Draw(&canvas, true);
    return;
  }
  if ((FCore.Options.MDIChild && FCore.State.Maximized()) || FCore.Options.BorderStyle == bsNone) return;
  TWindowDC dc(FForm->Handle(), TWindowDC::WholeWindow);
  TDCCanvas canvas(dc.DC());
  Obj->Draw(&canvas, true);
}

void TspDynamicSkinForm::UpdateCaptionTexts() {
  for (const auto& object : FObjects)
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(object.get())) caption->SetText(CaptionText());
}

void TspDynamicSkinForm::DrawFormIcon(TCanvas* Canvas, int X, int Y) {
  if (FFormIcon == nullptr) {
    FFormIcon = std::make_unique<TIcon>();
    HICON source = FForm->Icon()->Handle();
    if (source == nullptr) source = Application->Icon()->Handle();
    HICON system = source == nullptr ? LoadIconA(nullptr, IDI_APPLICATION) : nullptr;
    const TSize size = FCore.IconSize;
    FFormIcon->SetHandle(
        static_cast<HICON>(CopyImage(source != nullptr ? source : system, IMAGE_ICON, size.cx, size.cy, 0)));
    // A shared system icon is never destroyed.
  }
  if (FFormIcon->Empty()) return;
  DrawIconEx(Canvas->Handle(), X, Y, FFormIcon->Handle(), FCore.IconSize.cx, FCore.IconSize.cy, 0, nullptr,
             DI_NORMAL);
}

// The client area

void TspDynamicSkinForm::EraseBackground(HDC DC) {
  if (FForm->FormStyle() == fsMDIForm) return;  // its MDI client window covers it
  if (!FCore.Options.SupportNCArea) {
    PaintClientFrame(DC);
  } else if (FSkinInUse) {
    if (FSkinData->BGPictureIndex == -1)
      PaintClientFramePart(DC);
    else
      PaintClientBackground(DC);
  } else {
    TDCCanvas canvas(DC);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(FForm->ClientRect());
    DrawLogo(&canvas);
  }
}

void TspDynamicSkinForm::PaintClientBackground(HDC DC) {
  if (FSkinData == nullptr || FSkinData->Empty()) return;
  TBitmap* picture = SkinActiveBitmap(FSkinData, FSkinData->BGPictureIndex).Get();
  FillClientBackground(DC, picture, FSkinData->StretchEffect, FSkinData->StretchType);
  TDCCanvas canvas(DC);
  DrawLogo(&canvas);
}

void TspDynamicSkinForm::EraseMDIClient(HDC DC) {
  const bool skin = FSkinData != nullptr && !FSkinData->Empty();
  switch (MDIClientBackgroundKind(skin, skin ? MDIBackgroundOf(*FSkinData) : TspMDIBackground{})) {
    case TspMDIBackgroundKind::MDIPicture: PaintMDIClientBackground(DC); return;
    case TspMDIBackgroundKind::ClientPicture: PaintClientBackground(DC); return;
    case TspMDIBackgroundKind::FramePart: PaintClientFramePart(DC); return;
    case TspMDIBackgroundKind::Workspace: {
      TDCCanvas canvas(DC);
      canvas.Brush()->SetColor(clAppWorkSpace);
      canvas.FillRect(FForm->ClientRect());
      DrawLogo(&canvas);
      return;
    }
  }
}

void TspDynamicSkinForm::PaintMDIClientBackground(HDC DC) {
  if (FSkinData == nullptr || FSkinData->Empty()) return;
  TBitmap* picture = SkinActiveBitmap(FSkinData, FSkinData->MDIBGPictureIndex).Get();
  FillClientBackground(DC, picture, FSkinData->MDIBGStretchEffect, FSkinData->MDIBGStretchType);
  TDCCanvas canvas(DC);
  DrawLogo(&canvas);
}

void TspDynamicSkinForm::PaintClientFramePart(HDC DC) {
  if (FSkinData == nullptr || FSkinData->Empty()) return;
  TBitmap part;
  if (!CutImage(part, SkinBitmap(FSkinData, &TspSkinData::Picture).Get(), FSkinData->ClRect)) {
    TDCCanvas canvas(DC);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(FForm->ClientRect());
    return;
  }
  FillClientBackground(DC, &part, FSkinData->StretchEffect, FSkinData->StretchType);
  TDCCanvas canvas(DC);
  DrawLogo(&canvas);
}

void TspDynamicSkinForm::FillClientBackground(HDC DC, TBitmap* Picture, bool StretchEffect,
                                              TspStretchType StretchType) {
  if (Picture == nullptr || Picture->Empty()) return;
  const TRect client = FForm->ClientRect();
  const TspClientFill fill =
      ClientBackgroundFill({Picture->Width(), Picture->Height()}, {client.Width(), client.Height()},
                           {FCore.LastWidth(), FCore.LastHeight()}, StretchEffect, StretchType);
  if (fill.Columns == 0) return;
  // One copy of the picture, tiled along each axis the cell keeps its size on and
  // stretched along the other: DrawPiece fills it at once however small the picture.
  const auto extent = [](int32_t Count, int32_t Size) {
    return static_cast<int32_t>(std::min<int64_t>(int64_t{Count} * Size, std::numeric_limits<int32_t>::max()));
  };
  const TPieceCopy copy{Rect(0, 0, Picture->Width(), Picture->Height()),
                        Rect(0, 0, extent(fill.Columns, fill.Cell.Width()), extent(fill.Rows, fill.Cell.Height())),
                        fill.Cell.Width() == Picture->Width(), fill.Cell.Height() == Picture->Height()};
  TDCCanvas canvas(DC);
  DrawPiece(canvas, Picture, copy, canvas.ClipRect());
}

void TspDynamicSkinForm::DrawLogo(TCanvas* Canvas) {
  if (FLogoBitMap.Empty()) return;
  const TRect client = FForm->ClientRect();
  const TPoint at = LogoOrigin({client.Width(), client.Height()}, {FLogoBitMap.Width(), FLogoBitMap.Height()});
  FLogoBitMap.SetTransparent(FLogoBitMapTransparent);
  Canvas->Draw(at.X, at.Y, &FLogoBitMap);
}

void TspDynamicSkinForm::PaintClientFrame(HDC DC) {
  TakeFormSizeWhenUnknown();
  TDCCanvas canvas(DC);
  const TspClientFramePicture kind = ClientFramePictureKind(FCore);
  if (kind == TspClientFramePicture::Plain) {
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Pen()->SetColor(clBlack);
    canvas.Rectangle(FForm->ClientRect());
    return;
  }
  TspSkinData* skin = FSkinData;
  TBitmap* frame = SkinBitmap(skin, &TspSkinData::Picture).Get();
  const TRect whole = Rect(0, 0, FCore.Skin().Picture.cx, FCore.Skin().Picture.cy);
  TBitmap image;
  switch (kind) {
    case TspClientFramePicture::RollUpPicture:
      DrawImage(&image, SkinBitmap(skin, &TspSkinData::RollUpPicture).Get(),
                RollUpImagePlan(FCore.Skin().RollUpPicture, *skin, FForm->Width()));
      break;
    case TspClientFramePicture::FramePicture: CutImage(image, frame, whole); break;
    default: {
      const TSkinCut cut = FrameCut(*skin);
      TSkinCut made;
      CreateSkinImage(cut.LT, cut.RT, cut.LB, cut.RB, cut.ClRect, made.LT, made.RT, made.LB, made.RB, made.ClRect,
                      &image, frame, whole, FCore.LastWidth(), FCore.LastHeight(), true, skin->LeftStretch,
                      skin->TopStretch, skin->RightStretch, skin->BottomStretch, skin->StretchEffect,
                      skin->StretchType);
      break;
    }
  }
  if (image.Empty()) return;
  TspObjectPaintBudget objectPixels;
  for (const auto& object : FObjects)
    if (object->Visible && FObjects.ObjectShown(*object) &&
        objectPixels.Take(object->ObjectRect, {image.Width(), image.Height()}))
      object->Draw(image.Canvas(), false);
  if (FCore.State.Normal()) DrawSizeGrip(image.Canvas());
  Blit(DC, {0, 0}, image);
}

void TspDynamicSkinForm::DrawSizeGrip(TCanvas* Canvas) {
  const TRect& place = FCore.SizeGripRect();
  if (IsNullRect(place) || FSkinData == nullptr) return;
  const int index = FSkinData->GetControlIndex(FSkinData->StatusBarName);
  if (index < 0) return;
  const auto* entry =
      dynamic_cast<const TspDataSkinPanelControl*>(FSkinData->CtrlList[static_cast<size_t>(index)].get());
  if (entry == nullptr || IsNullRect(entry->GripperRect)) return;
  TBitmap grip;
  if (!CutImage(grip, SkinActiveBitmap(FSkinData, entry->PictureIndex).Get(), entry->GripperRect)) return;
  if (entry->GripperTransparent) {
    grip.SetTransparentColor(entry->GripperTransparentColor);
    grip.SetTransparent(true);
  }
  Canvas->Draw(place.Left, place.Top, &grip);
}
