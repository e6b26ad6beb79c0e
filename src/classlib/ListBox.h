#pragma once
// TListBox: a list of strings over the system's LISTBOX control, drawn by the system or
// by the owner (fixed item height). Its items live in the window, reached through LB_
// messages to it (so that a replaced window procedure sees them), and in the object
// while there is no window; recreating the window keeps them and the selection.

#include "CustomControls.h"

#include "portable/FormGeometry.h"

#include "base/Strings.h"

#include <memory>
#include <vector>

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

// The item state of owner drawing; the flags have the bit values of ODS_*.
enum TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TDrawItemEvent =
    TDelegate<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;

class TListBoxStrings;

class TListBox : public TWinControl {
public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;

  TStrings* Items();
  void SetItems(TStrings* Value);
  int Count();
  // The selected item (single selection) or the focused one (several), -1 for none.
  // Setting it fires nothing.
  int ItemIndex();
  void SetItemIndex(int Value);
  bool Selected(int Index);
  void SetSelected(int Index, bool Value);
  int TopIndex();
  void SetTopIndex(int Value);
  // The height of each owner-drawn item; standard lists answer the system's height.
  int ItemHeight();
  void SetItemHeight(int Value);
  // Item Index's rectangle in client coordinates (empty without a window or item).
  TRect ItemRect(int Index);
  // The item at Pos (client coordinates); where there is none, -1 when Existing, else
  // Count (the place a new item would take).
  int ItemAtPos(TPoint Pos, bool Existing);

  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  // With MultiSelect: Shift and Ctrl extend the selection (else each click toggles).
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  // 0: one column scrolled vertically; more: that many columns scrolled sideways.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The canvas owner-drawn items are drawn on.
  TCanvas* Canvas() { return &FCanvas; }
  // Draws an owner-drawn item instead of the default (its text on the brush).
  TDrawItemEvent OnDrawItem;

protected:
  // Draws item Index on Canvas (already set up for the item's state).
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;

private:
  friend class TListBoxStrings;
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  void CheckItem(int Index);
  // Without a window the saved selection follows the items as the window's would: an
  // item put before it moves it down, its own item's going ends it, a clear empties all.
  void SavedItemInserted(int Index);
  void SavedItemDeleted(int Index);
  void SavedItemsCleared();
  void HandleDrawItem(TMessage& Message);
  void UpdateColumnWidth();

  std::unique_ptr<TListBoxStrings> FItems;
  TControlCanvas FCanvas;
  TListBoxStyle FStyle = lbStandard;
  bool FSorted = false;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  int FColumns = 0;
  TBorderStyle FBorderStyle = bsSingle;
  int FItemHeight = 16;
  // What the window holds while there is none.
  TStringList FSavedItems;
  int FSavedItemIndex = -1;
  int FSavedTopIndex = 0;
  std::vector<int> FSavedSelection;
};
