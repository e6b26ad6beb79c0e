#include "MDITabLooks.h"

namespace {

void FallBack(TRect& Look, const TRect& Other) {
  if (IsRectEmpty(Look)) Look = Other;
}

}  // namespace

TspDataSkinTabControl MDITabsSkinOf(const TspDataSkinTabControl& Entry) {
  TspDataSkinTabControl skin = Entry;
  FallBack(skin.ActiveTabRect, skin.TabRect);
  FallBack(skin.MouseInTabRect, skin.TabRect);
  FallBack(skin.CloseButtonActiveRect, skin.CloseButtonRect);
  FallBack(skin.CloseButtonDownRect, skin.CloseButtonActiveRect);
  return skin;
}

TRect MDITabSourceRect(const TspDataSkinTabControl& Skin, bool Active, bool MouseIn) {
  if (Active) return Skin.ActiveTabRect;
  return MouseIn ? Skin.MouseInTabRect : Skin.TabRect;
}

TColor MDITabFontColor(const TspDataSkinTabControl& Skin, bool Active, bool MouseIn) {
  if (Active) return Skin.FocusFontColor;
  return MouseIn ? Skin.MouseInFontColor : Skin.FontColor;
}

int32_t MDITabCloseSize(const TspDataSkinTabControl* Skin) {
  if (Skin == nullptr || IsRectEmpty(Skin->CloseButtonRect)) return DefaultMDITabCloseSize;
  return Skin->CloseButtonRect.Width();
}
