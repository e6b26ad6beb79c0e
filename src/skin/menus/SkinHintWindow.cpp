#include "SkinHintWindow.h"

#include "SkinHint.h"

#include "skin/controls/MeasuredText.h"
#include "skin/controls/SkinCustomControlCore.h"
#include "skin/menus/portable/MenuItemState.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/EffectBmp.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinRegions.h"
#include "skin/data/win32/SkinSystem.h"
#include "skin/data/win32/WindowShape.h"

#include "classlib/ImageList.h"
#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include "base/StrUtils.h"

namespace {

// The text is placed in a box of its measured size.
constexpr UINT TextFlags = DT_NOPREFIX | MeasuredBoxFlags;
// A hint fades in by 20 at a time, at least 4 ms apart.
constexpr TspFade HintFade{20, 4};
// The text area of a hint without a skin: 2 pixels inside the window.
constexpr int32_t PlainInset = 2;
// The gap between a title or an image and what follows it.
constexpr int32_t TitledGap = 5;

TspHintSkinCut CutOf(const TspDataSkinHintWindow& Entry, const TBitmap& Picture) {
  return {{Picture.Width(), Picture.Height()}, Entry.ClRect, Entry.LTPoint, Entry.RTPoint, Entry.LBPoint,
          Entry.RBPoint};
}

}  // namespace

TspSkinHintWindow::TspSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void TspSkinHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_BORDER);
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
}

void TspSkinHintWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCPAINT: return;  // no frame: the face is the whole window
    case WM_ERASEBKGND: Message.Result = 1; return;
    default: THintWindow::Dispatch(Message);
  }
}

void TspSkinHintWindow::Notification(TComponent* AComponent, TOperation Operation) {
  THintWindow::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHint) FHint = nullptr;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FImages) FImages = nullptr;
}

// Activation

void TspSkinHintWindow::ActivateHint(const TRect& R, const std::string& Hint) {
  FTitled = false;
  TspSkinHint* hint = FindActiveSkinHint();
  if (hint == nullptr) return;
  if (!hint->HintTitle().empty() || hint->HintImageList() != nullptr) {
    ActivateHintWithTitle(R, Hint, hint->HintTitle(), hint->HintImageList(), hint->HintImageIndex());
    return;
  }
  SetReference(FHint, hint);
  Show(R, Hint);
}

void TspSkinHintWindow::ActivateHintWithTitle(const TRect& R, const std::string& Hint, const std::string& Title,
                                              TCustomImageList* Images, int32_t ImageIndex) {
  TspSkinHint* hint = FindActiveSkinHint();
  if (hint == nullptr) return;
  SetReference(FHint, hint);
  FTitled = true;
  FTitle = Title;
  SetReference(FImages, Images);
  FImageIndex = ImageIndex;
  Show(R, Hint);
}

