#include "SkinBoxClasses.h"

#include "SkinPageControl.h"
#include "SkinTabSheet.h"
#include "SkinUpDown.h"

#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"

namespace {

void RegisterUpDown(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinUpDown, TspSkinCustomControl>("TspSkinUpDown")
      .Boolean("UseSkinSize", &TspSkinUpDown::SetUseSkinSize)
      .Enum("Orientation", &TspSkinUpDown::SetOrientation, kUDOrientationNames)
      .Integer("Increment", &TspSkinUpDown::SetIncrement)
      .Integer("Min", &TspSkinUpDown::SetMin)
      .Integer("Max", &TspSkinUpDown::SetMax)
      .Integer("Position", &TspSkinUpDown::SetPosition)
      .Event("OnChange", &TspSkinUpDown::OnChange)
      .Event("OnUpButtonClick", &TspSkinUpDown::OnUpButtonClick)
      .Event("OnDownButtonClick", &TspSkinUpDown::OnDownButtonClick);
}

void RegisterPageControl(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinPageControl, TPageControl>("TspSkinPageControl")
      .Boolean("FreeOnClose", &TspSkinPageControl::SetFreeOnClose)
      .Boolean("ShowCloseButtons", &TspSkinPageControl::SetShowCloseButtons)
      .Reference("Images", &TspSkinPageControl::SetImages)
      .Boolean("TabsBGTransparent", &TspSkinPageControl::SetTabsBGTransparent)
      .Object("DefaultFont", &TspSkinPageControl::DefaultFont)
      .Boolean("UseSkinFont", &TspSkinPageControl::SetUseSkinFont)
      .Integer("DefaultItemHeight", &TspSkinPageControl::SetDefaultItemHeight)
      .Reference("SkinData", &TspSkinPageControl::SetSkinData)
      .String("SkinDataName", &TspSkinPageControl::SetSkinDataName)
      .Boolean("DockSite", &TspSkinPageControl::SetDockSite)
      .Ident("DragCursor", &TspSkinPageControl::SetDragCursor, CursorIdents())
      .Enum("DragKind", &TspSkinPageControl::SetDragKind, kDragKindNames)
      .Enum("DragMode", &TspSkinPageControl::SetDragMode, kDragModeNames)
      .Event("OnClose", &TspSkinPageControl::OnClose)
      .Event("OnDrawSkinTab", &TspSkinPageControl::OnDrawSkinTab);
  Registry.DefinePersistent<TspSkinCustomTabSheet, TTabSheet>("TspSkinCustomTabSheet")
      .Object("WallPaper", &TspSkinCustomTabSheet::WallPaper);
  Registry.DefineComponent<TspSkinTabSheet, TspSkinCustomTabSheet>("TspSkinTabSheet");
}

}  // namespace

void RegisterSkinBoxClasses(TClassRegistry& Registry) {
  RegisterUpDown(Registry);
  RegisterPageControl(Registry);
}
