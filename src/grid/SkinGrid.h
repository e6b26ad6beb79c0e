#pragma once
// Windows only. TDynSkinCustomGrid: the skinned grid's window. The grid model
// (grid/portable) keeps the counts, cells, selection, scrolling and mouse states; this
// class is the model's window (painting cells from the skin at once or on the next
// paint, moving the window's pixels, the held-button timer, the sizing line and the drop
// marker, the skinned scroll bars), answers the model's hooks and turns the window's
// messages into the model's operations.
//
// Every paint composes the cells it covers off-screen and puts them on the window in
// one copy; cells whose look changes outside a paint (selection, moves, written texts)
// are drawn at once the same way, so that feedback never waits for a paint message.
// While cells are drawn, Canvas() draws on the off-screen image, so that a cell-drawing
// method draws into the cell.
//
// With goEditing the in-place editor (TDynSkinInplaceEdit, a child window made on first
// use) edits the focused cell; the cell under it shows its picture without its text.

#include "GridScrollBars.h"
#include "GridSkin.h"
#include "InplaceEdit.h"

#include "grid/portable/GridModel.h"
#include "grid/portable/GridPaintPlan.h"

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinControlTimer.h"

#include "classlib/Bitmap.h"
#include "classlib/portable/FormGeometry.h"

#include <cstdint>

// The window base comes before the model, which is handed it while it is made.
class TDynSkinCustomGrid : public TspSkinControl, private TGridWindow, public TGridModel {
  // The editor is a part of the grid: it hands keys and clicks to the grid's own
  // handling and reads the edit-text hooks.
  friend class TDynSkinInplaceEdit;

public:
  explicit TDynSkinCustomGrid(TComponent* AOwner);

  // bsSingle gives the window a sunken edge; a change makes the window anew.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value) { SetRecreating(FBorderStyle, Value); }
  // The fill of fixed cells without a skin.
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value) { SetRepainting(FFixedColor, Value); }
  // Cells are drawn (from the skin or in the grid's colours) before the cell-drawing
  // method; without it the method draws them alone.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value) { SetRepainting(FDefaultDrawing, Value); }
  // The frame round highlighted cells.
  TColor FocusedColor() const { return FFocusedColor; }
  void SetFocusedColor(TColor Value);
  // Stored with the form: no line is drawn. The gaps that GridLineWidth leaves between
  // cells where the options name lines show what lies beneath the cells.
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value) { SetRepainting(FGridLineColor, Value); }
  // The parent's background shows under the cells and in the empty area.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { SetRepainting(FTransparent, Value); }
  // Texts in the skin's fonts (else the grid's Font).
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { SetRepainting(FUseSkinFont, Value); }
  // Rows take the height of the skin's cell picture at each skin change, and pictures
  // are drawn at their own height; otherwise pictures are stretched to the rows.
  bool UseSkinCellHeight() const { return FUseSkinCellHeight; }
  void SetUseSkinCellHeight(bool Value) { SetRepainting(FUseSkinCellHeight, Value); }
  // Stored with the form; nothing reads it.
  bool DefaultSelected() const { return FDefaultSelected; }
  void SetDefaultSelected(bool Value) { FDefaultSelected = Value; }
  // Skinned scroll bars placed beside the grid; not owned, cleared when they go.
  TspSkinScrollBar* HScrollBar() const { return FScrollBars.Bar(gbHorizontal); }
  void SetHScrollBar(TspSkinScrollBar* Value);
  TspSkinScrollBar* VScrollBar() const { return FScrollBars.Bar(gbVertical); }
  void SetVScrollBar(TspSkinScrollBar* Value);

  // The row selection changed (once for a whole change).
  TNotifyEvent OnSelectionChange;

  // Draw a cell, a column (from row 0 to the last visible row) or a row (from column 0
  // to the last visible column) at once.
  void RepaintCell(int32_t ACol, int32_t ARow) { RepaintGridRect({ACol, ARow, ACol, ARow}); }
  void RepaintColumn(int32_t ACol) { RepaintGridRect(ColumnRepaintRect(ACol)); }
  void RepaintRow(int32_t ARow) { RepaintGridRect(RowRepaintRect(ARow)); }

  // The whole grid is drawn anew with the next paint: nothing is drawn at once till then.
  void Invalidate() override;

  void PrepareSkinDataChange() override;
  // Takes the skin anew, with the skin's cursor and, with UseSkinCellHeight, its row
  // height.
  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The stored "ColWidths" and "RowHeights".
  void DefineProperties(TFiler& Filer) override;
  void Dispatch(TMessage& Message) override;

