#pragma once
// The skinned grid without its window: counts, cell extents, options, the current,
// focused and anchor cells, the top-left cell, the row selection, row and column moves,
// scrolling, the keys, the wheel and the mouse-held states. It reaches its window
// through the TGridWindow it is made with; the windowed grid derives from it, is that
// window, and answers the protected hooks below (events and the behaviour a grid may
// change), whose defaults do what a plain grid does.

#include "GridExtents.h"
#include "GridGeometry.h"
#include "GridInplaceEditor.h"
#include "GridScrolling.h"
#include "GridSelection.h"
#include "GridSizing.h"
#include "GridTypes.h"
#include "GridWindow.h"

#include "base/Geometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TFiler;

class TGridModel {
public:
  // The window outlives the model; the model asks nothing of it while it is made.
  explicit TGridModel(TGridWindow& Window);
  virtual ~TGridModel() = default;
  TGridModel(const TGridModel&) = delete;
  TGridModel& operator=(const TGridModel&) = delete;

  // --- Counts. Each count stays at least 1 and above its fixed count.
  int32_t ColCount() const { return FColCount; }
  virtual void SetColCount(int32_t Value);
  int32_t RowCount() const { return FRowCount; }
  virtual void SetRowCount(int32_t Value);
  int32_t FixedCols() const { return FFixedCols; }
  // The count moves by the same amount, so the scrolling columns (rows) stay; the cells
  // return to the first scrolling one.
  void SetFixedCols(int32_t Value);
  int32_t FixedRows() const { return FFixedRows; }
  void SetFixedRows(int32_t Value);
  // The rows below the fixed rows, stored as they are: no count change announces
  // SizeChanged. 0 empties the grid (only the fixed cells are left, the cells go back to
  // the first scrolling one, and selection, keys, mouse selection and scrolling do
  // nothing); a count above 0 brings the columns back and selects row Row. Rows that come
  // or go in a grid with rows neither move the current cell nor scroll the view; a
  // current, focused or anchor row that goes comes back to the last row. ERangeError for
  // a negative count or one that does not fit beside the fixed rows.
  virtual void SetDataRowCount(int32_t Value);
  int32_t GetDataRowCount() const { return FRowCount - FFixedRows; }
  bool Empty() const { return FEmpty; }

