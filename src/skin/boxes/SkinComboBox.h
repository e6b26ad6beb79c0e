#pragma once
// TspSkinCustomComboBox: a skinned box that shows the selected item of a list, with a
// button at its right that drops a skinned list (TspPopupListBox) down under itself, or
// above itself where the screen's work area ends. It keeps no items of its own: Items,
// ItemIndex and the list's other properties are those of its drop-down list. In
// spcbFixedStyle the box shows the item and holds the focus; in spcbEditStyle an edit part
// takes the focus and the typing, and the box hears the edit's messages before it.
//
// The list never takes the focus: the box drives it with its own mouse capture and keys,
// closes it accepting the item under the pointer or the keyboard's, or without accepting
// when the pointer is let go elsewhere, the focus leaves or another control is clicked.
// Typed characters search the items (TypeAhead.h), and the edit part completes typed text.
//
// Files: SkinComboBox.cpp (properties, skin, rectangles, edit part, keys and events),
// SkinComboBoxPaint.cpp (faces, button, item), SkinComboBoxDropDown.cpp (the list).

#include "PopupListBox.h"

#include "skin/boxes/portable/ComboBoxGeometry.h"
#include "skin/boxes/portable/TypeAhead.h"
#include "skin/controls/SkinControlTimer.h"
#include "skin/controls/SkinCustomControl.h"
#include "skin/controls/WindowProcHook.h"
#include "skin/data/SkinEditData.h"

#include "classlib/Edit.h"

class TspComboEdit;
class TspCustomEdit;

enum TspSkinCustomComboBoxStyle { spcbEditStyle, spcbFixedStyle };
inline constexpr const char* kComboBoxStyleNames[] = {"spcbEditStyle", "spcbFixedStyle"};

class TspSkinCustomComboBox : public TspSkinCustomControl {
public:
  // The timer that moves the selection while a held button drags above or below the list.
  static constexpr UINT_PTR ScrollTimerId = 1;
  static constexpr unsigned ScrollInterval = 25;

  explicit TspSkinCustomComboBox(TComponent* AOwner);