protected:
  // Draws what cell (ACol, ARow) shows beyond its picture, in ARect on Canvas(); a
  // right-to-left grid's canvas is mirrored meanwhile, so that ARect is the cell as a
  // left-to-right grid lays it out.
  virtual void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) = 0;
  // Mirrors Canvas() across the client area (true) for the cells of a right-to-left
  // grid, or takes the mirroring away (false).
  void ChangeGridOrientation(bool RightToLeft);
  // Where the text of a cell drawn at ARect goes.
  TRect CellTextRect(const TRect& ARect, TGridDrawState AState) const;

  void GetSkinData() override;
  // Paints the part of the window that the paint asks for (its DC's clip box).
  void PaintWindow(HDC DC) override;
  void CreateParams(TCreateParams& Params) override;
  void DoExit() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  // A menu opened from the keyboard goes below the focused cell (or row).
  TRect KeyboardMenuAnchor() override { return FocusedCellBox(); }
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  // Enter opens and closes the editor (unless goAlwaysShowEditor keeps it open).
  void KeyPress(char& Key) override;

  // The editor's window side (SkinGridEditing.cpp).
  TDynSkinInplaceEdit* CreateEditor() override;
  TDynSkinInplaceEdit* InplaceEdit() const { return static_cast<TDynSkinInplaceEdit*>(InplaceEditor()); }
  // Transparent over a background picture, in the skin's colour and cell font (the
  // grid's without a skin), with the cell's text wholly selected.
  void UpdateEditor() override;
  // Never while the grid is being destroyed.
  bool CanEditShow() const override;
  // OnSelectionChange and OnClick.
  void SelectionChanged() override;
  void NotifyClick() override { Click(); }

  // The model's window.
  TSize GridClientSize() const override;
  bool GridRightToLeft() const override { return UseRightToLeftAlignment(); }
  bool GridWindowExists() const override { return HandleAllocated(); }
  bool GridShowing() const override;
  bool GridEnabled() const override { return Enabled(); }
  bool GridLoading() const override { return ComponentState().Contains(csLoading); }
  bool GridHasFocus() const override;
  void InvalidateGrid() override { Invalidate(); }
  void RepaintGridRect(const TGridRect& Rect) override;
  void ScrollGridArea(const TGridScrollArea& Area) override;
  void UpdateGridWindow() override { Update(); }
  void FocusGridForScroll() override;
  int32_t LineScrollStep() const override;
  void SetScrollBarPosition(TGridBar Bar, int32_t Pos) override { FScrollBars.SetPosition(Bar, Pos); }
  void SetScrollBarRange(TGridBar Bar, const TGridScrollRange& Range) override { FScrollBars.SetRange(Bar, Range); }
  void ScrollBarsUpdated() override;
  void StartMouseTimer() override { FMouseTimer.Start(MouseTimerInterval); }
  void StopMouseTimer() override { FMouseTimer.Stop(); }
  void DrawSizingLine(const TGridDrawInfo& DrawInfo) override;
  void DrawMove() override;

private:
  // How often a held button scrolls or follows a dragged line.
  static constexpr unsigned MouseTimerInterval = 60;

  template <class T>
  void SetRepainting(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
  }
  HWND GridWindow() const;

  // Painting (SkinGridPaint.cpp).
  // Draws Area of the client (the background, the cells that reach into it, the empty
  // area) off-screen and puts it on Target.
  void PaintArea(HDC Target, const TRect& Area);
  bool ShowsBackground(const TGridDrawInfo& DrawInfo) const;
  // The cells whose rows reach into Clip.
  TGridRect CellsIn(const TRect& Clip, const TGridDrawInfo& DrawInfo) const;
  // Draws the cells of one part of a grid rectangle that reach into Clip.
  void DrawCells(const TGridPart& Part, const TGridDrawInfo& DrawInfo, const TRect& Clip);
  void DrawCellFace(const TRect& Rect, TGridDrawState State);
  // What shows under the cells: the tiled background picture, the parent's background
  // or the background colour.
  void DrawBackground(const TRect& Area);
  // Whether a picture (the skin's or the parent's background) lies beneath the cells.
  bool BackgroundPictured() const;
  // What lies beneath the cells otherwise: the skin's background colour, or Color.
  TColor BackgroundColor() const;
  void FillEmptyAreas(const TGridDrawInfo& DrawInfo, const TRect& Clip);
  void SelectPartFont(bool Fixed);
  // The cell the editor shows over, whose text it shows instead.
  bool UnderEditor(int32_t ACol, int32_t ARow) const;
  TColor TextColor(TGridDrawState State);
  // A line on the window (not off-screen) with the canvas's pen set so for it.
  struct TLinePen {
    TPenStyle Style;
    TPenMode Mode;
    int Width;
    TColor Color;
  };
  void DrawWindowLine(TPoint From, TPoint To, const TLinePen& Look);
  // Makes the off-screen image the client's size and points Canvas() at it while Draw
  // runs; then copies Area of it onto Target.
  void DrawOffScreen(HDC Target, const TRect& Area, const TDelegate<void()>& Draw);
  TRect ClientArea() const;

  // Input (SkinGridInput.cpp).
  void HandleFocus(TMessage& Message);
  void HandleSetCursor(TMessage& Message);
  void HandleTimer();
  UINT DialogCode() const;

  TBorderStyle FBorderStyle = bsSingle;
  TColor FFixedColor = clBtnFace;
  bool FDefaultDrawing = true;
  TColor FFocusedColor = 65535;
  TColor FGridLineColor = clWindowText;
  bool FTransparent = false;
  bool FUseSkinFont = true;
  bool FUseSkinCellHeight = true;
  bool FDefaultSelected = false;

  TGridSkin FSkin;
  // What the skin was taken from: a change of any takes it anew.
  struct TSkinSource {
    const TspSkinData* Data = nullptr;
    uint32_t Generation = 0;
    int32_t Index = -1;
    friend bool operator==(const TSkinSource&, const TSkinSource&) = default;
  } FSkinSource;
  TGridCellImages FCellImages;
  TBitmap FImage{0, 0, pf32bit};
  TColor FMarkerColor = 0;  // the skin's "fontcolor" as last taken

  // Asking the system costs a round trip each: the grid keeps these itself.
  bool FPaintDue = false;  // the whole grid awaits a paint
  bool FFocused = false;   // the window has the keyboard focus
  TspControlTimer FMouseTimer{*this, 1};
  TPoint FHitTest;  // the last hit-test point, client coordinates
  TGridScrollBars FScrollBars;
};