void TspSkinHintWindow::Show(const TRect& R, const std::string& Hint) {
  TakeSkin();
  FLook = {FHint->UseSkinFont(), FHint->AlphaBlend() && !FHint->AlphaBlendSupport(), FHint->AlphaBlendValue()};
  const TspSkinFontData skinFont = Skinned() ? SkinFontOf(FSkinData->HintWindow) : TspSkinFontData{};
  AssignSkinTextFont(FTextFont, *FHint->DefaultFont(), SkinFont() ? &skinFont : nullptr, FHint->SkinData());

  const std::string text = StringReplace(Hint, FHint->LineSeparator(), "\n\r", rfReplaceAll);
  SetCaption(text);
  const TSize size = FTitled ? CalcTitledHintSize(text, FTitle, FImages, FImageIndex) : CalcHintSize(text);
  const TPoint at = HintPosition(R.TopLeft(), size, {Screen->Width(), Screen->Height()});
  SetBounds(at.X, at.Y, size.cx, size.cy);

  SwitchAlpha(at);
  SetHintRegion();
  SetWindowPos(Handle(), HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  Repaint();
  if (FLayered && FHint != nullptr && FHint->AlphaBlendAnimation()) FadeIn();
}

void TspSkinHintWindow::TakeSkin() {
  TspSkinData* data = FHint->SkinData();
  const bool usable = data != nullptr && !data->Empty() && data->HintWindow.WindowPictureIndex != -1;
  SetReference(FSkinData, usable ? data : nullptr);
  FPicture = usable ? SkinActiveBitmap(data, data->HintWindow.WindowPictureIndex) : TspSkinBitmap{};
  FMask = usable ? SkinActiveBitmap(data, data->HintWindow.MaskPictureIndex) : TspSkinBitmap{};
  if (FPicture.Get() != nullptr && FPicture.Get()->Empty()) FPicture = {};
}

// Layered when the component asks for translucence and layered windows may be used; with
// the fade the window starts invisible.
void TspSkinHintWindow::SwitchAlpha(const TPoint& At) {
  const TspSkinHint& hint = *FHint;
  const bool supported = hint.AlphaBlendSupport();
  const bool layered = hint.AlphaBlend() && supported;
  const uint8_t value = hint.AlphaBlendValue();
  if (layered != FLayered) {
    SetLayered(Handle(), layered);
    if (layered && !hint.AlphaBlendAnimation()) SetLayeredAlpha(Handle(), value);
    FLayered = layered;
  }
  if (layered && hint.AlphaBlendAnimation()) SetLayeredAlpha(Handle(), 0);
  if (layered && value != FAlpha) {
    if (!hint.AlphaBlendAnimation()) SetLayeredAlpha(Handle(), value);
    FAlpha = value;
  }
  if (FLook.BlendWithScreen) {
    FScreenCapture.SetSize(Width(), Height());
    GetScreenImage(At.X, At.Y, &FScreenCapture);
  }
}

void TspSkinHintWindow::FadeIn() {
  HWND window = Handle();
  RunFadeIn(
      static_cast<uint8_t>(FAlpha), HintFade, [] { return static_cast<uint32_t>(Seams::TickCount()); },
      [this, window](uint8_t alpha) {
        Repaint();
        SetLayeredAlpha(window, alpha);
      });
}

void TspSkinHintWindow::SetHintRegion() {
  TRegion region;
  TBitmap* mask = Skinned() ? FMask.Get() : nullptr;
  if (mask != nullptr && !mask->Empty()) {
    const TspDataSkinHintWindow& s = FSkinData->HintWindow;
    region = CreateSkinRegion({{s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect},
                               {FFrame.NewLT, FFrame.NewRT, FFrame.NewLB, FFrame.NewRB, FFrame.NewClRect},
                               mask,
                               Width(),
                               Height(),
                               RegionRectsLeftFor(Handle())});
  }
  ShapeWindow(Handle(), std::move(region), false);
}

// Sizes

TSize TspSkinHintWindow::TextExtent(const std::string& Text) {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(&FTextFont);
  TRect r;
  canvas->DrawText(Text, r, TextFlags | DT_CALCRECT);
  return {RectWidth(r), RectHeight(r)};
}

bool TspSkinHintWindow::HasImage() const {
  return FImages != nullptr && FImageIndex >= 0 && FImageIndex < FImages->Count();
}

TSize TspSkinHintWindow::CalcHintSize(const std::string& Text) {
  const TspHintSkinCut cut = Skinned() ? CutOf(FSkinData->HintWindow, *FPicture.Get()) : TspHintSkinCut{};
  FFrame = HintFrame(TextExtent(Text), Skinned() ? &cut : nullptr, PlainHintMargin);
  return FFrame.Size;
}

TSize TspSkinHintWindow::CalcTitledHintSize(const std::string& Text, const std::string& Title,
                                            TCustomImageList* Images, int32_t ImageIndex) {
  const TSize text = TextExtent(Text);
  TSize title;
  if (!Title.empty()) {
    TFont bold;
    bold.Assign(&FTextFont);
    bold.SetStyle(TFontStyles{fsBold});
    Canvas()->Font()->Assign(&bold);
    title = Canvas()->TextExtent(Title);
  }
  std::optional<TSize> image;
  if (Images != nullptr && ImageIndex >= 0 && ImageIndex < Images->Count()) image = TSize{Images->Width(), Images->Height()};
  const TspHintSkinCut cut = Skinned() ? CutOf(FSkinData->HintWindow, *FPicture.Get()) : TspHintSkinCut{};
  FFrame = HintFrame(TitledHintContent(text, title, image), Skinned() ? &cut : nullptr, TitledHintMargin);
  return FFrame.Size;
}

// Painting

void TspSkinHintWindow::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  TBitmap buffer(Width(), Height());
  PaintBackground(buffer);
  TCanvas& canvas = *buffer.Canvas();
  canvas.Font()->Assign(&FTextFont);
  canvas.Font()->SetColor(TextColor());
  canvas.Brush()->SetStyle(bsClear);
  if (FTitled)
    PaintTitledText(canvas);
  else
    PaintPlainText(canvas);
  if (FLook.BlendWithScreen && FScreenCapture.Width() == Width() && FScreenCapture.Height() == Height()) {
    const auto face = TspEffectBmp::CreateFromHBitmap(buffer.Handle());
    const auto screen = TspEffectBmp::CreateFromHBitmap(FScreenCapture.Handle());
    face->Morph(*screen, AlphaMorphKf(FLook.AlphaBlendValue));
    face->Draw(buffer.Canvas()->Handle(), 0, 0);
  }
  Canvas()->Draw(0, 0, &buffer);
}

