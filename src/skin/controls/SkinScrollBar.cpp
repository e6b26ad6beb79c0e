#include "SkinScrollBar.h"

#include "ControlInput.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinBarData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/EffectBmp.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/Bitmap.h"
#include "classlib/DeviceContexts.h"

#include <algorithm>
#include <limits>

namespace {

constexpr unsigned RepeatInterval = 50;  // a held button or page repeats this often

int32_t Plus(int32_t Value, int64_t Delta) {
  return static_cast<int32_t>(std::clamp<int64_t>(Value + Delta, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// A part of the entry's picture with its state rectangles, fitted by Fit.
TspSkinPart ScrollPart(const TspSkinBitmap& Picture, const TRect& Normal, const TRect& Hot, const TRect& Down,
                       TspPartFit Fit) {
  TspSkinPart part;
  part.Picture = Picture;
  part.Rects = {Normal, Hot, Down, {}, {}};
  part.Geometry.Fit = Fit;
  return part;
}

}  // namespace

TspSkinScrollBar::TspSkinScrollBar(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("hscrollbar");
  SetBounds(Left(), Top(), 200, DefaultScrollBarThickness);
  SetDefaultHeight(DefaultScrollBarThickness);
}

// Range

void TspSkinScrollBar::SetKind(TScrollBarKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  Repaint();
}

void TspSkinScrollBar::SetMin(int32_t Value) {
  FRange.Min = Value;
  if (ComponentState().Contains(csLoading)) return;
  FRange.Position = FRange.Clamp(FRange.Position);
  RedrawMoved();
}

void TspSkinScrollBar::SetMax(int32_t Value) {
  FRange.Max = Value;
  if (ComponentState().Contains(csLoading)) return;
  // The last position counts from Max itself (Max - PageSize + 1), as SetPosition clamps:
  // counted from Max - Min, a bar with Min above 0 would put the thumb short of its end.
  FRange.Position = FRange.Clamp(FRange.Position);
  RedrawMoved();
}

void TspSkinScrollBar::SetPageSize(int32_t Value) {
  if (ComponentState().Contains(csLoading)) {
    FRange.PageSize = Value;
    return;
  }
  if (FRange.PageFits(Value)) FRange.PageSize = Value;
  RedrawMoved();
}

void TspSkinScrollBar::SetPosition(int32_t Value) {
  if (ComponentState().Contains(csLoading)) {
    FRange.Position = Value;
    return;
  }
  if (StorePosition(Value)) Fire({OnChange});
}

void TspSkinScrollBar::SetPositionWithoutEvent(int32_t Value) { StorePosition(Value); }

void TspSkinScrollBar::SetRange(int32_t AMin, int32_t AMax, int32_t APageSize, int32_t APosition) {
  FRange = {AMin, AMax, std::max(APageSize, 0), AMin};
  FRange.Position = FRange.Clamp(APosition);
  RedrawMoved();
}

void TspSkinScrollBar::Loaded() {
  TspSkinCustomControl::Loaded();
  SetRange(FRange.Min, FRange.Max, FRange.PageSize, FRange.Position);
}

bool TspSkinScrollBar::StorePosition(int32_t Value) {
  const int32_t position = FRange.Clamp(Value);
  if (position == FRange.Position) return false;
  FRange.Position = position;
  RedrawMoved();
  return true;
}

void TspSkinScrollBar::RedrawMoved() {
  // A page changes how the thumb is drawn, not only where.
  if (!FDrawn || !HandleAllocated() || FDrawn->Paged != (FRange.PageSize != 0)) return Repaint();
  CalcRects();
  const TRect area = ScrollBarRedrawArea(FDrawn->Rects, FRects, ClientRect());
  if (IsRectEmpty(area)) return;
  const RECT r = ToRECT(area);
  // Drawn at once on the window when it shows and nothing of it awaits a paint: a paint
  // message costs several times what drawing the thumb does.
  if (!Showing() || InPaint() || AwaitsPaint(Handle())) {
    InvalidateRect(Handle(), &r, FALSE);
    Update();
    return;
  }
  const TWindowDC dc(Handle());
  IntersectClipRect(dc.DC(), r.left, r.top, r.right, r.bottom);
  PaintWindow(dc.DC());
}

void TspSkinScrollBar::StepPosition(int64_t Delta) {
  if (StorePosition(Plus(FRange.Position, Delta))) Fire({OnChange});
}

// The steps show nowhere: nothing to draw.
void TspSkinScrollBar::SetSmallChange(int32_t Value) { FSmallChange = Value; }

void TspSkinScrollBar::SetLargeChange(int32_t Value) { FLargeChange = Value; }

void TspSkinScrollBar::SetBoth(bool Value) {
  if (Value == FBoth) return;
  FBoth = Value;
  if (Value) {
    FSavedSkinDataName = SkinDataName();
    SetSkinDataName(FBothSkinDataName);
  } else if (!FSavedSkinDataName.empty()) {
    SetSkinDataName(FSavedSkinDataName);
  }
  if (Skinned())
    ChangeSkinData();
  else
    Repaint();
}

void TspSkinScrollBar::SetBothMarkerWidth(int32_t Value) {
  if (Value < 0) return;
  FBothMarkerWidth = Value;
  if (!Skinned()) Repaint();
}

void TspSkinScrollBar::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TspSkinScrollBar::Fire(std::initializer_list<TNotifyEvent> Events) {
  for (const TNotifyEvent& event : Events)
    if (event) event(this);
}

// Skin and geometry

void TspSkinScrollBar::ChangeSkinData() {
  // The skin data may have loaded another skin into the same entries.
  FBackground.Forget();
  FThumb.Forget();
  TspSkinCustomControl::ChangeSkinData();
}

void TspSkinScrollBar::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  FSkin.reset();
  const auto* entry = !Skinned() ? nullptr : dynamic_cast<const TspDataSkinScrollBarControl*>(SkinEntry());
  if (entry == nullptr) return;
  TScrollSkin& skin = FSkin.emplace();
  skin.Geometry = {SkinRect,      entry->TrackArea, entry->UpButtonRect, entry->DownButtonRect,
                   entry->ThumbRect, RTPoint,       LBPoint,             entry->ThumbMinSize,
                   entry->ThumbMinPageSize};
  // The normal arrow buttons are part of the bar's own image.
  skin.UpButton = ScrollPart(Picture, {}, entry->ActiveUpButtonRect, entry->DownUpButtonRect, TspPartFit::Stretch);
  skin.DownButton =
      ScrollPart(Picture, {}, entry->ActiveDownButtonRect, entry->DownDownButtonRect, TspPartFit::Stretch);
  skin.Thumb = ScrollPart(Picture, entry->ThumbRect, entry->ActiveThumbRect, entry->DownThumbRect, TspPartFit::Copy);
  skin.Glyph = ScrollPart(Picture, entry->GlyphRect, entry->ActiveGlyphRect, entry->DownGlyphRect, TspPartFit::Copy);
  skin.ThumbOffset1 = entry->ThumbOffset1;
  skin.ThumbOffset2 = entry->ThumbOffset2;
  skin.ThumbStretchEffect = entry->ThumbStretchEffect;
  skin.ThumbTransparent = entry->ThumbTransparent;
  skin.ThumbTransparentColor = entry->ThumbTransparentColor;
  skin.GlyphTransparent = entry->GlyphTransparent;
  skin.GlyphTransparentColor = entry->GlyphTransparentColor;
}

void TspSkinScrollBar::CalcSize(int& AWidth, int& AHeight) {
  TspSkinCustomControl::CalcSize(AWidth, AHeight);
  CalcRects();
}

void TspSkinScrollBar::CalcRects() {
  TspScrollBarShape shape;
  shape.Vertical = Vertical();
  shape.Width = Width();
  shape.Height = Height();
  shape.BothMarkerWidth = FBoth ? FBothMarkerWidth : 0;
  if (FSkin) shape.Skin = FSkin->Geometry;
  FRects = CalcScrollBarRects(shape, FRange);
}

TspScrollBarRects TspSkinScrollBar::PartRects() {
  GetSkinData();
  CalcRects();
  return FRects;
}

// Painting

void TspSkinScrollBar::CreateControlDefaultImage(TBitmap* B) {
  TCanvas& canvas = *B->Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(ClientRect());
  CalcRects();
  DrawButton(canvas, ScrollUpButton);
  DrawButton(canvas, ScrollDownButton);
  DrawThumb(canvas);
}

void TspSkinScrollBar::CreateControlSkinImage(TBitmap* B) {
  if (!FSkin) {  // an entry of another kind of control
    CreateControlDefaultImage(B);
    return;
  }
  CalcRects();
  TPictureKey key;
  key.Data = SkinData();
  key.Index = SkinIndex();
  key.Up = ButtonState(ScrollUpButton);
  key.Down = ButtonState(ScrollDownButton);
  key.UpRect = FRects.Buttons[ScrollUpButton];
  key.DownRect = FRects.Buttons[ScrollDownButton];
  TBitmap* background = FBackground.Get(key, {Width(), Height()}, [this](TBitmap& Image) {
    TspSkinCustomControl::CreateControlSkinImage(&Image);
    DrawButton(*Image.Canvas(), ScrollUpButton);
    DrawButton(*Image.Canvas(), ScrollDownButton);
    return true;
  });
  B->Canvas()->Draw(0, 0, background);
  DrawThumb(*B->Canvas());
}

void TspSkinScrollBar::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (!Skinned() || PaintsBordersDirect()) return TspSkinCustomControl::Paint();
  // The background covers the whole image: nothing of the last paint stays.
  FImage.SetSize(Width(), Height());
  CreateControlSkinImage(&FImage);
  DrawControlImage(FImage);
}

void TspSkinScrollBar::DrawThumb(TCanvas& Canvas) {
  if (Enabled()) DrawButton(Canvas, ScrollThumb);
  FDrawn = TDrawn{FRects, FRange.PageSize != 0};
}

TspPartState TspSkinScrollBar::ButtonState(int Index) {
  const TScrollButton& button = FButtons[static_cast<size_t>(Index)];
  const bool pressed = Index == ScrollThumb ? button.Down || (FCanFocused && Focused()) : button.Down && button.MouseIn;
  if (pressed) return TspPartState::Down;
  return button.MouseIn ? TspPartState::Hot : TspPartState::Normal;
}

void TspSkinScrollBar::DrawButton(TCanvas& Canvas, int Index) {
  const TRect& r = FRects.Buttons[static_cast<size_t>(Index)];
  if (IsRectEmpty(r)) return;
  const TspPartState state = ButtonState(Index);
  if (!FSkin) {
    DrawDefaultPart(Canvas, r, state);
    if (Index == ScrollThumb) return;
    const bool up = Index == ScrollUpButton;
    const int arrow =
        Vertical() ? (up ? ArrowCode::Down : ArrowCode::Up) : (up ? ArrowCode::Right : ArrowCode::Left);
    DrawArrowImage(&Canvas, r, clBlack, arrow);
  } else if (Index == ScrollThumb) {
    DrawSkinThumb(Canvas, state);
  } else {
    DrawSkinPart(Canvas, r, Index == ScrollUpButton ? FSkin->UpButton : FSkin->DownButton, state);
  }
}

void TspSkinScrollBar::DrawSkinThumb(TCanvas& Canvas, TspPartState State) {
  const TScrollSkin& skin = *FSkin;
  const TRect& r = FRects.Buttons[ScrollThumb];
  const TRect whole{0, 0, r.Width(), r.Height()};
  TPictureKey key;
  key.Data = SkinData();
  key.Index = SkinIndex();
  key.Up = State;
  key.Vertical = Vertical();
  key.Paged = FRange.PageSize != 0;
  TBitmap* picture =
      FThumb.Get(key, {r.Width(), r.Height()}, [&](TBitmap& Image) { return DrawThumbPicture(Image, State); });
  if (picture == nullptr) return;
  TBitmap blended;
  if (AlphaBlend()) {  // over what the bar shows under the thumb
    blended.SetSize(r.Width(), r.Height());
    blended.Canvas()->CopyRect(whole, picture->Canvas(), whole);
    TBitmap under(r.Width(), r.Height());
    under.Canvas()->CopyRect(whole, &Canvas, r);
    const auto mixed = TspEffectBmp::CreateFromHBitmap(blended.Handle());
    mixed->Morph(*TspEffectBmp::CreateFromHBitmap(under.Handle()), AlphaMorphKf(AlphaBlendValue()));
    mixed->Draw(blended.Canvas()->Handle(), 0, 0);
    picture = &blended;
  }
  if (skin.ThumbTransparent) {
    picture->SetTransparentColor(skin.ThumbTransparentColor);
    picture->SetTransparent(true);
  }
  Canvas.Draw(r.Left, r.Top, picture);
}

// The thumb of State on Image, of its size; false when the skin cannot draw it.
bool TspSkinScrollBar::DrawThumbPicture(TBitmap& Image, TspPartState State) {
  const TScrollSkin& skin = *FSkin;
  const TRect whole{0, 0, Image.Width(), Image.Height()};
  TspSkinPart thumb = skin.Thumb;
  // With a page the thumb's length varies: its ends stay, its middle follows.
  if (FRange.PageSize != 0 || skin.Geometry.ThumbMinPageSize != 0) {
    thumb.Geometry.Fit = Vertical() ? TspPartFit::Vertical : TspPartFit::Horizontal;
    thumb.Geometry.StartOffset = skin.ThumbOffset1;
    thumb.Geometry.EndOffset = skin.ThumbOffset2;
    thumb.Geometry.Fill.StretchEffect = skin.ThumbStretchEffect;
  }
  if (!DrawSkinPart(*Image.Canvas(), whole, thumb, State)) return false;

  const TRect glyph = PartLook(skin.Glyph.Rects, State).Rect;
  if (!IsNullRect(glyph)) {
    const TRect at = Bounds(whole.Width() / 2 - glyph.Width() / 2, whole.Height() / 2 - glyph.Height() / 2,
                            glyph.Width(), glyph.Height());
    if (skin.GlyphTransparent)
      DrawSkinPartTransparent(*Image.Canvas(), at, skin.Glyph, State, skin.GlyphTransparentColor);
    else
      DrawSkinPart(*Image.Canvas(), at, skin.Glyph, State);
  }
  return true;
}

// Mouse

void TspSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMousePressed = true;
  FLastMouse = {X, Y};
  CalcRects();
  FTimerMode = TTimerMode::None;
  FWaitingFirstTick = true;
  if (const int part = ScrollPartAt(FRects, {X, Y}); part != -1) {
    FDownButton = part;
    ButtonDown(part, X, Y);
    return;
  }
  const TspScrollPage page = TrackPageAt(FRects, Vertical(), {X, Y});
  if (page == TspScrollPage::None) return;
  StartTimer(page == TspScrollPage::Up ? TTimerMode::PageUp : TTimerMode::PageDown);
  PageStep(page);
}