  // Keep the skin's height and draw from the entry's own rectangles; else the entry's
  // pictures stretch both ways.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value);
  // A flat tool button (spcbFixedStyle, without the skin's size).
  bool ToolButtonStyle() const { return FToolButtonStyle; }
  void SetToolButtonStyle(bool Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // Typed characters search together, and the edit part completes typed text.
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  // The item area's and the edit part's background without a skin.
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  // Rows the list shows at most; below 1 is ignored.
  int32_t DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int32_t Value);
  TspSkinCustomComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TspSkinCustomComboBoxStyle Value);

  // The drop-down list as a layered window (with alpha ListBoxAlphaBlendValue), fading
  // in with ListBoxAlphaBlendAnimation.
  bool ListBoxAlphaBlend() const { return FListBoxAlphaBlend; }
  void SetListBoxAlphaBlend(bool Value) { FListBoxAlphaBlend = Value; }
  bool ListBoxAlphaBlendAnimation() const { return FListBoxAlphaBlendAnimation; }
  void SetListBoxAlphaBlendAnimation(bool Value) { FListBoxAlphaBlendAnimation = Value; }
  uint8_t ListBoxAlphaBlendValue() const { return FListBoxAlphaBlendValue; }
  void SetListBoxAlphaBlendValue(uint8_t Value) { FListBoxAlphaBlendValue = Value; }
  // The list's width; 0: the box's.
  int32_t ListBoxWidth() const { return FListBoxWidth; }
  void SetListBoxWidth(int32_t Value) { FListBoxWidth = Value; }

  // Kept by the drop-down list.
  TStrings* Items() { return FListBox->Items(); }
  void SetItems(TStrings* Value) { FListBox->SetItems(Value); }
  int ItemIndex() { return FListBox->ItemIndex(); }
  // Selects Value, shows its text, commits it and fires OnClick and Change.
  void SetItemIndex(int Value);
  bool Sorted() const { return FListBox->Sorted(); }
  void SetSorted(bool Value) { FListBox->SetSorted(Value); }
  bool HorizontalExtent() const { return FListBox->HorizontalExtent(); }
  void SetHorizontalExtent(bool Value) { FListBox->SetHorizontalExtent(Value); }
  TCustomImageList* Images() const { return FListBox->Images(); }
  void SetImages(TCustomImageList* Value);
  int32_t ImageIndex() const { return FListBox->ImageIndex(); }
  void SetImageIndex(int32_t Value);
  TStrings* TabWidths() { return FListBox->TabWidths(); }
  void SetTabWidths(TStrings* Value) { FListBox->SetTabWidths(Value); }
  bool ListBoxUseSkinItemHeight() const { return FListBox->UseSkinItemHeight(); }
  void SetListBoxUseSkinItemHeight(bool Value) { FListBox->SetUseSkinItemHeight(Value); }
  bool ListBoxUseSkinFont() const { return FListBox->UseSkinFont(); }
  void SetListBoxUseSkinFont(bool Value) { FListBox->SetUseSkinFont(Value); }
  TFont* ListBoxDefaultFont() { return FListBox->DefaultFont(); }
  void SetListBoxDefaultFont(TFont* Value) { FListBox->SetDefaultFont(Value); }
  TFont* ListBoxDefaultCaptionFont() { return FListBox->DefaultCaptionFont(); }
  void SetListBoxDefaultCaptionFont(TFont* Value) { FListBox->SetDefaultCaptionFont(Value); }
  int32_t ListBoxDefaultItemHeight() const { return FListBox->DefaultItemHeight(); }
  void SetListBoxDefaultItemHeight(int32_t Value) { FListBox->SetDefaultItemHeight(Value); }
  std::string ListBoxCaption() { return FListBox->Caption(); }
  void SetListBoxCaption(const std::string& Value) { FListBox->SetCaption(Value); }
  bool ListBoxCaptionMode() const { return FListBox->CaptionMode(); }
  void SetListBoxCaptionMode(bool Value) { FListBox->SetCaptionMode(Value); }
  TAlignment ListBoxCaptionAlignment() const { return FListBox->Alignment(); }
  void SetListBoxCaptionAlignment(TAlignment Value) { FListBox->SetAlignment(Value); }

  TspPopupListBox* ListBox() const { return FListBox; }
  TspCustomEdit* EditPart() const;
  bool DroppedDown() const { return FDroppedDown; }
  const TRect& ButtonRect() const { return FButtonRect; }
  const TRect& ItemRect() const { return FItemRect; }

  // Opens the list under the box (not an empty one), or above it where the work area
  // ends; and closes it, taking its item (AcceptSelection) or going back to the one
  // committed.
  void DropDown();
  void CloseUp(bool AcceptSelection);
  // One item up or down, or a page (DropDownCount + 1 up, DropDownCount - 1 down): with
  // Notify through ItemIndex, else only in the list.
  void SelectPrior(bool Notify);
  void SelectNext(bool Notify);
  void SelectPageUp(bool Notify);
  void SelectPageDown(bool Notify);
  // In the edit style: one item up or down in the list; with Notify the edit shows it,
  // all selected, and OnClick fires.
  void EditSelectPrior(bool Notify);
  void EditSelectNext(bool Notify);

  // Draws the drop-down list's items (given to the list each time it drops down).
  TspDrawSkinItemEvent OnListBoxDrawItem;
  TspDrawSkinItemEvent OnComboBoxDrawItem;
  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

  void Invalidate() override;
  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  // After each selection change through ItemIndex or the list, and after the edit part
  // changed the text; empty here.
  virtual void Change() {}

  // Copies the combo box entry's values (the empty focused item falls back).
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void DefaultFontChanged() override;
  // Without the skin's size only the width follows the skin's cut; the size is free.
  void CalcSize(int& AWidth, int& AHeight) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // The entry's values, copied at every lookup; empty without a combo box entry.
  TspDataSkinComboBox FSkin{""};

