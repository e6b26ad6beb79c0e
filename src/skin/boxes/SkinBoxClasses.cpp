#include "SkinBoxClasses.h"

#include "SkinEdit.h"
#include "SkinMemo.h"
#include "SkinNumEdit.h"
#include "SkinPageControl.h"
#include "SkinTabSheet.h"
#include "SkinUpDown.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"

#include <iterator>

namespace {

constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
static_assert(std::size(kAlignmentNames) == taCenter + 1);

void RegisterEdits(TClassRegistry& Registry) {
  // The skinned edits' ReadOnly is their own flag, never the native control's.
  Registry.DefinePersistent<TspCustomEdit, TCustomMaskEdit>("TspCustomEdit")
      .Boolean("ReadOnly", &TspCustomEdit::SetReadOnly);
  Registry.DefinePersistent<TspSkinCustomEdit, TspCustomEdit>("TspSkinCustomEdit")
      .Color("DefaultColor", &TspSkinCustomEdit::SetDefaultColor)
      .Object("DefaultFont", &TspSkinCustomEdit::DefaultFont)
      .Boolean("UseSkinFont", &TspSkinCustomEdit::SetUseSkinFont)
      .Integer("DefaultWidth", &TspSkinCustomEdit::SetDefaultWidth)
      .Integer("DefaultHeight", &TspSkinCustomEdit::SetDefaultHeight)
      .Boolean("ButtonMode", &TspSkinCustomEdit::SetButtonMode)
      .Reference("SkinData", &TspSkinCustomEdit::SetSkinData)
      .String("SkinDataName", &TspSkinCustomEdit::SetSkinDataName)
      .Boolean("AlphaBlend", &TspSkinCustomEdit::SetAlphaBlend)
      .Integer("AlphaBlendValue", &TspSkinCustomEdit::SetAlphaBlendValue)
      .Enum("Alignment", &TspSkinCustomEdit::SetAlignment, kAlignmentNames)
      .Event("OnButtonClick", &TspSkinCustomEdit::OnButtonClick);
  Registry.DefineComponent<TspSkinEdit, TspSkinCustomEdit>("TspSkinEdit");
  Registry.DefineComponent<TspSkinNumEdit, TspCustomEdit>("TspSkinNumEdit");
}

void RegisterMemo(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinMemo, TMemo>("TspSkinMemo")
      .Object("DefaultFont", &TspSkinMemo::DefaultFont)
      .Boolean("UseSkinFont", &TspSkinMemo::SetUseSkinFont)
      .Boolean("UseSkinFontColor", &TspSkinMemo::SetUseSkinFontColor)
      .Boolean("BitMapBG", &TspSkinMemo::SetBitMapBG)
      .Reference("VScrollBar", &TspSkinMemo::SetVScrollBar)
      .Reference("HScrollBar", &TspSkinMemo::SetHScrollBar)
      .Reference("SkinData", &TspSkinMemo::SetSkinData)
      .String("SkinDataName", &TspSkinMemo::SetSkinDataName)
      .Boolean("Transparent", &TspSkinMemo::SetTransparent)
      .Integer("AlphaBlendValue", &TspSkinMemo::SetAlphaBlendValue)
      .Boolean("ReadOnly", &TspSkinMemo::SetReadOnly);
}

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
  RegisterEdits(Registry);
  RegisterMemo(Registry);
  RegisterUpDown(Registry);
  RegisterPageControl(Registry);
}