void TspSkinHintWindow::PaintBackground(TBitmap& Buffer) {
  const int w = Buffer.Width(), h = Buffer.Height();
  if (Skinned()) {
    TBitmap* picture = FPicture.Get();
    const TspDataSkinHintWindow& s = FSkinData->HintWindow;
    TspHintFrame built;
    CreateSkinImage2(s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect, built.NewLT, built.NewRT, built.NewLB,
                     built.NewRB, built.NewClRect, &Buffer, picture, {0, 0, picture->Width(), picture->Height()}, w, h,
                     true, s.LeftStretch, s.TopStretch, s.RightStretch, s.BottomStretch, s.StretchEffect,
                     s.StretchType);
    return;
  }
  TCanvas& canvas = *Buffer.Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clInfoBk);
  canvas.FillRect({0, 0, w, h});
  canvas.Brush()->SetColor(clBtnShadow);
  canvas.FrameRect({0, 0, w, h});
}

TColor TspSkinHintWindow::TextColor() const { return Skinned() ? FSkinData->HintWindow.FontColor : clInfoText; }

void TspSkinHintWindow::PaintPlainText(TCanvas& Canvas) {
  const std::string text = Caption();
  if (!Skinned()) {
    TRect r{PlainInset, PlainInset, Width() - PlainInset, Height() - PlainInset};
    Canvas.DrawText(text, r, TextFlags);
    return;
  }
  TRect extent;
  Canvas.DrawText(text, extent, TextFlags | DT_CALCRECT);
  const TRect& c = FFrame.NewClRect;
  const int left = c.Left + RectWidth(c) / 2 - RectWidth(extent) / 2;
  const int top = c.Top + RectHeight(c) / 2 - RectHeight(extent) / 2;
  TRect r = Bounds(left, top, RectWidth(extent), RectHeight(extent));
  Canvas.DrawText(text, r, TextFlags);
}

void TspSkinHintWindow::PaintTitledText(TCanvas& Canvas) {
  const bool skinned = Skinned();
  const TRect c = skinned ? FFrame.NewClRect : TRect{PlainInset, PlainInset, Width() - PlainInset, Height() - PlainInset};
  int32_t titleHeight = 0;
  if (!FTitle.empty()) {
    Canvas.Font()->SetStyle(TFontStyles{fsBold});
    Canvas.TextOut(skinned ? c.Left + TitledGap : c.Left, c.Top, FTitle);
    titleHeight = Canvas.TextHeight(FTitle) + TitledGap;
    Canvas.Font()->SetStyle(TFontStyles{});
  }
  const std::string text = Caption();
  int32_t textLeft = skinned ? c.Left + TitledGap : c.Left;
  if (HasImage()) {
    const int x = skinned ? c.Left + TitledGap : c.Left;
    const int y = !FTitle.empty() ? (skinned ? c.Top + titleHeight : titleHeight)
                                  : c.Top + RectHeight(c) / 2 - FImages->Height() / 2;
    FImages->Draw(&Canvas, x, y, FImageIndex, true);
    // Without a skin the text area's left edge moves right by the image's left, its width
    // and the gap.
    const int afterImage = x + FImages->Width() + TitledGap;
    textLeft = skinned ? afterImage : c.Left + afterImage;
  }
  TRect r{textLeft, c.Top + titleHeight, c.Right, c.Bottom};
  if (skinned && FTitle.empty()) {  // centred in the text area
    TRect extent;
    Canvas.DrawText(text, extent, TextFlags | DT_CALCRECT);
    r.Top = c.Top + RectHeight(c) / 2 - RectHeight(extent) / 2;
  }
  Canvas.DrawText(text, r, TextFlags);
}
