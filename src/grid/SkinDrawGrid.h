#pragma once
// Windows only. TDynSkinDrawGrid: the skinned grid with its events. The cells' own
// drawing is left to OnDrawCell; moves, the focused cell and scrolling are reported; the
// in-place editor asks for a cell's text and mask and hands the edited text back.

#include "SkinGrid.h"

#include <string>

using TDrawCellEvent =
    TDelegate<void(TObject* Sender, int32_t ACol, int32_t ARow, TRect Rect, TGridDrawState State)>;
using TMovedEvent = TDelegate<void(TObject* Sender, int32_t FromIndex, int32_t ToIndex)>;
using TSelectCellEvent = TDelegate<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& CanSelect)>;
using TGetEditEvent = TDelegate<void(TObject* Sender, int32_t ACol, int32_t ARow, std::string& Value)>;
using TSetEditEvent = TDelegate<void(TObject* Sender, int32_t ACol, int32_t ARow, const std::string& Value)>;

class TDynSkinDrawGrid : public TDynSkinCustomGrid {
public:
  using TDynSkinCustomGrid::TDynSkinCustomGrid;

  // After a cell's picture, with the cell's client rectangle (of a right-to-left grid,
  // from the right), on a canvas that is not mirrored.
  TDrawCellEvent OnDrawCell;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  // Asked before a cell becomes the focused one; CanSelect false keeps the focus where
  // it is.
  TSelectCellEvent OnSelectCell;
  TNotifyEvent OnTopLeftChanged;
  // The mask and the text the editor starts with (Value: what the grid has), and the
  // text it hands back.
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;

protected:
  void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int32_t ACol, int32_t ARow) override;
  void TopLeftChanged() override;
  void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;
  void RowMoved(int32_t FromIndex, int32_t ToIndex) override;
  std::string GetEditText(int32_t ACol, int32_t ARow) override;
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override;
  std::string GetEditMask(int32_t ACol, int32_t ARow) override;
  // Value as OnGetEditText leaves it.
  std::string AskEditText(int32_t ACol, int32_t ARow, std::string Value);
};
