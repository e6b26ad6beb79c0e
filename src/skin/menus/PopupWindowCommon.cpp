#include "PopupWindowCommon.h"

#include "skin/data/win32/SkinRegions.h"
#include "skin/data/win32/SkinSystem.h"
#include "skin/data/win32/WindowShape.h"

#include <utility>

void SetSkinPopupParams(TCreateParams& Params) {
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = nullptr;
  Params.WindowClass.style |= CS_SAVEBITS;
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
}

void SetPopupLevelRegion(HWND Window, const TspDataSkinPopupWindow* Skin, const TspLevelGeometry& G, TBitmap* Mask,
                         TSize Size) {
  TRegion region;
  if (Skin != nullptr && Mask != nullptr && !Mask->Empty())
    region = CreateSkinRegion({{Skin->LTPoint, Skin->RTPoint, Skin->LBPoint, Skin->RBPoint, Skin->ItemsRect},
                               {G.LT, G.RT, G.LB, G.RB, G.ItemsRect},
                               Mask,
                               Size.cx,
                               Size.cy,
                               RegionRectsLeftFor(Window)});
  ShapeWindow(Window, std::move(region), true);
}
