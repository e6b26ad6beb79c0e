#pragma once
// TspSkinCustomListBox: a skinned frame around an inner system list (TspListBox) and up
// to two skinned scroll bars that mirror the inner list's native scroll state; each bar
// exists only while its range exceeds what shows. The frame can carry a caption band
// with the control's Caption, a glyph and three buttons: up and down step the selection
// (repeating while held, on StepTimerId of its own window) unless the application takes
// their clicks, check clicks the inner list. Without a skin entry everything is drawn in
// plain colours. TspSkinListBox publishes it; the combo box's drop-down list is one too.

#include "ListBox.h"

#include "skin/boxes/portable/ListBoxGeometry.h"
#include "skin/boxes/portable/RepeatButtons.h"
#include "skin/controls/SkinControlTimer.h"
#include "skin/controls/SkinCustomControl.h"
#include "skin/controls/portable/PanelLayout.h"
#include "skin/data/SkinEditData.h"

#include "classlib/Bitmap.h"

class TCustomImageList;
class TspSkinScrollBar;

class TspSkinCustomListBox : public TspSkinCustomControl, private TspRepeatButtonsHost {
public:
  static constexpr UINT_PTR StepTimerId = 1;

  explicit TspSkinCustomListBox(TComponent* AOwner);
  ~TspSkinCustomListBox() override;

