// The skinned page control's painting: the page frame around the display rectangle, the
// tab strip, every tab with its caption, image and close button, and the plain look
// without a skin.
#include "SkinAreaFill.h"
#include "SkinPageControl.h"
#include "SkinTabSheet.h"
#include "TabBitmaps.h"

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinCustomControlCore.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/DeviceContexts.h"
#include "classlib/ImageList.h"

namespace {

// The button entry a close button borrows its looks from when the tab entry has none.
constexpr const char* BorrowedCloseButtonName = "resizetoolbutton";
constexpr int DefaultCloseButtonSize = 14;

void DrawLook(TCanvas& Canvas, const TRect& R, const TspDefaultLook& Look) {
  FillAreaWithColor(Canvas, R, Look.Fill);
  if (Look.Frame == clNone) return;
  Canvas.Brush()->SetColor(Look.Frame);
  Canvas.FrameRect(R);
}

void DrawCaption(TCanvas* Canvas, const std::string& Caption, const TRect& R, UINT Flags) {
  RECT r = ToRECT(R);
  DrawTextA(Canvas->Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &r, Flags);
}

TspPartState CloseButtonPartState(const TspCloseButtonState& State) {
  if (!State.MouseIn) return TspPartState::Normal;
  return State.Pressed ? TspPartState::Down : TspPartState::Hot;
}

}  // namespace

TRect TspSkinPageControl::PageFrame() { return PageFrameRect(DisplayRect(), TabMargins(FSkin.SkinRect, FSkin.ClRect)); }

TRect TspSkinPageControl::ActiveTabAreaRect() {
  const int active = TabIndex();
  if (active < 0 || ActivePage() == nullptr) return {};
  const TRect tab = GetTabRect(active);
  if (IsRectEmpty(tab)) return {};
  return ActiveTabArea(TabPosition(), tab, Skinned() ? ActiveTabOverlap(FSkin) : 0);
}

void TspSkinPageControl::PaintWindow(HDC DC) {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  const TSavedDC saved(DC);
  PaintOnCanvas(*Canvas(), DC, [this] {
    if (Skinned())
      PaintSkinBody(Canvas());
    else
      PaintDefaultBody(Canvas());
    DrawTabs(Canvas());
  });
}

void TspSkinPageControl::PaintDefaultBody(TCanvas* Cnvs) {
  FillAreaWithColor(*Cnvs, ClientRect(), clBtnFace);
  Cnvs->Brush()->SetColor(clBtnShadow);
  Cnvs->FrameRect(InflateRect(DisplayRect(), 1, 1));
}

void TspSkinPageControl::PaintPageBackground(TCanvas& Cnvs, int W, int H) {
  GetSkinData();
  if (Skinned()) {
    const TSkinClientFill fill{FSkin.StretchEffect, FSkin.StretchType};
    TBitmap* background = SkinActiveBitmap(FSkinData, FSkin.BGPictureIndex).Get();
    const bool filled =
        background != nullptr
            ? FillAreaFromPicture(Cnvs, background, {0, 0, background->Width(), background->Height()}, W, H, fill)
            : FillAreaFromPicture(Cnvs, SkinPicture(), ClientPart(), W, H, fill);
    if (filled) return;
  }
  FillAreaWithColor(Cnvs, {0, 0, W, H}, clBtnFace);
}

void TspSkinPageControl::DrawBodyBackground(HDC DC) {
  TCanvas canvas;
  canvas.SetHandle(DC);
  PaintPageBackground(canvas, Width(), Height());
  canvas.SetHandle(nullptr);
}

