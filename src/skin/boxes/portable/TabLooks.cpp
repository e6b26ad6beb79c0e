#include "TabLooks.h"

TspDataSkinTabControl CopyTabSkin(TspDataSkinTabControl& Entry) {
  TspDataSkinTabControl skin = Entry;
  if (IsRectEmpty(skin.ActiveTabRect)) skin.ActiveTabRect = skin.TabRect;
  if (IsRectEmpty(skin.FocusTabRect)) skin.FocusTabRect = Entry.ActiveTabRect;
  if (IsRectEmpty(Entry.CloseButtonActiveRect)) Entry.CloseButtonActiveRect = Entry.CloseButtonRect;
  if (IsRectEmpty(Entry.CloseButtonDownRect)) Entry.CloseButtonDownRect = Entry.CloseButtonActiveRect;
  return skin;
}

TRect TabSourceRect(const TspDataSkinTabControl& Skin, const TspTabState& State) {
  if (State.MouseIn && !State.Active && !IsRectEmpty(Skin.MouseInTabRect)) return Skin.MouseInTabRect;
  if (State.Active && State.Focused) return Skin.FocusTabRect;
  if (State.Active) return Skin.ActiveTabRect;
  return Skin.TabRect;
}

TColor TabFontColor(const TspDataSkinTabControl& Skin, const TspTabState& State) {
  if (State.MouseIn && !State.Active) return Skin.MouseInFontColor;
  if (State.Active && State.Focused) return Skin.FocusFontColor;
  if (State.Active) return Skin.ActiveFontColor;
  return Skin.FontColor;
}

int32_t ActiveTabOverlap(const TspDataSkinTabControl& Skin) {
  return Skin.ActiveTabRect.Height() - Skin.TabRect.Height();
}

int32_t FixedHeightTabGrowth(const TspDataSkinTabControl& Skin, const TspTabState& State) {
  if (!State.Active) return 0;
  const int32_t active = ActiveTabOverlap(Skin);
  if (active > 0) return active;
  const int32_t focused = Skin.FocusTabRect.Height() - Skin.TabRect.Height();
  return State.Focused && focused > 0 ? focused : 0;
}

TRect TabInnerRect(const TspDataSkinTabControl& Skin, const TRect& Source) {
  const int32_t q = Skin.TabRect.Height() / 4;
  return {Skin.TabLeftOffset, q, Source.Width() - Skin.TabRightOffset, Source.Height() - q};
}

TRect CloseButtonSource(const TspDataSkinTabControl& Skin, bool MouseIn, bool Pressed) {
  if (MouseIn && Pressed) return Skin.CloseButtonDownRect;
  if (MouseIn) return Skin.CloseButtonActiveRect;
  return Skin.CloseButtonRect;
}

int32_t TabCaptionShift(TTabPosition Position, const TspDataSkinTabControl& Skin, bool Active) {
  if (Active || Skin.TabRect.Height() == Skin.ActiveTabRect.Height()) return 0;
  return Position == tpTop || Position == tpLeft ? 2 : -2;
}

TspTabContent TabContentLayout(int32_t W, int32_t H, int32_t Shift, bool HasImage, int32_t CloseWidth,
                               bool Skinned) {
  TspTabContent content{{0, Shift, W, H}, {}, HasImage ? Shift : 0, W - CloseWidth};
  if (CloseWidth <= 0) return content;
  content.Caption.Right -= CloseWidth + (Skinned ? 3 : 0);
  content.Close = {content.Caption.Right, content.Caption.Top + content.ImageShift, W, content.Caption.Bottom};
  return content;
}

TspImageAndText TabImageAndTextLayout(int32_t W, int32_t H, int32_t ImageW, int32_t ImageH, int32_t TextW,
                                      int32_t TextH, int32_t Dy) {
  const int32_t tw = TextW + 2;
  const int32_t x = W / 2 - (ImageW + tw + 2) / 2;
  const int32_t top = H / 2 - TextH / 2 + Dy;
  return {{x, H / 2 - ImageH / 2 + Dy}, {x + ImageW + 2, top, x + ImageW + 2 + tw, top + TextH}};
}

TspDefaultLook DefaultTabLook(const TspTabState& State) {
  if (State.Active) return DefaultPartLook(State.Focused ? TspPartState::Down : TspPartState::Hot);
  return State.MouseIn ? TspDefaultLook{clNone, DefaultHotFill} : DefaultPartLook(TspPartState::Normal, false);
}
