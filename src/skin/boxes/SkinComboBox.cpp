#include "SkinComboBox.h"

#include "BoxPainting.h"
#include "ComboEdit.h"

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/Bitmap.h"
#include "classlib/SystemSeams.h"

#include "base/DispatchScope.h"
#include "base/ScopeExit.h"

namespace {

// The virtual-key code of '0': keys from here on type text; those below move the caret,
// delete or switch case.
constexpr WPARAM FirstTypingKey = 0x30;

// Character sets whose input methods leave the typed text selected until a key is let go.
bool IsInputMethodCharset(uint8_t Charset) {
  return Charset == SHIFTJIS_CHARSET || Charset == GB2312_CHARSET || Charset == CHINESEBIG5_CHARSET;
}

int TextMetricHeight(const TFont& Font) {
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(&Font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(measure.Canvas()->Handle(), &metrics);
  return metrics.tmHeight;
}

}  // namespace

TspSkinCustomComboBox::TspSkinCustomComboBox(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  // No click of the box's own: OnClick tells of a selection.
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
  SetTabStop(true);
  SetDefaultSkinFont(*Font());
  Font()->SetColor(clWindowText);
  SetBounds(Left(), Top(), 120, 20);
  SetSkinDataName("combobox");
  FListBox = new TspPopupListBox(this);
  if (!ComponentState().Contains(csDesigning)) FListBox->SetParent(this);
  FListBox->ListBox()->SetTabStop(false);
  WireList();
  CalcRects();
  GetSkinData();
}

void TspSkinCustomComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FListBox) FListBox = nullptr;
  if (AComponent == FEdit) FEdit = nullptr;
}

TspCustomEdit* TspSkinCustomComboBox::EditPart() const { return FEdit; }

// Properties

void TspSkinCustomComboBox::SetUseSkinSize(bool Value) {
  FUseSkinSize = Value;
  ChangeSkinData();
}

void TspSkinCustomComboBox::SetToolButtonStyle(bool Value) {
  FToolButtonStyle = Value;
  if (Value) {
    SetStyle(spcbFixedStyle);
    FUseSkinSize = false;
  }
  ChangeSkinData();
}

void TspSkinCustomComboBox::SetHideSelection(bool Value) {
  FHideSelection = Value;
  if (FEdit != nullptr) FEdit->SetHideSelection(Value);
}

void TspSkinCustomComboBox::SetCharCase(TEditCharCase Value) {
  FCharCase = Value;
  if (FEdit != nullptr) FEdit->SetCharCase(Value);
}

void TspSkinCustomComboBox::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (FEdit != nullptr && !Skinned()) FEdit->SetColor(Value);
  Repaint();
}

void TspSkinCustomComboBox::SetDropDownCount(int32_t Value) {
  if (Value >= 1) FDropDownCount = Value;
}

void TspSkinCustomComboBox::SetImages(TCustomImageList* Value) {
  FListBox->SetImages(Value);
  Repaint();
}

void TspSkinCustomComboBox::SetImageIndex(int32_t Value) {
  FListBox->SetImageIndex(Value);
  Repaint();
}

void TspSkinCustomComboBox::SetStyle(TspSkinCustomComboBoxStyle Value) {
  if (Value == FStyle && ComponentState().Contains(csDesigning)) return;
  FStyle = Value;
  if (Value == spcbEditStyle)
    CreateEditPart();
  else
    FreeEditPart();
  CalcRects();
  RecreateWnd();
  Repaint();
}

// The edit part

void TspSkinCustomComboBox::CreateEditPart() {
  if (FEdit != nullptr) return;
  FEdit = new TspComboEdit(this);
  FEdit->SetParent(this);
  FEdit->SetColor(FDefaultColor);
  FEdit->SetHideSelection(FHideSelection);
  FEdit->SetCharCase(FCharCase);
  FEditProcHook.Install(FEdit, Event(this, &TspSkinCustomComboBox::EditWndProc));
  FEdit->OnChange = Event(this, &TspSkinCustomComboBox::EditChange);
  FEdit->OnEditCancelMode = Event(this, &TspSkinCustomComboBox::EditCancelMode);
  FEdit->OnKeyDown = Event(this, &TspSkinCustomComboBox::EditKeyDown);
  FEdit->OnKeyPress = Event(this, &TspSkinCustomComboBox::EditKeyPress);
  FEdit->OnKeyUp = Event(this, &TspSkinCustomComboBox::EditKeyUpEvent);
  ApplyEditFont();
  if (!ComponentState().Contains(csDesigning)) {
    // The edit part takes the box's place in the tab order.
    FEdit->SetTabStop(TabStop());
    SetTabStop(false);
  }
  FEdit->SetText(Text());
  FEdit->SetVisible(true);
  if (Focused() && FEdit->CanFocus()) FEdit->SetFocus();
}

