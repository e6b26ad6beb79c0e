#include "PopupWindowCommon.h"

#include "skin/data/win32/SkinSystem.h"

void SetSkinPopupParams(TCreateParams& Params) {
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = nullptr;
  Params.WindowClass.style |= CS_SAVEBITS;
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
}
