#pragma once
// TspListBox: the system list box a skinned list box (TspSkinCustomListBox) places in its
// skinned frame. It has no border and no visible scroll bars: its whole window is client
// area, so the system's scroll state still exists (the owner mirrors it onto skinned
// bars) but is never drawn. It paints every item itself, from its owner's skin entry or
// without one in plain colours, and hands its mouse, keys, clicks and focus to its
// owner's hooks. A message may be stopped by the owner before the list sees it.

#include "skin/controls/SkinControlMessages.h"

#include "classlib/Bitmap.h"
#include "classlib/ListBox.h"

#include <cstdint>

class TspSkinCustomListBox;

// Draws an item (or a combo box's selected item) on its own off-screen canvas instead of
// the image and text: Index, the item's size, its text rectangle and state, all in the
// item's coordinates.
using TspDrawSkinItemEvent = TDelegate<void(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight,
                                            const TRect& TxtRect, TOwnerDrawState State)>;

class TspListBox : public TListBox {
public:
  explicit TspListBox(TComponent* AOwner);

  // The skinned list box that draws and hears this list; set once after creation.
  void SetListOwner(TspSkinCustomListBox* Value) { FListOwner = Value; }
  // How far item text is shifted left, from the owner's horizontal bar; a narrower list
  // lowers it by the width lost.
  int32_t HorizontalOffset() const { return FHorizontalOffset; }
  void SetHorizontalOffset(int32_t Value) { FHorizontalOffset = Value; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void PaintWindow(HDC DC) override;

  // The background without items: clWindow, or tiles of the owner's client picture.
  void PaintBackground(HDC DC);

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void Click() override;
  void DoEnter() override;
  void DoExit() override;

private:
  friend class TspSkinCustomListBox;  // its check button clicks the list

  // The items of one paint, each by the painter the owner's skin calls for; in one
  // column the rest below the last item filled too.
  void PaintItems(TCanvas& Canvas);
  // Selected (the ItemIndex, or any selected item of a multi-select list), and focused
  // too when it is the ItemIndex and the list has the keyboard focus.
  TOwnerDrawState ItemState(int Index);
  // Item Index drawn at R by the painter the owner's skin calls for (ListBoxPaint.cpp).
  void DrawItemBy(TCanvas& Canvas, int Index, const TRect& R, TOwnerDrawState State);
  void DrawDefaultItem(TBitmap& Item, int Index, TOwnerDrawState State);
  // From the skin's item pictures: nine-part at any height, or three-part at the
  // pictures' own height (SkinHeight); false without a picture.
  bool DrawSkinItem(TBitmap& Item, int Index, TOwnerDrawState State, bool SkinHeight);
  // The owner's OnDrawItem, or the image and the text in Text; whether the application
  // drew the item.
  bool DrawItemContent(TCanvas& Canvas, int Index, TSize Size, TOwnerDrawState State, const TRect& Text);
  void HandleDrawItem(TMessage& Message);
  // Calls the owner's Hook, when there is an owner.
  template <class... Args, class... Given>
  void TellOwner(void (TspSkinCustomListBox::*Hook)(Args...), Given&&... Values);
  void AfterMessage(TMessage& Message);
  void Wheel(const TMessage& Message);

  TspSkinCustomListBox* FListOwner = nullptr;
  int32_t FHorizontalOffset = 0;
};