void TspSkinCustomComboBox::FreeEditPart() {
  if (FEdit == nullptr) return;
  TspComboEdit* edit = FEdit;
  FEdit = nullptr;
  if (edit->TabStop()) SetTabStop(true);
  edit->Hide();
  edit->Free();
}

void TspSkinCustomComboBox::ApplyEditFont() {
  TFont& font = *FEdit->Font();
  if (!Skinned() || !UseSkinFont()) {
    font.Assign(DefaultFont());
    if (Skinned()) font.SetColor(FSkin.FontColor);
  } else {
    font.SetStyle(FSkin.FontStyle);
    font.SetHeight(FSkin.FontHeight);
    font.SetName(FSkin.FontName);
    font.SetColor(FSkin.FontColor);
  }
  if (ActiveFaceColours() && (FEdit->Focused() || FMouseIn)) font.SetColor(FSkin.ActiveFontColor);
  TspSkinData* data = SkinData();
  font.SetCharset(data != nullptr && data->ResourceStrData() != nullptr ? data->ResourceStrData()->CharSet()
                                                                         : DefaultFont()->Charset());
  FEdit->SetTransparent(Skinned());
  if (!Enabled()) font.SetColor(DisabledFontColour());
}

void TspSkinCustomComboBox::ApplyEditColour(TColor Colour) {
  if (FEdit != nullptr) FEdit->Font()->SetColor(Colour);
}

bool TspSkinCustomComboBox::ActiveFaceColours() {
  return FEdit != nullptr && UseActiveFontColor() && Skinned() && !IsRectEmpty(FSkin.ActiveSkinRect);
}

TColor TspSkinCustomComboBox::DisabledFontColour() {
  const auto* edit = dynamic_cast<const TspDataSkinEditControl*>(FirstControlEntry(SkinData(), {"edit"}));
  return edit != nullptr ? edit->DisabledFontColor : clGrayText;
}

// Skin and rectangles

void TspSkinCustomComboBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  FSkin = TspDataSkinComboBox("");
  // Without the skin's size there is no region either.
  if (!FUseSkinSize) MaskPicture = {};
  if (!Skinned()) return;
  const auto* entry = dynamic_cast<const TspDataSkinComboBox*>(SkinEntry());
  if (entry == nullptr) {
    FIndex = -1;  // an entry of another kind draws nothing of a combo box
    return;
  }
  FSkin = *entry;
  if (IsRectEmpty(FSkin.FocusItemRect)) FSkin.FocusItemRect = FSkin.ItemRect;
}

void TspSkinCustomComboBox::CalcSize(int& AWidth, int& AHeight) {
  if (FUseSkinSize) {
    TspSkinCustomControl::CalcSize(AWidth, AHeight);
    return;
  }
  if (!Skinned()) return;
  const TspComboCut cut = FreeWidthCut({LTPoint, RTPoint, ClRect}, SkinRect, AWidth);
  NewLTPoint = cut.LT;
  NewRTPoint = cut.RT;
  NewClRect = cut.ClRect;
}

void TspSkinCustomComboBox::CalcRects() {
  const TspComboBoxRects rects = ComboBoxRects(
      {Skinned(), FToolButtonStyle, FUseSkinSize, Width(), Height(), SkinRect, ClRect, FSkin.ButtonRect, RTPoint});
  FButtonRect = rects.Button;
  FItemRect = rects.Item;
  if (FEdit != nullptr) FEdit->SetBoundsRect(ComboEditRect(FItemRect, TextMetricHeight(*FEdit->Font())));
}

void TspSkinCustomComboBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  CalcRects();
  if (FEdit != nullptr) ApplyEditFont();
  Repaint();
  FListBox->SetSkinDataName(Skinned() ? FSkin.ListBoxName : std::string());
  FListBox->SetSkinData(SkinData());
  FListBox->ChangeSkinData();
  CalcRects();
  if (FEdit == nullptr || !Skinned()) return;
  int width = Width();
  int height = Height();
  CalcSize(width, height);
  if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
}

void TspSkinCustomComboBox::DefaultFontChanged() { Font()->Assign(DefaultFont()); }

void TspSkinCustomComboBox::Invalidate() {
  TspSkinCustomControl::Invalidate();
  if (FEdit != nullptr && Skinned()) FEdit->Invalidate();
}

TspComboLookState TspSkinCustomComboBox::LookState() {
  const bool focused = Focused() || (FEdit != nullptr && FEdit->Focused());
  return {focused, FMouseIn, Enabled(), !IsRectEmpty(FSkin.ActiveSkinRect)};
}

// Selection

void TspSkinCustomComboBox::SetItemIndex(int Value) {
  const TDispatchScope running(this);  // OnChange (of the new text) and OnClick may free the box
  FListBox->SetItemIndex(Value);
  const int index = FListBox->ItemIndex();
  if (FListBox->Items()->Count() > 0 && index != -1) SetText(FListBox->Items()->Get(index));
  FCommittedIndex = index;
  if (FEdit == nullptr) Repaint();
  if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading)) return;
  Click();
  Change();
}

void TspSkinCustomComboBox::ShowItemText(int Index) {
  if (Index >= 0 && Index < FListBox->Items()->Count()) SetText(FListBox->Items()->Get(Index));
}

namespace {

void SelectIn(TspSkinCustomComboBox& Combo, int Index, bool Notify) {
  if (Notify)
    Combo.SetItemIndex(Index);
  else
    Combo.ListBox()->SetItemIndex(Index);
}

}  // namespace

void TspSkinCustomComboBox::SelectPrior(bool Notify) {
  if (ItemIndex() > 0) SelectIn(*this, ItemIndex() - 1, Notify);
}

void TspSkinCustomComboBox::SelectNext(bool Notify) {
  if (ItemIndex() < Items()->Count() - 1) SelectIn(*this, ItemIndex() + 1, Notify);
}

void TspSkinCustomComboBox::SelectPageUp(bool Notify) {
  if (Items()->Count() > 0) SelectIn(*this, PageUpIndex(ItemIndex(), FDropDownCount), Notify);
}

void TspSkinCustomComboBox::SelectPageDown(bool Notify) {
  if (Items()->Count() > 0) SelectIn(*this, PageDownIndex(ItemIndex(), FDropDownCount, Items()->Count()), Notify);
}

void TspSkinCustomComboBox::EditSelectPrior(bool Notify) {
  if (ItemIndex() <= 0) return;
  FListBox->SetItemIndex(ItemIndex() - 1);
  if (Notify) ShowEditSelection();
}

void TspSkinCustomComboBox::EditSelectNext(bool Notify) {
  if (ItemIndex() >= Items()->Count() - 1) return;
  FListBox->SetItemIndex(ItemIndex() + 1);
  if (Notify) ShowEditSelection();
}

void TspSkinCustomComboBox::ShowEditSelection() {
  ShowItemText(ItemIndex());
  if (FEdit != nullptr) SendMessageA(FEdit->Handle(), EM_SETSEL, 0, -1);
  Click();
}

// Type-ahead and completion

int TspSkinCustomComboBox::FindItem(const std::string& Prefix, int Start) {
  // The system list searches; a list not dropped down yet makes its window for it.
  if (!HandleAllocated()) return -1;
  const LRESULT found = SendMessageA(FListBox->ListBox()->Handle(), LB_FINDSTRING, static_cast<WPARAM>(Start),
                                     reinterpret_cast<LPARAM>(Prefix.c_str()));
  return found == LB_ERR ? -1 : static_cast<int>(found);
}

void TspSkinCustomComboBox::FindItemByKey(char Key) {
  const auto find = [this](const std::string& Prefix, int Start) { return FindItem(Prefix, Start); };
  const int found = FTypeAhead.Key(Key, Seams::TickCount(), FAutoComplete, ItemIndex(), find);
  if (found >= 0) SetItemIndex(found);
}

