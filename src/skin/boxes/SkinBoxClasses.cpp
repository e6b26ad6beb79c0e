#include "SkinBoxClasses.h"

#include "SkinListBox.h"
#include "SkinPageControl.h"
#include "SkinTabSheet.h"
#include "SkinUpDown.h"

#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"
#include "classlib/Menus.h"

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
      .Event("OnListBoxKeyUp", &L::OnListBoxKeyUp);
}

}  // namespace

void RegisterSkinBoxClasses(TClassRegistry& Registry) {
  RegisterUpDown(Registry);
  RegisterPageControl(Registry);
  RegisterListBox(Registry);
}
