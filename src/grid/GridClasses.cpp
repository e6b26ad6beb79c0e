#include "GridClasses.h"

#include "SkinStringGrid.h"
#include "TransparentMaskEdit.h"

#include "skin/controls/SkinScrollBar.h"

#include "classlib/ClassRegistry.h"

namespace {

constexpr const char* kGridBorderStyleNames[] = {"bsNone", "bsSingle"};
static_assert(bsNone == 0 && bsSingle == 1);

}  // namespace

void RegisterGridClasses(TClassRegistry& Registry) {
  Registry.DefinePersistent<TDynSkinCustomGrid, TspSkinControl>("TDynSkinCustomGrid")
      .Boolean("Transparent", &TDynSkinCustomGrid::SetTransparent)
      .Boolean("UseSkinFont", &TDynSkinCustomGrid::SetUseSkinFont)
      .Boolean("UseSkinCellHeight", &TDynSkinCustomGrid::SetUseSkinCellHeight)
      .Reference("HScrollBar", &TDynSkinCustomGrid::SetHScrollBar)
      .Reference("VScrollBar", &TDynSkinCustomGrid::SetVScrollBar)
      .Color("GridLineColor", &TDynSkinCustomGrid::SetGridLineColor)
      .Integer("ReservedColumn", &TDynSkinCustomGrid::SetReservedColumn)
      .Event("OnSelectionChange", &TDynSkinCustomGrid::OnSelectionChange);
  Registry.DefineComponent<TDynSkinDrawGrid, TDynSkinCustomGrid>("TDynSkinDrawGrid")
      .Integer("ColCount", &TDynSkinDrawGrid::SetColCount)
      .Integer("RowCount", &TDynSkinDrawGrid::SetRowCount)
      .Integer("FixedCols", &TDynSkinDrawGrid::SetFixedCols)
      .Integer("FixedRows", &TDynSkinDrawGrid::SetFixedRows)
      .Integer("DefaultColWidth", &TDynSkinDrawGrid::SetDefaultColWidth)
      .Integer("DefaultRowHeight", &TDynSkinDrawGrid::SetDefaultRowHeight)
      .Integer("GridLineWidth", &TDynSkinDrawGrid::SetGridLineWidth)
      .Set("Options", &TDynSkinDrawGrid::SetOptions, kGridOptionNames)
      .Enum("BorderStyle", &TDynSkinDrawGrid::SetBorderStyle, kGridBorderStyleNames)
      .Color("FixedColor", &TDynSkinDrawGrid::SetFixedColor)
      .Boolean("DefaultDrawing", &TDynSkinDrawGrid::SetDefaultDrawing)
      .Boolean("DefaultSelected", &TDynSkinDrawGrid::SetDefaultSelected)
      .Boolean("FocusOnCell", &TDynSkinDrawGrid::SetFocusOnCell)
      .Boolean("FocusOnRow", &TDynSkinDrawGrid::SetFocusOnRow)
      .Color("FocusedColor", &TDynSkinDrawGrid::SetFocusedColor)
      .Event("OnColumnMoved", &TDynSkinDrawGrid::OnColumnMoved)
      .Event("OnDrawCell", &TDynSkinDrawGrid::OnDrawCell)
      .Event("OnGetEditMask", &TDynSkinDrawGrid::OnGetEditMask)
      .Event("OnGetEditText", &TDynSkinDrawGrid::OnGetEditText)
      .Event("OnRowMoved", &TDynSkinDrawGrid::OnRowMoved)
      .Event("OnSelectCell", &TDynSkinDrawGrid::OnSelectCell)
      .Event("OnSetEditText", &TDynSkinDrawGrid::OnSetEditText)
      .Event("OnTopLeftChanged", &TDynSkinDrawGrid::OnTopLeftChanged);
  Registry.DefineComponent<TDynSkinStringGrid, TDynSkinDrawGrid>("TDynSkinStringGrid");
  Registry.DefineComponent<TDynSkinTransparentMaskEdit, TCustomMaskEdit>("TDynSkinTransparentMaskEdit")
      .Boolean("Transparent", &TDynSkinTransparentMaskEdit::SetTransparent);
}