void TspSkinCustomComboBox::CompleteEditText() {
  if (FEdit == nullptr || !FTypeAhead.CompletionDue(Seams::TickCount())) return;
  const std::string typed = Text();
  if (typed.empty()) return;
  const auto find = [this](const std::string& Prefix, int Start) { return FindItem(Prefix, Start); };
  const int found = TspTypeAhead::Complete(typed, ItemIndex(), find);
  if (found < 0) return;
  SetItemIndex(found);
  // Further typing replaces the part completed.
  SendMessageA(FEdit->Handle(), EM_SETSEL, typed.size(), static_cast<LPARAM>(FEdit->Text().size()));
}

void TspSkinCustomComboBox::EditChange(TObject*) {
  FChangeFromEdit = true;
  TScopeExit done([&] { FChangeFromEdit = false; });
  const std::string text = FEdit->Text();
  const int found = text.empty() ? -1 : FindItem(text, -1);
  if (found >= 0)
    SendMessageA(FListBox->ListBox()->Handle(), FAutoComplete ? LB_SETCURSEL : LB_SETTOPINDEX,
                 static_cast<WPARAM>(found), 0);
  SetText(text);
}

void TspSkinCustomComboBox::TextChanged() {
  if (FEdit != nullptr && !FChangeFromEdit) FEdit->SetText(Text());
  if (OnChange) OnChange(this);
  if (FChangeFromEdit) Change();
}

// Keys, wheel and the edit part's messages

void TspSkinCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TspSkinCustomControl::KeyDown(Key, Shift);
  const bool alt = Shift.Contains(ssAlt);
  switch (Key) {
    case VK_UP:
      if (!alt)
        SelectPrior(true);
      else if (FDroppedDown)
        CloseUp(true);
      break;
    case VK_DOWN:
      if (!alt)
        SelectNext(true);
      else if (!FDroppedDown)
        DropDown();
      break;
    case VK_PRIOR: SelectPageUp(true); break;
    case VK_NEXT: SelectPageDown(true); break;
    case VK_RETURN:
      if (FDroppedDown) CloseUp(true);
      break;
    default: break;
  }
}

void TspSkinCustomComboBox::KeyPress(char& Key) {
  TspSkinCustomControl::KeyPress(Key);
  if (Key != '\0') FindItemByKey(Key);
}

bool TspSkinCustomComboBox::TakeDialogKey(TMessage& Message) {
  // Enter and Escape belong to an open list before the form's default and cancel buttons.
  const WPARAM key = Message.WParam;
  if (!FDroppedDown || (key != VK_ESCAPE && key != VK_RETURN)) return false;
  Message.Result = 1;
  CloseUp(true);
  if (key == VK_ESCAPE && FEdit == nullptr) {
    // Escape takes back what was chosen in the list.
    FListBox->SetItemIndex(FDropIndex);
    ShowItemText(FDropIndex);
    Repaint();
  }
  return true;
}

void TspSkinCustomComboBox::Wheel(const TMessage& Message, bool InEdit) {
  const bool away = static_cast<int32_t>(Message.WParam) >= 1;
  const bool notify = !FDroppedDown;
  if (InEdit) {
    if (away)
      EditSelectPrior(notify);
    else
      EditSelectNext(notify);
  } else if (away) {
    SelectPrior(notify);
  } else {
    SelectNext(notify);
  }
}

void TspSkinCustomComboBox::EditWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_KEYDOWN:
      if (TakeDialogKey(Message)) return;
      break;
    case WM_SETFOCUS:
      FEditProcHook.CallNext(Message);
      if (ActiveFaceColours()) ApplyEditColour(FSkin.ActiveFontColor);
      return;
    case WM_KILLFOCUS:
      if (FDroppedDown) CloseUp(false);
      FEditProcHook.CallNext(Message);
      if (ActiveFaceColours()) ApplyEditColour(FSkin.FontColor);
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (FDroppedDown) CloseUp(false);
      break;
    case WM_MOUSEWHEEL: Wheel(Message, true); break;
    case WM_KEYDOWN:
      switch (Message.WParam) {
        case VK_RETURN:
        case VK_ESCAPE:
          if (FDroppedDown) CloseUp(true);
          break;
        case VK_PRIOR:
        case VK_NEXT:
          if (FDroppedDown)
            Message.WParam == VK_PRIOR ? SelectPageUp(false) : SelectPageDown(false);
          break;
        case VK_UP: EditSelectPrior(true); return;
        case VK_DOWN: EditSelectNext(true); return;
        default: break;
      }
      break;
    case WM_KEYUP: EditKeyUp(Message); return;
    case WM_SYSKEYUP:
      if (IsInputMethodCharset(FEdit->Font()->Charset())) {
        EditKeyUp(Message);
        return;
      }
      break;
    default: break;
  }
  FEditProcHook.CallNext(Message);
}