  // Tab stops of the item text (TabStops.h); assigned.
  TStrings* TabWidths() { return &FTabWidths; }
  void SetTabWidths(TStrings* Value);
  // Items as high as the skin's item picture (from the next skin change on).
  bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
  void SetUseSkinItemHeight(bool Value) { FUseSkinItemHeight = Value; }
  // A horizontal bar while the widest item text is wider than the list.
  bool HorizontalExtent() const { return FHorizontalExtent; }
  void SetHorizontalExtent(bool Value);
  int32_t Columns();
  void SetColumns(int32_t Value);
  // Not 0: the box is as high as that many rows.
  int32_t RowCount() const { return FRowCount; }
  void SetRowCount(int32_t Value);
  // The items' images: ImageIndex for every item, or each item's own index when it is
  // below 0. Not owned.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  // Before the caption: a strip of NumGlyphs glyphs (the second one disabled).
  TBitmap* Glyph() { return &FGlyph; }
  void SetGlyph(TBitmap* Value);
  TspSkinPanelNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t Value);
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t Value);
  bool CaptionMode() const { return FCaptionMode; }
  void SetCaptionMode(bool Value);
  // Without a skin: the caption band's height and font.
  int32_t DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  void SetDefaultCaptionHeight(int32_t Value);
  TFont* DefaultCaptionFont() { return &FDefaultCaptionFont; }
  void SetDefaultCaptionFont(TFont* Value) { FDefaultCaptionFont.Assign(Value); }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The item height without a skin (or without UseSkinItemHeight).
  int32_t DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int32_t Value);

  // Kept by the inner list.
  TStrings* Items() { return FListBox->Items(); }
  void SetItems(TStrings* Value) { FListBox->SetItems(Value); }
  int ItemIndex() { return FListBox->ItemIndex(); }
  void SetItemIndex(int Value) { FListBox->SetItemIndex(Value); }
  bool MultiSelect() const { return FListBox->MultiSelect(); }
  void SetMultiSelect(bool Value) { FListBox->SetMultiSelect(Value); }
  bool ExtandedSelect() const { return FListBox->ExtendedSelect(); }
  void SetExtandedSelect(bool Value) { FListBox->SetExtendedSelect(Value); }
  // Setting it frees the vertical bar; the next update makes a new one when needed.
  bool Sorted() const { return FListBox->Sorted(); }
  void SetSorted(bool Value);
  TFont* ListBoxFont() { return FListBox->Font(); }
  void SetListBoxFont(TFont* Value) { FListBox->SetFont(Value); }
  int ListBoxTabOrder() const { return FListBox->TabOrder(); }
  void SetListBoxTabOrder(int Value) { FListBox->SetTabOrder(Value); }
  bool ListBoxTabStop() const { return FListBox->TabStop(); }
  void SetListBoxTabStop(bool Value) { FListBox->SetTabStop(Value); }
  TPopupMenu* ListBoxPopupMenu() const { return FListBox->PopupMenu(); }
  void SetListBoxPopupMenu(TPopupMenu* Value) { FListBox->SetPopupMenu(Value); }
  // The inner list drags: its drag settings and events (whose Sender is the inner list).
  TDragMode ListBoxDragMode() const { return FListBox->DragMode(); }
  void SetListBoxDragMode(TDragMode Value) { FListBox->SetDragMode(Value); }
  TDragKind ListBoxDragKind() const { return FListBox->DragKind(); }
  void SetListBoxDragKind(TDragKind Value) { FListBox->SetDragKind(Value); }
  TCursor ListBoxDragCursor() const { return FListBox->DragCursor(); }
  void SetListBoxDragCursor(TCursor Value) { FListBox->SetDragCursor(Value); }
  const TDragDropEvent& OnListBoxDragDrop() const { return FListBox->OnDragDrop; }
  void SetOnListBoxDragDrop(const TDragDropEvent& Value) { FListBox->OnDragDrop = Value; }
  const TDragOverEvent& OnListBoxDragOver() const { return FListBox->OnDragOver; }
  void SetOnListBoxDragOver(const TDragOverEvent& Value) { FListBox->OnDragOver = Value; }
  const TStartDragEvent& OnListBoxStartDrag() const { return FListBox->OnStartDrag; }
  void SetOnListBoxStartDrag(const TStartDragEvent& Value) { FListBox->OnStartDrag = Value; }
  const TEndDragEvent& OnListBoxEndDrag() const { return FListBox->OnEndDrag; }
  void SetOnListBoxEndDrag(const TEndDragEvent& Value) { FListBox->OnEndDrag = Value; }
  // Scrolls the list to Value (when it is not there).
  void SetTopIndex(int Value);
  int ItemAtPos(TPoint Pos, bool Existing) { return FListBox->ItemAtPos(Pos, Existing); }

  TspListBox* ListBox() const { return FListBox; }
  TspSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  TspSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  const TspRepeatButtons& CaptionButtons() const { return FButtons; }
  // The box's height for Rows rows at the inner list's item height.
  int32_t HeightForRows(int32_t Rows);
  // Mirrors the inner list's scroll state: makes, sets and frees the bars.
  void UpdateScrollBars();

  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnCheckButtonClick;
  TspDrawSkinItemEvent OnDrawItem;
  TNotifyEvent OnListBoxClick;
  TNotifyEvent OnListBoxDblClick;
  TMouseEvent OnListBoxMouseDown;
  TMouseMoveEvent OnListBoxMouseMove;
  TMouseEvent OnListBoxMouseUp;
  TKeyEvent OnListBoxKeyDown;
  TKeyPressEvent OnListBoxKeyPress;
  TKeyEvent OnListBoxKeyUp;

  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  friend class TspListBox;

  // What the inner list calls. The mouse, key and click hooks fire the OnListBox events
  // with this control as Sender; WProc may stop a message before the list sees it.
  virtual int GetItemTextWidth(int Index, TCanvas& Canvas);
  virtual void ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseMove(TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxClick();
  virtual void ListBoxDblClick();
  virtual void ListBoxKeyDown(uint16_t& Key, TShiftState Shift);
  virtual void ListBoxKeyUp(uint16_t& Key, TShiftState Shift);
  virtual void ListBoxKeyPress(char& Key);
  virtual void ListBoxEnter() {}
  virtual void ListBoxExit() {}
  virtual void ListBoxWProc(TMessage& Message, bool& Continue);
  virtual void ListBoxCreateWnd() {}

  // Copies the list box entry's values (the empty state rectangles fallen back).
  void GetSkinData() override;
  void DefaultFontChanged() override;
  void CreateParams(TCreateParams& Params) override;
  // A new size places the inner list and the bars again.
  void BoundsChanged(bool SizeChanged) override;
  // The caption band, its glyph and buttons over the frame (SkinListBoxCaption.cpp).
  void CreateControlSkinImage(TBitmap* B) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Places the inner list and the bars.
  void UpdateLayout();

  TspListBox* FListBox = nullptr;
  // The entry's values, copied at every lookup; empty without a list box entry.
  TspDataSkinListBox FSkin{""};

private:
  TspListBoxFrame Frame() const;
  // The font items are painted in: the box's Font, or with SkinFont the entry's name,
  // style and height; with Charset the charset of the skin's resource strings, else
  // DefaultFont's.
  void AssignItemFont(TFont& Font, bool SkinFont, bool Charset);
  // Area of Canvas filled with tiles of the entry's client picture from its top-left
  // corner, or with clWindow where there is no tile to draw.
  void FillWithClientTiles(TCanvas& Canvas, const TRect& Area);

  void UpdateVerticalBar();
  void UpdateHorizontalBar();
  void UpdateColumnsBar();
  void ShowVerticalBar(const TspBarRange& Range);
  void ShowHorizontalBar(const TspBarRange& Range);
  void NameVerticalBar();
  void NameHorizontalBar();
  void FreeVerticalBar();
  void FreeHorizontalBar();
  void VerticalBarChange(TObject* Sender);
  void HorizontalBarChange(TObject* Sender);
  void ApplyItemHeight();

  // The caption band (SkinListBoxCaption.cpp).
  void RepeatButtonsChanged() override { Repaint(); }
  void StartRepeatTimer(unsigned Interval) override { FStepTimer.Start(Interval); }
  void StopRepeatTimer() override { FStepTimer.Stop(); }
  bool CaptionButtonsLive() const;
  int32_t CaptionWidth(TCanvas& Canvas);
  // The glyph and the caption in R by Alignment, Margin in from its ends, the text's top
  // at TextTop and the glyph GlyphRaise above R's vertical centre.
  void DrawCaptionText(TCanvas& Canvas, const TRect& R, int32_t Margin, int32_t TextTop, int32_t GlyphRaise);
  void DrawCaptionButton(TCanvas& Canvas, int Button);
  void PlaceSkinCaption();
  void PlaceDefaultCaption();
  void StepButton(int Button);
  void CaptionFontChange(TObject* Sender);

  TStringList FTabWidths;
  bool FUseSkinItemHeight = true;
  bool FHorizontalExtent = false;
  int32_t FRowCount = 0;
  TCustomImageList* FImages = nullptr;
  int32_t FImageIndex = -1;
  TBitmap FGlyph;
  TspSkinPanelNumGlyphs FNumGlyphs;
  int32_t FSpacing = 2;
  bool FCaptionMode = false;
  int32_t FDefaultCaptionHeight = 20;
  TFont FDefaultCaptionFont;
  TAlignment FAlignment = taLeftJustify;
  int32_t FDefaultItemHeight = 20;

  TspSkinScrollBar* FVScrollBar = nullptr;
  TspSkinScrollBar* FHScrollBar = nullptr;
  bool FSkinChanging = false;
  bool FUpdatingBars = false;

  TRect FCaptionRect;
  TspRepeatButtons FButtons{*this, 3};
  TspControlTimer FStepTimer{*this, StepTimerId};
};

class TspSkinListBox : public TspSkinCustomListBox {
public:
  using TspSkinCustomListBox::TspSkinCustomListBox;
};