void TspSkinPageControl::PaintSkinBody(TCanvas* Cnvs) {
  GetSkinData();
  TBitmap* picture = SkinPicture();
  if (!InPicture(picture, FSkin.SkinRect)) {
    PaintDefaultBody(Cnvs);
    return;
  }
  if (SkinActiveBitmap(FSkinData, FSkin.BGPictureIndex).Get() != nullptr) {
    PaintPageBackground(*Cnvs, Width(), Height());  // the background picture has no frame
    return;
  }
  const TRect D = DisplayRect();
  const TRect F = PageFrame();
  {
    const TSavedDC saved(Cnvs->Handle());
    IntersectClipRect(Cnvs->Handle(), D.Left, D.Top, D.Right, D.Bottom);
    PaintPageBackground(*Cnvs, Width(), Height());
  }
  const TSkinCut cut{FSkin.LTPoint, FSkin.RTPoint, FSkin.LBPoint, FSkin.RBPoint, FSkin.ClRect};
  const TSkinCut framed = CutForSize(cut, FSkin.SkinRect, F.Width(), F.Height());
  TBitmap top, bottom, left, right;
  CreateSkinBorderImages(cut.LT, cut.RT, cut.LB, cut.RB, cut.ClRect, framed.LT, framed.RT, framed.LB, framed.RB,
                         framed.ClRect, &left, &top, &right, &bottom, picture, FSkin.SkinRect, F.Width(), F.Height(),
                         FSkin.LeftStretch, FSkin.TopStretch, FSkin.RightStretch, FSkin.BottomStretch);
  const TSavedDC saved(Cnvs->Handle());
  // The active tab is drawn last, over the frame: leave its place alone meanwhile.
  const TRect active = ActiveTabAreaRect();
  if (!IsRectEmpty(active)) ExcludeClipRect(Cnvs->Handle(), active.Left, active.Top, active.Right, active.Bottom);
  Cnvs->Draw(F.Left, F.Top, &top);
  Cnvs->Draw(F.Left, F.Top + top.Height(), &left);
  Cnvs->Draw(F.Right - right.Width(), F.Top + top.Height(), &right);
  Cnvs->Draw(F.Left, F.Bottom - bottom.Height(), &bottom);
}

void TspSkinPageControl::PaintStrip(TBitmap& S, const TRect& Strip) {
  if (FTabsBGTransparent) {
    DrawParentBackgroundRect(this, Strip, S.Canvas());
    return;
  }
  const TRect source = IsRectEmpty(FSkin.TabsBGRect) ? ClientPart() : FSkin.TabsBGRect;
  if (!FillAreaFromPicture(*S.Canvas(), SkinPicture(), source, S.Width(), S.Height(), {}))
    FillAreaWithColor(*S.Canvas(), {0, 0, S.Width(), S.Height()}, clBtnFace);
}

void TspSkinPageControl::DrawTabs(TCanvas* Cnvs) {
  if (PageCount() == 0 || !HandleAllocated()) return;
  GetSkinData();
  const int active = TabIndex();
  const int hot = FTracker.HotTab();
  if (!Skinned()) {
    for (int i = 0, tab = 0; i < PageCount(); ++i)
      if (Pages(i)->TabVisible()) {
        DrawTab(i, GetTabRect(tab), tab == active, tab == hot, Cnvs);
        ++tab;
      }
    return;
  }
  // The inactive tabs go onto the strip's bitmap, which reaches the screen in one piece.
  const TRect strip = TabStripRect(TabPosition(), PageFrame(), Width(), Height());
  TBitmap S(std::max(strip.Width(), 0), std::max(strip.Height(), 0));
  int activePage = -1;
  if (!S.Empty()) PaintStrip(S, strip);
  for (int i = 0, tab = 0; i < PageCount(); ++i) {
    if (!Pages(i)->TabVisible()) continue;
    if (tab == active)
      activePage = i;
    else if (!S.Empty())
      DrawTab(i, OffsetRect(GetTabRect(tab), -strip.Left, -strip.Top), false, tab == hot, S.Canvas());
    ++tab;
  }
  {
    const TSavedDC saved(Cnvs->Handle());
    const TRect area = ActiveTabAreaRect();
    if (!IsRectEmpty(area)) ExcludeClipRect(Cnvs->Handle(), area.Left, area.Top, area.Right, area.Bottom);
    Cnvs->Draw(strip.Left, strip.Top, &S);
  }
  if (activePage == -1) return;
  const TRect R = ActiveTabDrawRect(TabPosition(), GetTabRect(active), ActiveTabOverlap(FSkin));
  DrawTab(activePage, R, true, active == hot, Cnvs);
}

