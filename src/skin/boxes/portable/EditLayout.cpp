#include "EditLayout.h"

#include "base/IntMath.h"

#include "skin/data/SkinRects.h"

#include <algorithm>

using IntMath::Saturated;

namespace {

TRect Moved(const TRect& R, int64_t DX) {
  return {Saturated(R.Left + DX), R.Top, Saturated(R.Right + DX), R.Bottom};
}

const TRect& Or(const TRect& R, const TRect& Otherwise) { return IsNullRect(R) ? Otherwise : R; }

}  // namespace

void CopyEditFrameSkin(const TspDataSkinEditControl& Entry, TspEditFrameSkin& Skin) {
  Skin.PictureIndex = Entry.PictureIndex;
  Skin.SkinRect = Entry.SkinRect;
  Skin.ActiveSkinRect = Or(Entry.ActiveSkinRect, Entry.SkinRect);
  Skin.DisabledSkinRect = Entry.DisabledSkinRect;
  Skin.ClRect = Entry.ClRect;
  Skin.FontName = Entry.FontName;
  Skin.FontStyle = Entry.FontStyle;
  Skin.FontHeight = Entry.FontHeight;
  Skin.FontColor = Entry.FontColor;
  Skin.DisabledFontColor = Entry.DisabledFontColor;
  Skin.ActiveFontColor = Entry.ActiveFontColor;
}

TspEditSkin EditSkinOf(const TspDataSkinEditControl& Entry) {
  TspEditSkin skin;
  CopyEditFrameSkin(Entry, skin);
  skin.LeftOffset = Entry.LTPoint.X;
  skin.RightOffset = Saturated(int64_t{RectWidth(Entry.SkinRect)} - Entry.RTPoint.X);
  skin.ButtonRect = Entry.ButtonRect;
  skin.ActiveButtonRect = Entry.ActiveButtonRect;
  skin.DownButtonRect = Or(Entry.DownButtonRect, Entry.ActiveButtonRect);
  skin.UnEnabledButtonRect = Entry.UnenabledButtonRect;
  skin.StretchEffect = Entry.StretchEffect;
  return skin;
}

TspEditLayout EditLayout(const TspEditSkin* Skin, int32_t Width, int32_t Height, bool ButtonMode, bool UseSkinFont) {
  TspEditLayout layout;
  if (Skin == nullptr) {
    int32_t textRight = Width - 2;
    if (ButtonMode) {
      layout.ButtonRect = {Saturated(int64_t{Width} - Height), 0, Width, Height};
      textRight = Saturated(int64_t{layout.ButtonRect.Left} - 2);
    }
    layout.EditRect = {2, 2, textRight, Height - 2};
    return layout;
  }
  const int32_t skinWidth = RectWidth(Skin->SkinRect);
  const int64_t dw = int64_t{Width} - skinWidth;
  layout.EditRect = Skin->ClRect;
  layout.EditRect.Right = Saturated(layout.EditRect.Right + dw);
  layout.ButtonRect = Skin->ButtonRect;
  // A button beyond the stretched middle of the frame stays at the right end.
  if (int64_t{Skin->ButtonRect.Left} >= int64_t{skinWidth} - Skin->RightOffset)
    layout.ButtonRect = Moved(layout.ButtonRect, dw);
  if (!UseSkinFont) {
    const int64_t dh = int64_t{Height} - RectHeight(Skin->SkinRect);
    layout.EditRect.Bottom = Saturated(layout.EditRect.Bottom + dh);
    layout.ButtonRect.Bottom = Saturated(layout.ButtonRect.Bottom + dh);
  }
  return layout;
}

TRect EditClientArea(const TRect& Window, const TspEditSkin* Skin, bool ButtonMode) {
  int64_t left = Window.Left, top = Window.Top, right = Window.Right, bottom = Window.Bottom;
  if (Skin != nullptr) {
    left += Skin->ClRect.Left;
    top += Skin->ClRect.Top;
    right -= int64_t{RectWidth(Skin->SkinRect)} - Skin->ClRect.Right;
    bottom -= int64_t{RectHeight(Skin->SkinRect)} - Skin->ClRect.Bottom;
  } else {
    left += 2;
    top += 2;
    right -= ButtonMode ? int64_t{Window.Bottom} - Window.Top + 2 : 2;
    bottom -= 2;
  }
  const int32_t l = Saturated(left), t = Saturated(top);
  return {l, t, std::max(l, Saturated(right)), std::max(t, Saturated(bottom))};
}