void TspSkinScrollBar::ButtonDown(int Index, int X, int Y) {
  FButtons[static_cast<size_t>(Index)].Down = true;
  if (Index == ScrollThumb) {
    FMouseDownCoord = Vertical() ? Y : X;
    FOldThumbCentreOffset = FRects.ThumbCentreOffset;
    FTracking = true;
    Repaint();
    return;
  }
  Repaint();
  StartTimer(Index == ScrollUpButton ? TTimerMode::UpButton : TTimerMode::DownButton);
  ArrowStep(Index);
}

void TspSkinScrollBar::ArrowStep(int Index) {
  const bool up = Index == ScrollUpButton;
  if (const TNotifyEvent instead = up ? OnUpButtonClick : OnDownButtonClick)
    Fire({instead});
  else
    StepPosition(up ? FSmallChange : -int64_t{FSmallChange});
}

void TspSkinScrollBar::PageStep(TspScrollPage Page) {
  const bool up = Page == TspScrollPage::Up;
  const bool changed = StorePosition(Plus(FRange.Position, up ? -int64_t{FLargeChange} : FLargeChange));
  Fire({changed ? OnChange : TNotifyEvent{}, up ? OnPageUp : OnPageDown});
}

void TspSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  FLastMouse = {X, Y};
  TestActive(X, Y);
  if (FTracking) {
    const int32_t offset = Plus(Plus(Vertical() ? Y : X, -int64_t{FMouseDownCoord}), FOldThumbCentreOffset);
    if (StorePosition(ScrollPositionAt(FRects, FRange, offset))) Fire({OnChange});
  }
  TspSkinCustomControl::MouseMove(Shift, X, Y);
}

void TspSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMousePressed = false;
  if (FTimerMode == TTimerMode::PageUp || FTimerMode == TTimerMode::PageDown) StopTimer();
  const int released = FDownButton;
  FDownButton = -1;
  if (released != -1) ButtonUp(released);
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft && released == ScrollThumb) Fire({OnLastChange});
}

void TspSkinScrollBar::ButtonUp(int Index) {
  TScrollButton& button = FButtons[static_cast<size_t>(Index)];
  button.Down = false;
  if (Index != FActiveButton) button.MouseIn = false;
  Repaint();
  if (Index == ScrollThumb)
    FTracking = false;
  else
    StopTimer();
}

void TspSkinScrollBar::TestActive(int X, int Y) {
  const int old = FActiveButton;
  int now = ScrollPartAt(FRects, {X, Y});
  if (FDownButton != -1 && now != FDownButton) now = -1;  // a held part keeps the others cold
  FActiveButton = now;
  if (now == old) return;
  if (old != -1) ButtonLeave(old);
  if (now != -1) ButtonEnter(now);
}

void TspSkinScrollBar::ButtonEnter(int Index) {
  TScrollButton& button = FButtons[static_cast<size_t>(Index)];
  button.MouseIn = true;
  Repaint();
  if (Index != ScrollThumb && button.Down) FTimer.Start(RepeatInterval);
}