bool TspSkinPageControl::DrawSkinTabImage(TBitmap& B, const TspTabState& State, int W, int H) {
  TBitmap* picture = SkinPicture();
  const TRect source = TabSourceRect(FSkin, State);
  if (!InPicture(picture, source)) return false;
  if (TabHeight() <= 0) {
    CreateHSkinImage(FSkin.TabLeftOffset, FSkin.TabRightOffset, &B, picture, source, W, H, FSkin.TabStretchEffect);
  } else {
    B.SetSize(W, H + FixedHeightTabGrowth(FSkin, State));
    CreateSkinImageFromClientRect(&B, picture, source, true, TabInnerRect(FSkin, source));
  }
  if (TabPosition() == tpBottom) FlipBitmapVertically(&B);
  return !B.Empty();
}

void TspSkinPageControl::SetTabFont(TCanvas* Cnvs, const TspTabState& State) {
  const TspSkinFontData skinFont = SkinFontOf(FSkin);
  AssignSkinTextFont(*Cnvs->Font(), *Font(), Skinned() && FUseSkinFont ? &skinFont : nullptr, FSkinData);
  if (Skinned()) Cnvs->Font()->SetColor(TabFontColor(FSkin, State));
}

void TspSkinPageControl::DrawTab(int PageIndex, const TRect& R, bool Active, bool MouseIn, TCanvas* Cnvs) {
  if (PageIndex < 0 || PageIndex >= PageCount()) return;
  TTabSheet* page = Pages(PageIndex);
  const int imageIndex = GetImageIndex(page->TabIndex());
  const bool hasImage = FImages != nullptr && imageIndex >= 0 && imageIndex < FImages->Count();
  const TTabPosition position = TabPosition();
  const bool across = position == tpTop || position == tpBottom;
  const int W = across ? R.Width() : R.Height();
  const int H = across ? R.Height() : R.Width();
  if (W <= 0 || H <= 0) return;
  const TspTabState state{Active, MouseIn, Focused()};
  TBitmap B(W, H);
  TCanvas* canvas = B.Canvas();
  if (!Skinned() || !DrawSkinTabImage(B, state, W, H)) {
    B.SetSize(W, H);
    DrawLook(*canvas, {0, 0, W, H}, DefaultTabLook(state));
  }
  canvas->Brush()->SetStyle(bsClear);
  SetTabFont(canvas, state);
  if (Skinned() && FSkin.ShowFocus && state.Focused && Active) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FSkinData->SkinColors.cBtnFace);
    canvas->DrawFocusRect(InflateRect(TRect{0, 0, W, H}, -FSkin.FocusOffsetX, -FSkin.FocusOffsetY));
    canvas->Brush()->SetStyle(bsClear);
  }
  const int shift = Skinned() ? TabCaptionShift(position, FSkin, Active) : 0;
  const TspTabContent content =
      TabContentLayout(B.Width(), H, shift, hasImage, FShowCloseButtons ? FCloseSize + 2 : 0, Skinned());
  if (OnDrawSkinTab)
    OnDrawSkinTab(PageIndex, {0, 0, B.Width(), B.Height()}, Active, MouseIn, canvas);
  else if (hasImage)
    DrawTabImageAndText(canvas, content.ImageWidth, B.Height(), page->Caption(), FImages, imageIndex,
                        page->Enabled(), content.ImageShift);
  else
    DrawCaption(canvas, page->Caption(), content.Caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (FShowCloseButtons) {
    if (TspCloseButtonState* close = CloseButtonOf(PageIndex); close != nullptr && !MouseIn) close->MouseIn = false;
    DrawCloseButton(canvas, content.Close, B.Width(), B.Height(), PageIndex);
  }
  if (position == tpLeft)
    DrawRotatedLeft(Cnvs, &B, R.Left, R.Top);
  else if (position == tpRight)
    DrawRotatedRight(Cnvs, &B, R.Left, R.Top);
  else
    Cnvs->Draw(R.Left, R.Top, &B);
}