  // --- Extents. ColWidths and RowHeights read the default without entries or beyond
  // them; setting one below the count makes the entries, other indexes raise ERangeError.
  int32_t DefaultColWidth() const { return FColWidths.Default(); }
  void SetDefaultColWidth(int32_t Value);
  int32_t DefaultRowHeight() const { return FRowHeights.Default(); }
  void SetDefaultRowHeight(int32_t Value);
  int32_t ColWidths(int32_t Index) const { return FColWidths.Get(Index); }
  void SetColWidths(int32_t Index, int32_t Value);
  int32_t RowHeights(int32_t Index) const { return FRowHeights.Get(Index); }
  void SetRowHeights(int32_t Index, int32_t Value);
  // Whether Tab stops on a column; True until set.
  bool TabStops(int32_t Index) const;
  void SetTabStops(int32_t Index, bool Value);
  int32_t GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int32_t Value);
  // Whether the grid stores its widths and heights (True at first).
  bool SaveCellExtents() const { return FSaveCellExtents; }
  void SetSaveCellExtents(bool Value) { FSaveCellExtents = Value; }
  // Defines the stored lists "ColWidths" and "RowHeights" (while SaveCellExtents): one
  // entry per column (row), written once the grid keeps entries of its own, read back
  // through the setters. The windowed grid's DefineProperties calls it.
  void DefineCellExtents(TFiler& Filer);

  // --- Options and focus looks.
  TGridOptions Options() const { return FOptions; }
  // goRowSelect takes goAlwaysShowEditor out, puts the flag store in row mode and
  // selects the current row whole.
  void SetOptions(TGridOptions Value);
  bool FocusOnCell() const { return FFocusOnCell; }
  void SetFocusOnCell(bool Value);
  bool FocusOnRow() const { return FFocusOnRow; }
  void SetFocusOnRow(bool Value);
  int32_t ReservedColumn() const { return FReservedColumn; }
  // Taken only when it changes and lies beyond the fixed columns; a value above
  // ColCount raises ColCount to it first.
  void SetReservedColumn(int32_t Value);

  // --- Cells: the current cell that the selection moves, the focused cell (Col, Row)
  // that SelectCell sets, the anchor, and the first visible scrolling cell.
  int32_t Col() const { return FFocused.X; }
  int32_t Row() const { return FFocused.Y; }
  void SetRow(int32_t Value);
  TGridCoord CurrentCell() const { return FCurrent; }
  TGridCoord Anchor() const { return FAnchor; }
  TGridCoord TopLeft() const { return FTopLeft; }
  int32_t LeftCol() const { return FTopLeft.X; }
  int32_t TopRow() const { return FTopLeft.Y; }
  // The range between the current cell and the anchor.
  TGridRect Selection() const;
  // Anchor := the range's top-left, current cell := its bottom-right.
  void SetSelection(const TGridRect& Value);
  // The cell whose text the in-place editor holds; -1 while it holds none, so that
  // hiding it writes nothing back.
  int32_t InplaceCol() const { return FInplace.X; }
  int32_t InplaceRow() const { return FInplace.Y; }
  // Top-left, current, anchor and focused cell to the first scrolling cell.
  void Initialize();

  // Moves the current cell when SelectCell accepts it and carries the row selection
  // along: MoveAnchor selects the new row alone, otherwise (Shift) the rows from the
  // anchor to the new row. Show scrolls the focused cell into view. ERangeError for a
  // cell outside the grid.
  virtual void MoveCurrent(int32_t ACol, int32_t ARow, bool MoveAnchor, bool Show);
  // MoveCurrent with Show, then the editor and the click notification follow.
  void FocusCell(int32_t ACol, int32_t ARow, bool MoveAnchor);
  // With goRangeSelect (without goEditing) the anchor moves and the view follows it;
  // otherwise the current cell moves there.
  void MoveAnchorTo(TGridCoord Cell);
  // Moves the anchor one cell towards each direction of a TGridScrollDirection set.
  void TimedScroll(int Direction);

  // --- The in-place editor. It lies over the focused cell while EditorMode holds and
  // CanEditShow allows; its text goes back to the cell (SetEditText) whenever it is
  // hidden or moves to another cell.
  bool EditorMode() const { return FEditorMode; }
  // True shows the editor with the caret after its text; false hides it.
  void SetEditorMode(bool Value);
  void ShowEditor();
  void HideEditor();
  // Shows the editor and types Ch into it.
  void ShowEditorChar(char Ch);
  // The editor takes the focused cell's text anew.
  void InvalidateEditor();
  // Whether the editor's window shows (over the cell InplaceCol, InplaceRow).
  bool EditorShowing() const { return FEditor != nullptr && FEditor->EditorShowing(); }

  // --- Row selection (the flags of column 0 in row mode).
  const TCellDataManager& CellData() const { return FSelection.Cells(); }
  bool GetCellEnabled(int32_t ACol, int32_t ARow) const { return CellData().Cell(ACol, ARow).Enabled; }
  bool GetCellSelectable(int32_t ACol, int32_t ARow) const { return CellData().Cell(ACol, ARow).Selectable; }
  bool GetCellSelected(int32_t ACol, int32_t ARow) const { return CellData().Cell(ACol, ARow).Selected; }
  void SetCellEnabled(int32_t ACol, int32_t ARow, bool Value);
  void SetCellSelectable(int32_t ACol, int32_t ARow, bool Value);
  void SetCellSelected(int32_t ACol, int32_t ARow, bool Value);
  int32_t SelectedCount() const { return FSelection.SelectedCount(); }
  // The selected data rows, 0-based, in row order; kept up to date as the selection
  // changes, and valid for the grid's life.
  const std::vector<int32_t>& GetSelectedRows() const { return FSelection.SelectedRows(); }
  void UpdateSelectedRows() { FSelection.UpdateSelectedRows(); }
  // SelectRows' modes: every data row, the focused row alone, every data row inverted.
  static constexpr int SelectAllRows = 0, SelectFocusedRow = 1, InvertRows = 2;
  // Selects the rows Mode says, with one change announcement. Nothing while the grid is
  // disabled or empty.
  void SelectRows(int Mode);
  // Sets the rows between From and To that are data rows.
  void SelectRange(int32_t From, int32_t To, bool Value);
  // Selects these data rows (0-based) alone, with one change announcement. The current
  // cell and the anchor go to the first of them, so that the focus look goes with the
  // selection; the view stays where it is. Without rows nothing is selected and the
  // cells stay. Nothing while the grid is disabled or empty; ERangeError for a row the
  // grid does not have, before anything changes.
  void SelectDataRows(const std::vector<int32_t>& Rows);

  // --- Moving lines. The cells that the grid keeps stay on their rows (columns).
  void MoveRow(int32_t FromIndex, int32_t ToIndex);
  void MoveColumn(int32_t FromIndex, int32_t ToIndex);
  // Takes the line out (AdjustSize by -1).
  virtual void DeleteRow(int32_t ARow);
  virtual void DeleteColumn(int32_t ACol);

  // --- Geometry of the current client size.
  void CalcDrawInfo(TGridDrawInfo& DrawInfo) const;
  int32_t VisibleColCount() const;
  int32_t VisibleRowCount() const;
  // The cell under a client point; -1 on an axis without one.
  TGridCoord MouseCoord(int32_t X, int32_t Y) const;
  // Client rectangles of a cell and a range, mirrored for right-to-left alignment.
  TRect CellRect(int32_t ACol, int32_t ARow) const;
  TRect BoxRect(const TGridRect& GridRect) const;
  // What shows of the focused cell, or with goRowSelect of its row's scrolling cells (the
  // part the selection marks): where a menu opened from the keyboard goes. Empty while it
  // is out of view.
  TRect FocusedCellBox() const;
  // The visible part of a row (from column 0) and of a column (from row 0), including
  // the partly visible cell at the end: what repainting one row or column covers.
  TGridRect RowRepaintRect(int32_t ARow) const;
  TGridRect ColumnRepaintRect(int32_t ACol) const;

  // --- Scrolling.
  int32_t ColOffset() const { return FColOffset; }
  void MoveTopLeft(int32_t ALeft, int32_t ATop);
  // Scrolls so that the cell is fully visible (only while the window exists).
  void ClampInView(TGridCoord Cell);
  // Answers a scroll code of a bar; a one-column grid scrolls its column by pixels.
  void ModifyScrollBar(TGridBar Bar, int Code, int32_t Pos, bool UseRightToLeft);
  // Moves the bars' thumbs to the view (only while the window exists).
  void UpdateScrollPos();
  // Brings the bars' ranges to the view, pulling the top-left cell back where the view
  // grew (only while the window exists and shows).
  void UpdateScrollRange();
  TGridScrollRange ScrollRange(TGridBar Bar) const;

  // --- Keys and wheel.
  void MoveByKey(uint16_t Key, TGridKeyShift Shift);
  // Moves Row one down (up) within the grid; the wheel always counts as handled.
  bool MoveByWheel(bool Down);

  // --- The mouse-held states.
  TGridState GridState() const { return FGridState; }
  const TGridSizingState& Sizing() const { return FSizing; }
  int32_t MoveIndex() const { return FMoveIndex; }
  int32_t MovePos() const { return FMovePos; }
  // A left press (not a double click) at a client point: sizing at a border, selecting
  // on a scrolling cell, moving on a fixed header cell. True when it started sizing.
  bool PressAt(TPoint Point, bool Shift);
  // The pointer moved with the button held.
  void DragTo(TPoint Point);
  // A tick of the held-button timer, with the pointer's client position.
  void TimerTick(TPoint Point);
  // The button came up: drops a moved line or sizes one, runs MouseUpEvent (the grid's
  // own mouse-up event) in the state that ends, then ends it, also when either raises.
  void ReleaseAt(TPoint Point, const std::function<void()>& MouseUpEvent = {});
  // The state is abandoned without a drop or a new size.
  void CancelMode();
  // The drop marker of a row or column move, in client coordinates.
  struct TDropMarker {
    TPoint From;
    TPoint To;
  };
  TDropMarker DropMarkerLine() const;

