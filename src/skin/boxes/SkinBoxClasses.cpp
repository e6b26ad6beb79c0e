#include "SkinBoxClasses.h"

#include "SkinComboBox.h"
#include "SkinEdit.h"
#include "SkinListBox.h"
#include "SkinMemo.h"
#include "SkinNumEdit.h"
#include "SkinPageControl.h"
#include "SkinTabSheet.h"
#include "SkinUpDown.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"
#include "classlib/Menus.h"

#include "base/TextStyles.h"


namespace {

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
      .Event("OnClose", &TspSkinPageControl::OnClose)
      .Event("OnDrawSkinTab", &TspSkinPageControl::OnDrawSkinTab);
  Registry.DefinePersistent<TspSkinCustomTabSheet, TTabSheet>("TspSkinCustomTabSheet")
      .Object("WallPaper", &TspSkinCustomTabSheet::WallPaper);
  Registry.DefineComponent<TspSkinTabSheet, TspSkinCustomTabSheet>("TspSkinTabSheet");
}

void RegisterListBox(TClassRegistry& Registry) {
  using L = TspSkinListBox;
  Registry.DefineComponent<L, TspSkinCustomControl>("TspSkinListBox")
      .Object("TabWidths", &L::TabWidths)
      .Boolean("UseSkinItemHeight", &L::SetUseSkinItemHeight)
      .Boolean("HorizontalExtent", &L::SetHorizontalExtent)
      .Integer("Columns", &L::SetColumns)
      .Integer("RowCount", &L::SetRowCount)
      .Reference("Images", &L::SetImages)
      .Integer("ImageIndex", &L::SetImageIndex)
      .Object("Glyph", &L::Glyph)
      .Integer("NumGlyphs", &L::SetNumGlyphs)
      .Integer("Spacing", &L::SetSpacing)
      .Boolean("CaptionMode", &L::SetCaptionMode)
      .Integer("DefaultCaptionHeight", &L::SetDefaultCaptionHeight)
      .Object("DefaultCaptionFont", &L::DefaultCaptionFont)
      .Enum("Alignment", &L::SetAlignment, kAlignmentNames)
      .Integer("DefaultItemHeight", &L::SetDefaultItemHeight)
      .Object("Items", &L::Items)
      .Integer("ItemIndex", &L::SetItemIndex)
      .Boolean("MultiSelect", &L::SetMultiSelect)
      .Boolean("ExtandedSelect", &L::SetExtandedSelect)
      .Boolean("Sorted", &L::SetSorted)
      .Object("ListBoxFont", &L::ListBoxFont)
      .Integer("ListBoxTabOrder", &L::SetListBoxTabOrder)
      .Boolean("ListBoxTabStop", &L::SetListBoxTabStop)
      .Reference("ListBoxPopupMenu", &L::SetListBoxPopupMenu)
      .Enum("ListBoxDragMode", &L::SetListBoxDragMode, kDragModeNames)
      .Enum("ListBoxDragKind", &L::SetListBoxDragKind, kDragKindNames)
      .Ident("ListBoxDragCursor", &L::SetListBoxDragCursor, CursorIdents())
      .Event("OnUpButtonClick", &L::OnUpButtonClick)
      .Event("OnDownButtonClick", &L::OnDownButtonClick)
      .Event("OnCheckButtonClick", &L::OnCheckButtonClick)
      .Event("OnDrawItem", &L::OnDrawItem)
      .Event("OnListBoxClick", &L::OnListBoxClick)
      .Event("OnListBoxDblClick", &L::OnListBoxDblClick)
      .Event("OnListBoxMouseDown", &L::OnListBoxMouseDown)
      .Event("OnListBoxMouseMove", &L::OnListBoxMouseMove)
      .Event("OnListBoxMouseUp", &L::OnListBoxMouseUp)
      .Event("OnListBoxKeyDown", &L::OnListBoxKeyDown)
      .Event("OnListBoxKeyPress", &L::OnListBoxKeyPress)
      .Event("OnListBoxKeyUp", &L::OnListBoxKeyUp)
      .EventBySetter("OnListBoxDragDrop", &L::SetOnListBoxDragDrop)
      .EventBySetter("OnListBoxDragOver", &L::SetOnListBoxDragOver)
      .EventBySetter("OnListBoxStartDrag", &L::SetOnListBoxStartDrag)
      .EventBySetter("OnListBoxEndDrag", &L::SetOnListBoxEndDrag);
}

void RegisterComboBox(TClassRegistry& Registry) {
  using C = TspSkinComboBox;
  Registry.DefineComponent<C, TspSkinCustomControl>("TspSkinComboBox")
      .Boolean("UseSkinSize", &C::SetUseSkinSize)
      .Boolean("ToolButtonStyle", &C::SetToolButtonStyle)
      .Boolean("HideSelection", &C::SetHideSelection)
      .Boolean("AutoComplete", &C::SetAutoComplete)
      .Boolean("HorizontalExtent", &C::SetHorizontalExtent)
      .Reference("Images", &C::SetImages)
      .Integer("ImageIndex", &C::SetImageIndex)
      .Boolean("ListBoxUseSkinItemHeight", &C::SetListBoxUseSkinItemHeight)
      .Boolean("ListBoxAlphaBlend", &C::SetListBoxAlphaBlend)
      .Boolean("ListBoxAlphaBlendAnimation", &C::SetListBoxAlphaBlendAnimation)
      .Integer("ListBoxAlphaBlendValue", &C::SetListBoxAlphaBlendValue)
      .Integer("ListBoxWidth", &C::SetListBoxWidth)
      .String("ListBoxCaption", &C::SetListBoxCaption)
      .Boolean("ListBoxCaptionMode", &C::SetListBoxCaptionMode)
      .Enum("ListBoxCaptionAlignment", &C::SetListBoxCaptionAlignment, kAlignmentNames)
      .Boolean("ListBoxUseSkinFont", &C::SetListBoxUseSkinFont)
      .Object("ListBoxDefaultFont", &C::ListBoxDefaultFont)
      .Object("ListBoxDefaultCaptionFont", &C::ListBoxDefaultCaptionFont)
      .Integer("ListBoxDefaultItemHeight", &C::SetListBoxDefaultItemHeight)
      .Object("TabWidths", &C::TabWidths)
      .Enum("CharCase", &C::SetCharCase, kCharCaseNames)
      .Color("DefaultColor", &C::SetDefaultColor)
      .Object("Items", &C::Items)
      .Integer("ItemIndex", &C::SetItemIndex)
      .Integer("DropDownCount", &C::SetDropDownCount)
      .Boolean("Sorted", &C::SetSorted)
      .Enum("Style", &C::SetStyle, kComboBoxStyleNames)
      .Event("OnListBoxDrawItem", &C::OnListBoxDrawItem)
      .Event("OnComboBoxDrawItem", &C::OnComboBoxDrawItem)
      .Event("OnChange", &C::OnChange)
      .Event("OnCloseUp", &C::OnCloseUp)
      .Event("OnDropDown", &C::OnDropDown);
}

}  // namespace

void RegisterSkinBoxClasses(TClassRegistry& Registry) {
  RegisterEdits(Registry);
  RegisterMemo(Registry);
  RegisterUpDown(Registry);
  RegisterPageControl(Registry);
  RegisterListBox(Registry);
  RegisterComboBox(Registry);
}