void TspSkinScrollBar::ButtonLeave(int Index) {
  TScrollButton& button = FButtons[static_cast<size_t>(Index)];
  button.MouseIn = false;
  Repaint();
  if (Index != ScrollThumb && button.Down) FTimer.Stop();
}

void TspSkinScrollBar::MouseLeft() {
  if (FActiveButton != -1 && FDownButton == -1 && !FTracking) {
    FButtons[static_cast<size_t>(FActiveButton)].MouseIn = false;
    FActiveButton = -1;
    Repaint();
  }
  if (FMousePressed && FTimerMode == TTimerMode::PageDown) StopTimer();
}

// Timer, keys and wheel

void TspSkinScrollBar::StartTimer(TTimerMode Mode) {
  FTimerMode = Mode;
  FTimer.Start(ControlTiming::FirstRepeatDelay);
}

void TspSkinScrollBar::StopTimer() {
  FTimer.Stop();
  FTimerMode = TTimerMode::None;
}

void TspSkinScrollBar::TimerTick() {
  if (!FTimer.Running()) return;  // queued before the timer stopped
  if (FWaitingFirstTick) {
    FWaitingFirstTick = false;
    FTimer.Start(RepeatInterval);
    return;
  }
  switch (FTimerMode) {
    case TTimerMode::DownButton: ArrowStep(ScrollDownButton); return;
    case TTimerMode::UpButton: ArrowStep(ScrollUpButton); return;
    case TTimerMode::PageUp:
    case TTimerMode::PageDown: {
      const TspScrollPage page = FTimerMode == TTimerMode::PageUp ? TspScrollPage::Up : TspScrollPage::Down;
      CalcRects();
      TestActive(FLastMouse.X, FLastMouse.Y);
      if (PageRepeatGoesOn(FRects, Vertical(), page, FLastMouse))
        PageStep(page);
      else
        StopTimer();
      return;
    }
    case TTimerMode::None: return;
  }
}

void TspSkinScrollBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TspSkinCustomControl::KeyDown(Key, Shift);
  if (!FCanFocused) return;
  if (Key == VK_LEFT || Key == VK_UP) StepPosition(-int64_t{FSmallChange});
  if (Key == VK_RIGHT || Key == VK_DOWN) StepPosition(FSmallChange);
}

bool TspSkinScrollBar::WheelTurned(int Delta) {
  if (!FCanFocused || !Focused() || Delta == 0) return false;
  StepPosition(Delta < 0 ? FSmallChange : -int64_t{FSmallChange});  // towards the user: on
  return true;
}

void TspSkinScrollBar::WndProc(TMessage& Message) {
  if (FCanFocused && ClickFocusDrops(*this, Message, FSettingFocus)) return;
  TspSkinCustomControl::WndProc(Message);
}

void TspSkinScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER: {
      const bool mine = FTimer.Is(Message);
      TspSkinCustomControl::Dispatch(Message);
      if (mine) TimerTick();
      return;
    }
    case WM_ERASEBKGND: PaintOnErase(Message); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      Repaint();
      return;
    case WM_MOUSEWHEEL:
      if (WheelTurned(GET_WHEEL_DELTA_WPARAM(Message.WParam))) return;
      break;
    case CM_WANTSPECIALKEY:
      if (FCanFocused && Message.WParam >= VK_LEFT && Message.WParam <= VK_DOWN) {
        Message.Result = 1;
        return;
      }
      break;
    case CM_MOUSELEAVE:
      if (!ComponentState().Contains(csDesigning)) MouseLeft();
      break;
    default: break;
  }
  TspSkinCustomControl::Dispatch(Message);
}