private:
  // Focused: the box, or its edit part, has the focus.
  TspComboLookState LookState();
  // Button, item area and edit part (SkinComboBox.cpp).
  void CalcRects();
  void CreateEditPart();
  void FreeEditPart();
  void ApplyEditFont();
  void ApplyEditColour(TColor Colour);
  TColor DisabledFontColour();
  bool ActiveFaceColours();
  // The text of item Index (none outside the list) becomes Text.
  void ShowItemText(int Index);
  // The list's selection shows in the edit part, all selected, and OnClick fires.
  void ShowEditSelection();
  void EditWndProc(TMessage& Message);
  void EditKeyUp(TMessage& Message);
  void EditChange(TObject* Sender);
  void EditCancelMode(TControl* Sender);
  void EditKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  void EditKeyPress(TObject* Sender, char& Key);
  void EditKeyUpEvent(TObject* Sender, uint16_t& Key, TShiftState Shift);
  // The list's search from Start (LB_FINDSTRING), and the type-ahead and completion by it.
  int FindItem(const std::string& Prefix, int Start);
  void FindItemByKey(char Key);
  void CompleteEditText();
  void Wheel(const TMessage& Message, bool InEdit);
  bool TakeDialogKey(TMessage& Message);
  void TextChanged();

  // Painting (SkinComboBoxPaint.cpp).
  void DrawDefaultButton(TCanvas& Canvas);
  void DrawSkinButton(TCanvas& Canvas);
  void DrawStretchedButton(TCanvas& Canvas);
  // The selected item (the committed one while the list is down) in the item area; with
  // Pictures the skin's item picture under it.
  void DrawItem(TCanvas& Canvas, bool Pictures);
  void DrawToolButton(TBitmap* B);
  TspPartState ButtonState() const;

  // The drop-down list (SkinComboBoxDropDown.cpp).
  void WireList();
  void ListWndProc(TMessage& Message);
  void ListMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void ListCheckClick(TObject* Sender);
  void StartScrollTimer(int Mode);
  void StopScrollTimer();
  void ScrollTimerTick();
  void TrackListDrag(TPoint P);
  // Closes the list without accepting, unless Sender is the box or a part of the list.
  void CancelModeFrom(TControl* Sender);

  bool FUseSkinSize = true;
  bool FToolButtonStyle = false;
  bool FHideSelection = true;
  bool FAutoComplete = true;
  TEditCharCase FCharCase = ecNormal;
  TColor FDefaultColor = clWindow;
  int32_t FDropDownCount = 8;
  TspSkinCustomComboBoxStyle FStyle = spcbFixedStyle;
  bool FListBoxAlphaBlend = false;
  bool FListBoxAlphaBlendAnimation = false;
  uint8_t FListBoxAlphaBlendValue = 200;
  int32_t FListBoxWidth = 0;

  TspPopupListBox* FListBox = nullptr;
  TspWindowProcHook FListProcHook;  // the inner list's procedure before the box's
  TspComboEdit* FEdit = nullptr;
  TspWindowProcHook FEditProcHook;  // the edit part's procedure before the box's
  bool FChangeFromEdit = false;

  TRect FButtonRect;
  TRect FItemRect;
  bool FDroppedDown = false;
  bool FButtonHot = false;
  bool FButtonPressed = false;
  bool FMouseIn = false;
  bool FListTracking = false;
  bool FMovedOverList = false;
  int FScrollMode = 0;
  int FCommittedIndex = -1;
  int FDropIndex = -1;
  TspTypeAhead FTypeAhead;
  TspControlTimer FScrollTimer{*this, ScrollTimerId};
};

class TspSkinComboBox : public TspSkinCustomComboBox {
public:
  using TspSkinCustomComboBox::TspSkinCustomComboBox;
};