void TspSkinCustomComboBox::EditKeyUp(TMessage& Message) {
  const bool types = Message.WParam >= FirstTypingKey;
  // The input method leaves what it typed selected: it goes, unless a shortcut (Ctrl or
  // Alt held) is let go.
  const bool inputMethod = IsInputMethodCharset(FEdit->Font()->Charset());
  const bool shortcut = inputMethod && (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0);
  if (inputMethod && types && !shortcut) SendMessageA(FEdit->Handle(), WM_CLEAR, 0, 0);
  FEditProcHook.CallNext(Message);
  if (types && !shortcut && FAutoComplete) CompleteEditText();
}

void TspSkinCustomComboBox::EditCancelMode(TControl* Sender) { CancelModeFrom(Sender); }

void TspSkinCustomComboBox::EditKeyDown(TObject*, uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TspSkinCustomComboBox::EditKeyPress(TObject*, char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TspSkinCustomComboBox::EditKeyUpEvent(TObject*, uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

// Messages

void TspSkinCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(Message);
      CalcRects();
      return;
    case WM_SETFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      if (FEdit == nullptr) {
        Repaint();
        return;
      }
      if (FEdit->CanFocus()) FEdit->SetFocus();
      if (ActiveFaceColours()) {
        ApplyEditColour(FSkin.ActiveFontColor);
        Invalidate();
      }
      return;
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      if (FEdit == nullptr && FDroppedDown) CloseUp(false);
      Repaint();
      if (ActiveFaceColours() && !FEdit->Focused()) ApplyEditColour(FSkin.FontColor);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      TspSkinCustomControl::Dispatch(Message);
      FMouseIn = Message.Msg == CM_MOUSEENTER;
      if (!FMouseIn && FButtonHot) {
        FButtonHot = false;
        Repaint();
      }
      if (ActiveFaceColours() && !FEdit->Focused())
        ApplyEditColour(FMouseIn ? FSkin.ActiveFontColor : FSkin.FontColor);
      if ((Skinned() && !IsRectEmpty(FSkin.ActiveSkinRect)) || FToolButtonStyle) Invalidate();
      return;
    }
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      if (FEdit != nullptr)
        ApplyEditColour(!Enabled() ? DisabledFontColour() : Skinned() ? FSkin.FontColor : DefaultFont()->Color());
      Repaint();
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      TextChanged();
      return;
    case CM_CANCELMODE:
      TspSkinCustomControl::Dispatch(Message);
      CancelModeFrom(reinterpret_cast<TControl*>(Message.LParam));
      return;
    case CM_WANTSPECIALKEY:
      Message.Result = Message.WParam >= VK_LEFT && Message.WParam <= VK_DOWN ? 1 : 0;
      return;
    case CN_KEYDOWN:
      if (!TakeDialogKey(Message)) TspSkinCustomControl::Dispatch(Message);
      return;
    case WM_MOUSEWHEEL:
      if (FEdit != nullptr) break;
      Wheel(Message, false);
      Message.Result = 1;
      return;
    case WM_ERASEBKGND:
      // Asked outside its own paint, the box draws its whole face with the edit part on
      // it; not when the edit part itself asks for what lies behind it (a paint copy).
      if (PaintOnErase(Message) && !ControlState().Contains(csPaintCopy) && FEdit != nullptr && FEdit->Visible())
        FEdit->PaintTo(reinterpret_cast<HDC>(Message.WParam), FEdit->Left(), FEdit->Top());
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(Message);
      if (FScrollTimer.Is(Message)) ScrollTimerTick();
      return;
    default: break;
  }
  TspSkinCustomControl::Dispatch(Message);
}