void TspSkinPageControl::DrawTabImageAndText(TCanvas* Cnvs, int W, int H, const std::string& Caption,
                                             TCustomImageList* AImages, int ImageIndex, bool AEnabled, int Dy) {
  RECT measured{};
  DrawTextA(Cnvs->Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &measured, DT_CALCRECT);
  const TspImageAndText layout = TabImageAndTextLayout(
      W, H, AImages->Width(), AImages->Height(), measured.right - measured.left, measured.bottom - measured.top, Dy);
  AImages->Draw(Cnvs, layout.Image.X, layout.Image.Y, ImageIndex, AEnabled);
  DrawCaption(Cnvs, Caption, layout.Text, DT_CENTER);
}

void TspSkinPageControl::DrawBorrowedCloseButton(TCanvas* Cnvs, const TRect& R, const TspCloseButtonState& State,
                                                 TRect& Drawn) {
  const auto* entry = dynamic_cast<const TspDataSkinButtonControl*>(
      SkinControlEntry(FSkinData, FSkinData->GetControlIndex(BorrowedCloseButtonName)));
  if (entry == nullptr) return;
  TBitmap button(FCloseSize, FCloseSize);
  const TspPartState state = CloseButtonPartState(State);
  if (!DrawSkinPart(*button.Canvas(), {0, 0, FCloseSize, FCloseSize}, ControlSkinPart(FSkinData, *entry), state))
    return;
  const TColor colour = state == TspPartState::Down  ? entry->DownFontColor
                        : state == TspPartState::Hot ? entry->ActiveFontColor
                                                     : entry->FontColor;
  DrawCloseImage(button.Canvas(), FCloseSize / 2 - 5, FCloseSize / 2 - 5, colour);
  Drawn = Bounds(R.Left, R.Top + R.Height() / 2 - FCloseSize / 2, FCloseSize, FCloseSize);
  Cnvs->Draw(Drawn.Left, Drawn.Top, &button);
}

void TspSkinPageControl::DrawCloseButton(TCanvas* Cnvs, const TRect& R, int W, int H, int PageIndex) {
  TspCloseButtonState* page = CloseButtonOf(PageIndex);
  const TspCloseButtonState state = page != nullptr ? *page : TspCloseButtonState{};
  TBitmap* picture = SkinPicture();
  TRect drawn;
  const TRect source = CloseButtonSource(FSkin, state.MouseIn, state.Pressed);
  if (Skinned() && !IsRectEmpty(FSkin.CloseButtonRect) && InPicture(picture, source)) {
    drawn = Bounds(R.Left, R.Top + R.Height() / 2 - source.Height() / 2, source.Width(), source.Height());
    if (FSkin.ButtonTransparent) {
      TBitmap button(source.Width(), source.Height());
      button.Canvas()->CopyRect({0, 0, source.Width(), source.Height()}, picture->Canvas(), source);
      button.SetTransparent(true);
      button.SetTransparentColor(FSkin.ButtonTransparentColor);
      Cnvs->Draw(drawn.Left, drawn.Top, &button);
    } else {
      Cnvs->CopyRect(drawn, picture->Canvas(), source);
    }
  } else if (Skinned() && IsRectEmpty(FSkin.CloseButtonRect)) {
    DrawBorrowedCloseButton(Cnvs, R, state, drawn);
  } else {
    drawn = Bounds(R.Left, R.Top + R.Height() / 2 - DefaultCloseButtonSize / 2, DefaultCloseButtonSize,
                   DefaultCloseButtonSize);
    DrawCloseImage(Cnvs, drawn.Left + 2, drawn.Top + 2, state.MouseIn ? clWhite : clBlack);
  }
  if (page != nullptr) page->Rect = TurnedTabRect(TabPosition(), drawn, W, H);
}
