#include "KeyboardMenus.h"

TPoint KeyboardMenuPlace(const TRect& Client, const TRect& Anchor) {
  const TRect shown = IntersectRect(Client, Anchor);
  if (IsRectEmpty(Anchor) || IsRectEmpty(shown))
    return {Client.Left + Client.Width() / 2, Client.Top + Client.Height() / 2};
  return {shown.Left, shown.Bottom};
}