TPoint EditClientOrigin(const TspEditSkin* Skin) { return Skin != nullptr ? Skin->ClRect.TopLeft() : TPoint{2, 2}; }

TspEditHit EditHitTest(const TspEditLayout& Layout, TPoint WindowPoint) {
  if (PtInRect(Layout.ButtonRect, WindowPoint)) return TspEditHit::Button;
  if (PtInRect(Layout.EditRect, WindowPoint)) return TspEditHit::Text;
  return TspEditHit::Frame;
}

TspPartState EditFrameState(bool Enabled, bool MouseOver, bool Focused) {
  if (!Enabled) return TspPartState::Disabled;
  return MouseOver || Focused ? TspPartState::Hot : TspPartState::Normal;
}

TspPartRects EditFrameRects(const TspEditFrameSkin& Skin) {
  TspPartRects rects;
  rects.Normal = Skin.SkinRect;
  rects.Hot = Skin.ActiveSkinRect;
  rects.Disabled = Skin.DisabledSkinRect;
  return rects;
}

TRect EditButtonOverlay(const TspEditSkin& Skin, bool Enabled, bool Pressed, bool MouseOverButton) {
  if (!Enabled && !IsNullRect(Skin.UnEnabledButtonRect)) return Skin.UnEnabledButtonRect;
  if (Pressed && MouseOverButton) return Skin.DownButtonRect;
  if (MouseOverButton) return Skin.ActiveButtonRect;
  return {};
}

TspPartState EditButtonState(bool Pressed, bool MouseOverButton) {
  if (!MouseOverButton) return TspPartState::Normal;
  return Pressed ? TspPartState::Down : TspPartState::Hot;
}

TspPartRects EditButtonRects(TspPartRects Rects) {
  if (IsNullRect(Rects.Down)) Rects.Down = Rects.Normal;
  return Rects;
}

TspEditClientStrip EditClientStrip(const TspEditSkin& Skin, const TRect& State) {
  const TRect& cl = Skin.ClRect;
  TspEditClientStrip strip;
  const int32_t left = Saturated(int64_t{State.Left} + cl.Left);
  const int32_t top = Saturated(int64_t{State.Top} + cl.Top);
  strip.Source = {left, top, Saturated(int64_t{left} + RectWidth(cl)),
                  Saturated(int64_t{top} + RectHeight(cl))};
  strip.LeftOffset = Saturated(std::max<int64_t>(0, int64_t{Skin.LeftOffset} - cl.Left));
  const int64_t middleEnd = int64_t{RectWidth(Skin.SkinRect)} - Skin.RightOffset;
  strip.RightOffset = Saturated(std::max<int64_t>(0, cl.Right - middleEnd));
  return strip;
}

int32_t EditFontHeight(int32_t TextMetricHeight, const TspEditSkin* Skin) {
  const int64_t frame = Skin != nullptr ? int64_t{RectHeight(Skin->SkinRect)} - RectHeight(Skin->ClRect) : 4;
  return Saturated(TextMetricHeight + frame);
}

int32_t EditHeight(const TspEditSkin* Skin, bool UseSkinFont, int32_t Requested, int32_t FontHeight) {
  if (!UseSkinFont) return FontHeight;
  return Skin != nullptr ? RectHeight(Skin->SkinRect) : Requested;
}

int32_t EditDisabledTextLeft(TAlignment Alignment, int32_t EditWidth, int32_t TextWidth) {
  switch (Alignment) {
    case taRightJustify: return Saturated(int64_t{EditWidth} - 1 - TextWidth);
    case taCenter: return Saturated(int64_t{EditWidth} / 2 - TextWidth / 2);
    case taLeftJustify: break;
  }
  return 2;
}
