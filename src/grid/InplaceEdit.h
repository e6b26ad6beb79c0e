#pragma once
// Windows only. TDynSkinInplaceEdit: the text box a skinned grid lays over its focused
// cell while a cell is edited. It has no border and no tab stop of its own; the keys that
// move between cells, and Enter, go back to the grid; while the cell may not change it
// refuses what would change the text; a press that follows a press on the grid quickly
// is a double click; its context menu is the skinned edit menu.
//
// Its window is multi-line: the system then reports no change for text the program
// sets, so that only what the user does reaches the cell. It is shown and hidden by
// placing it (never through Visible), and while it has the keyboard focus its form
// counts the grid as the focused control.

#include "TransparentMaskEdit.h"

#include "grid/portable/GridInplaceEditor.h"

#include "skin/boxes/EditContextMenu.h"

#include <cstdint>

class TDynSkinCustomGrid;

class TDynSkinInplaceEdit : public TDynSkinTransparentMaskEdit, public TGridInplaceEditor {
public:
  explicit TDynSkinInplaceEdit(TComponent* AOwner);

  TDynSkinCustomGrid* Grid() const { return FGrid; }
  void SetGrid(TDynSkinCustomGrid* Value) { FGrid = Value; }
  // The message time of the last press on the grid (0: none), which a press on the
  // editor may complete to a double click.
  uint32_t ClickTime() const { return FClickTime; }
  void SetClickTime(uint32_t Value) { FClickTime = Value; }
  // The skinned context menu of the last request while it lives; nullptr otherwise.
  TspSkinPopupMenu* ContextMenu() const { return FContextMenu.Menu(); }

  // The grid's side of the editor.
  std::string EditText() override { return Text(); }
  bool EditorShowing() override;
  void UpdateLoc(const TRect& Rect) override { InternalMove(Rect, false); }
  void MoveEditor(const TRect& Rect) override { InternalMove(Rect, true); }
  void HideEditorWindow() override;
  void Deselect() override;
  void PostChar(char Ch) override;
  // Marks the editor for repainting and what of the grid it covers.
  void InvalidateEditorArea();
  // The text takes the mask, text and limit of the focused cell.
  virtual void UpdateContents();

  void Dispatch(TMessage& Message) override;
  void BeforeDestruction() override;

protected:
  using TDynSkinTransparentMaskEdit::BoundsChanged;
  // After a move: the text keeps a margin of 2 pixels and the caret stays in view.
  virtual void BoundsChanged();
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void DblClick() override;

private:
  void InternalMove(const TRect& Rect, bool Redraw);
  // Whether the grid lets the cell change.
  bool EditCanModify() const;
  void HandleSetFocus(TMessage& Message);
  void HandleButtonDown(TMessage& Message);
  void HandleContextMenu(TMessage& Message);

  TDynSkinCustomGrid* FGrid = nullptr;
  uint32_t FClickTime = 0;
  // Offers nothing that would change a cell that may not change.
  TspEditContextMenu FContextMenu{*this, [this] { return !EditCanModify(); }};
};