protected:
  // --- Events and the behaviour a grid may change.
  // OnSelectionChange.
  virtual void SelectionChanged() {}
  // Accepts a cell as the focused one; the base sets the focused cell and accepts.
  virtual bool SelectCell(int32_t ACol, int32_t ARow);
  // The click notification (OnClick).
  virtual void NotifyClick() {}
  // After every scroll: the editor follows its cell (and hides while the cell is out of
  // view).
  virtual void TopLeftChanged();
  virtual void SizeChanged(int32_t /*OldColCount*/, int32_t /*OldRowCount*/) {}
  // Inserts Amount rows (columns) before Index (at the end when Index is the count), or
  // takes -Amount out from Index on (never the last scrolling line); the lines after
  // them move along with their cells. ERangeError for an Index outside these.
  virtual void AdjustSize(int32_t Index, int32_t Amount, bool Rows);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void ColumnMoved(int32_t /*FromIndex*/, int32_t /*ToIndex*/) {}
  virtual void RowMoved(int32_t /*FromIndex*/, int32_t /*ToIndex*/) {}
  // The border that a press at Point would size (gsNormal when none).
  virtual TGridSizingState CalcSizingState(TPoint Point, const TGridDrawInfo& DrawInfo) const;
  // Whether a row (column) drag may begin, move its drop position and drop; the base
  // agrees.
  virtual bool BeginRowDrag(int32_t /*Origin*/, int32_t /*Destination*/, TPoint) { return true; }
  virtual bool CheckRowDrag(int32_t /*Origin*/, int32_t /*Destination*/, TPoint) { return true; }
  virtual bool EndRowDrag(int32_t /*Origin*/, int32_t /*Destination*/, TPoint) { return true; }
  virtual bool BeginColumnDrag(int32_t /*Origin*/, int32_t /*Destination*/, TPoint) { return true; }
  virtual bool CheckColumnDrag(int32_t /*Origin*/, int32_t /*Destination*/, TPoint) { return true; }
  virtual bool EndColumnDrag(int32_t /*Origin*/, int32_t /*Destination*/, TPoint) { return true; }

  // --- The editor and the hooks around editing.
  // Makes the editor (nullptr: this grid has none); the grid keeps it till
  // EditorDestroyed.
  virtual TGridInplaceEditor* CreateEditor() { return nullptr; }
  // The editor goes: the grid forgets it and the cell it held.
  void EditorDestroyed();
  // Dresses the editor for the focused cell and loads its text; the base notes the cell.
  virtual void UpdateEditor();
  // With goEditing (and not goRowSelect), in EditorMode, with a window and with the focus
  // (or goAlwaysShowEditor).
  virtual bool CanEditShow() const;
  virtual bool CanEditAcceptKey(char /*Key*/) const { return true; }
  virtual bool CanGridAcceptKey(uint16_t /*Key*/, TGridKeyShift /*Shift*/) const { return true; }
  // Whether the editor may change the cell; a limit of -1 takes this away.
  virtual bool CanEditModify() const { return FCanEditModify; }
  void SetCanEditModify(bool Value) { FCanEditModify = Value; }
  virtual std::string GetEditText(int32_t /*ACol*/, int32_t /*ARow*/) { return {}; }
  virtual void SetEditText(int32_t /*ACol*/, int32_t /*ARow*/, const std::string& /*Value*/) {}
  virtual std::string GetEditMask(int32_t /*ACol*/, int32_t /*ARow*/) { return {}; }
  // The editor's maximum text length; 0 for none, -1: the cell may not change.
  virtual int32_t GetEditLimit() { return 0; }
  TGridInplaceEditor* InplaceEditor() const { return FEditor; }
  // Shows the editor over the focused cell when it may show, first writing back the
  // cell it held.
  void UpdateEdit();
  // Writes the editor's text back and hides it.
  void HideEdit();
  void UpdateText();

  // Repaints the cells whose selection changed old -> new (SelectionMoved).
  void SelectionMoved(const TGridRect& OldSelection);
  // Stores the new top-left cell's scroll and moves the window contents.
  void TopLeftMoved(TGridCoord OldTopLeft);
  // Moves the window contents by (DX, DY) pixels, with fresh draw information or with
  // the one given.
  void ScrollData(int32_t DX, int32_t DY);
  void ScrollDataInfo(int32_t DX, int32_t DY, const TGridDrawInfo& DrawInfo);

private:
  // After an options change: unless editing, the editor shows with goAlwaysShowEditor
  // and hides without it.
  void EditorOptionsChanged();
  void StoreSelection(const TGridRect& Value);
  void ChangeSize(int32_t NewColCount, int32_t NewRowCount);
  void ChangeFixedCount(bool Rows, int32_t Value);
  void StoreCounts(int32_t NewColCount, int32_t NewRowCount);
  void FinishSizeChange(TGridCoord OldCounts);
  void EmptyGrid();
  void LeaveEmpty(int32_t NewRowCount);
  void StoreDataRowCount(int32_t NewRowCount);
  void SetEmptyCounts();
  void CheckCell(int32_t ACol, int32_t ARow) const;
  void RepaintChangedRows();
  // The visible part of the rows whose flags changed since the last call; false when
  // none of them shows.
  bool TakeVisibleChangedRows(TGridRect& Rows);
  // What SelectionMoved draws.
  TGridRect MovedSelectionRect(const TGridRect& OldSelection) const;
  bool RangeSelectOnly() const;
  void ApplyScrollRange(TGridBar Bar);
  void ScrollPixels(int Code, int32_t Pos, int32_t Sign);
  void MoveAndScroll(int32_t Mouse, int32_t CellHit, TGridBar Bar, TPoint MousePoint);
  bool InSizingState() const { return FGridState == gsRowSizing || FGridState == gsColSizing; }
  bool InMovingState() const { return FGridState == gsRowMoving || FGridState == gsColMoving; }
  void FollowMove(TPoint Point);
  void EndDrop(TPoint Point);

  TGridWindow& FWindow;
  int32_t FColCount = 3;
  int32_t FRowCount = 2;
  int32_t FFixedCols = 1;
  int32_t FFixedRows = 1;
  bool FEmpty = false;
  int32_t FEmptiedColCount = 0;  // the column count to bring back after emptying
  TGridExtents FColWidths{64};
  TGridExtents FRowHeights{24};
  std::vector<bool> FTabStops;
  int32_t FGridLineWidth = 1;
  bool FSaveCellExtents = true;
  TGridOptions FOptions = DefaultGridOptions;
  bool FFocusOnCell = true;
  bool FFocusOnRow = false;
  int32_t FReservedColumn = -1;
  TGridCoord FCurrent;
  TGridCoord FFocused;
  TGridCoord FAnchor;
  TGridCoord FTopLeft;
  TGridCoord FInplace{-1, -1};
  TGridInplaceEditor* FEditor = nullptr;
  bool FEditorMode = false;
  bool FCanEditModify = true;
  TGridSelection FSelection;
  int32_t FColOffset = 0;
  bool FUpdatingScrollRange = false;
  TGridState FGridState = gsNormal;
  TGridSizingState FSizing;
  int32_t FMoveIndex = -1;
  int32_t FMovePos = -1;
};
